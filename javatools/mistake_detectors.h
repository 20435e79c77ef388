#pragma once

#include "javatools/compiler_explanations.h"
#include "javatools/mistake_finder.h"

#include <functional>

// What every detector of the mistake finder looks at: the source's tokens,
// the message, and the tokens around the place the message points at.
struct MistakeContext
{
    const SourceTokens &tokens;
    const JavacMessage &message;
    const CompilerDiagnostic *data;
    // The message's name for the unknown symbol, when it has one.
    QString unknownName;
    // The first token at the message's place and the last one before it.
    int at = -1;
    int before = -1;
    std::function<QString(const QString &)> closestName;
    // A name of the JDK list or written somewhere in the source.
    std::function<bool(const QString &)> isKnownName;

    // The line the message points at, from the data when the helper gave it.
    int line() const { return data && data->line > 0 ? data->line : message.line; }
    bool says(const char *text) const { return message.text == QLatin1String(text); }
    bool saysStart(const char *text) const { return message.text.startsWith(QLatin1String(text)); }
};

// A mistake of kind `id`, one of MistakeFinder::ids().
inline FoundMistake mistake(const char *id, const QString &text)
{
    Q_ASSERT(MistakeFinder::ids().contains(QLatin1String(id)));
    return {QString::fromLatin1(id), text};
}

using Detector = std::optional<FoundMistake> (*)(const MistakeContext &);

// `mistake` standing from token `from` to token `to`.
inline FoundMistake placed(FoundMistake mistake, const SourceToken &from, const SourceToken &to)
{
    mistake.line = from.line;
    mistake.column = from.column;
    mistake.length = to.line == from.line ? to.endColumn() - from.column : int(from.text.size());
    return mistake;
}
inline FoundMistake placed(FoundMistake mistake, const SourceToken &token)
{
    return placed(std::move(mistake), token, token);
}

// The detectors, most certain first.
namespace detectors {

std::optional<FoundMistake> capitalKeyword(const MistakeContext &c);
std::optional<FoundMistake> badNumber(const MistakeContext &c);
std::optional<FoundMistake> methodAssigned(const MistakeContext &c);
std::optional<FoundMistake> missingPlus(const MistakeContext &c);
std::optional<FoundMistake> commaForDot(const MistakeContext &c);
std::optional<FoundMistake> commasInFor(const MistakeContext &c);
std::optional<FoundMistake> classHeader(const MistakeContext &c);
std::optional<FoundMistake> methodHeader(const MistakeContext &c);
std::optional<FoundMistake> declarationWithoutName(const MistakeContext &c);
std::optional<FoundMistake> voidVariable(const MistakeContext &c);
std::optional<FoundMistake> spaceInName(const MistakeContext &c);
std::optional<FoundMistake> parenthesesOnLine(const MistakeContext &c);
std::optional<FoundMistake> unclosedBlock(const MistakeContext &c);
std::optional<FoundMistake> extraClosingBrace(const MistakeContext &c);
std::optional<FoundMistake> unfinishedLineAbove(const MistakeContext &c);
std::optional<FoundMistake> codeOutsideMethod(const MistakeContext &c);
std::optional<FoundMistake> voidAsValue(const MistakeContext &c);
std::optional<FoundMistake> wrongReturn(const MistakeContext &c);
std::optional<FoundMistake> misspeltName(const MistakeContext &c);

} // namespace detectors

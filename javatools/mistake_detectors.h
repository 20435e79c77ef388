#pragma once

#include "javatools/compiler_explanations.h"
#include "javatools/mistake_finder.h"

// What every detector of the mistake finder looks at: the source's tokens,
// braces and declarations, the message, and the tokens around the place the
// message points at.
struct MistakeContext
{
    MistakeContext(const MistakeFinder &f, const JavacMessage &m, const CompilerDiagnostic *d)
        : finder(f), message(m), data(d)
    {
    }

    const MistakeFinder &finder;
    const JavacMessage &message;
    const CompilerDiagnostic *data;
    const SourceTokens &tokens = finder.tokens();
    const Braces &braces = finder.braces();
    const SourceDeclarations &declared = finder.declarations();
    // The message's unknown symbol when it names one: its name, what it is
    // (variable, method, class or package) and a method's argument types;
    // and the "location:" detail ("variable sc of type Scanner").
    QString unknownName;
    QString unknownKind;
    QString unknownArguments;
    QString location;
    // The first token at the message's place and the last one before it.
    int at = -1;
    int before = -1;

    // The line the message points at, from the data when the helper gave it.
    int line() const { return data && data->line > 0 ? data->line : message.line; }
    bool says(const char *text) const { return message.text == QLatin1String(text); }
    bool saysStart(const char *text) const { return message.text.startsWith(QLatin1String(text)); }
    bool isSyntaxError() const { return MistakeFinder::isSyntaxError(message); }
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

// The start of a line as a student recognises it, shortened.
QString lineStart(const SourceTokens &tokens, int line);

// The first line of the statement that `line` belongs to: a call or a sum
// may go on over several lines, each but the last ending in neither ";" nor
// a brace.
int statementFirstLine(const SourceTokens &tokens, int line);

// The detectors, each in the file of its family.
namespace detectors {

// One line's words, numbers and punctuation (mistake_detectors.cpp).
std::optional<FoundMistake> missingQuote(const MistakeContext &c);
std::optional<FoundMistake> capitalKeyword(const MistakeContext &c);
std::optional<FoundMistake> badNumber(const MistakeContext &c);
std::optional<FoundMistake> methodAssigned(const MistakeContext &c);
std::optional<FoundMistake> missingPlus(const MistakeContext &c);
std::optional<FoundMistake> commaForDot(const MistakeContext &c);
std::optional<FoundMistake> commasInFor(const MistakeContext &c);
std::optional<FoundMistake> classHeader(const MistakeContext &c);
std::optional<FoundMistake> declarationWithoutName(const MistakeContext &c);
std::optional<FoundMistake> voidVariable(const MistakeContext &c);
std::optional<FoundMistake> spaceInName(const MistakeContext &c);

// Operators and conditions (mistake_operators.cpp).
std::optional<FoundMistake> reversedOperator(const MistakeContext &c);
std::optional<FoundMistake> conditionInBraces(const MistakeContext &c);
std::optional<FoundMistake> assignmentInCondition(const MistakeContext &c);
std::optional<FoundMistake> textComparedByOrder(const MistakeContext &c);
std::optional<FoundMistake> unreachableAfter(const MistakeContext &c);

// Blocks and braces (mistake_blocks.cpp).
std::optional<FoundMistake> modifierOnLocal(const MistakeContext &c);
std::optional<FoundMistake> missingOpeningBrace(const MistakeContext &c);
std::optional<FoundMistake> semicolonAfterCondition(const MistakeContext &c);
std::optional<FoundMistake> closeMissingBeforeElse(const MistakeContext &c);
std::optional<FoundMistake> unclosedBlock(const MistakeContext &c);
std::optional<FoundMistake> extraClosingBrace(const MistakeContext &c);

// The whole file's shape (mistake_structure.cpp).
std::optional<FoundMistake> methodHeader(const MistakeContext &c);
std::optional<FoundMistake> parenthesesOnLine(const MistakeContext &c);
std::optional<FoundMistake> unfinishedLineAbove(const MistakeContext &c);
std::optional<FoundMistake> codeOutsideMethod(const MistakeContext &c);
std::optional<FoundMistake> voidAsValue(const MistakeContext &c);
std::optional<FoundMistake> wrongReturn(const MistakeContext &c);

// Calls and names (mistake_names.cpp).
std::optional<FoundMistake> bracketForParenthesis(const MistakeContext &c);
std::optional<FoundMistake> semicolonBetweenArguments(const MistakeContext &c);
std::optional<FoundMistake> callWithoutParentheses(const MistakeContext &c);
std::optional<FoundMistake> constructorName(const MistakeContext &c);
std::optional<FoundMistake> newMissing(const MistakeContext &c);
std::optional<FoundMistake> methodWithoutObject(const MistakeContext &c);
std::optional<FoundMistake> undeclaredVariable(const MistakeContext &c);
std::optional<FoundMistake> misspeltName(const MistakeContext &c);
std::optional<FoundMistake> wrongArgumentType(const MistakeContext &c);

} // namespace detectors

#pragma once

#include "javatools/compiler_diagnostic.h"
#include "javatools/source_blocks.h"
#include "javatools/source_declarations.h"
#include "javatools/source_tokens.h"

#include <QString>
#include <QStringList>
#include <optional>

struct JavacMessage;

// The real mistake behind a compiler message, and its fix in Portuguese.
struct FoundMistake
{
    QString id;   // which kind of mistake (also the help page's section)
    QString text; // what is wrong and what to write instead
    // Where the mistake itself stands, when that is known (1-based); 0 else.
    int line = 0;
    int column = 0;
    int length = 0;
};

// Looks at the source around a compiler message for the mistakes novices
// make whose messages point elsewhere: a keyword with a capital letter, a
// space inside a name, a missing + between a text and a value, a comma for a
// dot or a semicolon, brackets that do not balance, code outside any method,
// a misspelt name... When nothing is certain it finds nothing, and the
// literal explanation of the message stands.
class MistakeFinder
{
public:
    explicit MistakeFinder(const QStringList &sourceLines);

    // The mistake behind `message`, a message about this source; `data`, when
    // the compile helper gave it, is the same message as data.
    std::optional<FoundMistake> find(const JavacMessage &message,
                                     const CompilerDiagnostic *data = nullptr) const;

    // Every kind of mistake the finder knows; the help page explains each.
    static const QStringList &ids();

    // True for the messages of the parser: the source is not Java yet, and
    // later messages may be its consequences.
    static bool isSyntaxError(const JavacMessage &message);

    // The known names closest to `name` (names declared in this source, then
    // those of the JDK that students use, the most used first), all at the
    // same smallest distance; empty when none is close.
    QStringList closestNames(const QString &name) const;
    // Whether `name` is one of the JDK list or written in this source.
    bool isKnownName(const QString &name) const;

    const SourceTokens &tokens() const { return m_tokens; }
    const Braces &braces() const { return m_braces; }
    const SourceDeclarations &declarations() const { return m_declarations; }

private:
    SourceTokens m_tokens;
    Braces m_braces;
    SourceDeclarations m_declarations;
};

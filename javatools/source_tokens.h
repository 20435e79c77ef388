#pragma once

#include "editor/java_scanner.h"

#include <QList>
#include <QString>
#include <QStringList>

// The tokens of a Java source as the scanner sees them, without blanks and
// comments, each with its place: what the mistake finder reasons about.
struct SourceToken
{
    TtkTokenKind kind = tkNull;
    TxtkTokenKind symbol = xtkAdd; // for tkSymbol
    QString text;
    int line = 0;   // 1-based
    int column = 0; // 1-based, in characters

    int endColumn() const { return column + int(text.size()); }
    bool is(const char *s) const { return text == QLatin1String(s); }
    bool isName() const { return kind == tkIdentifier; }
    bool isKeyword(const char *word) const { return kind == tkKey && is(word); }
    bool isString() const { return kind == tkString; }
    bool isNumber() const { return kind == tkNumber; }
};

class SourceTokens
{
public:
    explicit SourceTokens(const QStringList &lines);

    const QList<SourceToken> &all() const { return m_tokens; }
    int size() const { return int(m_tokens.size()); }
    const SourceToken &at(int index) const { return m_tokens.at(index); }
    // A token past either end is an empty one.
    SourceToken get(int index) const { return m_tokens.value(index); }

    // The first token at or after the place, and the last one before it.
    int indexAt(int line, int column) const;
    int indexBefore(int line, int column) const;
    // The tokens of `line`, as indexes.
    QList<int> onLine(int line) const;
    // The token that closes the "(", "[" or "{" at `open`, or -1.
    int closing(int open) const;
    // Tokens `from` to `to` as the student wrote them, one blank where there were blanks.
    QString written(int from, int to) const;

    QString lineText(int line) const { return m_lines.value(line - 1); }
    int lineCount() const { return int(m_lines.size()); }
    // Leading blanks of `line`, tabs stopping every four columns.
    int indentOf(int line) const;

private:
    QStringList m_lines;
    QList<SourceToken> m_tokens;
};

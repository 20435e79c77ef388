#pragma once

#include <QList>
#include <QSyntaxHighlighter>
#include <QTextBlockUserData>

class TSynJavaSyn;

// The brackets of a block's code (not those inside texts, characters or
// comments), as the highlighter last scanned them: what bracket matching
// walks, so that it never scans a line again.
class BlockBrackets : public QTextBlockUserData
{
public:
    struct Bracket
    {
        int column;
        QChar character;
    };
    QList<Bracket> brackets;

    static const BlockBrackets *of(const QTextBlock &block);
};

// Colours one editor's document with the shared Java scanner; the scanner's
// range is kept as each block's state, so opening or closing a block comment
// recolours the blocks below.
class JavaHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    JavaHighlighter(TSynJavaSyn &scanner, QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    TSynJavaSyn &m_scanner;
};

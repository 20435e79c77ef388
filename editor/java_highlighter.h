#pragma once

#include <QSyntaxHighlighter>

class TSynJavaSyn;

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

#include "editor/java_highlighter.h"

#include "editor/syn_java_syn.h"

#include <QTextBlock>

namespace {

QTextCharFormat formatOf(const TokenAttribute &attribute)
{
    QTextCharFormat format;
    if (attribute.foreground.isValid())
        format.setForeground(attribute.foreground);
    if (attribute.bold)
        format.setFontWeight(QFont::Bold);
    if (attribute.italic)
        format.setFontItalic(true);
    return format;
}

} // namespace

const BlockBrackets *BlockBrackets::of(const QTextBlock &block)
{
    return static_cast<const BlockBrackets *>(block.userData());
}

JavaHighlighter::JavaHighlighter(TSynJavaSyn &scanner, QTextDocument *document)
    : QSyntaxHighlighter(document)
    , m_scanner(scanner)
{
}

void JavaHighlighter::highlightBlock(const QString &text)
{
    const int previous = previousBlockState();
    if (previous < 0)
        m_scanner.ResetRange();
    else
        m_scanner.SetRange(TRangeState(previous));

    // An entry inserted with line breaks keeps them as line separators; the
    // scanner must see them as the line ends they stand for.
    QString line = text;
    if (line.contains(QChar::LineSeparator))
        line.replace(QChar::LineSeparator, QLatin1Char('\n'));

    // Formats are built from the attributes each time, since the owner may
    // change an attribute between two paintings.
    auto *brackets = new BlockBrackets;
    std::array<const TokenAttribute *, tkUnknown + 1> seen{};
    std::array<QTextCharFormat, tkUnknown + 1> formats;
    for (m_scanner.SetLine(line, currentBlock().blockNumber()); !m_scanner.GetEol(); m_scanner.Next()) {
        const TokenAttribute *attribute = m_scanner.GetTokenAttribute();
        if (!attribute)
            continue;
        const int kind = m_scanner.GetTokenID();
        if (seen[kind] != attribute) {
            seen[kind] = attribute;
            formats[kind] = formatOf(*attribute);
        }
        setFormat(m_scanner.GetTokenPos(), m_scanner.GetTokenLength(), formats[kind]);
        if (kind == tkSymbol && m_scanner.GetTokenLength() == 1) {
            const QChar c = line.at(m_scanner.GetTokenPos());
            if (QStringView(u"()[]{}").contains(c))
                brackets->brackets.append({m_scanner.GetTokenPos(), c});
        }
    }
    setCurrentBlockUserData(brackets);
    setCurrentBlockState(m_scanner.GetRange());
}

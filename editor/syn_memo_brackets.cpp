// The bracket next to the caret and its partner, from the brackets the
// highlighter noted for each line: those inside texts, characters and
// comments were never noted, and no line is scanned again here.
#include "editor/syn_memo.h"

#include "common/colours.h"
#include "editor/java_highlighter.h"

#include <QTextBlock>

namespace {

bool isOpening(QChar c)
{
    return c == u'(' || c == u'[' || c == u'{';
}

QChar partnerOf(QChar c)
{
    switch (c.unicode()) {
    case u'(': return u')';
    case u')': return u'(';
    case u'[': return u']';
    case u']': return u'[';
    case u'{': return u'}';
    default: return u'{';
    }
}

// The document position of the partner of the bracket `index` of `block`'s
// list, or -1: only brackets of the same kind count.
int partnerPosition(QTextBlock block, qsizetype index)
{
    const QList<BlockBrackets::Bracket> &first = BlockBrackets::of(block)->brackets;
    const QChar bracket = first.at(index).character;
    const QChar partner = partnerOf(bracket);
    const bool forward = isOpening(bracket);
    int depth = 0;
    for (qsizetype i = forward ? index + 1 : index - 1; block.isValid();) {
        const BlockBrackets *data = BlockBrackets::of(block);
        const qsizetype count = data ? data->brackets.size() : 0;
        for (; data && i >= 0 && i < count; i += forward ? 1 : -1) {
            const BlockBrackets::Bracket &b = data->brackets.at(i);
            if (b.character == bracket) {
                ++depth;
            } else if (b.character == partner) {
                if (depth == 0)
                    return block.position() + b.column;
                --depth;
            }
        }
        block = forward ? block.next() : block.previous();
        if (!block.isValid())
            break;
        const BlockBrackets *next = BlockBrackets::of(block);
        i = forward ? 0 : (next ? next->brackets.size() - 1 : -1);
    }
    return -1;
}

QTextEdit::ExtraSelection marked(QTextDocument *document, int position, const QColor &colour)
{
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(document);
    selection.cursor.setPosition(position);
    selection.cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    selection.format.setBackground(colour);
    return selection;
}

} // namespace

QList<QTextEdit::ExtraSelection> TSynMemo::bracketSelections() const
{
    const QTextCursor caret = textCursor();
    if (caret.hasSelection())
        return {};
    const QTextBlock block = caret.block();
    const BlockBrackets *data = BlockBrackets::of(block);
    if (!data)
        return {};
    // The bracket just before the caret, else the one after it.
    const int column = caret.positionInBlock();
    qsizetype index = -1;
    for (qsizetype i = 0; i < data->brackets.size(); ++i) {
        const int at = data->brackets.at(i).column;
        if (at == column - 1) {
            index = i;
            break;
        }
        if (at == column && index < 0)
            index = i;
    }
    if (index < 0)
        return {};
    const int here = block.position() + data->brackets.at(index).column;
    const int there = partnerPosition(block, index);
    if (there < 0)
        return {marked(document(), here, colours::of(ColourRole::BracketLone))};
    return {marked(document(), here, colours::of(ColourRole::BracketPair)), marked(document(), there, colours::of(ColourRole::BracketPair))};
}

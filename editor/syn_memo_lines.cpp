// The line list of TSynMemo and the CR LF offset arithmetic. Every entry is one
// QTextBlock; the line breaks inside an entry are kept as line separators.
#include "editor/syn_memo.h"
#include "editor/line_breaks.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Line number and column of a document position.
struct LineColumn
{
    int line;
    int column;
};

LineColumn lineColumnOf(const QTextDocument &document, int position)
{
    const QTextBlock block = document.findBlock(position);
    return {block.blockNumber(), position - block.position()};
}

int positionOf(const QTextDocument &document, LineColumn place)
{
    const QTextBlock block = document.findBlockByNumber(qBound(0, place.line, document.blockCount() - 1));
    return block.position() + qBound(0, place.column, block.length() - 1);
}

} // namespace

namespace linebreaks {

QString toEntry(const QString &text)
{
    QString entry = text;
    entry.replace(kCrLf, QString(QChar::LineSeparator));
    for (QChar &c : entry)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator)
            c = QChar::LineSeparator;
    return entry;
}

QString toLines(const QString &text)
{
    QString lines = text;
    lines.replace(kCrLf, QStringLiteral("\n"));
    for (QChar &c : lines)
        if (c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return lines;
}

QString withCrLf(const QString &text)
{
    if (!text.contains(QChar::LineSeparator) && !text.contains(QChar::ParagraphSeparator))
        return text;
    QString result;
    result.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            result += kCrLf;
        else
            result += c;
    }
    return result;
}

} // namespace linebreaks

namespace {

// Keeps the caret's and the anchor's line numbers and columns across a change
// of the lines, where QPlainTextEdit would move them with their text.
class CaretKeeper
{
public:
    explicit CaretKeeper(QPlainTextEdit &edit)
        : m_edit(edit)
        , m_anchor(lineColumnOf(*edit.document(), edit.textCursor().anchor()))
        , m_position(lineColumnOf(*edit.document(), edit.textCursor().position()))
    {
    }
    ~CaretKeeper()
    {
        QTextCursor cursor(m_edit.document());
        cursor.setPosition(positionOf(*m_edit.document(), m_anchor));
        cursor.setPosition(positionOf(*m_edit.document(), m_position), QTextCursor::KeepAnchor);
        m_edit.setTextCursor(cursor);
    }
    CaretKeeper(const CaretKeeper &) = delete;
    CaretKeeper &operator=(const CaretKeeper &) = delete;

private:
    QPlainTextEdit &m_edit;
    LineColumn m_anchor;
    LineColumn m_position;
};

} // namespace

int TSynMemoLines::Count() const
{
    return m_memo.m_noLines ? 0 : m_memo.document()->blockCount();
}

QString TSynMemoLines::Get(int index) const
{
    if (index < 0 || index >= Count())
        return QString();
    return linebreaks::withCrLf(m_memo.document()->findBlockByNumber(index).text());
}

void TSynMemoLines::Insert(int index, const QString &text)
{
    TSynMemo::SilentChange silent(m_memo);
    CaretKeeper keeper(m_memo);
    QTextDocument &document = *m_memo.document();
    QTextCursor cursor(&document);
    const QString entry = linebreaks::toEntry(text);
    const int count = Count();
    // Edit blocks keep line edits apart from typing in the undo history.
    cursor.beginEditBlock();
    if (count == 0) {
        cursor.insertText(entry);
    } else if (index < count) {
        cursor.setPosition(document.findBlockByNumber(qMax(index, 0)).position());
        cursor.insertText(entry + QLatin1Char('\n'));
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QLatin1Char('\n') + entry);
    }
    cursor.endEditBlock();
    m_memo.m_noLines = false;
}

void TSynMemoLines::Delete(int index)
{
    const int count = Count();
    if (index < 0 || index >= count)
        return;
    TSynMemo::SilentChange silent(m_memo);
    CaretKeeper keeper(m_memo);
    QTextDocument &document = *m_memo.document();
    QTextCursor cursor(&document);
    if (count == 1) {
        cursor.select(QTextCursor::Document);
    } else if (index < count - 1) {
        cursor.setPosition(document.findBlockByNumber(index).position());
        cursor.setPosition(document.findBlockByNumber(index + 1).position(), QTextCursor::KeepAnchor);
    } else {
        const QTextBlock previous = document.findBlockByNumber(index - 1);
        cursor.setPosition(previous.position() + previous.length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    if (count == 1)
        m_memo.m_noLines = true;
}

void TSynMemoLines::Add(const QString &text)
{
    Insert(Count(), text);
}

void TSynMemoLines::Clear()
{
    TSynMemo::SilentChange silent(m_memo);
    QTextCursor cursor(m_memo.document());
    cursor.select(QTextCursor::Document);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    m_memo.m_noLines = true;
}

int TSynMemoLines::SplitEntries(int entry)
{
    QTextDocument &document = *m_memo.document();
    int line = entry;
    QList<int> separators;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i) == QChar::LineSeparator || text.at(i) == QChar::ParagraphSeparator) {
                separators.append(block.position() + i);
                if (block.blockNumber() < entry)
                    ++line;
            }
        }
    }
    if (separators.isEmpty())
        return line;
    TSynMemo::SilentChange silent(m_memo);
    // One character becomes one block break, so no position changes: the
    // caret and the selection go back to the characters they were on.
    const QTextCursor caret = m_memo.textCursor();
    const int anchor = caret.anchor();
    const int position = caret.position();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const int at : separators) {
        cursor.setPosition(at);
        cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        cursor.insertBlock();
    }
    cursor.endEditBlock();
    QTextCursor restored(&document);
    restored.setPosition(anchor);
    restored.setPosition(position, QTextCursor::KeepAnchor);
    m_memo.setTextCursor(restored);
    return line;
}

QString TSynMemoLines::Text() const
{
    QString text;
    for (QTextBlock block = m_memo.document()->begin(); block.isValid(); block = block.next()) {
        if (block != m_memo.document()->begin())
            text += kCrLf;
        text += linebreaks::withCrLf(block.text());
    }
    return text;
}

// --- offsets --------------------------------------------------------------

int TSynMemo::offsetOfPosition(int position) const
{
    const QTextBlock target = document()->findBlock(position);
    // Each block break adds one character to the document position's count.
    int offset = position + target.blockNumber();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (block == target) {
            offset += text.left(position - block.position()).count(QChar::LineSeparator);
            break;
        }
        offset += text.count(QChar::LineSeparator);
    }
    return offset;
}

int TSynMemo::positionOfOffset(int offset) const
{
    int remaining = qMax(offset, 0);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (!text.contains(QChar::LineSeparator)) {
            if (remaining <= text.size())
                return block.position() + remaining;
            remaining -= text.size();
        } else {
            for (int i = 0; i < text.size(); ++i) {
                const int width = text.at(i) == QChar::LineSeparator ? 2 : 1;
                if (remaining < width)
                    return block.position() + i;
                remaining -= width;
            }
            if (remaining == 0)
                return block.position() + text.size();
        }
        // An offset between the CR and the LF of a break stays on the line.
        if (remaining < 2 || !block.next().isValid())
            return block.position() + text.size();
        remaining -= 2;
    }
    return 0;
}

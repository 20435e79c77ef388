// The line list of a document and the CR LF offset arithmetic. Every entry is
// one QTextBlock; the line breaks inside an entry are kept as line separators.
#include "editor/document_lines.h"
#include "editor/line_breaks.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool isSeparator(QChar c)
{
    return c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
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
        if (c == QLatin1Char('\r') || isSeparator(c))
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
        if (isSeparator(c))
            result += kCrLf;
        else
            result += c;
    }
    return result;
}

} // namespace linebreaks

DocumentLines &DocumentLines::of(QTextDocument &document)
{
    if (auto *lines = document.findChild<DocumentLines *>(QString(), Qt::FindDirectChildrenOnly))
        return *lines;
    return *new DocumentLines(document);
}

DocumentLines::DocumentLines(QTextDocument &document) : QObject(&document), m_document(document)
{
    m_noLines = document.isEmpty();
    connect(&document, &QTextDocument::contentsChanged, this, &DocumentLines::contentsChanged);
}

void DocumentLines::contentsChanged()
{
    if (!m_document.isEmpty())
        m_noLines = false;
}

int DocumentLines::Count() const
{
    return m_noLines ? 0 : m_document.blockCount();
}

QString DocumentLines::Get(int index) const
{
    if (index < 0 || index >= Count())
        return QString();
    return linebreaks::withCrLf(m_document.findBlockByNumber(index).text());
}

void DocumentLines::Insert(int index, const QString &text)
{
    Silence silent(*this);
    emit linesAboutToChange();
    QTextCursor cursor(&m_document);
    const QString entry = linebreaks::toEntry(text);
    const int count = Count();
    // Edit blocks keep line edits apart from typing in the undo history.
    cursor.beginEditBlock();
    if (count == 0) {
        cursor.select(QTextCursor::Document);
        cursor.insertText(entry);
    } else if (index < count) {
        cursor.setPosition(m_document.findBlockByNumber(qMax(index, 0)).position());
        cursor.insertText(entry + QLatin1Char('\n'));
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QLatin1Char('\n') + entry);
    }
    cursor.endEditBlock();
    m_noLines = false;
    emit linesChanged();
}

void DocumentLines::Delete(int index)
{
    const int count = Count();
    if (index < 0 || index >= count)
        return;
    Silence silent(*this);
    emit linesAboutToChange();
    QTextCursor cursor(&m_document);
    if (count == 1) {
        cursor.select(QTextCursor::Document);
    } else if (index < count - 1) {
        cursor.setPosition(m_document.findBlockByNumber(index).position());
        cursor.setPosition(m_document.findBlockByNumber(index + 1).position(), QTextCursor::KeepAnchor);
    } else {
        const QTextBlock previous = m_document.findBlockByNumber(index - 1);
        cursor.setPosition(previous.position() + previous.length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    if (count == 1)
        m_noLines = true;
    emit linesChanged();
}

void DocumentLines::Add(const QString &text)
{
    Insert(Count(), text);
}

void DocumentLines::Clear()
{
    Silence silent(*this);
    QTextCursor cursor(&m_document);
    cursor.select(QTextCursor::Document);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    m_noLines = true;
}

QString DocumentLines::Text() const
{
    QString text;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (block != m_document.begin())
            text += kCrLf;
        text += linebreaks::withCrLf(block.text());
    }
    return text;
}

void DocumentLines::SetText(const QString &text)
{
    Silence silent(*this);
    m_document.setPlainText(linebreaks::toLines(text));
    m_noLines = text.isEmpty();
    emit textReplaced();
}

void DocumentLines::Replace(int offset, int length, const QString &text)
{
    QTextCursor cursor(&m_document);
    const int start = positionOfOffset(offset);
    cursor.setPosition(start);
    cursor.setPosition(positionOfOffset(offset + length), QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(linebreaks::toLines(text));
    cursor.endEditBlock();
}

int DocumentLines::SplitEntries(int entry)
{
    int line = entry;
    QList<int> separators;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (int i = 0; i < text.size(); ++i) {
            if (isSeparator(text.at(i))) {
                separators.append(block.position() + i);
                if (block.blockNumber() < entry)
                    ++line;
            }
        }
    }
    if (separators.isEmpty())
        return line;
    Silence silent(*this);
    QTextCursor cursor(&m_document);
    cursor.beginEditBlock();
    // The break goes in behind the separator before the separator goes, so
    // no position changes and every cursor stays on its character.
    for (const int at : std::as_const(separators)) {
        cursor.setPosition(at + 1);
        cursor.insertBlock();
        cursor.setPosition(at);
        cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    return line;
}

// --- offsets --------------------------------------------------------------

int DocumentLines::offsetOfPosition(int position) const
{
    const QTextBlock target = m_document.findBlock(position);
    // Each block break adds one character to the document position's count.
    int offset = position + target.blockNumber();
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (block == target) {
            offset += int(text.left(position - block.position()).count(QChar::LineSeparator));
            break;
        }
        offset += int(text.count(QChar::LineSeparator));
    }
    return offset;
}

int DocumentLines::positionOfOffset(int offset) const
{
    int remaining = qMax(offset, 0);
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (!text.contains(QChar::LineSeparator)) {
            if (remaining <= text.size())
                return block.position() + remaining;
            remaining -= int(text.size());
        } else {
            for (int i = 0; i < text.size(); ++i) {
                const int width = text.at(i) == QChar::LineSeparator ? 2 : 1;
                if (remaining < width)
                    return block.position() + i;
                remaining -= width;
            }
            if (remaining == 0)
                return block.position() + int(text.size());
        }
        // An offset between the CR and the LF of a break stays on the line.
        if (remaining < 2 || !block.next().isValid())
            return block.position() + int(text.size());
        remaining -= 2;
    }
    return 0;
}

int DocumentLines::LineOfOffset(int offset) const
{
    return m_document.findBlock(positionOfOffset(offset)).blockNumber();
}

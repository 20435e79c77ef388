#include "editor/text_marks.h"

#include <algorithm>

QList<int> TextMarks::linesOf(TextMark::Kind kind) const
{
    QList<int> lines;
    for (const TextMark &mark : m_marks)
        if (mark.kind == kind)
            lines.append(mark.line());
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

bool TextMarks::hasOn(TextMark::Kind kind, int line) const
{
    return std::any_of(m_marks.cbegin(), m_marks.cend(),
                       [=](const TextMark &mark) { return mark.kind == kind && mark.line() == line; });
}

void TextMarks::replace(TextMark::Kind kind, const QList<TextMark> &marks)
{
    const bool had = m_marks.removeIf([kind](const TextMark &mark) { return mark.kind == kind; }) > 0;
    if (!had && marks.isEmpty())
        return;
    for (TextMark mark : marks) {
        mark.kind = kind;
        m_marks.append(mark);
    }
    emit changed();
}

void TextMarks::add(const TextMark &mark)
{
    m_marks.append(mark);
    emit changed();
}

bool TextMarks::removeIf(const Match &match)
{
    if (m_marks.removeIf(match) == 0)
        return false;
    emit changed();
    return true;
}

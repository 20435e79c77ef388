#include "designer/code_lines.h"

#include <algorithm>

QString CodeLines::Text() const
{
    QString text;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += QLatin1String("\r\n");
        text += Get(i);
    }
    return text;
}

int CodeLines::LineOfOffset(int offset) const
{
    // Walks the entries themselves, so an entry holding a line break still
    // counts as one line of the list.
    const int count = Count();
    int start = 0;
    for (int i = 0; i < count; ++i) {
        const int end = start + int(Get(i).size());
        if (offset <= end)
            return i;
        start = end + 2;
    }
    return std::max(0, count - 1);
}

void StringListCodeLines::Insert(int index, const QString &text)
{
    m_lines.insert(std::clamp(index, 0, int(m_lines.size())), text);
}

void StringListCodeLines::Delete(int index)
{
    if (index >= 0 && index < m_lines.size())
        m_lines.removeAt(index);
}

void StringListCodeLines::Replace(int offset, int length, const QString &text)
{
    QString all = Text();
    all.replace(offset, length, text);
    m_lines = all.split(QLatin1String("\r\n"));
}

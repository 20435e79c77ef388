#include "javatools/breakpoint_list.h"

#include <algorithm>

void BreakpointList::setLines(const QString &path, QList<int> lines)
{
    if (path.isEmpty())
        return;
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    if (lines.isEmpty())
        m_lines.remove(path);
    else
        m_lines.insert(path, lines);
}

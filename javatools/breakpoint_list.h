#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The breakpoints of every file, open or not, by absolute path and 1-based
// line: the debugger's own list. An open document shows its file's as marks,
// which move with the text and are taken back here as they change and when
// it closes, so a file closed and opened again keeps them.
class BreakpointList
{
public:
    // The lines (1-based, in order) of `path`.
    QList<int> linesOf(const QString &path) const { return m_lines.value(path); }
    QList<QString> paths() const { return m_lines.keys(); }
    // The breakpoints of `path` become `lines` (1-based, any order).
    void setLines(const QString &path, QList<int> lines);

private:
    QHash<QString, QList<int>> m_lines;
};

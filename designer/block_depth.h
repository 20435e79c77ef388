#pragma once

#include <QString>

// How deep a block of code is, carried from line to line. The marks of a line
// are taken in the order they stand; a close with nothing open (the "}" of
// "} else {") belongs to an earlier block and is passed over, so a block never
// runs on over lines that are not part of it.
class BlockDepth
{
public:
    BlockDepth(const QString &open, const QString &close) : m_open(open), m_close(close) {}

    // Takes every mark of `line`. Both marks must not be empty.
    void takeLine(const QString &line);

    int depth() const { return m_depth; }
    // An open mark has been taken.
    bool opened() const { return m_opened; }
    // A close mark came before any open mark.
    bool closedFirst() const { return m_closedFirst; }

private:
    QString m_open;
    QString m_close;
    int m_depth = 0;
    bool m_opened = false;
    bool m_closedFirst = false;
};

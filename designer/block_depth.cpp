#include "designer/block_depth.h"

void BlockDepth::takeLine(const QString &line)
{
    qsizetype at = 0;
    for (;;) {
        const qsizetype nextOpen = line.indexOf(m_open, at);
        const qsizetype nextClose = line.indexOf(m_close, at);
        if (nextOpen < 0 && nextClose < 0)
            return;
        // Where both marks match at once, the open wins, unless they are the
        // same mark and something is open: then it closes.
        const bool opens = nextOpen >= 0
                           && (nextClose < 0 || nextOpen < nextClose
                               || (nextOpen == nextClose && (m_open != m_close || m_depth == 0)));
        if (opens) {
            ++m_depth;
            m_opened = true;
            at = nextOpen + m_open.size();
        } else {
            if (m_depth > 0)
                --m_depth;
            else if (!m_opened)
                m_closedFirst = true;
            at = nextClose + m_close.size();
        }
    }
}

// The compiler's marks in the editor: signs in the gutter, wavy lines under
// the text, and their tips.
#include "editor/syn_memo.h"

#include <QPainter>
#include <QTextBlock>

namespace {

const QColor kMarkerColour(200, 0, 0);

} // namespace

void TSynMemo::SetMarkers(const QList<CodeMarker> &markers)
{
    m_markers = markers;
    highlightCurrentLine();
    m_gutter->update();
}

QList<QTextEdit::ExtraSelection> TSynMemo::markerSelections() const
{
    QList<QTextEdit::ExtraSelection> selections;
    for (const CodeMarker &marker : m_markers) {
        QTextEdit::ExtraSelection wavy;
        wavy.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wavy.format.setUnderlineColor(kMarkerColour);
        wavy.cursor = marker.range;
        selections.append(wavy);
    }
    return selections;
}

QString TSynMemo::markerTipOnLine(int line) const
{
    QStringList tips;
    for (const CodeMarker &marker : m_markers) {
        if (marker.line() == line && !tips.contains(marker.tip))
            tips.append(marker.tip);
    }
    return tips.join(QLatin1Char('\n'));
}

QString TSynMemo::markerTipAt(const QPoint &viewportPoint) const
{
    const QTextCursor at = cursorForPosition(viewportPoint);
    const int position = at.position();
    for (const CodeMarker &marker : m_markers) {
        // The underlined range, and a character either side of it.
        if (position >= marker.range.selectionStart() - 1
            && position <= marker.range.selectionEnd() + 1
            && at.blockNumber() == marker.line())
            return marker.tip;
    }
    return {};
}

void TSynMemo::paintMarkerSign(QPainter &painter, const QRect &rect)
{
    const int size = qMin(rect.width(), rect.height()) - 2;
    const QRect dot(rect.left() + (rect.width() - size) / 2, rect.top() + (rect.height() - size) / 2,
                    size, size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMarkerColour);
    painter.drawEllipse(dot);
    painter.restore();
}

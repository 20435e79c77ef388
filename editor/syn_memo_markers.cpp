// The compiler's marks in the editor: signs in the gutter, wavy lines under
// the text, and their tips; and the debugger's: breakpoints and the line a
// paused program is at.
#include "editor/syn_memo.h"

#include "common/colours.h"

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

void TSynMemo::ShowMarks(TextMarks *marks)
{
    if (m_marks)
        disconnect(m_marks, nullptr, this, nullptr);
    m_marks = marks;
    if (marks) {
        connect(marks, &TextMarks::changed, this, [this] {
            highlightCurrentLine();
            m_gutter->update();
        });
    }
    highlightCurrentLine();
    m_gutter->update();
}

QList<TextMark> TSynMemo::Markers() const
{
    QList<TextMark> messages;
    if (m_marks)
        for (const TextMark &mark : m_marks->all())
            if (mark.isMessage())
                messages.append(mark);
    return messages;
}

QList<int> TSynMemo::Breakpoints() const
{
    return m_marks ? m_marks->linesOf(TextMark::Breakpoint) : QList<int>();
}

int TSynMemo::ExecutionLine() const
{
    const QList<int> lines = m_marks ? m_marks->linesOf(TextMark::ExecutionLine) : QList<int>();
    return lines.isEmpty() ? -1 : lines.first();
}

QList<QTextEdit::ExtraSelection> TSynMemo::markerSelections() const
{
    QList<QTextEdit::ExtraSelection> selections;
    for (const TextMark &marker : Markers()) {
        QTextEdit::ExtraSelection wavy;
        wavy.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wavy.format.setUnderlineColor(
            colours::of(marker.kind == TextMark::Warning ? ColourRole::WarningMark : ColourRole::MessageMark));
        wavy.cursor = marker.range;
        selections.append(wavy);
    }
    return selections;
}

QString TSynMemo::markerTipOnLine(int line) const
{
    QStringList tips;
    for (const TextMark &marker : Markers()) {
        if (marker.line() == line && !tips.contains(marker.tip))
            tips.append(marker.tip);
    }
    return tips.join(QLatin1Char('\n'));
}

QString TSynMemo::markerTipAt(const QPoint &viewportPoint) const
{
    const QTextCursor at = cursorForPosition(viewportPoint);
    const int position = at.position();
    for (const TextMark &marker : Markers()) {
        // The underlined range, and a character either side of it.
        if (position >= marker.range.selectionStart() - 1
            && position <= marker.range.selectionEnd() + 1
            && at.blockNumber() == marker.line())
            return marker.tip;
    }
    return {};
}

namespace {

QRectF square(const QRect &rect, int margin)
{
    const int size = qMax(4, qMin(rect.width(), rect.height()) - margin);
    return QRectF(rect.left() + (rect.width() - size) / 2.0, rect.top() + (rect.height() - size) / 2.0,
                  size, size);
}

} // namespace

// A compiler message: a red cross, apart from the breakpoint's dot.
void TSynMemo::paintMarkerSign(QPainter &painter, const QRect &rect)
{
    const QRectF box = square(rect, 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours::of(ColourRole::MessageMark), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    painter.restore();
}

// A warning: a triangle with its "!", told apart from an error by its shape
// and not by its colour alone.
void TSynMemo::paintWarningSign(QPainter &painter, const QRect &rect)
{
    const QRectF box = square(rect, 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = colours::of(ColourRole::WarningMark);
    painter.setPen(QPen(colour.darker(130), 1));
    painter.setBrush(colour);
    const QPointF corners[] = {{box.center().x(), box.top()}, box.bottomRight(), box.bottomLeft()};
    painter.drawPolygon(corners, 3);
    painter.setPen(QPen(Qt::black, qMax(1.0, box.width() / 8), Qt::SolidLine, Qt::RoundCap));
    const qreal x = box.center().x();
    painter.drawLine(QPointF(x, box.top() + box.height() * 0.35), QPointF(x, box.top() + box.height() * 0.68));
    painter.drawPoint(QPointF(x, box.top() + box.height() * 0.85));
    painter.restore();
}

void TSynMemo::paintBreakpoint(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::of(ColourRole::Breakpoint));
    painter.drawEllipse(square(rect, 1));
    painter.restore();
}

void TSynMemo::paintExecutionArrow(QPainter &painter, const QRect &rect)
{
    const QRectF box = square(rect, 1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours::of(ColourRole::ExecutionArrow).darker(140), 1));
    painter.setBrush(colours::of(ColourRole::ExecutionArrow));
    painter.drawPolygon(QPolygonF() << box.topLeft() << QPointF(box.right(), box.center().y())
                                    << box.bottomLeft());
    painter.restore();
}

void TSynMemo::ScrollIntoView(int line)
{
    // Lines do not wrap, so the scroll bar counts lines.
    if (line < 0 || line >= blockCount())
        return;
    const int first = firstVisibleBlock().blockNumber();
    const int shown = qMax(1, viewport()->height() / qMax(1, LineHeight()));
    if (line < first || line >= first + shown - 1)
        verticalScrollBar()->setValue(qMax(0, line - shown / 3));
}

QList<QTextEdit::ExtraSelection> TSynMemo::executionSelection() const
{
    const int line = ExecutionLine();
    const QTextBlock block = document()->findBlockByNumber(line);
    if (line < 0 || !block.isValid())
        return {};
    QTextEdit::ExtraSelection lit;
    lit.format.setBackground(colours::of(ColourRole::ExecutionLine));
    lit.format.setProperty(QTextFormat::FullWidthSelection, true);
    lit.cursor = QTextCursor(block);
    return {lit};
}

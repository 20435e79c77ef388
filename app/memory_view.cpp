#include "app/memory_view.h"

#include "common/colours.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kMargin = 10;

} // namespace

// The drawing inside the scroll area.
class MemoryCanvas : public QWidget
{
public:
    explicit MemoryCanvas(MemoryView &view) : QWidget(&view), m_view(view) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette colours = palette();
        painter.fillRect(rect(), colours.base());
        painter.setFont(font());
        if (!m_view.m_layout) {
            painter.setPen(colours.color(QPalette::PlaceholderText));
            painter.drawText(rect().adjusted(int(kMargin), int(kMargin), -int(kMargin), -int(kMargin)),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_view.m_message);
            return;
        }
        const MemoryLayout &layout = *m_view.m_layout;
        const QFontMetricsF metrics(font());
        const qreal row = metrics.height() + 4;
        painter.translate(kMargin, kMargin);
        for (const MemoryLayout::Box &box : layout.boxes())
            drawBox(painter, layout, box, row);
        // Arrows on top, each from its cell's dot to its box.
        painter.setPen(QPen(colours.color(QPalette::Text), 1.4));
        for (const MemoryLayout::Arrow &arrow : layout.arrows())
            drawArrow(painter, arrow, colours.color(QPalette::Text));
        const int left = m_view.m_graph.objectsLeft;
        if (left > 0) {
            painter.setPen(colours.color(QPalette::Text));
            painter.drawText(QPointF(0, layout.size().height() - row / 2),
                             QStringLiteral("… e mais %1 %2 não desenhados").arg(left)
                                 .arg(left == 1 ? QStringLiteral("objeto") : QStringLiteral("objetos")));
        }
    }

private:
    void drawBox(QPainter &painter, const MemoryLayout &layout, const MemoryLayout::Box &box, qreal row)
    {
        const QPalette colours = palette();
        const QColor text = colours.color(QPalette::Text);
        const QColor changed = colours::of(ColourRole::ChangedValue);
        const bool frame = box.id == 0;
        painter.setPen(QPen(text, frame ? 1.0 : 1.4));
        painter.setBrush(frame ? colours.alternateBase() : colours.window());
        painter.drawRoundedRect(box.rect, frame ? 2 : 5, frame ? 2 : 5);
        QRectF line(box.rect.left() + 6, box.rect.top() + 2, box.rect.width() - 12, row);
        if (box.changedTitle)
            painter.fillRect(line, changed);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, box.title);
        painter.setFont(font());
        if (!box.label.isEmpty()) {
            line.translate(0, row);
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(font()).elidedText(box.label, Qt::ElideRight, line.width()));
        }
        const qreal valueX = box.rect.left() + layout.valueColumn(box);
        for (int i = 0; i < box.cells.size(); ++i) {
            const MemoryCell &cell = box.cells.at(i);
            line.translate(0, row);
            const QRectF valueRect(valueX, line.top(), box.rect.right() - valueX - 6, row);
            if (box.changed.value(i))
                painter.fillRect(QRectF(line.left(), line.top(), line.width(), row), changed);
            painter.setPen(text);
            painter.drawText(QRectF(line.left(), line.top(), valueX - line.left() - 4, row),
                             Qt::AlignLeft | Qt::AlignVCenter, cell.name);
            painter.setPen(QPen(colours.color(QPalette::Mid), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(valueRect.adjusted(-3, 1, 0, -1));
            painter.setPen(text);
            if (cell.target != 0) {
                painter.setBrush(text);
                painter.drawEllipse(QPointF(valueX + row / 2, line.center().y()), 3, 3);
                painter.setBrush(Qt::NoBrush);
            } else {
                painter.drawText(valueRect, Qt::AlignLeft | Qt::AlignVCenter, cell.value);
            }
        }
        if (box.cellsLeft > 0) {
            line.translate(0, row);
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("… e mais %1").arg(box.cellsLeft));
        }
    }

    static void drawArrow(QPainter &painter, const MemoryLayout::Arrow &arrow, const QColor &colour)
    {
        QPainterPath path(arrow.from);
        QPointF end = arrow.to;
        QPointF direction;
        if (arrow.back) {
            // Back to a box on the left or in the same column: around its right side.
            const qreal out = 30;
            path.cubicTo(arrow.from + QPointF(out + 20, 0), end + QPointF(out, 0), end);
            direction = QPointF(-1, 0);
        } else {
            const qreal dx = (end.x() - arrow.from.x()) / 2;
            path.cubicTo(arrow.from + QPointF(dx, 0), end - QPointF(dx, 0), end);
            direction = QPointF(1, 0);
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        const QPointF back = end - direction * 8;
        const QPointF side(0, 4);
        QPolygonF head({end, back + side, back - side});
        painter.setBrush(colour);
        painter.drawPolygon(head);
        painter.setBrush(Qt::NoBrush);
    }

    MemoryView &m_view;
};

MemoryView::MemoryView(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("memoria"));
    setAccessibleName(QStringLiteral("Memória"));
    m_canvas = new MemoryCanvas(*this);
    m_canvas->setObjectName(QStringLiteral("desenhoMemoria"));
    setWidget(m_canvas);
    setWidgetResizable(false);
    showMessage(QStringLiteral("Nenhum programa em depuração."));
}

void MemoryView::showGraph(const QString &method, const MemoryGraph &graph)
{
    if (method == m_method && !m_graph.variables.isEmpty())
        m_before = m_graph;
    else
        m_before.reset();
    m_method = method;
    m_graph = graph;
    relayout();
}

void MemoryView::showMessage(const QString &text)
{
    m_message = text;
    m_layout.reset();
    m_canvas->resize(viewport()->size());
    setAccessibleDescription(text);
    m_canvas->update();
}

void MemoryView::forget()
{
    m_graph = {};
    m_before.reset();
    m_method.clear();
}

void MemoryView::changeEvent(QEvent *event)
{
    QScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_layout)
        relayout();
}

void MemoryView::relayout()
{
    const QFontMetricsF metrics(font());
    m_layout.emplace(m_graph, [&metrics](const QString &text) { return metrics.horizontalAdvance(text); },
                     metrics.height() + 4, m_before ? &*m_before : nullptr);
    const QSizeF size = m_layout->size() + QSizeF(2 * kMargin, 2 * kMargin);
    m_canvas->resize(size.toSize().expandedTo(viewport()->size()));
    setAccessibleDescription(m_graph.describe().join(QLatin1Char('\n')));
    m_canvas->update();
}

#include "javatools/memory_graph.h"

#include <QSet>

#include <algorithm>

namespace {

constexpr qreal kPadding = 6;
constexpr qreal kColumnGap = 56;
constexpr qreal kBoxGap = 14;
constexpr int kFrameId = 0;

QString cellText(const MemoryCell &cell)
{
    return cell.target != 0 ? QString() : cell.value;
}

} // namespace

const MemoryObject *MemoryGraph::object(qint64 id) const
{
    for (const MemoryObject &o : objects) {
        if (o.id == id)
            return &o;
    }
    return nullptr;
}

QStringList MemoryGraph::describe() const
{
    // Objects are named by their class and their number in the picture.
    QHash<qint64, QString> names;
    for (int i = 0; i < objects.size(); ++i)
        names.insert(objects.at(i).id, QStringLiteral("%1 nº %2").arg(objects.at(i).type).arg(i + 1));
    QHash<qint64, QString> firstHolder;
    const auto arrowText = [&](const QString &holder, const MemoryCell &cell) {
        if (cell.target == 0)
            return QStringLiteral("%1 = %2").arg(holder, cell.value);
        const QString target = names.value(cell.target, QStringLiteral("um objeto não mostrado"));
        const auto first = firstHolder.constFind(cell.target);
        if (first != firstHolder.cend())
            return QStringLiteral("%1 → o mesmo %2 que %3").arg(holder, target, *first);
        firstHolder.insert(cell.target, holder);
        return QStringLiteral("%1 → %2").arg(holder, target);
    };
    QStringList lines;
    for (const MemoryCell &v : variables)
        lines.append(arrowText(v.name, v));
    for (const MemoryObject &o : objects) {
        QStringList cells;
        for (const MemoryCell &c : o.cells)
            cells.append(arrowText(QStringLiteral("%1 %2").arg(names.value(o.id), c.name), c));
        lines.append(names.value(o.id) + (o.label.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(o.label)));
        lines.append(cells);
        if (o.cellsLeft > 0)
            lines.append(QStringLiteral("… e mais %1").arg(o.cellsLeft));
    }
    if (objectsLeft > 0)
        lines.append(QStringLiteral("… e mais %1 objetos").arg(objectsLeft));
    return lines;
}

MemoryLayout::MemoryLayout(const MemoryGraph &graph, const std::function<qreal(const QString &)> &width,
                           qreal rowHeight, const MemoryGraph *before)
{
    // Columns: the variables, then each object one column right of the
    // first box met that points at it (breadth first, as sent).
    QHash<qint64, int> column;
    QHash<qint64, qint64> firstFrom;    // object -> the box that points at it first
    QHash<qint64, int> firstFromRow;    // ... and the row
    for (int i = 0; i < graph.variables.size(); ++i) {
        const qint64 t = graph.variables.at(i).target;
        if (t != 0 && !column.contains(t)) {
            column.insert(t, 1);
            firstFrom.insert(t, kFrameId);
            firstFromRow.insert(t, i);
        }
    }
    for (const MemoryObject &o : graph.objects) {
        const int here = column.value(o.id, 1);
        column.insert(o.id, here);
        for (int i = 0; i < o.cells.size(); ++i) {
            const qint64 t = o.cells.at(i).target;
            if (t != 0 && !column.contains(t)) {
                column.insert(t, here + 1);
                firstFrom.insert(t, o.id);
                firstFromRow.insert(t, i);
            }
        }
    }

    // What changed since the last picture: a variable's or cell's value or
    // arrow, or an object that was not there.
    QHash<QString, MemoryCell> old;
    QSet<qint64> oldObjects;
    if (before) {
        for (const MemoryCell &v : before->variables)
            old.insert(QStringLiteral("0/") + v.name, v);
        for (const MemoryObject &o : before->objects) {
            oldObjects.insert(o.id);
            for (const MemoryCell &c : o.cells)
                old.insert(QString::number(o.id) + QLatin1Char('/') + c.name, c);
        }
    }
    const auto changed = [&](qint64 owner, const MemoryCell &cell) {
        if (!before)
            return false;
        const auto it = old.constFind(QString::number(owner) + QLatin1Char('/') + cell.name);
        return it == old.cend() || it->value != cell.value || it->target != cell.target;
    };

    const auto makeBox = [&](qint64 id, const QString &title, const QString &label, const QList<MemoryCell> &cells,
                             int cellsLeft) {
        Box box;
        box.id = id;
        box.title = title;
        box.label = label;
        box.cells = cells;
        box.cellsLeft = cellsLeft;
        box.changedTitle = before && id != kFrameId && !oldObjects.contains(id);
        qreal names = 0;
        qreal values = 0;
        for (const MemoryCell &c : cells) {
            names = std::max(names, width(c.name));
            values = std::max(values, c.target != 0 ? rowHeight : width(cellText(c)));
            box.changed.append(changed(id, c));
        }
        const qreal wide = std::max({width(title), width(label), 2 * kPadding + names + values + kPadding,
                                     width(QStringLiteral("… e mais 000"))});
        const int rows = 1 + (label.isEmpty() ? 0 : 1) + int(cells.size()) + (cellsLeft > 0 ? 1 : 0);
        box.rect = QRectF(0, 0, wide + 2 * kPadding, rows * rowHeight + kPadding);
        m_valueX.insert(id, 2 * kPadding + names + kPadding);
        return box;
    };

    QList<QList<int>> columns; // box indexes per column
    const auto place = [&](Box box, int col) {
        while (columns.size() <= col)
            columns.append(QList<int>());
        columns[col].append(int(m_boxes.size()));
        m_boxes.append(box);
    };
    place(makeBox(kFrameId, QStringLiteral("Variáveis"), QString(), graph.variables, 0), 0);
    for (const MemoryObject &o : graph.objects)
        place(makeBox(o.id, o.type, o.label, o.cells, o.cellsLeft), column.value(o.id, 1));

    // Columns left to right; in each, boxes top to bottom, each as near as
    // it can be to the row pointing at it, never over the box above.
    QHash<qint64, int> indexOf;
    for (int i = 0; i < m_boxes.size(); ++i)
        indexOf.insert(m_boxes.at(i).id, i);
    const auto rowY = [&](const Box &box, int row) {
        const int header = 1 + (box.label.isEmpty() ? 0 : 1);
        return box.rect.top() + (header + row) * rowHeight + rowHeight / 2;
    };
    qreal x = 0;
    for (const QList<int> &col : columns) {
        qreal wide = 0;
        for (const int i : col)
            wide = std::max(wide, m_boxes.at(i).rect.width());
        qreal bottom = 0;
        for (const int i : col) {
            Box &box = m_boxes[i];
            qreal want = 0;
            if (box.id != kFrameId && firstFrom.contains(box.id)) {
                const Box &from = m_boxes.at(indexOf.value(firstFrom.value(box.id)));
                want = rowY(from, firstFromRow.value(box.id)) - rowHeight / 2;
            }
            box.rect.moveTopLeft(QPointF(x, std::max(want, bottom)));
            bottom = box.rect.bottom() + kBoxGap;
        }
        x += wide + kColumnGap;
    }

    qreal right = 0;
    qreal bottom = 0;
    for (const Box &box : m_boxes) {
        right = std::max(right, box.rect.right());
        bottom = std::max(bottom, box.rect.bottom());
        for (int row = 0; row < box.cells.size(); ++row) {
            const qint64 t = box.cells.at(row).target;
            if (t == 0 || !indexOf.contains(t))
                continue;
            const Box &to = m_boxes.at(indexOf.value(t));
            const QPointF from(box.rect.left() + m_valueX.value(box.id) + rowHeight / 2, rowY(box, row));
            const bool back = to.rect.left() <= box.rect.left();
            m_arrows.append({from, back ? QPointF(to.rect.right(), to.rect.top() + rowHeight / 2)
                                        : QPointF(to.rect.left(), to.rect.top() + rowHeight / 2),
                             back});
        }
    }
    m_size = QSizeF(right + kColumnGap, bottom + 2 * rowHeight);
}

#pragma once

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

// A variable's or a cell's box: its value written inside, or an arrow to
// the object `target` (0: no arrow).
struct MemoryCell
{
    QString name;
    QString value;
    qint64 target = 0;
    QString type; // only the frame's variables have one
    bool operator==(const MemoryCell &other) const = default;
};

// An object or array drawn as a box: its class, a line under it (how many
// elements, what toString says) and its cells.
struct MemoryObject
{
    qint64 id = 0;
    QString kind; // "array", "list", "map", "object"
    QString type;
    QString label;
    QList<MemoryCell> cells;
    int cellsLeft = 0; // cells not sent
};

// The picture of memory at a stop: the shown frame's variables and the
// objects they reach, as the debugger helper sent it.
struct MemoryGraph
{
    int frame = 0;
    QList<MemoryCell> variables;
    QList<MemoryObject> objects;
    int objectsLeft = 0; // objects reached but not sent

    const MemoryObject *object(qint64 id) const;
    // The picture in words, a line per variable and per object ("w → o
    // mesmo int[] que v"): what a screen reader reads, and what a test checks.
    QStringList describe() const;
};

// Where each box of a graph goes: the frame's variables in the first
// column, each object in the column after the first box that points at it,
// below the boxes already in that column, as near as it can be to the row
// that points at it. Boxes never overlap.
class MemoryLayout
{
public:
    struct Box
    {
        qint64 id = 0; // 0: the frame's variables
        QRectF rect;
        QString title;
        QString label;
        QList<MemoryCell> cells;
        int cellsLeft = 0;
        bool changedTitle = false;
        QList<bool> changed; // per cell: differs from the last picture
    };
    struct Arrow
    {
        QPointF from;
        QPointF to;
        bool back = false; // to a column not to the right: drawn around
    };

    // `width` measures a text; `rowHeight` is a cell's height. `before` is
    // the last stop's picture of the same method, to light what changed.
    MemoryLayout(const MemoryGraph &graph, const std::function<qreal(const QString &)> &width, qreal rowHeight,
                 const MemoryGraph *before = nullptr);

    const QList<Box> &boxes() const { return m_boxes; }
    const QList<Arrow> &arrows() const { return m_arrows; }
    QSizeF size() const { return m_size; }
    // The x where a box's cells' values start.
    qreal valueColumn(const Box &box) const { return m_valueX.value(box.id); }

private:
    QList<Box> m_boxes;
    QList<Arrow> m_arrows;
    QHash<qint64, qreal> m_valueX;
    QSizeF m_size;
};

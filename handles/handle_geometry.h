#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// The kind of change a drag of the stretch handle makes.
enum class TDragStyle {
    dsMove,
    dsSizeTopLeft,
    dsSizeTopRight,
    dsSizeBottomLeft,
    dsSizeBottomRight,
    dsSizeTop,
    dsSizeLeft,
    dsSizeBottom,
    dsSizeRight,
};

// The geometry of the stretch handle, apart from any widget. Rectangles are
// (left, top, width, height) in the parent's coordinates unless said otherwise.
namespace handlegeometry {

// Side of a grip square, and the distance from an edge under which the mouse
// is near it.
inline constexpr int kGripSize = 5;
// The smallest width or height a resize leaves.
inline constexpr int kMinimumSize = 5;

// (v div grid) x grid, truncating towards zero.
int gridAdjust(int value, int grid);

// The handle around one child: 2 pixels more on the left and top, 3 on the
// right and bottom.
QRect handleRectFor(const QRect &child);
// The handle grown to take in one more child.
QRect grownHandleRect(const QRect &handle, const QRect &child);
// The handle around several children; empty for none.
QRect handleRectForAll(const QList<QRect> &children);

// True when `point` lies in some child grown by 2 pixels on every side (left
// and top inclusive, right and bottom exclusive).
bool pointOverChild(const QPoint &point, const QList<QRect> &children);

// The sizing grip under `point` (handle coordinates) of a handle of `size`
// that holds exactly one child; dsMove away from every grip.
TDragStyle gripAt(const QPoint &point, const QSize &size);

// The handle's rectangle after dragging from `dragStart` to `point` (both in
// handle coordinates) with `style`; never smaller than 5 x 5.
QRect GetModifiedRect(TDragStyle style, const QRect &handle, const QPoint &dragStart,
                      const QPoint &point, int gridX = 1, int gridY = 1);

// `point` (handle coordinates) moved so that it lies within the parent.
QPoint clampToParent(const QPoint &point, const QPoint &handleTopLeft, const QSize &parentSize);

// Where the children of a handle of `band` would lie: the outline drawn
// while dragging.
QRect bandOutline(const QRect &band);

// A child's rectangle after its handle went from `before` to `after`.
QRect followHandle(const QRect &child, const QRect &before, const QRect &after);

// The grip squares of one child (its rectangle in handle coordinates): the
// four corners, and the four edge middles when `withMiddles`.
QList<QRect> gripSquares(const QRect &child, bool withMiddles);

} // namespace handlegeometry

#include "handles/handle_geometry.h"

#include <algorithm>
#include <cmath>

namespace handlegeometry {

int gridAdjust(int value, int grid)
{
    return grid > 0 ? (value / grid) * grid : value;
}

QRect handleRectFor(const QRect &child)
{
    return QRect(child.x() - 2, child.y() - 2, child.width() + 5, child.height() + 5);
}

QRect grownHandleRect(const QRect &handle, const QRect &child)
{
    const int left = std::min(handle.x(), child.x() - 2);
    const int top = std::min(handle.y(), child.y() - 2);
    const int width = std::max(handle.x() + handle.width() - 3, child.x() + child.width()) - left + 3;
    const int height =
        std::max(handle.y() + handle.height() - 3, child.y() + child.height()) - top + 3;
    return QRect(left, top, width, height);
}

QRect handleRectForAll(const QList<QRect> &children)
{
    if (children.isEmpty())
        return {};
    int left = children.first().x() - 2;
    int top = children.first().y() - 2;
    int right = children.first().x() + children.first().width() + 3;
    int bottom = children.first().y() + children.first().height() + 3;
    for (const QRect &c : children) {
        left = std::min(left, c.x() - 2);
        top = std::min(top, c.y() - 2);
        right = std::max(right, c.x() + c.width() + 3);
        bottom = std::max(bottom, c.y() + c.height() + 3);
    }
    return QRect(left, top, right - left, bottom - top);
}

bool pointOverChild(const QPoint &point, const QList<QRect> &children)
{
    for (const QRect &c : children) {
        if (point.x() >= c.x() - 2 && point.x() < c.x() + c.width() + 2 && point.y() >= c.y() - 2
            && point.y() < c.y() + c.height() + 2)
            return true;
    }
    return false;
}

TDragStyle gripAt(const QPoint &point, const QSize &size)
{
    const int x = point.x();
    const int y = point.y();
    const bool nearLeft = x < kGripSize;
    const bool nearTop = y < kGripSize;
    const bool nearRight = size.width() - x < kGripSize;
    const bool nearBottom = size.height() - y < kGripSize;
    const bool middleX = std::abs(x - size.width() / 2.0) < 3;
    const bool middleY = std::abs(y - size.height() / 2.0) < 3;

    // Later matches win over earlier ones.
    TDragStyle style = TDragStyle::dsMove;
    if (nearLeft && nearTop)
        style = TDragStyle::dsSizeTopLeft;
    if (nearRight && nearBottom)
        style = TDragStyle::dsSizeBottomRight;
    if (nearRight && nearTop)
        style = TDragStyle::dsSizeTopRight;
    if (nearLeft && nearBottom)
        style = TDragStyle::dsSizeBottomLeft;
    if (middleX && nearTop)
        style = TDragStyle::dsSizeTop;
    if (middleX && nearBottom)
        style = TDragStyle::dsSizeBottom;
    if (middleY && nearLeft)
        style = TDragStyle::dsSizeLeft;
    if (middleY && nearRight)
        style = TDragStyle::dsSizeRight;
    return style;
}

QRect GetModifiedRect(TDragStyle style, const QRect &handle, const QPoint &dragStart,
                      const QPoint &point, int gridX, int gridY)
{
    const int dx = point.x() - dragStart.x();
    const int dy = point.y() - dragStart.y();
    const int L = handle.x();
    const int T = handle.y();
    const int W = handle.width();
    const int H = handle.height();
    const auto gx = [gridX](int v) { return gridAdjust(v, gridX); };
    const auto gy = [gridY](int v) { return gridAdjust(v, gridY); };

    int left = L;
    int top = T;
    int width = W;
    int height = H;
    const auto moveLeft = [&] {
        left = gx(L + dx) - 2;
        width = W + L - left;
    };
    const auto moveTop = [&] {
        top = gy(T + dy) - 2;
        height = H + T - top;
    };
    const auto moveRight = [&] { width = gx(W + dx) - 3; };
    const auto moveBottom = [&] { height = gy(H + dy) - 3; };

    switch (style) {
    case TDragStyle::dsMove:
        left = gx(L + dx) - 2;
        top = gy(T + dy) - 2;
        break;
    case TDragStyle::dsSizeTopLeft:
        moveLeft();
        moveTop();
        break;
    case TDragStyle::dsSizeTopRight:
        moveTop();
        moveRight();
        break;
    case TDragStyle::dsSizeBottomLeft:
        moveLeft();
        moveBottom();
        break;
    case TDragStyle::dsSizeBottomRight:
        moveRight();
        moveBottom();
        break;
    case TDragStyle::dsSizeTop:
        moveTop();
        break;
    case TDragStyle::dsSizeLeft:
        moveLeft();
        break;
    case TDragStyle::dsSizeBottom:
        moveBottom();
        break;
    case TDragStyle::dsSizeRight:
        moveRight();
        break;
    }
    return QRect(left, top, std::max(width, kMinimumSize), std::max(height, kMinimumSize));
}

QPoint clampToParent(const QPoint &point, const QPoint &handleTopLeft, const QSize &parentSize)
{
    return QPoint(std::clamp(point.x(), -handleTopLeft.x(), parentSize.width() - handleTopLeft.x()),
                  std::clamp(point.y(), -handleTopLeft.y(),
                             parentSize.height() - handleTopLeft.y()));
}

QRect bandOutline(const QRect &band)
{
    return QRect(band.x() + 2, band.y() + 2, band.width() - 5, band.height() - 5);
}

QRect followHandle(const QRect &child, const QRect &before, const QRect &after)
{
    return QRect(child.x() + after.x() - before.x(), child.y() + after.y() - before.y(),
                 child.width() + after.width() - before.width(),
                 child.height() + after.height() - before.height());
}

QList<QRect> gripSquares(const QRect &child, bool withMiddles)
{
    // The child grown by 2 pixels on each side, right and bottom exclusive.
    const int L = child.x() - 2;
    const int T = child.y() - 2;
    const int R = child.x() + child.width() + 2;
    const int B = child.y() + child.height() + 2;
    const int g = kGripSize;
    QList<QRect> squares{QRect(L, T, g, g), QRect(R - g, T, g, g), QRect(R - g, B - g, g, g),
                         QRect(L, B - g, g, g)};
    if (withMiddles) {
        const int hx = (R - L) / 2;
        const int hy = (B - T) / 2;
        squares += {QRect(L + hx - 2, T, g, g), QRect(L + hx - 2, B - g, g, g),
                    QRect(L, T + hy - 2, g, g), QRect(R - g, T + hy - 2, g, g)};
    }
    return squares;
}

} // namespace handlegeometry

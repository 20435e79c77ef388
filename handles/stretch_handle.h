#pragma once

#include "common/colours.h"
#include "handles/handle_geometry.h"

#include <QColor>
#include <QCursor>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QRubberBand>
#include <QWidget>
#include <stdexcept>

// Raised when a top-level window (or a window inside a workspace) is
// attached to a handle.
class EBadChild : public std::runtime_error
{
public:
    explicit EBadChild(const char *message) : std::runtime_error(message) {}
};

// The kinds of mouse message the handle passes on to what lies below it.
enum class TForwardMessage { fmMouseDown, fmMouseUp };

// Selects one or more sibling controls and lets the user move and resize
// them with the mouse, or move them with the arrow keys. It lies over the
// selected controls in their parent, covering their common box plus a small
// margin, and paints nothing but grip squares, so the controls stay visible.
class TStretchHandle : public QWidget
{
    Q_OBJECT
public:
    explicit TStretchHandle(QWidget *owner = nullptr);
    ~TStretchHandle() override;

    // Adds `control` to the selection; throws EBadChild for a window.
    void Attach(QWidget *control);
    // Empties the selection and hides the handle.
    void Detach();
    void ReleaseChild(QWidget *control);
    int IndexOf(QWidget *control) const;
    void BringToFront();
    void SendToBack();

    int GetChildCount() const;
    // Child `index`, or null when there are no children or index < 0.
    QWidget *GetChildControl(int index) const;
    QList<QWidget *> attachedControls() const;
    bool IsAttached() const { return GetChildCount() > 0; }
    // `point` in the parent's coordinates.
    bool PointOverChild(const QPoint &point) const;

    // Moves or resizes the children with the handle (unless locked).
    void SetBounds(int left, int top, int width, int height);
    void SetBounds(const QRect &rect) { SetBounds(rect.x(), rect.y(), rect.width(), rect.height()); }

    QColor Color() const { return m_primaryColor; }
    QColor SecondaryColor() const { return m_secondaryColor; }
    void SetPrimaryColor(const QColor &color);
    void SetSecondaryColor(const QColor &color);
    void SetColors(const QColor &primary, const QColor &secondary);

    bool Locked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }

    // 1..32; values outside are brought into that range.
    int GridX() const { return m_gridX; }
    int GridY() const { return m_gridY; }
    void SetGridX(int grid);
    void SetGridY(int grid);
    // True when either grid is above 1; setting it makes both 8 (or 1).
    bool GetGridState() const { return m_gridX > 1 || m_gridY > 1; }
    void SetGridState(bool snap);
    int XGridAdjust(int value) const { return handlegeometry::gridAdjust(value, m_gridX); }
    int YGridAdjust(int value) const { return handlegeometry::gridAdjust(value, m_gridY); }

    QCursor DragCursor() const { return m_dragCursor; }
    void SetDragCursor(const QCursor &cursor) { m_dragCursor = cursor; }

    // Shown on a right click over the handle.
    QMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu *menu) { m_popupMenu = menu; }

    TDragStyle dragStyle() const { return m_dragStyle; }
    bool isDragging() const { return m_dragging; }
    // The outline drawn while dragging (the handle's future rectangle); empty
    // when none is drawn.
    QRect bandRect() const { return m_band; }

signals:
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &point);
    void OnMouseMove(Qt::KeyboardModifiers shift, const QPoint &point);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &point);
    void OnKeyDown(int key, Qt::KeyboardModifiers shift);
    void OnDblClick();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QList<QRect> childRects() const;
    void pruneChildren();
    // Takes the handle away from its parent, keeping the focus off the
    // parent's other controls.
    void leaveParent();
    void Rubberband(int x, int y, bool show);
    void ForwardMessage(TForwardMessage message, Qt::MouseButton button, const QPoint &point);
    QPoint clampToParent(const QPoint &point) const;
    void pressAt(QMouseEvent *event);

    QList<QPointer<QWidget>> m_children;
    QPoint m_dragStart;
    TDragStyle m_dragStyle = TDragStyle::dsMove;
    bool m_dragging = false;
    QRect m_band;
    bool m_locked = false;
    QColor m_primaryColor = colours::of(ColourRole::HandlePrimary);
    QColor m_secondaryColor = colours::of(ColourRole::HandleSecondary);
    int m_gridX = 1;
    int m_gridY = 1;
    QCursor m_dragCursor = QCursor(Qt::DragMoveCursor);
    QPointer<QMenu> m_popupMenu;
    QPointer<QRubberBand> m_rubberBand;
};

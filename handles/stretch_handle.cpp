#include "handles/stretch_handle.h"
#include "handles/stretch_handle_accessible.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace {

QCursor cursorFor(TDragStyle style)
{
    switch (style) {
    case TDragStyle::dsSizeTopLeft:
    case TDragStyle::dsSizeBottomRight:
        return Qt::SizeFDiagCursor;
    case TDragStyle::dsSizeTopRight:
    case TDragStyle::dsSizeBottomLeft:
        return Qt::SizeBDiagCursor;
    case TDragStyle::dsSizeTop:
    case TDragStyle::dsSizeBottom:
        return Qt::SizeVerCursor;
    case TDragStyle::dsSizeLeft:
    case TDragStyle::dsSizeRight:
        return Qt::SizeHorCursor;
    case TDragStyle::dsMove:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

TStretchHandle::TStretchHandle(QWidget *owner) : QWidget(owner)
{
    StretchHandleAccessible::install();
    setAccessibleName(QStringLiteral("Seleção"));
    resize(24, 24);
    // Hover moves decide which grip a drag will use.
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setEnabled(false);
    setVisible(false);
}

TStretchHandle::~TStretchHandle()
{
    delete m_rubberBand;
}

// --- Children ------------------------------------------------------------------

void TStretchHandle::Attach(QWidget *control)
{
    if (!control)
        return;
    if (control->isWindow() || control->inherits("QMdiSubWindow"))
        throw EBadChild("Handles can not be attached to a Form!");
    pruneChildren();
    if (IndexOf(control) >= 0)
        return;
    if (!m_children.isEmpty() && control->parentWidget() != parentWidget())
        Detach();

    if (!m_children.isEmpty()) {
        setGeometry(handlegeometry::grownHandleRect(geometry(), control->geometry()));
    } else {
        if (parentWidget() != control->parentWidget())
            setParent(control->parentWidget());
        m_band = {};
        setEnabled(true);
        setGeometry(handlegeometry::handleRectFor(control->geometry()));
        show();
    }
    m_children.append(control);
    m_dragStyle = TDragStyle::dsMove;

    raise();
    // A press that attached the control goes on as a drag of the handle.
    if (QGuiApplication::mouseButtons() != Qt::NoButton && isVisible())
        grabMouse();
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
    update();
}

void TStretchHandle::Detach()
{
    m_children.clear();
    m_locked = false;
    m_dragging = false;
    resize(24, 24);
    if (m_rubberBand)
        m_rubberBand->hide();
    m_band = {};
    leaveParent();
}

void TStretchHandle::ReleaseChild(QWidget *control)
{
    const int index = IndexOf(control);
    if (index >= 0)
        m_children.removeAt(index);
    pruneChildren();
    if (!m_children.isEmpty()) {
        setGeometry(handlegeometry::handleRectForAll(childRects()));
        update();
        return;
    }
    m_locked = false;
    m_dragging = false;
    if (m_rubberBand)
        m_rubberBand->hide();
    m_band = {};
    leaveParent();
}

void TStretchHandle::leaveParent()
{
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    // Hiding a focused widget would hand the focus to the next control of the
    // parent; the parent itself takes it instead.
    if (hasFocus() && parentWidget())
        parentWidget()->setFocus(Qt::OtherFocusReason);
    setEnabled(false);
    hide();
    setParent(nullptr);
}

int TStretchHandle::IndexOf(QWidget *control) const
{
    for (int i = 0; i < m_children.size(); ++i) {
        if (m_children[i] == control)
            return i;
    }
    return -1;
}

void TStretchHandle::pruneChildren()
{
    m_children.removeIf([](const QPointer<QWidget> &child) { return child.isNull(); });
}

int TStretchHandle::GetChildCount() const
{
    int count = 0;
    for (const QPointer<QWidget> &child : m_children)
        count += child ? 1 : 0;
    return count;
}

QWidget *TStretchHandle::GetChildControl(int index) const
{
    if (index < 0 || index >= m_children.size())
        return nullptr;
    return m_children[index];
}

QList<QWidget *> TStretchHandle::attachedControls() const
{
    QList<QWidget *> controls;
    for (const QPointer<QWidget> &child : m_children) {
        if (child)
            controls.append(child);
    }
    return controls;
}

QList<QRect> TStretchHandle::childRects() const
{
    QList<QRect> rects;
    for (QWidget *child : attachedControls())
        rects.append(child->geometry());
    return rects;
}

bool TStretchHandle::PointOverChild(const QPoint &point) const
{
    return handlegeometry::pointOverChild(point, childRects());
}

void TStretchHandle::BringToFront()
{
    if (!IsAttached() || m_locked)
        return;
    for (QWidget *child : attachedControls())
        child->raise();
    raise();
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
}

void TStretchHandle::SendToBack()
{
    if (!IsAttached() || m_locked)
        return;
    for (QWidget *child : attachedControls())
        child->lower();
    raise();
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
}

void TStretchHandle::SetBounds(int left, int top, int width, int height)
{
    if (m_locked)
        return;
    const QRect before = geometry();
    const QRect after(left, top, width, height);
    for (QWidget *child : attachedControls())
        child->setGeometry(handlegeometry::followHandle(child->geometry(), before, after));
    const bool wasVisible = isVisible();
    setGeometry(after);
    if (wasVisible && !isVisible())
        show();
}

// --- Properties ----------------------------------------------------------------

void TStretchHandle::SetPrimaryColor(const QColor &color)
{
    m_primaryColor = color;
    update();
}

void TStretchHandle::SetSecondaryColor(const QColor &color)
{
    m_secondaryColor = color;
    update();
}

void TStretchHandle::SetColors(const QColor &primary, const QColor &secondary)
{
    m_primaryColor = primary;
    m_secondaryColor = secondary;
    update();
}

void TStretchHandle::SetGridX(int grid)
{
    m_gridX = std::clamp(grid, 1, 32);
}

void TStretchHandle::SetGridY(int grid)
{
    m_gridY = std::clamp(grid, 1, 32);
}

void TStretchHandle::SetGridState(bool snap)
{
    m_gridX = m_gridY = snap ? 8 : 1;
}

// --- Mouse and keys --------------------------------------------------------------

QPoint TStretchHandle::clampToParent(const QPoint &point) const
{
    if (!parentWidget())
        return point;
    return handlegeometry::clampToParent(point, pos(), parentWidget()->size());
}

void TStretchHandle::pressAt(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    const QPoint inParent = point + pos();
    if (PointOverChild(inParent)) {
        if (event->button() == Qt::LeftButton && !m_locked) {
            m_dragStart = point;
            m_dragging = true;
        }
        emit OnMouseDown(event->button(), event->modifiers(), point);
    } else {
        unsetCursor();
        ForwardMessage(TForwardMessage::fmMouseDown, event->button(), inParent);
    }
}

void TStretchHandle::mousePressEvent(QMouseEvent *event)
{
    pressAt(event);
}

void TStretchHandle::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit OnDblClick();
    pressAt(event);
}

void TStretchHandle::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    if (leftHeld && !m_dragging && !m_locked) {
        // The press that attached a control went to that control; the first
        // move with the button held starts the drag.
        m_dragStart = point;
        m_dragging = true;
    } else {
        if (!leftHeld && QWidget::mouseGrabber() == this)
            releaseMouse();
        TDragStyle candidate = TDragStyle::dsMove;
        if (GetChildCount() == 1)
            candidate = handlegeometry::gripAt(point, size());
        QCursor cursor = cursorFor(candidate);
        if (m_locked)
            cursor = Qt::ForbiddenCursor;
        if (m_dragging) {
            const QPoint clamped = clampToParent(point);
            if (m_dragStyle == TDragStyle::dsMove)
                cursor = m_dragCursor;
            else if (!m_locked)
                cursor = cursorFor(m_dragStyle);
            setCursor(cursor);
            Rubberband(clamped.x(), clamped.y(), true);
        } else {
            m_dragStyle = candidate;
            setCursor(cursor);
        }
    }
    emit OnMouseMove(event->modifiers(), point);
}

void TStretchHandle::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (!m_dragging || event->button() != Qt::LeftButton) {
        if (event->buttons() == Qt::NoButton && QWidget::mouseGrabber() == this)
            releaseMouse();
        ForwardMessage(TForwardMessage::fmMouseUp, event->button(), point + pos());
        return;
    }
    const QPoint clamped = clampToParent(point);
    if (clamped != m_dragStart) {
        update();
        SetBounds(handlegeometry::GetModifiedRect(m_dragStyle, geometry(), m_dragStart, clamped,
                                                  m_gridX, m_gridY));
    }
    Rubberband(0, 0, false);
    if (isVisible() && isEnabled())
        setFocus(Qt::MouseFocusReason);
    m_dragging = false;
    unsetCursor();
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    emit OnMouseUp(event->button(), event->modifiers(), point);
}

void TStretchHandle::keyPressEvent(QKeyEvent *event)
{
    const QRect r = geometry();
    switch (event->key()) {
    case Qt::Key_Left:
        update();
        SetBounds(r.x() - 1, r.y(), r.width(), r.height());
        break;
    case Qt::Key_Right:
        update();
        SetBounds(r.x() + 1, r.y(), r.width(), r.height());
        break;
    case Qt::Key_Up:
        update();
        SetBounds(r.x(), r.y() - 1, r.width(), r.height());
        break;
    case Qt::Key_Down:
        update();
        SetBounds(r.x(), r.y() + 1, r.width(), r.height());
        break;
    default:
        break;
    }
    event->accept();
    emit OnKeyDown(event->key(), event->modifiers());
}

void TStretchHandle::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_popupMenu) {
        m_popupMenu->popup(event->globalPos());
        event->accept();
    } else {
        event->ignore();
    }
}

void TStretchHandle::ForwardMessage(TForwardMessage message, Qt::MouseButton button,
                                    const QPoint &point)
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    QWidget *target = parent;
    QPoint local = point;
    const QObjectList siblings = parent->children();
    for (QObject *object : siblings) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || qobject_cast<TStretchHandle *>(widget)
            || qobject_cast<QRubberBand *>(widget) || !widget->isVisible())
            continue;
        if (widget->geometry().contains(point)) {
            target = widget;
            local = point - widget->pos();
            break;
        }
    }
    const bool down = message == TForwardMessage::fmMouseDown;
    // Passed on without key-state flags.
    QMouseEvent forwarded(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                          QPointF(local), QPointF(target->mapToGlobal(local)), button,
                          down ? Qt::MouseButtons(button) : Qt::MouseButtons(Qt::NoButton),
                          Qt::NoModifier);
    QCoreApplication::sendEvent(target, &forwarded);
}

// --- Drawing ---------------------------------------------------------------------

void TStretchHandle::Rubberband(int x, int y, bool show)
{
    if (!m_band.isNull()) {
        if (m_rubberBand)
            m_rubberBand->hide();
        m_band = {};
    }
    if (show && parentWidget()) {
        m_band = handlegeometry::GetModifiedRect(m_dragStyle, geometry(), m_dragStart, QPoint(x, y),
                                                 m_gridX, m_gridY);
        if (!m_rubberBand)
            m_rubberBand = new QRubberBand(QRubberBand::Rectangle, parentWidget());
        else if (m_rubberBand->parentWidget() != parentWidget())
            m_rubberBand->setParent(parentWidget());
        m_rubberBand->setGeometry(handlegeometry::bandOutline(m_band));
        m_rubberBand->show();
        m_rubberBand->raise();
    } else if (!show) {
        if (parentWidget())
            parentWidget()->update();
        update();
    }
}

void TStretchHandle::paintEvent(QPaintEvent *)
{
    const QList<QWidget *> controls = attachedControls();
    if (controls.isEmpty())
        return;
    QPainter painter(this);
    const bool one = controls.size() == 1;
    for (int i = 0; i < controls.size(); ++i) {
        const QRect child = controls[i]->geometry().translated(-pos());
        const QColor color = i == 0 ? m_primaryColor : m_secondaryColor;
        for (const QRect &square : handlegeometry::gripSquares(child, one))
            painter.fillRect(square, color);
    }
}

#include "handles/stretch_handle_accessible.h"

#include "handles/stretch_handle.h"

#include <QMenu>

StretchHandleAccessible::StretchHandleAccessible(QWidget *handle)
    : QAccessibleWidget(handle, QAccessible::Grip)
{
}

QAccessibleInterface *StretchHandleAccessible::popupMenu() const
{
    const auto *handle = static_cast<const TStretchHandle *>(widget());
    QMenu *menu = handle->PopupMenu();
    return menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
}

int StretchHandleAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + (popupMenu() ? 1 : 0);
}

QAccessibleInterface *StretchHandleAccessible::child(int index) const
{
    const int own = QAccessibleWidget::childCount();
    if (index < own)
        return QAccessibleWidget::child(index);
    return index == own ? popupMenu() : nullptr;
}

int StretchHandleAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child && child == popupMenu())
        return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}

void StretchHandleAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) {
            auto *widget = qobject_cast<TStretchHandle *>(object);
            return className == QLatin1String("TStretchHandle") && widget
                       ? static_cast<QAccessibleInterface *>(new StretchHandleAccessible(widget))
                       : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

#pragma once

#include <QAccessibleWidget>

// What assistive tools see of the selection handle: a widget whose popup
// menu ("Propriedades", "Deletar", "Eventos") is one of its children, so that
// the menu is found under the window like the menus of the menu bar.
class StretchHandleAccessible : public QAccessibleWidget
{
public:
    explicit StretchHandleAccessible(QWidget *handle);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    // Makes Qt use this interface for every TStretchHandle (once per program).
    static void install();

private:
    QAccessibleInterface *popupMenu() const;
};

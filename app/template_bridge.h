#pragma once

#include <QObject>

class Tfrmprincipal;

// Puts the template catalogue into the main window's menus and toolbar rows
// and runs its commands on the current editor.
class TemplateBridge : public QObject
{
    Q_OBJECT
public:
    // Called once the window's menus and rows exist.
    explicit TemplateBridge(Tfrmprincipal &window);

private:
    Tfrmprincipal &m_window;
};

#pragma once

#include <QObject>

class Tfrmprincipal;

// Shows Tavessa's help window from the help menu (without blocking) and from
// the toolbar button (modally).
class HelpBridge : public QObject
{
    Q_OBJECT
public:
    explicit HelpBridge(Tfrmprincipal &window);

    void showHelp(bool modal);

private:
    Tfrmprincipal &m_window;
};

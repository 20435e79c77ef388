#include "app/help_bridge.h"

#include "app/main_window.h"

HelpBridge::HelpBridge(Tfrmprincipal &window) : m_window(window) {}

void HelpBridge::showHelp(bool modal)
{
    Q_UNUSED(modal);
}

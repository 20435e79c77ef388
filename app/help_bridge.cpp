#include "app/help_bridge.h"

#include "help/form10.h"

HelpBridge::HelpBridge(const QString &programFolder, QWidget *window)
    : m_form10(new TForm10(programFolder, window))
{
}

void HelpBridge::showHelp(bool modal)
{
    if (!m_form10)
        return;
    if (m_form10->isVisible()) {
        // Showing a visible window modally is refused; bring it forward.
        m_form10->raise();
        m_form10->activateWindow();
        return;
    }
    if (modal)
        m_form10->exec();
    else
        m_form10->show();
}

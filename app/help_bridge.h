#pragma once

#include <QObject>
#include <QPointer>

#include "help/form10.h"


// Shows Tavessa's help window from the help menu (without blocking) and from
// the toolbar button (modally).
class HelpBridge : public QObject
{
    Q_OBJECT
public:
    // Creates the help window Form10, hidden, as a window owned by `window`;
    // it opens `programFolder`/Help/index.htm.
    HelpBridge(const QString &programFolder, QWidget *window);

    // Shows the help window; `modal` waits until it is closed. An open help
    // window is brought to the front instead of being shown again.
    void showHelp(bool modal);

    TForm10 *Form10() const { return m_form10; }

private:
    // The main window owns the form and may destroy it before the bridge.
    QPointer<TForm10> m_form10;
};

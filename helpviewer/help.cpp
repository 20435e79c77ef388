#include "helpviewer/help.h"

#include "help/cpp_web_browser.h"
#include "help/help_navigation_bar.h"

#include <QCoreApplication>
#include <QDir>
#include <QVBoxLayout>

namespace {

QString startLocationIn(const QString &programFolder)
{
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                   : programFolder;
    return QDir::cleanPath(QDir::fromNativeSeparators(folder)) + QStringLiteral("/index.htm");
}

} // namespace

THelp::THelp(const QString &programFolder, QWidget *parent)
    : QMainWindow(parent), m_startLocation(startLocationIn(programFolder))
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Help"));
    // A fixed pixel size, whatever the screen's font size.
    resize(978, 614);

    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_browser = new TCppWebBrowser(central);
    m_browser->setObjectName(QStringLiteral("browser"));
    // Clicks still give it the keyboard for scrolling, the Tab key never does.
    m_browser->setFocusPolicy(Qt::ClickFocus);
    m_navigation = new HelpNavigationBar(m_browser, m_startLocation, central);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation);
    layout->addWidget(m_browser, 1);

    m_browser->Navigate(m_startLocation);
    m_browser->setFocus();
}

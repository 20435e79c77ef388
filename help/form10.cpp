#include "help/form10.h"

#include "help/cpp_web_browser.h"
#include "help/help_navigation_bar.h"

#include <QCoreApplication>
#include <QDir>
#include <QVBoxLayout>

TForm10::TForm10(const QString &programFolder, QWidget *parent)
    : QDialog(parent), m_startLocation(startLocationIn(programFolder))
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Ajuda"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint
                   | Qt::WindowStaysOnTopHint);
    resize(870, 640);

    m_browser = new TCppWebBrowser(this);
    m_browser->setObjectName(QStringLiteral("CppWebBrowser1"));
    m_navigation = new HelpNavigationBar(m_browser, m_startLocation, this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation);
    layout->addWidget(m_browser, 1);
}

QString TForm10::startLocationIn(const QString &programFolder)
{
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                   : programFolder;
    // cleanPath drops a trailing separator, so the folder joins with one "/".
    return QDir::cleanPath(QDir::fromNativeSeparators(folder)) + QStringLiteral("/Help/index.htm");
}

void TForm10::showEvent(QShowEvent *event)
{
    // Each showing is a fresh visit: the start page, read again, no history.
    m_browser->Navigate(m_startLocation);
    m_browser->clearHistory();
    m_browser->setFocus();
    QDialog::showEvent(event);
}

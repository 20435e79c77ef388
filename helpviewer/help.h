#pragma once

#include <QMainWindow>

class HelpNavigationBar;
class TCppWebBrowser;

// Lumenta's only window ("Help"): shows the index.htm that lies in Lumenta's
// own folder when the program starts; closing it ends the program. A main
// window, so that assistive tools present it as the program's window.
class THelp : public QMainWindow
{
    Q_OBJECT
public:
    // `programFolder` is the folder of Lumenta's executable; empty means the
    // folder of the running executable.
    explicit THelp(const QString &programFolder = QString(), QWidget *parent = nullptr);

    // programFolder + "/index.htm", directly in the folder, not below it.
    QString startLocation() const { return m_startLocation; }

    TCppWebBrowser *browser() const { return m_browser; }
    HelpNavigationBar *navigationBar() const { return m_navigation; }

private:
    QString m_startLocation;
    TCppWebBrowser *m_browser = nullptr;
    HelpNavigationBar *m_navigation = nullptr;
};

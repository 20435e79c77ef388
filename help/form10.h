#pragma once

#include <QDialog>

class HelpNavigationBar;
class TCppWebBrowser;

// Tavessa's help window ("Ajuda"): a browser on the help pages that ship in
// the Help folder beside the program. Every showing starts at the start page.
class TForm10 : public QDialog
{
    Q_OBJECT
public:
    // `programFolder` is the folder of Tavessa's executable; empty means the
    // folder of the running executable.
    explicit TForm10(const QString &programFolder = QString(), QWidget *parent = nullptr);

    // programFolder (without a trailing separator) + "/Help/index.htm".
    QString startLocation() const { return m_startLocation; }
    static QString startLocationIn(const QString &programFolder);

    TCppWebBrowser *CppWebBrowser1() const { return m_browser; }
    HelpNavigationBar *navigationBar() const { return m_navigation; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_startLocation;
    TCppWebBrowser *m_browser = nullptr;
    HelpNavigationBar *m_navigation = nullptr;
};

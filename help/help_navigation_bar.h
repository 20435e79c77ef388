#pragma once

#include <QString>
#include <QWidget>

class QToolButton;
class TCppWebBrowser;

// The row of buttons above a help browser: back (Alt+Left), forward
// (Alt+Right) and the start page (Alt+Home). The shortcuts work anywhere in
// the window that holds the bar.
class HelpNavigationBar : public QWidget
{
    Q_OBJECT
public:
    HelpNavigationBar(TCppWebBrowser *browser, const QString &startLocation,
                      QWidget *parent = nullptr);

    QToolButton *backButton() const { return m_back; }
    QToolButton *forwardButton() const { return m_forward; }
    QToolButton *startButton() const { return m_start; }

private:
    QToolButton *addButton(const QString &objectName, const QString &text, const QString &hint,
                           const QIcon &icon, const QKeySequence &key);

    TCppWebBrowser *m_browser;
    QString m_startLocation;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QToolButton *m_start = nullptr;
};

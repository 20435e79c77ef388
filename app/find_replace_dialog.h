#pragma once

#include "app/text_search.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modeless find-and-replace dialog of the main window: find and replace
// texts, whole word, match case and direction, the buttons find next,
// replace, replace all and cancel, and a line that reports the outcome.
// It only asks; EditCommands does the searching in the current editor.
class FindReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindReplaceDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const;
    TextSearch::Options options() const;
    // What the last command found (or did not); empty clears it.
    void setStatus(const QString &text);
    QString status() const;

signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void updateButtons();

    QLineEdit *m_findText = nullptr;
    QLineEdit *m_replaceText = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replace = nullptr;
    QPushButton *m_replaceAll = nullptr;
    QLabel *m_status = nullptr;
};

#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TSynMemo;

// "Criar Menu": builds the declarations and statements of a Swing menu bar
// one addition at a time and hands them to the current editor, together
// with the bar's creation and installation when the code has no bar yet.
// One instance serves the whole run; the list of menus only grows.
class Tfrmmenu : public QDialog
{
    Q_OBJECT
public:
    struct Hooks
    {
        // The editor of the active document, or null.
        std::function<TSynMemo *()> currentEditor;
        // The two-block entry: `first` at the insertion line, `second` below.
        std::function<void(const QString &first, const QString &second)> enterBlocks;
        std::function<void()> markModified;
    };

    explicit Tfrmmenu(QWidget *parent = nullptr);

    Hooks &hooks() { return m_hooks; }

    void RadioGroup1Click();
    // "Add".
    void Button1Click();
    // "OK": the lists go into the code; the dialog closes.
    void Button3Click();

    // Closing, however it happens, empties both lists.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Hooks m_hooks;
    QLineEdit *m_edit1 = nullptr;
    QLineEdit *m_edit2 = nullptr;
    QLineEdit *m_edit3 = nullptr;
    QLabel *m_labels[3] = {};
    QLabel *m_lblMenu = nullptr;
    QComboBox *m_cbomenu = nullptr;
    QGroupBox *m_radioGroup1 = nullptr;
    QButtonGroup *m_types = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    QPushButton *m_button3 = nullptr;
    QPlainTextEdit *m_memo1 = nullptr;
    QPlainTextEdit *m_memo2 = nullptr;
    QLabel *m_lblverif = nullptr;
};

#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Where the menu-bar editor writes: the document the student is editing.
class MenuBarTarget
{
public:
    virtual ~MenuBarTarget() = default;
    // The code of the document that receives the bar; nothing without one.
    virtual std::optional<QString> menuBarCode() const = 0;
    // The two-block entry: `first` at the insertion line, `second` below
    // it; with `appendEmptyLine` an empty line goes at the end of the code.
    // One undo step.
    virtual void enterMenuBlocks(const QString &first, const QString &second,
                                 bool appendEmptyLine) = 0;
};

// "Criar Menu": builds the declarations and statements of a Swing menu bar
// one addition at a time and hands them to the current editor, together
// with the bar's creation and installation when the code has no bar yet.
// One instance serves the whole run; the list of menus only grows.
class Tfrmmenu : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrmmenu(QWidget *parent = nullptr);

    // What OK writes into (nothing until set).
    void setTarget(MenuBarTarget *target) { m_target = target; }

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
    MenuBarTarget *m_target = nullptr;
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

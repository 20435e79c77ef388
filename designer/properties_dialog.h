#pragma once

#include <QDialog>

class DesignerSession;
class PreviewControl;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Propriedades": edits the name, title, bounds, enabled and visible calls
// and the items of the first selected component, and rewrites its code in
// the current editor. One instance serves the whole run; a field that a
// showing does not refill keeps what it held.
class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(DesignerSession &session, QWidget *parent = nullptr);

    // Heights without and with the items memo.
    static constexpr int kHeight = 268;
    static constexpr int kHeightWithItems = 347;

    // Refills the fields from the selected component (on every showing).
    void FormShow();
    // "Confirma": checks the fields, then applies them and closes.
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PreviewControl *selectedComponent() const;
    void showItems(bool shown);
    void placeButtons();
    // Whether typing `typed` into one of the number fields is let through.
    bool acceptsTyped(const QLineEdit *edit, QChar typed) const;

    DesignerSession &m_session;
    QLineEdit *m_txtNome = nullptr;
    QLineEdit *m_txtTit = nullptr;
    QLineEdit *m_txtEsquerda = nullptr;
    QLineEdit *m_txtTopo = nullptr;
    QLineEdit *m_txtAltura = nullptr;
    QLineEdit *m_txtLargura = nullptr;
    QComboBox *m_cboEnabled = nullptr;
    QComboBox *m_cboVisible = nullptr;
    QLabel *m_lblItems = nullptr;
    QPlainTextEdit *m_mnoList = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
};

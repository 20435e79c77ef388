#pragma once

#include <QDialog>
#include <QList>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

// "Criar Arquivo de...": the student picks one of the five kinds of new
// document. "Criar Aplicação" reports the chosen option through
// createRequested() and closes the dialog.
class Tfrmtipoarquivo : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrmtipoarquivo(QWidget *parent = nullptr);

    // 1..5, the option whose radio button is checked.
    int selectedOption() const;
    QString description() const;

    static QString optionCaption(int option);
    static QString optionDescription(int option);

signals:
    void createRequested(int option);

public slots:
    // Esc and "Cancelar": the description is cleared, nothing else changes.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void optionClicked(int option);
    void btncriarClick();
    void paintDescriptionArea();

    QFrame *m_descriptionArea = nullptr;
    QList<QRadioButton *> m_options;
    QLabel *m_lbltipodescricao = nullptr;
    QPushButton *m_btncriar = nullptr;
    QPushButton *m_btncancelar = nullptr;
};

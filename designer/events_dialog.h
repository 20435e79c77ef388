#pragma once

#include "designer/designer_model.h"

#include <QDialog>
#include <QStringList>

class DesignerSession;
class FormDocument;
class PreviewControl;
class QComboBox;
class QLineEdit;
class QPushButton;
class TSynJavaSyn;
class TSynMemo;

// "Eventos": writes an anonymous listener for the first selected component
// into the window's constructor, or shows and replaces the statements of
// the handler that it already has for the chosen event. One instance serves
// the whole run.
class TfrmEventos : public QDialog
{
    Q_OBJECT
public:
    // `scanner` colours the statements (the program's shared one).
    TfrmEventos(DesignerSession &session, TSynJavaSyn *scanner, QWidget *parent = nullptr);

    // The listener of the chosen event, line 1 carrying the component's name.
    QStringList currentTemplate() const { return m_template; }

    void FormShow();
    void cboEventoChange();
    // "OK": writes the statements (nothing when there are none) and closes.
    void cmdOKClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    PreviewControl *selectedComponent() const;
    ComponentKind selectedKind() const;
    // The document of the selected component's design.
    FormDocument *document() const;
    // Shows the statements of the component's handler for `event`, if any.
    void loadExistingHandler(int event);

    DesignerSession &m_session;
    QLineEdit *m_txtNome = nullptr;
    QComboBox *m_cboEvento = nullptr;
    TSynMemo *m_txtCod = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_button1 = nullptr;
    QStringList m_template;
};

#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class DesignerSession;
class DesignPage;
class DocumentManager;
class DocumentPage;
class JavaDocument;
class TemplateBridge;
class TForm5;
class Tfrmmenu;
class TfrmEventos;
class TStretchHandle;
class TSynJavaSyn;
class QWidget;
struct NamingCounters;

// The form designer in the main window: builds the design page of a Swing
// window document, and holds the designer's program-wide parts (the session
// with the selection handle `mover`, shared by every document, and the
// menu-bar, properties and events dialogs).
class DesignerBridge : public QObject
{
    Q_OBJECT
public:
    // Creates the dialogs frmmenu, Form5 and frmEventos, in this order, as
    // windows owned by `window`.
    DesignerBridge(DocumentManager &documents, TSynJavaSyn &scanner, const QString &programFolder,
                   QWidget *window);
    ~DesignerBridge() override;

    // The "Formulário" page showing the design of `document`.
    QWidget *createDesignPage(JavaDocument &document, QWidget *parent);

    // The objects text of the page's design; nothing for a code document.
    std::optional<QString> objectsText(DocumentPage &page) const;
    // Releases every selected component from `mover` (before saving).
    void clearSelection();

    // The design page of `page`, or null.
    static DesignPage *designPageOf(DocumentPage &page);

    DesignerSession &session() { return *m_session; }
    NamingCounters &counters();
    TStretchHandle &mover();

    // "Criar Menu" of the templates opens the menu-bar editor, which writes
    // into the active document through the templates' two-block entry.
    void connectMenuEditor(TemplateBridge &templates);

    Tfrmmenu &frmmenu() { return *m_frmmenu; }
    TForm5 &Form5() { return *m_form5; }
    TfrmEventos &frmEventos() { return *m_frmEventos; }

private:
    QString m_programFolder;
    std::unique_ptr<DesignerSession> m_session;
    // Children of the window, deleted before the scanner the events dialog uses.
    Tfrmmenu *m_frmmenu = nullptr;
    TForm5 *m_form5 = nullptr;
    TfrmEventos *m_frmEventos = nullptr;
};

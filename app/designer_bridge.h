#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class DesignerSession;
class DesignPage;
class DocumentPage;
class TemplateBridge;
class TForm5;
class Tfrmmenu;
class Tfrmprincipal;
class TfrmEventos;
class TStretchHandle;
class QWidget;
struct NamingCounters;

// Connects the form designer to the main window: builds the design page of a
// Swing window document, gives saving its objects text, and holds the
// designer's share of the window's state (the naming counters, the selection
// handle `mover`, shared by every document, and the menu-bar, properties and
// events dialogs).
class DesignerBridge : public QObject
{
    Q_OBJECT
public:
    // Creates the dialogs frmmenu, Form5 and frmEventos, in this order.
    explicit DesignerBridge(Tfrmprincipal &window);
    ~DesignerBridge() override;

    // The "Formulário" page of `page`: a new design, or the one read from
    // `objectsFilePath` when it is not empty (a file that cannot be read is
    // reported and gives a new design).
    QWidget *createDesignPage(DocumentPage &page, const QString &objectsFilePath);

    // The objects text of the page's design; nothing for a code document.
    std::optional<QString> objectsText(DocumentPage &page) const;
    // Releases every selected component from `mover` (before saving).
    void clearSelection();

    // The design page of `page`, or null.
    static DesignPage *designPageOf(DocumentPage &page);

    DesignerSession &session() { return *m_session; }
    NamingCounters &counters();
    TStretchHandle &mover();

    // What "Propriedades" and "Eventos" of the popup menu open (nothing until
    // set); "Propriedades" marks the document modified either way.
    void setPropertiesDialog(std::function<void()> show);
    void setEventsDialog(std::function<void()> show);

    // "Criar Menu" opens the menu-bar editor, which hands its code to the
    // two-block entry of `templates`.
    void connectMenuEditor(TemplateBridge &templates);

    Tfrmmenu &frmmenu() { return *m_frmmenu; }
    TForm5 &Form5() { return *m_form5; }
    TfrmEventos &frmEventos() { return *m_frmEventos; }

private:
    Tfrmprincipal &m_window;
    std::unique_ptr<DesignerSession> m_session;
    // Children of the window, which deletes them.
    Tfrmmenu *m_frmmenu = nullptr;
    TForm5 *m_form5 = nullptr;
    TfrmEventos *m_frmEventos = nullptr;
};

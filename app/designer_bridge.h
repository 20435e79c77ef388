#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class DesignerSession;
class DesignPage;
class DocumentPage;
class Tfrmprincipal;
class TStretchHandle;
class QWidget;
struct NamingCounters;

// Connects the form designer to the main window: builds the design page of a
// Swing window document, gives saving its objects text, and holds the
// designer's share of the window's state (the naming counters and the
// selection handle `mover`, shared by every document).
class DesignerBridge : public QObject
{
    Q_OBJECT
public:
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

private:
    Tfrmprincipal &m_window;
    std::unique_ptr<DesignerSession> m_session;
};

#include "app/designer_bridge.h"

#include "app/document_manager.h"
#include "app/document_page.h"
#include "app/java_document.h"
#include "app/template_bridge.h"
#include "designer/design_page.h"
#include "designer/designer_session.h"
#include "designer/events_dialog.h"
#include "designer/menu_editor.h"
#include "designer/properties_dialog.h"

DesignerBridge::DesignerBridge(DocumentManager &documents, TSynJavaSyn &scanner,
                               const QString &programFolder, QWidget *window)
    : m_programFolder(programFolder),
      m_session(std::make_unique<DesignerSession>(documents.namingCounters(), window))
{
    m_frmmenu = new Tfrmmenu(window);
    m_form5 = new TForm5(*m_session, window);
    m_frmEventos = new TfrmEventos(*m_session, &scanner, window);
    // With nothing selected there is nothing to edit.
    connect(m_session.get(), &DesignerSession::propertiesWanted, m_form5, [this] {
        if (!m_session->selection().isEmpty())
            m_form5->exec();
    });
    connect(m_session.get(), &DesignerSession::eventsWanted, m_frmEventos, [this] {
        if (!m_session->selection().isEmpty())
            m_frmEventos->exec();
    });
}

DesignerBridge::~DesignerBridge()
{
    delete m_frmEventos;
    delete m_form5;
    delete m_frmmenu;
}

QWidget *DesignerBridge::createDesignPage(JavaDocument &document, QWidget *parent)
{
    return new DesignPage(*m_session, document, m_programFolder, parent);
}

DesignPage *DesignerBridge::designPageOf(DocumentPage &page)
{
    return qobject_cast<DesignPage *>(page.designPage());
}

std::optional<QString> DesignerBridge::objectsText(DocumentPage &page) const
{
    if (!page.document().hasForm())
        return std::nullopt;
    return page.document().objectsText();
}

void DesignerBridge::clearSelection()
{
    m_session->clearSelection();
}

NamingCounters &DesignerBridge::counters()
{
    return m_session->counters();
}

TStretchHandle &DesignerBridge::mover()
{
    return m_session->mover();
}

void DesignerBridge::connectMenuEditor(TemplateBridge &templates)
{
    m_frmmenu->setTarget(&templates);
    templates.setMenuEditorHook([this] { m_frmmenu->exec(); });
}

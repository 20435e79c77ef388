#include "app/designer_bridge.h"

#include "app/main_window.h"
#include "app/template_bridge.h"
#include "common/message_boxes.h"
#include "designer/design_page.h"
#include "designer/designer_session.h"
#include "designer/events_dialog.h"
#include "designer/menu_editor.h"
#include "designer/objects_file.h"
#include "designer/properties_dialog.h"
#include "editor/text_file.h"

#include <QPlainTextEdit>
#include <QPushButton>

DesignerBridge::DesignerBridge(Tfrmprincipal &window)
    : m_window(window), m_session(std::make_unique<DesignerSession>(&window))
{
    DesignerSession::Hooks &hooks = m_session->hooks();
    hooks.currentEditor = [this] { return m_window.currentEditor(); };
    hooks.markModified = [this] {
        m_window.MarkModified();
        m_window.updateSaveCommands();
    };

    m_frmmenu = new Tfrmmenu(&window);
    m_form5 = new TForm5(*m_session, &window);
    m_frmEventos = new TfrmEventos(*m_session, &window.SynJavaSyn1(), &window);
    // With nothing selected there is nothing to edit.
    setPropertiesDialog([this] {
        if (!m_session->selection().isEmpty())
            m_form5->exec();
    });
    setEventsDialog([this] {
        if (!m_session->selection().isEmpty())
            m_frmEventos->exec();
    });
}

DesignerBridge::~DesignerBridge()
{
    // Before the window's shared scanner goes, which the events dialog uses.
    delete m_frmEventos;
    delete m_form5;
    delete m_frmmenu;
}

QWidget *DesignerBridge::createDesignPage(DocumentPage &page, const QString &objectsFilePath)
{
    auto *design = new DesignPage(*m_session, m_window.programFolder(), &page);
    if (objectsFilePath.isEmpty()) {
        design->newDesign();
        return design;
    }
    QString error;
    const std::optional<QByteArray> bytes = TextFile::readBytes(objectsFilePath, &error);
    if (!bytes) {
        messages::error(&m_window, error);
        design->newDesign();
        return design;
    }
    design->loadDesign(objectsLines(TextFile::decodeObjects(*bytes)));
    return design;
}

DesignPage *DesignerBridge::designPageOf(DocumentPage &page)
{
    return qobject_cast<DesignPage *>(page.designPage());
}

std::optional<QString> DesignerBridge::objectsText(DocumentPage &page) const
{
    const DesignPage *design = designPageOf(page);
    if (!design)
        return std::nullopt;
    return design->objectsText();
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

void DesignerBridge::setPropertiesDialog(std::function<void()> show)
{
    m_session->hooks().showProperties = std::move(show);
}

void DesignerBridge::setEventsDialog(std::function<void()> show)
{
    m_session->hooks().showEvents = std::move(show);
}

void DesignerBridge::connectMenuEditor(TemplateBridge &templates)
{
    Tfrmmenu::Hooks &hooks = m_frmmenu->hooks();
    hooks.currentEditor = [this] { return m_window.currentEditor(); };
    hooks.enterBlocks = [&templates](const QString &first, const QString &second) {
        templates.Memo2()->setPlainText(first);
        templates.Memo3()->setPlainText(second);
        templates.Button1()->click();
    };
    hooks.markModified = m_session->hooks().markModified;
    templates.setMenuEditorHook([this] { m_frmmenu->exec(); });
}

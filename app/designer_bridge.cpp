#include "app/designer_bridge.h"

#include "app/main_window.h"
#include "common/message_boxes.h"
#include "designer/design_page.h"
#include "designer/designer_session.h"
#include "designer/objects_file.h"
#include "editor/text_file.h"

DesignerBridge::DesignerBridge(Tfrmprincipal &window)
    : m_window(window), m_session(std::make_unique<DesignerSession>(&window))
{
    DesignerSession::Hooks &hooks = m_session->hooks();
    hooks.currentEditor = [this] { return m_window.currentEditor(); };
    hooks.markModified = [this] {
        m_window.MarkModified();
        m_window.updateSaveCommands();
    };
}

DesignerBridge::~DesignerBridge() = default;

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

#include "app/designer_bridge.h"

#include "app/main_window.h"

#include <QWidget>

DesignerBridge::DesignerBridge(Tfrmprincipal &window) : m_window(window) {}

QWidget *DesignerBridge::createDesignPage(DocumentPage &page, const QString &objectsFilePath)
{
    Q_UNUSED(objectsFilePath);
    return new QWidget(&page);
}

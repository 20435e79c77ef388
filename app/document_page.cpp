#include "app/document_page.h"

#include "app/document_tag.h"
#include "editor/syn_memo.h"

#include <QTabWidget>
#include <QVBoxLayout>

DocumentPage::DocumentPage(DocumentKind kind, QWidget *parent)
    : QWidget(parent), m_kind(kind)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_inner = new QTabWidget(this);
    m_inner->setObjectName(QStringLiteral("paginas"));
    m_inner->setDocumentMode(true);
    m_inner->setTabPosition(QTabWidget::North);
    layout->addWidget(m_inner);

    m_editor = new TSynMemo(m_inner);
    m_editor->setObjectName(QStringLiteral("memoprograma"));
    m_inner->addTab(m_editor, QStringLiteral("Código"));
    m_tag = QString::number(int(kind)) + QLatin1Char(';');
}

void DocumentPage::setDesignPage(QWidget *page)
{
    if (m_designPage) {
        m_inner->removeTab(m_inner->indexOf(m_designPage));
        delete m_designPage;
    }
    m_designPage = page;
    if (page)
        m_inner->addTab(page, QStringLiteral("Formulário"));
}



void DocumentPage::insertPath(const QString &path)
{
    m_tag = documenttag::make(m_kind, QStringList{path} + documenttag::paths(m_tag));
}

QString DocumentPage::documentPath() const
{
    return pathFromTag(m_tag);
}

QString DocumentPage::pathFromTag(const QString &tag)
{
    return documenttag::firstPath(tag);
}

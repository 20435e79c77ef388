#include "app/document_page.h"

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

namespace {

// A path in the tag: ";" ends it, so a ";" (and the "%" that escapes it)
// inside a folder or file name is written as %3B (%25). Without this a
// document in "a;b/" would lose its path and every save would ask anew.
QString tagEscaped(QString path)
{
    path.replace(QLatin1Char('%'), QLatin1String("%25"));
    path.replace(QLatin1Char(';'), QLatin1String("%3B"));
    return path;
}

QString tagUnescaped(QString path)
{
    path.replace(QLatin1String("%3B"), QLatin1String(";"));
    path.replace(QLatin1String("%25"), QLatin1String("%"));
    return path;
}

} // namespace

void DocumentPage::insertPath(const QString &path)
{
    m_tag.insert(2, tagEscaped(path) + QLatin1Char(';'));
}

QString DocumentPage::documentPath() const
{
    return pathFromTag(m_tag);
}

QString DocumentPage::pathFromTag(const QString &tag)
{
    const int first = tag.indexOf(QLatin1Char(';'));
    if (first < 0)
        return {};
    const QString rest = tag.mid(first + 1);
    const int next = rest.indexOf(QLatin1Char(';'));
    return tagUnescaped(next < 0 ? rest : rest.left(next));
}

#pragma once

#include "app/document_kind.h"

#include <QByteArray>
#include <QString>
#include <QTabWidget>
#include <QWidget>

class JavaDocument;
class TSynMemo;

// One open document on screen: a page of pagForms with an inner tab control
// holding the code editor ("Código") and, for a Swing window, the design page
// ("Formulário"). The page only shows its document; caption, tag, paths and
// encoding are the document's.
class DocumentPage : public QWidget
{
    Q_OBJECT
public:
    explicit DocumentPage(JavaDocument &document, QWidget *parent = nullptr);

    JavaDocument &document() const { return m_document; }
    TSynMemo *editor() const { return m_editor; }
    QTabWidget *innerPages() const { return m_inner; }

    // The design page ("Formulário"), or null for a code document.
    QWidget *designPage() const { return m_designPage; }
    void setDesignPage(QWidget *page);

    // The document's, for those who look at the page.
    DocumentKind kind() const;
    QString caption() const;
    QString tag() const;
    QString documentPath() const;
    QByteArray encoding() const;
    QString lineBreak() const;

private:
    JavaDocument &m_document;
    QTabWidget *m_inner = nullptr;
    TSynMemo *m_editor = nullptr;
    QWidget *m_designPage = nullptr;
};

// The page in front in the window's tab widget: the active document's, the
// one whose editor the commands work in (null with no page open).
inline DocumentPage *currentPage(const QTabWidget &pages)
{
    return qobject_cast<DocumentPage *>(pages.currentWidget());
}

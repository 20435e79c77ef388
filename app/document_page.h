#pragma once

#include "app/document_kind.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

class QTabWidget;
class TSynMemo;


// One open document: a page of pagForms with an inner tab control holding the
// code editor and, for a Swing window, the design page. The caption (file name
// plus the modified mark) and the document tag live here; the main window
// shows the caption on the tab.
class DocumentPage : public QWidget
{
    Q_OBJECT
public:
    DocumentPage(DocumentKind kind, QWidget *parent = nullptr);

    DocumentKind kind() const { return m_kind; }
    TSynMemo *editor() const { return m_editor; }
    QTabWidget *innerPages() const { return m_inner; }

    // The design page ("Formulário"), or null for a code document.
    QWidget *designPage() const { return m_designPage; }
    void setDesignPage(QWidget *page);

    QString caption() const { return m_caption; }
    // Changed through Tfrmprincipal::setPageCaption so the tab follows.
    void setCaptionText(const QString &caption) { m_caption = caption; }

    // Document tag: kind digit, ";", then the paths newest first, each + ";".
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    // Inserts `path` + ";" right after the kind digit and its ";".
    void insertPath(const QString &path);
    // The document's file: the first path of the tag (empty for a new one).
    QString documentPath() const;

    // How the file on disk is encoded and broken into lines, so that writing
    // it back gives the same bytes. New documents are UTF-8 with CR LF.
    QByteArray encoding() const { return m_encoding; }
    void setEncoding(const QByteArray &encoding) { m_encoding = encoding; }
    QString lineBreak() const { return m_lineBreak; }
    void setLineBreak(const QString &lineBreak) { m_lineBreak = lineBreak; }

    // Reads the path out of a tag: drop up to the first ";", take up to the next.
    static QString pathFromTag(const QString &tag);

private:
    DocumentKind m_kind;
    QTabWidget *m_inner = nullptr;
    TSynMemo *m_editor = nullptr;
    QWidget *m_designPage = nullptr;
    QString m_caption;
    QString m_tag;
    QByteArray m_encoding = "UTF-8";
    QString m_lineBreak = QStringLiteral("\r\n");
};

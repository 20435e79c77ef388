#pragma once

#include "app/document_kind.h"
#include "designer/designer_model.h"

#include <QList>
#include <QObject>
#include <QPointer>

class JavaDocument;

// The open documents and the active one, and what every document shares:
// the document counter that numbers them, the naming counters of the
// designer, and the insertion line at which the templates write (one for the
// whole program, recorded from whichever editor the student used last).
class DocumentManager : public QObject
{
    Q_OBJECT
public:
    explicit DocumentManager(QObject *parent = nullptr);
    ~DocumentManager() override;

    // A new document of `kind`, numbered by the counter; a Swing window gets
    // a new design unless `design` is false (it is about to be read). It is
    // added to the open documents, not made active.
    JavaDocument *create(DocumentKind kind, bool design = true);
    // Closes and deletes `document`.
    void close(JavaDocument *document);

    QList<JavaDocument *> documents() const { return m_documents; }
    JavaDocument *active() const;
    void setActive(JavaDocument *document);
    // The open document saved under `path` (compared as clean absolute paths).
    JavaDocument *findByPath(const QString &path) const;

    int documentCounter() const { return m_documentCounter; }
    // Moves the counter up to `n` (a document brought back keeps its number).
    void ensureDocumentCounterAtLeast(int n);
    NamingCounters &namingCounters() { return m_namingCounters; }

    // The 0-based line where a window-wide insertion goes: the caret's line
    // as it stood before the last key acted or after the last click, in
    // whichever editor. It is not JavaDocument::caretLine(), which follows
    // each move of its own document's caret: some templates insert where the
    // student last clicked or typed, before the key's own effect.
    int insertionLine() const { return m_insertionLine; }
    void setInsertionLine(int line) { m_insertionLine = line; }

signals:
    void documentAdded(JavaDocument *document);
    void documentAboutToClose(JavaDocument *document);
    void activeChanged(JavaDocument *document);

private:
    QList<JavaDocument *> m_documents;
    QPointer<JavaDocument> m_active;
    int m_documentCounter = 0;
    NamingCounters m_namingCounters;
    int m_insertionLine = 0;
};

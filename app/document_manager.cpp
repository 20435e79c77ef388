#include "app/document_manager.h"

#include "app/java_document.h"

#include <QDir>
#include <QFileInfo>

DocumentManager::DocumentManager(QObject *parent) : QObject(parent) {}

DocumentManager::~DocumentManager()
{
    qDeleteAll(m_documents);
}

JavaDocument *DocumentManager::create(DocumentKind kind, bool design)
{
    auto *document = new JavaDocument(kind, ++m_documentCounter);
    if (document->hasForm() && design)
        document->form().reset(newDesignWindow(m_namingCounters));
    m_documents.append(document);
    emit documentAdded(document);
    return document;
}

void DocumentManager::close(JavaDocument *document)
{
    if (!m_documents.contains(document))
        return;
    emit documentAboutToClose(document);
    m_documents.removeOne(document);
    if (m_active == document) {
        m_active = nullptr;
        emit activeChanged(nullptr);
    }
    delete document;
}

JavaDocument *DocumentManager::active() const
{
    return m_active;
}

void DocumentManager::setActive(JavaDocument *document)
{
    if (document == m_active)
        return;
    m_active = document;
    emit activeChanged(document);
}

JavaDocument *DocumentManager::findByPath(const QString &path) const
{
    const QString wanted = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (JavaDocument *document : m_documents) {
        const QString own = document->filePath();
        if (!own.isEmpty() && QDir::cleanPath(QFileInfo(own).absoluteFilePath()) == wanted)
            return document;
    }
    return nullptr;
}

void DocumentManager::ensureDocumentCounterAtLeast(int n)
{
    if (n > m_documentCounter)
        m_documentCounter = n;
}

#pragma once

#include "app/recovery_store.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>

class DocumentManager;
class JavaDocument;
class QLabel;
class QTimer;
class QMainWindow;

// Keeps a recovery copy of every modified document of the main window and,
// at start, offers back the copies that an earlier run left behind. A copy
// is written a few seconds after the student stops changing the document
// (during long stretches of typing, at least every half minute), removed when
// the document is saved or closed without saving, and kept when the program
// ends with unsaved pages, so that a hurried "Sim" can be undone.
class RecoveryManager : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultDelayMs = 5000;
    static constexpr int MaxDelayMs = 30000;

    // Follows the documents of `window`; `folder` empty means
    // RecoveryStore::defaultFolder().
    RecoveryManager(QMainWindow &window, DocumentManager &documents, const QString &folder = QString());
    // Writes what is still pending; the copies of modified pages stay.
    ~RecoveryManager() override;

    // False once the recovery folder proved unwritable.
    bool isEnabled() const { return m_enabled; }
    // The quiet time after a change before its copy is written.
    void setDelay(int ms) { m_delayMs = ms; }
    RecoveryStore &store() { return m_store; }

    // Start-up: removes copies older than RecoveryStore::MaxAgeDays, then asks
    // once about the rest and reopens the documents chosen. Returns how many
    // pages were reopened.
    int offerRecovery();
    // Writes every pending copy now.
    void flush();

signals:
    // Documents were reopened from their copies (their commands apply now).
    void documentsReopened();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct PageState
    {
        QPointer<JavaDocument> document;
        QString key;
        QTimer *timer = nullptr;
        QElapsedTimer pendingSince;
    };

    PageState &stateOf(JavaDocument *document);
    void follow(JavaDocument *document);
    void documentChanged(JavaDocument *document);
    void writeCopy(JavaDocument *document);
    // The document was saved or closed without saving.
    void dropCopy(JavaDocument *document);
    void disable(const QString &message);
    RecoveryCopy copyOf(JavaDocument &document) const;
    JavaDocument *reopen(const RecoveryCopy &copy);

    QMainWindow &m_window;
    DocumentManager &m_documents;
    RecoveryStore m_store;
    bool m_enabled = true;
    int m_delayMs = DefaultDelayMs;
    int m_nextKey = 1;
    QHash<JavaDocument *, PageState> m_pages;
    QPointer<QLabel> m_disabledLabel;
};

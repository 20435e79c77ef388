#include "app/recovery_manager.h"

#include "app/document_manager.h"
#include "app/document_tag.h"
#include "app/java_document.h"
#include "app/recovery_dialog.h"
#include "common/message_boxes.h"
#include "designer/objects_file.h"
#include "editor/document_lines.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

namespace {

// The number of a new document's caption ("semnome7.java *" gives 7), or 0.
int newDocumentNumber(const QString &caption)
{
    static const QRegularExpression pattern(QStringLiteral("^semnome(\\d+)\\.java"));
    const QRegularExpressionMatch match = pattern.match(caption);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

RecoveryManager::RecoveryManager(QMainWindow &window, DocumentManager &documents, const QString &folder)
    : QObject(&window), m_window(window), m_documents(documents), m_store(folder)
{
    QString error;
    if (!m_store.open(&error))
        disable(error);
    connect(&m_documents, &DocumentManager::documentAdded, this, &RecoveryManager::follow);
    // Only closing a page says so; quitting deletes the documents silently,
    // and their copies stay.
    connect(&m_documents, &DocumentManager::documentAboutToClose, this,
            &RecoveryManager::dropCopy);
    // Leaving the program (after "Sim" too) must not lose the last few
    // seconds of typing: whatever is pending is written when the window goes.
    window.installEventFilter(this);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &RecoveryManager::flush);
    for (JavaDocument *document : m_documents.documents()) {
        follow(document);
        if (document->isModified())
            documentChanged(document);
    }
}

void RecoveryManager::follow(JavaDocument *document)
{
    connect(document, &JavaDocument::contentsChanged, this,
            [this, document] { documentChanged(document); });
    connect(document, &JavaDocument::modifiedChanged, this, [this, document](bool modified) {
        // Saved, or undone back to what is on disk: nothing to keep.
        if (!modified)
            dropCopy(document);
    });
}

RecoveryManager::~RecoveryManager()
{
    // The pages may outlive the manager; their copies stay on disk.
    flush();
}

bool RecoveryManager::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Hide)
        flush();
    return QObject::eventFilter(watched, event);
}

// --- Writing copies ------------------------------------------------------------

RecoveryManager::PageState &RecoveryManager::stateOf(JavaDocument *page)
{
    auto found = m_pages.find(page);
    if (found != m_pages.end())
        return *found;
    PageState state;
    state.document = page;
    state.key = QStringLiteral("documento-%1").arg(m_nextKey++);
    state.timer = new QTimer(this);
    state.timer->setSingleShot(true);
    connect(state.timer, &QTimer::timeout, this, [this, page] { writeCopy(page); });
    connect(page, &QObject::destroyed, this, [this, page] {
        if (const auto gone = m_pages.find(page); gone != m_pages.end()) {
            delete gone->timer;
            m_pages.erase(gone);
        }
    });
    return *m_pages.insert(page, state);
}

void RecoveryManager::documentChanged(JavaDocument *page)
{
    if (!m_enabled || !page || !page->isModified())
        return;
    PageState &state = stateOf(page);
    if (!state.timer->isActive())
        state.pendingSince.start();
    // A quiet pause writes the copy; a long stretch of typing still gets one
    // every MaxDelayMs.
    const qint64 left = std::max<qint64>(0, MaxDelayMs - state.pendingSince.elapsed());
    state.timer->start(int(std::min<qint64>(m_delayMs, left)));
}

void RecoveryManager::flush()
{
    const QList<JavaDocument *> pages = m_pages.keys();
    for (JavaDocument *page : pages) {
        const auto found = m_pages.constFind(page);
        if (found != m_pages.constEnd() && found->timer->isActive()) {
            found->timer->stop();
            writeCopy(page);
        }
    }
}

void RecoveryManager::writeCopy(JavaDocument *page)
{
    const auto found = m_pages.constFind(page);
    if (!m_enabled || found == m_pages.constEnd() || !found->document)
        return;
    // Saved in the meantime by a path that told nobody: nothing to keep.
    if (!page->isModified()) {
        m_store.remove(found->key);
        return;
    }
    QString error;
    if (!m_store.write(found->key, copyOf(*page), &error))
        disable(QStringLiteral("Não foi possível gravar a cópia de recuperação (%1); a "
                               "recuperação automática está desativada.")
                    .arg(error));
}

RecoveryCopy RecoveryManager::copyOf(JavaDocument &document) const
{
    RecoveryCopy copy;
    copy.kind = document.kind();
    copy.caption = document.caption();
    copy.tag = document.tag();
    copy.encoding = document.encoding();
    copy.lineBreak = document.lineBreak();
    copy.time = QDateTime::currentDateTimeUtc();
    copy.source = document.lines().Text();
    if (document.hasForm())
        copy.objects = document.objectsText();
    return copy;
}

void RecoveryManager::dropCopy(JavaDocument *page)
{
    const auto found = m_pages.find(page);
    if (found == m_pages.end())
        return;
    found->timer->stop();
    m_store.remove(found->key);
}

void RecoveryManager::disable(const QString &message)
{
    if (!m_enabled)
        return;
    m_enabled = false;
    for (PageState &state : m_pages)
        state.timer->stop();
    // A lasting note beside the folder panel, not a box: the student keeps
    // working, only without the safety net.
    auto *label = new QLabel(message, m_window.statusBar());
    label->setObjectName(QStringLiteral("lblrecuperacao"));
    label->setToolTip(message);
    m_window.statusBar()->addPermanentWidget(label);
    m_disabledLabel = label;
}

// --- Start-up ------------------------------------------------------------------

int RecoveryManager::offerRecovery()
{
    if (!m_enabled)
        return 0;
    m_store.claimLeftovers();
    m_store.removeOlderThan(
        QDateTime::currentDateTimeUtc().addDays(-RecoveryStore::MaxAgeDays));
    const QList<RecoveryCopy> copies = m_store.leftovers();
    if (copies.isEmpty()) {
        m_store.releaseLeftovers();
        return 0;
    }

    RecoveryDialog dialog(copies, &m_window);
    dialog.exec();
    if (dialog.answer() == RecoveryDialog::Answer::Later) {
        m_store.releaseLeftovers();
        return 0;
    }

    QStringList keep;
    int reopened = 0;
    for (const RecoveryCopy &copy : dialog.chosen()) {
        JavaDocument *page = reopen(copy);
        if (page) {
            ++reopened;
            // The old copy goes only once this run holds a new one.
            PageState &state = stateOf(page);
            writeCopy(page);
            if (m_enabled && m_store.keys().contains(state.key))
                continue;
        }
        keep.append(copy.filePath);
    }
    m_store.removeLeftoversExcept(keep);
    m_store.releaseLeftovers();

    if (reopened > 0)
        emit documentsReopened();
    return reopened;
}

JavaDocument *RecoveryManager::reopen(const RecoveryCopy &copy)
{
    JavaDocument *document = m_documents.create(copy.kind, false);
    if (document->hasForm()) {
        const LoadedDesign loaded =
            loadDesign(objectsLines(copy.objects.value_or(QString())), m_documents.namingCounters());
        document->form().reset(loaded.window);
    }
    document->setPaths(documenttag::paths(copy.tag));
    document->setEncoding(copy.encoding);
    document->setLineBreak(copy.lineBreak);
    document->setSourceText(copy.source);
    QString name = copy.caption;
    if (name.endsWith(QLatin1Char('*')))
        name.chop(1);
    document->setName(name);
    document->setModified(true);
    // No later new document may take the number of one brought back.
    if (copy.documentPath().isEmpty())
        m_documents.ensureDocumentCounterAtLeast(newDocumentNumber(copy.caption));
    m_documents.setActive(document);
    return document;
}

#include "app/recovery_manager.h"

#include "app/designer_bridge.h"
#include "app/main_window.h"
#include "app/recovery_dialog.h"
#include "common/message_boxes.h"
#include "editor/syn_memo.h"
#include "editor/text_file.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

namespace {

bool isMarked(const DocumentPage &page)
{
    return page.caption().endsWith(QLatin1Char('*'));
}

// The number of a new document's caption ("semnome7.java *" gives 7), or 0.
int newDocumentNumber(const QString &caption)
{
    static const QRegularExpression pattern(QStringLiteral("^semnome(\\d+)\\.java"));
    const QRegularExpressionMatch match = pattern.match(caption);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

RecoveryManager::RecoveryManager(Tfrmprincipal &window, const QString &folder)
    : QObject(&window), m_window(window), m_store(folder)
{
    QString error;
    if (!m_store.open(&error))
        disable(error);

    connect(&window, &Tfrmprincipal::documentChanged, this, &RecoveryManager::documentChanged);
    connect(&window, &Tfrmprincipal::modifiedCleared, this,
            &RecoveryManager::dropCopy);
    // Only closing a page says so; quitting deletes the pages silently, and
    // their copies stay.
    connect(&window, &Tfrmprincipal::pageAboutToBeDestroyed, this,
            &RecoveryManager::dropCopy);
    // Leaving the program (after "Sim" too) must not lose the last few
    // seconds of typing: whatever is pending is written when the window goes.
    window.installEventFilter(this);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &RecoveryManager::flush);

    for (int i = 0; i < window.pageCount(); ++i) {
        if (DocumentPage *page = window.page(i); page && isMarked(*page))
            documentChanged(page);
    }
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

RecoveryManager::PageState &RecoveryManager::stateOf(DocumentPage *page)
{
    auto found = m_pages.find(page);
    if (found != m_pages.end())
        return *found;
    PageState state;
    state.page = page;
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

void RecoveryManager::documentChanged(DocumentPage *page)
{
    if (!m_enabled || !page)
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
    const QList<DocumentPage *> pages = m_pages.keys();
    for (DocumentPage *page : pages) {
        const auto found = m_pages.constFind(page);
        if (found != m_pages.constEnd() && found->timer->isActive()) {
            found->timer->stop();
            writeCopy(page);
        }
    }
}

void RecoveryManager::writeCopy(DocumentPage *page)
{
    const auto found = m_pages.constFind(page);
    if (!m_enabled || found == m_pages.constEnd() || !found->page)
        return;
    // Saved in the meantime by a path that told nobody: nothing to keep.
    if (!isMarked(*page)) {
        m_store.remove(found->key);
        return;
    }
    QString error;
    if (!m_store.write(found->key, copyOf(*page), &error))
        disable(QStringLiteral("Não foi possível gravar a cópia de recuperação (%1); a "
                               "recuperação automática está desativada.")
                    .arg(error));
}

RecoveryCopy RecoveryManager::copyOf(DocumentPage &page) const
{
    RecoveryCopy copy;
    copy.kind = page.kind();
    copy.caption = page.caption();
    copy.tag = page.tag();
    copy.encoding = page.encoding();
    copy.lineBreak = page.lineBreak();
    copy.time = QDateTime::currentDateTimeUtc();
    copy.source = page.editor()->Text();
    copy.objects = m_window.designer().objectsText(page);
    return copy;
}

void RecoveryManager::dropCopy(DocumentPage *page)
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
        DocumentPage *page = reopen(copy);
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

    if (reopened > 0) {
        m_window.enableDocumentCommands();
        m_window.enableOpenedFileCommands();
        const DocumentPage *active = m_window.activePage();
        const QString path = active ? active->documentPath() : QString();
        m_window.setStatusFolder(path.isEmpty() ? QString() : QFileInfo(path).absolutePath());
        m_window.FocusCurrentEditor();
    }
    return reopened;
}

DocumentPage *RecoveryManager::reopen(const RecoveryCopy &copy)
{
    // The designer reads a design from an objects file; a private one in a
    // temporary folder, gone once the page is built.
    QTemporaryDir temp;
    QString objectsPath;
    if (copy.kind == DocumentKind::SwingWindow && copy.objects) {
        QString error = QStringLiteral("Não foi possível criar uma pasta temporária.");
        objectsPath = temp.isValid() ? temp.filePath(QStringLiteral("recuperado.objects"))
                                     : QString();
        if (objectsPath.isEmpty()
            || !TextFile::writeBytes(objectsPath, TextFile::encodeObjects(*copy.objects), &error)) {
            messages::error(&m_window,
                            QStringLiteral("O documento %1 não pôde ser recuperado agora: %2\n\n"
                                           "A cópia de recuperação foi mantida.")
                                .arg(RecoveryDialog::documentName(copy), error));
            return nullptr;
        }
    }

    DocumentPage *page = m_window.CreateDocumentPage(copy.kind, objectsPath);
    page->setTag(copy.tag);
    page->setEncoding(copy.encoding);
    page->setLineBreak(copy.lineBreak);
    page->editor()->SetText(copy.source);

    QString caption = copy.caption;
    if (!caption.endsWith(QLatin1Char('*')))
        caption += QLatin1Char('*');
    m_window.setPageCaption(page, caption);
    // No later new document may take the number of one brought back.
    if (copy.documentPath().isEmpty())
        m_window.ensureDocumentCounterAtLeast(newDocumentNumber(caption));
    return page;
}

#include "app/debug_commands.h"

#include "app/document_manager.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/memory_view.h"
#include "app/run_commands.h"
#include "app/variables_panel.h"
#include "app/watch_panel.h"
#include "common/message_boxes.h"
#include "javatools/compiler_explanations.h"
#include "javatools/debug_session.h"
#include "javatools/program_run.h"
#include "javatools/runtime_errors.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kCodeChanged =
    QStringLiteral("O código foi alterado depois que a depuração começou: a linha destacada segue o "
                   "texto, mas o programa continua rodando o código compilado antes. Para depurar o "
                   "código novo, pare (Ctrl+F2), compile e depure de novo (Ctrl+F9).");
const QString kBreakpointRefused =
    QStringLiteral("Este ponto de parada não vale agora: o código do arquivo mudou depois que a "
                   "depuração começou, e as linhas não batem mais com o programa que está rodando. "
                   "Pare, compile e depure de novo para usá-lo.");

} // namespace

DebugCommands::DebugCommands(DocumentManager &documents, RunCommands &runs, FileCommands &files,
                             VariablesPanel &panel, QWidget *window)
    : m_documents(documents), m_runs(runs), m_files(files), m_panel(panel), m_window(window)
{
    connect(&panel, &VariablesPanel::frameChosen, this, &DebugCommands::showFrame);
    // A click in the gutter while the program runs reaches it too.
    connect(&documents, &DocumentManager::documentAdded, this, [this](JavaDocument *document) {
        connect(&document->marks(), &TextMarks::changed, this, [this, document] {
            takeBreakpoints(document);
            syncBreakpoints();
        });
        // Saved under a new name, the breakpoints go with it (a file being
        // opened gets its path before its breakpoints).
        connect(document, &JavaDocument::filePathChanged, this, [this, document] {
            if (!document->breakpointLines().isEmpty())
                takeBreakpoints(document);
        });
        connect(document, &JavaDocument::contentsChanged, this, [this, document] { noteEdited(document); });
        connect(document, &JavaDocument::breakpointRefused, this, [this](const QString &reason) {
            m_panel.setNote(reason);
            emit panelWanted();
        });
    });
    // A document closed with its changes thrown away leaves no breakpoints
    // behind: their lines were the changed text's, not the file's.
    connect(&documents, &DocumentManager::documentAboutToClose, this, [this](JavaDocument *document) {
        if (document->isModified())
            m_breakpoints.setLines(document->filePath(), {});
    });
    // A file opened again shows the breakpoints it had when it was closed.
    connect(&files, &FileCommands::fileOpened, this, [this] {
        if (JavaDocument *document = m_documents.active()) {
            QList<int> lines;
            for (const int line : m_breakpoints.linesOf(document->filePath()))
                lines.append(line - 1);
            document->setBreakpointLines(lines);
        }
    });
    connect(&panel, &VariablesPanel::expandRequested, this, [this](qint64 id, int first) {
        if (m_session)
            m_session->expand(id, first);
    });
    connect(&panel, &VariablesPanel::memoryWanted, this, [this](bool wanted) {
        if (m_session)
            m_session->setMemoryShown(wanted);
    });
    connect(panel.watches(), &WatchPanel::expressionsChanged, this, [this](const QStringList &expressions) {
        if (m_session)
            m_session->setWatches(expressions);
    });
}

DebugCommands::~DebugCommands() = default;

void DebugCommands::Debug()
{
    ProgramRun *run = m_runs.start(true);
    if (!run)
        return;
    finish();
    m_run = run;
    m_session = std::make_unique<DebugSession>(run->folder(), run->className());
    m_sent.clear();
    syncBreakpoints();

    DebugSession *session = m_session.get();
    session->setMemoryShown(m_panel.isMemoryShown());
    if (!m_panel.watches()->expressions().isEmpty())
        session->setWatches(m_panel.watches()->expressions());
    connect(session, &DebugSession::memoryShown, this, [this] {
        m_panel.memory()->showGraph(methodOf(m_session->memory().frame), m_session->memory());
    });
    connect(session, &DebugSession::watchesShown, this,
            [this] { m_panel.watches()->showValues(m_session->watches()); });
    connect(session, &DebugSession::breakpointMoved, this, &DebugCommands::moveBreakpoint);
    connect(run, &ProgramRun::agentListening, session, &DebugSession::attach);
    // Only this run's end ends this session, not the end of one stopped for it.
    connect(run, &ProgramRun::finished, this, [this, run] {
        if (m_run == run)
            finish();
    });
    connect(run, &QObject::destroyed, this, [this] {
        if (!m_run)
            finish();
    });
    connect(session, &DebugSession::paused, this, &DebugCommands::showStop);
    connect(session, &DebugSession::waitingForInput, this, [this] {
        clearLine();
        m_panel.showWaitingForInput();
        m_runs.focusConsole();
    });
    connect(session, &DebugSession::resumed, this, [this] {
        clearLine();
        m_panel.showRunning();
        emit pausedChanged(false);
    });
    connect(session, &DebugSession::variablesShown, this, [this](int frame) {
        const DebugFrame f = m_session->frames().value(frame);
        m_panel.showVariables(f.className + QLatin1Char('.') + f.method, m_session->variables());
    });
    connect(session, &DebugSession::expanded, &m_panel, &VariablesPanel::showChildren);
    connect(session, &DebugSession::breakpointDropped, this, [this](const QString &file, int line) {
        const QString path = QDir::cleanPath(QDir(m_run ? m_run->folder() : QString()).filePath(file));
        if (JavaDocument *document = m_documents.findByPath(path)) {
            document->removeBreakpoint(line - 1);
        } else {
            QList<int> lines = m_breakpoints.linesOf(path);
            lines.removeAll(line);
            m_breakpoints.setLines(path, lines);
        }
    });
    connect(session, &DebugSession::failed, this, [this](const QString &message) {
        if (m_run)
            m_run->stop();
        messages::warning(m_window, message);
    });
    m_panel.showRunning();
    emit panelWanted();
}

QString DebugCommands::methodOf(int frame) const
{
    const DebugFrame f = m_session ? m_session->frames().value(frame) : DebugFrame();
    return f.className + QLatin1Char('.') + f.method;
}

// A breakpoint on a line without code stands on the next line that has:
// its dot goes there, in the document or in the list of a closed file.
void DebugCommands::moveBreakpoint(const QString &file, int line, int to)
{
    // The helper has it at its new line already: nothing to send again.
    if (m_sent.remove({file, line}))
        m_sent.insert({file, to});
    const auto moved = [](QList<int> lines, int from, int to) {
        lines.removeAll(from);
        if (!lines.contains(to))
            lines.append(to);
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    const QString path = QDir::cleanPath(QDir(m_run ? m_run->folder() : QString()).filePath(file));
    if (JavaDocument *document = m_documents.findByPath(path))
        document->setBreakpointLines(moved(document->breakpointLines(), line - 1, to - 1));
    else
        m_breakpoints.setLines(path, moved(m_breakpoints.linesOf(path), line, to));
}

void DebugCommands::takeBreakpoints(const JavaDocument *document)
{
    QList<int> lines;
    for (const int line : document->breakpointLines())
        lines.append(line + 1);
    m_breakpoints.setLines(document->filePath(), lines);
}

// The breakpoints of the files of the program's folder, open or closed; a
// document edited since the program started keeps what was sent, since its
// lines no longer match the running code.
DebugCommands::Breakpoints DebugCommands::breakpointsOfFolder() const
{
    Breakpoints result;
    QSet<QString> edited;
    for (JavaDocument *document : m_documents.documents()) {
        if (!document->filePath().isEmpty() && document->isModified()
            && QFileInfo(document->folder()) == QFileInfo(m_run->folder()))
            edited.insert(QFileInfo(document->filePath()).fileName());
    }
    for (const QString &path : m_breakpoints.paths()) {
        const QFileInfo info(path);
        if (QFileInfo(info.absolutePath()) != QFileInfo(m_run->folder()) || edited.contains(info.fileName()))
            continue;
        for (const int line : m_breakpoints.linesOf(path))
            result.insert({info.fileName(), line});
    }
    for (const auto &breakpoint : m_sent) {
        if (edited.contains(breakpoint.first))
            result.insert(breakpoint);
    }
    return result;
}

void DebugCommands::syncBreakpoints()
{
    if (!m_session || !m_run)
        return;
    const Breakpoints now = breakpointsOfFolder();
    for (const auto &[file, line] : m_sent - now)
        m_session->removeBreakpoint(file, line);
    for (const auto &[file, line] : now - m_sent)
        m_session->addBreakpoint(file, line);
    m_sent = now;
}

void DebugCommands::StepOver()
{
    if (m_session)
        m_session->stepOver();
}

void DebugCommands::StepInto()
{
    if (m_session)
        m_session->stepInto();
}

void DebugCommands::StepOut()
{
    if (m_session)
        m_session->stepOut();
}

void DebugCommands::Continue()
{
    if (m_session)
        m_session->resume();
}

void DebugCommands::RunToCursor()
{
    JavaDocument *document = m_documents.active();
    if (!document || document->caretLine() < 1)
        return;
    const QString file = QFileInfo(document->filePath()).fileName();
    const int line = document->caretLine();
    if (m_session && m_run && !m_run->hasEnded()) {
        if (QFileInfo(document->folder()) != QFileInfo(m_run->folder())) {
            m_panel.setNote(QStringLiteral("Este arquivo não faz parte do programa em depuração: "
                                           "\"Executar até aqui\" vale para os arquivos da pasta dele."));
            emit panelWanted();
            return;
        }
        m_session->runTo(file, line);
        return;
    }
    Debug();
    if (m_session)
        m_session->runTo(file, line);
}

void DebugCommands::showStop()
{
    const DebugSession &session = *m_session;
    const QString folder = m_run ? m_run->folder() : QString();
    const RunFacts facts{[folder](const QString &file) { return QFileInfo(QDir(folder).filePath(file)).isFile(); },
                         m_run ? m_run->lastInput() : std::nullopt, folder};
    QList<ShownFrame> frames = DebugView::framesOf(session.frames(), facts);
    if (session.framesLeft() > 0)
        frames.append({-1, QStringLiteral("… e mais %1 chamadas").arg(session.framesLeft()), false});
    const QString where = DebugView::stopText(session, facts);
    const DebugFrame shown = session.frames().value(session.frameShown());
    m_panel.showStop(where, frames, session.frameShown(), shown.className + QLatin1Char('.') + shown.method,
                     session.variables());
    showLine(session.file(), session.line());
    emit pausedChanged(true);
}

void DebugCommands::showFrame(int index)
{
    if (!m_session || !m_session->isPaused())
        return;
    m_session->selectFrame(index);
    const DebugFrame frame = m_session->frames().value(index);
    showLine(frame.file, frame.line);
}

// The line lit up in its document, which comes forward (opened when it is a
// file of the program's folder not open yet).
void DebugCommands::showLine(const QString &file, int line)
{
    clearLine();
    if (!m_run || file.isEmpty() || line <= 0)
        return;
    JavaDocument *document = m_files.bringForward(QDir(m_run->folder()).filePath(file));
    if (!document)
        return;
    document->setExecutionLine(line - 1);
    m_lit = document;
}

void DebugCommands::clearLine()
{
    if (m_lit)
        m_lit->setExecutionLine(-1);
    m_lit = nullptr;
}

// The code shown no longer matches the running program: said once in the
// panel, and new breakpoints in that file are refused until the next session.
void DebugCommands::noteEdited(JavaDocument *document)
{
    if (!m_session || !m_run || m_edited.contains(document) || document->isCompiledAsShown()
        || QFileInfo(document->folder()) != QFileInfo(m_run->folder()))
        return;
    m_edited.append(document);
    document->refuseNewBreakpoints(kBreakpointRefused);
    m_panel.setNote(kCodeChanged);
}

void DebugCommands::finish()
{
    clearLine();
    for (JavaDocument *document : std::exchange(m_edited, {})) {
        if (document)
            document->refuseNewBreakpoints({});
    }
    if (!m_session)
        return;
    // The session may be the sender: it goes once its signal is done.
    m_session.release()->deleteLater();
    m_run = nullptr;
    m_panel.showEnded();
    emit pausedChanged(false);
}

#include "javatools/program_run.h"

#include "javatools/debug_session.h"
#include "javatools/source_tokens.h"
#include "javatools/student_process.h"

#include <QDir>


namespace {

QString seconds(qint64 ms)
{
    return QString::number(ms / 1000.0, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

constexpr int kFlushInterval = 30; // ms

bool joins(RunOutput::Kind kind)
{
    return kind == RunOutput::Kind::Output || kind == RunOutput::Kind::Error;
}

} // namespace

ProgramRun::ProgramRun(const QString &folder, const QString &className, QObject *parent)
    : QObject(parent), m_folder(folder), m_className(className)
{
    // Output is handed on in batches, so that a program that prints without
    // end costs the window a few repaints a second, not one per line.
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, &ProgramRun::flush);
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setInterval(150);
    connect(&m_quietTimer, &QTimer::timeout, this, [this] { takeErrorLines(true); });
}

bool ProgramRun::declaresMain(const QStringList &sourceLines)
{
    const SourceTokens tokens(sourceLines);
    for (int i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens.at(i).is("main") && tokens.at(i).isName() && tokens.at(i - 1).isKeyword("void")
            && tokens.at(i + 1).is("("))
            return true;
    }
    return false;
}

ProgramRun::~ProgramRun()
{
    if (!isRunning())
        return;
    m_process.disconnect(this);
    killGroup();
    m_process.waitForFinished(2000);
    // The console outlives the run (its document was closed): a last word.
    emit output({RunOutput{RunOutput::Kind::Note,
                           QStringLiteral("— Programa interrompido: o documento foi fechado —\n"), {}, {}, 0}});
}

void ProgramRun::setDebugAgent(const QStringList &options)
{
    m_agentOptions = options;
    m_awaitingAgent = !options.isEmpty();
}

void ProgramRun::start(const QString &java)
{
    const QStringList sources = QDir(m_folder).entryList({QStringLiteral("*.java")}, QDir::Files);
    m_studentFiles = QSet<QString>(sources.begin(), sources.end());
    m_process.setWorkingDirectory(m_classPathRoot.isEmpty() ? m_folder : m_classPathRoot);
    // A group of its own: stopping the run reaches whatever the program
    // started. And it dies with Tavessa, even when Tavessa is killed.
    studentprocess::runInOwnGroup(m_process);
    // The program's text in UTF-8 both ways, whatever the machine's language.
    m_process.setArguments(m_agentOptions + m_machineOptions + studentprocess::utf8Options()
                           + QStringList{m_className});
    m_process.setProgram(java);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ProgramRun::readOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &ProgramRun::readErrors);
    connect(&m_process, &QProcess::started, this, [this] { m_pid = m_process.processId(); });
    connect(&m_process, &QProcess::finished, this, &ProgramRun::end);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end();
    });
    add(RunOutput::Kind::Note,
        (isDebugged() ? QStringLiteral("— Depurando %1 —\n") : QStringLiteral("— Executando %1 —\n")).arg(m_className));
    m_clock.start();
    m_process.start();
}

void ProgramRun::sendLine(const QString &line)
{
    if (!isInputOpen())
        return;
    add(RunOutput::Kind::Input, line + QLatin1Char('\n'));
    m_process.write(line.toUtf8() + '\n');
    m_lastInput = line;
    flush();
}

void ProgramRun::closeInput()
{
    if (!isInputOpen())
        return;
    m_inputOpen = false;
    m_process.closeWriteChannel();
    add(RunOutput::Kind::Note, QStringLiteral("— Fim da entrada (Ctrl+D) —\n"));
    flush();
}

void ProgramRun::stop()
{
    if (!isRunning())
        return;
    m_stopped = true;
    killGroup();
}

void ProgramRun::killGroup()
{
    studentprocess::killGroup(m_pid, m_process);
}

void ProgramRun::readOutput()
{
    QString text = m_outDecoder(m_process.readAllStandardOutput());
    if (m_awaitingAgent) {
        // The agent's first line says where it listens; the student's
        // program has printed nothing yet.
        m_agentLine += std::exchange(text, QString());
        const qsizetype end = m_agentLine.indexOf(QLatin1Char('\n'));
        if (end < 0)
            return;
        m_awaitingAgent = false;
        const int port = DebugSession::agentPort(m_agentLine.left(end));
        text = port > 0 ? m_agentLine.mid(end + 1) : m_agentLine;
        m_agentLine.clear();
        if (port > 0)
            emit agentListening(port);
    }
    add(RunOutput::Kind::Output, text);
}

void ProgramRun::readErrors()
{
    m_errPartial += m_errDecoder(m_process.readAllStandardError());
    takeErrorLines(false);
    // No trace has lines that long: what waits for its line break goes on.
    if (m_errPartial.size() >= PieceChars)
        add(RunOutput::Kind::Error, std::exchange(m_errPartial, QString()));
    m_quietTimer.start();
}

// Error output goes on in whole lines, each shown to the trace reader first:
// an explanation lands right after the trace it explains. With `all`, the
// output has paused or ended, and what is left (a prompt, a trace) is whole.
void ProgramRun::takeErrorLines(bool all)
{
    qsizetype from = 0;
    for (qsizetype end = m_errPartial.indexOf(QLatin1Char('\n')); end >= 0;
         end = m_errPartial.indexOf(QLatin1Char('\n'), from)) {
        QString line = m_errPartial.mid(from, end - from);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (const std::optional<RuntimeError> error = m_reader.feed(line))
            explain(*error);
        add(RunOutput::Kind::Error, line + QLatin1Char('\n'));
        from = end + 1;
    }
    m_errPartial.remove(0, from);
    if (!all)
        return;
    if (!m_errPartial.isEmpty()) {
        if (const std::optional<RuntimeError> error = m_reader.feed(m_errPartial))
            explain(*error);
        add(RunOutput::Kind::Error, std::exchange(m_errPartial, QString()));
    }
    if (const std::optional<RuntimeError> error = m_reader.finish())
        explain(*error);
}

void ProgramRun::explain(const RuntimeError &error)
{
    if (m_explanations.size() >= MaxExplanations)
        return;
    const RunFacts facts{[this](const QString &file) { return m_studentFiles.contains(file); },
                         m_lastInput, m_folder};
    const std::optional<RuntimeExplanation> found = RuntimeExplanations::standard().explain(error, facts);
    if (!found)
        return;
    RunOutput piece{RunOutput::Kind::Explanation,
                    CompilerExplanations::linePrefix() + found->text + QLatin1Char('\n'), found->id,
                    found->file.isEmpty() ? QString() : QDir(m_folder).absoluteFilePath(found->file),
                    found->line};
    m_explanations.append(piece);
    m_pending.append(piece);
    ++m_pendingLines;
    m_column = 0;
    if (!m_flushTimer.isActive())
        m_flushTimer.start(kFlushInterval);
}

void ProgramRun::add(RunOutput::Kind kind, const QString &given)
{
    if (given.isEmpty())
        return;
    const QString text = inPieces(given);
    if (!m_pending.isEmpty() && m_pending.last().kind == kind && joins(kind))
        m_pending.last().text += text;
    else
        m_pending.append(RunOutput{kind, text, {}, {}, 0});
    m_pendingLines += int(text.count(QLatin1Char('\n')));
    if (m_pendingLines > MaxLines)
        trimPending();
    if (!m_flushTimer.isActive())
        m_flushTimer.start(kFlushInterval);
}

// Breaks the text where the line shown would pass PieceChars characters.
QString ProgramRun::inPieces(const QString &text)
{
    QString pieces;
    qsizetype from = 0;
    qsizetype end = -1; // the next line break at or after `from`, once looked for
    while (from < text.size()) {
        const qsizetype room = PieceChars - m_column;
        if (end < from)
            end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size() + 1; // none: looked for once
        const bool breakAhead = end < text.size();
        if (breakAhead && end - from <= room) {
            pieces += QStringView(text).mid(from, end + 1 - from);
            m_column = 0;
            from = end + 1;
        } else if (text.size() - from <= room && !breakAhead) {
            pieces += QStringView(text).mid(from);
            m_column += int(text.size() - from);
            from = text.size();
        } else {
            pieces += QStringView(text).mid(from, room);
            pieces += QLatin1Char('\n');
            m_column = 0;
            from += room;
        }
    }
    return pieces;
}

// Keeps the last MaxLines lines of what waits to be shown: the console would
// drop the older ones anyway, and a flood costs no more than a screenful.
void ProgramRun::trimPending()
{
    while (m_pending.size() > 1) {
        const int first = int(m_pending.first().text.count(QLatin1Char('\n')));
        if (m_pendingLines - first < MaxLines)
            break;
        m_pendingLines -= first;
        m_pending.removeFirst();
    }
    QString &text = m_pending.first().text;
    qsizetype cut = 0;
    for (int excess = m_pendingLines - MaxLines; excess > 0; --excess)
        cut = text.indexOf(QLatin1Char('\n'), cut) + 1;
    text.remove(0, cut);
    m_pendingLines = qMin(m_pendingLines, MaxLines);
}

// Hands on at most BatchLines lines at a time; the rest follows once the
// window has had its turn, so that a keystroke never waits for a whole
// screenful of a flood to be laid out.
void ProgramRun::flush()
{
    m_flushTimer.stop();
    if (m_pending.isEmpty())
        return;
    QList<RunOutput> batch;
    int lines = 0;
    qsizetype chars = 0;
    while (!m_pending.isEmpty() && lines < BatchLines && chars < BatchChars) {
        RunOutput &first = m_pending.first();
        qsizetype cut = 0;
        int taken = 0;
        bool full = false;
        for (;;) {
            const qsizetype next = first.text.indexOf(QLatin1Char('\n'), cut);
            if (next < 0)
                break;
            // At least one line goes, however long.
            full = taken == BatchLines - lines || (chars + next + 1 > BatchChars && (chars > 0 || taken > 0));
            if (full)
                break;
            cut = next + 1;
            ++taken;
        }
        if (!full || cut == first.text.size()) {
            // The tail after the last line break is shorter than a piece.
            lines += taken;
            chars += first.text.size();
            batch.append(m_pending.takeFirst());
        } else if (cut == 0) {
            break;
        } else {
            RunOutput part = first;
            part.text = first.text.left(cut);
            first.text.remove(0, cut);
            batch.append(part);
            lines += taken;
            chars += cut;
        }
    }
    m_pendingLines = qMax(0, m_pendingLines - lines);
    if (!m_pending.isEmpty())
        m_flushTimer.start(kFlushInterval);
    emit output(batch);
    // The run is over once its last words are on their way.
    if (m_pending.isEmpty() && m_processEnded && !m_ended) {
        m_ended = true;
        emit finished();
    }
}

void ProgramRun::end()
{
    if (m_processEnded)
        return;
    m_processEnded = true;
    m_elapsedMs = m_clock.elapsed();
    m_quietTimer.stop();
    readOutput();
    m_errPartial += m_errDecoder(m_process.readAllStandardError());
    takeErrorLines(true);
    // Whatever the program left behind in its group goes with it.
    killGroup();
    QString note;
    if (m_process.error() == QProcess::FailedToStart) {
        note = QStringLiteral("Não foi possível iniciar o java: %1").arg(m_process.errorString());
    } else if (m_stopped) {
        note = QStringLiteral("— Programa interrompido (Parar) depois de %1 s —").arg(seconds(m_elapsedMs));
    } else if (m_process.exitStatus() == QProcess::CrashExit) {
        note = QStringLiteral("— O programa foi encerrado pelo sistema depois de %1 s —").arg(seconds(m_elapsedMs));
    } else {
        m_exitCode = m_process.exitCode();
        note = QStringLiteral("— Programa terminado com código de saída %1 em %2 s —")
                   .arg(m_exitCode)
                   .arg(seconds(m_elapsedMs));
    }
    add(RunOutput::Kind::Note, note + QLatin1Char('\n'));
    flush();
}

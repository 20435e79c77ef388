#include "javatools/compile_helper.h"

#include "javatools/helper_protocol.h"
#include "javatools/process_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

using helperprotocol::escaped;
using helperprotocol::unescaped;

// "diag" fields: kind, code, line, column, start, end, file, arguments...
CompilerDiagnostic diagnosticOf(QByteArrayView fields)
{
    const QList<QByteArray> parts = fields.toByteArray().split('\t');
    CompilerDiagnostic d;
    d.kind = unescaped(parts.value(0));
    d.code = unescaped(parts.value(1));
    d.line = parts.value(2).toInt();
    d.column = parts.value(3).toInt();
    d.start = parts.value(4).toLongLong();
    d.end = parts.value(5).toLongLong();
    d.file = unescaped(parts.value(6));
    for (qsizetype i = 7; i < parts.size(); ++i)
        d.arguments.append(unescaped(parts.at(i)));
    return d;
}

} // namespace

CompileHelper::CompileHelper(const QString &jarPath)
    : m_jarPath(jarPath.isEmpty()
                    ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tavessa-compiler.jar"))
                    : jarPath)
{
}

CompileHelper::~CompileHelper()
{
    stop();
}

bool CompileHelper::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

qint64 CompileHelper::processId() const
{
    return isRunning() ? m_process->processId() : 0;
}

void CompileHelper::start()
{
    if (isRunning())
        return;
    stop();
    const QString java = ProcessRunner::findProgram(QStringLiteral("java"));
    if (java.isEmpty() || !QFileInfo(m_jarPath).isFile())
        return;
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(java);
    m_process->setArguments({QStringLiteral("-Xmx%1m").arg(HeapLimitMb),
                             QStringLiteral("-XX:MaxMetaspaceSize=%1m").arg(HeapLimitMb),
                             QStringLiteral("-XX:+UseSerialGC"),
                             QStringLiteral("-XX:TieredStopAtLevel=1"),
                             QStringLiteral("-Duser.language=en"),
                             QStringLiteral("-Dfile.encoding=UTF-8"),
                             QStringLiteral("-jar"), m_jarPath});
    // Only the protocol on standard output; the machine's own complaints go.
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->start();
    m_ready = false;
}

void CompileHelper::stop()
{
    if (!m_process)
        return;
    m_process->kill();
    m_process->waitForFinished(3000);
    m_process.reset();
    m_pending.clear();
    m_ready = false;
}

std::optional<QByteArray> CompileHelper::readLine(QDeadlineTimer deadline)
{
    for (;;) {
        const qsizetype end = m_pending.indexOf('\n');
        if (end >= 0) {
            QByteArray line = m_pending.left(end);
            m_pending.remove(0, end + 1);
            return line;
        }
        if (!isRunning() || deadline.hasExpired())
            return std::nullopt;
        m_process->waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)));
        m_pending += m_process->readAllStandardOutput();
    }
}

std::optional<CompileHelper::Outcome> CompileHelper::compile(const QString &folder,
                                                             const QString &fileName,
                                                             const QByteArray &encoding,
                                                             QDeadlineTimer deadline)
{
    start();
    if (!isRunning() && !m_process)
        return std::nullopt;
    if (m_process->state() == QProcess::Starting && !m_process->waitForStarted(5000)) {
        stop();
        return std::nullopt;
    }
    // A helper that answered nothing sensible is not asked again.
    const auto broken = [this] {
        stop();
        return std::nullopt;
    };
    while (!m_ready) {
        const std::optional<QByteArray> line = readLine(deadline);
        if (!line || *line == "nocompiler")
            return broken();
        m_ready = *line == "ready";
    }

    m_process->write("compile\ndir " + escaped(folder) + "\nfile " + escaped(fileName)
                     + "\nencoding " + escaped(QString::fromLatin1(encoding)) + "\nend\n");
    Outcome outcome;
    for (;;) {
        const std::optional<QByteArray> line = readLine(deadline);
        if (!line)
            return broken();
        const QByteArrayView view(*line);
        if (view.startsWith("text ")) {
            outcome.lines.append(unescaped(view.sliced(5)));
        } else if (view.startsWith("diag ")) {
            outcome.diagnostics.append(diagnosticOf(view.sliced(5)));
        } else if (view == "result ok" || view == "result fail") {
            outcome.succeeded = view == "result ok";
            return outcome;
        } else {
            return broken();
        }
    }
}

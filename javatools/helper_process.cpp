#include "javatools/helper_process.h"

#include "javatools/process_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

std::optional<QByteArray> LineBuffer::next()
{
    const qsizetype end = m_pending.indexOf('\n');
    if (end < 0)
        return std::nullopt;
    QByteArray line = m_pending.left(end);
    m_pending.remove(0, end + 1);
    return line;
}

namespace {

// Where the helpers' jars lie: beside the program, as installed, unless
// TAVESSA_HELPERS names another folder.
QString helpersFolder()
{
    const QString asked = qEnvironmentVariable("TAVESSA_HELPERS");
    return asked.isEmpty() ? QCoreApplication::applicationDirPath() : asked;
}

} // namespace

HelperProcess::HelperProcess(const QString &jarName, const QString &jarPath, const QStringList &vmOptions,
                             Reading reading, QObject *parent)
    : QObject(parent), m_jarPath(jarPath.isEmpty() ? QDir(helpersFolder()).filePath(jarName) : jarPath),
      m_vmOptions(vmOptions), m_reading(reading)
{
}

HelperProcess::~HelperProcess()
{
    stop();
}

bool HelperProcess::start()
{
    if (isRunning())
        return true;
    stop();
    const QString java = ProcessRunner::findProgram(QStringLiteral("java"));
    if (java.isEmpty() || !QFileInfo(m_jarPath).isFile())
        return false;
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(java);
    m_process->setArguments(m_vmOptions + QStringList{QStringLiteral("-jar"), m_jarPath});
    // Only the protocol on standard output; the machine's own complaints go.
    m_process->setStandardErrorFile(QProcess::nullDevice());
    // The helper dies with Tavessa, even when Tavessa is killed.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    // Read by waiting, the output stays in the process's buffer until then.
    if (m_reading == Reading::AsItComes) {
        connect(m_process.get(), &QProcess::readyReadStandardOutput, this,
                [this] { emit output(m_process->readAllStandardOutput()); });
    }
    connect(m_process.get(), &QProcess::finished, this, &HelperProcess::finished);
    connect(m_process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit failedToStart();
    });
    m_process->start();
    return true;
}

void HelperProcess::stop()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(3000);
    m_process.reset();
    m_lines.clear();
}

bool HelperProcess::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

bool HelperProcess::waitForStarted(int milliseconds)
{
    return m_process && (m_process->state() == QProcess::Running || m_process->waitForStarted(milliseconds));
}

qint64 HelperProcess::processId() const
{
    return isRunning() ? m_process->processId() : 0;
}

void HelperProcess::write(const QByteArray &bytes)
{
    if (m_process)
        m_process->write(bytes);
}

std::optional<QByteArray> HelperProcess::readLine(QDeadlineTimer deadline)
{
    for (;;) {
        if (m_process)
            m_lines.add(m_process->readAllStandardOutput());
        if (std::optional<QByteArray> line = m_lines.next())
            return line;
        if (!isRunning() || deadline.hasExpired())
            return std::nullopt;
        m_process->waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)));
    }
}

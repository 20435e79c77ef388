#include "javatools/process_runner.h"

#include <QFileInfo>
#include <QStandardPaths>

QString ProcessRunner::findProgram(const QString &program)
{
    if (program.isEmpty())
        return {};
    if (!program.contains(QLatin1Char('/')))
        return QStandardPaths::findExecutable(program);
    const QFileInfo file(program);
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}

ProcessRunner::Result ProcessRunner::run(const ProcessCommand &command, int timeLimitMs)
{
    Result result;
    // Looked up here, on this process's own search path, so that a missing
    // program is told apart from one that starts and fails.
    const QString program = findProgram(command.program);
    if (program.isEmpty())
        return result;

    m_process.setProgram(program);
    m_process.setArguments(command.arguments);
    m_process.setWorkingDirectory(command.workingFolder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.start();
    if (!m_process.waitForStarted())
        return result;

    // A process that ends while being waited for may still answer false (a
    // crash, for one), so its state decides.
    m_process.waitForFinished(timeLimitMs);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
        result.outcome = Outcome::TimedOut;
    } else {
        result.outcome = m_process.exitStatus() == QProcess::NormalExit ? Outcome::Finished
                                                                         : Outcome::Crashed;
        result.exitCode = m_process.exitCode();
    }
    result.output = m_process.readAll();
    return result;
}

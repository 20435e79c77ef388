#include "javatools/javac_compiler.h"

#include "javatools/compile_command.h"
#include "javatools/compile_helper.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// javac's text as lines, without the break after the last one.
QStringList linesOf(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool writeCommandRecord(const QString &path, const QString &commandLine, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(commandLine.toUtf8()) >= 0
        && file.commit())
        return true;
    *error = QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                 .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

} // namespace

JavacCompiler::JavacCompiler(int timeLimitMs, CompileHelper *helper)
    : m_messageFolder(QDir::tempPath() + QStringLiteral("/tavessa-XXXXXX")),
      m_timeLimitMs(timeLimitMs), m_helper(helper)
{
}

QString JavacCompiler::messageFilePath() const
{
    if (!m_messageFolder.isValid())
        return {};
    return m_messageFolder.filePath(QString::fromLatin1(MessageFileName));
}

JavacCompiler::Result JavacCompiler::compile(const QString &sourcePath,
                                             const QByteArray &encoding)
{
    Result result;
    const QFileInfo source(sourcePath);
    const QString messageFile = messageFilePath();
    if (messageFile.isEmpty()) {
        result.verdict = Verdict::FileError;
        result.error = QStringLiteral("Não foi possível criar uma pasta temporária para as "
                                      "mensagens do compilador: %1")
                           .arg(m_messageFolder.errorString());
        return result;
    }

    const CompileCommand command(encoding, messageFile, source.fileName(), source.absolutePath());
    result.commandLine = command.commandLine();
    const QString record = QDir(source.absolutePath()).filePath(QString::fromLatin1(CommandRecordName));
    if (!writeCommandRecord(record, result.commandLine, &result.error)) {
        result.verdict = Verdict::FileError;
        return result;
    }

    const QDeadlineTimer deadline(m_timeLimitMs);
    if (m_helper) {
        if (const std::optional<CompileHelper::Outcome> warm =
                m_helper->compile(source.absolutePath(), command.sourceArgument(), encoding, deadline)) {
            result.verdict = warm->succeeded ? Verdict::Succeeded : Verdict::Failed;
            result.messages = warm->lines;
            result.diagnostics = warm->diagnostics;
            return result;
        }
    }

    // Left over from a compile that was stopped: never show old messages.
    QFile::remove(messageFile);
    const ProcessRunner::Result run = m_runner.run(command.processCommand(), m_timeLimitMs);
    switch (run.outcome) {
    case ProcessRunner::Outcome::FailedToStart:
        result.verdict = Verdict::NotStarted;
        return result;
    case ProcessRunner::Outcome::TimedOut:
        result.verdict = Verdict::TimedOut;
        break;
    case ProcessRunner::Outcome::Crashed:
        result.verdict = Verdict::Failed;
        break;
    case ProcessRunner::Outcome::Finished:
        result.verdict = run.exitCode == 0 ? Verdict::Succeeded : Verdict::Failed;
        break;
    }

    QFile messages(messageFile);
    if (messages.open(QIODevice::ReadOnly))
        result.messages = linesOf(messages.readAll());
    messages.close();
    QFile::remove(messageFile);
    // What did not go through -Xstdout: the virtual machine's own complaints.
    result.messages += linesOf(run.output);
    return result;
}

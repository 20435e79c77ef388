#include "javatools/compile_command.h"

#include <QDir>

QString Q(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

CompileCommand::CompileCommand(const QByteArray &encoding, const QString &messageFile,
                               const QString &sourceName, const QString &workingFolder)
    : m_encoding(QString::fromLatin1(encoding)),
      m_messageFile(QDir::toNativeSeparators(messageFile)),
      m_sourceName(sourceName),
      m_workingFolder(workingFolder)
{
}

QString CompileCommand::sourceArgument() const
{
    if (m_sourceName.startsWith(QLatin1Char('-')))
        return QStringLiteral("./") + m_sourceName;
    return m_sourceName;
}

QString CompileCommand::commandLine() const
{
    return QStringLiteral("javac -encoding ") + m_encoding + QStringLiteral(" -g -Xstdout ")
           + Q(m_messageFile) + QLatin1Char(' ') + Q(sourceArgument());
}

ProcessCommand CompileCommand::processCommand() const
{
    return {QStringLiteral("javac"),
            {QStringLiteral("-J-Duser.language=en"), QStringLiteral("-J-Dfile.encoding=UTF-8"),
             QStringLiteral("-encoding"), m_encoding, QStringLiteral("-g"), QStringLiteral("-Xstdout"),
             m_messageFile,
             sourceArgument()},
            m_workingFolder};
}

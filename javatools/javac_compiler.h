#pragma once

#include "javatools/process_runner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// One compile of a source file with javac, from the command line to the
// compiler's messages. The message file E ("err.x") lives in a private
// temporary folder of this process, so that two programs compiling at once
// never share it, and it is deleted after every compile; "comp.bat" in the
// source's folder records the command line.
class JavacCompiler
{
public:
    static constexpr int TimeLimitMs = 30000;
    static constexpr const char *MessageFileName = "err.x";
    static constexpr const char *CommandRecordName = "comp.bat";

    enum class Verdict {
        Succeeded,  // javac ended with status 0 (notes and warnings allowed)
        Failed,     // javac ended with another status, or crashed
        TimedOut,   // javac was stopped at the time limit
        NotStarted, // javac could not be started
        FileError,  // comp.bat or E could not be written: nothing was started
    };

    struct Result
    {
        Verdict verdict = Verdict::NotStarted;
        // E's lines, then anything the compiler printed besides.
        QStringList messages;
        QString commandLine;
        // What went wrong, for FileError.
        QString error;
    };

    explicit JavacCompiler(int timeLimitMs = TimeLimitMs);

    // Compiles `sourcePath` in its own folder, reading it as `encoding`.
    Result compile(const QString &sourcePath, const QByteArray &encoding);

    int timeLimitMs() const { return m_timeLimitMs; }
    // E; empty when no private folder could be made.
    QString messageFilePath() const;

private:
    QTemporaryDir m_messageFolder;
    ProcessRunner m_runner;
    int m_timeLimitMs;
};

#pragma once

#include "javatools/compiler_diagnostic.h"
#include "javatools/process_runner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class CompileHelper;

// One compile of a source file, from the command line to the compiler's
// messages. With a compile helper the warm compiler does it; without one, or
// when the helper fails, javac is started as a program of its own, its
// messages going to the message file E ("err.x") in a private temporary
// folder of this process (two programs compiling at once never share it,
// and it is deleted after every compile). Either way "comp.bat" in the
// source's folder records the javac command line, and the messages are the
// same.
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
        // Each message as data (from the helper; empty when javac ran alone).
        CompilerDiagnostics diagnostics;
        QString commandLine;
        // What went wrong, for FileError.
        QString error;
    };

    // `helper` (owned elsewhere) compiles first when given.
    explicit JavacCompiler(int timeLimitMs = TimeLimitMs, CompileHelper *helper = nullptr);

    // Compiles `sourcePath` in its own folder, reading it as `encoding`.
    Result compile(const QString &sourcePath, const QByteArray &encoding);

    int timeLimitMs() const { return m_timeLimitMs; }
    // E; empty when no private folder could be made.
    QString messageFilePath() const;

private:
    QTemporaryDir m_messageFolder;
    ProcessRunner m_runner;
    int m_timeLimitMs;
    CompileHelper *m_helper;
};

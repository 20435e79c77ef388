#pragma once

#include "javatools/process_command.h"

#include <QByteArray>
#include <QProcess>

// Runs one external program to its end, or stops it at a time limit. The
// caller waits: the program has no input, and what it prints is collected.
class ProcessRunner
{
public:
    enum class Outcome { Finished, FailedToStart, TimedOut, Crashed };
    struct Result
    {
        Outcome outcome = Outcome::FailedToStart;
        int exitCode = -1;
        // Standard output and standard error, in the order they came.
        QByteArray output;
    };

    Result run(const ProcessCommand &command, int timeLimitMs);

    // The program as it would be started: a bare name is looked up on the
    // search path; empty when there is nothing to start.
    static QString findProgram(const QString &program);

private:
    QProcess m_process;
};

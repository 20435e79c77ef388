#pragma once

#include <QProcess>
#include <QStringList>

// How a student's program runs: in a process group of its own, so that
// ending it ends everything it started, dying with Tavessa however Tavessa
// ends, and with its text in UTF-8 both ways whatever the machine's language.
namespace studentprocess {

// Sets `process` to start so; before QProcess::start.
void runInOwnGroup(QProcess &process);
// Ends the group led by `pid` (0: nothing) and `process` itself.
void killGroup(qint64 pid, QProcess &process);
// The java launcher's options for UTF-8 output and error output.
QStringList utf8Options();

} // namespace studentprocess

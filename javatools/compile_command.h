#pragma once

#include "javatools/process_command.h"

#include <QByteArray>
#include <QString>

// `text` in double quotes, every double quote inside it doubled: how an
// argument is written in the recorded command line.
QString Q(const QString &text);

// The javac command for one source file: the messages go to the message file
// E through -Xstdout, the source is read in the document's own encoding, the
// class files carry the names of variables (-g, for the messages of a run),
// and the compiler runs in the source's folder, where its class files land.
class CompileCommand
{
public:
    CompileCommand(const QByteArray &encoding, const QString &messageFile,
                   const QString &sourceName, const QString &workingFolder);

    // "javac -encoding <enc> -g -Xstdout " + Q(E) + " " + Q(C): what
    // "comp.bat" records.
    QString commandLine() const;
    // The same command as program and arguments, never through a shell. The
    // compiler's own virtual machine is asked for English messages written in
    // UTF-8, whatever the machine's locale.
    ProcessCommand processCommand() const;
    // C as javac gets it: a name that starts with "-" gets "./" in front, so
    // that it is never taken for an option.
    QString sourceArgument() const;

private:
    QString m_encoding;
    QString m_messageFile;
    QString m_sourceName;
    QString m_workingFolder;
};

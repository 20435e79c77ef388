#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A terminal emulator found on the search path, and the arguments that make
// it run a command (the command's own arguments follow them, one by one).
struct Terminal
{
    QString program;
    QStringList runPrefix;

    // The first of x-terminal-emulator, xterm and the usual desktop terminals
    // that is on the search path.
    static std::optional<Terminal> find();

    // Starts the terminal in `folder` running `command` (program, then its
    // arguments), without waiting; false when nothing could be started.
    bool run(const QStringList &command, const QString &folder) const;
    // Starts the terminal with its shell in `folder`, without waiting.
    bool open(const QString &folder) const;
};

#include "javatools/terminal.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

// The terminals looked for, in order, with the option after which the rest of
// the arguments is the command to run. Terminals that take the command as
// one string for a shell to split are left out on purpose.
struct KnownTerminal
{
    const char *program;
    const char *runOption;
};

constexpr KnownTerminal kTerminals[] = {
    {"x-terminal-emulator", "-e"}, {"xterm", "-e"},         {"gnome-terminal", "--"},
    {"konsole", "-e"},             {"xfce4-terminal", "-x"}, {"mate-terminal", "-x"},
    {"terminator", "-x"},          {"alacritty", "-e"},      {"urxvt", "-e"},
    {"kitty", nullptr},
};

} // namespace

std::optional<Terminal> Terminal::find()
{
    for (const KnownTerminal &known : kTerminals) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(known.program));
        if (path.isEmpty())
            continue;
        Terminal terminal{path, {}};
        if (known.runOption)
            terminal.runPrefix << QString::fromLatin1(known.runOption);
        return terminal;
    }
    return std::nullopt;
}

bool Terminal::run(const QStringList &command, const QString &folder) const
{
    if (command.isEmpty())
        return false;
    return QProcess::startDetached(program, runPrefix + command, folder);
}

bool Terminal::open(const QString &folder) const
{
    return QProcess::startDetached(program, {}, folder);
}

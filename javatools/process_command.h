#pragma once

#include <QString>
#include <QStringList>

// An external program to start: the program (a name looked up on the search
// path, or a path), its arguments one by one, and the folder it starts in.
struct ProcessCommand
{
    QString program;
    QStringList arguments;
    QString workingFolder;
};

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One message of a compile as data, beside its text: what the compiler knew
// of it. Positions are the compiler's: 1-based line and column (in
// characters, a tab counting one), 0-based character offsets into the source
// (-1 when it has none).
struct CompilerDiagnostic
{
    QString kind;   // ERROR, WARNING, MANDATORY_WARNING, NOTE, OTHER
    QString code;   // "compiler.err.expected", ...
    int line = -1;
    int column = -1;
    qint64 start = -1;
    qint64 end = -1;
    // As the message names it ("Hello.java", "./Outra.java"); empty for none.
    QString file;
    QStringList arguments;

    bool isError() const { return kind == QLatin1String("ERROR"); }
};

using CompilerDiagnostics = QList<CompilerDiagnostic>;

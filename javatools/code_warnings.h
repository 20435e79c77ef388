#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A place in code that compiles but almost surely does not do what its
// writer meant: a ";" right after an if's condition, strings compared with
// ==, a string method's result thrown away, an integer division kept in a
// double, "=" in a condition, a case that runs into the next, a variable
// assigned to itself, nextLine() right after nextInt(). Each is looked for
// only where the tokens leave no doubt; a correct program a teacher would
// write gets none.
struct CodeWarning
{
    QString id;     // also the anchor of its section in the help
    int line = 0;   // 1-based
    int column = 0; // 1-based
    int length = 1;
    QString text;   // in Portuguese, naming the line
};

namespace codewarnings {

QList<CodeWarning> find(const QStringList &sourceLines);
// Every id find() may give.
const QStringList &ids();

} // namespace codewarnings

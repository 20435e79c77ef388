#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

class JavacCompiler;
class QTextStream;

enum class Grade { Right, Wrong, Literal, None };

QString gradeName(Grade grade);

// What a right explanation says: one of the accepted entries, naming the
// line (or one of the others), with the word.
struct Expected
{
    QStringList accepted;
    int line = 0;
    QList<int> otherLines;
    QString word;
    QString avoid; // a word a right explanation does not contain (wrong advice)
};

// The grade of a first explanation, and what was seen.
struct Graded
{
    bool compiled = false;
    Grade grade = Grade::None;
    QString message; // javac's first error
    QString id;
    QString text;
};

// Grades explanation `id` with `text` (and the line it marks, 0 for none,
// and the line of its message) against what is expected.
Grade grade(const Expected &expected, const QString &id, const QString &text, int markedLine,
            int messageLine);

// Compiles `path`, whose text is `lines`, along F9's path and grades the
// explanation of its first error.
Graded gradeCompile(JavacCompiler &compiler, const QString &path, const QStringList &lines,
                    const Expected &expected);

// Turns loops' < into <= in the programs of `folder` that need no person,
// runs each mutant and grades its first run-time explanation.
bool gradeRunMutants(const QDir &folder, JavacCompiler &compiler, QTextStream &out);

// Grades the outside corpus in `folder` against the expectations written
// down in explanations/perguntas.txt; prints one line a case and the totals.
bool gradeQuestions(const QDir &folder, JavacCompiler &compiler, QTextStream &out);

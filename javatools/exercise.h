#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// How a case's expected output is compared with the program's.
enum class OutputComparison {
    Exact,   // the same text; only blanks, line breaks or letter case apart is a presentation error
    Numbers, // the same numbers in the same order, as numbers (1.50 is 1.5)
    Words,   // the same words, case and punctuation aside
    Text,    // exactly this text, nothing else
    Pattern, // the whole output matches a regular expression
};

// One output a case accepts.
struct ExpectedOutput
{
    QString text;
    OutputComparison comparison = OutputComparison::Exact;
    bool ignoreCase = false; // for Pattern: /.../i
};

// One test case: what the program reads, what it must write, how it is
// compared, and what the student is told when it fails.
struct ExerciseCase
{
    QString name;
    QString input;
    QList<ExpectedOutput> outputs; // any of them passes
    int timeLimitMs = 2000;
    bool hidden = false;
    QString hint;
    QString failMessage; // a teacher's own words for a failure
    double gradeReduction = -1; // as given, -1 when not given
};

// An exercise: its statement and its cases, read from one of the forms a
// teacher has (see exercises::read).
struct Exercise
{
    QString title;
    QString statementHtml;
    QString locale; // the language programs run in, empty for the machine's
    QList<ExerciseCase> cases;
    QString origin; // the file or folder it was read from
};

namespace exercises {

// An exercise with more cases, or files larger than this, is refused.
constexpr int MaxCases = 500;
constexpr qint64 MaxBytes = 32 * 1024 * 1024;

struct Reading
{
    std::optional<Exercise> exercise;
    QString error; // in Portuguese, naming the file and line, when it failed
};

// Reads `path`: a folder of judges' cases (1.in with 1.out or 1.sol, and an
// optional statement page), a Moodle "vpl_evaluate.cases" file, or
// Tavessa's own exercise file (UTF-8 or Windows-1252).
Reading read(const QString &path);
// The three forms from their text, for tests and the folder reader.
Reading readTavessa(const QString &text, const QString &fileName);
Reading readVpl(const QString &text, const QString &fileName);

// Tavessa's own form of `exercise`, as read by readTavessa.
QString writeTavessa(const Exercise &exercise);

} // namespace exercises

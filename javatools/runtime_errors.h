#pragma once

#include "javatools/compiler_explanations.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One "at" line of a stack trace.
struct StackFrame
{
    QString className; // without the module ("java.util.Scanner", "Ola")
    QString method;
    QString file;      // "Ola.java"; empty for native or unknown sources
    int line = 0;
};

// An error that ended a program or one of its threads, as the virtual machine
// or the launcher printed it on the error output.
struct RuntimeError
{
    // "java.lang.ArithmeticException: / by zero" (the deepest "Caused by"
    // when there is one), or the launcher's "Error: …" line.
    QString text;
    QString thread; // "main", "AWT-EventQueue-0"...; empty for the launcher
    QList<StackFrame> frames;      // of the exception explained
    QList<StackFrame> outerFrames; // of the exception that reached the top, when a cause is explained
    QString cause;                 // the launcher's "Caused by: …"
};

// Reads error output line by line and recognises where an uncaught
// exception's trace (or a launcher error) begins and where it ends. Every
// other line passes by untouched.
class RuntimeErrorReader
{
public:
    // Takes one line (without its line break); returns the error that was
    // being read when this line shows it is complete.
    std::optional<RuntimeError> feed(const QString &line);
    // The output stopped or ended: the error being read is complete.
    std::optional<RuntimeError> finish();
    bool reading() const { return m_state != State::Idle; }

private:
    enum class State { Idle, Trace, Launcher };
    bool begin(const QString &line);

    State m_state = State::Idle;
    RuntimeError m_error;
};

// An explanation of a run-time error, and the place in the student's code it
// names (empty file when none of the student's frames shows).
struct RuntimeExplanation
{
    QString id;
    QString text;
    QString file;
    int line = 0;
};

// What is known of the run besides the error: which files are the student's,
// the last line typed, and the folder of the student's sources, where the
// line of the error is read for the facts of the explanation.
struct RunFacts
{
    std::function<bool(const QString &file)> isStudentFile;
    std::optional<QString> lastInput;
    QString sourceFolder;
};

// The Portuguese explanations of run-time errors: a table of the same form
// as the compiler's (excecoes.txt), where "mensagem" is the exception's line
// and the details are facts of the run ("chamada: Scanner.nextInt",
// "método: main", "classe: Ola", "entrada: sete", "causa: …") and of the
// student's line where it happened (runtime_facts.h).
class RuntimeExplanations
{
public:
    static const RuntimeExplanations &standard();
    explicit RuntimeExplanations(CompilerExplanations table) : m_table(std::move(table)) {}

    std::optional<RuntimeExplanation> explain(const RuntimeError &error, const RunFacts &facts) const;
    QStringList ids() const { return m_table.ids(); }
    QStringList errors() const { return m_table.errors(); }

private:
    CompilerExplanations m_table;
};

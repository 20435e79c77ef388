#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One piece of what the try-it helper answered for a text: a value, a
// declaration, a mistake... with its fields as the helper sent them.
struct TryItem
{
    enum class Kind { Value, Variable, Defined, Unresolved, Error, Exception, Keyboard, Cut, Stopped };
    Kind kind = Kind::Value;
    QStringList fields;
};

// The whole answer to one text, in the order the helper sent its pieces.
struct TryAnswer
{
    QList<TryItem> items;

    bool has(TryItem::Kind kind) const;
    // Reads one line of the helper's answer (not "out", "err" or "done");
    // false for a line that is none of its pieces.
    bool take(const QList<QString> &fields);
};

// A line the pane shows for an answer, and what it is.
struct TryRow
{
    enum class Role { Value, Variable, Declared, Mistake, Note };
    Role role = Role::Value;
    QString text;
};

// How the try-it pane words its answers, in Portuguese, as a beginner reads
// them: "3.5 (double)", "[1, 2, 3] (int[])", a compiler mistake explained as
// the compiler's own are. No widget and no virtual machine: tests and the
// pane call it alike.
namespace tryanswer {

// The session's value text with arrays as "[1, 2, 3]" rather than
// "int[3] { 1, 2, 3 }"; strings and chars keep their quotes and escapes.
QString valueText(const QString &value);
// A type without its packages: "java.util.List<java.lang.Integer>" is
// "List<Integer>".
QString typeText(const QString &type);

// The rows for `answer`; `timeLimitSeconds` is what a stopped text ran out of
// when `byTimeLimit`.
QList<TryRow> rows(const TryAnswer &answer, bool byTimeLimit, int timeLimitSeconds);

// The explanation of a compile error of one snippet (the fields of an
// "error" piece), by the compiler's explanations and the mistake finder, with
// the lines counted from the snippet's first.
QString explainError(const QStringList &fields);
// The explanation of an exception a snippet threw (the fields of an
// "exception" piece).
QString explainException(const QStringList &fields);

// Whether `text` leaves a bracket, a string or a comment open, so that Enter
// continues it on a new line instead of running it.
bool isUnfinished(const QString &text);

} // namespace tryanswer

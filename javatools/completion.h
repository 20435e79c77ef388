#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One thing that may be written where the caret stands: a member of a type,
// a variable, method or class of the source, a keyword, or one of the
// catalogue's structures.
struct Suggestion
{
    enum Kind { Member, Variable, Method, Class, Keyword, Structure };

    Kind kind = Keyword;
    QString name;        // what goes in: println, nome, while
    QString parameters;  // "(Object x)", "()"; empty for what is no call
    QString type;        // int, String, void; the class of a constructor
    QString description; // one line in Portuguese, for the JDK's members and the structures
    QString command;     // a structure's catalogue command (its menu path)

    bool isCall() const { return !parameters.isEmpty(); }
    bool takesArguments() const { return parameters.size() > 2; }
    // The row of the list: name, parameters and type.
    QString label() const;
};

// What fits at a place in a source.
struct Completion
{
    int start = 0;      // 0-based column where the word being typed begins
    QString prefix;     // what of it is typed already
    bool member = false; // after a "." that follows a name of known type
    QString typeName;   // that type, when member
    QList<Suggestion> all;
};

namespace completion {

// What may be written at 0-based `line` and `column` of `lines`;
// `structures` are offered where a statement may start. Nothing when the
// caret is after a "." whose expression has no known type, or inside a
// string or a comment.
Completion at(const QStringList &lines, int line, int column, const QList<Suggestion> &structures = {});

// Those of `all` that fit `prefix`: its start first, then inside the name,
// then a name one slip of the keyboard away.
QList<Suggestion> filtered(const QList<Suggestion> &all, const QString &prefix);

// The members of a class of the JDK that the data file describes, or none.
QList<Suggestion> membersOf(const QString &className, bool statics);

} // namespace completion

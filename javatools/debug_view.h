#pragma once

#include "javatools/debug_session.h"
#include "javatools/runtime_errors.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>
#include <utility>

// A frame of the call stack as the panel lists it.
struct ShownFrame
{
    int index = 0;       // in the session's stack
    QString label;       // "Soma.somar (Soma.java:12)"
    bool students = true;
};

// A variable as the panel shows it: where it stands ("method/name/[2]/campo",
// what stays open from stop to stop), whether it changed in the last step,
// and whether it opens again because the student had it open.
struct ShownVariable
{
    DebugVariable variable;
    QString path;
    bool changed = false;
    bool reopen = false;
};

// What the debugger shows, apart from any widget: the stop's text and stack,
// and the variables with what changed since the last stop in the same
// method, what the student opened, and the expansions asked for and not yet
// answered.
class DebugView
{
public:
    // The stack, the student's frames first in their order, then the others.
    static QList<ShownFrame> framesOf(const QList<DebugFrame> &frames, const RunFacts &facts);
    // Where the program stopped and why, in Portuguese; a stop for an
    // exception says what it was and, when the table knows it, what it means.
    static QString stopText(const DebugSession &session, const RunFacts &facts);

    // A stop's own frame: the values are compared with the last stop's.
    QList<ShownVariable> stop(const QString &method, const QList<DebugVariable> &variables);
    // Another frame of the same stop, chosen in the stack: nothing compared.
    QList<ShownVariable> frame(const QString &method, const QList<DebugVariable> &variables);
    // The elements or fields of the value at `parentPath`, once answered.
    QList<ShownVariable> children(const QString &parentPath, const QList<DebugVariable> &variables);

    // The student opened or closed the value at `path`.
    void opened(const QString &path) { m_open.insert(path); }
    void closed(const QString &path) { m_open.remove(path); }
    // The inside of value `id` was asked for, to show under `parentPath`;
    // answers come in the order of the requests, and one value may be open
    // at two paths.
    void asked(qint64 id, const QString &parentPath) { m_waiting.append({id, parentPath}); }
    // Where the answer for `id` goes; nothing when it was not waited for.
    std::optional<QString> answered(qint64 id);
    // The session ended: nothing carries over to the next.
    void clear();

private:
    QList<ShownVariable> rows(const QString &parentPath, const QList<DebugVariable> &variables, bool topLevel);

    QHash<QString, QString> m_before; // values by path, of the last stop
    QHash<QString, QString> m_now;    // ... and of this one
    QString m_previousMethod;
    bool m_comparing = false; // the rows belong to the stop's own frame
    bool m_marking = false;   // ... in the method of the last stop
    QSet<QString> m_open;
    QList<std::pair<qint64, QString>> m_waiting;
};

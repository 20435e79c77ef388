#pragma once

#include "javatools/helper_process.h"
#include "javatools/memory_graph.h"

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <utility>

// A frame of the paused program's stack, top first.
struct DebugFrame
{
    QString className;
    QString method;
    QString file; // the source file's name, "" when unknown
    int line = 0;
};

// A variable, an element or a field, with its value as Java writes it.
struct DebugVariable
{
    QString name;
    QString type;
    QString value;
    qint64 id = 0; // what "expand" takes; 0 when there is nothing inside
};

// An expression watched: its value at the last stop, or why it has none.
struct WatchValue
{
    bool ok = false;
    QString text; // the value, or the message in Portuguese
    QString type;
};

// The debugger of one program run: the helper tavessa-debugger.jar, which
// attaches with the JDK's debug interface to the program (started with
// agentOptions(), so that it waits), sets the breakpoints, steps, and reports
// each stop with the stack and the variables. Commands are sent at once;
// what the helper answers arrives as signals.
class DebugSession : public QObject
{
    Q_OBJECT
public:
    enum class Reason { Start, Breakpoint, Step, RunTo, Exception };

    // `jarPath` empty: tavessa-debugger.jar beside the executable.
    DebugSession(const QString &folder, const QString &mainClass, const QString &jarPath = QString(),
                 QObject *parent = nullptr);
    ~DebugSession() override;

    // The launcher options that make a program wait for the debugger; the
    // program then prints the port it listens on (agentPort reads it).
    static QStringList agentOptions();
    // The port of the agent's first line, or 0 when `line` is not it.
    static int agentPort(const QString &line);

    // Breakpoints by source file name, 1-based lines: the ones set before
    // attach go with it, later ones reach the running program.
    void addBreakpoint(const QString &file, int line);
    void removeBreakpoint(const QString &file, int line);
    // Runs to `line` of `file` (the next line with code): at once when
    // paused, or as the first stop when not attached yet.
    void runTo(const QString &file, int line);
    // Whether each stop also sends the picture of memory (memoryShown).
    void setMemoryShown(bool shown);
    // The expressions evaluated at each stop (watchesShown).
    void setWatches(const QStringList &expressions);
    // Starts the helper and attaches to the agent at `port`.
    void attach(int port);

    bool isPaused() const { return m_paused; }
    // The helper's process id, 0 when it does not run.
    qint64 helperProcessId() const;
    void stepOver();
    void stepInto();
    void stepOut();
    void resume();
    // Shows the variables of frame `index` of the stop.
    void selectFrame(int index);
    // Asks for the elements or fields of a value, from element `first`.
    void expand(qint64 id, int first = 0);

    // The last stop.
    Reason reason() const { return m_reason; }
    QString file() const { return m_file; }
    int line() const { return m_line; }
    const QList<DebugFrame> &frames() const { return m_frames; }
    int frameShown() const { return m_frameShown; }
    const QList<DebugVariable> &variables() const { return m_variables; }
    // Frames of the stop beyond the ones sent (a deep recursion).
    int framesLeft() const { return m_framesLeft; }
    const MemoryGraph &memory() const { return m_memory; }
    const QList<WatchValue> &watches() const { return m_watches; }
    QString exceptionText() const { return m_exception; }

    // What the helper wrote, read as it arrives (in any pieces): the
    // helper's output comes in here, and a test may feed a recorded one.
    void takeOutput(const QByteArray &bytes);

signals:
    void attached();
    // Stopped: the stack and the variables of the frame shown are here.
    void paused();
    void resumed();
    // Running, the program waits for a line typed in the console.
    void waitingForInput();
    void variablesShown(int frame);
    // `next` > 0: the value has more elements from `next`.
    void expanded(qint64 id, const QList<DebugVariable> &children, int next);
    void breakpointDropped(const QString &file, int line);
    // A breakpoint on a line without code now stands on the next one.
    void breakpointMoved(const QString &file, int line, int to);
    void memoryShown();
    void watchesShown();
    // The helper could not do its work; `message` says why, in Portuguese.
    void failed(const QString &message);
    void ended();

private:
    void send(const QStringList &fields);
    void take(const QStringList &fields);
    void takeMemoryLine(const QStringList &fields);
    void helperGone();

    QString m_folder;
    QString m_mainClass;
    QString m_jarPath; // empty: beside the executable
    QList<std::pair<QString, int>> m_breakpoints; // until attach
    std::optional<std::pair<QString, int>> m_runTo; // until attach
    bool m_memoryShown = false;
    QStringList m_watched;
    std::unique_ptr<HelperProcess> m_helper;
    LineBuffer m_lines;
    bool m_attached = false;
    bool m_paused = false;
    bool m_ended = false;

    Reason m_reason = Reason::Start;
    QString m_file;
    int m_line = 0;
    QList<DebugFrame> m_frames;
    int m_frameShown = 0;
    QList<DebugVariable> m_variables;
    QString m_exception;
    int m_framesLeft = 0;
    MemoryGraph m_memory;
    MemoryGraph m_memoryRead;
    QList<WatchValue> m_watches;
    QList<WatchValue> m_watchesRead;

    // What the lines being read belong to.
    enum class Reading { Nothing, Stack, FrameVariables, Children, Memory, Watches };
    Reading m_reading = Reading::Nothing;
    bool m_stopComplete = false;
    int m_listFrame = 0;
    qint64 m_listId = 0;
    int m_listNext = 0;
    QList<DebugVariable> m_list;
};

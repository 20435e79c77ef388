#pragma once

#include "javatools/runtime_errors.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QSet>
#include <QStringDecoder>
#include <QTimer>
#include <optional>

// A piece of what a run shows, in the order it happened.
struct RunOutput
{
    enum class Kind {
        Output,      // the program's standard output
        Error,       // its error output
        Input,       // a line the student typed, as sent to the program
        Explanation, // a run-time error explained, with the place it names
        Note,        // the run's own words: started, ended, stopped
    };
    Kind kind = Kind::Output;
    QString text;
    QString id;   // the explanation's entry
    QString file; // the student's file and 1-based line it names
    int line = 0;
};

// One run of a compiled class inside Tavessa: the java launcher in the
// class's folder with the class path of a terminal there, its output and
// error output read as UTF-8 (whatever the machine's language) and handed on
// in batches at most `MaxLines` lines long, its input fed a line at a time,
// and the uncaught exceptions it prints explained. It runs in a process group
// of its own, so that stopping it stops every process it started.
class ProgramRun : public QObject
{
    Q_OBJECT
public:
    // Lines kept from a burst of output; the console keeps as many.
    static constexpr int MaxLines = 10000;
    // Lines and characters handed on at once.
    static constexpr int BatchLines = 1000;
    static constexpr int BatchChars = 256 * 1024;
    // Longer lines go on in pieces of this many characters, each counted as
    // a line: output without line breaks is handled as a flood of short lines.
    static constexpr int PieceChars = 1000;
    // Explanations per run: a window whose every click fails explains the
    // first ones.
    static constexpr int MaxExplanations = 20;

    ProgramRun(const QString &folder, const QString &className, QObject *parent = nullptr);
    // Whether the source declares a main method, where a program starts
    // (applets and JSP pages have none).
    static bool declaresMain(const QStringList &sourceLines);
    // Stops the program if it still runs.
    ~ProgramRun() override;

    // Launcher options before the class: a debug agent's (DebugSession),
    // whose first line, the port it listens on, is taken out of the output.
    void setDebugAgent(const QStringList &options);
    // The folder java starts in and finds the classes from, when it is not
    // the sources' folder: the one above a package's folders.
    void setClassPathRoot(const QString &root) { m_classPathRoot = root; }
    // Options of the virtual machine besides those of the run (-Duser.language=pt).
    void setVirtualMachineOptions(const QStringList &options) { m_machineOptions = options; }
    bool isDebugged() const { return !m_agentOptions.isEmpty(); }
    // `java` is the launcher to start (the one on the search path by default).
    void start(const QString &java = QStringLiteral("java"));
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    // Whether typed lines still reach the program (also before it starts).
    bool isInputOpen() const { return m_inputOpen && !m_processEnded; }
    // Sends `line` and a line break to the program's input.
    void sendLine(const QString &line);
    // Ends the program's input (Ctrl+D).
    void closeInput();
    // Ends the program and everything it started, at once.
    void stop();

    QString folder() const { return m_folder; }
    QString className() const { return m_className; }
    // The program ended and all it printed was handed on.
    bool hasEnded() const { return m_ended; }
    // The program's process, which leads its process group; 0 before it starts.
    qint64 processId() const { return m_pid; }
    bool wasStopped() const { return m_stopped; }
    int exitCode() const { return m_exitCode; }
    qint64 elapsedMs() const { return m_elapsedMs; }
    // The last line typed, if any.
    std::optional<QString> lastInput() const { return m_lastInput; }
    // The run-time errors explained so far.
    const QList<RunOutput> &explanations() const { return m_explanations; }

signals:
    // What the run showed since the last time, oldest first.
    void output(const QList<RunOutput> &pieces);
    // After the last output.
    void finished();
    // The debug agent listens on `port`, the program waiting for it.
    void agentListening(int port);

private:
    void readOutput();
    void readErrors();
    void takeErrorLines(bool all);
    void explain(const RuntimeError &error);
    void add(RunOutput::Kind kind, const QString &text);
    QString inPieces(const QString &text);
    void flush();
    void trimPending();
    void end();
    void killGroup();

    QString m_folder;
    QString m_className;
    QString m_classPathRoot;
    QProcess m_process;
    qint64 m_pid = 0; // also the process group's id
    QStringDecoder m_outDecoder{QStringDecoder::Utf8};
    QStringDecoder m_errDecoder{QStringDecoder::Utf8};
    QString m_errPartial; // error output after its last line break
    QStringList m_agentOptions;
    QStringList m_machineOptions;
    QString m_agentLine;  // output until the agent's line is whole
    bool m_awaitingAgent = false;
    RuntimeErrorReader m_reader;
    QSet<QString> m_studentFiles;
    std::optional<QString> m_lastInput;
    QList<RunOutput> m_pending;
    int m_pendingLines = 0;
    int m_column = 0; // characters shown since the last line break
    QList<RunOutput> m_explanations;
    QTimer m_flushTimer;
    QTimer m_quietTimer; // error output paused: a trace printed so far is whole
    QElapsedTimer m_clock;
    bool m_inputOpen = true;
    bool m_stopped = false;
    bool m_processEnded = false;
    bool m_ended = false;
    int m_exitCode = -1;
    qint64 m_elapsedMs = 0;
};

#pragma once

#include "javatools/helper_process.h"
#include "javatools/try_answer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The virtual machine behind the try-it pane: a helper keeping a session of
// the JDK's shell, where what the student types runs and the declarations
// stay. Texts run one at a time and their answers come by signals; a text
// that runs past the time limit is stopped, and a machine that does not stop
// or that the text ended is started anew, empty.
class TrySession : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTimeLimitMs = 10000;
    // How long a stopped text may take to end before the machine is killed.
    static constexpr int StopGraceMs = 3000;

    // Why the session started anew, empty.
    enum class Restart { Exited, NotStopping, Crashed, Asked };

    explicit TrySession(const QString &jarPath = QString(), QObject *parent = nullptr);
    ~TrySession() override;

    // Starts the machine in the background unless it runs already.
    void start();
    bool isRunning() const { return m_helper.isRunning(); }
    bool isReady() const { return m_ready; }
    // A text runs or waits.
    bool isBusy() const { return m_running || !m_waiting.isEmpty(); }
    qint64 processId() const { return m_helper.processId(); }
    void setTimeLimit(int milliseconds) { m_timeLimitMs = milliseconds; }
    int timeLimit() const { return m_timeLimitMs; }

    // Runs what the student typed.
    void evaluate(const QString &text);
    // Declares a compiled source's classes (its package line aside).
    void load(const QString &source);
    // "Recomeçar": a session without the declarations made so far.
    void reset();
    // "Parar": stops the text that runs.
    void stop();

signals:
    // The machine is warm: the first text is answered at once.
    void ready();
    // What the running text printed; `error` for its error output.
    void printed(const QString &text, bool error);
    // The answer to a text of evaluate (`loading` false) or load (true).
    void answered(const TryAnswer &answer, bool loading, bool byTimeLimit);
    // The session was started anew and the declarations are gone.
    void restarted(TrySession::Restart why);
    // No java, the jar is missing, or the machine ended before it was ready.
    void unavailable();

private:
    struct Request
    {
        QByteArray line;
        bool loading = false;
        bool reset = false;
    };

    void send(const Request &request);
    void sendWaiting();
    void read(const QByteArray &bytes);
    void readLine(const QStringList &fields);
    void machineEnded();
    void timeLimitReached();
    void restartAfter(Restart why);

    HelperProcess m_helper;
    LineBuffer m_lines;
    QTimer m_limit;
    QTimer m_grace;
    bool m_ready = false;
    bool m_exiting = false;
    bool m_byTimeLimit = false;
    int m_timeLimitMs = DefaultTimeLimitMs;
    std::optional<Request> m_running;
    QList<Request> m_waiting;
    TryAnswer m_answer;
};

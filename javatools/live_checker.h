#pragma once

#include "javatools/compile_helper.h"
#include "javatools/helper_process.h"

#include <QObject>
#include <QTimer>

#include <optional>

// Checks texts that are still being typed: a compile helper of its own
// (apart from F9's, so that a check never delays a compile) parses and
// analyses each text in memory, writing nothing. A check never blocks the
// caller: its answer comes by `checked`. Asked while one runs, a check waits
// for it, and only the newest waits. A helper that dies or does not answer
// within the time limit is stopped; the next check starts a new one.
class LiveChecker : public QObject
{
    Q_OBJECT
public:
    static constexpr int TimeLimitMs = 10000;

    // `jarPath` empty: tavessa-compiler.jar beside the executable.
    explicit LiveChecker(const QString &jarPath = QString(), QObject *parent = nullptr);
    ~LiveChecker() override;

    // Starts the helper unless it runs already; returns at once.
    void start();
    void check(quint64 ticket, const QString &folder, const QString &fileName, const QByteArray &encoding,
               const QString &text);
    bool isBusy() const { return m_running.has_value(); }
    qint64 processId() const { return m_helper.processId(); }

signals:
    void checked(quint64 ticket, const CompileHelper::Outcome &outcome);

private:
    struct Request
    {
        quint64 ticket = 0;
        QByteArray bytes;
    };

    void sendWaiting();
    void read(const QByteArray &bytes);
    void giveUp();

    HelperProcess m_helper;
    LineBuffer m_lines;
    CompileAnswer m_answer;
    QTimer m_limit;
    bool m_ready = false;
    bool m_unavailable = false; // the JDK has no compiler: never asked again
    std::optional<Request> m_running;
    std::optional<Request> m_waiting;
};

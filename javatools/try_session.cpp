#include "javatools/try_session.h"

#include "javatools/helper_protocol.h"
#include "javatools/student_process.h"

namespace {

QStringList vmOptions()
{
    // The student's lines run in this machine: a heap of a program's size,
    // and the quick start of the client compiler.
    return QStringList{QStringLiteral("-Xmx256m"), QStringLiteral("-XX:+UseSerialGC"),
                       QStringLiteral("-XX:TieredStopAtLevel=1"), QStringLiteral("-Xshare:auto")}
           + studentprocess::utf8Options();
}

} // namespace

TrySession::TrySession(const QString &jarPath, QObject *parent)
    : QObject(parent),
      m_helper(QStringLiteral("tavessa-shell.jar"), jarPath, vmOptions(), HelperProcess::Reading::AsItComes)
{
    m_limit.setSingleShot(true);
    m_grace.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &TrySession::timeLimitReached);
    connect(&m_grace, &QTimer::timeout, this, [this] { restartAfter(Restart::NotStopping); });
    connect(&m_helper, &HelperProcess::output, this, &TrySession::read);
    // Queued: the ended process is let go of outside its own signal.
    connect(&m_helper, &HelperProcess::finished, this, &TrySession::machineEnded, Qt::QueuedConnection);
    connect(&m_helper, &HelperProcess::failedToStart, this, &TrySession::unavailable);
}

TrySession::~TrySession()
{
    disconnect(&m_helper, nullptr, this, nullptr);
}

void TrySession::start()
{
    if (m_helper.isRunning())
        return;
    m_ready = false;
    m_exiting = false;
    m_lines.clear();
    if (!m_helper.start()) {
        m_waiting.clear();
        emit unavailable();
    }
}

void TrySession::evaluate(const QString &text)
{
    m_waiting.append(Request{helperprotocol::line({QStringLiteral("eval"), text}), false, false});
    start();
    sendWaiting();
}

void TrySession::load(const QString &source)
{
    m_waiting.append(Request{helperprotocol::line({QStringLiteral("load"), source}), true, false});
    start();
    sendWaiting();
}

void TrySession::reset()
{
    // What waits was meant for the session that goes.
    m_waiting.clear();
    if (m_running) {
        restartAfter(Restart::Asked);
        return;
    }
    if (!m_helper.isRunning()) {
        start();
        emit restarted(Restart::Asked);
        return;
    }
    m_waiting.append(Request{helperprotocol::line({QStringLiteral("reset")}), false, true});
    sendWaiting();
}

void TrySession::stop()
{
    if (!m_running)
        return;
    m_helper.write(helperprotocol::line({QStringLiteral("stop")}));
    if (!m_grace.isActive())
        m_grace.start(StopGraceMs);
}

void TrySession::sendWaiting()
{
    if (!m_ready || m_running || m_waiting.isEmpty() || !m_helper.isRunning())
        return;
    send(m_waiting.takeFirst());
}

void TrySession::send(const Request &request)
{
    m_running = request;
    m_answer = TryAnswer();
    m_byTimeLimit = false;
    m_helper.write(request.line);
    if (!request.reset)
        m_limit.start(m_timeLimitMs);
}

void TrySession::read(const QByteArray &bytes)
{
    m_lines.add(bytes);
    while (const std::optional<QByteArray> line = m_lines.next())
        readLine(helperprotocol::fields(*line));
}

void TrySession::readLine(const QStringList &fields)
{
    const QString tag = fields.value(0);
    if (tag == QLatin1String("ready")) {
        m_ready = true;
        emit ready();
        sendWaiting();
    } else if (tag == QLatin1String("out") || tag == QLatin1String("err")) {
        emit printed(fields.value(1), tag == QLatin1String("err"));
    } else if (tag == QLatin1String("exit")) {
        // The text ended the machine; its end follows.
        m_exiting = true;
    } else if (tag == QLatin1String("done") && m_running) {
        m_limit.stop();
        m_grace.stop();
        const Request finished = *m_running;
        m_running.reset();
        if (finished.reset)
            emit restarted(Restart::Asked);
        else
            emit answered(m_answer, finished.loading, m_byTimeLimit);
        sendWaiting();
    } else if (m_running) {
        m_answer.take(fields);
    }
}

void TrySession::machineEnded()
{
    if (m_helper.isRunning())
        return; // a machine started since
    if (!m_ready && !m_exiting) {
        // It never came up: starting it again would fail the same way.
        m_limit.stop();
        m_grace.stop();
        m_running.reset();
        m_waiting.clear();
        m_helper.stop();
        emit unavailable();
        return;
    }
    restartAfter(m_exiting ? Restart::Exited : Restart::Crashed);
}

void TrySession::timeLimitReached()
{
    m_byTimeLimit = true;
    stop();
}

void TrySession::restartAfter(Restart why)
{
    m_limit.stop();
    m_grace.stop();
    const bool wasRunning = m_running.has_value();
    const bool loading = wasRunning && m_running->loading;
    m_running.reset();
    // After System.exit what waits goes to the new session, as a student
    // typing on expects; else it was meant for what ended.
    if (why != Restart::Exited)
        m_waiting.clear();
    m_helper.stop();
    m_ready = false;
    // What the text printed before its end still belongs to its answer.
    if (wasRunning && why != Restart::Asked)
        emit answered(m_answer, loading, false);
    emit restarted(why);
    start();
}

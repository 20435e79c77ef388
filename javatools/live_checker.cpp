#include "javatools/live_checker.h"

LiveChecker::LiveChecker(const QString &jarPath, QObject *parent)
    : QObject(parent),
      m_helper(QStringLiteral("tavessa-compiler.jar"), jarPath, CompileHelper::vmOptions(),
               HelperProcess::Reading::AsItComes)
{
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &LiveChecker::giveUp);
    connect(&m_helper, &HelperProcess::output, this, &LiveChecker::read);
    connect(&m_helper, &HelperProcess::finished, this, &LiveChecker::giveUp);
    connect(&m_helper, &HelperProcess::failedToStart, this, &LiveChecker::giveUp);
}

LiveChecker::~LiveChecker()
{
    disconnect(&m_helper, nullptr, this, nullptr);
}

void LiveChecker::start()
{
    if (m_helper.isRunning() || m_unavailable)
        return;
    m_ready = false;
    m_lines.clear();
    m_answer.clear();
    if (!m_helper.start())
        return;
    // The start and the compiler's warming up count against the limit.
    m_limit.start(TimeLimitMs);
}

void LiveChecker::check(quint64 ticket, const QString &folder, const QString &fileName,
                        const QByteArray &encoding, const QString &text)
{
    m_waiting = Request{ticket, CompileHelper::checkRequest(folder, fileName, encoding, text)};
    start();
    sendWaiting();
}

void LiveChecker::sendWaiting()
{
    if (!m_ready || m_running || !m_waiting || !m_helper.isRunning())
        return;
    m_running = std::move(m_waiting);
    m_waiting.reset();
    m_answer.clear();
    m_helper.write(m_running->bytes);
    m_limit.start(TimeLimitMs);
}

void LiveChecker::read(const QByteArray &bytes)
{
    m_lines.add(bytes);
    while (const std::optional<QByteArray> line = m_lines.next()) {
        if (!m_ready) {
            m_unavailable = *line == "nocompiler";
            if (*line != "ready")
                return giveUp();
            m_ready = true;
            m_limit.stop();
            sendWaiting();
            continue;
        }
        if (!m_running)
            return giveUp();
        switch (m_answer.take(*line)) {
        case CompileAnswer::Step::More:
            break;
        case CompileAnswer::Step::Broken:
            return giveUp();
        case CompileAnswer::Step::Done: {
            m_limit.stop();
            const quint64 ticket = m_running->ticket;
            const CompileHelper::Outcome outcome = m_answer.outcome();
            m_running.reset();
            emit checked(ticket, outcome);
            sendWaiting();
            break;
        }
        }
    }
}

// What was asked of a helper that stopped answering is lost; what waits
// goes to the next one.
void LiveChecker::giveUp()
{
    m_limit.stop();
    m_running.reset();
    m_ready = false;
    if (m_helper.isRunning())
        m_helper.stop();
}

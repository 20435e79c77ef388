#include "javatools/case_runner.h"

#include "javatools/student_process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>

// One case on its way: the process, its limit and what it wrote.
class CaseRunner::Running : public QObject
{
public:
    Running(CaseRunner &runner, int index, const ExerciseCase &exerciseCase)
        : m_runner(runner), m_case(exerciseCase)
    {
        m_result.index = index;
        m_limit.setSingleShot(true);
        connect(&m_limit, &QTimer::timeout, this, [this] {
            m_timedOut = true;
            kill();
        });
        connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] {
            m_output += m_process.readAllStandardOutput();
            if (m_output.size() > OutputLimitBytes) {
                m_output.truncate(OutputLimitBytes);
                m_flooded = true;
                kill();
            }
        });
        connect(&m_process, &QProcess::readyReadStandardError, this, [this] {
            if (m_errors.size() < OutputLimitBytes)
                m_errors += m_process.readAllStandardError();
        });
        connect(&m_process, &QProcess::finished, this, [this] { finish(); });
        connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                m_failedToStart = true;
                finish();
            }
        });
    }

    void start(const QString &java, const QString &folder, const QString &className, const QString &locale)
    {
        m_folder = folder;
        QStringList options = QStringList{QStringLiteral("-Xmx%1m").arg(HeapLimitMb), QStringLiteral("-XX:+UseSerialGC"),
                                          QStringLiteral("-XX:TieredStopAtLevel=1"), QStringLiteral("-Xshare:auto")}
                              + studentprocess::utf8Options();
        if (!locale.isEmpty()) {
            const QStringList parts = locale.split(QRegularExpression(QStringLiteral("[_-]")));
            options << QStringLiteral("-Duser.language=%1").arg(parts.value(0));
            if (parts.size() > 1)
                options << QStringLiteral("-Duser.country=%1").arg(parts.value(1));
        }
        m_process.setWorkingDirectory(folder);
        studentprocess::runInOwnGroup(m_process);
        m_process.setProgram(java);
        m_process.setArguments(options + QStringList{QStringLiteral("-cp"), folder, className});
        m_clock.start();
        m_process.start();
        if (m_process.waitForStarted(5000)) {
            m_pid = m_process.processId();
            QByteArray input = m_case.input.toUtf8();
            if (!input.isEmpty() && !input.endsWith('\n'))
                input += '\n';
            m_process.write(input);
            m_process.closeWriteChannel();
        }
        m_limit.start(m_case.timeLimitMs);
    }

    void kill() { studentprocess::killGroup(m_pid, m_process); }

    ~Running() override
    {
        disconnect(&m_process, nullptr, this, nullptr);
        kill();
        m_process.waitForFinished(1000);
    }

private:
    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        m_limit.stop();
        m_output += m_process.readAllStandardOutput();
        m_errors += m_process.readAllStandardError();
        kill(); // what the program started goes too
        CaseResult &r = m_result;
        r.milliseconds = m_clock.elapsed();
        r.output = QString::fromUtf8(m_output);
        r.errors = QString::fromUtf8(m_errors);
        if (m_failedToStart) {
            r.verdict = Verdict::RuntimeError;
            r.why = QStringLiteral("o java não pôde ser iniciado: confira se o JDK está instalado");
        } else if (m_timedOut) {
            r.verdict = Verdict::TimeLimit;
            r.why = QStringLiteral("o programa não terminou em %1 s: ele pode estar num laço sem fim ou "
                                   "esperando mais entrada")
                        .arg(m_case.timeLimitMs / 1000.0);
        } else if (m_flooded) {
            r.verdict = Verdict::WrongAnswer;
            r.why = QStringLiteral("o programa escreveu mais de 1 MB e foi interrompido: ele pode estar num "
                                   "laço sem fim");
        } else if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0) {
            r.verdict = Verdict::RuntimeError;
            r.explanation = explained();
            r.why = r.explanation ? r.explanation->text
                                  : QStringLiteral("o programa terminou com o código %1").arg(m_process.exitCode());
            if (r.errors.contains(QLatin1String("NoSuchElementException")))
                r.why = QStringLiteral("o programa pediu mais entradas do que o caso tem. ") + r.why;
        } else {
            r.check = outputcheck::compare(m_case, r.output);
            r.verdict = r.check.verdict;
            r.why = r.check.why;
        }
        if (r.verdict != Verdict::Correct && !m_case.failMessage.isEmpty())
            r.why = m_case.failMessage + QStringLiteral(" (") + r.why + QLatin1Char(')');
        QTimer::singleShot(0, &m_runner, [runner = &m_runner, self = this] { runner->done(self); });
    }

    std::optional<RuntimeExplanation> explained() const
    {
        const QStringList sources = QDir(m_folder).entryList({QStringLiteral("*.java")}, QDir::Files);
        const QSet<QString> own(sources.begin(), sources.end());
        RuntimeErrorReader reader;
        std::optional<RuntimeError> error;
        for (const QString &line : QString::fromUtf8(m_errors).split(QLatin1Char('\n'))) {
            if (!error)
                error = reader.feed(line);
        }
        if (!error)
            error = reader.finish();
        if (!error)
            return std::nullopt;
        const RunFacts facts{[own](const QString &file) { return own.contains(file); },
                             m_case.input.split(QLatin1Char('\n')).value(0), m_folder};
        return RuntimeExplanations::standard().explain(*error, facts);
    }

    CaseRunner &m_runner;
    ExerciseCase m_case;
    CaseResult m_result;
    QProcess m_process;
    QTimer m_limit;
    QElapsedTimer m_clock;
    QByteArray m_output;
    QByteArray m_errors;
    QString m_folder;
    qint64 m_pid = 0;
    bool m_timedOut = false;
    bool m_flooded = false;
    bool m_failedToStart = false;
    bool m_finished = false;

    friend class CaseRunner;
};

CaseRunner::CaseRunner(const QString &folder, const QString &className, const QString &locale, QObject *parent)
    : QObject(parent), m_folder(folder), m_className(className), m_locale(locale)
{
}

CaseRunner::~CaseRunner()
{
    stop();
}

void CaseRunner::run(const QList<ExerciseCase> &cases)
{
    stop();
    m_cases = cases;
    m_next = 0;
    for (int i = 0; i < SideBySide; ++i)
        startNext();
    if (m_running.isEmpty())
        emit finished();
}

void CaseRunner::stop()
{
    const QList<Running *> running = std::exchange(m_running, {});
    qDeleteAll(running);
    m_next = int(m_cases.size());
}

bool CaseRunner::isRunning() const
{
    return !m_running.isEmpty();
}

void CaseRunner::startNext()
{
    if (m_next >= m_cases.size())
        return;
    const QString java = QStandardPaths::findExecutable(QStringLiteral("java"));
    auto *running = new Running(*this, m_next, m_cases.at(m_next));
    ++m_next;
    m_running.append(running);
    running->start(java.isEmpty() ? QStringLiteral("java") : java, m_folder, m_className, m_locale);
}

void CaseRunner::done(Running *running)
{
    if (!m_running.removeOne(running))
        return;
    const CaseResult result = running->m_result;
    delete running;
    emit caseFinished(result);
    startNext();
    if (m_running.isEmpty())
        emit finished();
}

#pragma once

#include "javatools/exercise.h"
#include "javatools/output_check.h"
#include "javatools/runtime_errors.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

// What one case's run gave.
struct CaseResult
{
    int index = -1; // the case's place in the exercise
    Verdict verdict = Verdict::WrongAnswer;
    QString why;    // why it failed, in Portuguese
    QString output; // what the program wrote (cut at the output limit)
    QString errors; // its error output
    OutputCheck check;
    std::optional<RuntimeExplanation> explanation; // a crash, explained at the student's line
    qint64 milliseconds = 0;
};

// Runs a compiled class on an exercise's cases, each in a process of its own
// (in a process group of its own, killed with its whole group at the time
// limit and dying with Tavessa), a few side by side. A case gets its input
// all at once and its input closed; its output is bounded; the virtual
// machine's memory too. The student's files are not touched.
class CaseRunner : public QObject
{
    Q_OBJECT
public:
    static constexpr int SideBySide = 2;
    static constexpr int OutputLimitBytes = 1024 * 1024;
    static constexpr int HeapLimitMb = 256;

    // `folder` holds the compiled `className`; `locale` ("en_US") empty for the machine's.
    CaseRunner(const QString &folder, const QString &className, const QString &locale, QObject *parent = nullptr);
    ~CaseRunner() override;

    void run(const QList<ExerciseCase> &cases);
    void stop();
    bool isRunning() const;

signals:
    void caseFinished(const CaseResult &result);
    void finished();

private:
    class Running;
    void startNext();
    void done(Running *running);

    QString m_folder;
    QString m_className;
    QString m_locale;
    QList<ExerciseCase> m_cases;
    int m_next = 0;
    QList<Running *> m_running;
};

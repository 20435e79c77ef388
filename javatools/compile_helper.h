#pragma once

#include "javatools/compiler_diagnostic.h"
#include "javatools/helper_process.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <optional>


// The compile helper (tavessa-compiler.jar): a Java virtual machine started
// once in the background and kept running, which compiles with the JDK's own
// compiler in-process and answers with javac's exact text and each
// diagnostic as data. Whatever goes wrong with it (missing, not starting, a
// JDK without the compiler, a crash, a hang) makes a compile answer nothing,
// so that the caller starts javac as before; the next compile starts a new
// helper. It ends with this object, and by itself when this program ends.
class CompileHelper
{
public:
    struct Outcome
    {
        bool succeeded = false;
        QStringList lines;
        CompilerDiagnostics diagnostics;
    };

    // The virtual machine may use this much heap (and as much for its
    // classes) at most: a 4,000-method class compiles within 48 MB.
    static constexpr int HeapLimitMb = 128;

    // `jarPath` empty: tavessa-compiler.jar beside the executable.
    explicit CompileHelper(const QString &jarPath = QString());
    ~CompileHelper();
    CompileHelper(const CompileHelper &) = delete;
    CompileHelper &operator=(const CompileHelper &) = delete;

    // Starts the helper unless it runs already; returns at once.
    void start();
    bool isRunning() const;
    // The helper's process id, or 0.
    qint64 processId() const;

    // Compiles `fileName` in `folder`, read as `encoding`, waiting at most
    // until `deadline`.
    std::optional<Outcome> compile(const QString &folder, const QString &fileName,
                                   const QByteArray &encoding, QDeadlineTimer deadline);

    QString jarPath() const { return m_helper.jarPath(); }

    // The virtual machine's options, for every process of this jar.
    static QStringList vmOptions();
    // A request to check `text` as the file `fileName` of `folder` without
    // writing anything.
    static QByteArray checkRequest(const QString &folder, const QString &fileName, const QByteArray &encoding,
                                   const QString &text);

private:
    void stop();

    HelperProcess m_helper;
    bool m_started = false; // java and the jar were there
    bool m_ready = false;
};

// One answer of the helper, taken a line at a time.
class CompileAnswer
{
public:
    enum class Step { More, Done, Broken };

    Step take(QByteArrayView line);
    const CompileHelper::Outcome &outcome() const { return m_outcome; }
    void clear() { m_outcome = {}; }

private:
    CompileHelper::Outcome m_outcome;
};

#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QProcess;

// Lines out of a stream that arrives in pieces.
class LineBuffer
{
public:
    void add(const QByteArray &bytes) { m_pending += bytes; }
    // The next whole line, without its line break; nothing until one is whole.
    std::optional<QByteArray> next();
    void clear() { m_pending.clear(); }

private:
    QByteArray m_pending;
};

// One of Tavessa's Java helpers: a jar run by the JDK's java in a virtual
// machine of its own, talking in lines over its standard input and output
// (its standard error is dropped). It ends with this object, and with
// Tavessa however Tavessa ends; start() after it ended starts a new one.
class HelperProcess : public QObject
{
    Q_OBJECT
public:
    // How its output is read: by readLine, waiting for each line (what
    // arrives in between is kept for it), or as it comes, by `output`.
    enum class Reading { Waiting, AsItComes };

    // `jarName` beside the executable (or in the folder TAVESSA_HELPERS
    // names) when `jarPath` is empty.
    HelperProcess(const QString &jarName, const QString &jarPath, const QStringList &vmOptions, Reading reading,
                  QObject *parent = nullptr);
    ~HelperProcess() override;

    QString jarPath() const { return m_jarPath; }
    // False when java or the jar is missing; the process may still be
    // starting when it returns.
    bool start();
    // Kills the process and forgets what it wrote.
    void stop();
    bool isRunning() const;
    bool waitForStarted(int milliseconds);
    qint64 processId() const;
    void write(const QByteArray &bytes);

    // Reading::Waiting: the next line, waiting at most until `deadline`.
    std::optional<QByteArray> readLine(QDeadlineTimer deadline);

signals:
    // Reading::AsItComes: what the helper wrote, in the pieces it arrived in.
    void output(const QByteArray &bytes);
    void finished();
    void failedToStart();

private:
    QString m_jarPath;
    QStringList m_vmOptions;
    std::unique_ptr<QProcess> m_process;
    Reading m_reading;
    LineBuffer m_lines;
};

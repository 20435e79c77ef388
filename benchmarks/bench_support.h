#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

// Benchmarks draw off screen unless a platform is asked for.
inline void offscreenUnlessAsked()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Writes `text` as `name` in `folder`; the file's path, empty when it failed.
inline QString writeFile(const QString &folder, const QString &name, const QByteArray &text)
{
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return file.fileName();
}

// Tavessa looks for its helpers beside the program, as installed: the
// build's jars lie beside the benchmark while it runs.
class HelpersBeside
{
public:
    explicit HelpersBeside(const QStringList &jars)
    {
        const QDir here(QCoreApplication::applicationDirPath());
        for (const QString &jar : jars) {
            m_placed.append(here.filePath(jar));
            QFile::remove(m_placed.last());
            m_ok = QFile::copy(QStringLiteral(TAVESSA_BUILD_DIR "/") + jar, m_placed.last()) && m_ok;
        }
    }
    ~HelpersBeside()
    {
        for (const QString &path : m_placed)
            QFile::remove(path);
    }
    HelpersBeside(const HelpersBeside &) = delete;
    HelpersBeside &operator=(const HelpersBeside &) = delete;

    bool ok() const { return m_ok; }

private:
    QStringList m_placed;
    bool m_ok = true;
};

// The middle value of a benchmark's runs: one slow run (a cache filled, the
// other core busy) does not move it.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Every .java file under `folders`, read as UTF-8 and split into lines
// (carriage returns dropped), handed to `use` with its path.
inline void forEachJavaFile(const QStringList &folders,
                            const std::function<void(const QString &path, const QStringList &lines)> &use)
{
    for (const QString &folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.java")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QString text = QString::fromUtf8(file.readAll());
            text.remove(QLatin1Char('\r'));
            use(file.fileName(), text.split(QLatin1Char('\n')));
        }
    }
}

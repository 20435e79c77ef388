#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// Compiles Java text with the real javac, for tests that check that code the
// program writes really compiles.
namespace testsupport {

struct JavaCheck
{
    bool compiled = false;
    // What javac printed.
    QString output;
};

inline QString javacPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("javac"));
}

// Writes `text` to `fileName` in a fresh folder and compiles it there.
inline JavaCheck compileJava(const QString &fileName, const QString &text)
{
    JavaCheck check;
    QTemporaryDir dir;
    QFile source(dir.filePath(fileName));
    if (!dir.isValid() || !source.open(QIODevice::WriteOnly))
        return check;
    source.write(text.toUtf8());
    source.close();
    QProcess javac;
    javac.setWorkingDirectory(dir.path());
    javac.start(javacPath(), {QStringLiteral("-encoding"), QStringLiteral("UTF-8"),
                              QStringLiteral("-nowarn"), fileName});
    if (!javac.waitForFinished(120000))
        return check;
    check.output = QString::fromLocal8Bit(javac.readAllStandardOutput()
                                          + javac.readAllStandardError());
    check.compiled = javac.exitStatus() == QProcess::NormalExit && javac.exitCode() == 0;
    return check;
}

} // namespace testsupport

#include "bad_input_support.h"

#include "editor/text_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

// Set in the environment of the child that saves and is killed.
static const char kChildVariable[] = "TAVESSA_SAVING_CHILD";

namespace {

// A large document (about 64 MB), different from the old file in every line.
TextFile newVersion()
{
    TextFile file;
    file.lines = QStringList(1200000, QStringLiteral("        System.out.println(\"versão nova\");"));
    return file;
}

// The child: saves the new version over `path` again and again, the way the
// program saves a document, until it is killed (or its parent ends).
int savingChild(const QString &path)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const TextFile file = newVersion();
    for (;;) {
        QString error;
        if (!file.save(path, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
}

// The size of the copy that process `pid` is writing in `folder`, or -1. The
// copy may have no name there at all (an unnamed temporary file that gets
// its name only when whole), so it is found among the process's open files.
qint64 sizeOfCopyBeingWritten(qint64 pid, const QString &folder, const QString &target)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QString &fd : QDir(fds).entryList(QDir::Files | QDir::System)) {
        const QByteArray link = QFile::encodeName(fds + QLatin1Char('/') + fd);
        char buffer[4096];
        const ssize_t length = readlink(link.constData(), buffer, sizeof buffer - 1);
        if (length <= 0)
            continue;
        const QString points = QFile::decodeName(QByteArray(buffer, length));
        if (!points.startsWith(folder + QLatin1Char('/')) || points == target)
            continue;
        return QFileInfo(QFile::decodeName(link)).size();
    }
    return -1;
}

} // namespace

// A save cut short by the end of the process (a crash, a kill, a power cut
// as far as the file system lets us show it) leaves the old file as it was:
// the new text goes to a copy that replaces the file only once it is whole.
class TestBadInputCrash : public QObject
{
    Q_OBJECT
private slots:
    void killedWhileSavingLeavesOldOrNewFile();
};

void TestBadInputCrash::killedWhileSavingLeavesOldOrNewFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Grande.java");
    const QByteArray old = QByteArray("public class Grande{ /* a versão velha */ }\r\n").repeated(20000);
    QVERIFY(badinput::writeFile(path, old));
    const QByteArray fresh = newVersion().toBytes();

    bool killedMidWrite = false;
    for (int attempt = 0; attempt < 5 && !killedMidWrite; ++attempt) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildVariable, path);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());

        // Kill it as soon as a copy is being written and not yet whole.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000 && child.state() == QProcess::Running) {
            const qint64 size = sizeOfCopyBeingWritten(child.processId(), dir.path(), path);
            if (size > 0 && size < fresh.size()) {
                child.kill();
                killedMidWrite = true;
                break;
            }
            QThread::usleep(100);
        }
        if (!killedMidWrite)
            child.kill();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // Never a mix, never empty: the old file, or the new one whole.
        const QByteArray now = badinput::readAll(path);
        QVERIFY2(now == old || now == fresh,
                 qPrintable(QStringLiteral("%1 bytes on disk").arg(now.size())));
        // Where the copy had a name of its own, it stays behind under that
        // name; it is never the file.
        for (const QString &entry : badinput::entriesOf(dir.path())) {
            if (entry != QLatin1String("Grande.java"))
                QVERIFY(QFile::remove(dir.filePath(entry)));
        }
    }
    QVERIFY2(killedMidWrite, "the child was never caught writing");
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(kChildVariable))
        return savingChild(qEnvironmentVariable(kChildVariable));
    QCoreApplication app(argc, argv);
    TestBadInputCrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bad_input_crash.moc"

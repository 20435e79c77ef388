#include "javatools/program_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>

// A program started by Tavessa ends with Tavessa, however Tavessa ends:
// here Tavessa is this test run again as a child that starts a program,
// and the child is killed with SIGKILL, which leaves it no word to say.
class TestProgramLifetime : public QObject
{
    Q_OBJECT

    static bool alive(qint64 pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

private slots:
    void aProgramDiesWithTheProcessThatStartedIt()
    {
        if (QStandardPaths::findExecutable("javac").isEmpty())
            QSKIP("no JDK on the search path");
        QTemporaryDir folder;
        QFile source(folder.filePath(QStringLiteral("Dorme.java")));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("public class Dorme {\n"
                     "    public static void main(String[] args) throws Exception {\n"
                     "        System.out.println(\"dormindo\");\n"
                     "        Thread.sleep(600000);\n"
                     "    }\n"
                     "}\n");
        source.close();
        QProcess javac;
        javac.setWorkingDirectory(folder.path());
        javac.start(QStringLiteral("javac"), {QStringLiteral("Dorme.java")});
        QVERIFY(javac.waitForFinished(60000) && javac.exitCode() == 0);

        QProcess tavessa;
        tavessa.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--filho"), folder.path()});
        QVERIFY(tavessa.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(tavessa.canReadLine() || (tavessa.waitForReadyRead(100) && tavessa.canReadLine()), 30000);
        const qint64 program = tavessa.readLine().trimmed().toLongLong();
        QVERIFY(alive(program));
        ::kill(pid_t(tavessa.processId()), SIGKILL);
        QVERIFY(tavessa.waitForFinished());
        const bool gone = QTest::qWaitFor([program] { return !alive(program); }, 10000);
        if (!gone)
            ::kill(pid_t(program), SIGKILL);
        QVERIFY(gone);
    }
};

// As the child: runs Dorme from the folder given and prints its process id
// once it has printed, then waits to be killed.
static int runAsChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ProgramRun run(QString::fromLocal8Bit(argv[2]), QStringLiteral("Dorme"));
    QObject::connect(&run, &ProgramRun::output, [&run](const QList<RunOutput> &pieces) {
        for (const RunOutput &piece : pieces) {
            if (piece.text.contains(QStringLiteral("dormindo"))) {
                std::printf("%lld\n", static_cast<long long>(run.processId()));
                std::fflush(stdout);
            }
        }
    });
    run.start();
    return app.exec();
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--filho") == 0)
        return runAsChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestProgramLifetime test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program_lifetime.moc"

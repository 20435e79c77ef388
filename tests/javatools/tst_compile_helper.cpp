#include "javatools/compile_helper.h"
#include "javatools/javac_compiler.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <csignal>
#include <thread>

// The warm compiler: what it prints is javac's own text, line for line; a
// helper that is killed or missing only costs speed.
class TestCompileHelper : public QObject
{
    Q_OBJECT

private:
    static QString jar() { return QStringLiteral(TAVESSA_BUILD_DIR "/tavessa-compiler.jar"); }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // javac itself, started in the file's folder as the program starts it.
    static QProcess *startJavac(const QString &folder, const QString &name)
    {
        auto *javac = new QProcess;
        javac->setWorkingDirectory(folder);
        javac->setProcessChannelMode(QProcess::MergedChannels);
        javac->start(QStringLiteral("javac"),
                     {"-J-Duser.language=en", "-J-XX:TieredStopAtLevel=1", "-J-XX:+UseSerialGC",
                      "-encoding", "UTF-8", "-g", name});
        return javac;
    }

    static QStringList linesOf(const QByteArray &output)
    {
        QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("javac").isEmpty())
            QSKIP("no javac on the search path");
        QVERIFY2(QFile::exists(jar()), qPrintable(jar()));
    }

    void speaksJavacsOwnWords()
    {
        const QDir corpus(QStringLiteral(TAVESSA_SOURCE_DIR "/tests/javatools/explanations"));
        const QStringList names = corpus.entryList({"*.java"}, QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 50);
        QTemporaryDir work;
        CompileHelper helper(jar());
        helper.start();
        // What the helper says while nobody waits for it ("ready") is kept
        // for the first compile: the event loop runs while it starts.
        QTest::qWait(3000);
        // Two javac runs at a time beside the helper, each in a folder of its own.
        int compared = 0;
        for (int first = 0; first < names.size(); first += 2) {
            QList<QPair<QString, QProcess *>> running;
            for (int i = first; i < qMin(first + 2, int(names.size())); ++i) {
                const QString folder = work.filePath(QString::number(i));
                QDir().mkpath(folder);
                QFile::copy(corpus.filePath(names.at(i)), QDir(folder).filePath(names.at(i)));
                running.append({folder, startJavac(folder, names.at(i))});
            }
            for (const auto &[folder, javac] : running) {
                const QString name = QDir(folder).entryList({"*.java"}).value(0);
                const auto warm = helper.compile(folder, name, "UTF-8", QDeadlineTimer(60000));
                QVERIFY2(javac->waitForFinished(60000), qPrintable(name));
                QVERIFY2(warm, qPrintable(name));
                QCOMPARE(warm->lines, linesOf(javac->readAll()));
                QCOMPARE(warm->succeeded, javac->exitCode() == 0);
                // Every error message comes with its data.
                const int errors = int(warm->lines.filter(QStringLiteral(": error: ")).size());
                int errorData = 0;
                for (const CompilerDiagnostic &d : warm->diagnostics)
                    errorData += d.isError() && d.line > 0 && !d.code.isEmpty() ? 1 : 0;
                QCOMPARE(errorData, errors);
                delete javac;
                ++compared;
            }
        }
        QCOMPARE(compared, int(names.size()));
    }

    void leavesWhenItsInputEnds()
    {
        // As when the program that started it ends or crashes.
        QProcess helper;
        helper.start(QStringLiteral("java"), {"-jar", jar()});
        QVERIFY(helper.waitForStarted());
        QVERIFY(helper.waitForReadyRead(30000));
        QCOMPARE(helper.readLine().trimmed(), QByteArray("ready"));
        helper.closeWriteChannel();
        QVERIFY(helper.waitForFinished(10000));
        QCOMPARE(helper.exitCode(), 0);
    }

    void killedOrMissingHelperOnlyCostsSpeed()
    {
        // A program slow enough to compile that the helper dies in the middle.
        QTemporaryDir folder;
        QByteArray source = "public class Grande {\n";
        for (int i = 0; i < 4000; ++i)
            source += "    static int f" + QByteArray::number(i) + "(int x) { int y = x * " +
                      QByteArray::number(i) + "; return y + \"\".length(); }\n";
        source += "    int erro = \"texto\";\n}\n";
        QVERIFY(writeFile(folder.filePath("Grande.java"), source));
        const QString path = folder.filePath("Grande.java");
        JavacCompiler alone;
        const JavacCompiler::Result expected = alone.compile(path, "UTF-8");
        QCOMPARE(expected.verdict, JavacCompiler::Verdict::Failed);
        QVERIFY(expected.messages.size() == 4);

        CompileHelper helper(jar());
        JavacCompiler compiler(JavacCompiler::TimeLimitMs, &helper);
        // Warm, then killed a little way into the next compile.
        QVERIFY(writeFile(folder.filePath("Pequeno.java"), "class Pequeno {}"));
        QCOMPARE(compiler.compile(folder.filePath("Pequeno.java"), "UTF-8").verdict,
                 JavacCompiler::Verdict::Succeeded);
        const qint64 pid = helper.processId();
        QVERIFY(pid > 0);
        std::thread killer([pid] {
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            ::kill(pid_t(pid), SIGKILL);
        });
        const JavacCompiler::Result killed = compiler.compile(path, "UTF-8");
        killer.join();
        QCOMPARE(killed.messages, expected.messages);
        QCOMPARE(killed.verdict, expected.verdict);
        QVERIFY(killed.diagnostics.isEmpty()); // javac alone said it
        // The next compile has a new helper, and its data again.
        const JavacCompiler::Result again = compiler.compile(path, "UTF-8");
        QVERIFY(helper.processId() != pid && helper.processId() > 0);
        QCOMPARE(again.messages, expected.messages);
        QCOMPARE(again.diagnostics.size(), 1);
        QCOMPARE(again.diagnostics.first().code, QString("compiler.err.prob.found.req"));
        QCOMPARE(again.diagnostics.first().line, 4002);

        // No helper at all: javac as before.
        CompileHelper missing(folder.filePath("nenhum.jar"));
        JavacCompiler withoutHelper(JavacCompiler::TimeLimitMs, &missing);
        const JavacCompiler::Result fallback = withoutHelper.compile(path, "UTF-8");
        QCOMPARE(fallback.messages, expected.messages);
        QCOMPARE(fallback.verdict, expected.verdict);
    }
};

QTEST_GUILESS_MAIN(TestCompileHelper)
#include "tst_compile_helper.moc"

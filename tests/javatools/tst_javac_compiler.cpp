#include "javatools/javac_compiler.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Compiling with the real javac: what reaches it of the file's name and
// encoding, where its messages go, and a compiler that is missing or hangs.
class TestJavacCompiler : public QObject
{
    Q_OBJECT

private:
    static bool writeFile(const QString &path, const QByteArray &bytes, bool executable = false)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
        return !executable || file.setPermissions(file.permissions() | QFile::ExeOwner);
    }

    const QByteArray m_path = qgetenv("PATH");

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("javac").isEmpty())
            QSKIP("no javac on the search path");
    }
    void cleanup() { qputenv("PATH", m_path); }

    void nameAndEncodingReachJavac_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("encoding");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("space in the name") << "Meu Programa.java" << QByteArray("class Ola {}")
                                           << QByteArray("UTF-8") << QStringList{};
        // The echoed source line shows whether javac read the accent right.
        const QStringList accent = {
            "A.java:1: error: incompatible types: String cannot be converted to int",
            "class A { int s = \"Olá\"; }", "                  ^", "1 error"};
        QTest::newRow("accent in UTF-8") << "A.java" << QByteArray("class A { int s = \"Ol\xc3\xa1\"; }")
                                         << QByteArray("UTF-8") << accent;
        QTest::newRow("accent in windows-1252") << "A.java" << QByteArray("class A { int s = \"Ol\xe1\"; }")
                                                << QByteArray("windows-1252") << accent;
    }

    void nameAndEncodingReachJavac()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, encoding);
        QFETCH(QStringList, messages);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(fileName), source));
        JavacCompiler compiler;
        const JavacCompiler::Result result = compiler.compile(folder.filePath(fileName), encoding);

        QCOMPARE(result.messages, messages);
        QCOMPARE(result.verdict, messages.isEmpty() ? JavacCompiler::Verdict::Succeeded
                                                    : JavacCompiler::Verdict::Failed);
        // E lives apart from the sources and is gone; comp.bat holds the line.
        QVERIFY(!compiler.messageFilePath().startsWith(folder.path()));
        QVERIFY(!QFile::exists(compiler.messageFilePath()));
        QFile record(folder.filePath("comp.bat"));
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(record.readAll()),
                 "javac -encoding " + encoding + " -g -Xstdout \"" + compiler.messageFilePath()
                     + "\" \"" + fileName + "\"");
    }

    void missingOrHangingCompiler()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("A.java"), "class A {}");
        JavacCompiler compiler(300);
        qputenv("PATH", "");
        QCOMPARE(compiler.compile(folder.filePath("A.java"), "UTF-8").verdict,
                 JavacCompiler::Verdict::NotStarted);

        // A stand-in that writes part of its messages and never ends.
        writeFile(folder.filePath("javac"),
                  "#!/bin/sh\nwhile [ \"$1\" != -Xstdout ]; do shift; done\n"
                  "echo 'A.java:1: error: half' > \"$2\"\nexec /bin/sleep 30\n", true);
        qputenv("PATH", folder.path().toUtf8());
        const JavacCompiler::Result result = compiler.compile(folder.filePath("A.java"), "UTF-8");
        QCOMPARE(result.verdict, JavacCompiler::Verdict::TimedOut);
        QCOMPARE(result.messages, QStringList{"A.java:1: error: half"});
        QVERIFY(!QFile::exists(compiler.messageFilePath()));
    }
};

QTEST_GUILESS_MAIN(TestJavacCompiler)
#include "tst_javac_compiler.moc"

#include "javatools/compile_command.h"
#include "javatools/compiler_messages.h"
#include "javatools/exec_script.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The texts of the build commands: the recorded compile command line, the
// run script and its class-name guard, and where compiler messages point.
class TestJavatoolsText : public QObject
{
    Q_OBJECT

private slots:
    void commandLineQuotesBothNames_data()
    {
        QTest::addColumn<QByteArray>("encoding");
        QTest::addColumn<QString>("messageFile");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("argument");
        QTest::newRow("plain") << QByteArray("UTF-8") << "/opt/t/err.x" << "Hello.java"
                               << "javac -encoding UTF-8 -g -Xstdout \"/opt/t/err.x\" \"Hello.java\""
                               << "Hello.java";
        QTest::newRow("space and 1252") << QByteArray("windows-1252") << "/tmp/a b/err.x"
                                        << "Meu Prog.java"
                                        << "javac -encoding windows-1252 -g -Xstdout \"/tmp/a b/err.x\" \"Meu Prog.java\""
                                        << "Meu Prog.java";
        QTest::newRow("quote doubled") << QByteArray("UTF-8") << "/tmp/x\"y/err.x" << "A.java"
                                       << "javac -encoding UTF-8 -g -Xstdout \"/tmp/x\"\"y/err.x\" \"A.java\""
                                       << "A.java";
        QTest::newRow("dash is no option") << QByteArray("UTF-8") << "/t/err.x" << "-d.java"
                                           << "javac -encoding UTF-8 -g -Xstdout \"/t/err.x\" \"./-d.java\""
                                           << "./-d.java";
    }

    void commandLineQuotesBothNames()
    {
        QFETCH(QByteArray, encoding);
        QFETCH(QString, messageFile);
        QFETCH(QString, source);
        QFETCH(QString, line);
        QFETCH(QString, argument);
        const CompileCommand command(encoding, messageFile, source, QStringLiteral("/w"));
        QCOMPARE(command.commandLine(), line);
        // The process gets the names unquoted, as arguments of their own.
        const ProcessCommand process = command.processCommand();
        QCOMPARE(process.program, QString("javac"));
        QCOMPARE(process.arguments.mid(process.arguments.size() - 6),
                 QStringList({"-encoding", QString::fromLatin1(encoding), "-g", "-Xstdout",
                              messageFile, argument}));
        QCOMPARE(process.workingFolder, QString("/w"));
    }

    void scriptRefusesWhatIsNoClassName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("skeleton") << "semnome1" << true;
        QTest::newRow("accents and underscore") << "Olá_Mundo2" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("digit first") << "1abc" << false;
        QTest::newRow("reserved word") << "class" << false;
        QTest::newRow("semicolon") << "a;rm -rf ~" << false;
        QTest::newRow("command substitution") << "$(reboot)" << false;
        QTest::newRow("carriage return") << "a\r" << false;
    }

    void scriptRefusesWhatIsNoClassName()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QTemporaryDir folder;
        QCOMPARE(ExecScript::isClassName(name), accepted);
        const ExecScript::Result result = ExecScript::write(folder.path(), name);
        QCOMPARE(result.status == ExecScript::Status::Written, accepted);
        QCOMPARE(QFile::exists(folder.filePath("exec.bat")), accepted);
    }

    void scriptNeedsAFolder()
    {
        QTemporaryDir folder;
        QCOMPARE(ExecScript::write(QString(), "A").status, ExecScript::Status::NoFolder);
        QCOMPARE(ExecScript::write(folder.filePath("gone"), "A").status,
                 ExecScript::Status::NoFolder);
    }

    void messagesPointAtTheirLine_data()
    {
        const QStringList log = {
            "Hello.java:3: error: ';' expected",           // 0
            "\t\tSystem.out.println(\"Olá\")",               // 1
            "\t\t                         ^",               // 2
            "Meu Prog.java:12: warning: [removal] Integer(int) in Integer has been deprecated",
            "        Integer i = new Integer(5);",          // 4
            "  symbol:   variable x",                       // 5
            "/home/a/B.java:7: error: cannot find symbol",  // 6
            "2 errors",                                     // 7
            "error: file not found: X.java",                // 8
            "Usage: javac <options> <source files>",        // 9
        };
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::newRow("header, caret after tabs") << log << 0 << "Hello.java" << 3 << 27;
        QTest::newRow("name with a space") << log << 3 << "Meu Prog.java" << 12 << -1;
        QTest::newRow("detail line") << log << 5 << "Meu Prog.java" << 12 << -1;
        QTest::newRow("absolute path") << log << 6 << "/home/a/B.java" << 7 << -1;
        QTest::newRow("count") << log << 7 << "" << 0 << -1;
        QTest::newRow("no file named, and what follows it") << log << 9 << "" << 0 << -1;
        QTest::newRow("outside") << log << 10 << "" << 0 << -1;
    }

    void messagesPointAtTheirLine()
    {
        QFETCH(QStringList, log);
        QFETCH(int, row);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(int, column);
        const std::optional<SourceLocation> location = CompilerMessages::locate(log, row);
        QCOMPARE(location.has_value(), !file.isEmpty());
        if (location)
            QCOMPARE(*location, (SourceLocation{file, line, column}));
    }
};

QTEST_GUILESS_MAIN(TestJavatoolsText)
#include "tst_javatools_text.moc"

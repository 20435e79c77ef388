#include "app_fixture.h"

#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/run_commands.h"
#include "app/run_console.h"
#include "editor/syn_memo.h"
#include "javatools/program_run.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

// Programs run inside the window with "Executar no Tavessa": input typed into
// the console, output and errors shown, run-time errors explained at the
// student's line, and programs that never end stopped.
class TestRunConsole : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Tfrmprincipal> m_window;
    QTemporaryDir m_work;

    Tfrmprincipal &w() { return *m_window; }
    ConsoleView *console() { return w().console()->view(); }

    // Saves `source` as `name` in a folder of its own and opens it.
    JavaDocument *open(const QString &name, const QByteArray &source)
    {
        return appfixture::openInOwnFolder(w(), m_work.path(), name, source);
    }

    // Ctrl+F10 in the editor, as the student starts a run.
    ProgramRun *runWithKeys(JavaDocument *document)
    {
        w().currentEditor()->SetFocus();
        QTest::keyClick(w().currentEditor(), Qt::Key_F10, Qt::ControlModifier);
        return document->run();
    }

    // Each character as a key press with its text, accented ones included.
    static void typeLine(QWidget *where, const QString &line)
    {
        for (const QChar c : line)
            QTest::sendKeyEvent(QTest::Click, where, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(where, Qt::Key_Return);
    }

    static bool ends(ProgramRun *run, int ms = 30000)
    {
        return QTest::qWaitFor([run] { return run->hasEnded(); }, ms);
    }

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Korvine 4.0"));
        if (QStandardPaths::findExecutable("java").isEmpty())
            QSKIP("no java on the search path");
        // A machine whose language is not UTF-8: accents must survive anyway.
        qputenv("LC_ALL", "C");
        m_window = std::make_unique<Tfrmprincipal>();
        QVERIFY(appfixture::showWindow(w()));
    }

    // A Scanner program fed two typed lines answers with them, accents and
    // all; the console had the focus from the start, and says how it ended.
    void typedInputReachesTheProgram()
    {
        JavaDocument *document = open("Saudacao.java",
            "import java.util.Scanner;\n"
            "public class Saudacao {\n"
            "    public static void main(String[] args) {\n"
            "        Scanner teclado = new Scanner(System.in);\n"
            "        System.out.print(\"Seu nome: \");\n"
            "        String nome = teclado.nextLine();\n"
            "        System.out.print(\"Sua idade: \");\n"
            "        int idade = teclado.nextInt();\n"
            "        System.out.println(\"Olá, \" + nome + \"! Daqui a 10 anos você terá \" + (idade + 10) + \".\");\n"
            "    }\n"
            "}\n");
        QVERIFY(document);
        ProgramRun *run = runWithKeys(document);
        QVERIFY(run);
        QVERIFY(w().console()->isVisible());
        QTRY_VERIFY(console()->hasFocus());
        QTRY_VERIFY(w().console()->text().contains("Seu nome: "));
        typeLine(console(), QStringLiteral("José Conceição"));
        QTRY_VERIFY(w().console()->text().contains("Sua idade: "));
        typeLine(console(), QStringLiteral("20"));
        QVERIFY(ends(run));
        const QString text = w().console()->text();
        QVERIFY2(text.contains(QStringLiteral("Olá, José Conceição! Daqui a 10 anos você terá 30.")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("código de saída 0")), qPrintable(text));
        QCOMPARE(run->exitCode(), 0);
        // Esc gives the editor its keys back.
        console()->setFocus();
        QTest::keyClick(console(), Qt::Key_Escape);
        QTRY_VERIFY(w().currentEditor()->hasFocus());
    }

    // One small program per run-time error: its explanation names the line
    // of the student's code, and a double-click on it goes there. The
    // programs were compiled by the run itself (they were never compiled).
    void runTimeErrorsAreExplained_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(TAVESSA_SOURCE_DIR "/tests/app/run_errors"));
        for (const QString &name : folder.entryList({"*.java"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void runTimeErrorsAreExplained()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray source = file.readAll();
        static const QRegularExpression expected(QStringLiteral("^// espera: (\\w+)(?: na linha (\\d+))?"));
        const QRegularExpressionMatch match = expected.match(QString::fromUtf8(source));
        QVERIFY(match.hasMatch());
        JavaDocument *document = open(QFileInfo(path).fileName(), source);
        QVERIFY(document);
        ProgramRun *run = runWithKeys(document);
        QVERIFY2(run, "the run did not start: did the compile fail?");
        static const QRegularExpression input(QStringLiteral("^// entrada: (.*)$"), QRegularExpression::MultilineOption);
        for (const auto &line : input.globalMatch(QString::fromUtf8(source)))
            typeLine(console(), line.captured(1));
        if (source.contains("// fim da entrada"))
            QTest::keyClick(console(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(ends(run));
        const QString shown = w().console()->text();
        QVERIFY2(!run->explanations().isEmpty(), qPrintable(shown));
        const RunOutput &explained = run->explanations().first();
        QVERIFY2(explained.id == match.captured(1), qPrintable(shown));
        QVERIFY(shown.contains(explained.text.trimmed()));
        const int line = match.captured(2).toInt();
        QCOMPARE(explained.line, line);
        if (line == 0)
            return;
        QVERIFY2(explained.text.contains(QStringLiteral("linha %1").arg(line)), qPrintable(explained.text));
        // The double-click on the explanation puts the caret on that line.
        w().currentEditor()->SetCaretY(1);
        const QTextBlock block = console()->document()->find(explained.text.trimmed()).block();
        QVERIFY(block.isValid());
        const QRect place = console()->cursorRect(QTextCursor(block));
        QTest::mouseDClick(console()->viewport(), Qt::LeftButton, {}, place.center());
        QTRY_COMPARE(w().currentEditor()->CaretY(), line);
        QVERIFY(w().currentEditor()->hasFocus());
    }

    // An endless printer: the console keeps its last lines, the editor takes
    // keys meanwhile, running again asks first, and Ctrl+F2 stops it at once;
    // closing the window stops a program too.
    void endlessProgramsAreStopped()
    {
        JavaDocument *document = open("SemFim.java",
            "public class SemFim {\n"
            "    public static void main(String[] args) {\n"
            "        long i = 0;\n"
            "        while (true) {\n"
            "            System.out.println(\"linha \" + i++);\n"
            "        }\n"
            "    }\n"
            "}\n");
        QVERIFY(document);
        ProgramRun *run = runWithKeys(document);
        QVERIFY(run);
        QTRY_VERIFY_WITH_TIMEOUT(console()->document()->blockCount() >= ProgramRun::MaxLines, 30000);
        QTest::qWait(300);
        QVERIFY(console()->document()->blockCount() <= ProgramRun::MaxLines + 100);
        const QString before = document->text().toPlainText();
        QTest::keyClick(w().currentEditor(), Qt::Key_Space);
        QCOMPARE(document->text().toPlainText().size(), before.size() + 1);

        // Running again asks; "Não" leaves the program running.
        testsupport::answerMessageBox(QMessageBox::No);
        QTest::keyClick(w().currentEditor(), Qt::Key_F10, Qt::ControlModifier);
        QVERIFY(!run->hasEnded());
        QCOMPARE(w().runs().current(), run);

        QVERIFY(appfixture::showWindow(w()));
        w().currentEditor()->SetFocus();
        QTest::keyClick(w().currentEditor(), Qt::Key_F2, Qt::ControlModifier);
        QVERIFY(ends(run, 5000));
        QVERIFY(run->wasStopped());
        QTRY_VERIFY(w().console()->text().contains(QStringLiteral("Programa interrompido (Parar)")));

        // A program that waits for input forever goes with the window.
        JavaDocument *waiting = open("Espera.java",
            "public class Espera {\n"
            "    public static void main(String[] args) throws Exception {\n"
            "        System.out.println(\"esperando\");\n"
            "        System.in.read();\n"
            "    }\n"
            "}\n");
        ProgramRun *waitingRun = runWithKeys(waiting);
        QVERIFY(waitingRun);
        QTRY_VERIFY_WITH_TIMEOUT(w().console()->text().contains("esperando"), 30000);
        qint64 pid = 0;
        QTRY_VERIFY((pid = waitingRun->processId()) > 0);
        QVERIFY(appfixture::alive(pid));
        waiting->setModified(false);
        document->setModified(false);
        QVERIFY(appfixture::modalsDuring([this] { w().close(); }) == 0);
        m_window.reset();
        QVERIFY(!appfixture::alive(pid));
    }

    // Output without line breaks is shown in pieces, as a flood of short
    // lines is: a 4 MB line arrives whole and the run ends, and an endless
    // one keeps the console's lines bounded and stops at once.
    void outputWithoutLineBreaksIsShownInPieces()
    {
        m_window = std::make_unique<Tfrmprincipal>();
        QVERIFY(appfixture::showWindow(w()));
        JavaDocument *document = open("LinhaLonga.java",
            "public class LinhaLonga {\n"
            "    public static void main(String[] args) {\n"
            "        StringBuilder b = new StringBuilder();\n"
            "        for (int i = 0; i < 4_000_000; i++) b.append((char) ('a' + i % 26));\n"
            "        System.out.print(b);\n"
            "        System.out.println(\"|fim\");\n"
            "        for (long i = 0; ; i++) System.err.print(i % 10);\n"
            "    }\n"
            "}\n");
        QVERIFY(document);
        ProgramRun *run = runWithKeys(document);
        QVERIFY(run);
        QTRY_VERIFY_WITH_TIMEOUT(w().console()->text().contains(QStringLiteral("|fim")), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(console()->document()->blockCount() >= ProgramRun::MaxLines, 30000);
        QVERIFY(console()->document()->blockCount() <= ProgramRun::MaxLines + 100);
        int longest = 0;
        for (QTextBlock b = console()->document()->begin(); b.isValid(); b = b.next())
            longest = qMax(longest, b.length());
        QVERIFY2(longest <= ProgramRun::PieceChars + 1, qPrintable(QString::number(longest)));
        const QString before = document->text().toPlainText();
        QTest::keyClick(w().currentEditor(), Qt::Key_Space);
        QCOMPARE(document->text().toPlainText().size(), before.size() + 1);
        w().currentEditor()->SetFocus();
        QTest::keyClick(w().currentEditor(), Qt::Key_F2, Qt::ControlModifier);
        QVERIFY(ends(run, 5000));
        QTRY_VERIFY(w().console()->text().contains(QStringLiteral("Programa interrompido (Parar)")));
        document->setModified(false);
    }

    // A class without main (an applet) gets a Portuguese message instead of
    // the launcher's English.
    void aClassWithoutMainIsNotRun()
    {
        m_window = std::make_unique<Tfrmprincipal>();
        QVERIFY(appfixture::showWindow(w()));
        JavaDocument *document = open("Desenho.java",
            "import java.applet.Applet;\n"
            "import java.awt.Graphics;\n"
            "public class Desenho extends Applet {\n"
            "    public void paint(Graphics g) {\n"
            "        g.drawString(\"Olá\", 20, 20);\n"
            "    }\n"
            "}\n");
        QString text;
        testsupport::answerMessageBox(QMessageBox::Ok, &text);
        QVERIFY(!runWithKeys(document));
        QVERIFY2(text.contains(QStringLiteral("não tem o método main")), qPrintable(text));

        // A class in a package runs by its full name from the folder above
        // the package's, where java finds it; in another folder, the student
        // is told where it must be.
        const QByteArray packaged = "package aula.exercicios;\n"
                                    "public class Pacote {\n"
                                    "    public static void main(String[] args) {\n"
                                    "        System.out.println(\"Olá do \" + Pacote.class.getName());\n"
                                    "    }\n"
                                    "}\n";
        JavaDocument *inPlace = open("aula/exercicios/Pacote.java", packaged);
        QVERIFY(inPlace);
        QVERIFY(appfixture::showWindow(w())); // active again after the message
        ProgramRun *run = runWithKeys(inPlace);
        QVERIFY(run);
        QVERIFY(ends(run));
        QVERIFY2(w().console()->text().contains(QStringLiteral("Olá do aula.exercicios.Pacote")),
                 qPrintable(w().console()->text()));
        QVERIFY(run->explanations().isEmpty());
        JavaDocument *elsewhere = open("Pacote.java", packaged);
        QVERIFY(elsewhere);
        QVERIFY(appfixture::showWindow(w()));
        testsupport::answerMessageBox(QMessageBox::Ok, &text);
        QVERIFY(!runWithKeys(elsewhere));
        QVERIFY2(text.contains(QStringLiteral("numa pasta aula/exercicios")), qPrintable(text));

        // With the focus in the console, Ctrl+A is still "Abrir".
        QVERIFY(appfixture::showWindow(w()));
        console()->setFocus();
        QTRY_VERIFY(console()->hasFocus());
        QCOMPARE(appfixture::modalsDuring([this] { QTest::keyClick(console(), Qt::Key_A, Qt::ControlModifier); }), 1);
    }
};

QTEST_MAIN(TestRunConsole)
#include "tst_run_console.moc"

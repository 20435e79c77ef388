// "Experimentar" in the real window, with the real JDK shell behind it:
// expressions, declarations that stay, a mistake explained in Portuguese,
// the classes of a document compiled by F9, suggestions, a loop that never
// ends stopped by "Parar", and a line that ends the virtual machine.
#include "app/completion_popup.h"
#include "app/java_document.h"
#include "app/try_commands.h"
#include "app/try_pane.h"
#include "app_fixture.h"
#include "editor/syn_memo.h"
#include "javatools/try_session.h"

#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The first answer includes starting the virtual machine.
constexpr int kAnswerWaitMs = 30000;

} // namespace

class TestTryIt : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    std::unique_ptr<Tfrmprincipal> m_window;

    Tfrmprincipal &w() { return *m_window; }
    TryPane *pane() { return w().tryIt().pane(); }
    QString transcript() { return pane()->text(); }

    // Opens the pane by its shortcut, as a student would.
    void openPane()
    {
        QTest::keyClick(&w(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w().tryIt().dock()->isVisible());
        QTRY_VERIFY(pane()->input()->hasFocus());
    }

    // Types `text` into the pane's line and presses Enter; waits for the
    // answer, whose rows are `expected` (each must be in the transcript).
    void run(const QString &text)
    {
        QTest::keyClicks(pane()->input(), text);
        QTest::keyClick(pane()->input(), Qt::Key_Return);
    }
    bool answered(const QString &expected)
    {
        (void)QTest::qWaitFor([&] { return transcript().contains(expected); }, kAnswerWaitMs);
        if (!transcript().contains(expected))
            qWarning().noquote() << "transcript:\n" << transcript();
        return transcript().contains(expected);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo::exists(QStringLiteral(TAVESSA_BUILD_DIR "/tavessa-shell.jar")));
        qputenv("TAVESSA_HELPERS", TAVESSA_BUILD_DIR);
    }

    void init()
    {
        m_window = std::make_unique<Tfrmprincipal>();
        QVERIFY(appfixture::showWindow(w()));
    }
    void cleanup() { m_window.reset(); }

    void valuesDeclarationsAndMistakes()
    {
        openPane();
        run(QStringLiteral("7 / 2.0"));
        QVERIFY(answered(QStringLiteral("= 3.5 (double)")));
        run(QStringLiteral("7 / 2"));
        QVERIFY(answered(QStringLiteral("= 3 (int)")));
        run(QStringLiteral("\"Ana\".toUpperCase()"));
        QVERIFY(answered(QStringLiteral("= \"ANA\" (String)")));
        run(QStringLiteral("int[] v = {1, 2, 3};"));
        QVERIFY(answered(QStringLiteral("\nv = [1, 2, 3] (int[])")));

        // A block left open goes on in the next line; the method stays.
        run(QStringLiteral("int dobro(int x) {"));
        run(QStringLiteral("return 2 * x;"));
        QVERIFY(!transcript().contains(QStringLiteral("return")));
        run(QStringLiteral("}"));
        QVERIFY(answered(QStringLiteral("Método dobro(int) criado.")));
        run(QStringLiteral("System.out.println(\"dobro: \" + dobro(v[2]));"));
        QVERIFY(answered(QStringLiteral("dobro: 6\n")));

        // A mistake gets the compiler's Portuguese explanation, never javac's English.
        run(QStringLiteral("Sytem.out.println(v.length)"));
        QVERIFY(answered(QStringLiteral("✗ ")));
        const QString mistake = transcript().mid(transcript().lastIndexOf(QStringLiteral("✗ ")));
        QVERIFY2(mistake.contains(QStringLiteral("System")), qPrintable(mistake));
        QVERIFY2(!mistake.contains(QStringLiteral("does not exist")), qPrintable(mistake));
        run(QStringLiteral("v[3]"));
        QVERIFY(answered(QStringLiteral("ArrayIndexOutOfBoundsException")));

        // Suggestions know what the pane declared.
        run(QStringLiteral("String nome = \"Bia\";"));
        QVERIFY(answered(QStringLiteral("nome = \"Bia\" (String)")));
        QTest::keyClicks(pane()->input(), QStringLiteral("nome."));
        QListWidget *list = pane()->input()->findChild<CompletionPopup *>()->list();
        QTRY_VERIFY(list->isVisible());
        QTest::keyClicks(pane()->input(), QStringLiteral("toUp"));
        QTest::keyClick(pane()->input(), Qt::Key_Tab);
        QCOMPARE(pane()->input()->toPlainText(), QStringLiteral("nome.toUpperCase()"));
        QTest::keyClick(pane()->input(), Qt::Key_Return);
        QVERIFY(answered(QStringLiteral("= \"BIA\" (String)")));

        // Up brings the last text back; "Recomeçar" forgets the declarations.
        QTest::keyClick(pane()->input(), Qt::Key_Up);
        QCOMPARE(pane()->input()->toPlainText(), QStringLiteral("nome.toUpperCase()"));
        pane()->input()->SetText(QString());
        QTest::mouseClick(pane()->restartButton(), Qt::LeftButton);
        run(QStringLiteral("dobro(4)"));
        QVERIFY(answered(QStringLiteral("O método dobro")));
        QVERIFY(!transcript().contains(QStringLiteral("= 8 (int)")));
    }

    void classesOfTheCompiledDocument()
    {
        const QByteArray source = "package contas;\n"
                                  "public class Calculadora {\n"
                                  "    public static int soma(int a, int b) {\n"
                                  "        return a + b;\n"
                                  "    }\n"
                                  "}\n"
                                  "class Aluno {\n"
                                  "    String nome;\n"
                                  "    double nota;\n"
                                  "    Aluno(String nome, double nota) { this.nome = nome; this.nota = nota; }\n"
                                  "}\n";
        QDir(m_work.path()).mkpath(QStringLiteral("contas"));
        JavaDocument *document = appfixture::openInOwnFolder(w(), m_work.path() + QStringLiteral("/contas"),
                                                             QStringLiteral("Calculadora.java"), source);
        QVERIFY(document);
        QTest::keyClick(&w(), Qt::Key_F9);
        QTRY_VERIFY(document->isCompiledAsShown());
        openPane();
        QVERIFY(pane()->notice()->text().contains(QStringLiteral("Calculadora.java")));
        run(QStringLiteral("Calculadora.soma(2, 3)"));
        QVERIFY(answered(QStringLiteral("= 5 (int)")));
        run(QStringLiteral("new Aluno(\"Bia\", 9.5).nota"));
        QVERIFY(answered(QStringLiteral("= 9.5 (double)")));

        // The pane says when the code changed since.
        w().currentEditor()->Lines().Add(QStringLiteral("// mais"));
        QTRY_VERIFY(pane()->notice()->text().contains(QStringLiteral("mudou")));
    }

    void runawayLinesAndTheEndOfTheMachine()
    {
        openPane();
        run(QStringLiteral("int i = 0;"));
        QVERIFY(answered(QStringLiteral("i = 0 (int)")));
        run(QStringLiteral("while (true) { i++; }"));
        QTRY_VERIFY_WITH_TIMEOUT(pane()->stopButton()->isEnabled(), kAnswerWaitMs);
        QTest::qWait(300);
        QTest::mouseClick(pane()->stopButton(), Qt::LeftButton);
        QVERIFY(answered(QStringLiteral("Parado.")));
        // The session goes on, declarations kept.
        run(QStringLiteral("i > 0"));
        QVERIFY(answered(QStringLiteral("= true (boolean)")));

        // The time limit stops what nobody stops.
        w().tryIt().session().setTimeLimit(2000);
        run(QStringLiteral("for (;;) { }"));
        QVERIFY(answered(QStringLiteral("mais de 2 segundos")));

        // Reading the keyboard is said to be impossible here.
        run(QStringLiteral("new Scanner(System.in).nextInt()"));
        QVERIFY(answered(QStringLiteral("ler o teclado")));
        QVERIFY(!transcript().contains(QStringLiteral("NoSuchElementException")));

        // System.exit ends only the pane's machine, which starts again.
        const qint64 before = w().tryIt().session().processId();
        run(QStringLiteral("System.exit(0)"));
        QVERIFY(answered(QStringLiteral("encerrou o Java")));
        run(QStringLiteral("2 * 21"));
        QVERIFY(answered(QStringLiteral("= 42 (int)")));
        QVERIFY(w().tryIt().session().processId() != before);
    }
};

QTEST_MAIN(TestTryIt)
#include "tst_try_it.moc"

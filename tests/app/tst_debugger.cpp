#include "debugger_fixture.h"

#include "app/debug_commands.h"
#include "app/document_manager.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/run_commands.h"
#include "app/run_console.h"
#include "app/variables_panel.h"
#include "editor/syn_memo.h"
#include "javatools/debug_session.h"
#include "javatools/program_run.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

// Real programs debugged through the window: stepped with the keys, the
// variables and the stack checked at each stop.
class TestDebugger : public DebuggerFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("java").isEmpty())
            QSKIP("no java on the search path");
        QVERIFY(prepareHelper());
    }
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    // No breakpoint: it stops on main's first line; each F8 lights up the
    // next line, and the variable that changed is marked.
    void aLoopSteppedLineByLine()
    {
        JavaDocument *document = open("Soma.java", "public class Soma {\n"
                                                   "    public static void main(String[] args) {\n"
                                                   "        int[] notas = {7, 8, 5};\n"
                                                   "        int soma = 0;\n"
                                                   "        for (int i = 0; i < notas.length; i++) {\n"
                                                   "            soma += notas[i];\n"
                                                   "        }\n"
                                                   "        System.out.println(\"soma \" + soma);\n"
                                                   "    }\n"
                                                   "}\n");
        QVERIFY(document);
        debug();
        QCOMPARE(stop(), 3);
        QCOMPARE(document->executionLine(), 2);
        QCOMPARE(w().currentEditor()->ExecutionLine(), 2);
        QVERIFY(w().variables()->isVisible());
        QCOMPARE(step(Qt::Key_F8), 4);
        QCOMPARE(shown("notas"), QStringLiteral("3 elementos: [7, 8, 5]"));
        QCOMPARE(step(Qt::Key_F8), 5);
        QCOMPARE(shown("soma"), QStringLiteral("0"));
        // A breakpoint set while the program runs; F12 goes to it.
        document->toggleBreakpoint(5);
        QCOMPARE(step(Qt::Key_F12), 6);
        QCOMPARE(session()->reason(), DebugSession::Reason::Breakpoint);
        QCOMPARE(step(Qt::Key_F8), 5);
        bool changed = false;
        QCOMPARE(shown("soma", &changed), QStringLiteral("7"));
        QVERIFY(changed);
        // A step that ends on the breakpoint is one stop, its change lit.
        QCOMPARE(step(Qt::Key_F8), 6);
        QCOMPARE(shown("i", &changed), QStringLiteral("1"));
        QVERIFY(changed);
        QCOMPARE(shown("soma", &changed), QStringLiteral("7"));
        QVERIFY(!changed);
        // The array opens into its elements.
        QTreeWidgetItem *notas = w().variables()->tree()->findItems("notas", Qt::MatchExactly).value(0);
        QVERIFY(notas);
        notas->setExpanded(true);
        QTRY_COMPARE(notas->childCount(), 3);
        QCOMPARE(notas->child(1)->text(0), QStringLiteral("[1]"));
        QCOMPARE(notas->child(1)->text(1), QStringLiteral("8"));
        // and stays open at the next stop.
        QCOMPARE(step(Qt::Key_F8), 5);
        notas = w().variables()->tree()->findItems("notas", Qt::MatchExactly).value(0);
        QVERIFY(notas);
        QTRY_COMPARE(notas->childCount(), 3);
        QVERIFY(notas->isExpanded());
        QCOMPARE(notas->child(2)->text(1), QStringLiteral("5"));
        // A line typed above the paused one: the lit line follows its
        // statement, the panel says the code no longer matches, and a new
        // breakpoint is refused with a word instead of a dead dot.
        TSynMemo *editor = w().currentEditor();
        editor->SetCaretY(3);
        editor->moveCursor(QTextCursor::StartOfBlock);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(document->executionLine(), 5);
        QCOMPARE(editor->ExecutionLine(), 5);
        QVERIFY(w().variables()->note()->isVisible());
        QVERIFY(w().variables()->note()->text().contains(QStringLiteral("alterado")));
        document->toggleBreakpoint(8);
        QCOMPARE(document->breakpointLines(), QList<int>({6}));
        QVERIFY(w().variables()->note()->text().contains(QStringLiteral("não vale")));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(document->executionLine(), 4);
        // Cleared, the breakpoint no longer stops the loop.
        document->toggleBreakpoint(5);
        key(Qt::Key_F12);
        QTRY_VERIFY_WITH_TIMEOUT(!session(), 20000);
        QVERIFY(w().console()->text().contains(QStringLiteral("soma 20")));
        QCOMPARE(document->executionLine(), -1);
    }

    // A breakpoint set with a click in the gutter; F11 enters the student's
    // recursive method (not println), Shift+F8 leaves it; the stack grows
    // and shrinks. A breakpoint on a blank line moves to the next line
    // with code, its dot too.
    void aRecursiveMethodEnteredAndLeft()
    {
        JavaDocument *document = open("Fatorial.java", "public class Fatorial {\n"
                                                       "    static int fatorial(int n) {\n"
                                                       "        if (n <= 1)\n"
                                                       "            return 1;\n"
                                                       "        return n * fatorial(n - 1);\n"
                                                       "    }\n"
                                                       "\n"
                                                       "    public static void main(String[] args) {\n"
                                                       "        System.out.println(\"início\");\n"
                                                       "        int r = fatorial(3);\n"
                                                       "        System.out.println(r);\n"
                                                       "    }\n"
                                                       "}\n");
        QVERIFY(document);
        TSynMemo *editor = w().currentEditor();
        const auto gutterClick = [editor](int line) {
            const QRect rect = editor->cursorRect(QTextCursor(editor->document()->findBlockByNumber(line - 1)));
            QWidget *gutter = editor->childAt(2, rect.center().y());
            QTest::mouseClick(gutter, Qt::LeftButton, {}, QPoint(3, rect.center().y()));
        };
        gutterClick(10);
        gutterClick(7);
        QCOMPARE(document->breakpointLines(), QList<int>({6, 9}));
        // The breakpoint follows its line when a line is added above it.
        editor->SetCaretY(1);
        editor->moveCursor(QTextCursor::EndOfBlock);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(document->breakpointLines(), QList<int>({7, 10}));
        debug();
        QCOMPARE(stop(), 10);
        QCOMPARE(document->breakpointLines(), QList<int>({9, 10}));
        QCOMPARE(step(Qt::Key_F12), 11);
        QCOMPARE(step(Qt::Key_F11), 4);
        QCOMPARE(session()->frames().size(), 2);
        QCOMPARE(shown("n"), QStringLiteral("3"));
        QCOMPARE(step(Qt::Key_F8), 6);
        QCOMPARE(step(Qt::Key_F11), 4);
        QCOMPARE(session()->frames().size(), 3);
        QCOMPARE(shown("n"), QStringLiteral("2"));
        QCOMPARE(w().variables()->stack()->count(), 3);
        // Choosing the caller's frame shows its variables.
        w().variables()->stack()->setCurrentRow(1);
        QTRY_COMPARE(shown("n"), QStringLiteral("3"));
        QCOMPARE(step(Qt::Key_F8, Qt::ShiftModifier), 6);
        QCOMPARE(session()->frames().size(), 2);
        key(Qt::Key_F12);
        QTRY_VERIFY_WITH_TIMEOUT(!session(), 20000);
        QVERIFY(w().console()->text().contains(QStringLiteral("\n6\n")));

        // Closing the document while paused ends the program: "Parar" goes
        // grey and the console says why it ended.
        debug();
        QCOMPARE(stop(), 10);
        QVERIFY(w().menuItem(QStringLiteral("PararPrograma"))->isEnabled());
        const qint64 program = w().runs().current()->processId();
        document->setModified(false);
        w().files().Close();
        QTRY_VERIFY(!session());
        QTRY_VERIFY(!w().menuItem(QStringLiteral("PararPrograma"))->isEnabled());
        QVERIFY(w().console()->text().contains(QStringLiteral("o documento foi fechado")));
        // The file opened again has its breakpoint back.
        JavaDocument *again = w().files().openFile(m_work.filePath("Fatorial/Fatorial.java"));
        QVERIFY(again);
        QCOMPARE(again->breakpointLines(), QList<int>({9, 10}));
        QTRY_VERIFY(!appfixture::alive(program));
    }

    // An uncaught exception stops the program at the student's line, in
    // another file of the folder, which opens in front, with the Portuguese
    // explanation; "Parar" then leaves no process behind.
    void anExceptionStopsAtItsLineAndStopLeavesNothing()
    {
        QDir().mkpath(m_work.filePath("Divide"));
        QFile other(m_work.filePath("Divide/Calculo.java"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("public class Calculo {\n"
                    "    static int media(int soma, int n) {\n"
                    "        return soma / n;\n"
                    "    }\n"
                    "}\n");
        other.close();
        JavaDocument *main = open("Divide.java", "public class Divide {\n"
                                                 "    public static void main(String[] args) {\n"
                                                 "        System.out.println(Calculo.media(10, 0));\n"
                                                 "    }\n"
                                                 "}\n");
        QVERIFY(main);
        debug();
        QCOMPARE(stop(), 3);
        QCOMPARE(step(Qt::Key_F12), 3);
        QCOMPARE(session()->reason(), DebugSession::Reason::Exception);
        QCOMPARE(session()->file(), QStringLiteral("Calculo.java"));
        const QString state = w().variables()->state()->text();
        QVERIFY2(state.contains(QStringLiteral("divisão de inteiros por zero")), qPrintable(state));
        JavaDocument *document = w().documents().active();
        QVERIFY(document != main);
        QCOMPARE(QFileInfo(document->filePath()).fileName(), QStringLiteral("Calculo.java"));
        QCOMPARE(document->executionLine(), 2);
        QCOMPARE(main->executionLine(), -1);
        const qint64 program = w().runs().current()->processId();
        const qint64 helper = session()->helperProcessId();
        QVERIFY(appfixture::alive(program) && appfixture::alive(helper));
        key(Qt::Key_F2, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!session(), 10000);
        QTRY_VERIFY(!appfixture::alive(program) && !appfixture::alive(helper));
    }

    // A step over a read of the keyboard: the panel says the program waits
    // for input, the console takes the focus, and the typed line lets the
    // step end on the next line.
    void aProgramWaitingForInputSaysSo()
    {
        JavaDocument *document = open("Le.java", "import java.util.Scanner;\n"
                                                 "public class Le {\n"
                                                 "    public static void main(String[] args) {\n"
                                                 "        Scanner sc = new Scanner(System.in);\n"
                                                 "        int n = sc.nextInt();\n"
                                                 "        System.out.println(\"dobro \" + 2 * n);\n"
                                                 "    }\n"
                                                 "}\n");
        QVERIFY(document);
        debug();
        QCOMPARE(stop(), 4);
        QCOMPARE(step(Qt::Key_F8), 5);
        key(Qt::Key_F8);
        QTRY_VERIFY_WITH_TIMEOUT(w().variables()->state()->text().contains(QStringLiteral("esperando uma entrada")),
                                 10000);
        ConsoleView *console = w().console()->view();
        QTRY_VERIFY(console->hasFocus());
        QTest::keyClicks(console, QStringLiteral("21"));
        QTest::keyClick(console, Qt::Key_Return);
        QCOMPARE(stop(), 6);
        QCOMPARE(shown("n"), QStringLiteral("21"));
        key(Qt::Key_F12);
        QTRY_VERIFY_WITH_TIMEOUT(!session(), 20000);
        QVERIFY(w().console()->text().contains(QStringLiteral("dobro 42")));
    }

    // A breakpoint in a Swing listener: the program clicks its own button,
    // and the debugger stops in actionPerformed, on the window's thread.
    void aBreakpointInASwingListener()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (qEnvironmentVariableIsEmpty("DISPLAY") && xvfb.isEmpty())
            QSKIP("no display for the Swing program");
        QProcess display;
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            display.start(xvfb, {QStringLiteral(":97"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            QVERIFY(display.waitForStarted());
            QTest::qWait(500);
            qputenv("DISPLAY", ":97");
        }
        JavaDocument *document = open("Janela.java",
            "import javax.swing.*;\n"
            "import java.awt.event.*;\n"
            "public class Janela extends JFrame implements ActionListener {\n"
            "    JButton b = new JButton(\"Clique\");\n"
            "    int cliques = 0;\n"
            "    Janela() {\n"
            "        super(\"Janela\");\n"
            "        b.addActionListener(this);\n"
            "        add(b);\n"
            "        pack();\n"
            "    }\n"
            "    public void actionPerformed(ActionEvent e) {\n"
            "        String texto = b.getText();\n"
            "        System.out.println(\"clicado: \" + texto);\n"
            "        dispose();\n"
            "    }\n"
            "    public static void main(String[] args) {\n"
            "        SwingUtilities.invokeLater(() -> {\n"
            "            Janela j = new Janela();\n"
            "            j.setVisible(true);\n"
            "            j.b.doClick();\n"
            "        });\n"
            "    }\n"
            "}\n");
        QVERIFY(document);
        document->toggleBreakpoint(13);
        debug();
        QCOMPARE(stop(), 14);
        QCOMPARE(session()->frames().first().method, QStringLiteral("actionPerformed"));
        QCOMPARE(shown("texto"), QStringLiteral("\"Clique\""));
        // this: the student's own fields, and what JFrame brings behind one row.
        QCOMPARE(shown("this.cliques"), QStringLiteral("0"));
        QCOMPARE(shown("this.(herdados de JFrame)").section(' ', 1), QStringLiteral("campos"));
        QVERIFY(w().variables()->tree()->topLevelItemCount() < 8);
        key(Qt::Key_F12);
        QTRY_VERIFY_WITH_TIMEOUT(w().console()->text().contains(QStringLiteral("clicado: Clique")), 20000);
        key(Qt::Key_F2, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!session(), 10000);
        if (display.state() == QProcess::Running) {
            qunsetenv("DISPLAY");
            display.kill();
            display.waitForFinished();
        }
    }
};

QTEST_MAIN(TestDebugger)
#include "tst_debugger.moc"

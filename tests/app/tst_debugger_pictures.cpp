#include "debugger_fixture.h"

#include "app/command_ids.h"
#include "app/java_document.h"
#include "app/memory_view.h"
#include "app/run_console.h"
#include "app/watch_panel.h"

#include <QLineEdit>
#include <QTabWidget>

// A program with a list, a map, arrays and objects of its own, debugged
// through the window: the values as a beginner reads them, the picture of
// memory, expressions watched across steps, a breakpoint on a blank line,
// "Executar até aqui", and a line typed in the console while paused.
class TestDebuggerPictures : public DebuggerFixture
{
    Q_OBJECT

    QString watched(int row)
    {
        QTreeWidgetItem *item = w().variables()->watches()->list()->topLevelItem(row);
        return item ? item->text(1) : QStringLiteral("(ausente)");
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("java").isEmpty())
            QSKIP("no java on the search path");
        QVERIFY(prepareHelper());
    }
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void objectsMemoryAndExpressions()
    {
        JavaDocument *document = open("Turma.java",
            "import java.util.*;\n"
            "public class Turma {\n"
            "    static class Aluno {\n"
            "        String nome;\n"
            "        double nota;\n"
            "        Aluno(String nome, double nota) { this.nome = nome; this.nota = nota; }\n"
            "    }\n"
            "    static class Ponto {\n"
            "        int x, y;\n"
            "        Ponto(int x, int y) { this.x = x; this.y = y; }\n"
            "        public String toString() { return \"(\" + x + \", \" + y + \")\"; }\n"
            "    }\n"
            "    static class Teimoso {\n"
            "        public String toString() { while (true) { } }\n"
            "    }\n"
            "    public static void main(String[] args) {\n"
            "        List<String> nomes = new ArrayList<>();\n"
            "        nomes.add(\"Ana\");\n"
            "        nomes.add(\"Bia\");\n"
            "        Map<String, Integer> idades = new HashMap<>();\n"
            "        idades.put(\"um\", 1);\n"
            "        int[] v = {3, 1, 2};\n"
            "        int[] w = v;\n"
            "        char c = '\\n';\n"
            "        Aluno a = new Aluno(\"Bia\", 9.5);\n"
            "        Ponto p = new Ponto(2, 3);\n"
            "        Teimoso t = new Teimoso();\n"
            "        Aluno ninguem = null;\n"
            "\n"
            "        int soma = v[0] + v[1];\n"
            "        Scanner sc = new Scanner(System.in);\n"
            "        int lido = sc.nextInt();\n"
            "        System.out.println(\"lido \" + (lido + soma));\n"
            "    }\n"
            "}\n");
        QVERIFY(document);
        // Expressions typed before the program starts, one a mistake, one
        // that would change the program.
        QLineEdit *input = w().variables()->watches()->input();
        for (const char *text : {"soma", "v[0] * 10 + v[1]", "nomes.size() + a.nota / 2", "soma++", "p"}) {
            QTest::keyClicks(input, QString::fromUtf8(text));
            QTest::keyClick(input, Qt::Key_Return);
        }
        QCOMPARE(w().variables()->watches()->expressions().size(), 5);
        // A breakpoint on the blank line, from the keyboard.
        w().currentEditor()->SetCaretY(29);
        w().command(commandid::AlternarPontoDeParada)->trigger();
        QCOMPARE(document->breakpointLines(), QList<int>({28}));
        debug();
        QCOMPARE(stop(), 30);
        QCOMPARE(session()->reason(), DebugSession::Reason::Breakpoint);
        QCOMPARE(document->breakpointLines(), QList<int>({29}));

        // Values as a beginner reads them.
        QCOMPARE(shown("nomes"), QStringLiteral("2 elementos: [\"Ana\", \"Bia\"]"));
        QCOMPARE(typeShown("nomes"), QStringLiteral("List<String> (ArrayList)"));
        QCOMPARE(shown("idades"), QStringLiteral("1 par: {\"um\" → 1}"));
        QCOMPARE(shown("c"), QStringLiteral("'\\n'"));
        QCOMPARE(shown("a"), QStringLiteral("Aluno {nome: \"Bia\", nota: 9.5}"));
        QCOMPARE(typeShown("a"), QStringLiteral("Aluno"));
        QCOMPARE(shown("p"), QStringLiteral("(2, 3)"));
        QVERIFY2(shown("t").contains(QStringLiteral("demorou mais de 1 s")), qPrintable(shown("t")));
        QCOMPARE(shown("ninguem"), QStringLiteral("null"));
        // A list opens into its elements, its insides one row further.
        QTreeWidgetItem *nomes = w().variables()->tree()->findItems("nomes", Qt::MatchExactly).value(0);
        nomes->setExpanded(true);
        QTRY_COMPARE(nomes->childCount(), 3);
        QCOMPARE(nomes->child(1)->text(0), QStringLiteral("[1]"));
        QCOMPARE(nomes->child(1)->text(1), QStringLiteral("\"Bia\""));
        QCOMPARE(nomes->child(2)->text(0), QStringLiteral("(por dentro)"));

        // The expressions, evaluated at the stop.
        QTRY_COMPARE(watched(1), QStringLiteral("31"));
        QVERIFY(watched(0).startsWith(QStringLiteral("✗ Não existe \"soma\"")));
        QCOMPARE(watched(2), QStringLiteral("6.75"));
        QVERIFY(watched(3).contains(QStringLiteral("não pode mudar o programa")));
        QCOMPARE(watched(4), QStringLiteral("(2, 3)"));

        // The picture of memory: two variables, one array.
        w().variables()->tabs()->setCurrentWidget(w().variables()->memory());
        QTRY_VERIFY(!w().variables()->memory()->graph().variables.isEmpty());
        const QStringList words = w().variables()->memory()->graph().describe();
        QVERIFY2(words.contains(QStringLiteral("v → int[] nº 4")), qPrintable(words.join('\n')));
        QVERIFY(words.contains(QStringLiteral("w → o mesmo int[] nº 4 que v")));
        QVERIFY(words.contains(QStringLiteral("ninguem = null")));
        const MemoryLayout &layout = *w().variables()->memory()->layout();
        for (int i = 0; i < layout.boxes().size(); ++i)
            for (int j = i + 1; j < layout.boxes().size(); ++j)
                QVERIFY(!layout.boxes().at(i).rect.intersects(layout.boxes().at(j).rect));
        int toArray = 0;
        const QRectF array = layout.boxes().at(4).rect;
        for (const MemoryLayout::Arrow &arrow : layout.arrows())
            toArray += array.contains(arrow.to);
        QCOMPARE(toArray, 2);

        // A step: soma exists now, its expression's value lit.
        QCOMPARE(step(Qt::Key_F8), 31);
        QTRY_COMPARE(watched(0), QStringLiteral("4"));
        QTRY_COMPARE(w().variables()->memory()->graph().variables.size(), 11);
        const MemoryLayout::Box &frame = w().variables()->memory()->layout()->boxes().first();
        QCOMPARE(frame.changed.count(true), 1);
        QVERIFY(frame.changed.last());

        // A line typed while paused waits for the program's read.
        ConsoleView *console = w().console()->view();
        console->setFocus();
        QTest::keyClicks(console, QStringLiteral("5"));
        QTest::keyClick(console, Qt::Key_Return);
        // "Executar até aqui" from the println line.
        w().activateWindow();
        w().currentEditor()->SetCaretY(33);
        w().command(commandid::ExecutarAteAqui)->trigger();
        QCOMPARE(stop(), 33);
        QCOMPARE(session()->reason(), DebugSession::Reason::RunTo);
        w().variables()->tabs()->setCurrentIndex(0);
        QTRY_COMPARE(shown("lido"), QStringLiteral("5"));
        key(Qt::Key_F12);
        QTRY_VERIFY_WITH_TIMEOUT(!session(), 20000);
        QVERIFY(w().console()->text().contains(QStringLiteral("lido 9")));
    }
};

QTEST_MAIN(TestDebuggerPictures)
#include "tst_debugger_pictures.moc"

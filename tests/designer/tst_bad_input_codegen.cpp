#include "swing_skeleton.h"

#include "designer/event_listeners.h"
#include "designer/swing_codegen.h"

#include <QTest>

// Code that the student wrote around the generated lines: the remover takes
// away a component's listener and nothing after it, however the student's
// parentheses and braces are laid out on the line.
class TestBadInputCodegen : public QObject
{
    Q_OBJECT
private slots:
    void blockFollowsTheMarksInOrder_data();
    void blockFollowsTheMarksInOrder();
    void removingKeepsTheStudentsLines();
    void listenerGoesIntoAConstructorWithElse();
    void aNameInsideALongerNameIsAnotherComponent();
    void boundsOnALineWithMoreCodeKeepTheRest();
    void constructorNeedsTheWholeClassName();
};

namespace {

DesignedComponent buttonNamed(const QString &name, int left = 24)
{
    DesignedComponent button;
    button.name = name;
    button.text = name;
    button.left = left;
    button.top = 16;
    button.width = 75;
    button.height = 25;
    return button;
}

} // namespace

void TestBadInputCodegen::blockFollowsTheMarksInOrder_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::addColumn<int>("count");

    const QStringList after{"setSize(400,300);", "setVisible(true);", "}"};
    QTest::newRow("nested call, then another call")
        << QStringList{"jButton1.addActionListener(new Acao(1)); x();"} + after << "(" << ")" << 1;
    QTest::newRow("closed, then opened again on the same line")
        << QStringList{"f(a(b), c); g(", "d);"} + after << "(" << ")" << 2;
    QTest::newRow("else between the braces of a block")
        << QStringList{"if (a) {", "} else {", "b();", "}", "c();"} << "{" << "}" << 4;
    QTest::newRow("close before the first open belongs to the block before")
        << QStringList{"} else {", "a;", "}", "b;"} << "{" << "}" << 3;
}

void TestBadInputCodegen::blockFollowsTheMarksInOrder()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(int, count);
    QCOMPARE(BlockLineCount(StringListCodeLines(lines), 0, open, close), count);
}

void TestBadInputCodegen::removingKeepsTheStudentsLines()
{
    StringListCodeLines code(swingSkeleton());
    DesignedComponent button;
    button.name = QStringLiteral("jButton1");
    button.text = QStringLiteral("jButton1");
    button.left = 24;
    button.top = 16;
    button.width = 75;
    button.height = 25;
    QCOMPARE(WriteComponentCode(code, button, "true", "true"), CodegenResult::Written);
    const QStringList written = code.lines();
    // The student's own listener, and the statements after it.
    const int at = int(written.indexOf("       jButton1.setEnabled(true);")) + 1;
    code.Insert(at, "       jButton1.addActionListener(new Tratador(this)); contar(1);");
    code.Insert(at + 1, "       System.out.println(\"fim (do construtor)\");");

    RemoveComponentCode(code, button, false);
    QStringList expected = swingSkeleton();
    expected.insert(int(expected.indexOf("       JANELA.setLayout(null);")) + 1,
                    "       System.out.println(\"fim (do construtor)\");");
    QCOMPARE(code.lines(), expected);
}

void TestBadInputCodegen::listenerGoesIntoAConstructorWithElse()
{
    // The student's if/else inside the constructor, braces as they are
    // usually typed.
    QStringList lines = swingSkeleton();
    const int body = int(lines.indexOf("       JANELA.setLayout(null);")) + 1;
    lines.insert(body, "       if (true) {");
    lines.insert(body + 1, "       } else {");
    lines.insert(body + 2, "       }");
    StringListCodeLines code(lines);
    const int closing = int(lines.indexOf("}"));

    QCOMPARE(writeListener(code, 0, "jButton1", ComponentKind::JButton, {"a();"}).result, ListenerResult::Created);
    // Above the constructor's own closing line, not at the end of the class.
    QCOMPARE(code.Get(closing), QString("jButton1.addMouseListener( new MouseAdapter() {"));
    QCOMPARE(code.Get(closing + 4), QString("}"));
    QCOMPARE(code.Get(code.Count() - 1), QString("}"));
    QCOMPARE(code.Get(code.Count() - 2), QString("        }"));
}

void TestBadInputCodegen::aNameInsideALongerNameIsAnotherComponent()
{
    // "Button1" stands inside every line of "jButton1".
    StringListCodeLines code(swingSkeleton());
    const DesignedComponent longer = buttonNamed("jButton1");
    QCOMPARE(WriteComponentCode(code, longer, QString(), QString()), CodegenResult::Written);
    const int at = int(code.lines().indexOf("       jButton1.setBounds(24,16,75,25);")) + 1;
    QVERIFY(at > 0);
    code.Insert(at, "       jButton1.addActionListener(new Tratador(this));");
    const QStringList withLonger = code.lines();

    const DesignedComponent shorter = buttonNamed("Button1", 120);
    QCOMPARE(WriteComponentCode(code, shorter, QString(), QString()), CodegenResult::Written);
    for (const QString &line : withLonger)
        QVERIFY2(code.lines().contains(line), qPrintable(line));
    QVERIFY(code.lines().contains("       Button1 = new JButton(\"Button1\");"));
    QVERIFY(code.lines().contains("       JANELA.add(Button1);"));
    QVERIFY(code.lines().contains("       Button1.setBounds(120,16,75,25);"));

    // Removing the shorter one takes its own lines only, not the longer
    // one's listener.
    RemoveComponentCode(code, shorter, false);
    QCOMPARE(code.lines(), withLonger);
}

void TestBadInputCodegen::boundsOnALineWithMoreCodeKeepTheRest()
{
    QStringList lines = swingSkeleton();
    const int constructor = int(lines.indexOf("public semnome1(){"));
    lines[constructor] = "public semnome1(){ jButton1.setBounds(1,2,3,4); iniciar();";
    StringListCodeLines code(lines);
    QCOMPARE(WriteComponentCode(code, buttonNamed("jButton1"), QString(), QString()),
             CodegenResult::Written);
    QVERIFY(code.lines().contains("public semnome1(){ jButton1.setBounds(24,16,75,25); iniciar();"));
    // The constructor is still found the next time.
    QCOMPARE(WriteComponentCode(code, buttonNamed("jButton1", 40), QString(), QString()),
             CodegenResult::Written);
    QVERIFY(code.lines().contains("public semnome1(){ jButton1.setBounds(40,16,75,25); iniciar();"));

    // A call left unfinished before the class header on its line, or one
    // whose arguments hold the header: the line stays as it is and the
    // call goes into the constructor, where the next write finds it.
    for (const char *unfinished : {"jButton1.setBounds(4,11 public class semnome1 extends JFrame{",
                                    "jButton1.setBounds(4, public class semnome1 extends JFrame{ 11);"}) {
        lines = swingSkeleton();
        const int header = int(lines.indexOf("public class semnome1 extends JFrame{"));
        lines[header] = QString::fromLatin1(unfinished);
        StringListCodeLines cut(lines);
        QCOMPARE(WriteComponentCode(cut, buttonNamed("jButton1"), QString(), QString()), CodegenResult::Written);
        QCOMPARE(cut.Get(header), QString::fromLatin1(unfinished));
        QVERIFY(cut.lines().contains("       jButton1.setBounds(24,16,75,25);"));
        QCOMPARE(WriteComponentCode(cut, buttonNamed("jButton1", 40), QString(), QString()), CodegenResult::Written);
        QCOMPARE(cut.Get(header), QString::fromLatin1(unfinished));
        QVERIFY(cut.lines().contains("jButton1.setBounds(40,16,75,25);"));
    }
}

void TestBadInputCodegen::constructorNeedsTheWholeClassName()
{
    // A method whose name starts with the class name comes first.
    QStringList lines = swingSkeleton();
    const int constructor = int(lines.indexOf("public semnome1(){"));
    lines.insert(constructor, "public semnome1Auxiliar(){ }");
    lines.insert(constructor + 1, "");
    StringListCodeLines code(lines);
    QCOMPARE(WriteComponentCode(code, buttonNamed("jButton1"), QString(), QString()),
             CodegenResult::Written);
    const int creation = int(code.lines().indexOf("       jButton1 = new JButton(\"jButton1\");"));
    QVERIFY(creation > int(code.lines().indexOf("public semnome1(){")));
}

QTEST_GUILESS_MAIN(TestBadInputCodegen)
#include "tst_bad_input_codegen.moc"

#include "designer/swing_codegen.h"
#include "swing_skeleton.h"

#include <QtTest>

namespace {

DesignedComponent component(ComponentKind kind, const QString &name, const QString &text,
                            int left, int top, int width, int height)
{
    DesignedComponent c;
    c.kind = kind;
    c.name = name;
    c.text = text;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

DesignedComponent button1()
{
    return component(ComponentKind::JButton, "jButton1", "jButton1", 24, 16, 75, 25);
}

// The lines of the code between the class line and the size call.
QStringList head(const StringListCodeLines &code)
{
    const QStringList &lines = code.lines();
    const int from = int(lines.indexOf(QRegularExpression("public class .*")));
    const int to = int(lines.indexOf(QRegularExpression(".*setSize\\(.*")));
    return lines.mid(from, to - from + 1);
}

} // namespace

class TestSwingCodegen : public QObject
{
    Q_OBJECT
private slots:
    void placingAButton();
    void placingAList();
    void twoOfAKindKeepPlacingOrder();
    void movingRewritesBoundsInPlace();
    void deletedBoundsLineIsWrittenAnewIndented();
    void missingAnchors_data();
    void missingAnchors();
    void textsAreEscaped_data();
    void textsAreEscaped();
    void buttonGroupLines();
    void removingRestoresTheSkeleton_data();
    void removingRestoresTheSkeleton();
    void removingKeepsEditedLines();
    void multiLineListenerRemovedWhole();
    void removalEndsAtUndeletableMatches();
    void blockLineCount_data();
    void blockLineCount();
    void windowSize();
};

void TestSwingCodegen::placingAButton()
{
    StringListCodeLines code(swingSkeleton());
    QCOMPARE(WriteComponentCode(code, button1(), "true", "true"), CodegenResult::Written);
    QCOMPARE(head(code), QStringList({
                             "public class semnome1 extends JFrame{",
                             "JButton jButton1;",
                             "",
                             "public semnome1(){",
                             "       Container JANELA = getContentPane();",
                             "       JANELA.setLayout(null);",
                             "       jButton1 = new JButton(\"jButton1\");",
                             "       JANELA.add(jButton1);",
                             "       jButton1.setBounds(24,16,75,25);",
                             "       jButton1.setVisible(true);",
                             "       jButton1.setEnabled(true);",
                             "",
                             "       setSize(400,300);",
                         }));
}

void TestSwingCodegen::placingAList()
{
    StringListCodeLines code(swingSkeleton());
    DesignedComponent list = component(ComponentKind::JList, "list1", "List1", 24, 60, 121, 97);
    list.items = {"List1"};
    WriteComponentCode(code, list, "true", "true");
    QCOMPARE(head(code), QStringList({
                             "public class semnome1 extends JFrame{",
                             "JList list1;",
                             "",
                             "public semnome1(){",
                             "       Container JANELA = getContentPane();",
                             "       JANELA.setLayout(null);",
                             "DefaultListModel modellist1 = new DefaultListModel();",
                             "       list1 = new JList(modellist1);",
                             "JScrollPane scrlist1 = new JScrollPane(list1);",
                             "JANELA.add(scrlist1);",
                             "scrlist1.setBounds(24,60,121,97);",
                             "       list1.setVisible(true);",
                             "       list1.setEnabled(true);",
                             "",
                             "       setSize(400,300);",
                         }));

    // Moving it rewrites its three lines where they stand.
    list.left = 30;
    const QStringList before = code.lines();
    WriteComponentCode(code, list, "", "");
    QCOMPARE(code.lines().size(), before.size());
    QCOMPARE(code.lines().indexOf("scrlist1.setBounds(30,60,121,97);"),
             before.indexOf("scrlist1.setBounds(24,60,121,97);"));
}

void TestSwingCodegen::twoOfAKindKeepPlacingOrder()
{
    StringListCodeLines code(swingSkeleton());
    WriteComponentCode(code, button1(), "true", "true");
    WriteComponentCode(code, component(ComponentKind::JButton, "jButton2", "jButton2", 5, 6, 75,
                                       25),
                       "true", "true");
    const QStringList &lines = code.lines();
    QCOMPARE(lines.indexOf("JButton jButton2;"), lines.indexOf("JButton jButton1;") + 1);
    QCOMPARE(lines.indexOf("       jButton2 = new JButton(\"jButton2\");"),
             lines.indexOf("       jButton1.setEnabled(true);") + 1);
    QVERIFY(lines.indexOf("       jButton2.setEnabled(true);") < lines.indexOf(""
                                                                               "       setSize(400,300);"));
}

void TestSwingCodegen::movingRewritesBoundsInPlace()
{
    StringListCodeLines code(swingSkeleton());
    DesignedComponent b = button1();
    WriteComponentCode(code, b, "true", "true");
    QStringList expected = code.lines();
    b.left = 40;
    b.top = 30;
    WriteComponentCode(code, b, "", "");
    expected.replace(expected.indexOf("       jButton1.setBounds(24,16,75,25);"),
                     "jButton1.setBounds(40,30,75,25);");
    QCOMPARE(code.lines(), expected);
}

void TestSwingCodegen::deletedBoundsLineIsWrittenAnewIndented()
{
    StringListCodeLines code(swingSkeleton());
    DesignedComponent b = button1();
    WriteComponentCode(code, b, "true", "true");
    code.Delete(int(code.lines().indexOf("       jButton1.setBounds(24,16,75,25);")));
    b.top = 50;
    WriteComponentCode(code, b, "", "");
    const QStringList &lines = code.lines();
    QCOMPARE(lines.indexOf("       jButton1.setBounds(24,50,75,25);"),
             lines.indexOf("       jButton1.setEnabled(true);") + 1);
    QCOMPARE(lines.filter("setVisible(true)").size(), 2); // the button's and the window's
}

void TestSwingCodegen::missingAnchors_data()
{
    QTest::addColumn<QStringList>("code");
    QTest::addColumn<CodegenResult>("result");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("class line first") << QStringList{"public class A extends JFrame{", "",
                                                     "public A(){", "", "}"}
                                      << CodegenResult::MissingClass
                                      << QStringList{"public class A extends JFrame{", "",
                                                     "public A(){", "", "}"};
    QTest::newRow("no frame class") << QStringList{"", "public class A{", "}"}
                                    << CodegenResult::MissingClass
                                    << QStringList{"", "public class A{", "}"};
    QTest::newRow("no constructor keeps the declaration")
        << QStringList{"", "public class A extends JFrame{", "", "}"}
        << CodegenResult::MissingConstructor
        << QStringList{"", "public class A extends JFrame{", "JButton jButton1;", "", "}"};
}

void TestSwingCodegen::missingAnchors()
{
    QFETCH(QStringList, code);
    QFETCH(CodegenResult, result);
    QFETCH(QStringList, after);
    StringListCodeLines lines(code);
    QCOMPARE(WriteComponentCode(lines, button1(), "true", "true"), result);
    QCOMPARE(lines.lines(), after);
    QVERIFY(!codegenMessage(result).isEmpty());
}

void TestSwingCodegen::textsAreEscaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("literal");
    QTest::newRow("quote") << "diga \"oi\"" << R"("diga \"oi\"")";
    QTest::newRow("backslash") << R"(C:\temp)" << R"("C:\\temp")";
    QTest::newRow("line breaks") << "a\nb\r\nc" << R"("a\nb\r\nc")";
    QTest::newRow("control character") << QString("x") + QChar(1) << R"("x\001")";
    QTest::newRow("tab and accents stay") << "á\tb" << "\"á\tb\"";
}

void TestSwingCodegen::textsAreEscaped()
{
    QFETCH(QString, text);
    QFETCH(QString, literal);
    QCOMPARE(javaStringLiteral(text), literal);

    // The line is written on one line and found again for removal.
    StringListCodeLines code(swingSkeleton());
    DesignedComponent label = component(ComponentKind::JLabel, "jLabel1", text, 1, 2, 3, 4);
    WriteComponentCode(code, label, "true", "true");
    QVERIFY(code.lines().contains("       jLabel1 = new JLabel(" + literal + ");"));
    RemoveComponentCode(code, label, false);
    QCOMPARE(code.lines(), swingSkeleton());
}

void TestSwingCodegen::buttonGroupLines()
{
    StringListCodeLines code(swingSkeleton());
    DesignedComponent group =
        component(ComponentKind::ButtonGroup, "group1", "Grupo de Opções1", 1, 2, 185, 105);
    WriteComponentCode(code, group, "true", "true");
    QCOMPARE(head(code).mid(1, 1), QStringList{"ButtonGroup group1;"});
    QVERIFY(code.lines().contains("       group1 = new ButtonGroup();"));
    QCOMPARE(code.lines().filter("group1").size(), 2);
    code.Insert(int(code.lines().indexOf("       setSize(400,300);")),
                "       group1.add(jRadioButton1);");
    RemoveComponentCode(code, group, false);
    QCOMPARE(code.lines(), swingSkeleton());
}

void TestSwingCodegen::removingRestoresTheSkeleton_data()
{
    QTest::addColumn<int>("kind");
    for (const ComponentKindInfo &info : componentKinds())
        QTest::newRow(info.swingClass) << kindCode(info.kind);
}

void TestSwingCodegen::removingRestoresTheSkeleton()
{
    QFETCH(int, kind);
    NamingCounters counters;
    DesignedComponent c = newComponent(*kindFromCode(kind), counters, 12, 34);
    StringListCodeLines code(swingSkeleton());
    WriteComponentCode(code, c, "true", "true");
    // Items as the properties dialog writes them go too.
    if (c.kind == ComponentKind::JComboBox)
        code.Insert(code.Count() - 8, c.name + ".addItem(\"x\");");
    if (c.kind == ComponentKind::JList)
        code.Insert(code.Count() - 8, "model" + c.name + ".addElement(\"x\");");
    QVERIFY(code.lines() != swingSkeleton());
    RemoveComponentCode(code, c, false);
    QCOMPARE(code.lines(), swingSkeleton());
}

void TestSwingCodegen::removingKeepsEditedLines()
{
    StringListCodeLines code(swingSkeleton());
    DesignedComponent b = button1();
    WriteComponentCode(code, b, "true", "true");
    const int creation = int(code.lines().indexOf("       jButton1 = new JButton(\"jButton1\");"));
    code.Delete(creation);
    code.Insert(creation, "       jButton1 = new JButton(\"Ok\");");
    RemoveComponentCode(code, b, false);
    QStringList expected = swingSkeleton();
    expected.insert(8 + 1, "       jButton1 = new JButton(\"Ok\");");
    QCOMPARE(code.lines(), expected);
}

void TestSwingCodegen::multiLineListenerRemovedWhole()
{
    StringListCodeLines code(swingSkeleton());
    DesignedComponent b = button1();
    WriteComponentCode(code, b, "true", "true");
    const int at = int(code.lines().indexOf("       setSize(400,300);"));
    const QStringList listener{"jButton1.addActionListener(new ActionListener(){",
                               "public void actionPerformed(ActionEvent e){ }", "});"};
    for (int i = 0; i < listener.size(); ++i)
        code.Insert(at + i, listener[i]);

    StringListCodeLines kept(code.lines());
    RemoveComponentCode(kept, b, true);
    QStringList expected = swingSkeleton();
    for (int i = 0; i < listener.size(); ++i)
        expected.insert(10 + i, listener[i]);
    QCOMPARE(kept.lines(), expected);

    RemoveComponentCode(code, b, false);
    QCOMPARE(code.lines(), swingSkeleton());
}

void TestSwingCodegen::removalEndsAtUndeletableMatches()
{
    // Matches on the first line are never deleted; the repeated removals and
    // the listener loop must still come to an end.
    DesignedComponent combo =
        component(ComponentKind::JComboBox, "c", "c", 1, 1, 1, 1);
    StringListCodeLines first({"c.addItem(1);", "c.addItem(2);", "c.addListener(x"});
    RemoveComponentCode(first, combo, false);
    QCOMPARE(first.lines(), QStringList({"c.addItem(1);", "c.addItem(2);", "c.addListener(x"}));

    // A listener whose parentheses never close goes down to the end.
    StringListCodeLines open({"x", "c.addItem(1);", "c.addItem(2);", "c.addFoo(((", "y"});
    RemoveComponentCode(open, combo, false);
    QCOMPARE(open.lines(), QStringList{"x"});
}

void TestSwingCodegen::blockLineCount_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::addColumn<int>("count");

    const QStringList listener{"jButton1.addActionListener(new ActionListener(){",
                               "public void actionPerformed(ActionEvent e){ }", "});", "x();"};
    QTest::newRow("listener") << listener << 0 << "(" << ")" << 3;
    QTest::newRow("balanced single line") << listener << 3 << "(" << ")" << 1;
    QTest::newRow("close before open counts as one open")
        << QStringList{"} else {", "a;", "}", "b;"} << 0 << "{" << "}" << 3;
    QTest::newRow("never balanced stops at the end")
        << QStringList{"f((", "g(", "h"} << 0 << "(" << ")" << 3;
    QTest::newRow("beyond the last line") << listener << 4 << "(" << ")" << 0;
    QTest::newRow("negative line") << listener << -1 << "(" << ")" << 0;
    QTest::newRow("empty mark") << listener << 0 << "" << ")" << 1;
    QTest::newRow("multi-character marks")
        << QStringList{"<% a <%", "b %> %>", "c"} << 0 << "<%" << "%>" << 2;
}

void TestSwingCodegen::blockLineCount()
{
    QFETCH(QStringList, lines);
    QFETCH(int, first);
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(int, count);
    QCOMPARE(BlockLineCount(StringListCodeLines(lines), first, open, close), count);
}

void TestSwingCodegen::windowSize()
{
    StringListCodeLines code(swingSkeleton());
    QVERIFY(!UpdateWindowSize(code, 400, 300, 400, 300));
    QVERIFY(UpdateWindowSize(code, 400, 300, 410, 290));
    QCOMPARE(code.Get(10), QStringLiteral("       setSize(410,290);"));
    QCOMPARE(code.lines().size(), swingSkeleton().size());

    // A size call edited by hand no longer matches and stays.
    code.Delete(10);
    code.Insert(10, "       setSize(640, 480);");
    QVERIFY(!UpdateWindowSize(code, 410, 290, 500, 500));
    QCOMPARE(code.Get(10), QStringLiteral("       setSize(640, 480);"));
}

QTEST_GUILESS_MAIN(TestSwingCodegen)
#include "tst_swing_codegen.moc"

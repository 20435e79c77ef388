#include "designer/objects_file.h"

#include <QtTest>

namespace {

DesignedComponent button(const QString &name, int left, int top)
{
    DesignedComponent c;
    c.kind = ComponentKind::JButton;
    c.name = name;
    c.text = name;
    c.left = left;
    c.top = top;
    c.width = 75;
    c.height = 25;
    return c;
}

QStringList block(const QString &header, const QStringList &fields)
{
    return QStringList{header} + fields + QStringList{QStringLiteral("]")};
}

const QStringList kFields{"x", "1", "2", "1", "1", "25", "75"};

} // namespace

class TestObjectsFile : public QObject
{
    Q_OBJECT
private slots:
    void writesTheWorkedExampleByteForByte();
    void readsBackWhatItWrites();
    void windowOnlyFile();
    void ignoresLinesOutsideBlocks();
    void brokenBlocks_data();
    void brokenBlocks();
    void countsLoadedComponents();
    void itemsAndLineBreaksSurvive();
    void extraLinesAreSkippedByPlainReaders();
    void oldFilesStillLoad();
    void unknownAndOddHeadersEnd_data();
    void unknownAndOddHeadersEnd();
};

void TestObjectsFile::writesTheWorkedExampleByteForByte()
{
    NamingCounters counters;
    DesignWindowData window = newDesignWindow(counters);
    window.components.append(button(QStringLiteral("jButton1"), 24, 16));
    QCOMPARE(WriteObjects(window), QStringLiteral("TForm() Form1[\nForm1\n0\n0\n1\n1\n300\n400\n"
                                                  "TButton(1) jButton1[\njButton1\n24\n16\n1\n1\n"
                                                  "25\n75\n]\n]\n"));
}

void TestObjectsFile::readsBackWhatItWrites()
{
    NamingCounters counters;
    DesignWindowData window = newDesignWindow(counters);
    window.left = 5;
    window.top = 7;
    window.width = 500;
    window.height = 320;
    for (const ComponentKindInfo &info : componentKinds()) {
        DesignedComponent c = newComponent(info.kind, counters, 10 * kindCode(info.kind), 3);
        window.components.append(c);
    }
    window.components[5].items = QStringList{"um", "dois"};
    window.components[6].items = QStringList{"a", "b", "c"};
    window.components[6].text = "a";

    NamingCounters loaded;
    const ObjectsReadResult result = ReadObjects(objectsLines(WriteObjects(window)), loaded);
    QVERIFY(result.windowFound);
    QCOMPARE(result.brokenBlocks, 0);
    window.name.clear(); // a loaded window has no name
    QCOMPARE(result.window, window);
}

void TestObjectsFile::windowOnlyFile()
{
    NamingCounters counters;
    const QStringList lines{"TForm() Form1[", "Form1", "0", "0", "1", "1", "300", "400", "]"};
    const ObjectsReadResult result = ReadObjects(lines, counters);
    QVERIFY(result.windowFound);
    QVERIFY(result.window.components.isEmpty());
    QCOMPARE(result.window.title, QStringLiteral("Form1"));
    QVERIFY(result.window.name.isEmpty());
    QCOMPARE(WriteObjects(result.window).section('\n', 0, 0), QStringLiteral("TForm() ["));
}

void TestObjectsFile::ignoresLinesOutsideBlocks()
{
    NamingCounters counters;
    const QStringList lines = QStringList{"lixo", "", "42"}
                              + QStringList{"TForm() Form1[", "Form1", "0", "0", "1", "1", "300",
                                            "400"}
                              + block("TButton(1) jButton1[", kFields)
                              + QStringList{"comentário", "7"}
                              + block("TEdit(2) jTextField1[", kFields) + QStringList{"]"};
    const ObjectsReadResult result = ReadObjects(lines, counters);
    QCOMPARE(result.brokenBlocks, 0);
    QCOMPARE(result.window.components.size(), 2);
    QCOMPARE(result.window.components[1].name, QStringLiteral("jTextField1"));
    QCOMPARE(result.window.components[1].left, 1);
}

void TestObjectsFile::brokenBlocks_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("broken");
    QTest::addColumn<QStringList>("names");

    const QStringList head{"TForm() Form1[", "Form1", "0", "0", "1", "1", "300", "400"};
    QTest::newRow("letters in a number line")
        << head + block("TButton(1) a[", {"a", "1", "dois", "1", "1", "25", "75"})
               + block("TButton(1) b[", kFields) + QStringList{"]"}
        << 1 << QStringList{"a", "b"};
    QTest::newRow("two broken blocks, one message each")
        << head + block("TButton(1) a[", {"a", "x", "2", "1", "1", "25", "75"})
               + block("TButton(1) b[", {"b", "1", "2", "1", "1", "", "75"})
               + block("TButton(1) c[", kFields)
        << 2 << QStringList{"a", "b", "c"};
    QTest::newRow("text with a raw line break shifts the block")
        << head + block("TLabel(3) l[", {"linha", "dois", "1", "2", "1", "1", "17", "65"})
        << 1 << QStringList{"l"};
    QTest::newRow("file cut short") << head + QStringList{"TButton(1) a[", "a", "1"} << 1
                                    << QStringList{"a"};
    QTest::newRow("broken window") << QStringList{"TForm() [", "t", "0", "?"}
                                          + block("TButton(1) a[", kFields)
                                   << 1 << QStringList{"a"};
    QTest::newRow("name no control accepts")
        << head + block("TButton(1) 9 x[", kFields) << 1 << QStringList{"jButton1"};
    QTest::newRow("number out of range")
        << head + block("TButton(1) a[", {"a", "99999999999", "2", "1", "1", "25", "75"}) << 1
        << QStringList{"a"};
}

void TestObjectsFile::brokenBlocks()
{
    QFETCH(QStringList, lines);
    QFETCH(int, broken);
    QFETCH(QStringList, names);
    NamingCounters counters;
    const ObjectsReadResult result = ReadObjects(lines, counters);
    QCOMPARE(result.brokenBlocks, broken);
    QStringList read;
    for (const DesignedComponent &c : result.window.components)
        read.append(c.name);
    QCOMPARE(read, names);
}

void TestObjectsFile::countsLoadedComponents()
{
    NamingCounters counters;
    DesignWindowData window = newDesignWindow(counters);
    window.components = {button("jButton1", 1, 1), button("jButton2", 1, 1),
                         button("jButton3", 1, 1)};
    DesignedComponent label;
    label.kind = ComponentKind::JLabel;
    label.name = "jLabel1";
    window.components.append(label);
    window.components.append(label);

    NamingCounters fresh;
    ReadObjects(objectsLines(WriteObjects(window)), fresh);
    QCOMPARE(newComponent(ComponentKind::JButton, fresh, 0, 0).name, QStringLiteral("jButton4"));
    QCOMPARE(newComponent(ComponentKind::JLabel, fresh, 0, 0).name, QStringLiteral("jLabel3"));
    QCOMPARE(fresh.windows, 0);
}

void TestObjectsFile::itemsAndLineBreaksSurvive()
{
    NamingCounters counters;
    DesignWindowData window = newDesignWindow(counters);
    DesignedComponent list = newComponent(ComponentKind::JList, counters, 1, 2);
    list.items = {"primeiro", "]", "[x]", "a\\nb", ""};
    list.text = list.items.first();
    DesignedComponent combo = newComponent(ComponentKind::JComboBox, counters, 1, 2);
    combo.items = {"x"};
    DesignedComponent emptyList = newComponent(ComponentKind::JList, counters, 1, 2);
    emptyList.items.clear();
    emptyList.text.clear();
    DesignedComponent area = newComponent(ComponentKind::JTextArea, counters, 1, 2);
    area.text = "linha 1\nlinha 2\r\n\\fim";
    DesignedComponent longText = newComponent(ComponentKind::JButton, counters, 1, 2);
    longText.text = QString(1200, QLatin1Char('b'));
    window.components = {list, combo, emptyList, area, longText};

    const QString text = WriteObjects(window);
    NamingCounters loaded;
    const ObjectsReadResult result = ReadObjects(objectsLines(text), loaded);
    QCOMPARE(result.brokenBlocks, 0);
    QCOMPARE(result.window.components, window.components);
    // Only the exact-text line may pass the text line's limit.
    for (const QString &line : objectsLines(text)) {
        if (!line.startsWith("texto="))
            QVERIFY(line.size() <= kObjectsTextLineLimit);
    }
}

void TestObjectsFile::extraLinesAreSkippedByPlainReaders()
{
    // A reader that knows only the fields skips every line without "[" and
    // stops a block at "]": extra lines must be both, and come after width.
    NamingCounters counters;
    DesignWindowData window = newDesignWindow(counters);
    DesignedComponent list = newComponent(ComponentKind::JList, counters, 1, 2);
    list.items = {"a[", "]", "b\nc"};
    list.text = "a[";
    window.components = {list};
    const QStringList lines = objectsLines(WriteObjects(window));
    QCOMPARE(lines.mid(8, 8),
             QStringList({"TListBox(7) list1[", "a[", "1", "2", "1", "1", "97", "121"}));
    QCOMPARE(lines.last(), QStringLiteral("]"));
    QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("]"));
    for (const QString &line : lines.mid(16, lines.size() - 18)) {
        QVERIFY2(!line.contains('[') && line != "]", qPrintable(line));
    }
}

void TestObjectsFile::oldFilesStillLoad()
{
    NamingCounters counters;
    const QStringList lines = QStringList{"TForm() Form1[", "Form1", "0", "0", "1", "1", "300",
                                          "400"}
                              + block("TListBox(7) list1[", {"List1", "1", "2", "1", "1", "97",
                                                             "121"})
                              + block("TComboBox(6) jComboBox1[", {"jComboBox1", "1", "2", "0",
                                                                   "0", "21", "145"})
                              + QStringList{"]"};
    // Old files may end lines with CR LF.
    QString text = lines.join("\r\n") + "\r\n";
    const ObjectsReadResult result = ReadObjects(objectsLines(text), counters);
    QCOMPARE(result.brokenBlocks, 0);
    QCOMPARE(result.window.components[0].items, QStringList{"List1"});
    QCOMPARE(result.window.components[1].items, QStringList{});
    QCOMPARE(result.window.components[1].text, QStringLiteral("jComboBox1"));
    QVERIFY(!result.window.components[1].visible);
}

void TestObjectsFile::unknownAndOddHeadersEnd_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("components");
    QTest::newRow("unknown token") << QStringList{"TPanel(99) p[", "x", "[", "]"} << 0;
    QTest::newRow("header without blank") << QStringList{"TButton(1)["} << 0;
    QTest::newRow("bracket before blank") << QStringList{"TButton(1)[ a"} << 0;
    QTest::newRow("component before any window") << block("TButton(1) a[", kFields) << 1;
    QTest::newRow("second window joins the first")
        << QStringList{"TForm() [", "", "0", "0", "1", "1", "3", "4"}
               + QStringList{"TForm() [", "", "0", "0", "1", "1", "3", "4"}
               + block("TEdit(2) e[", kFields)
        << 1;
    QTest::newRow("only brackets") << QStringList(50, "[") << 0;
}

void TestObjectsFile::unknownAndOddHeadersEnd()
{
    QFETCH(QStringList, lines);
    QFETCH(int, components);
    NamingCounters counters;
    const ObjectsReadResult result = ReadObjects(lines, counters);
    QCOMPARE(result.window.components.size(), components);
}


QTEST_GUILESS_MAIN(TestObjectsFile)
#include "tst_objects_file.moc"

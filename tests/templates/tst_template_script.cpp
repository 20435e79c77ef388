#include "template_test_support.h"

#include "templates/template_script.h"

#include <QTest>

// The script notation and what running a script does to the line list and
// the insertion line.
class TestTemplateScript : public QObject
{
    Q_OBJECT

private slots:
    void parsesSteps_data();
    void parsesSteps();
    void rejectsBadNotation_data();
    void rejectsBadNotation();
    void runsPatterns_data();
    void runsPatterns();
    void stackedBlocksPutTheNewestOnTop();
    void printLineUsesTheSameDelimiterTwice();
};

void TestTemplateScript::parsesSteps_data()
{
    QTest::addColumn<QString>("notation");
    QTest::addColumn<QStringList>("texts"); // composed with the answer "A"; "+n", "(+1)" for advances
    QTest::addColumn<QList<int>>("repeats");

    QTest::newRow("one literal") << u8"«setSize();»" << QStringList{"setSize();"} << QList<int>{1};
    QTest::newRow("quotes and brackets belong to the literal")
        << u8"«<form method=\"\" action =\"\">»" << QStringList{"<form method=\"\" action =\"\">"}
        << QList<int>{1};
    QTest::newRow("answer spliced between literals")
        << u8"«if (» + answer + « )»" << QStringList{"if (A )"} << QList<int>{1};
    QTest::newRow("counted blanks") << u8"6 spaces + «{» · 1 space + «x»"
                                    << QStringList{"      {", " x"} << QList<int>{1, 1};
    QTest::newRow("advances") << u8"«a» · +1 · «b» · +2 · (+1) · «c»"
                              << QStringList{"a", "+1", "b", "+2", "(+1)", "c"}
                              << QList<int>{1, 1, 1, 2, 1, 1};
    QTest::newRow("repeated empty line") << u8"«</ul>» · empty ×4 · «<ul>»"
                                         << QStringList{"</ul>", "", "<ul>"} << QList<int>{1, 4, 1};
    QTest::newRow("separator inside a literal is text")
        << u8"«a · b + c × 2»" << QStringList{u8"a · b + c × 2"} << QList<int>{1};
    QTest::newRow("a single blank") << u8"« »" << QStringList{" "} << QList<int>{1};
}

void TestTemplateScript::parsesSteps()
{
    QFETCH(QString, notation);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, repeats);

    const ScriptParse parsed = parseScript(notation);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QStringList seen;
    QList<int> counts;
    for (const ScriptStep &step : parsed.script) {
        switch (step.kind) {
        case ScriptStep::Kind::Text:
            seen.append(composeText(step, QStringLiteral("A")));
            break;
        case ScriptStep::Kind::Advance:
            seen.append(QStringLiteral("+%1").arg(step.count));
            break;
        case ScriptStep::Kind::AdvanceUnlessFirstLine:
            seen.append(QStringLiteral("(+1)"));
            break;
        }
        counts.append(step.count);
    }
    QCOMPARE(seen, texts);
    QCOMPARE(counts, repeats);
}

void TestTemplateScript::rejectsBadNotation_data()
{
    QTest::addColumn<QString>("notation");
    QTest::newRow("empty") << QString();
    QTest::newRow("literal left open") << u8"«abc";
    QTest::newRow("bare word") << u8"setSize();";
    QTest::newRow("two literals without plus") << u8"«a»«b»";
    QTest::newRow("empty step") << u8"«a» ·  · «b»";
    QTest::newRow("repeat without count") << u8"«a» ×";
    QTest::newRow("repeat of zero") << u8"«a» ×0";
    QTest::newRow("trailing plus") << u8"«a» +";
}

void TestTemplateScript::rejectsBadNotation()
{
    QFETCH(QString, notation);
    const ScriptParse parsed = parseScript(notation);
    QVERIFY(!parsed.ok());
    QVERIFY(parsed.script.isEmpty());
}

void TestTemplateScript::runsPatterns_data()
{
    QTest::addColumn<QString>("notation");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("caretY");
    QTest::addColumn<int>("insertionLine");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("insertionLineAfter");

    const QStringList five = numberedLines(5);

    QTest::newRow("one line goes above the recorded line")
        << u8"«x();»" << five << 3 << 2
        << QStringList{"line 1", "line 2", "x();", "line 3", "line 4", "line 5"} << 2;
    QTest::newRow("advancing block reads in order and ends on its last line")
        << u8"«a» · +1 · «b» · +1 · «c»" << five << 2 << 1
        << QStringList{"line 1", "a", "b", "c", "line 2", "line 3", "line 4", "line 5"} << 3;
    QTest::newRow("stacked block reads in the opposite order of its steps")
        << u8"«</p>» · empty ×2 · «<p>»" << five << 2 << 1
        << QStringList{"line 1", "<p>", "", "", "</p>", "line 2", "line 3", "line 4", "line 5"} << 1;
    QTest::newRow("+2 wraps the line that followed")
        << u8"«{» · +2 · «}»" << five << 2 << 1
        << QStringList{"line 1", "{", "line 2", "}", "line 3", "line 4", "line 5"} << 3;
    QTest::newRow("(+1) places the block below the recorded line")
        << u8"(+1) · «a» · +1 · «b»" << five << 3 << 2
        << QStringList{"line 1", "line 2", "line 3", "a", "b", "line 4", "line 5"} << 4;
    QTest::newRow("(+1) on the first line inserts at the line itself")
        << u8"(+1) · «a» · +1 · «b»" << five << 1 << 0
        << QStringList{"a", "b", "line 1", "line 2", "line 3", "line 4", "line 5"} << 1;
    QTest::newRow("(+1) looks at the caret, not at the insertion line")
        << u8"(+1) · «a»" << five << 1 << 3
        << QStringList{"line 1", "line 2", "line 3", "a", "line 4", "line 5"} << 3;
    QTest::newRow("an empty editor takes a block")
        << u8"«</html>» · empty ×8 · «<html>»" << QStringList() << 1 << 0
        << (QStringList{"<html>"} << QStringList(8, QString()) << QStringList{"</html>"}) << 0;
    QTest::newRow("index equal to the count appends")
        << u8"«x»" << five << 5 << 5
        << (five + QStringList{"x"}) << 5;
    // Past the end: appended, and the insertion line comes back to the end so
    // the rest of the block stays in order below it.
    QTest::newRow("insertion line past the end appends")
        << u8"«x»" << five << 5 << 12 << (five + QStringList{"x"}) << 5;
    QTest::newRow("+2 past the last line appends the closing line")
        << u8"(+1) · «head» · +2 · «}»" << numberedLines(3) << 3 << 2
        << QStringList{"line 1", "line 2", "line 3", "head", "}"} << 4;
    QTest::newRow("stacked block past the end keeps its order")
        << u8"«</ul>» · empty ×2 · «<ul>»" << numberedLines(2) << 2 << 9
        << QStringList{"line 1", "line 2", "<ul>", "", "", "</ul>"} << 2;
}

void TestTemplateScript::runsPatterns()
{
    QFETCH(QString, notation);
    QFETCH(QStringList, before);
    QFETCH(int, caretY);
    QFETCH(int, insertionLine);
    QFETCH(QStringList, after);
    QFETCH(int, insertionLineAfter);

    const ScriptParse parsed = parseScript(notation);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    EngineBench bench(before, caretY, insertionLine);
    bench.engine.runScript(parsed.script, caretY == 1);
    QCOMPARE(bench.editor.lines(), after);
    QCOMPARE(bench.insertionLine, insertionLineAfter);
    QCOMPARE(bench.editor.caretY(), caretY);
}

void TestTemplateScript::stackedBlocksPutTheNewestOnTop()
{
    EngineBench bench;
    bench.run(u8"HTML › <table>");
    bench.run(u8"HTML › <tr>");
    bench.run(u8"HTML › <td>");
    const QStringList expected = QStringList{QStringLiteral("<td>") + QString(19, u' ') + "</td>", "<tr>"}
                                 + QStringList(3, QString())
                                 + QStringList{"</tr>", "<table>"} + QStringList(6, QString())
                                 + QStringList{"</table>"};
    QCOMPARE(bench.editor.lines(), expected);
    QCOMPARE(bench.insertionLine, 0);
}

void TestTemplateScript::printLineUsesTheSameDelimiterTwice()
{
    EngineBench bench({QStringLiteral("}")}, 1, 0);
    bench.run(QStringLiteral("spdbsystemout"));
    bench.run(u8"&Java › Estruturas Aplic. Autonoma (TEXTO) › Imprimir linha");
    const QString d = printDelimiter();
    QCOMPARE(bench.editor.lines(),
             (QStringList{"System.out.println(" + d + " " + d + ");",
                          "System.out.println(" + d + d + ");", "}"}));
    QVERIFY(!d.at(0).isSpace());
}

QTEST_GUILESS_MAIN(TestTemplateScript)
#include "tst_template_script.moc"

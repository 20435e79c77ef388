#include "editor/syn_java_syn.h"
#include "editor/syn_memo.h"

#include <QAction>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

namespace {

QStringList linesOf(const TSynMemo &memo)
{
    QStringList lines;
    for (int i = 0; i < memo.Lines().Count(); ++i)
        lines << memo.Lines().Get(i);
    return lines;
}

void placeCaret(TSynMemo &memo, int line, int column)
{
    QTextCursor cursor(memo.document()->findBlockByNumber(line - 1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    memo.setTextCursor(cursor);
}

} // namespace

class TestSynMemo : public QObject
{
    Q_OBJECT

private slots:
    void emptyEditorHasNoLines();
    void lineIndexRules_data();
    void lineIndexRules();
    void entryWithLineBreaksStaysOneEntry_data();
    void entryWithLineBreaksStaysOneEntry();
    void setTextSplitsAtEveryBreak();
    void selStartCountsBreaksAsTwo_data();
    void selStartCountsBreaksAsTwo();
    void selectionAcrossLinesGivesCrLf();
    void onChangeOnlyForEdits();
    void linesEditsStayUndoable();
    void insertKeepsCaretLineNumber();
    void windowShortcutWinsOverEditorKey();
    void keyEventsComeBeforeTheKeyActs();
    void clickReportsTheNewCaretLine();
    void doubleClickSelectsJavaIdentifier();
    void gutterGrowsBeyondThreeDigits();
};

void TestSynMemo::emptyEditorHasNoLines()
{
    TSynMemo memo;
    QCOMPARE(memo.Lines().Count(), 0);
    memo.Lines().Add(QStringLiteral("import java.awt.*;"));
    QCOMPARE(linesOf(memo), QStringList{QStringLiteral("import java.awt.*;")});

    memo.Clear();
    QCOMPARE(memo.Lines().Count(), 0);
    memo.Lines().Add(QString());
    QCOMPARE(memo.Lines().Count(), 1);
    memo.Lines().Delete(0);
    QCOMPARE(memo.Lines().Count(), 0);
    QCOMPARE(memo.Text(), QString());
}

void TestSynMemo::lineIndexRules_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");

    const QStringList abc{"a", "b", "c"};
    QTest::newRow("get -1") << "get" << -1 << QStringList{""};
    QTest::newRow("get count") << "get" << 3 << QStringList{""};
    QTest::newRow("get last") << "get" << 2 << QStringList{"c"};
    QTest::newRow("insert first") << "insert" << 0 << QStringList{"x", "a", "b", "c"};
    QTest::newRow("insert middle") << "insert" << 2 << QStringList{"a", "b", "x", "c"};
    QTest::newRow("insert at count appends") << "insert" << 3 << QStringList{"a", "b", "c", "x"};
    QTest::newRow("insert beyond count appends") << "insert" << 9 << QStringList{"a", "b", "c", "x"};
    QTest::newRow("insert negative goes first") << "insert" << -2 << QStringList{"x", "a", "b", "c"};
    QTest::newRow("delete first") << "delete" << 0 << QStringList{"b", "c"};
    QTest::newRow("delete last") << "delete" << 2 << QStringList{"a", "b"};
    QTest::newRow("delete count: nothing") << "delete" << 3 << abc;
    QTest::newRow("delete -1: nothing") << "delete" << -1 << abc;
}

void TestSynMemo::lineIndexRules()
{
    QFETCH(QString, operation);
    QFETCH(int, index);
    QFETCH(QStringList, expected);

    TSynMemo memo;
    memo.SetText(QStringLiteral("a\r\nb\r\nc"));
    if (operation == "get") {
        QCOMPARE(memo.Lines().Get(index), expected.first());
        return;
    }
    if (operation == "insert")
        memo.Lines().Insert(index, QStringLiteral("x"));
    else
        memo.Lines().Delete(index);
    QCOMPARE(linesOf(memo), expected);
    QCOMPARE(memo.Text(), expected.join("\r\n"));
}

void TestSynMemo::entryWithLineBreaksStaysOneEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("CR LF") << "int a;\r\nint b;\r\n";
    QTest::newRow("LF") << "int a;\nint b;\n";
    QTest::newRow("CR") << "int a;\rint b;\r";
}

void TestSynMemo::entryWithLineBreaksStaysOneEntry()
{
    QFETCH(QString, entry);
    TSynMemo memo;
    memo.SetText(QStringLiteral("class A {\r\n}"));
    memo.Lines().Insert(1, entry);

    QCOMPARE(memo.Lines().Count(), 3);
    QCOMPARE(memo.document()->blockCount(), 3);
    QCOMPARE(memo.Lines().Get(1), QStringLiteral("int a;\r\nint b;\r\n"));
    QCOMPARE(memo.Lines().Get(2), QStringLiteral("}"));
    QCOMPARE(memo.Text(), QStringLiteral("class A {\r\nint a;\r\nint b;\r\n\r\n}"));
    // Line indexes count the entry as one line until the text is loaded again.
    memo.Lines().Insert(2, QStringLiteral("x();"));
    QCOMPARE(memo.Lines().Get(3), QStringLiteral("}"));
}

void TestSynMemo::setTextSplitsAtEveryBreak()
{
    TSynMemo memo;
    memo.SetText(QStringLiteral("a\r\nb\nc\rd\r\n"));
    QCOMPARE(linesOf(memo), (QStringList{"a", "b", "c", "d", ""}));

    memo.Lines().Insert(1, QStringLiteral("x\r\ny"));
    memo.SetText(memo.Text());
    QCOMPARE(linesOf(memo), (QStringList{"a", "x", "y", "b", "c", "d", ""}));
}

void TestSynMemo::selStartCountsBreaksAsTwo_data()
{
    QTest::addColumn<bool>("embeddedEntry");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<int>("caretY");

    // Lines 1 to 7 ("line1" ...); with the entry, line 2 holds two text lines.
    QTest::newRow("start of line 5") << false << "line5" << 5;
    QTest::newRow("inside line 5") << false << "ne5" << 5;
    QTest::newRow("inside line 7") << false << "7" << 7;
    QTest::newRow("after an entry with breaks") << true << "ne5" << 5;
    QTest::newRow("inside the entry's second text line") << true << "second" << 2;
}

void TestSynMemo::selStartCountsBreaksAsTwo()
{
    QFETCH(bool, embeddedEntry);
    QFETCH(QString, probe);
    QFETCH(int, caretY);

    TSynMemo memo;
    for (int i = 1; i <= 7; ++i)
        memo.Lines().Add(QStringLiteral("line%1").arg(i));
    if (embeddedEntry) {
        memo.Lines().Delete(1);
        memo.Lines().Insert(1, QStringLiteral("first\r\nsecond"));
    }

    const int offset = memo.Text().indexOf(probe);
    memo.SetSelStart(offset);
    QCOMPARE(memo.CaretY(), caretY);
    QCOMPARE(memo.SelStart(), offset);
    QCOMPARE(memo.SelLength(), 0);

    memo.SetSelLength(probe.size());
    QCOMPARE(memo.SelText(), probe);
    QCOMPARE(memo.SelStart(), offset);
    QCOMPARE(memo.SelLength(), probe.size());
}

void TestSynMemo::selectionAcrossLinesGivesCrLf()
{
    TSynMemo memo;
    memo.SetText(QStringLiteral("ab\r\ncd\r\nef"));
    memo.SetSelStart(1);
    memo.SetSelLength(7);
    QCOMPARE(memo.SelText(), QStringLiteral("b\r\ncd\r\n"));
    memo.SetSelLength(6); // ends between CR and LF
    QCOMPARE(memo.SelText(), QStringLiteral("b\r\ncd"));

    // Offsets between the CR and the LF stay on the line the break ends.
    memo.SetSelStart(3);
    QCOMPARE(memo.CaretY(), 1);
    memo.SetSelStart(4);
    QCOMPARE(memo.CaretY(), 2);
    memo.SetSelStart(1000);
    QCOMPARE(memo.CaretY(), 3);
    QCOMPARE(memo.SelStart(), memo.Text().size());
}

void TestSynMemo::onChangeOnlyForEdits()
{
    TSynJavaSyn scanner;
    TSynMemo memo;
    QSignalSpy changes(&memo, &TSynMemo::OnChange);
    memo.SetHighlighter(&scanner);
    memo.SetText(QStringLiteral("class A {\r\n}"));
    memo.Lines().Insert(1, QStringLiteral("int a;"));
    memo.Lines().Add(QStringLiteral("// end"));
    memo.Lines().Delete(0);
    memo.Lines().Clear();
    memo.Lines().Add(QStringLiteral("class B {}"));
    memo.Clear();
    memo.SetText(QStringLiteral("class C {}"));
    QCoreApplication::processEvents(); // the highlighter's delayed first pass
    QCOMPARE(changes.count(), 0);

    memo.show();
    QTest::keyClicks(&memo, QStringLiteral("x"));
    QCOMPARE(changes.count(), 1);
    memo.SetSelText(QStringLiteral("y"));
    QCOMPARE(changes.count(), 2);
    memo.Undo();
    QCOMPARE(changes.count(), 3);
    QCOMPARE(memo.Text(), QStringLiteral("xclass C {}"));
    memo.Redo();
    QCOMPARE(changes.count(), 4);
    memo.SelectAll();
    memo.CutToClipboard();
    QCOMPARE(changes.count(), 5);
    memo.PasteFromClipboard();
    QCOMPARE(changes.count(), 6);
    QCOMPARE(memo.Text(), QStringLiteral("xyclass C {}"));
}

void TestSynMemo::linesEditsStayUndoable()
{
    TSynMemo memo;
    memo.SetText(QStringLiteral("a\r\nb"));
    memo.Lines().Insert(1, QStringLiteral("x"));
    memo.Lines().Delete(0);
    memo.Undo();
    QCOMPARE(memo.Text(), QStringLiteral("a\r\nx\r\nb"));
    memo.Undo();
    QCOMPARE(memo.Text(), QStringLiteral("a\r\nb"));
    // Loading a text starts a new history.
    memo.SetText(QStringLiteral("c"));
    memo.Undo();
    QCOMPARE(memo.Text(), QStringLiteral("c"));
    memo.Clear();
    memo.Undo();
    QCOMPARE(memo.Text(), QString());
}

void TestSynMemo::insertKeepsCaretLineNumber()
{
    TSynMemo memo;
    memo.SetText(QStringLiteral("line1\r\nline2\r\nline3\r\nline4"));
    placeCaret(memo, 3, 2);
    QTextCursor cursor = memo.textCursor();
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 2);
    memo.setTextCursor(cursor);

    memo.Lines().Insert(0, QStringLiteral("new first"));
    memo.Lines().Insert(4, QStringLiteral("a\r\nb"));
    QCOMPARE(memo.CaretY(), 3);
    QCOMPARE(memo.textCursor().positionInBlock(), 4);
    QCOMPARE(memo.textCursor().anchor() - memo.textCursor().block().position(), 2);

    memo.Lines().Delete(0);
    QCOMPARE(memo.CaretY(), 3);
    memo.Lines().Add(QStringLiteral("last"));
    QCOMPARE(memo.CaretY(), 3);
}

void TestSynMemo::windowShortcutWinsOverEditorKey()
{
    QMainWindow window;
    auto *memo = new TSynMemo(&window);
    window.setCentralWidget(memo);
    auto *open = window.addAction(QStringLiteral("Abrir"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    QSignalSpy opened(open, &QAction::triggered);
    memo->SetText(QStringLiteral("some text"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    memo->setFocus();

    // Without the list the editor takes Ctrl+A as its own select-all.
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(opened.count(), 0);
    QCOMPARE(memo->SelLength(), 9);

    memo->SetSelStart(0);
    memo->SetWindowShortcuts({QKeySequence(Qt::CTRL | Qt::Key_A)});
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(memo->SelLength(), 0);
    // Keys outside the list keep their editor meaning.
    QTest::keyClick(memo, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(memo->SelLength(), 9);
}

void TestSynMemo::keyEventsComeBeforeTheKeyActs()
{
    TSynMemo memo;
    memo.SetText(QStringLiteral("a\r\nb\r\nc"));
    memo.show();
    placeCaret(memo, 2, 1);
    QList<int> downLines, pressLines;
    QString typed;
    connect(&memo, &TSynMemo::OnKeyDown, &memo, [&](int, Qt::KeyboardModifiers) { downLines << memo.CaretY(); });
    connect(&memo, &TSynMemo::OnKeyPress, &memo, [&](QChar c) { pressLines << memo.CaretY(); typed += c; });

    QTest::keyClick(&memo, Qt::Key_Down);
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClick(&memo, Qt::Key_Z);
    QTest::keyClick(&memo, Qt::Key_Tab);
    QCOMPARE(downLines, (QList<int>{2, 3, 4, 4}));
    QCOMPARE(pressLines, (QList<int>{3, 4, 4}));
    QCOMPARE(typed, QStringLiteral("\rz\t"));
    QCOMPARE(memo.Lines().Get(3), QStringLiteral("z\t"));

    // Shift+Enter breaks the line like Enter: one more line, no separator inside.
    QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(memo.Lines().Count(), 5);
    QCOMPARE(memo.Lines().Get(3), QStringLiteral("z\t"));
}

void TestSynMemo::clickReportsTheNewCaretLine()
{
    TSynMemo memo;
    memo.resize(400, 300);
    memo.SetText(QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    memo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&memo));
    QList<int> clickLines;
    connect(&memo, &TSynMemo::OnClick, &memo, [&] { clickLines << memo.CaretY(); });

    const QRect line = memo.cursorRect(QTextCursor(memo.document()->findBlockByNumber(2)));
    QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, QPoint(20, line.center().y()));
    QCOMPARE(clickLines, QList<int>{3});
    QTest::mouseClick(memo.viewport(), Qt::RightButton, {}, QPoint(20, line.center().y()));
    QCOMPARE(clickLines, QList<int>{3});
}

void TestSynMemo::doubleClickSelectsJavaIdentifier()
{
    TSynMemo memo;
    memo.resize(500, 200);
    memo.SetText(QStringLiteral("x = a$b_ção9.size();"));
    memo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&memo));

    QTextCursor inside(memo.document());
    inside.setPosition(6);
    const QPoint point = memo.cursorRect(inside).center();
    QTest::mouseDClick(memo.viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(memo.SelText(), QStringLiteral("a$b_ção9"));

    // Ctrl+arrows stop at the same word boundaries and at the line end.
    memo.SetSelStart(0);
    QList<int> stops;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(&memo, Qt::Key_Right, Qt::ControlModifier);
        stops << memo.SelStart();
    }
    QCOMPARE(stops, (QList<int>{4, 13, 20, 20, 20}));
    QTest::keyClick(&memo, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(memo.SelText(), QStringLiteral("size();"));
}

void TestSynMemo::gutterGrowsBeyondThreeDigits()
{
    TSynMemo memo;
    memo.Lines().Add(QStringLiteral("x"));
    const int threeDigits = memo.GutterWidth();
    memo.SetText(QString("\r\n").repeated(998));
    QCOMPARE(memo.GutterWidth(), threeDigits); // 999 lines
    memo.Lines().Add(QString());
    QVERIFY(memo.GutterWidth() > threeDigits);

    memo.SetGutterVisible(false);
    QCOMPARE(memo.GutterWidth(), 0);
    QCOMPARE(memo.viewport()->geometry().left(), memo.frameWidth());
}

QTEST_MAIN(TestSynMemo)
#include "tst_synmemo.moc"

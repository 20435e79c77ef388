#include "editor/syn_java_syn.h"
#include "editor/syn_memo.h"

#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

const QColor kCommentGreen(0, 128, 0);

// The foreground colour the highlighter gave the character at `column` of line `line` (0-based).
QColor colourAt(const TSynMemo &memo, int line, int column)
{
    const QTextBlock block = memo.document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        if (column >= range.start && column < range.start + range.length)
            return range.format.foreground().color();
    return QColor();
}

bool isCommentLine(const TSynMemo &memo, int line)
{
    const QTextBlock block = memo.document()->findBlockByNumber(line);
    for (int column = 0; column < block.length() - 1; ++column)
        if (colourAt(memo, line, column) != kCommentGreen)
            return false;
    return block.length() > 1;
}

void typeAtEndOfLine(TSynMemo &memo, int line, const QString &text)
{
    QTextCursor cursor(memo.document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfBlock);
    memo.setTextCursor(cursor);
    QTest::keyClicks(&memo, text);
}

} // namespace

class TestJavaHighlighter : public QObject
{
    Q_OBJECT

private slots:
    void blockCommentRecoloursLinesBelow();
    void tokensGetTheirAttributes();
    void entryWithBreaksEndsLineComments();
    void oneScannerServesSeveralEditors();
};

void TestJavaHighlighter::blockCommentRecoloursLinesBelow()
{
    TSynJavaSyn scanner;
    TSynMemo memo;
    memo.SetHighlighter(&scanner);
    memo.SetText(QStringLiteral("int a;\r\nint b;\r\n\r\nint c;\r\nint d;"));
    memo.show();
    QVERIFY(!isCommentLine(memo, 1));

    typeAtEndOfLine(memo, 0, QStringLiteral(" /*"));
    for (int line : {1, 3, 4})
        QVERIFY2(isCommentLine(memo, line), qPrintable(QString::number(line)));
    QVERIFY(colourAt(memo, 0, 0) != kCommentGreen);

    typeAtEndOfLine(memo, 3, QStringLiteral(" */"));
    QVERIFY(isCommentLine(memo, 3));
    QVERIFY(!isCommentLine(memo, 4));
    QCOMPARE(colourAt(memo, 4, 0), QColor(Qt::black));

    // Removing the opener gives the lines between back too.
    QTextCursor cursor(memo.document()->findBlockByNumber(0));
    cursor.movePosition(QTextCursor::EndOfBlock);
    memo.setTextCursor(cursor);
    QTest::keyClick(&memo, Qt::Key_Backspace);
    QTest::keyClick(&memo, Qt::Key_Backspace);
    QVERIFY(!isCommentLine(memo, 1));
    QCOMPARE(colourAt(memo, 1, 0), QColor(Qt::black));
}

void TestJavaHighlighter::tokensGetTheirAttributes()
{
    TSynJavaSyn scanner;
    TSynMemo memo;
    memo.SetHighlighter(&scanner);
    memo.SetText(QStringLiteral("return \"s\" + 12; /** d */"));
    const QTextBlock block = memo.document()->firstBlock();
    QTextCharFormat keyword, string, number, doc;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (range.start == 0)
            keyword = range.format;
        else if (range.start == 7)
            string = range.format;
        else if (range.start == 13)
            number = range.format;
        else if (range.start == 17)
            doc = range.format;
    }
    QCOMPARE(keyword.fontWeight(), int(QFont::Bold));
    QCOMPARE(string.foreground().color(), QColor(0, 0, 128));
    QCOMPARE(number.foreground().color(), QColor(0, 0, 128));
    QCOMPARE(doc.foreground().color(), QColor(255, 0, 0));
    QVERIFY(doc.fontItalic());

    memo.SetHighlighter(nullptr);
    QVERIFY(memo.document()->firstBlock().layout()->formats().isEmpty());
}

void TestJavaHighlighter::entryWithBreaksEndsLineComments()
{
    TSynJavaSyn scanner;
    TSynMemo memo;
    memo.SetHighlighter(&scanner);
    memo.Lines().Add(QStringLiteral("// first\r\nint x;"));
    QCOMPARE(colourAt(memo, 0, 3), kCommentGreen);
    QCOMPARE(colourAt(memo, 0, 9), QColor(Qt::black)); // "int" after the break
}

void TestJavaHighlighter::oneScannerServesSeveralEditors()
{
    TSynJavaSyn scanner;
    TSynMemo open, plain;
    open.SetHighlighter(&scanner);
    plain.SetHighlighter(&scanner);
    open.SetText(QStringLiteral("/*\r\nx"));
    plain.SetText(QStringLiteral("y\r\nx"));
    QVERIFY(isCommentLine(open, 1));
    QVERIFY(!isCommentLine(plain, 1));
    open.Lines().Add(QStringLiteral("z"));
    QVERIFY(isCommentLine(open, 2));
    QVERIFY(!isCommentLine(plain, 0));
}

QTEST_MAIN(TestJavaHighlighter)
#include "tst_javahighlighter.moc"

#include "app/text_printer.h"
#include "app/text_search.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Finding text with the dialog's options, and printing a text over pages.
class TestEditSearch : public QObject
{
    Q_OBJECT

private slots:
    void findNext_data();
    void findNext();
    void findAll_data();
    void findAll();
    void printedPages_data();
    void printedPages();
    void longLinesWrapOntoMorePages();
    void rangeAfterTheLastPagePrintsNothing();

private:
    static int pdfPageCount(const QString &path);
    QTemporaryDir m_dir;
};

void TestEditSearch::findNext_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("wrapped");

    const QString three = "ab ab ab";
    QTest::newRow("first from the start") << three << "ab" << 0 << true << false << true << 0 << false;
    QTest::newRow("onward from the caret") << three << "ab" << 2 << true << false << true << 3 << false;
    QTest::newRow("past the last wraps") << three << "ab" << 7 << true << false << true << 0 << true;
    QTest::newRow("backward before the caret") << three << "ab" << 6 << true << false << false << 3 << false;
    QTest::newRow("backward at the start wraps") << three << "ab" << 0 << true << false << false << 6 << true;
    QTest::newRow("match case misses other case")
        << "Class x" << "class" << 0 << true << false << true << -1 << false;
    QTest::newRow("ignoring case finds it")
        << "Class x" << "class" << 0 << false << false << true << 0 << false;
    QTest::newRow("whole word skips a part")
        << "int i; print(i);" << "i" << 0 << true << true << true << 4 << false;
    QTest::newRow("whole word: underscore is a word char")
        << "a_b a" << "a" << 0 << true << true << true << 4 << false;
    QTest::newRow("whole word backward skips a part")
        << "i print" << "i" << 7 << true << true << false << 0 << false;
    QTest::newRow("second line counts CR LF as two")
        << "class A{\r\n  int x;\r\n}" << "int" << 0 << true << false << true << 12 << false;
    QTest::newRow("text spanning a line break")
        << "a{\r\n}" << "{\r\n}" << 0 << true << false << true << 1 << false;
    QTest::newRow("empty find text finds nothing") << three << "" << 0 << true << false << true << -1 << false;
    QTest::newRow("longer than the text") << "ab" << "abc" << 0 << true << false << true << -1 << false;
}

void TestEditSearch::findNext()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(int, from);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(bool, forward);
    QFETCH(int, position);
    QFETCH(bool, wrapped);

    const TextSearch::Options options{matchCase, wholeWord, forward};
    const TextSearch::Hit hit = TextSearch::findNext(text, what, from, options);
    QCOMPARE(hit.position, qsizetype(position));
    QCOMPARE(hit.wrapped, wrapped);
}

void TestEditSearch::findAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<QList<qsizetype>>("positions");
    QTest::newRow("every line") << "x = 1;\r\nx++;\r\ny = x;" << "x" << true
                                << QList<qsizetype>{0, 8, 18};
    QTest::newRow("no overlaps") << "aaaa" << "aa" << false << QList<qsizetype>{0, 2};
    QTest::newRow("none") << "abc" << "z" << false << QList<qsizetype>{};
}

void TestEditSearch::findAll()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(bool, wholeWord);
    QFETCH(QList<qsizetype>, positions);
    QCOMPARE(TextSearch::findAll(text, what, {true, wholeWord, true}), positions);
}

int TestEditSearch::pdfPageCount(const QString &path)
{
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf.readAll()).count(page));
}

void TestEditSearch::printedPages_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<int>("toPage");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collate");
    QTest::addColumn<int>("expectedSheets"); // -1: every page of the text once
    QTest::newRow("one line, one page") << 1 << 0 << 0 << 1 << true << 1;
    QTest::newRow("long text, all pages") << 500 << 0 << 0 << 1 << true << -1;
    QTest::newRow("pages 2 to 3") << 500 << 2 << 3 << 1 << true << 2;
    QTest::newRow("two collated copies of 1 to 2") << 500 << 1 << 2 << 2 << true << 4;
    QTest::newRow("three uncollated copies of page 4") << 500 << 4 << 4 << 3 << false << 3;
    QTest::newRow("range beyond the end is cut") << 150 << 2 << 999 << 1 << true << -2;
}

void TestEditSearch::printedPages()
{
    QFETCH(int, lineCount);
    QFETCH(int, fromPage);
    QFETCH(int, toPage);
    QFETCH(int, copies);
    QFETCH(bool, collate);
    QFETCH(int, expectedSheets);

    QStringList lines;
    for (int i = 0; i < lineCount; ++i)
        lines << QStringLiteral("        System.out.println(\"linha %1\");").arg(i + 1);
    const QFont font(QStringLiteral("Courier New"), 10);

    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(fromPage, toPage);
    }
    printer.setCopyCount(copies);
    printer.setCollateCopies(collate);

    // Pages the text needs: whole lines of the font's height in the page height.
    const QFontMetricsF metrics(QFont(font, &printer), &printer);
    const qreal pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const int perPage = int(pageHeight / metrics.lineSpacing());
    const int textPages = (lineCount + perPage - 1) / perPage;

    const TextPrinter job(lines, font);
    QCOMPARE(job.pageCount(printer), textPages);
    QCOMPARE(job.print(printer), TextPrinter::Result::Printed);
    const int expected = expectedSheets == -1 ? textPages
                         : expectedSheets == -2 ? textPages - 1
                                                : expectedSheets;
    QCOMPARE(pdfPageCount(pdf), expected);
}

void TestEditSearch::longLinesWrapOntoMorePages()
{
    const QFont font(QStringLiteral("Courier New"), 10);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(m_dir.filePath("wrap.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));

    const TextPrinter shortLines(QStringList(200, QStringLiteral("x")), font);
    // The same count of lines, each three page widths long, needs about three
    // times the pages: nothing runs off the right edge.
    const TextPrinter longLines(QStringList(200, QString(400, QLatin1Char('x'))), font);
    const int pages = shortLines.pageCount(printer);
    QVERIFY(longLines.pageCount(printer) >= 3 * pages - 1);
}

void TestEditSearch::rangeAfterTheLastPagePrintsNothing()
{
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = m_dir.filePath("beyond.pdf");
    printer.setOutputFileName(pdf);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(5, 6);
    const TextPrinter job({"uma linha"}, QFont(QStringLiteral("Courier New"), 10));
    QCOMPARE(job.print(printer), TextPrinter::Result::NothingInRange);
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestEditSearch)
#include "tst_edit_search.moc"

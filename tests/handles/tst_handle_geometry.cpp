#include "handles/handle_geometry.h"

#include <QtTest>

using namespace handlegeometry;

class TestHandleGeometry : public QObject
{
    Q_OBJECT
private slots:
    void modifiedRect_data();
    void modifiedRect();
    void gripHitTest_data();
    void gripHitTest();
    void handleRects();
    void pointOverChildEdges();
    void gridTruncatesTowardsZero();
};

Q_DECLARE_METATYPE(TDragStyle)

void TestHandleGeometry::modifiedRect_data()
{
    QTest::addColumn<TDragStyle>("style");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("grid");
    QTest::addColumn<QRect>("expected");

    // The handle of a 75 x 25 button at (24, 16).
    using D = TDragStyle;
    const QPoint d(16, 14);
    QTest::newRow("move") << D::dsMove << d << 1 << QRect(36, 26, 80, 30);
    QTest::newRow("top left") << D::dsSizeTopLeft << d << 1 << QRect(36, 26, 66, 18);
    QTest::newRow("top right") << D::dsSizeTopRight << d << 1 << QRect(22, 26, 93, 18);
    QTest::newRow("bottom left") << D::dsSizeBottomLeft << d << 1 << QRect(36, 14, 66, 41);
    QTest::newRow("bottom right") << D::dsSizeBottomRight << d << 1 << QRect(22, 14, 93, 41);
    QTest::newRow("top") << D::dsSizeTop << d << 1 << QRect(22, 26, 80, 18);
    QTest::newRow("left") << D::dsSizeLeft << d << 1 << QRect(36, 14, 66, 30);
    QTest::newRow("bottom") << D::dsSizeBottom << d << 1 << QRect(22, 14, 80, 41);
    QTest::newRow("right") << D::dsSizeRight << d << 1 << QRect(22, 14, 93, 30);
    QTest::newRow("no movement still pulls in by the margin")
        << D::dsSizeBottomRight << QPoint(0, 0) << 1 << QRect(22, 14, 77, 27);
    QTest::newRow("width never below 5") << D::dsSizeRight << QPoint(-200, 0) << 1
                                         << QRect(22, 14, 5, 30);
    QTest::newRow("height never below 5") << D::dsSizeTopLeft << QPoint(0, 100) << 1
                                          << QRect(20, 112, 82, 5);
    QTest::newRow("grid of 8") << D::dsMove << d << 8 << QRect(30, 22, 80, 30);
    QTest::newRow("grid of 8 resizing") << D::dsSizeRight << d << 8 << QRect(22, 14, 93, 30);
}

void TestHandleGeometry::modifiedRect()
{
    QFETCH(TDragStyle, style);
    QFETCH(QPoint, delta);
    QFETCH(int, grid);
    QFETCH(QRect, expected);
    const QRect handle = handleRectFor(QRect(24, 16, 75, 25));
    QCOMPARE(handle, QRect(22, 14, 80, 30));
    const QPoint start(40, 15);
    QCOMPARE(GetModifiedRect(style, handle, start, start + delta, grid, grid), expected);
}

void TestHandleGeometry::gripHitTest_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<TDragStyle>("style");
    using D = TDragStyle;
    const QSize s(80, 30);
    QTest::newRow("top left") << QPoint(0, 0) << s << D::dsSizeTopLeft;
    QTest::newRow("top left inner edge") << QPoint(4, 4) << s << D::dsSizeTopLeft;
    QTest::newRow("just outside the corner") << QPoint(5, 5) << s << D::dsMove;
    QTest::newRow("bottom right") << QPoint(79, 29) << s << D::dsSizeBottomRight;
    QTest::newRow("top right") << QPoint(79, 0) << s << D::dsSizeTopRight;
    QTest::newRow("bottom left") << QPoint(0, 29) << s << D::dsSizeBottomLeft;
    QTest::newRow("top middle") << QPoint(42, 1) << s << D::dsSizeTop;
    QTest::newRow("top beside the middle") << QPoint(43, 1) << s << D::dsMove;
    QTest::newRow("bottom middle") << QPoint(38, 28) << s << D::dsSizeBottom;
    QTest::newRow("left middle") << QPoint(2, 15) << s << D::dsSizeLeft;
    QTest::newRow("right middle") << QPoint(77, 13) << s << D::dsSizeRight;
    QTest::newRow("inside") << QPoint(40, 15) << s << D::dsMove;
    QTest::newRow("tiny handle: the last rule wins") << QPoint(4, 4) << QSize(8, 8)
                                                      << D::dsSizeRight;
}

void TestHandleGeometry::gripHitTest()
{
    QFETCH(QPoint, point);
    QFETCH(QSize, size);
    QFETCH(TDragStyle, style);
    QCOMPARE(gripAt(point, size), style);
}

void TestHandleGeometry::handleRects()
{
    const QRect a(10, 10, 20, 20);
    const QRect b(100, 5, 30, 10);
    const QRect grown = grownHandleRect(handleRectFor(a), b);
    QCOMPARE(grown, QRect(8, 3, 125, 30));
    QCOMPARE(handleRectForAll({a, b}), grown);
    QCOMPARE(handleRectForAll({b}), handleRectFor(b));
    QVERIFY(handleRectForAll({}).isNull());
    QCOMPARE(bandOutline(handleRectFor(a)), a);
    QCOMPARE(followHandle(a, QRect(8, 8, 25, 25), QRect(10, 7, 30, 25)), QRect(12, 9, 25, 20));
}

void TestHandleGeometry::pointOverChildEdges()
{
    const QList<QRect> children{QRect(10, 10, 20, 20)};
    QVERIFY(pointOverChild(QPoint(8, 8), children));
    QVERIFY(!pointOverChild(QPoint(7, 8), children));
    QVERIFY(pointOverChild(QPoint(31, 31), children));
    QVERIFY(!pointOverChild(QPoint(32, 20), children));
    QVERIFY(!pointOverChild(QPoint(20, 32), children));
}

void TestHandleGeometry::gridTruncatesTowardsZero()
{
    QCOMPARE(gridAdjust(15, 8), 8);
    QCOMPARE(gridAdjust(-15, 8), -8);
    QCOMPARE(gridAdjust(7, 1), 7);
}


QTEST_GUILESS_MAIN(TestHandleGeometry)
#include "tst_handle_geometry.moc"

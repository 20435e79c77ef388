// Mouse events go through the window system, so grabs and routing are real.
#define QTEST_QPA_MOUSE_HANDLING
#include "handles/stretch_handle.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QRubberBand>
#include <QtTest>
#include <memory>

namespace {

// A control that records the mouse presses and releases it receives.
class Probe : public QWidget
{
public:
    using QWidget::QWidget;
    QList<QPoint> presses;
    QList<QPoint> releases;
    QList<Qt::KeyboardModifiers> modifiers;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        presses.append(e->position().toPoint());
        modifiers.append(e->modifiers());
    }
    void mouseReleaseEvent(QMouseEvent *e) override { releases.append(e->position().toPoint()); }
};

} // namespace

class TestStretchHandle : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void attachFollowsTheGeometryInvariant();
    void releasingAndDetaching();
    void formsCannotBeAttached();
    void anotherParentDetachesFirst();
    void gripsOnlyWithOneChild();
    void pressesOutsideChildrenAreForwarded();
    void rightReleaseIsForwardedWithoutMouseUp();
    void clickWithoutMovingRaisesMouseUpOnly();
    void dragMovesTheChild();
    void dragResizesWithAGrip();
    void severalChildrenOnlyMove();
    void moveIsClampedToTheParent();
    void lockedHandleIgnoresDrags();
    void arrowKeysMoveOnePixel();

private:
    QWindow *window() const { return m_parent->windowHandle(); }
    QPoint inWindow(QWidget *w, QPoint p) const { return w->mapTo(m_parent.get(), p); }
    void press(QWidget *w, QPoint p, Qt::MouseButton b = Qt::LeftButton,
               Qt::KeyboardModifiers m = {})
    {
        QTest::mousePress(window(), b, m, inWindow(w, p));
    }
    void release(QWidget *w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(window(), b, {}, inWindow(w, p));
    }
    void move(QWidget *w, QPoint p) { QTest::mouseMove(window(), inWindow(w, p)); }
    // Hover, press, move and release: one drag of the handle from `from` by `by`.
    void drag(QPoint from, QPoint by)
    {
        move(m_handle, from);
        press(m_handle, from);
        move(m_handle, from + by / 2);
        move(m_handle, from + by);
        release(m_handle, from + by);
    }

    std::unique_ptr<Probe> m_parent;
    Probe *m_a = nullptr;
    Probe *m_b = nullptr;
    Probe *m_c = nullptr;
    QPointer<TStretchHandle> m_handle;
};

void TestStretchHandle::init()
{
    m_parent = std::make_unique<Probe>();
    m_parent->resize(400, 300);
    m_a = new Probe(m_parent.get());
    m_a->setGeometry(24, 16, 75, 25);
    m_b = new Probe(m_parent.get());
    m_b->setGeometry(200, 100, 50, 40);
    m_c = new Probe(m_parent.get());
    m_c->setGeometry(120, 60, 20, 20);
    m_handle = new TStretchHandle(m_parent.get());
    m_parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_parent.get()));
    m_parent->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_parent.get()));
}

void TestStretchHandle::cleanup()
{
    // A detached handle belongs to nobody.
    if (m_handle && !m_handle->parentWidget())
        delete m_handle;
    m_parent.reset();
}


void TestStretchHandle::attachFollowsTheGeometryInvariant()
{
    m_handle->Attach(m_a);
    QCOMPARE(m_handle->geometry(), QRect(22, 14, 80, 30));
    QVERIFY(m_handle->isVisible());
    QVERIFY(m_handle->hasFocus());
    QCOMPARE(m_parent->children().last(), m_handle); // on top of its children

    m_handle->Attach(m_b);
    m_handle->Attach(m_b); // twice changes nothing
    QCOMPARE(m_handle->GetChildCount(), 2);
    QCOMPARE(m_handle->geometry(), QRect(22, 14, 231, 129));
    QCOMPARE(m_handle->IndexOf(m_b), 1);
    QCOMPARE(m_handle->IndexOf(m_c), -1);
    QVERIFY(m_handle->PointOverChild(QPoint(22, 14)));
    QVERIFY(!m_handle->PointOverChild(QPoint(130, 70)));
}

void TestStretchHandle::releasingAndDetaching()
{
    m_handle->Attach(m_a);
    m_handle->Attach(m_b);
    m_handle->ReleaseChild(m_a);
    QCOMPARE(m_handle->geometry(), QRect(198, 98, 55, 45));
    m_handle->ReleaseChild(m_b);
    QVERIFY(!m_handle->IsAttached());
    QVERIFY(m_handle->parentWidget() == nullptr);
    QVERIFY(!m_handle->isVisible());
    QCOMPARE(m_handle->size(), QSize(55, 45)); // the size stays

    m_handle->Attach(m_c);
    m_handle->SetLocked(true);
    m_handle->Detach();
    QVERIFY(!m_handle->Locked());
    QCOMPARE(m_handle->size(), QSize(24, 24));
    QVERIFY(!m_handle->isEnabled());
}

void TestStretchHandle::formsCannotBeAttached()
{
    QWidget form;
    QMdiArea area;
    QMdiSubWindow *sub = area.addSubWindow(new QWidget);
    for (QWidget *w : {&form, static_cast<QWidget *>(sub)}) {
        try {
            m_handle->Attach(w);
            QFAIL("no exception");
        } catch (const EBadChild &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Handles can not be attached to a Form!"));
        }
    }
    QVERIFY(!m_handle->IsAttached());
}

void TestStretchHandle::anotherParentDetachesFirst()
{
    QWidget other(m_parent.get());
    other.setGeometry(0, 200, 100, 100);
    auto *stranger = new QWidget(&other);
    stranger->setGeometry(10, 10, 10, 10);
    other.show();
    m_handle->Attach(m_a);
    m_handle->Attach(m_b);
    m_handle->Attach(stranger);
    QCOMPARE(m_handle->attachedControls(), QList<QWidget *>{stranger});
    QCOMPARE(m_handle->parentWidget(), &other);
    m_handle->Detach();
}

void TestStretchHandle::gripsOnlyWithOneChild()
{
    const auto paint = [this] {
        QImage image(m_handle->size(), QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        m_handle->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    m_handle->Attach(m_a); // handle 80 x 30, child at (2, 2) inside
    QImage one = paint();
    QCOMPARE(one.pixelColor(0, 0), QColor(Qt::black));        // corner
    QCOMPARE(one.pixelColor(78, 28), QColor(Qt::black));      // corner
    QCOMPARE(one.pixelColor(40, 2), QColor(Qt::black));       // top middle
    QCOMPARE(one.pixelColor(2, 15), QColor(Qt::black));       // left middle
    QCOMPARE(one.pixelColor(20, 15), QColor(Qt::magenta));    // the control shows through
    QCOMPARE(one.pixelColor(20, 2), QColor(Qt::magenta));

    m_handle->Attach(m_c);
    QImage two = paint();
    const QPoint a = m_a->pos() - m_handle->pos();
    const QPoint c = m_c->pos() - m_handle->pos();
    QCOMPARE(two.pixelColor(a + QPoint(-2, -2)), QColor(Qt::black));
    QCOMPARE(two.pixelColor(c + QPoint(-2, -2)), QColor(128, 128, 128));
    QCOMPARE(two.pixelColor(a + QPoint(75 / 2, -1)), QColor(Qt::magenta)); // no middle grips

    // No sizing with two children: a corner drag moves both.
    QVERIFY(m_handle->dragStyle() == TDragStyle::dsMove);
}

void TestStretchHandle::pressesOutsideChildrenAreForwarded()
{
    m_handle->Attach(m_a);
    m_handle->Attach(m_b); // the box now covers m_c and empty space
    QVERIFY(m_handle->geometry().contains(m_c->geometry()));

    press(m_parent.get(), QPoint(150, 30), Qt::LeftButton, Qt::ControlModifier);
    release(m_parent.get(), QPoint(150, 30));
    QCOMPARE(m_parent->presses, QList<QPoint>{QPoint(150, 30)});
    QCOMPARE(m_parent->modifiers, QList<Qt::KeyboardModifiers>{Qt::NoModifier});

    press(m_parent.get(), QPoint(125, 70));
    QCOMPARE(m_c->presses, QList<QPoint>{QPoint(5, 10)});
    release(m_parent.get(), QPoint(125, 70));
    QCOMPARE(m_c->releases, QList<QPoint>{QPoint(5, 10)});
    QVERIFY(m_a->presses.isEmpty());
}

void TestStretchHandle::rightReleaseIsForwardedWithoutMouseUp()
{
    m_handle->Attach(m_a);
    QSignalSpy down(m_handle, &TStretchHandle::OnMouseDown);
    QSignalSpy up(m_handle, &TStretchHandle::OnMouseUp);
    press(m_handle, QPoint(30, 15), Qt::RightButton);
    release(m_handle, QPoint(30, 15), Qt::RightButton);
    QCOMPARE(down.size(), 1);
    QCOMPARE(up.size(), 0);
    QCOMPARE(m_a->releases, QList<QPoint>{QPoint(28, 13)});
}

void TestStretchHandle::clickWithoutMovingRaisesMouseUpOnly()
{
    m_handle->Attach(m_a);
    QSignalSpy up(m_handle, &TStretchHandle::OnMouseUp);
    move(m_handle, QPoint(30, 15));
    press(m_handle, QPoint(30, 15));
    release(m_handle, QPoint(30, 15));
    QCOMPARE(up.size(), 1);
    QCOMPARE(m_a->geometry(), QRect(24, 16, 75, 25));
}

void TestStretchHandle::dragMovesTheChild()
{
    m_handle->Attach(m_a);
    move(m_handle, QPoint(30, 15));
    press(m_handle, QPoint(30, 15));
    move(m_handle, QPoint(46, 29));
    // The outline shows the children's future place while the button is held.
    QCOMPARE(m_handle->bandRect(), QRect(36, 26, 80, 30));
    auto *band = m_parent->findChild<QRubberBand *>();
    QVERIFY(band && band->isVisible());
    QCOMPARE(band->geometry(), QRect(38, 28, 75, 25));
    QCOMPARE(m_a->pos(), QPoint(24, 16));
    release(m_handle, QPoint(46, 29));
    QCOMPARE(m_a->geometry(), QRect(38, 28, 75, 25));
    QCOMPARE(m_handle->geometry(), QRect(36, 26, 80, 30));
    QVERIFY(!band->isVisible());
    QVERIFY(m_handle->bandRect().isNull());
}

void TestStretchHandle::dragResizesWithAGrip()
{
    m_handle->Attach(m_a);
    drag(QPoint(78, 28), QPoint(20, 10)); // bottom-right grip
    QCOMPARE(m_a->geometry(), QRect(24, 16, 92, 32));
    drag(QPoint(1, 1 + 17), QPoint(-6, 0)); // left middle of the new 97 x 37 handle
    QCOMPARE(m_a->geometry(), QRect(16, 16, 100, 32));
    drag(QPoint(50, 1), QPoint(0, 250)); // top grip pulled far down: 5 high at least
    QCOMPARE(m_handle->height(), 5);
}

void TestStretchHandle::severalChildrenOnlyMove()
{
    m_handle->Attach(m_a);
    m_handle->Attach(m_c);
    const QRect a = m_a->geometry();
    const QRect c = m_c->geometry();
    drag(QPoint(1, 1), QPoint(10, 10)); // where a corner grip would be
    QCOMPARE(m_a->geometry(), a.translated(8, 8));
    QCOMPARE(m_c->geometry(), c.translated(8, 8));
}

void TestStretchHandle::moveIsClampedToTheParent()
{
    m_handle->Attach(m_a);
    move(m_handle, QPoint(30, 15));
    press(m_handle, QPoint(30, 15));
    move(m_handle, QPoint(-100, -100));
    release(m_handle, QPoint(-100, -100));
    // The mouse point stops at the parent's corner (handle point (-22, -14)).
    QCOMPARE(m_handle->pos(), QPoint(-32, -17));
}

void TestStretchHandle::lockedHandleIgnoresDrags()
{
    m_handle->Attach(m_a);
    m_handle->SetLocked(true);
    drag(QPoint(30, 15), QPoint(40, 40));
    m_handle->SetBounds(0, 0, 50, 50);
    QCOMPARE(m_a->geometry(), QRect(24, 16, 75, 25));
    QCOMPARE(m_handle->geometry(), QRect(22, 14, 80, 30));
}

void TestStretchHandle::arrowKeysMoveOnePixel()
{
    m_handle->SetGridState(true); // the grid does not apply to keys
    m_handle->Attach(m_a);
    QList<QPoint> seen;
    connect(m_handle, &TStretchHandle::OnKeyDown, this,
            [&seen, this](int, Qt::KeyboardModifiers) { seen.append(m_a->pos()); });
    QTest::keyClick(window(), Qt::Key_Left);
    QTest::keyClick(window(), Qt::Key_Up);
    QTest::keyClick(window(), Qt::Key_Down);
    QTest::keyClick(window(), Qt::Key_Down);
    QTest::keyClick(window(), Qt::Key_Right);
    QTest::keyClick(window(), Qt::Key_A);
    // Each key has acted on the child before the event is raised.
    QCOMPARE(seen, QList<QPoint>({QPoint(23, 16), QPoint(23, 15), QPoint(23, 16), QPoint(23, 17),
                                  QPoint(24, 17), QPoint(24, 17)}));
}

QTEST_MAIN(TestStretchHandle)
#include "tst_stretch_handle.moc"

// Mouse events go through the window system, so grabs and routing are real.
#define QTEST_QPA_MOUSE_HANDLING

#include "app_fixture.h"

#include "app/designer_bridge.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "designer/design_page.h"
#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/preview_control.h"
#include "editor/syn_memo.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>

using testsupport::whenModal;

// Undo a student can trust: every gesture is one step that takes the code
// and the design back together, from either page, and redo brings both.
class TestUndo : public QObject
{
    Q_OBJECT
private slots:
    void everyDesignerGestureIsOneStep();
    void templateInsertionIsOneStep();
    void undoBackToTheSavedTextClearsTheMark();
};

namespace {

struct State
{
    QString code;
    QString objects;
    bool operator==(const State &) const = default;
};

// A Swing document in the shown window, with the design page on screen.
struct Bench
{
    Bench()
    {
        QVERIFY(appfixture::showWindow(window));
        page = appfixture::newDocument(window, 5);
        design = DesignerBridge::designPageOf(*page);
        showPage(1);
    }

    State state() const { return {page->editor()->Text(), page->document().objectsText()}; }
    void showPage(int index)
    {
        QTabBar *tabs = page->innerPages()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    QWidget *client() const { return design->designWindow()->client(); }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        // A dialog took the activation; give it back as closing it would.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                        Qt::Key(key), modifiers);
    }
    PreviewControl *place(int kind, QPoint point)
    {
        QTest::mouseClick(design->paletteButton(kind), Qt::LeftButton);
        QTest::mouseClick(client(), Qt::LeftButton, {}, point);
        return design->designWindow()->components().last();
    }
    // Drags the selection handle by `delta` from `from` (handle coordinates).
    void dragHandle(QPoint from, QPoint delta)
    {
        TStretchHandle &mover = window.designer().mover();
        QTest::mouseMove(&mover, from);
        QTest::mousePress(&mover, Qt::LeftButton, {}, from);
        QTest::mouseMove(&mover, from + QPoint(1, 1));
        QTest::mouseMove(&mover, from + delta);
        QTest::mouseRelease(&mover, Qt::LeftButton, {}, from + delta);
    }
    // Chooses `item` of the handle's popup menu; `answer` drives its dialog.
    void fromPopupMenu(const char *item, std::function<void(QWidget *)> answer)
    {
        whenModal(std::move(answer));
        window.designer().session().mnuCpo().findChild<QAction *>(QString::fromLatin1(item))->trigger();
    }

    Tfrmprincipal window;
    DocumentPage *page = nullptr;
    DesignPage *design = nullptr;
};

} // namespace

void TestUndo::everyDesignerGestureIsOneStep()
{
    Bench bench;
    bench.place(1, {41, 41});
    PreviewControl *field = bench.place(2, {41, 101});

    // Each gesture after the component it works on is selected: a click on
    // the handle is a step of its own (its release rewrites the bounds).
    const auto select = [&] {
        QTest::mouseClick(field, Qt::LeftButton, {}, {4, 4});
        QVERIFY(bench.window.designer().mover().IndexOf(field) >= 0);
    };
    TStretchHandle &mover = bench.window.designer().mover();
    struct Gesture
    {
        const char *name;
        bool selected;
        std::function<void()> act;
    };
    const QList<Gesture> gestures = {
        {"place", false, [&] { bench.place(3, {201, 41}); }},
        {"move", true, [&] { bench.dragHandle(mover.rect().center(), {30, 20}); }},
        {"resize", true, [&] { bench.dragHandle(mover.rect().bottomRight() - QPoint(2, 2), {25, 15}); }},
        {"arrow key", true, [&] { QTest::keyClick(&mover, Qt::Key_Right); }},
        {"window resize", false, [&] { bench.design->designWindow()->resize(520, 380); }},
        {"properties", true, [&] {
             bench.fromPopupMenu("Propriedades1", [](QWidget *dialog) {
                 auto *name = dialog->findChild<QLineEdit *>("txtNome");
                 name->selectAll();
                 QTest::keyClicks(name, "campo");
                 QTest::mouseClick(dialog->findChild<QPushButton *>("Button1"), Qt::LeftButton);
             });
         }},
        {"events", true, [&] {
             bench.fromPopupMenu("Eventos1", [](QWidget *dialog) {
                 QTest::keyClicks(dialog->findChild<TSynMemo *>("txtCod"), "setTitle(\"x\");");
                 QTest::mouseClick(dialog->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
             });
         }},
        {"menu bar", false, [&] {
             whenModal([](QWidget *dialog) {
                 QTest::mouseClick(dialog->findChild<QRadioButton *>("rdbMenu"), Qt::LeftButton);
                 QTest::keyClicks(dialog->findChild<QLineEdit *>("Edit1"), "arquivo");
                 QTest::mouseClick(dialog->findChild<QPushButton *>("Button1"), Qt::LeftButton);
                 QTest::mouseClick(dialog->findChild<QPushButton *>("Button3"), Qt::LeftButton);
             });
             bench.window.menuItem(QStringLiteral("CriarMenu1"))->trigger();
         }},
        {"delete", true, [&] { QTest::keyClick(&mover, Qt::Key_Delete); }},
    };

    int round = 0;
    for (const Gesture &gesture : gestures) {
        const QByteArray name(gesture.name);
        // Undo from the design page and from the code page in turn.
        const int undoPage = round++ % 2;
        bench.showPage(1);
        if (gesture.selected)
            select();
        const State before = bench.state();
        gesture.act();
        const State after = bench.state();
        QVERIFY2(after != before, name);
        QVERIFY2(bench.window.IsModified(), name);

        bench.showPage(undoPage);
        bench.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY2(bench.state() == before, name);
        bench.key(Qt::Key_R, Qt::ControlModifier);
        QVERIFY2(bench.state() == after, name);
        // The previews follow the form: a component brought back is a new one.
        const QList<PreviewControl *> shown = bench.design->designWindow()->components();
        field = shown.value(1);
    }
    // The field was deleted last: the button and the label stay.
    QCOMPARE(bench.design->designWindow()->components().size(), 2);
}

void TestUndo::templateInsertionIsOneStep()
{
    Bench bench;
    bench.showPage(0);
    const QString before = bench.page->editor()->Text();
    testsupport::answerInputDialog(QStringLiteral("x > 0"));
    bench.window.button(QStringLiteral("spdbifelse"))->click();
    const QString after = bench.page->editor()->Text();
    QCOMPARE(after.count(QStringLiteral("\r\n")) - before.count(QStringLiteral("\r\n")), 6);
    bench.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(bench.page->editor()->Text(), before);
    bench.key(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(bench.page->editor()->Text(), after);
}

void TestUndo::undoBackToTheSavedTextClearsTheMark()
{
    Bench bench;
    QTemporaryDir dir;
    QVERIFY(bench.window.files().saveActiveDocumentAs(dir.filePath("semnome1.java")));
    QVERIFY(!bench.window.IsModified());
    bench.place(1, {41, 41});
    QCOMPARE(bench.page->caption(), QString("semnome1.java*"));
    bench.showPage(0);
    bench.page->editor()->SetFocus();
    QTest::keyClicks(bench.page->editor(), "ab");
    bench.key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(bench.window.IsModified());
    bench.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(bench.page->caption(), QString("semnome1.java"));
    QVERIFY(!bench.window.menuItem(QStringLiteral("Salvar1"))->isEnabled());
    bench.key(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(bench.page->caption(), QString("semnome1.java*"));
    QVERIFY(bench.window.menuItem(QStringLiteral("Salvar1"))->isEnabled());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"

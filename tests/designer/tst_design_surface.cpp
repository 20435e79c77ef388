#include "design_fixture.h"

#include "designer/objects_file.h"
#include "dialog_answerer.h"

#include <QAction>
#include <QMdiArea>
#include <QRubberBand>

class TestDesignSurface : public QObject
{
    Q_OBJECT
private slots:
    void paletteAndWindow();
    void placingWithEitherButton_data();
    void placingWithEitherButton();
    void placingWithoutAClassLine();
    void bandSelectsOnlyWhatIsStrictlyInside();
    void pressAtTheWindowEdgeDrawsNoBand();
    void ctrlClickKeepsTheSelection();
    void focusKindsAreSelectedOnFocus();
    void deletingSeveral_data();
    void deletingSeveral();
    void popupMenuFollowsTheSelection();
    void movingWithTheHandleRewritesBounds();
    void arrowKeysRewriteBounds();
    void resizingTheWindowRewritesTheSize();
    void theWindowCannotBeMovedOrClosed();
    void doubleClickPutsTheCaretAtTheCode();
    void workedExampleFromTheSurface();
    void loadingShowsTheWarningPerBrokenBlock();
    void closingAPageKeepsTheHandle();
};

void TestDesignSurface::paletteAndWindow()
{
    DesignFixture f;
    f.show();
    for (int kind = 1; kind <= 15; ++kind) {
        QToolButton *button = f.page->paletteButton(kind);
        QCOMPARE(button->text(), QString::fromUtf8(kindInfo(ComponentKind(kind)).paletteCaption));
        QCOMPARE(button->geometry(), QRect(10, (kind - 1) * 20 + 10, 140, 20));
        QCOMPARE(button->isEnabled(), kind != 15);
        QVERIFY2(!button->icon().isNull(), "glyph from imagens/");
    }
    QCOMPARE(f.designWindow()->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(f.designWindow()->geometry(), QRect(0, 0, 400, 300));

    // A missing bitmap leaves the caption alone.
    DesignFixture g;
    DesignPage bare(g.session, g.document, QStringLiteral("/nonexistent"));
    QVERIFY(bare.paletteButton(1)->icon().isNull());
}

void TestDesignSurface::placingWithEitherButton_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
}

void TestDesignSurface::placingWithEitherButton()
{
    QFETCH(Qt::MouseButton, button);
    DesignFixture f;
    f.show();
    PreviewControl *b = f.place(1, QPoint(30, 20), button);
    QVERIFY(b);
    QCOMPARE(b->name(), QStringLiteral("jButton1"));
    QCOMPARE(b->geometry(), QRect(29, 19, 75, 25));
    QCOMPARE(f.modified, 1);
    QVERIFY(f.code().contains("       jButton1.setBounds(29,19,75,25);"));
    // Not selected; the kind is used up but its button stays down.
    QVERIFY(!f.session.mover().IsAttached());
    QCOMPARE(f.session.selectedKind(), 0);
    QVERIFY(f.page->paletteButton(1)->isChecked());
    f.press(QPoint(200, 150), button);
    f.release(QPoint(200, 150), button);
    QCOMPARE(f.designWindow()->components().size(), 1);

    QCOMPARE(f.place(1, QPoint(200, 150), button)->name(), QStringLiteral("jButton2"));
}

void TestDesignSurface::placingWithoutAClassLine()
{
    DesignFixture f;
    f.editor->SetText("public class A extends JFrame{\r\n\r\n}");
    f.show();
    QVERIFY(f.place(2, QPoint(10, 10)));
    QCOMPARE(f.messages, QStringList{"Falta classe!"});
    QCOMPARE(f.editor->Text(), QStringLiteral("public class A extends JFrame{\r\n\r\n}"));
}

void TestDesignSurface::bandSelectsOnlyWhatIsStrictlyInside()
{
    DesignFixture f;
    f.show();
    PreviewControl *a = f.place(1, QPoint(21, 21));   // (20, 20, 75, 25)
    PreviewControl *b = f.place(1, QPoint(21, 101));  // (20, 100, 75, 25)
    f.place(1, QPoint(201, 21));                      // (200, 20, 75, 25)
    Q_UNUSED(a);
    Q_UNUSED(b);

    f.moveTo(QPoint(10, 10));
    f.press(QPoint(10, 10));
    f.moveTo(QPoint(60, 60));
    f.moveTo(QPoint(150, 140));
    QRubberBand *band = f.client()->band();
    QVERIFY(band->isVisible());
    QCOMPARE(band->geometry(), QRect(10, 10, 141, 131));
    f.release(QPoint(150, 140));
    QVERIFY(!band->isVisible());
    QCOMPARE(f.selectionNames(), QStringList({"jButton1", "jButton2"}));
    QCOMPARE(f.session.bandOrigin(), QPoint(0, 0));

    // An edge on the band's border is not inside.
    f.drag(QPoint(10, 10), QPoint(95, 125));
    QCOMPARE(f.selectionNames(), QStringList{});
    f.drag(QPoint(10, 10), QPoint(96, 46));
    QCOMPARE(f.selectionNames(), QStringList{"jButton1"});
    // A click without a drag selects nothing.
    f.click(f.client(), QPoint(150, 200));
    QVERIFY(!f.session.mover().IsAttached());
}

void TestDesignSurface::pressAtTheWindowEdgeDrawsNoBand()
{
    DesignFixture f;
    f.show();
    f.press(QPoint(0, 30));
    f.moveTo(QPoint(40, 60));
    f.moveTo(QPoint(80, 90));
    QVERIFY(!f.client()->band()->isVisible());
    f.release(QPoint(80, 90));
}

void TestDesignSurface::ctrlClickKeepsTheSelection()
{
    DesignFixture f;
    f.show();
    PreviewControl *a = f.place(4, QPoint(21, 21));
    PreviewControl *b = f.place(5, QPoint(21, 61));
    PreviewControl *c = f.place(3, QPoint(21, 101));
    f.click(a, QPoint(5, 5));
    f.click(b, QPoint(5, 5), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(f.selectionNames(), QStringList({"jRadioButton1", "jCheckBox1"}));
    // Ctrl-click on a selected one: the handle takes it, nothing toggles.
    f.click(a, QPoint(5, 5), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(f.selectionNames(), QStringList({"jRadioButton1", "jCheckBox1"}));
    f.click(c, QPoint(5, 5));
    QCOMPARE(f.selectionNames(), QStringList{"jLabel1"});
    // A press on the window clears the selection.
    f.click(f.client(), QPoint(300, 200));
    QCOMPARE(f.selectionNames(), QStringList{});
}

void TestDesignSurface::focusKindsAreSelectedOnFocus()
{
    DesignFixture f;
    f.show();
    PreviewControl *button = f.place(1, QPoint(21, 21));
    PreviewControl *combo = f.place(6, QPoint(21, 61));
    PreviewControl *scroll = f.place(13, QPoint(21, 101));
    f.click(button, QPoint(5, 5));
    // Focus clears the selection, Ctrl or not.
    f.click(combo, QPoint(5, 5), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(f.selectionNames(), QStringList{"jComboBox1"});
    QVERIFY(f.session.mover().hasFocus());
    f.click(scroll, QPoint(5, 5));
    QCOMPARE(f.selectionNames(), QStringList{"scroll1"});
    // Leaving the window does not bring a preview back into the selection.
    f.click(f.client(), QPoint(300, 250));
    QCOMPARE(f.selectionNames(), QStringList{});
    QVERIFY(!combo->hasFocus() && !scroll->hasFocus());
}

void TestDesignSurface::deletingSeveral_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Delete key") << true;
    QTest::newRow("Deletar") << false;
}

void TestDesignSurface::deletingSeveral()
{
    QFETCH(bool, byKey);
    DesignFixture f;
    f.show();
    f.place(1, QPoint(21, 21));
    f.place(7, QPoint(121, 21));
    f.place(2, QPoint(21, 201));
    f.drag(QPoint(10, 10), QPoint(300, 150));
    QCOMPARE(f.selectionNames(), QStringList({"jButton1", "list1"}));
    f.modified = 0;
    if (byKey)
        f.key(Qt::Key_Delete);
    else
        f.session.mnuCpo().findChild<QAction *>("Delete3")->trigger();
    QCOMPARE(f.modified, 1);
    QVERIFY(!f.session.mover().IsAttached());
    QCOMPARE(f.designWindow()->components().size(), 1);
    QVERIFY(f.code().filter("jButton1").isEmpty());
    QVERIFY(f.code().filter("list1").isEmpty());
    QCOMPARE(f.code().filter("jTextField1").size(), 6);
}

void TestDesignSurface::popupMenuFollowsTheSelection()
{
    DesignFixture f;
    f.show();
    int properties = 0;
    int events = 0;
    connect(&f.session, &DesignerSession::propertiesWanted, this, [&properties] { ++properties; });
    connect(&f.session, &DesignerSession::eventsWanted, this, [&events] { ++events; });
    PreviewControl *a = f.place(1, QPoint(21, 21));
    f.place(1, QPoint(21, 61));
    QMenu &menu = f.session.mnuCpo();
    QAction *props = menu.findChild<QAction *>("Propriedades1");
    QAction *eventsItem = menu.findChild<QAction *>("Eventos1");
    QAction *del = menu.findChild<QAction *>("Delete3");
    QCOMPARE(menu.actions(), QList<QAction *>({props, del, eventsItem}));
    QCOMPARE(del->text(), QStringLiteral("Deletar"));

    f.drag(QPoint(10, 10), QPoint(300, 150));
    menu.popup(f.top()->mapToGlobal(QPoint(50, 50)));
    QVERIFY(!props->isEnabled() && !eventsItem->isEnabled() && del->isEnabled());
    menu.hide();

    // A right click on a component selects it and opens the menu.
    f.click(f.client(), QPoint(300, 250));
    f.click(a, QPoint(5, 5), Qt::RightButton);
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(f.selectionNames(), QStringList{"jButton1"});
    QVERIFY(props->isEnabled() && eventsItem->isEnabled());
    menu.hide();

    f.modified = 0;
    props->trigger();
    QCOMPARE(properties, 1);
    QCOMPARE(f.modified, 1);
    eventsItem->trigger();
    QCOMPARE(events, 1);
    QCOMPARE(f.modified, 1);
}

void TestDesignSurface::movingWithTheHandleRewritesBounds()
{
    DesignFixture f;
    f.show();
    PreviewControl *b = f.place(1, QPoint(25, 17));
    QCOMPARE(b->pos(), QPoint(24, 16));
    const QStringList before = f.code();
    const int boundsLine = int(before.indexOf("       jButton1.setBounds(24,16,75,25);"));
    f.modified = 0;
    // Press on the unselected button and drag at once.
    // The drag starts at the first move, one pixel on: then (+16, +14).
    f.drag(QPoint(40, 25), QPoint(57, 40));
    QCOMPARE(b->geometry(), QRect(38, 28, 75, 25));
    QStringList expected = before;
    expected[boundsLine] = "jButton1.setBounds(38,28,75,25);";
    QCOMPARE(f.code(), expected);
    QCOMPARE(f.modified, 1);

    // Resizing with the bottom-right grip of the handle.
    TStretchHandle &mover = f.session.mover();
    const QPoint grip = mover.geometry().bottomRight() - QPoint(2, 2);
    f.moveTo(grip);
    QCOMPARE(mover.dragStyle(), TDragStyle::dsSizeBottomRight);
    f.press(grip);
    f.moveTo(grip + QPoint(10, 5));
    f.release(grip + QPoint(10, 5));
    QCOMPARE(b->geometry(), QRect(38, 28, 82, 27));
    QCOMPARE(f.code()[boundsLine], QStringLiteral("jButton1.setBounds(38,28,82,27);"));
}

void TestDesignSurface::arrowKeysRewriteBounds()
{
    DesignFixture f;
    f.show();
    PreviewControl *b = f.place(1, QPoint(25, 17));
    f.click(b, QPoint(5, 5));
    f.modified = 0;
    f.key(Qt::Key_Right);
    f.key(Qt::Key_Down);
    QCOMPARE(b->pos(), QPoint(25, 17));
    QVERIFY(f.code().contains("jButton1.setBounds(25,17,75,25);"));
    QCOMPARE(f.modified, 2);
    // Any other key marks the document too, and changes no code.
    const QStringList code = f.code();
    f.key(Qt::Key_A);
    QCOMPARE(f.modified, 3);
    QCOMPARE(f.code(), code);
}

void TestDesignSurface::resizingTheWindowRewritesTheSize()
{
    DesignFixture f;
    f.show();
    DesignWindow *w = f.designWindow();
    const QPoint corner = f.at(w, QPoint(w->width() - 2, w->height() - 2));
    QTest::mouseMove(f.window(), corner);
    QTest::mousePress(f.window(), Qt::LeftButton, {}, corner);
    QTest::mouseMove(f.window(), corner + QPoint(20, 10));
    QTest::mouseMove(f.window(), corner + QPoint(40, 20));
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, corner + QPoint(40, 20));
    QCOMPARE(w->size(), QSize(440, 320));
    QVERIFY(f.code().contains("       setSize(440,320);"));
    QVERIFY(f.modified >= 1);

    // A size call changed by hand stays; the design change still counts.
    f.editor->SetText(f.editor->Text().replace("setSize(440,320)", "setSize(800,600)"));
    f.modified = 0;
    w->resize(500, 350);
    QVERIFY(f.code().contains("       setSize(800,600);"));
    QCOMPARE(f.modified, 1);
}

void TestDesignSurface::theWindowCannotBeMovedOrClosed()
{
    DesignFixture f;
    f.show();
    DesignWindow *w = f.designWindow();
    const QPoint title = f.at(w, QPoint(w->width() / 2, 8));
    QTest::mouseMove(f.window(), title);
    QTest::mousePress(f.window(), Qt::LeftButton, {}, title);
    QTest::mouseMove(f.window(), title + QPoint(30, 30));
    QTest::mouseMove(f.window(), title + QPoint(60, 40));
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, title + QPoint(60, 40));
    QCOMPARE(w->pos(), QPoint(0, 0));
    QVERIFY(!w->close());
    f.page->designArea()->closeAllSubWindows();
    QVERIFY(w->isVisible());
    QVERIFY(w->systemMenu() == nullptr);
}

void TestDesignSurface::doubleClickPutsTheCaretAtTheCode()
{
    DesignFixture f;
    f.show();
    PreviewControl *a = f.place(1, QPoint(21, 21));
    PreviewControl *b = f.place(1, QPoint(21, 61));
    f.click(a, QPoint(5, 5));
    f.editor->SetSelStart(0);
    QTest::mouseDClick(f.window(), Qt::LeftButton, {}, f.at(a, QPoint(5, 5)));
    QCOMPARE(f.editor->SelStart(), int(f.editor->Text().indexOf("jButton1.")));

    f.click(b, QPoint(5, 5), Qt::LeftButton, Qt::ControlModifier);
    f.editor->SetSelStart(0);
    QTest::mouseDClick(f.window(), Qt::LeftButton, {}, f.at(a, QPoint(5, 5)));
    QCOMPARE(f.editor->SelStart(), 0);
}

void TestDesignSurface::workedExampleFromTheSurface()
{
    DesignFixture f;
    f.show();
    f.place(1, QPoint(25, 17));
    QCOMPARE(f.page->objectsText(), QStringLiteral("TForm() Form1[\nForm1\n0\n0\n1\n1\n300\n400\n"
                                                   "TButton(1) jButton1[\njButton1\n24\n16\n1\n1\n"
                                                   "25\n75\n]\n]\n"));
}

void TestDesignSurface::loadingShowsTheWarningPerBrokenBlock()
{
    DesignFixture f;
    f.load({"TForm() [", "Janela", "30", "20", "1", "1", "250", "350",
                        "TButton(1) jButton1[", "Ok", "x", "16", "1", "1", "25", "75", "]",
                        "TButton(1) jButton3[", "Ok", "24", "16", "1", "1", "25", "75", "]",
                        "TEdit(2) e[", "t", "150", "2", "1", "1", "", "", "]", "]"});
    f.show(false);
    QCOMPARE(f.warnings, QStringList(2, kObjectsLoadFailure));
    DesignWindow *w = f.designWindow();
    QCOMPARE(w->geometry(), QRect(30, 20, 350, 250));
    QCOMPARE(w->windowTitle(), QStringLiteral("Janela"));
    QCOMPARE(w->components().size(), 3);
    QCOMPARE(w->components()[1]->geometry(), QRect(24, 16, 75, 25));
    // Three buttons counted: the next one is jButton3 again.
    QCOMPARE(f.place(1, QPoint(200, 100))->name(), QStringLiteral("jButton3"));
    QCOMPARE(f.place(2, QPoint(200, 150))->name(), QStringLiteral("jTextField2"));
    // Loaded components take part in the design like placed ones.
    f.click(w->components()[0], QPoint(3, 3));
    QCOMPARE(f.selectionNames(), QStringList{"jButton1"});
    QVERIFY(f.page->objectsText().startsWith("TForm() [\nJanela\n30\n20\n1\n1\n250\n350\n"));
}

void TestDesignSurface::closingAPageKeepsTheHandle()
{
    DesignFixture f;
    f.show();
    PreviewControl *b = f.place(1, QPoint(21, 21));
    f.click(b, QPoint(5, 5));
    QVERIFY(f.session.mover().IsAttached());
    delete f.page;
    f.page = nullptr;
    QVERIFY(!f.session.mover().IsAttached());
    QVERIFY(f.session.mover().parentWidget() == nullptr);
}

QTEST_MAIN(TestDesignSurface)
#include "tst_design_surface.moc"

#include "design_fixture.h"

#include "memo_code_lines.h"
#include "designer/objects_file.h"
#include "designer/swing_codegen.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// A Swing window built with the mouse and keys from the palette up, its code
// compiled by the real compiler and its design read back from objects text.
class TestDesignerEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void buildCompileAndReopen();
};

namespace {

struct Placement
{
    int kind;
    QPoint point;
};

// Where each placeable kind goes, clicked one pixel right and below its corner.
const Placement kPlacements[] = {
    {1, {11, 11}},   {2, {11, 46}},   {3, {11, 76}},   {4, {11, 101}},  {5, {11, 126}},
    {6, {11, 151}},  {7, {11, 181}},  {8, {251, 11}},  {9, {251, 46}},  {10, {251, 76}},
    {11, {251, 106}}, {12, {251, 206}}, {13, {251, 231}}, {14, {251, 256}},
};

} // namespace

void TestDesignerEndToEnd::buildCompileAndReopen()
{
    const QString javac = QStandardPaths::findExecutable(QStringLiteral("javac"));
    if (javac.isEmpty())
        QSKIP("javac is not installed");

    DesignFixture f;
    f.show();
    DesignWindow *w = f.designWindow();
    w->resize(700, 520);
    QVERIFY(f.code().contains("       setSize(700,520);"));

    for (const Placement &p : kPlacements) {
        PreviewControl *c = f.place(p.kind, p.point);
        QVERIFY(c);
        QCOMPARE(int(c->kind()), p.kind);
        QCOMPARE(c->pos(), p.point - QPoint(1, 1));
    }
    QCOMPARE(w->components().size(), 14);
    QVERIFY(f.messages.isEmpty());

    // Move the button with the handle: pressed, then dragged (+16, +14).
    PreviewControl *button = f.client()->findChild<PreviewControl *>("jButton1");
    f.drag(QPoint(20, 20), QPoint(37, 35));
    QCOMPARE(button->pos(), QPoint(24, 22));

    // Resize the text area by the bottom-right grip of its handle.
    PreviewControl *area = f.client()->findChild<PreviewControl *>("areatexto1");
    f.click(area, QPoint(20, 20));
    QCOMPARE(f.selectionNames(), QStringList{"areatexto1"});
    const QPoint grip = f.session.mover().geometry().bottomRight() - QPoint(2, 2);
    f.moveTo(grip);
    f.press(grip);
    f.moveTo(grip + QPoint(10, 5));
    f.moveTo(grip + QPoint(20, 10));
    f.release(grip + QPoint(20, 10));
    QCOMPARE(area->size(), QSize(202, 96));

    // Delete the label.
    f.click(f.client()->findChild<PreviewControl *>("jLabel1"), QPoint(3, 3));
    f.key(Qt::Key_Delete);
    QCOMPARE(w->components().size(), 13);
    QVERIFY(f.code().filter("jLabel1").isEmpty());

    // Texts that need escaping and items, as the properties dialog sets them.
    MemoCodeLines code(*f.editor);
    RemoveComponentCode(code, button->component(), true);
    button->setText("diga \"oi\" \\ C:\\temp\nfim");
    QCOMPARE(WriteComponentCode(code, button->component(), "true", "true"), CodegenResult::Written);
    f.client()->findChild<PreviewControl *>("list1")->setItems({"um", "[dois]", "três\\n"});
    f.client()->findChild<PreviewControl *>("jComboBox1")->setItems({"a", "b"});

    // The code compiles.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile source(dir.filePath("semnome1.java"));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(f.editor->Text().toUtf8());
    source.close();
    QProcess compiler;
    compiler.setWorkingDirectory(dir.path());
    compiler.start(javac, {"-encoding", "UTF-8", "-nowarn", "semnome1.java"});
    QVERIFY(compiler.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(compiler.readAllStandardOutput()
                                                  + compiler.readAllStandardError());
    QVERIFY2(compiler.exitCode() == 0 && !output.contains("error"),
             qPrintable(output + "\n" + f.editor->Text()));
    QVERIFY(QFile::exists(dir.filePath("semnome1.class")));

    // Reading the objects text back gives the same design.
    const QString objects = f.page->objectsText();
    DesignFixture reopened;
    reopened.load(objectsLines(objects));
    reopened.show(false);
    QVERIFY(reopened.warnings.isEmpty());
    DesignWindowData before = w->data();
    before.name.clear();
    QCOMPARE(reopened.designWindow()->data(), before);
    QCOMPARE(reopened.page->objectsText(), QString(objects).replace("TForm() Form1[", "TForm() ["));
}

QTEST_MAIN(TestDesignerEndToEnd)
#include "tst_designer_end_to_end.moc"

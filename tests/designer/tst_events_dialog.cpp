#include "design_fixture.h"
#include "dialog_answerer.h"
#include "java_check.h"

#include "designer/event_listeners.h"
#include "designer/events_dialog.h"
#include "memo_code_lines.h"
#include "designer/swing_codegen.h"
#include "editor/syn_java_syn.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using testsupport::answerMessageBox;

namespace {

// The skeleton with a button jButton1 placed.
QStringList withButton()
{
    StringListCodeLines code(swingSkeleton());
    DesignedComponent c;
    c.name = c.text = "jButton1";
    c.width = 75;
    c.height = 25;
    WriteComponentCode(code, c, "true", "true");
    return code.lines();
}

int constructorClosing(const StringListCodeLines &code)
{
    return int(code.lines().indexOf("}"));
}

} // namespace

class TestEventsDialog : public QObject
{
    Q_OBJECT
private slots:
    void templates_data();
    void templates();
    void newClickListenerAboveTheClosingLine();
    void existingHandlerLoadedAndReplacedExactly();
    void focusBeforeLostFocus();
    void reindentedHeaderShownButNotReplaced();
    void emptyBodyCountsAsAbsent();
    void changeListenerImportsItsPackage();
    void everyEventCompilesOnEveryKind();
    void nameInsideALongerNameIsNoMatch();
    void braceOnTheNextLine();
    void nothingWrittenWithoutAPlace_data();
    void nothingWrittenWithoutAPlace();

    void dialogLoadsWritesAndMarks();
    void dialogWithoutChoiceOrSelection();
};

void TestEventsDialog::templates_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");
    const auto b = [](int n) { return QString(n, ' '); };
    QTest::newRow("Click") << 0 << "Click" << QStringList{
        "n.addMouseListener( new MouseAdapter() {", b(12) + "public void mouseClicked(MouseEvent evento) {",
        b(13) + "%CODE%", b(12) + "}});"};
    QTest::newRow("MouseMove") << 1 << "MouseMove" << QStringList{
        "n.addMouseMotionListener(new MouseMotionAdapter() {", b(12) + "public void mouseMoved(MouseEvent e) {",
        b(16) + "%CODE%", b(12) + "}});"};
    QTest::newRow("MouseDown") << 2 << "MouseDown" << QStringList{
        "n.addMouseListener(new MouseAdapter() {", b(12) + "public void mousePressed(MouseEvent evento) {",
        b(16) + "%CODE%", b(8) + "}});"};
    QTest::newRow("Change") << 3 << "Change" << QStringList{
        "n.addCaretListener(new CaretListener() {", b(8) + "public void caretUpdate(CaretEvent e) {",
        b(16) + "%CODE%", b(8) + "}});"};
    QTest::newRow("Focus") << 4 << "Focus" << QStringList{
        "n.addFocusListener(new FocusAdapter() {", b(4) + "public void focusGained(FocusEvent e) {",
        b(9) + "%CODE%", b(4) + "}});"};
    QTest::newRow("LostFocus") << 5 << "LostFocus" << QStringList{
        "n.addFocusListener(new FocusAdapter() {", b(12) + "public void focusLost(FocusEvent evt) {",
        b(16) + "%CODE%", b(12) + "}});"};
    QTest::newRow("KeyPress") << 6 << "KeyPress" << QStringList{
        "n.addKeyListener(new KeyAdapter() {", b(8) + "public void keyPressed(KeyEvent event) {",
        b(16) + "%CODE%", b(8) + "}});"};
}

void TestEventsDialog::templates()
{
    QFETCH(int, event);
    QTEST(QString::fromUtf8(eventTemplates().at(event).event), "caption");
    QTEST(eventTemplateLines(event, "n", ComponentKind::JTextField), "lines");
}

void TestEventsDialog::newClickListenerAboveTheClosingLine()
{
    StringListCodeLines code(withButton());
    const int closing = constructorClosing(code);
    const ListenerWrite write = writeListener(code, 0, "jButton1", ComponentKind::JButton, {"setTitle(\"oi\");"});
    QCOMPARE(write.result, ListenerResult::Created);
    QVERIFY(!write.importAdded);
    QCOMPARE(code.lines().mid(closing - 1, 6),
             QStringList({"",
                          "jButton1.addMouseListener( new MouseAdapter() {",
                          "            public void mouseClicked(MouseEvent evento) {",
                          "setTitle(\"oi\");", "            }});", "}"}));
}

void TestEventsDialog::existingHandlerLoadedAndReplacedExactly()
{
    StringListCodeLines code(withButton());
    writeListener(code, 0, "jButton1", ComponentKind::JButton, {"  a();", "", "\tb();"});
    const QStringList before = code.lines();
    const int header = int(before.indexOf("            public void mouseClicked(MouseEvent evento) {"));

    const auto loaded = loadHandler(code, 0, "jButton1", ComponentKind::JButton);
    QVERIFY(loaded);
    QCOMPARE(loaded->headerLine, header);
    QCOMPARE(loaded->body, QStringList({"  a();", "", "\tb();"}));

    // Replacing with what was loaded changes nothing.
    ListenerWrite write = writeListener(code, 0, "jButton1", ComponentKind::JButton, loaded->body);
    QCOMPARE(write.result, ListenerResult::Replaced);
    QCOMPARE(code.lines(), before);

    write = writeListener(code, 0, "jButton1", ComponentKind::JButton, {"c();", "d();"});
    QCOMPARE(write.result, ListenerResult::Replaced);
    QCOMPARE(write.caretLine, header + 2);
    QStringList expected = before;
    expected.replace(header + 1, "c();");
    expected.replace(header + 2, "d();");
    expected.removeAt(header + 3);
    QCOMPARE(code.lines(), expected);
}

void TestEventsDialog::focusBeforeLostFocus()
{
    StringListCodeLines code(withButton());
    writeListener(code, 4, "jButton1", ComponentKind::JButton, {"ganhou();"});
    QVERIFY(!loadHandler(code, 5, "jButton1", ComponentKind::JButton));
    QCOMPARE(writeListener(code, 5, "jButton1", ComponentKind::JButton, {"perdeu();"}).result, ListenerResult::Created);

    const QStringList &lines = code.lines();
    const int gained = int(lines.indexOf("    public void focusGained(FocusEvent e) {"));
    const int lost = int(lines.indexOf("            public void focusLost(FocusEvent evt) {"));
    QVERIFY(gained > 0 && lost > gained);
    QCOMPARE(lines.at(gained + 1), QString("ganhou();"));
    QCOMPARE(lines.at(lost + 1), QString("perdeu();"));
    QCOMPARE(lines.filter("jButton1.addFocusListener(").size(), 2);
    // The focus-gained listener is still the one that is found first.
    QCOMPARE(loadHandler(code, 4, "jButton1", ComponentKind::JButton)->body, QStringList{"ganhou();"});
    QVERIFY(!loadHandler(code, 5, "jButton1", ComponentKind::JButton));
}

void TestEventsDialog::reindentedHeaderShownButNotReplaced()
{
    StringListCodeLines code(withButton());
    writeListener(code, 0, "jButton1", ComponentKind::JButton, {"a();"});
    const int header = int(code.lines().indexOf("            public void mouseClicked(MouseEvent evento) {"));
    code.Delete(header);
    code.Insert(header, "  public void mouseClicked(MouseEvent evento) {");

    QCOMPARE(loadHandler(code, 0, "jButton1", ComponentKind::JButton)->body, QStringList{"a();"});
    QCOMPARE(writeListener(code, 0, "jButton1", ComponentKind::JButton, {"b();"}).result, ListenerResult::Created);
    QCOMPARE(code.lines().filter("jButton1.addMouseListener(").size(), 2);
    QCOMPARE(code.Get(header + 1), QString("a();"));
}

void TestEventsDialog::emptyBodyCountsAsAbsent()
{
    StringListCodeLines code(withButton());
    writeListener(code, 6, "jButton1", ComponentKind::JButton, {});
    const int header = int(code.lines().indexOf("        public void keyPressed(KeyEvent event) {"));
    QCOMPARE(code.Get(header + 1), QString("        }});"));
    QCOMPARE(loadHandler(code, 6, "jButton1", ComponentKind::JButton)->body, QStringList());
    QCOMPARE(writeListener(code, 6, "jButton1", ComponentKind::JButton, {"k();"}).result, ListenerResult::Created);
    QCOMPARE(code.lines().filter("jButton1.addKeyListener(").size(), 2);
}

void TestEventsDialog::changeListenerImportsItsPackage()
{
    StringListCodeLines code(withButton());
    ListenerWrite write = writeListener(code, 3, "jButton1", ComponentKind::JButton, {"x();"});
    QCOMPARE(write.result, ListenerResult::Created);
    QVERIFY(write.importAdded);
    QCOMPARE(code.lines().mid(0, 5), QStringList({"import javax.swing.*;", "import java.awt.*;",
                                                  "import java.awt.event.*;",
                                                  "import javax.swing.event.*;", ""}));
    // Replacing keeps the caret on the last statement, the import counted.
    write = writeListener(code, 3, "jButton1", ComponentKind::JButton, {"y();"});
    QCOMPARE(write.result, ListenerResult::Replaced);
    QVERIFY(!write.importAdded);
    QCOMPARE(code.Get(write.caretLine), QString("y();"));
    QCOMPARE(code.lines().filter("import javax.swing.event.*;").size(), 1);

    StringListCodeLines bare(withButton().mid(3));
    QVERIFY(writeListener(bare, 3, "jButton1", ComponentKind::JButton, {"x();"}).importAdded);
    QCOMPARE(bare.Get(0), QString("import javax.swing.event.*;"));
}

void TestEventsDialog::everyEventCompilesOnEveryKind()
{
    if (testsupport::javacPath().isEmpty())
        QSKIP("javac is not installed");
    // One window holding every kind the palette places, each with every
    // event it has; the label has no change of its own and is refused.
    StringListCodeLines code(swingSkeleton());
    NamingCounters counters;
    int written = 0;
    for (int kind = 1; kind <= 14; ++kind) {
        const DesignedComponent c = newComponent(ComponentKind(kind), counters, 10, 10 * kind);
        QCOMPARE(WriteComponentCode(code, c, "true", "true"), CodegenResult::Written);
        for (int event = 0; event < kEventCount; ++event) {
            const ListenerWrite write =
                writeListener(code, event, c.name, c.kind, {"System.out.println(\"" + c.name + "\");"});
            const bool refused = c.kind == ComponentKind::JLabel && event == 3;
            QCOMPARE(write.result, refused ? ListenerResult::NoSuchEvent : ListenerResult::Created);
            written += refused ? 0 : 1;
        }
    }
    QCOMPARE(written, 14 * 7 - 1);
    const testsupport::JavaCheck check = testsupport::compileJava("semnome1.java", code.Text());
    QVERIFY2(check.compiled, qPrintable(check.output + "\n" + code.Text()));
}

void TestEventsDialog::nameInsideALongerNameIsNoMatch()
{
    StringListCodeLines code(withButton());
    writeListener(code, 0, "jButton1", ComponentKind::JButton, {"mine();"});
    // Another component whose name ends in the first one's.
    QVERIFY(!loadHandler(code, 0, "Button1", ComponentKind::JButton));
    QCOMPARE(writeListener(code, 0, "Button1", ComponentKind::JButton, {"other();"}).result, ListenerResult::Created);
    QCOMPARE(loadHandler(code, 0, "jButton1", ComponentKind::JButton)->body, QStringList{"mine();"});
    QCOMPARE(loadHandler(code, 0, "Button1", ComponentKind::JButton)->body, QStringList{"other();"});
}

void TestEventsDialog::braceOnTheNextLine()
{
    QStringList lines = withButton();
    const int constructor = int(lines.indexOf("public semnome1(){"));
    lines.replace(constructor, "public semnome1()");
    lines.insert(constructor + 1, "{");
    StringListCodeLines code(lines);
    QCOMPARE(writeListener(code, 0, "jButton1", ComponentKind::JButton, {"a();"}).result, ListenerResult::Created);
    const int closing = constructorClosing(code);
    QCOMPARE(code.Get(closing - 1), QString("            }});"));
}

void TestEventsDialog::nothingWrittenWithoutAPlace_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QTest::newRow("no window class") << "public class semnome1 extends JFrame{"
                                      << "public class semnome1 extends Object{" << "Falta classe!";
    QTest::newRow("no constructor") << "public semnome1(){" << "semnome1(){" << "Falta método construtor!";
    QTest::newRow("longer constructor name") << "public semnome1(){" << "public semnome10(){" << "Falta método construtor!";
    QTest::newRow("open constructor") << "       setVisible(true);" << "       if (x) {"
        << "O bloco do método construtor não está fechado: falta \"}\"!";
    QTest::newRow("one-line constructor") << "public semnome1(){" << "public semnome1(){ }"
        << "O método construtor abre e fecha na mesma linha: coloque o \"}\" final numa linha própria!";
}

void TestEventsDialog::nothingWrittenWithoutAPlace()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QStringList lines = withButton();
    // The whole class in one piece: for the open constructor nothing after it closes.
    if (to.contains("if"))
        lines = lines.mid(0, lines.indexOf("       setVisible(true);") + 1);
    lines.replace(lines.indexOf(from), to);
    StringListCodeLines code(lines);
    const ListenerWrite write = writeListener(code, 3, "jButton1", ComponentKind::JButton, {"a();"});
    QTEST(listenerMessage(write.result), "message");
    QCOMPARE(code.lines(), lines);
}

// --- The dialog ----------------------------------------------------------------

void TestEventsDialog::dialogLoadsWritesAndMarks()
{
    DesignFixture f;
    f.show();
    PreviewControl *button = f.place(1, {31, 21});
    MemoCodeLines code(*f.editor);
    writeListener(code, 0, "jButton1", ComponentKind::JButton, {"antes();"});
    f.modified = 0;
    f.click(button, {5, 5});

    TSynJavaSyn scanner;
    TfrmEventos dialog(f.session, &scanner, f.top());
    auto *txtCod = dialog.findChild<TSynMemo *>("txtCod");
    auto *cboEvento = dialog.findChild<QComboBox *>("cboEvento");
    QVERIFY(txtCod && cboEvento && !txtCod->GutterVisible());
    QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    dialog.show();
    QCOMPARE(dialog.findChild<QLineEdit *>("txtNome")->text(), QString("jButton1"));
    QCOMPARE(cboEvento->currentText(), QString("Click"));
    QCOMPARE(txtCod->Text(), QString("antes();"));
    QCOMPARE(f.editor->Lines().Get(f.editor->CaretY() - 1),
             QString("            public void mouseClicked(MouseEvent evento) {"));
    QCOMPARE(dialog.currentTemplate().first(), QString("jButton1.addMouseListener( new MouseAdapter() {"));

    // Another event replaces what was typed.
    cboEvento->setCurrentIndex(1);
    QVERIFY(txtCod->Text().isEmpty());
    QCOMPARE(dialog.currentTemplate().first(), QString("jButton1.addMouseMotionListener(new MouseMotionAdapter() {"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.modified, 0);

    dialog.show();
    txtCod->SetText("depois();\r\nfim();");
    QTest::mouseClick(dialog.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.modified, 1);
    QCOMPARE(loadHandler(code, 0, "jButton1", ComponentKind::JButton)->body, QStringList({"depois();", "fim();"}));
    QCOMPARE(f.editor->Lines().Get(f.editor->CaretY() - 1), QString("fim();"));

    const QString before = f.editor->Text();
    dialog.show();
    txtCod->SetText("nada();");
    QTest::mouseClick(dialog.findChild<QPushButton *>("Button1"), Qt::LeftButton);
    QCOMPARE(f.editor->Text(), before);
}

void TestEventsDialog::dialogWithoutChoiceOrSelection()
{
    DesignFixture f;
    f.show();
    PreviewControl *button = f.place(1, {31, 21});
    const QString before = f.editor->Text();
    TSynJavaSyn scanner;
    TfrmEventos dialog(f.session, &scanner, f.top());

    // Nothing selected: OK writes nothing.
    dialog.show();
    dialog.findChild<TSynMemo *>("txtCod")->SetText("a();");
    QTest::mouseClick(dialog.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.editor->Text(), before);

    f.click(button, {5, 5});
    dialog.show();
    dialog.findChild<QComboBox *>("cboEvento")->setCurrentIndex(-1);
    dialog.findChild<TSynMemo *>("txtCod")->SetText("a();");
    QString message;
    answerMessageBox(QMessageBox::Ok, &message);
    QTest::mouseClick(dialog.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    QCOMPARE(message, QString("Escolha um evento!"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.editor->Text(), before);

    // A window whose class cannot be found: the message, and the dialog stays.
    f.editor->SetText(QString(before).replace("extends JFrame", "extends Object"));
    dialog.show();
    dialog.findChild<TSynMemo *>("txtCod")->SetText("a();");
    answerMessageBox(QMessageBox::Ok, &message);
    QTest::mouseClick(dialog.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    QCOMPARE(message, QString("Falta classe!"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.findChild<TSynMemo *>("txtCod")->Text(), QString("a();"));
    dialog.reject();
}

QTEST_MAIN(TestEventsDialog)
#include "tst_events_dialog.moc"

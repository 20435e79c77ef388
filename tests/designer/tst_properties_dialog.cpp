#include "design_fixture.h"
#include "dialog_answerer.h"

#include "designer/component_properties.h"
#include "designer/java_names.h"
#include "designer/properties_dialog.h"
#include "designer/swing_codegen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using testsupport::answerMessageBox;

namespace {

DesignedComponent component(ComponentKind kind, const QString &name, const QString &text = {})
{
    DesignedComponent c;
    c.kind = kind;
    c.name = name;
    c.text = text;
    c.left = 24;
    c.top = 16;
    c.width = 75;
    c.height = 25;
    return c;
}

PropertiesInput inputFor(const DesignedComponent &c)
{
    PropertiesInput in;
    in.name = c.name;
    in.title = c.text;
    in.left = QString::number(c.left);
    in.top = QString::number(c.top);
    in.width = QString::number(c.width);
    in.height = QString::number(c.height);
    in.items = c.items;
    return in;
}

// The skeleton with `c` placed, as the designer writes it.
StringListCodeLines placed(const DesignedComponent &c)
{
    StringListCodeLines code(swingSkeleton());
    WriteComponentCode(code, c, "true", "true");
    return code;
}

template<typename T>
T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

class TestPropertiesDialog : public QObject
{
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void acceptedInputs_data();
    void acceptedInputs();
    void renameReachesEveryUseButNoLongerWord();
    void noChoiceLeavesNoEnabledOrVisibleCalls();
    void listItemsBelowTheModelLine_data();
    void listItemsBelowTheModelLine();
    void comboItemsBelowTheConstruction();
    void titleShownOnOpening_data();
    void titleShownOnOpening();

    void showingFollowsTheKind();
    void numberFieldsTakeDigitsOnly();
    void pastedLettersAreRefusedBeforeAnyChange();
    void confirmaAppliesAndCancelaDoesNot();
    void nothingSelected();
};

void TestPropertiesDialog::refusals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    using F = PropertiesField;
    const QString badName = "O nome do objeto deve começar com uma letra ou \"_\" e ter apenas "
                            "letras sem acento, algarismos ou \"_\"!";
    QTest::newRow("empty name") << "name" << "" << "Digite um nome para o objeto!" << int(F::Nome);
    QTest::newRow("blank name") << "name" << " " << badName << int(F::Nome);
    QTest::newRow("digit first") << "name" << "1botao" << badName << int(F::Nome);
    QTest::newRow("accented") << "name" << "botão" << badName << int(F::Nome);
    QTest::newRow("keyword") << "name" << "class" << "O nome do objeto não pode ser uma palavra reservada do Java!" << int(F::Nome);
    QTest::newRow("literal") << "name" << "null" << "O nome do objeto não pode ser uma palavra reservada do Java!" << int(F::Nome);
    QTest::newRow("empty left") << "left" << "" << "Digite um valor para o posicionamento horizontal do objeto!" << int(F::Esquerda);
    QTest::newRow("pasted left") << "left" << "1a" << "Digite apenas algarismos para o posicionamento horizontal do objeto!" << int(F::Esquerda);
    QTest::newRow("empty top") << "top" << "" << "Digite um valor para o posicionamento vertical do objeto!" << int(F::Topo);
    QTest::newRow("minus inside top") << "top" << "5-5" << "Digite apenas algarismos para o posicionamento vertical do objeto!" << int(F::Topo);
    QTest::newRow("minus alone") << "left" << "-" << "Digite apenas algarismos para o posicionamento horizontal do objeto!" << int(F::Esquerda);
    QTest::newRow("negative height") << "height" << "-5" << "Digite apenas algarismos para altura do objeto!" << int(F::Altura);
    QTest::newRow("empty height") << "height" << "" << "Digite um valor para altura do objeto!" << int(F::Altura);
    QTest::newRow("huge height") << "height" << "99999999999" << "Digite apenas algarismos para altura do objeto!" << int(F::Altura);
    QTest::newRow("empty width") << "width" << "" << "Digite um valor para largura do objeto!" << int(F::Largura);
    QTest::newRow("blank width") << "width" << " 5" << "Digite apenas algarismos para largura do objeto!" << int(F::Largura);
    QTest::newRow("other's name") << "name" << "JTEXTFIELD1" << "Nome já existe!" << int(F::None);
    QTest::newRow("letter case only") << "name" << "JButton1" << "Nome já existe!" << int(F::None);
}

void TestPropertiesDialog::refusals()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    PropertiesInput in = inputFor(component(ComponentKind::JButton, "jButton1", "ok"));
    QString *target = field == "name" ? &in.name : field == "left" ? &in.left
                      : field == "top" ? &in.top : field == "height" ? &in.height : &in.width;
    *target = value;
    const auto refusal = validateProperties(in, "jButton1", {"jButton1", "jTextField1"});
    QVERIFY(refusal);
    QTEST(refusal->message, "message");
    QTEST(int(refusal->focus), "focus");
}

void TestPropertiesDialog::acceptedInputs_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("unchanged") << "jButton1";
    QTest::newRow("new name") << "btnOk";
    QTest::newRow("underscore") << "_ok2";
    QTest::newRow("keyword inside") << "classe";
}

void TestPropertiesDialog::acceptedInputs()
{
    PropertiesInput in = inputFor(component(ComponentKind::JButton, "jButton1"));
    QFETCH(QString, name);
    in.name = name;
    in.left = "0";
    QVERIFY(!validateProperties(in, "jButton1", {"jButton1", "jTextField1"}));
}

void TestPropertiesDialog::renameReachesEveryUseButNoLongerWord()
{
    const DesignedComponent before = component(ComponentKind::JButton, "jButton1", "jButton1");
    StringListCodeLines code = placed(before);
    const int closing = int(code.lines().lastIndexOf("}")) - 5;
    QCOMPARE(code.Get(closing), QString("}"));
    const QStringList user = {
        "jButton1.addMouseListener( new MouseAdapter() {",
        "            public void mouseClicked(MouseEvent evento) {",
        "             jButton10.setText(\"jButton1\"); // jButton1 ok",
        "            }});",
        "jButton1.addFocusListener(new FocusAdapter() {",
        "    public void focusGained(FocusEvent e) { JButton1.x = jButton1; /* jButton1",
        "    jButton1 */ }});",
    };
    for (int i = 0; i < user.size(); ++i)
        code.Insert(closing + i, user.at(i));

    DesignedComponent after = before;
    after.name = "btnOla";
    after.text = "Olá \"mundo\"";
    QCOMPARE(writePropertiesCode(code, before, after, "true", ""), CodegenResult::Written);

    const QString all = code.lines().join("\n");
    QVERIFY(all.contains("JButton btnOla;"));
    QVERIFY(all.contains("       btnOla = new JButton(\"Olá \\\"mundo\\\"\");"));
    QVERIFY(all.contains("       btnOla.setEnabled(true);"));
    QVERIFY(!all.contains(".setVisible(true);\n       btnOla"));
    QVERIFY(all.contains("btnOla.addMouseListener( new MouseAdapter() {"));
    QVERIFY(all.contains("             jButton10.setText(\"jButton1\"); // jButton1 ok"));
    QVERIFY(all.contains("btnOla.addFocusListener(new FocusAdapter() {"));
    QVERIFY(all.contains("{ JButton1.x = btnOla; /* jButton1\n    jButton1 */ }});"));
    // The longer name, the string and the comments keep it.
    QCOMPARE(all.count("jButton1"), 5);
}

void TestPropertiesDialog::noChoiceLeavesNoEnabledOrVisibleCalls()
{
    const DesignedComponent c = component(ComponentKind::JCheckBox, "jCheckBox1", "x");
    StringListCodeLines code = placed(c);
    QVERIFY(code.Text().contains("jCheckBox1.setVisible(true);"));
    QCOMPARE(writePropertiesCode(code, c, c, "", ""), CodegenResult::Written);
    QVERIFY(!code.Text().contains("jCheckBox1.setVisible("));
    QVERIFY(!code.Text().contains("jCheckBox1.setEnabled("));
    QVERIFY(code.Text().contains("jCheckBox1.setBounds(24,16,75,25);"));
}

void TestPropertiesDialog::listItemsBelowTheModelLine_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("three") << QStringList{"um", "dois", "três"}
                           << QStringList{"modellista.addElement(\"um\");", "modellista.addElement(\"dois\");",
                                          "modellista.addElement(\"três\");"};
    QTest::newRow("escaped") << QStringList{"a \"b\"", "c:\\d"}
                             << QStringList{"modellista.addElement(\"a \\\"b\\\"\");",
                                            "modellista.addElement(\"c:\\\\d\");"};
    QTest::newRow("none") << QStringList{} << QStringList{};
}

void TestPropertiesDialog::listItemsBelowTheModelLine()
{
    QFETCH(QStringList, items);
    QFETCH(QStringList, lines);
    DesignedComponent before = component(ComponentKind::JList, "list1");
    before.items = {"velho"};
    StringListCodeLines code = placed(before);
    code.Insert(int(code.lines().indexOf("}")), "modellist1.addElement(\"extra\");");

    PropertiesInput in = inputFor(before);
    in.name = "lista";
    in.items = items;
    const DesignedComponent after = updatedComponent(before, in);
    QCOMPARE(after.items, items);
    QCOMPARE(after.text, items.value(0));
    QCOMPARE(writePropertiesCode(code, before, after, "true", "true"), CodegenResult::Written);

    const int model = int(code.lines().indexOf("DefaultListModel modellista = new DefaultListModel();"));
    QVERIFY(model > 0);
    QCOMPARE(code.lines().mid(model + 1, lines.size()), lines);
    QCOMPARE(code.Get(model + 1 + int(lines.size())), QString("       lista = new JList(modellista);"));
    QVERIFY(code.Text().contains("JScrollPane scrlista = new JScrollPane(lista);"));
    QVERIFY(!code.Text().contains("list1"));
}

void TestPropertiesDialog::comboItemsBelowTheConstruction()
{
    DesignedComponent before = component(ComponentKind::JComboBox, "jComboBox1");
    StringListCodeLines code = placed(before);
    code.Insert(10, "jComboBox1.addItem(\"velho\");");

    PropertiesInput in = inputFor(before);
    in.items = {"a", "b"};
    DesignedComponent after = updatedComponent(before, in);
    QCOMPARE(writePropertiesCode(code, before, after, "true", "true"), CodegenResult::Written);
    const int construction = int(code.lines().indexOf("       jComboBox1 = new JComboBox();"));
    QCOMPARE(code.lines().mid(construction + 1, 3),
             QStringList({"jComboBox1.addItem(\"a\");", "jComboBox1.addItem(\"b\");",
                          "       JANELA.add(jComboBox1);"}));

    // An empty memo leaves no items at all.
    before = after;
    in.items.clear();
    after = updatedComponent(before, in);
    QVERIFY(after.items.isEmpty());
    QCOMPARE(writePropertiesCode(code, before, after, "true", "true"), CodegenResult::Written);
    QVERIFY(!code.Text().contains(".addItem("));
}

void TestPropertiesDialog::titleShownOnOpening_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("shown"); // -1: not refilled
    const QString longText(120, 'x');
    QTest::newRow("button") << 1 << 98;
    QTest::newRow("text field") << 2 << 120;
    QTest::newRow("label") << 3 << 120;
    QTest::newRow("check box") << 5 << 98;
    QTest::newRow("combo") << 6 << -1;
    QTest::newRow("list") << 7 << -1;
    QTest::newRow("text area") << 11 << 98;
}

void TestPropertiesDialog::titleShownOnOpening()
{
    QFETCH(int, kind);
    QFETCH(int, shown);
    const auto title = titleForShowing(component(ComponentKind(kind), "c", QString(120, 'x')));
    QCOMPARE(title ? int(title->size()) : -1, shown);
}

// --- The dialog ----------------------------------------------------------------

void TestPropertiesDialog::showingFollowsTheKind()
{
    DesignFixture f;
    f.show();
    PreviewControl *button = f.place(1, {31, 21});
    PreviewControl *list = f.place(7, {131, 21});
    list->setItems({"um", "dois"});
    TForm5 form(f.session, f.top());
    auto *title = child<QLineEdit>(&form, "txtTit");
    auto *memo = child<QPlainTextEdit>(&form, "mnoList");

    f.click(button, {5, 5});
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.height(), TForm5::kHeight);
    QVERIFY(!memo->isVisible());
    QCOMPARE(title->text(), QString("jButton1"));
    QCOMPARE(child<QLineEdit>(&form, "txtLargura")->text(), QString("75"));
    QCOMPARE(child<QComboBox>(&form, "cboEnabled")->currentText(), QString());
    QVERIFY(child<QLineEdit>(&form, "txtNome")->hasSelectedText());
    title->setText("sobra");
    form.reject();

    f.click(list, {5, 5});
    form.show();
    QCOMPARE(form.height(), TForm5::kHeightWithItems);
    QVERIFY(memo->isVisible());
    QCOMPARE(memo->toolTip(), QString("Cada linha equivale a um item"));
    QVERIFY(!title->isEnabled());
    QCOMPARE(title->text(), QString("sobra"));
    QCOMPARE(memo->toPlainText(), QString("um\ndois"));
    QPushButton *cancela = child<QPushButton>(&form, "Button2");
    QCOMPARE(cancela->geometry().bottomRight(), QPoint(form.width() - 9, form.height() - 9));
    form.reject();
}

void TestPropertiesDialog::numberFieldsTakeDigitsOnly()
{
    DesignFixture f;
    f.show();
    f.click(f.place(1, {31, 21}), {5, 5});
    TForm5 form(f.session, f.top());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (const char *name : {"txtEsquerda", "txtTopo", "txtAltura", "txtLargura"}) {
        auto *edit = child<QLineEdit>(&form, name);
        edit->clear();
        QTest::keyClicks(edit, "1a2-b 3.4567");
        QTest::keyClick(edit, Qt::Key_Backspace);
        const bool short_ = QByteArray(name) == "txtEsquerda" || QByteArray(name) == "txtTopo";
        QCOMPARE(edit->text(), QString(short_ ? "123" : "123456"));
    }
    form.reject();
}

void TestPropertiesDialog::pastedLettersAreRefusedBeforeAnyChange()
{
    DesignFixture f;
    f.show();
    PreviewControl *button = f.place(1, {31, 21});
    f.click(button, {5, 5});
    const QString code = f.editor->Text();
    TForm5 form(f.session, f.top());
    form.show();
    child<QLineEdit>(&form, "txtNome")->setText("outro");
    auto *height = child<QLineEdit>(&form, "txtAltura");
    height->setText("2O"); // as pasted: a letter O
    QString message;
    answerMessageBox(QMessageBox::Ok, &message);
    QTest::mouseClick(child<QPushButton>(&form, "Button1"), Qt::LeftButton);
    QCOMPARE(message, QString("Digite apenas algarismos para altura do objeto!"));
    QVERIFY(form.isVisible());
    QCOMPARE(form.focusWidget(), height);
    QCOMPARE(f.editor->Text(), code);
    QCOMPARE(button->name(), QString("jButton1"));
    form.reject();
}

void TestPropertiesDialog::confirmaAppliesAndCancelaDoesNot()
{
    DesignFixture f;
    f.show();
    PreviewControl *button = f.place(1, {31, 21});
    f.click(button, {5, 5});
    TForm5 form(f.session, f.top());

    form.show();
    child<QLineEdit>(&form, "txtNome")->setText("changed");
    QTest::mouseClick(child<QPushButton>(&form, "Button2"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(button->name(), QString("jButton1"));

    form.show();
    QCOMPARE(child<QLineEdit>(&form, "txtNome")->text(), QString("jButton1"));
    child<QLineEdit>(&form, "txtNome")->setText("btnSair");
    child<QLineEdit>(&form, "txtTit")->setText("Sair");
    child<QLineEdit>(&form, "txtEsquerda")->setText("40");
    child<QLineEdit>(&form, "txtLargura")->setText("90");
    child<QComboBox>(&form, "cboVisible")->setCurrentIndex(1);
    QTest::mouseClick(child<QPushButton>(&form, "Button1"), Qt::LeftButton);
    QVERIFY(!form.isVisible());

    QCOMPARE(button->name(), QString("btnSair"));
    QCOMPARE(button->objectName(), QString("btnSair"));
    QCOMPARE(button->text(), QString("Sair"));
    QCOMPARE(button->geometry(), QRect(40, 20, 90, 25));
    QVERIFY(f.session.mover().geometry().contains(button->geometry()));
    const QStringList code = f.code();
    QVERIFY(code.contains("JButton btnSair;"));
    QVERIFY(code.contains("       btnSair = new JButton(\"Sair\");"));
    QVERIFY(code.contains("       btnSair.setBounds(40,20,90,25);"));
    QVERIFY(code.contains("       btnSair.setVisible(false);"));
    QVERIFY(code.filter("setEnabled").isEmpty());
    QVERIFY(code.filter("jButton1").isEmpty());
}

void TestPropertiesDialog::nothingSelected()
{
    DesignFixture f;
    f.show();
    f.place(1, {31, 21});
    const QString code = f.editor->Text();
    TForm5 form(f.session, f.top());
    form.show();
    QTest::mouseClick(child<QPushButton>(&form, "Button1"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(f.editor->Text(), code);
}

QTEST_MAIN(TestPropertiesDialog)
#include "tst_properties_dialog.moc"

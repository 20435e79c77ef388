#include "dialog_answerer.h"

#include "designer/menu_bar_code.h"
#include "designer/menu_editor.h"
#include "editor/syn_memo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>


namespace {

MenuEntry entry(MenuEntryType type, const QString &name, const QString &caption = {},
                const QString &key = {}, const QString &menu = {})
{
    return {type, name, caption, key, menu};
}

} // namespace

class TestMenuEditor : public QObject
{
    Q_OBJECT
private slots:
    void exampleMenuAndItem();
    void additions_data();
    void additions();
    void duplicateTopLevelMenu();
    void blocks_data();
    void blocks();

    void typeEnablesFields_data();
    void typeEnablesFields();
    void addKeepsMenuAndTypeAndEmptiesEdits();
    void okWritesTheBarOncePerCode();
    void cancelEmptiesTheListsOnly();
    void okWithoutADocument();
};

void TestMenuEditor::exampleMenuAndItem()
{
    const MenuAddition menu = menuAddition(entry(MenuEntryType::Menu, "arquivo", "Arquivo", "A"), {});
    QCOMPARE(menu.declarations, QStringList{"JMenu arquivo =new JMenu(\"Arquivo\");"});
    QCOMPARE(menu.statements, QStringList({"barra.add(arquivo);", "arquivo.setMnemonic(KeyEvent.VK_A);"}));
    QCOMPARE(menu.newMenu, QString("arquivo"));
    const MenuAddition item =
        menuAddition(entry(MenuEntryType::Item, "sair", "Sair", "", "arquivo"), {"arquivo"});
    QCOMPARE(item.declarations, QStringList{"JMenuItem sair= new JMenuItem(\" Sair\");"});
    QCOMPARE(item.statements, QStringList{"arquivo.add(sair);"});
    QVERIFY(item.newMenu.isEmpty() && item.refusals.isEmpty());
}

void TestMenuEditor::additions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("declarations");
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QStringList>("refusals");
    QTest::newRow("no type") << -1 << "x" << "" << QStringList() << QStringList()
                             << QStringList{"Selecione uma opção"};
    QTest::newRow("submenu") << 2 << "Novo" << "N" << QStringList{"JMenu n =new JMenu(\"Novo\");"}
                             << QStringList({"m.add(n);", "n.setMnemonic(KeyEvent.VK_N);"}) << QStringList();
    QTest::newRow("item with key") << 1 << "Abrir" << "O" << QStringList{"JMenuItem n= new JMenuItem(\" Abrir\");"}
                                   << QStringList({"m.add(n);", "n.setMnemonic(KeyEvent.VK_O);"}) << QStringList();
    QTest::newRow("lower-case key") << 1 << "Sair" << "s" << QStringList{"JMenuItem n= new JMenuItem(\" Sair\");"}
                                    << QStringList({"m.add(n);", "n.setMnemonic(KeyEvent.VK_S);"}) << QStringList();
    QTest::newRow("key that is no letter") << 1 << "Sair" << "ç" << QStringList() << QStringList()
                                           << QStringList{kBadMnemonic};
    QTest::newRow("two keys") << 1 << "Sair" << "F1" << QStringList() << QStringList()
                              << QStringList{kBadMnemonic};
    QTest::newRow("separator") << 3 << "ignored" << "X" << QStringList() << QStringList{"m.addSeparator();"}
                               << QStringList();
    QTest::newRow("quotes and backslashes") << 1 << "Diga \"oi\" C:\\" << ""
        << QStringList{"JMenuItem n= new JMenuItem(\" Diga \\\"oi\\\" C:\\\\\");"} << QStringList{"m.add(n);"}
        << QStringList();
    QTest::newRow("menu caption escaped") << 0 << "\"A\"" << "" << QStringList{"JMenu n =new JMenu(\"\\\"A\\\"\");"}
                                          << QStringList{"barra.add(n);"} << QStringList();
}

void TestMenuEditor::additions()
{
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, key);
    const MenuAddition a = menuAddition(entry(MenuEntryType(type), "n", caption, key, "m"), {"m"});
    QTEST(a.declarations, "declarations");
    QTEST(a.statements, "statements");
    QTEST(a.refusals, "refusals");
    QCOMPARE(a.newMenu, QString(type == 0 || type == 2 ? "n" : ""));
}

void TestMenuEditor::duplicateTopLevelMenu()
{
    MenuAddition a = menuAddition(entry(MenuEntryType::Menu, "arquivo", "A"), {"arquivo", "editar"});
    QCOMPARE(a.refusals, QStringList{"Já existe um menu com esse nome"});
    QVERIFY(a.declarations.isEmpty() && a.statements.isEmpty() && a.newMenu.isEmpty());
    // A name taken twice as a submenu is met twice.
    a = menuAddition(entry(MenuEntryType::Menu, "sub", "S"), {"arquivo", "sub", "sub"});
    QCOMPARE(a.refusals.size(), 2);
    // The comparison is exact.
    QVERIFY(menuAddition(entry(MenuEntryType::Menu, "Arquivo", "A"), {"arquivo"}).refusals.isEmpty());
}

void TestMenuEditor::blocks_data()
{
    QTest::addColumn<QStringList>("declarations");
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<bool>("withBar");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QStringList d{"JMenu m =new JMenu(\"M\");"};
    const QStringList s{"barra.add(m);", "m.addSeparator();"};
    QTest::newRow("with bar") << d << s << true
        << "JMenuBar barra = new JMenuBar();\nJMenu m =new JMenu(\"M\");\n"
        << "barra.add(m);\nm.addSeparator();\nsetJMenuBar(barra);\n";
    QTest::newRow("bar exists") << d << s << false << "JMenu m =new JMenu(\"M\");\n"
                                << "barra.add(m);\nm.addSeparator();\n";
    QTest::newRow("empty lists, bar") << QStringList() << QStringList() << true
                                      << "JMenuBar barra = new JMenuBar();\n" << "setJMenuBar(barra);\n";
    QTest::newRow("empty lists") << QStringList() << QStringList() << false << "" << "";
}

void TestMenuEditor::blocks()
{
    QFETCH(QStringList, declarations);
    QFETCH(QStringList, statements);
    QFETCH(bool, withBar);
    const MenuBlocks b = menuBlocks(declarations, statements, withBar);
    QTEST(b.first, "first");
    QTEST(b.second, "second");
}

// --- The dialog ----------------------------------------------------------------

namespace {

// The dialog over an editor, with the two blocks entered one below the
// other at line `at` as the window's two-block entry does.
struct MenuBench : public MenuBarTarget
{
    MenuBench()
    {
        editor.SetText("class X{\r\nX(){\r\n}\r\n}");
        dialog.setTarget(this);
    }

    std::optional<QString> menuBarCode() const override
    {
        return hasDocument ? std::optional<QString>(editor.Text()) : std::nullopt;
    }
    void enterMenuBlocks(const QString &first, const QString &second, bool appendEmptyLine) override
    {
        editor.Lines().Insert(at, first);
        editor.Lines().Insert(at + 1, second);
        if (appendEmptyLine)
            editor.Lines().Add(QString());
        ++entered;
        ++modified;
    }

    template<typename T>
    T *child(const char *name) const
    {
        return dialog.findChild<T *>(QString::fromLatin1(name));
    }
    void choose(const char *radio) { QTest::mouseClick(child<QRadioButton>(radio), Qt::LeftButton); }
    void add(const QString &name, const QString &caption, const QString &key = {})
    {
        child<QLineEdit>("Edit1")->setText(name);
        child<QLineEdit>("Edit2")->setText(caption);
        child<QLineEdit>("Edit3")->setText(key);
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
    }
    void setMenu(const QString &menu) { child<QComboBox>("cbomenu")->setEditText(menu); }
    QString declarations() const { return child<QPlainTextEdit>("Memo1")->toPlainText(); }
    QString statements() const { return child<QPlainTextEdit>("Memo2")->toPlainText(); }
    void ok() { QTest::mouseClick(child<QPushButton>("Button3"), Qt::LeftButton); }

    TSynMemo editor;
    Tfrmmenu dialog;
    int at = 2;
    int entered = 0;
    int modified = 0;
    bool hasDocument = true;
};

} // namespace

void TestMenuEditor::typeEnablesFields_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<bool>("edits");
    QTest::addColumn<bool>("menu");
    QTest::newRow("Menu") << "rdbMenu" << true << false;
    QTest::newRow("Item") << "rdbItem" << true << true;
    QTest::newRow("SubMenu") << "rdbSubMenu" << true << true;
    QTest::newRow("Separador") << "rdbSeparador" << false << true;
}

void TestMenuEditor::typeEnablesFields()
{
    QFETCH(QString, radio);
    MenuBench bench;
    bench.dialog.show();
    QCOMPARE(bench.child<QRadioButton>(qPrintable(radio))->parentWidget()->objectName(),
             QString("RadioGroup1"));
    bench.choose(qPrintable(radio));
    for (const char *edit : {"Edit1", "Edit2", "Edit3"})
        QTEST(bench.child<QLineEdit>(edit)->isEnabled(), "edits");
    QTEST(bench.child<QComboBox>("cbomenu")->isVisible(), "menu");
    QTEST(bench.child<QLabel>("lblMenu")->isVisible(), "menu");
}

void TestMenuEditor::addKeepsMenuAndTypeAndEmptiesEdits()
{
    MenuBench bench;
    bench.dialog.show();
    QString message;
    testsupport::answerMessageBox(QMessageBox::Ok, &message);
    bench.add("x", "X");
    QCOMPARE(message, QString("Selecione uma opção"));
    QCOMPARE(bench.child<QLineEdit>("Edit1")->text(), QString("x"));

    bench.choose("rdbMenu");
    bench.add("arquivo", "Arquivo", "A");
    bench.choose("rdbItem");
    bench.setMenu("arquivo");
    bench.add("sair", "Sair");
    QCOMPARE(bench.child<QComboBox>("cbomenu")->currentText(), QString("arquivo"));
    QVERIFY(bench.child<QRadioButton>("rdbItem")->isChecked());
    for (const char *edit : {"Edit1", "Edit2", "Edit3"})
        QVERIFY(bench.child<QLineEdit>(edit)->text().isEmpty());
    QCOMPARE(bench.declarations(),
             QString("JMenu arquivo =new JMenu(\"Arquivo\");\nJMenuItem sair= new JMenuItem(\" Sair\");"));
    QCOMPARE(bench.statements(),
             QString("barra.add(arquivo);\narquivo.setMnemonic(KeyEvent.VK_A);\narquivo.add(sair);"));

    // A second menu of that name: one message, nothing added, edits emptied.
    bench.choose("rdbMenu");
    testsupport::answerMessageBox(QMessageBox::Ok, &message);
    bench.add("arquivo", "De novo");
    QCOMPARE(message, QString("Já existe um menu com esse nome"));
    QVERIFY(bench.child<QLineEdit>("Edit2")->text().isEmpty());
    QCOMPARE(bench.child<QComboBox>("cbomenu")->count(), 1);
    QVERIFY(!bench.declarations().contains("De novo"));
}

void TestMenuEditor::okWritesTheBarOncePerCode()
{
    MenuBench bench;
    auto *lblverif = bench.child<QLabel>("lblverif");
    QCOMPARE(lblverif->text(), QString("nao"));
    bench.dialog.show();
    bench.choose("rdbMenu");
    bench.add("m", "M");
    bench.ok();
    QVERIFY(!bench.dialog.isVisible());
    QCOMPARE(lblverif->text(), QString("sim"));
    QCOMPARE(bench.modified, 1);
    QCOMPARE(bench.editor.Text(), QString("class X{\r\nX(){\r\n"
                                          "JMenuBar barra = new JMenuBar();\r\nJMenu m =new JMenu(\"M\");\r\n\r\n"
                                          "barra.add(m);\r\nsetJMenuBar(barra);\r\n\r\n}\r\n}\r\n"));

    // The same code again, lists empty: two empty entries and no second bar.
    bench.dialog.show();
    QVERIFY(bench.declarations().isEmpty() && bench.statements().isEmpty());
    const int lines = bench.editor.Lines().Count();
    bench.ok();
    QCOMPARE(bench.entered, 2);
    QCOMPARE(bench.editor.Lines().Count(), lines + 2);
    QCOMPARE(bench.editor.Text().count("JMenuBar barra"), 1);

    // Other code without a bar gets one, whatever happened before.
    bench.editor.SetText("class Y{\r\nY(){\r\n}\r\n}");
    bench.dialog.show();
    bench.ok();
    QCOMPARE(bench.editor.Lines().Get(2), QString("JMenuBar barra = new JMenuBar();\r\n"));
    QCOMPARE(bench.editor.Lines().Get(3), QString("setJMenuBar(barra);\r\n"));
    QCOMPARE(bench.editor.Lines().Get(bench.editor.Lines().Count() - 1), QString());
}

void TestMenuEditor::cancelEmptiesTheListsOnly()
{
    MenuBench bench;
    bench.dialog.show();
    bench.choose("rdbSubMenu");
    bench.setMenu("m");
    bench.add("s", "S");
    bench.child<QLineEdit>("Edit1")->setText("typed");
    QTest::mouseClick(bench.child<QPushButton>("Button2"), Qt::LeftButton);
    QVERIFY(!bench.dialog.isVisible());
    QVERIFY(bench.declarations().isEmpty() && bench.statements().isEmpty());
    QCOMPARE(bench.child<QComboBox>("cbomenu")->itemText(0), QString("s"));
    QCOMPARE(bench.child<QLineEdit>("Edit1")->text(), QString("typed"));
    QCOMPARE(bench.child<QLabel>("lblverif")->text(), QString("nao"));
    QCOMPARE(bench.entered, 0);

    // Closing by the close box empties them too.
    bench.dialog.show();
    bench.add("t", "T");
    bench.dialog.close();
    QVERIFY(bench.declarations().isEmpty());
}

void TestMenuEditor::okWithoutADocument()
{
    MenuBench bench;
    bench.hasDocument = false;
    bench.dialog.show();
    bench.choose("rdbMenu");
    bench.add("m", "M");
    QString message;
    testsupport::answerMessageBox(QMessageBox::Ok, &message);
    bench.ok();
    QCOMPARE(message, QString("Abra ou crie um documento para receber o menu!"));
    QVERIFY(bench.dialog.isVisible());
    QVERIFY(!bench.declarations().isEmpty());
    QCOMPARE(bench.entered, 0);
    bench.dialog.reject();
}

QTEST_MAIN(TestMenuEditor)
#include "tst_menu_editor.moc"

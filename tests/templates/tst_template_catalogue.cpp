#include "template_test_support.h"

#include "common/object_names.h"

#include <QSet>
#include <QTest>

// The catalogue as data: it parses, holds every command once, in the toolbar
// order, with the Java names spelled so that the code compiles.
class TestTemplateCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void countsTheCommands();
    void toolbarRowsInOrder();
    void menuEntriesAreUniqueUnderKnownMenus();
    void correctedTexts_data();
    void correctedTexts();
    void noMisspeltJavaNameIsLeft();
    void reportsFaultsWithTheirLine_data();
    void reportsFaultsWithTheirLine();
};

void TestTemplateCatalogue::countsTheCommands()
{
    const TemplateCatalogue &catalogue = TemplateCatalogue::standard();
    int buttons = 0;
    int entries = 0;
    int noAction = 0;
    QStringList others;
    for (const TemplateCommand &command : catalogue.commands()) {
        if (!command.isTemplate())
            others.append(command.caption());
        else if (command.isButton())
            ++buttons;
        else
            ++entries;
        if (command.kind == CommandKind::NoAction)
            ++noAction;
    }
    QCOMPARE(buttons, 57);
    QCOMPARE(entries, 174);
    QCOMPARE(noAction, 5);
    QCOMPARE(others, (QStringList{"Criar Menu", QString::fromUtf8("Editor para Código HTML")}));
}

void TestTemplateCatalogue::toolbarRowsInOrder()
{
    const TemplateCatalogue &catalogue = TemplateCatalogue::standard();
    auto names = [&](const QString &row, int line) {
        QStringList found;
        for (const TemplateCommand *command : catalogue.buttons(row)) {
            if (command->rowLine == line)
                found.append(command->buttonName.mid(4)); // without "spdb"
        }
        return found;
    };
    QCOMPARE(names("grpestruturas", 0).join(' '),
             QStringLiteral("ifelse for switchcase while main classtext classaut formaut classapplet init "
                            "paint formapplet systemout"));
    QCOMPARE(names("grpaplicacaografica", 0).join(' '),
             QStringLiteral("botao instanciabotao cxchecagem instanciacxchecagem grupobotaoradio "
                            "instanciagrupobotaoradio radiobuton instanciaradiobuton cxcombinacao "
                            "instanciacxcombinacao adicionaitemcxcombinacao cxlista instanciacxlista "
                            "adicionaitemcxlista cxtexto instanciacxtexto imagem instanciaimagem "
                            "adicionaimagemform rotulo instanciarotulo"));
    QCOMPARE(names("grpmetodos", 0).size() + names("grpmetodos", 1).size(), 23);
    QCOMPARE((names("grpmetodos", 0) + names("grpmetodos", 1)).join(' '),
             QStringLiteral("setlayout settittle settext getcurrent getlabel getstate getitem gettext "
                            "setenabled setfont getitemcount setbackground setforeground setresizable "
                            "getselecteditem getselectedindex add select remove reshape show font color"));
    for (const TemplateCommand &command : catalogue.commands()) {
        if (command.isButton())
            QVERIFY2(!command.glyph.isEmpty() && command.glyph.size() <= 4, qPrintable(command.buttonName));
    }
}

void TestTemplateCatalogue::menuEntriesAreUniqueUnderKnownMenus()
{
    const QStringList topMenus{"&Java", "&JSP", "HTML", "A&pplet", "&Banco de Dados", "&Pacotes"};
    QSet<QString> paths;
    QSet<QString> buttons;
    for (const TemplateCommand &command : TemplateCatalogue::standard().commands()) {
        if (command.isButton()) {
            QVERIFY2(!buttons.contains(command.buttonName), qPrintable(command.buttonName));
            buttons.insert(command.buttonName);
            continue;
        }
        const QString path = command.menuPath.join(menuPathSeparator());
        QVERIFY2(topMenus.contains(command.menuPath.first()), qPrintable(path));
        QVERIFY2(!paths.contains(path), qPrintable(path));
        QVERIFY2(!menuObjectStem(command.caption()).isEmpty(), qPrintable(path));
        paths.insert(path);
    }
    for (const QStringList &submenu : TemplateCatalogue::standard().submenus())
        QVERIFY(topMenus.contains(submenu.first()));
}

void TestTemplateCatalogue::correctedTexts_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("applet package") << u8"&Pacotes › APPLET" << "import java.applet.*;";
    QTest::newRow("group instance") << "spdbinstanciagrupobotaoradio" << "checkboxgroup1 = new CheckboxGroup();";
    QTest::newRow("checkbox declaration") << "spdbcxchecagem" << "Checkbox checkbox1;";
    QTest::newRow("radio declaration") << "spdbradiobuton" << "Checkbox radiobutton1;";
    QTest::newRow("label instance") << "spdbinstanciarotulo" << "label1 = new Label( );";
    QTest::newRow("setTittle button") << "spdbsettittle" << "setTitle();";
    QTest::newRow("setText button") << "spdbsettext" << "setText();";
    QTest::newRow("AWT window label entry")
        << u8"&Java › Estruturas Aplic. Autonoma (Gráfica) › Adicionar Rótulo ao Formulário" << "setTitle();";
    QTest::newRow("applet label entry")
        << u8"&Java › Estruturas Aplic. Applet › Adicionar Rótulo ao Formulário" << "setTitle();";
    QTest::newRow("result set first") << u8"&Banco de Dados › Controle › Posição do ResultSet › Primeira"
                                      << "isFirst();";
    QTest::newRow("driver manager")
        << u8"&Banco de Dados › Controle › Abre Base"
        << "Connection con = DriverManager.getConnection(\"jdbc:odbc:Bancodedados\",\"\",\"\");";
    QTest::newRow("driver name") << u8"&Banco de Dados › Controle › Instância Driver padrão"
                                 << "Class.forName(\"sun.jdbc.odbc.JdbcOdbcDriver\");";
}

void TestTemplateCatalogue::correctedTexts()
{
    QFETCH(QString, place);
    QFETCH(QString, firstLine);
    EngineBench bench;
    bench.state.counters.values.fill(1);
    // The radio button needs an instantiated group.
    if (place == QLatin1String("spdbradiobuton"))
        bench.state.counters[Counter::Group] = 2;
    bench.run(place);
    QVERIFY(bench.editor.lineCount() > 0);
    QCOMPARE(bench.editor.lines().first(), firstLine);
}

void TestTemplateCatalogue::noMisspeltJavaNameIsLeft()
{
    const QStringList misspelt{"java.Applet", "CheckBoxGroup", "SetTitle", "SetText", "isFisrt",
                               "DriveManager", "''", "chekbox", "groupradiobox", "radiobuttom", "rotulo1"};
    for (const TemplateCommand &command : TemplateCatalogue::standard().commands()) {
        QStringList texts{command.importLine};
        for (const std::optional<Script> &script :
             {std::optional<Script>(command.script), command.emptyScript, command.firstLineScript,
              command.noScript}) {
            for (const ScriptStep &step : script.value_or(Script()))
                texts.append(composeText(step, QString()));
        }
        for (const QString &text : texts) {
            for (const QString &wrong : misspelt)
                QVERIFY2(!text.contains(wrong), qPrintable(text));
        }
    }
}

void TestTemplateCatalogue::reportsFaultsWithTheirLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");

    QTest::newRow("unknown key") << u8"menu: HTML › <b>\nscript: «b»\ncolour: red\n" << "line 3";
    QTest::newRow("bad script") << u8"# c\n\nmenu: HTML › <b>\nscript: «b» · x\n" << "line 4";
    QTest::newRow("button without hint") << u8"button: spdbx grpmetodos 0 x\nscript: «x»\n" << "line 1";
    QTest::newRow("two actions") << u8"menu: HTML › <b>\nscript: «b»\naction: none\n" << "line 1";
    QTest::newRow("unknown counter") << u8"menu: A › b\nscript: «b»\nafter: gadget := 1\n" << "line 3";
    QTest::newRow("empty answer without prompt") << u8"menu: A › b\nscript: «b»\nempty: nothing\n" << "line 3";
    QTest::newRow("confirm without second text")
        << u8"menu: A › b\nscript: «b»\nconfirm: Sure?\n" << "line 3";
    QTest::newRow("menu path without entry") << u8"\nmenu: HTML\nscript: «b»\n" << "line 2";
    QTest::newRow("key given twice") << u8"menu: A › b\nscript: «b»\nscript: «c»\n" << "line 3";
}

void TestTemplateCatalogue::reportsFaultsWithTheirLine()
{
    QFETCH(QString, text);
    QFETCH(QString, line);
    QString error;
    QVERIFY(!TemplateCatalogue::parse(text, &error));
    QVERIFY2(error.startsWith(line + ':'), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestTemplateCatalogue)
#include "tst_template_catalogue.moc"

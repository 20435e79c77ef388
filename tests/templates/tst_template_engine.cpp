#include "template_test_support.h"

#include <QTest>

// Template commands of the catalogue run by the engine: prompts, guards and
// their counters, the confirmed command, imports, first-line variants and the
// two-block entry.
class TestTemplateEngine : public QObject
{
    Q_OBJECT

private slots:
    void promptOutcomes_data();
    void promptOutcomes();
    void answerIsUsedUntrimmed();
    void structureBlocksLandWhereTheCaretWas_data();
    void structureBlocksLandWhereTheCaretWas();

    void guardFamilies_data();
    void guardFamilies();
    void refusalChangesNothing();
    void countersSurviveADifferentDocument();

    void removeAsksAndPicksOneText_data();
    void removeAsksAndPicksOneText();

    void importsPutTheLineOnTop_data();
    void importsPutTheLineOnTop();

    void firstLineVariants_data();
    void firstLineVariants();

    void noActionEntriesChangeNothing();
    void twoBlockEntry();
};

using Step = QPair<QString, QString>; // place, answer

static const QString six = QString(6, u' ');

void TestTemplateEngine::promptOutcomes_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("answer"); // "<cancel>" cancels the box
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QStringList>("inserted"); // lines put in front of "end"
    QTest::addColumn<bool>("changed");

    const QString condition = QStringLiteral("Digite a condição da rotina.");
    const QStringList ifTail{six + "{", six + "}", "else", six + "{", six + "}"};
    const QStringList loopTail{six + "{", six + "}"};

    QTest::newRow("if with an answer") << "spdbifelse" << "a > b" << "IF...ELSE|" + condition
                                       << (QStringList{"if (a > b )"} + ifTail) << true;
    QTest::newRow("if empty: same script") << "spdbifelse" << "" << "IF...ELSE|" + condition
                                           << (QStringList{"if ( )"} + ifTail) << true;
    QTest::newRow("if cancelled: same script") << "spdbifelse" << "<cancel>" << "IF...ELSE|" + condition
                                               << (QStringList{"if ( )"} + ifTail) << true;
    QTest::newRow("for with an answer") << "spdbfor" << "i=0;i<9;i++" << "FOR|" + condition
                                        << (QStringList{"for (i=0;i<9;i++)"} + loopTail) << true;
    QTest::newRow("for empty: other script") << "spdbfor" << "" << "FOR|" + condition
                                             << (QStringList{"for ( ; ; )"} + loopTail) << true;
    QTest::newRow("for cancelled: other script") << "spdbfor" << "<cancel>" << "FOR|" + condition
                                                 << (QStringList{"for ( ; ; )"} + loopTail) << true;
    QTest::newRow("while button empty: two blanks") << "spdbwhile" << "" << "WHILE|" + condition
                                                    << (QStringList{"while (  )"} + loopTail) << true;
    QTest::newRow("switch with an answer")
        << "spdbswitchcase" << "x" << "SWITCH...CASE|" + condition
        << QStringList{"switch (x)", six + "{", six + "case :", QString(14, u' ') + "break;",
                       six + "default:", QString(14, u' ') + "break;", six + "}"}
        << true;
    QTest::newRow("switch empty: nothing") << "spdbswitchcase" << "" << "SWITCH...CASE|" + condition
                                           << QStringList() << false;
    QTest::newRow("switch cancelled: nothing") << "spdbswitchcase" << "<cancel>"
                                               << "SWITCH...CASE|" + condition << QStringList() << false;
    QTest::newRow("class text empty: nothing")
        << u8"&Java › Estruturas Aplic. Autonoma (TEXTO) › Declaração de classe" << ""
        << "CLASS TEXT|Digite o nome da CLASSE." << QStringList() << false;
    QTest::newRow("applet class") << "spdbclassapplet" << "Ola" << "CLASS APPLET|Digite o nome da CLASSE."
                                  << (QStringList{"public class Ola extends Applet"} + loopTail) << true;
    QTest::newRow("form layout") << "spdbformaut" << "new GridLayout(2,2)"
                                 << QString::fromUtf8("FORM AUT|Digite o nome do tipo do FORMULÁRIO.")
                                 << QStringList{"setLayout(new GridLayout(2,2));"} << true;
    QTest::newRow("form layout empty: nothing") << "spdbformaut" << ""
                                                << QString::fromUtf8("FORM AUT|Digite o nome do tipo do FORMULÁRIO.")
                                                << QStringList() << false;
}

void TestTemplateEngine::promptOutcomes()
{
    QFETCH(QString, place);
    QFETCH(QString, answer);
    QFETCH(QString, asked);
    QFETCH(QStringList, inserted);
    QFETCH(bool, changed);

    // The caret on line 2 of three: (+1) scripts go below "start", the others above "end".
    EngineBench bench({"start", "end", "tail"}, 2, 1);
    if (answer != QLatin1String("<cancel>"))
        bench.dialogs.answers.append(answer);
    const CommandResult result = bench.run(place);

    QCOMPARE(bench.dialogs.asked, QStringList{asked});
    QCOMPARE(result, changed ? CommandResult::Inserted : CommandResult::Unchanged);
    QStringList lines = bench.editor.lines();
    const bool below = !catalogueCommand(place).script.isEmpty()
                       && catalogueCommand(place).script.first().kind
                              == ScriptStep::Kind::AdvanceUnlessFirstLine;
    lines.removeOne(QStringLiteral("start"));
    lines.removeOne(QStringLiteral("tail"));
    QCOMPARE(lines, below ? QStringList{"end"} + inserted : inserted + QStringList{"end"});
    if (!changed)
        QCOMPARE(bench.insertionLine, 1);
}

void TestTemplateEngine::answerIsUsedUntrimmed()
{
    EngineBench bench({"}"}, 1, 0);
    bench.dialogs.answers = {QStringLiteral("  Janela ")};
    bench.run(QStringLiteral("spdbclassaut"));
    QCOMPARE(bench.editor.lines().first(), QStringLiteral("public class   Janela  extends Frame"));
}

void TestTemplateEngine::structureBlocksLandWhereTheCaretWas_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("caretY");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("insertionLineAfter");

    QTest::newRow("if at line 3 ends on the last brace")
        << "spdbifelse" << "c" << 3 << 4
        << QStringList{"line 1", "line 2", "if (c )", six + "{", six + "}", "else", six + "{", six + "}",
                       "line 3", "line 4"}
        << 7;
    QTest::newRow("for empty at line 3 starts below it")
        << "spdbfor" << "" << 3 << 4
        << QStringList{"line 1", "line 2", "line 3", "for ( ; ; )", six + "{", six + "}", "line 4"} << 5;
    QTest::newRow("for at line 1 starts at line 1")
        << "spdbfor" << "" << 1 << 2 << QStringList{"for ( ; ; )", six + "{", six + "}", "line 1", "line 2"}
        << 2;
    QTest::newRow("main menu entry wraps the following line")
        << u8"&Java › Estruturas básicas › Método MAIN" << "" << 2 << 3
        << QStringList{"line 1", "line 2", QString(8, u' ') + "public static void main(String args[]){",
                       "line 3", QString(8, u' ') + "}"}
        << 4;
    QTest::newRow("while menu entry wraps the following line")
        << u8"&Java › Estruturas básicas › Estrutura WHILE" << "ok" << 1 << 2
        << QStringList{"while (ok)", six + "{", "line 1", six + "}", "line 2"} << 3;
    QTest::newRow("main button has a blank body line")
        << "spdbmain" << "" << 1 << 1
        << QStringList{QString(8, u' ') + "public static void main(String args[]){", " ",
                       QString(8, u' ') + "}", "line 1"}
        << 2;
    QTest::newRow("abre base ends on the statement line")
        << u8"&Banco de Dados › Controle › Abre Base" << "" << 5 << 6
        << QStringList{"line 1", "line 2", "line 3", "line 4",
                       "Connection con = DriverManager.getConnection(\"jdbc:odbc:Bancodedados\",\"\",\"\");",
                       "Statement <variavel/objeto> = con.createStatement();", "line 5", "line 6"}
        << 5;
    QTest::newRow("for menu entry on the last line appends below it")
        << u8"&Java › Estruturas básicas › Estrutura FOR" << "" << 6 << 6
        << QStringList{"line 1", "line 2", "line 3", "line 4", "line 5", "line 6", "for ( ; ; )",
                       six + "{", six + "}"}
        << 8;
    QTest::newRow("basic thread class on line 6")
        << u8"A&pplet › \"Thread's\" › Classe Básica" << "" << 6 << 7
        << QStringList{"line 1", "line 2", "line 3", "line 4", "line 5", "line 6",
                       "public class Sem_Title extends implements Runnable{", "}", "line 7"}
        << 7;
    QTest::newRow("basic thread class on line 1")
        << u8"A&pplet › \"Thread's\" › Classe Básica" << "" << 1 << 1
        << QStringList{"public class Sem_Title extends implements Runnable{", "}", "line 1"} << 1;
}

void TestTemplateEngine::structureBlocksLandWhereTheCaretWas()
{
    QFETCH(QString, place);
    QFETCH(QString, answer);
    QFETCH(int, caretY);
    QFETCH(int, lineCount);
    QFETCH(QStringList, expected);
    QFETCH(int, insertionLineAfter);

    EngineBench bench(numberedLines(lineCount), caretY, caretY - 1);
    bench.dialogs.answers.append(answer);
    QCOMPARE(bench.run(place), CommandResult::Inserted);
    QCOMPARE(bench.editor.lines(), expected);
    QCOMPARE(bench.insertionLine, insertionLineAfter);
}

// Each row runs a sequence of commands on an empty document and lists, per
// command, what it inserted ("" when refused) and the message shown.
void TestTemplateEngine::guardFamilies_data()
{
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("inserted");
    QTest::addColumn<QStringList>("messages");

    const QString objetos = u8"&Java › Estruturas Gráficas › Objetos › ";
    const QString instancias = u8"&Java › Estruturas Gráficas › Instâncias › ";
    const QString metodos = u8"&Java › Estruturas Gráficas › Métodos › ";

    QTest::newRow("button: declare, instantiate, then refuse again")
        << QStringList{"spdbinstanciabotao", "spdbbotao", "spdbinstanciabotao", "spdbinstanciabotao"}
        << QStringList{"", "Button button1;", "button1 = new Button( );", ""}
        << QStringList{"Declare primeiramente um Botão.", "", "", "Declare primeiramente um Botão."};
    QTest::newRow("menu twin shares the button's counter")
        << QStringList{objetos + u8"Botão", instancias + u8"Instância de Botão", "spdbinstanciabotao"}
        << QStringList{"Button button1;", "button1 = new Button( );", ""}
        << QStringList{"", "", "Declare primeiramente um Botão."};
    QTest::newRow("radio group: group, instance, radios")
        << QStringList{"spdbradiobuton", "spdbgrupobotaoradio", "spdbinstanciagrupobotaoradio",
                       "spdbradiobuton", "spdbinstanciaradiobuton", "spdbinstanciagrupobotaoradio",
                       "spdbradiobuton", "spdbinstanciaradiobuton", "spdbinstanciaradiobuton"}
        << QStringList{"", "CheckboxGroup checkboxgroup1;", "checkboxgroup1 = new CheckboxGroup();",
                       "Checkbox radiobutton1;", "radiobutton1 = new Checkbox( , ,false);", "",
                       "Checkbox radiobutton1;", "radiobutton1 = new Checkbox( , ,false);", ""}
        << QStringList{"Instancie primeiramente o Grupo de Botão de Rádio.", "", "", "", "",
                       "Declare primeiramente o Grupo de Botão de Rádio.", "", "",
                       "Declare primeiramente o Botão de Rádio."};
    QTest::newRow("choice: items any number of times, redeclaring resets")
        << QStringList{"spdbadicionaitemcxcombinacao", "spdbcxcombinacao", "spdbadicionaitemcxcombinacao",
                       "spdbinstanciacxcombinacao", "spdbadicionaitemcxcombinacao",
                       metodos + u8"Adicionar itens à Caixa de Combinação", "spdbinstanciacxcombinacao",
                       "spdbcxcombinacao", "spdbadicionaitemcxcombinacao"}
        << QStringList{"", "Choice choice1;", "", "choice1 = new Choice();", "choice1.addItem( );",
                       "choice1.addItem( );", "", "Choice choice1;", ""}
        << QStringList{"Instancie primeiramente a Caixa de Combo.", "",
                       "Instancie primeiramente a Caixa de Combo.", "", "", "",
                       "Declare primeiramente a Caixa de Combo.", "",
                       "Instancie primeiramente a Caixa de Combo."};
    QTest::newRow("image: added once per instance")
        << QStringList{"spdbinstanciaimagem", "spdbimagem", "spdbinstanciaimagem", "spdbadicionaimagemform",
                       "spdbadicionaimagemform"}
        << QStringList{"", "Image image1 = null;", "image1 = getImage(getDocumentBase(), );",
                       "x.drawImage(image1,0,0,this);", ""}
        << QStringList{"Declare primeiramente uma Imagem.", "", "", "",
                       "Instancie primeiramente uma Imagem."};
    QTest::newRow("checkbox, list, text field, label, panel")
        << QStringList{"spdbcxchecagem", "spdbinstanciacxchecagem", "spdbcxlista", "spdbadicionaitemcxlista",
                       "spdbinstanciacxlista", "spdbadicionaitemcxlista", "spdbinstanciacxtexto",
                       "spdbcxtexto", "spdbinstanciacxtexto", "spdbrotulo", "spdbinstanciarotulo",
                       instancias + u8"Instância de Painel", objetos + "Painel",
                       instancias + u8"Instância de Painel"}
        << QStringList{"Checkbox checkbox1;", "checkbox1 = new Checkbox( , ,false);", "List list1;", "",
                       "list1 = new List ( ,false);", "list1.addItem( );", "", "TextField textfield1;",
                       "textfield1 = new TextField([ , ] );", "Label label1;", "label1 = new Label( );", "",
                       "Panel panel1;", "panel1 = new Panel();"}
        << QStringList{"", "", "", "Instancie primeiramente a Caixa de Lista.", "", "",
                       "Declare primeiramente a Caixa de Texto.", "", "", "", "",
                       "Declare primeiramente um Painel.", "", ""};
    // The order the messages teach: bar declared, bar instantiated, primary
    // item declared, primary item instantiated, then sub-items and separators.
    const QString barra = u8"Barra de Menu › ";
    QTest::newRow("AWT menu bar chain")
        << QStringList{objetos + barra + u8"Declaração de Item Primário",
                       objetos + barra + u8"Declaração de Sub-Item",
                       objetos + barra + u8"Declaração de Barra de Menu",
                       instancias + barra + u8"Instância de Item Primário",
                       metodos + barra + u8"Adicionar Separador",
                       objetos + barra + u8"Declaração de Item Primário",
                       instancias + barra + u8"Instância da Barra de Menu",
                       objetos + barra + u8"Declaração de Item Primário",
                       objetos + barra + u8"Declaração de Sub-Item",
                       metodos + barra + u8"Adicionar Sub-item",
                       instancias + barra + u8"Instância de Item Primário",
                       metodos + barra + u8"Adicionar Sub-item",
                       metodos + barra + u8"Adicionar Separador",
                       metodos + barra + u8"Adicionar Separador"}
        << QStringList{"", "", "MenuBar menubar1;", "", "", "", "setMenuBar(menubar1);", "Menu menu1;",
                       "MenuItem menuitem1;", "", "menu1 = new Menu();", "menu1.add(new MenuItem());",
                       "menu1.addSeparator();", "menu1.addSeparator();"}
        << QStringList{"Instancie primeiramente a Barra de Menu.", "Adicione primeiramente um Sub-Item.", "",
                       "Declare primeiramente o Item Primário.",
                       "Adicione pelo menos um Item Primário na Barra de Menu.",
                       "Instancie primeiramente a Barra de Menu.", "", "", "",
                       "Adicione primeiramente a Barra de Menu um Item Primário.", "", "", "", ""};
}

void TestTemplateEngine::guardFamilies()
{
    QFETCH(QStringList, places);
    QFETCH(QStringList, inserted);
    QFETCH(QStringList, messages);

    // The caret on line 1: every line goes to the top, so the first line is the newest.
    EngineBench bench({"end"}, 1, 0);
    for (int i = 0; i < places.size(); ++i) {
        const int before = bench.editor.lineCount();
        bench.dialogs.informed.clear();
        const CommandResult result = bench.run(places.at(i));
        const QString context = QStringLiteral("step %1: %2").arg(i + 1).arg(places.at(i));
        if (inserted.at(i).isEmpty()) {
            QVERIFY2(result == CommandResult::Refused, qPrintable(context));
            QVERIFY2(bench.editor.lineCount() == before, qPrintable(context));
            QCOMPARE(bench.dialogs.informed, QStringList{messages.at(i)});
        } else {
            QVERIFY2(result == CommandResult::Inserted, qPrintable(context));
            QCOMPARE(bench.editor.lines().first(), inserted.at(i));
            QVERIFY2(bench.dialogs.informed.isEmpty(), qPrintable(context));
        }
    }
}

void TestTemplateEngine::refusalChangesNothing()
{
    EngineBench bench(numberedLines(3), 2, 1);
    bench.state.counters[Counter::Group] = 3;
    bench.run(QStringLiteral("spdbinstanciagrupobotaoradio"));
    QCOMPARE(bench.editor.lines(), numberedLines(3));
    QCOMPARE(bench.insertionLine, 1);
    QCOMPARE(bench.state.counters[Counter::Group], 3);
    QCOMPARE(bench.state.counters.values, (DeclarationCounters{{0, 0, 0, 3}}.values));
}

void TestTemplateEngine::countersSurviveADifferentDocument()
{
    TemplateState state;
    ScriptedDialogs dialogs;
    LineListEditor first;
    LineListEditor second;
    int line = 0;
    TemplateEngine(first, line, state, dialogs).run(catalogueCommand(QStringLiteral("spdbbotao")));
    QCOMPARE(TemplateEngine(second, line, state, dialogs)
                 .run(catalogueCommand(QStringLiteral("spdbinstanciabotao"))),
             CommandResult::Inserted);
    QCOMPARE(second.lines(), QStringList{"button1 = new Button( );"});
}

void TestTemplateEngine::removeAsksAndPicksOneText_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("text");
    QTest::newRow("yes") << true << "removeAll();";
    QTest::newRow("no or closed") << false << "remove();";
}

void TestTemplateEngine::removeAsksAndPicksOneText()
{
    QFETCH(bool, yes);
    QFETCH(QString, text);
    EngineBench bench({"x"}, 1, 0);
    bench.dialogs.yesAnswers = {yes};
    bench.run(QStringLiteral("spdbremove"));
    QCOMPARE(bench.dialogs.confirmed,
             QStringList{"Deseja remover todos os itens ou apenas um por vez ?"});
    QCOMPARE(bench.editor.lines(), (QStringList{text, "x"}));
}

void TestTemplateEngine::importsPutTheLineOnTop_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("leading blank lines and indentation go")
        << u8"&Pacotes › AWT" << QStringList{"", "", "   public class A {", "   }", "", "  "}
        << QStringList{"import java.awt.*;", "public class A {", "   }"};
    QTest::newRow("empty editor: the line and one empty line")
        << u8"&Pacotes › IO" << QStringList() << QStringList{"import java.io.*;", ""};
    QTest::newRow("tabs and control characters count as blanks")
        << u8"&Pacotes › APPLET" << QStringList{"\t\x01x", "y\t"}
        << QStringList{"import java.applet.*;", "x", "y"};
    QTest::newRow("imports stack, newest on top")
        << u8"&Pacotes › JDBC" << QStringList{"import javax.swing.*;", "class B {}"}
        << QStringList{"import java.sql.*;", "import javax.swing.*;", "class B {}"};
}

void TestTemplateEngine::importsPutTheLineOnTop()
{
    QFETCH(QString, place);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    EngineBench bench(before, 2, 7);
    QCOMPARE(bench.run(place), CommandResult::Inserted);
    QCOMPARE(bench.editor.lines(), after);
    QCOMPARE(bench.insertionLine, 7);
    QCOMPARE(bench.state.savedText, before.join(QStringLiteral("\r\n")));
}

void TestTemplateEngine::firstLineVariants_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("onFirstLine");
    QTest::addColumn<QStringList>("elsewhere"); // caret on line 2, inserted above "b"

    const QString swing = u8"&Java › &Swing › ";
    QTest::newRow("getContentPane")
        << swing + u8"Métodos › getContentPane()" << ""
        << QStringList{"Container tela = getContentPane();;", "a", "b"}
        << QStringList{"a", "Container tela = getContentPane();", "b"};
    QTest::newRow("FlowLayout")
        << swing + u8"Métodos › FlowLayout()" << ""
        << QStringList{"FlowLayout layout = new FlowLayout();", "a", "b"}
        << QStringList{"a", "FlowLayout layout = new FlowLayout();;", "b"};
    QTest::newRow("getPassword")
        << swing + u8"Métodos › getPassword" << ""
        << QStringList{"String senha = new String(<obj>.getPassword());", "a", "b"}
        << QStringList{"a", "String senha = new String(<obj>.getPassword() );", "b"};
    QTest::newRow("JApplet")
        << swing + u8"Classes › JApplet" << ""
        << QStringList{"public class <sem-nome> extends Applet", six + "{", "a", six + "}", "b"}
        << QStringList{"a", "public class <sem-nome> extends JApplet", six + "{", six + "}", "b"};
    QTest::newRow("AWT window class menu entry")
        << u8"&Java › Estruturas Aplic. Autonoma (Gráfica) › Declaração de Classe" << "J"
        << QStringList{"public class J extends Frame", six + "{", "a", six + "}", "b"}
        << QStringList{"a", "public class J extends Frame", six + "{", six + "}", "b"};
    QTest::newRow("menu bar instance")
        << u8"&Java › Estruturas Gráficas › Instâncias › Barra de Menu › Instância da Barra de Menu" << ""
        << QStringList{"setMenuBar(menubar1);", "menubar1 = new MenuBar();", "a", "b"}
        << QStringList{"a", "menubar1 = new MenuBar();", "setMenuBar(menubar1);", "b"};
}

void TestTemplateEngine::firstLineVariants()
{
    QFETCH(QString, place);
    QFETCH(QString, answer);
    QFETCH(QStringList, onFirstLine);
    QFETCH(QStringList, elsewhere);

    for (const int caretY : {1, 2}) {
        EngineBench bench({"a", "b"}, caretY, caretY - 1);
        bench.state.counters[Counter::MenuBar] = 1;
        bench.dialogs.answers = {answer};
        QCOMPARE(bench.run(place), CommandResult::Inserted);
        QCOMPARE(bench.editor.lines(), caretY == 1 ? onFirstLine : elsewhere);
    }
}

void TestTemplateEngine::noActionEntriesChangeNothing()
{
    for (const char *entry : {"Dispara a Thread", "Pausa a Thread", "Reinicia a Thread", "Para a Thread",
                                 "Executa a Thread"}) {
        EngineBench bench(numberedLines(3), 2, 1);
        QCOMPARE(bench.run(QString::fromUtf8(u8"A&pplet › \"Thread's\" › ") + QString::fromUtf8(entry)), CommandResult::Unchanged);
        QCOMPARE(bench.editor.lines(), numberedLines(3));
        QCOMPARE(bench.insertionLine, 1);
        QVERIFY(bench.dialogs.asked.isEmpty() && bench.dialogs.informed.isEmpty());
    }
}

void TestTemplateEngine::twoBlockEntry()
{
    // The caret on line 7 with the insertion line at 6: the first block goes
    // to index 6, the second to 7 (the caret line, without the minus one).
    EngineBench bench(numberedLines(9), 7, 6);
    bench.engine.enterFirstBlock(QStringLiteral("JMenu a =new JMenu(\"A\");\n"));
    QCOMPARE(bench.insertionLine, 7);
    bench.engine.enterSecondBlock(QStringLiteral("barra.add(a);\n"));
    QCOMPARE(bench.insertionLine, 7);
    QStringList expected = numberedLines(9);
    expected.insert(6, QStringLiteral("JMenu a =new JMenu(\"A\");\n"));
    expected.insert(7, QStringLiteral("barra.add(a);\n"));
    QCOMPARE(bench.editor.lines(), expected);

    // Recorded in a longer document: both blocks still go in, at the end.
    EngineBench shorter(numberedLines(2), 2, 8);
    shorter.engine.enterFirstBlock(QStringLiteral("first"));
    shorter.engine.enterSecondBlock(QStringLiteral("second"));
    QCOMPARE(shorter.editor.lines(), (numberedLines(2) + QStringList{"second", "first"}));
}

QTEST_GUILESS_MAIN(TestTemplateEngine)
#include "tst_template_engine.moc"

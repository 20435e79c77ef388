#include "app/document_page.h"
#include "app/main_window.h"
#include "dialog_answerer.h"

#include "app/template_bridge.h"
#include "common/toolbar_row.h"
#include "editor/syn_memo.h"
#include "templates/template_catalogue.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTest>
#include <QTextBlock>

using testsupport::answerInputDialog;
using testsupport::answerMessageBox;

namespace {

const QString skeleton = QStringLiteral("class A {\r\n    void f() {\r\n    }\r\n}");

// A shown window with one new AWT document (all three template rows enabled)
// whose text is `skeleton`, saved-looking (no modified mark).
struct WindowBench
{
    WindowBench()
    {
        QApplication::setApplicationName(QStringLiteral("Korvine 4.0"));
        window.show();
        window.btncriarClick(2);
        editor = window.currentEditor();
        reset(1);
    }

    void reset(int insertionLine)
    {
        editor->SetText(skeleton);
        window.ClearModified();
        window.updateSaveCommands();
        window.setInsertionLine(insertionLine);
    }

    QStringList lines() const
    {
        QStringList found;
        for (int i = 0; i < editor->Lines().Count(); ++i)
            found.append(editor->Lines().Get(i));
        return found;
    }

    QAction *entry(const QString &name) const { return window.menuItem(name); }
    TemplateBridge &templates() { return window.templates(); }

    Tfrmprincipal window;
    TSynMemo *editor = nullptr;
};

QStringList skeletonLines()
{
    return skeleton.split(QStringLiteral("\r\n"));
}

} // namespace

// The template catalogue inside the main window: menus and rows built from
// it, the real dialogs, the modified mark, and a walk over every command.
class TestTemplatesInWindow : public QObject
{
    Q_OBJECT

private slots:
    void javaMenuHoldsTheSubmenusBeforeCompile();
    void rowsHoldTheButtonsWithTheirHints();
    void everyEntryIsFoundByItsObjectName();
    void walkEveryCommand();

    void promptsThroughTheInputBox_data();
    void promptsThroughTheInputBox();
    void refusalShowsAnInformationBox();
    void removeAsksYesOrNo_data();
    void removeAsksYesOrNo();
    void templateGoesAboveTheClickedLine();
    void insertionLeavesCaretSelectionAndFocus();
    void insertionMarksTheDocumentModified();
    void withoutADocumentNothingHappens();
    void twoBlockEntryThroughTheHiddenButtons();
    void criarMenuCallsTheHook();
};

void TestTemplatesInWindow::javaMenuHoldsTheSubmenusBeforeCompile()
{
    Tfrmprincipal w;
    QStringList titles;
    for (QAction *action : w.menu(QStringLiteral("Java1"))->actions())
        titles.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(titles, (QStringList{QString::fromUtf8("Estruturas básicas"), QString::fromUtf8("Estruturas Gráficas"),
                                  QString::fromUtf8("Estruturas Aplic. Autonoma (Gráfica)"),
                                  "Estruturas Aplic. Autonoma (TEXTO)", "Estruturas Aplic. Applet", "&Swing", "-",
                                  QString::fromUtf8("Compilar o código"), QString::fromUtf8("Executar o código"),
                                  "Executar no Tavessa", "Depurar", QString::fromUtf8("Executar até aqui"), "Testar", "Experimentar", "-", "Verificar enquanto digito"}));
    for (const char *name : {"Estruturasbasicas1", "EstruturasGraficas1", "EstruturasAplicAutonomaGrafica1",
                             "EstruturasAplicAutonomaTEXTO1", "EstruturasAplicApplet1", "Swing1", "Threads1",
                             "Metodos1", "Metodos2", "BarradeMenu3"})
        QVERIFY2(w.menu(QString::fromLatin1(name)), name);
    QCOMPARE(w.menu(QStringLiteral("Threads1"))->title(), QStringLiteral("\"Thread's\""));

    // The state of a new document reaches the submenus.
    w.btncriarClick(1);
    QVERIFY(w.menu(QStringLiteral("Estruturasbasicas1"))->isEnabled());
    QVERIFY(!w.menu(QStringLiteral("EstruturasGraficas1"))->isEnabled());
    QVERIFY(w.menu(QStringLiteral("EstruturasAplicAutonomaTEXTO1"))->isEnabled());

    const QList<QAction *> applet = w.menu(QStringLiteral("Applet1"))->actions();
    QCOMPARE(applet.first()->text(), QStringLiteral("Captura parametros"));
    QCOMPARE(applet.last()->text(), QString::fromUtf8("Editor para Código HTML"));
    QVERIFY(!applet.last()->isEnabled());
    QCOMPARE(w.menu(QStringLiteral("HTML1"))->actions().size(), 21);
    QCOMPARE(w.menu(QStringLiteral("Pacotes1"))->actions().size(), 7);
}

void TestTemplatesInWindow::rowsHoldTheButtonsWithTheirHints()
{
    Tfrmprincipal w;
    const TemplateCatalogue &catalogue = w.templates().catalogue();
    for (const auto &[row, count] : {std::pair{"grpestruturas", 13}, {"grpaplicacaografica", 21}, {"grpmetodos", 23}}) {
        const QList<QToolButton *> buttons = w.row(QString::fromLatin1(row))->buttons();
        QCOMPARE(buttons.size(), count);
        const QList<const TemplateCommand *> commands = catalogue.buttons(QString::fromLatin1(row));
        for (int i = 0; i < count; ++i) {
            QCOMPARE(buttons.at(i)->objectName(), commands.at(i)->buttonName);
            QCOMPARE(buttons.at(i)->toolTip(), commands.at(i)->hint);
            QVERIFY(!buttons.at(i)->text().isEmpty());
            QCOMPARE(buttons.at(i)->focusPolicy(), Qt::NoFocus);
        }
    }
    QCOMPARE(w.button(QStringLiteral("spdbsettittle"))->toolTip(), QStringLiteral("setTittle"));
    // The methods row uses both of its lines: twelve buttons above, eleven below.
    w.show();
    w.row(QStringLiteral("grpmetodos"))->show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QList<QToolButton *> methods = w.row(QStringLiteral("grpmetodos"))->buttons();
    QCOMPARE(methods.at(11)->y(), methods.at(0)->y());
    QVERIFY(methods.at(12)->y() > methods.at(11)->y());
    QCOMPARE(methods.at(22)->y(), methods.at(12)->y());
}

void TestTemplatesInWindow::everyEntryIsFoundByItsObjectName()
{
    Tfrmprincipal w;
    const QList<TemplateCommand> &commands = w.templates().catalogue().commands();
    QSet<QString> names;
    for (int i = 0; i < commands.size(); ++i) {
        QObject *control = w.templates().control(i);
        QVERIFY2(control, qPrintable(commands.at(i).caption()));
        const QString name = control->objectName();
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        if (auto *action = qobject_cast<QAction *>(control)) {
            QCOMPARE(w.menuItem(name), action);
            QCOMPARE(action->text(), commands.at(i).caption());
        } else {
            QCOMPARE(w.button(name), control);
        }
    }
    QCOMPARE(w.menuItem(QStringLiteral("CriarMenu1"))->text(), QStringLiteral("Criar Menu"));
    // Stems already used by the window's own menus get the next number.
    QCOMPARE(w.menuItem(QStringLiteral("Fechar2"))->text(), QStringLiteral("Fechar"));
    QCOMPARE(w.menuItem(QStringLiteral("Formulario2"))->parent(), w.menu(QStringLiteral("EstruturasAplicApplet1")));
}

void TestTemplatesInWindow::walkEveryCommand()
{
    WindowBench bench;
    bool menuEditorCalled = false;
    bench.templates().setMenuEditorHook([&] { menuEditorCalled = true; });
    bench.window.menuItem(QStringLiteral("Estruturas1"))->trigger();
    bench.window.menuItem(QStringLiteral("AplicacoesGraficas1"))->trigger();

    const QList<TemplateCommand> &commands = bench.templates().catalogue().commands();
    int inserted = 0;
    int refused = 0;
    int unchanged = 0;
    for (int i = 0; i < commands.size(); ++i) {
        const TemplateCommand &command = commands.at(i);
        const QString context = QStringLiteral("#%1 %2 (line %3)").arg(i).arg(command.caption()).arg(command.sourceLine);
        QObject *control = bench.templates().control(i);
        bench.reset(1);
        const bool refuses = command.guard && !command.guard->holds(bench.templates().state().counters);

        QString title;
        QString label;
        QString message;
        if (refuses)
            answerMessageBox(QMessageBox::Ok, &message);
        else if (command.prompt)
            answerInputDialog(QStringLiteral("x"), true, &title, &label);
        else if (!command.confirmation.isEmpty())
            answerMessageBox(QMessageBox::Yes, &message);

        if (command.kind == CommandKind::Disabled) {
            QVERIFY2(!qobject_cast<QAction *>(control)->isEnabled(), qPrintable(context));
            continue;
        }
        if (auto *button = qobject_cast<QToolButton *>(control)) {
            QVERIFY2(button->isEnabled() && button->isVisible(), qPrintable(context));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            qobject_cast<QAction *>(control)->trigger();
        }
        QVERIFY2(testsupport::noModalOpen(), qPrintable(context));

        if (refuses) {
            QVERIFY2(message == command.guard->message, qPrintable(context + ": " + message));
            QVERIFY2(bench.lines() == skeletonLines() && !bench.window.IsModified(), qPrintable(context));
            ++refused;
        } else if (command.kind == CommandKind::NoAction || command.kind == CommandKind::MenuEditor) {
            QVERIFY2(bench.lines() == skeletonLines() && !bench.window.IsModified(), qPrintable(context));
            QCOMPARE(bench.window.insertionLine(), 1);
            ++unchanged;
        } else {
            if (command.prompt) {
                QCOMPARE(title, command.prompt->caption);
                QCOMPARE(label, command.prompt->text);
            }
            if (!command.confirmation.isEmpty())
                QCOMPARE(message, command.confirmation);
            QVERIFY2(bench.lines() != skeletonLines(), qPrintable(context));
            QVERIFY2(bench.window.IsModified(), qPrintable(context));
            QVERIFY2(bench.window.menuItem(QStringLiteral("Salvar1"))->isEnabled(), qPrintable(context));
            ++inserted;
        }
    }
    QVERIFY(menuEditorCalled);
    QCOMPARE(unchanged, 6); // five thread entries and "Criar Menu"
    QCOMPARE(inserted + refused + unchanged, 231 + 1);
    QVERIFY(refused > 0);
}

void TestTemplatesInWindow::promptsThroughTheInputBox_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("firstLine"); // empty: nothing inserted

    QTest::newRow("answer kept with its blanks") << "spdbclasstext" << " Ola " << true << "public class  Ola ";
    QTest::newRow("empty answer, same script") << "spdbifelse" << "" << true << "if ( )";
    QTest::newRow("cancel gives the empty answer") << "spdbifelse" << "a" << false << "if ( )";
    QTest::newRow("empty answer, other script") << "spdbwhile" << "" << true << "while (  )";
    QTest::newRow("cancel, other script") << "spdbwhile" << "b" << false << "while (  )";
    QTest::newRow("empty answer, nothing") << "spdbswitchcase" << "" << true << "";
    QTest::newRow("cancel, nothing") << "spdbswitchcase" << "c" << false << "";
}

void TestTemplatesInWindow::promptsThroughTheInputBox()
{
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(QString, firstLine);

    WindowBench bench;
    bench.reset(0);
    QString title;
    QString label;
    answerInputDialog(typed, accept, &title, &label);
    bench.window.button(button)->click();
    const TemplateCommand *command = nullptr;
    for (const TemplateCommand &c : bench.templates().catalogue().commands())
        command = c.buttonName == button ? &c : command;
    QCOMPARE(title, command->prompt->caption);
    QCOMPARE(label, command->prompt->text);
    if (firstLine.isEmpty()) {
        QCOMPARE(bench.lines(), skeletonLines());
        QVERIFY(!bench.window.IsModified());
    } else {
        QCOMPARE(bench.lines().first(), firstLine);
        QVERIFY(bench.window.IsModified());
    }
}

void TestTemplatesInWindow::refusalShowsAnInformationBox()
{
    WindowBench bench;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    testsupport::whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    bench.window.button(QStringLiteral("spdbinstanciabotao"))->click();
    QCOMPARE(text, QString::fromUtf8("Declare primeiramente um Botão."));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(bench.lines(), skeletonLines());
    QVERIFY(!bench.window.IsModified());

    bench.window.button(QStringLiteral("spdbbotao"))->click();
    bench.window.button(QStringLiteral("spdbinstanciabotao"))->click();
    QCOMPARE(bench.lines().mid(1, 2), (QStringList{"button1 = new Button( );", "Button button1;"}));
}

void TestTemplatesInWindow::removeAsksYesOrNo_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::newRow("yes") << int(QMessageBox::Yes) << "removeAll();";
    QTest::newRow("no") << int(QMessageBox::No) << "remove();";
    QTest::newRow("closed") << int(QMessageBox::Cancel) << "remove();";
}

void TestTemplatesInWindow::removeAsksYesOrNo()
{
    QFETCH(int, answer);
    QFETCH(QString, text);
    WindowBench bench;
    QString question;
    answerMessageBox(QMessageBox::StandardButton(answer), &question);
    bench.window.button(QStringLiteral("spdbremove"))->click();
    QCOMPARE(question, QStringLiteral("Deseja remover todos os itens ou apenas um por vez ?"));
    QCOMPARE(bench.lines().at(1), text);
}

void TestTemplatesInWindow::templateGoesAboveTheClickedLine()
{
    WindowBench bench;
    QVERIFY(QTest::qWaitForWindowExposed(&bench.window));
    QTextCursor cursor(bench.editor->document()->findBlockByNumber(2));
    QTest::mouseClick(bench.editor->viewport(), Qt::LeftButton, {},
                      bench.editor->cursorRect(cursor).center() + QPoint(2, 0));
    QCOMPARE(bench.window.insertionLine(), 2);
    bench.window.button(QStringLiteral("spdbsetlayout"))->click();
    bench.window.button(QStringLiteral("spdbshow"))->click();
    QCOMPARE(bench.lines(), (QStringList{"class A {", "    void f() {", "show();",
                                         "setLayout(new BorderLayout());", "    }", "}"}));

    // A block ends on its last line: the next template goes inside its braces.
    bench.window.button(QStringLiteral("spdbinit"))->click();
    QCOMPARE(bench.window.insertionLine(), 4);
    bench.window.button(QStringLiteral("spdbadd"))->click();
    QCOMPARE(bench.lines().mid(2, 4),
             (QStringList{"public void init ()", "      {", "add();", "      }"}));
}

void TestTemplatesInWindow::insertionLeavesCaretSelectionAndFocus()
{
    WindowBench bench;
    bench.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&bench.window));
    bench.editor->SetFocus();
    QTRY_VERIFY(bench.editor->hasFocus());
    bench.editor->SetSelStart(bench.editor->Text().indexOf(QStringLiteral("void")));
    bench.editor->SetSelLength(4);
    bench.window.setInsertionLine(0);

    // The caret and the selection keep their line numbers and columns.
    bench.window.button(QStringLiteral("spdbgettext"))->click();
    bench.window.menuItem(QStringLiteral("center1"))->trigger();
    QCOMPARE(bench.editor->CaretY(), 2);
    QCOMPARE(bench.editor->SelLength(), 4);
    QVERIFY(bench.editor->hasFocus());
    QCOMPARE(bench.lines().at(1), QStringLiteral("getText();"));
}

void TestTemplatesInWindow::insertionMarksTheDocumentModified()
{
    WindowBench bench;
    QVERIFY(!bench.window.button(QStringLiteral("spdbsalvar"))->isEnabled());
    bench.window.menuItem(QStringLiteral("AWT1"))->trigger();
    QVERIFY(bench.window.activePage()->caption().endsWith(QLatin1Char('*')));
    QVERIFY(bench.window.button(QStringLiteral("spdbsalvar"))->isEnabled());
    QVERIFY(bench.window.menuItem(QStringLiteral("Salvar1"))->isEnabled());
    QCOMPARE(bench.lines().first(), QStringLiteral("import java.awt.*;"));
    QCOMPARE(bench.window.insertionLine(), 1);
}

void TestTemplatesInWindow::withoutADocumentNothingHappens()
{
    Tfrmprincipal w;
    QVERIFY(!w.currentEditor());
    const QList<TemplateCommand> &commands = w.templates().catalogue().commands();
    for (int i = 0; i < commands.size(); ++i) {
        if (commands.at(i).kind == CommandKind::MenuEditor || commands.at(i).kind == CommandKind::Disabled)
            continue;
        QCOMPARE(w.templates().run(commands.at(i)), CommandResult::Unchanged);
        QVERIFY(testsupport::noModalOpen());
    }
    w.templates().Memo2()->setPlainText(QStringLiteral("a"));
    w.templates().Button1()->click();
    QCOMPARE(w.insertionLine(), 0);
    QCOMPARE(w.templates().state().counters.values, DeclarationCounters().values);
}

void TestTemplatesInWindow::twoBlockEntryThroughTheHiddenButtons()
{
    WindowBench bench;
    TemplateBridge &t = bench.templates();
    for (QWidget *holder : std::initializer_list<QWidget *>{t.Memo2(), t.Memo3(), t.Button1(), t.Button2()}) {
        QCOMPARE(holder->parentWidget(), &bench.window);
        QVERIFY(!holder->isVisible());
        QCOMPARE(bench.window.findChild<QWidget *>(holder->objectName()), holder);
    }

    bench.editor->SetCaretY(3);
    bench.window.setInsertionLine(2);
    t.Memo2()->setPlainText(QStringLiteral("JMenu m =new JMenu(\"M\");\n"));
    t.Memo3()->setPlainText(QStringLiteral("barra.add(m);\n"));
    t.Button1()->click();

    // The blocks went in at entries 2 and 3; afterwards every line of them
    // is a line of the editor, and the insertion line follows the second.
    QCOMPARE(bench.window.insertionLine(), 4);
    QCOMPARE(bench.editor->Lines().Get(2), QStringLiteral("JMenu m =new JMenu(\"M\");"));
    QCOMPARE(bench.editor->Lines().Get(3), QString());
    QCOMPARE(bench.editor->Lines().Get(4), QStringLiteral("barra.add(m);"));
    QCOMPARE(bench.editor->Lines().Get(5), QString());
    QCOMPARE(bench.editor->document()->blockCount(), bench.editor->Lines().Count());
    QCOMPARE(bench.editor->CaretY(), 3);
    QVERIFY(t.Memo2()->toPlainText().isEmpty() && t.Memo3()->toPlainText().isEmpty());
    QVERIFY(bench.window.IsModified());
}

void TestTemplatesInWindow::criarMenuCallsTheHook()
{
    WindowBench bench;
    int calls = 0;
    bench.templates().setMenuEditorHook([&] { ++calls; });
    bench.window.menuItem(QStringLiteral("CriarMenu1"))->trigger();
    QCOMPARE(calls, 1);
    QCOMPARE(bench.window.menuItem(QStringLiteral("CriarMenu1"))->parent(), bench.window.menu(QStringLiteral("Swing1")));
}

QTEST_MAIN(TestTemplatesInWindow)
#include "tst_templates_in_window.moc"

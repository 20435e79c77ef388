#include "app_fixture.h"

#include "app/about_box.h"
#include "app/document_manager.h"
#include "app/new_document_dialog.h"
#include "common/toolbar_row.h"
#include "editor/syn_memo.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>

using appfixture::newDocument;

// The main window: start-up, command state, new documents, the insertion
// line recorder, the toolbar toggles and closing.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    static bool menuShown(Tfrmprincipal &w, const char *name)
    {
        return w.menu(QString::fromLatin1(name))->menuAction()->isVisible();
    }

private slots:
    void init() { QApplication::setApplicationName(QStringLiteral("Korvine 4.0")); }

    void startUp()
    {
        Tfrmprincipal w;
        QCOMPARE(w.windowTitle(), QString("Tavessa (Tavessa) 4.0"));
        QCOMPARE(QApplication::applicationName(), QString("Korvine 4.0"));
        // Nothing may be appended to the caption by the platform.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QApplication::applicationName());
        QVERIFY(w.findChild<Tfrmtipoarquivo *>("frmtipoarquivo"));
        QVERIFY(w.findChild<Tfrmsobre *>("frmsobre"));
        QVERIFY(!w.frmtipoarquivo()->isVisible());
        QVERIFY(!w.frmsobre()->isVisible());
        QCOMPARE(w.pageCount(), 0);
        QVERIFY(!w.currentEditor());
        QCOMPARE(w.insertionLine(), 0);
    }

    void menusCarryTheirCaptionsAndShortcuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("abrir") << "Abrir1" << "Abr&ir" << "Ctrl+A";
        QTest::newRow("novo") << "Novo1" << "N&ovo" << "Ctrl+O";
        QTest::newRow("salvar") << "Salvar1" << "Salvar" << "Ctrl+B";
        QTest::newRow("salvar como") << "SalvarComo1" << "Salvar &Como" << "";
        QTest::newRow("fechar") << "Fechar1" << "&Fechar" << "Ctrl+W";
        QTest::newRow("imprimir") << "Imprimir1" << "&Imprimir" << "Ctrl+P";
        QTest::newRow("sair") << "Sair1" << "S&air" << "";
        QTest::newRow("desfazer") << "Desfazer1" << "Desfazer" << "Ctrl+Z";
        QTest::newRow("refazer") << "Refazer1" << "Refazer" << "Ctrl+R";
        QTest::newRow("localizar") << "Localizar1" << "Localizar" << "F3";
        QTest::newRow("selecionar") << "Selecionartudo1" << "Selecionar tudo" << "Ctrl+T";
        QTest::newRow("padrao") << "Padrao1" << "Padrão" << "F5";
        QTest::newRow("estruturas") << "Estruturas1" << "Estruturas" << "F6";
        QTest::newRow("graficas") << "AplicacoesGraficas1" << "Aplicações Gráficas" << "F7";
        QTest::newRow("compilar") << "Compilarocodigo1" << "Compilar o código" << "F9";
        QTest::newRow("executar") << "Executarocodigo1" << "Executar o código" << "F10";
        QTest::newRow("ajuda") << "AjudadoKorvine1" << "Ajuda do Korvine" << "F1";
        QTest::newRow("sobre") << "SobreKorvine1" << "Sobre Korvine" << "";
    }

    void menusCarryTheirCaptionsAndShortcuts()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        Tfrmprincipal w;
        QAction *item = w.menuItem(name);
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), QKeySequence(shortcut));
    }

    void arquivoMenuSeparators()
    {
        Tfrmprincipal w;
        QStringList shape;
        for (QAction *a : w.menu("Arquivo1")->actions())
            shape << (a->isSeparator() ? QString("-") : a->text());
        QCOMPARE(shape, QStringList({"Abr&ir", "-", "N&ovo", "Salvar", "Salvar &Como", "-",
                                     "&Fechar", "&Imprimir", "-", "Abrir exercício…", "Criar exercício…",
                                     "Salvar resultado…", "-", "S&air"}));
        QStringList bar;
        for (QAction *a : w.menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({"&Arquivo", "&Editar", "&Visualizar", "&Java", "&JSP", "HTML",
                                   "A&pplet", "&Banco de Dados", "&Pacotes", "A&juda"}));
    }

    void padraoRowOrderAndHints()
    {
        Tfrmprincipal w;
        QStringList names;
        for (QToolButton *b : w.row("grppadrao")->buttons()) {
            names << b->objectName();
            QVERIFY(!b->toolTip().isEmpty());
            QCOMPARE(b->accessibleName(), b->toolTip());
            QVERIFY2(!b->icon().isNull(), qPrintable(b->objectName()));
        }
        QCOMPARE(names, QStringList({"spdbnovo", "spdbabrir", "spdbsalvar", "SpeedButton2",
                                     "spdbimprimir", "spdbrecortar", "spdbcopiar", "spdbcolar",
                                     "spdblocalizar", "spdbsubstituir", "spdbdesfazer",
                                     "spdbrefazer", "spdbajuda", "spdbcompilar", "spdbexecutar",
                                     "spdbexecutarnotavessa", "spdbdepurar", "spdbprompt", "spdbapplethtml"}));
        QCOMPARE(w.button("SpeedButton2")->toolTip(), QString("Fechar (Ctrl + W)"));
        QCOMPARE(w.row("grppadrao")->height(), 34);
        QCOMPARE(w.row("grpmetodos")->height(), 61);
    }

    void stateAtStart()
    {
        Tfrmprincipal w;
        for (const char *hidden : {"Editar1", "Visualizar1", "Java1", "BancodeDados1", "Pacotes1",
                                   "Applet1", "HTML1", "JSP1"})
            QVERIFY2(!menuShown(w, hidden), hidden);
        QVERIFY(menuShown(w, "Arquivo1"));
        QVERIFY(menuShown(w, "Ajuda1"));
        for (const char *row : {"grpestruturas", "grpaplicacaografica", "grpmetodos"})
            QVERIFY(w.row(row)->isHidden());
        QVERIFY(!w.row("grppadrao")->isHidden());
        for (const char *item : {"Salvar1", "SalvarComo1", "Fechar1", "Imprimir1", "Localizar1",
                                 "Estruturas1", "AplicacoesGraficas1"})
            QVERIFY2(!w.menuItem(item)->isEnabled(), item);
        for (const char *item : {"Abrir1", "Novo1", "Sair1", "AjudadoKorvine1", "SobreKorvine1"})
            QVERIFY2(w.menuItem(item)->isEnabled(), item);
        for (const char *b : {"spdbsalvar", "SpeedButton2", "spdbimprimir", "spdbrecortar",
                              "spdbcopiar", "spdbcolar", "spdblocalizar", "spdbsubstituir",
                              "spdbdesfazer", "spdbrefazer", "spdbcompilar", "spdbexecutar"})
            QVERIFY2(!w.button(b)->isEnabled(), b);
        for (const char *b : {"spdbnovo", "spdbabrir", "spdbajuda", "spdbprompt"})
            QVERIFY2(w.button(b)->isEnabled(), b);
        QVERIFY(w.button("spdbapplethtml")->isHidden());
        QVERIFY(w.menuItem("Padrao1")->isChecked());
    }

    void newDocumentCaptionsTextAndCounter()
    {
        Tfrmprincipal w;
        DocumentPage *first = newDocument(w, 1);
        QVERIFY(first);
        QCOMPARE(first->caption(), QString("semnome1.java *"));
        QCOMPARE(w.pagForms()->tabText(0), QString("semnome1.java *"));
        QCOMPARE(first->tag(), QString("0;"));
        QVERIFY(w.IsModified());
        QCOMPARE(w.currentEditor(), first->editor());
        QCOMPARE(first->editor()->Text(),
                 QString("public class semnome1{\r\n"
                         "        public static void main(String args[]){\r\n\r\n"
                         "        }\r\n}"));
        QVERIFY(w.menuItem("Salvar1")->isEnabled());
        QVERIFY(w.button("spdbsalvar")->isEnabled());

        // An opened file also takes a number.
        w.documents().create(DocumentKind::Code);
        DocumentPage *swing = newDocument(w, 5);
        QCOMPARE(swing->caption(), QString("semnome3.java *"));
        QCOMPARE(swing->tag(), QString("1;"));
        QVERIFY(swing->designPage());
        QCOMPARE(swing->innerPages()->tabText(0), QString("Código"));
        QCOMPARE(swing->innerPages()->tabText(1), QString("Formulário"));
        QVERIFY(swing->editor()->Text().endsWith("        }\r\n}"));
        QVERIFY(swing->editor()->Text().contains("public class semnome3 extends JFrame{"));

        DocumentPage *jsp = newDocument(w, 4);
        QVERIFY(jsp->editor()->Text().endsWith("</body>\r\n\r\n</html>"));
        QCOMPARE(w.documentCounter(), 4);
    }

    void cancelCreatesNothing()
    {
        Tfrmprincipal w;
        testsupport::whenModal([](QWidget *dialog) {
            auto *radio = dialog->findChild<QRadioButton *>("rdbopcao2");
            QTest::mouseClick(radio, Qt::LeftButton);
            auto *dlg = qobject_cast<Tfrmtipoarquivo *>(dialog);
            QCOMPARE(dlg->description(), Tfrmtipoarquivo::optionDescription(2));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(w.button("spdbnovo"), Qt::LeftButton);
        QCOMPARE(w.pageCount(), 0);
        QCOMPARE(w.documentCounter(), 0);
        QVERIFY(w.frmtipoarquivo()->description().isEmpty());
        QVERIFY(!w.menu("Editar1")->menuAction()->isVisible());
    }

    void dialogStartsAtOptionOneAndDoubleClickCreates()
    {
        Tfrmprincipal w;
        newDocument(w, 3);
        QString selectedOnShow;
        testsupport::whenModal([&](QWidget *dialog) {
            selectedOnShow = QString::number(qobject_cast<Tfrmtipoarquivo *>(dialog)->selectedOption());
            QTest::mouseDClick(dialog->findChild<QRadioButton *>("rdbopcao2"), Qt::LeftButton);
        });
        QTest::mouseClick(w.button("spdbnovo"), Qt::LeftButton);
        QCOMPARE(selectedOnShow, QString("1"));
        QCOMPARE(w.pageCount(), 2);
        QVERIFY(w.currentEditor()->Text().contains("extends Frame{"));
    }

    void commandStatePerOption_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("graphicRows");
        QTest::addColumn<bool>("applet");
        QTest::addColumn<bool>("html");
        QTest::newRow("texto") << 1 << false << false << false;
        QTest::newRow("awt") << 2 << true << false << false;
        QTest::newRow("applet") << 3 << true << true << false;
        QTest::newRow("jsp") << 4 << true << true << true;
        QTest::newRow("swing") << 5 << true << true << false;
    }

    void commandStatePerOption()
    {
        QFETCH(int, option);
        QFETCH(bool, graphicRows);
        QFETCH(bool, applet);
        QFETCH(bool, html);
        Tfrmprincipal w;
        newDocument(w, option);
        for (const char *shown : {"Editar1", "Visualizar1", "Java1", "BancodeDados1", "Pacotes1"})
            QVERIFY2(menuShown(w, shown), shown);
        QCOMPARE(menuShown(w, "Applet1"), applet);
        QCOMPARE(menuShown(w, "HTML1"), html);
        QCOMPARE(menuShown(w, "JSP1"), html);
        QCOMPARE(!w.button("spdbapplethtml")->isHidden(), applet);
        if (applet)
            QVERIFY(!w.button("spdbapplethtml")->isEnabled());
        QVERIFY(w.row("grpestruturas")->isEnabled());
        QCOMPARE(w.row("grpaplicacaografica")->isEnabled(), graphicRows);
        QCOMPARE(w.row("grpmetodos")->isEnabled(), graphicRows);
        // Enabled, not shown.
        QVERIFY(w.row("grpestruturas")->isHidden());
        for (const char *item : {"SalvarComo1", "Fechar1", "Imprimir1", "Localizar1",
                                 "Estruturas1", "AplicacoesGraficas1"})
            QVERIFY2(w.menuItem(item)->isEnabled(), item);
        QVERIFY(!w.menuItem("Executarocodigo1")->isEnabled());
        for (const char *b : {"SpeedButton2", "spdbimprimir", "spdbrecortar", "spdbcopiar",
                              "spdbcolar", "spdblocalizar", "spdbdesfazer", "spdbrefazer",
                              "spdbcompilar"})
            QVERIFY2(w.button(b)->isEnabled(), b);
        QVERIFY(!w.button("spdbsubstituir")->isEnabled());
        QVERIFY(!w.button("spdbexecutar")->isEnabled());
    }

    void visualizarToggles()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        newDocument(w, 2);
        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(w.row("grppadrao")->isHidden());
        QVERIFY(!w.menuItem("Padrao1")->isChecked());
        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(!w.row("grppadrao")->isHidden());
        QVERIFY(w.menuItem("Padrao1")->isChecked());

        QTest::keyClick(&w, Qt::Key_F7);
        QVERIFY(!w.row("grpaplicacaografica")->isHidden());
        QVERIFY(!w.row("grpmetodos")->isHidden());
        QVERIFY(w.menuItem("AplicacoesGraficas1")->isChecked());
        QTest::keyClick(&w, Qt::Key_F7);
        QVERIFY(w.row("grpaplicacaografica")->isHidden());
        QVERIFY(w.row("grpmetodos")->isHidden());

        QTest::keyClick(&w, Qt::Key_F6);
        QVERIFY(!w.row("grpestruturas")->isHidden());
        QVERIFY(w.menuItem("Estruturas1")->isChecked());
    }

    void splitterKeepsTheLogBetween51And199()
    {
        QVERIFY(!Tfrmprincipal::Splitter1CanResize(50));
        QVERIFY(Tfrmprincipal::Splitter1CanResize(51));
        QVERIFY(Tfrmprincipal::Splitter1CanResize(199));
        QVERIFY(!Tfrmprincipal::Splitter1CanResize(200));

        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        auto *splitter = w.findChild<QSplitter *>("Splitter1");
        auto *log = w.lstLog();
        const int total = splitter->sizes().value(0) + splitter->sizes().value(1);
        const auto drag = [&](int logHeight) {
            splitter->setSizes({total - logHeight, logHeight});
            emit splitter->splitterMoved(total - logHeight, 1);
            return log->height();
        };
        QCOMPARE(drag(120), 120);
        QCOMPARE(drag(40), 120);
        QCOMPARE(drag(250), 120);
        QCOMPARE(drag(51), 51);
        QCOMPARE(drag(199), 199);
    }

    void insertionLineFollowsClicksAndKeys()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        TSynMemo *editor = newDocument(w, 2)->editor();
        QTRY_VERIFY(editor->hasFocus());

        const auto clickLine = [&](int line) {
            QTextCursor cursor(editor->document()->findBlockByNumber(line - 1));
            const QRect r = editor->cursorRect(cursor);
            QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, r.center() + QPoint(2, 0));
        };
        clickLine(1);
        QCOMPARE(editor->CaretY(), 1);
        QCOMPARE(w.insertionLine(), 0);
        clickLine(5);
        QCOMPARE(w.insertionLine(), 4);
        // The Down key records the line that the caret leaves.
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(editor->CaretY(), 6);
        QCOMPARE(w.insertionLine(), 4);
        QTest::keyClick(editor, Qt::Key_X);
        QCOMPARE(w.insertionLine(), 5);
    }

    void typingMarksModifiedAndEnablesSave()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        DocumentPage *page = newDocument(w, 1);
        w.ClearModified();
        w.updateSaveCommands();
        QCOMPARE(page->caption(), QString("semnome1.java "));
        QVERIFY(!w.button("spdbsalvar")->isEnabled());
        QTest::keyClicks(page->editor(), "x");
        QCOMPARE(page->caption(), QString("semnome1.java *"));
        QVERIFY(w.button("spdbsalvar")->isEnabled());
        QVERIFY(w.menuItem("Salvar1")->isEnabled());
        // Text put in through the line list is not an edit.
        w.ClearModified();
        page->editor()->Lines().Insert(0, "// x");
        QVERIFY(!w.IsModified());
    }

    void windowShortcutsBeatTheEditorKeys()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        TSynMemo *editor = newDocument(w, 1)->editor();
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(editor->SelText().size(), editor->Text().size());
        int opened = 0;
        connect(w.menuItem("Abrir1"), &QAction::triggered, this, [&] { ++opened; });
        testsupport::whenModal([](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); });
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(opened, 1);
    }

    void commandsWithoutPagesDoNothing()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        newDocument(w, 1);
        w.documents().close(&w.activePage()->document());
        w.FocusCurrentEditor();
        QVERIFY(!w.currentEditor());
        for (const char *name : {"Desfazer1", "Refazer1", "Recortar1", "Copiar1", "Colar1",
                                 "Selecionartudo1", "Salvar1", "Fechar1", "Compilarocodigo1",
                                 "Executarocodigo1"})
            w.menuItem(name)->trigger();
        QCOMPARE(w.pageCount(), 0);
        QVERIFY(testsupport::noModalOpen());
    }

    void closingAsksOnceAboutUnsavedPages()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        DocumentPage *first = newDocument(w, 1);
        newDocument(w, 2);
        w.setActivePage(first);
        w.FocusCurrentEditor();
        w.ClearModified();
        int asked = 0;
        QString question;
        testsupport::whenModal([&](QWidget *box) {
            ++asked;
            question = qobject_cast<QMessageBox *>(box)->text();
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::No)->click();
        });
        QVERIFY(!w.close());
        QCOMPARE(asked, 1);
        QCOMPARE(question, QString("Existem arquivos não salvos, deseja sair?"));
        QCOMPARE(w.pagForms()->currentIndex(), 1);

        testsupport::answerMessageBox(QMessageBox::Yes);
        QVERIFY(w.close());
    }

    void closingWithoutDocumentsAsksNothing()
    {
        Tfrmprincipal w;
        QVERIFY(appfixture::showWindow(w));
        QVERIFY(w.close());
    }

    void aboutBoxFadesInAndOut()
    {
        Tfrmprincipal w;
        w.menuItem("SobreKorvine1")->trigger();
        Tfrmsobre *about = w.frmsobre();
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QString("Sobre"));
        QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
        QTRY_COMPARE(about->windowOpacity(), 1.0);
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(about->isVisible());
        QTRY_VERIFY(!about->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

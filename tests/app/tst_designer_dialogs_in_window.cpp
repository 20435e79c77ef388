// Mouse events go through the window system, so grabs and routing are real.
#define QTEST_QPA_MOUSE_HANDLING

#include "app_fixture.h"

#include "app/designer_bridge.h"
#include "app/file_commands.h"
#include "app/template_bridge.h"
#include "designer/design_page.h"
#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/events_dialog.h"
#include "designer/menu_editor.h"
#include "designer/preview_control.h"
#include "designer/properties_dialog.h"
#include "editor/syn_memo.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>

using testsupport::whenModal;

// A student's session in the real window: components placed with the mouse,
// renamed in "Propriedades", given listeners in "Eventos" and a menu bar in
// "Criar Menu"; the saved sources compile.
class TestDesignerDialogsInWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void dialogsAreCreatedWithTheWindow();
    void buildSaveAndCompile();
    void reachableWithoutAMouseAndAskedOnClose();

private:
    QString m_javac;
};

namespace {

void showInnerPage(DocumentPage *page, int index)
{
    QTabBar *tabs = page->innerPages()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    QCOMPARE(page->innerPages()->currentIndex(), index);
}

PreviewControl *place(DesignPage *design, int kind, QPoint point)
{
    QTest::mouseClick(design->paletteButton(kind), Qt::LeftButton);
    QTest::mouseClick(design->designWindow()->client(), Qt::LeftButton, {}, point);
    const QList<PreviewControl *> all = design->designWindow()->components();
    return all.isEmpty() ? nullptr : all.last();
}

// Selects `control` with a click and chooses `item` from the handle's popup
// menu; `answer` drives the dialog that opens.
void fromPopupMenu(Tfrmprincipal &window, PreviewControl *control, const char *item,
                   std::function<void(QWidget *)> answer)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, 4));
    TStretchHandle &mover = window.designer().mover();
    QVERIFY(mover.IndexOf(control) >= 0);
    QTest::mouseClick(&mover, Qt::RightButton, {}, mover.rect().center());
    QMenu &menu = window.designer().session().mnuCpo();
    QTRY_VERIFY(menu.isVisible());
    QAction *action = menu.findChild<QAction *>(QString::fromLatin1(item));
    QVERIFY(action && action->isEnabled());
    whenModal(std::move(answer));
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
}

// Clicks into the code editor on the first line that is `text`.
void clickOnLine(TSynMemo *editor, const QString &text)
{
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
        if (block.text() == text) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock);
            const QRect r = editor->cursorRect(cursor);
            QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, r.center());
            return;
        }
    }
    QFAIL(qPrintable("no line " + text));
}

void addToMenu(QWidget *dialog, const char *type, const QString &menu, const QString &name,
               const QString &caption, const QString &key = {})
{
    QTest::mouseClick(dialog->findChild<QRadioButton *>(QString::fromLatin1(type)), Qt::LeftButton);
    dialog->findChild<QComboBox *>("cbomenu")->setEditText(menu);
    QTest::keyClicks(dialog->findChild<QLineEdit *>("Edit1"), name);
    QTest::keyClicks(dialog->findChild<QLineEdit *>("Edit2"), caption);
    QTest::keyClicks(dialog->findChild<QLineEdit *>("Edit3"), key);
    QTest::mouseClick(dialog->findChild<QPushButton *>("Button1"), Qt::LeftButton);
}

// "Criar Menu" with the additions that `fill` makes, then OK.
void createMenu(Tfrmprincipal &window, std::function<void(QWidget *)> fill)
{
    bool answered = false;
    whenModal([&](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QString("frmmenu"));
        fill(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>("Button3"), Qt::LeftButton);
        answered = true;
    });
    window.menuItem(QStringLiteral("CriarMenu1"))->trigger();
    QVERIFY(answered);
}

} // namespace

void TestDesignerDialogsInWindow::initTestCase()
{
    m_javac = QStandardPaths::findExecutable(QStringLiteral("javac"));
}

void TestDesignerDialogsInWindow::dialogsAreCreatedWithTheWindow()
{
    Tfrmprincipal window;
    QStringList dialogs;
    for (QObject *child : window.children()) {
        if (auto *dialog = qobject_cast<QDialog *>(child))
            dialogs.append(dialog->objectName());
    }
    // In the order of creation, after the new-document dialog and the about box.
    QCOMPARE(dialogs.mid(dialogs.indexOf("frmmenu"), 3),
             QStringList({"frmmenu", "Form5", "frmEventos"}));
    QVERIFY(dialogs.indexOf("frmmenu") > dialogs.indexOf("frmtipoarquivo"));
    QCOMPARE(window.designer().Form5().windowTitle(), QString("Propriedades"));
    QCOMPARE(window.designer().frmEventos().windowTitle(), QString("Eventos"));
    QCOMPARE(window.designer().frmmenu().windowTitle(), QString("Criar Menu"));
    // The two-block entry's holders are still the ones found by name.
    QCOMPARE(window.findChild<QWidget *>("Memo2"), window.templates().Memo2());
}

void TestDesignerDialogsInWindow::buildSaveAndCompile()
{
    if (m_javac.isEmpty())
        QSKIP("javac is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    Tfrmprincipal window;
    QVERIFY(appfixture::showWindow(window));
    DocumentPage *page = appfixture::newDocument(window, 5);
    QVERIFY(page);
    TSynMemo *editor = page->editor();
    showInnerPage(page, 1);
    DesignPage *design = DesignerBridge::designPageOf(*page);
    PreviewControl *button = place(design, 1, {31, 21});
    PreviewControl *field = place(design, 2, {31, 61});
    QVERIFY(button && field && button != field);
    QCOMPARE(field->name(), QString("jTextField1"));

    // Rename the button and give it a title.
    fromPopupMenu(window, button, "Propriedades1", [](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QString("Form5"));
        auto *name = dialog->findChild<QLineEdit *>("txtNome");
        name->selectAll();
        QTest::keyClicks(name, "btnOla");
        auto *title = dialog->findChild<QLineEdit *>("txtTit");
        title->selectAll();
        QTest::keyClicks(title, "Diga \"oi\" \\o/");
        dialog->findChild<QComboBox *>("cboEnabled")->setCurrentIndex(0);
        QTest::mouseClick(dialog->findChild<QPushButton *>("Button1"), Qt::LeftButton);
    });
    QCOMPARE(button->name(), QString("btnOla"));
    QVERIFY(!editor->Text().contains("jButton1"));

    // A label pushed past the window's left edge keeps a dialog that accepts
    // the place it shows.
    PreviewControl *label = place(design, 3, {31, 101});
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    for (int i = 0; i < 32; ++i)
        QTest::keyClick(&window.designer().mover(), Qt::Key_Left);
    QCOMPARE(label->x(), -2);
    QStringList refusals;
    fromPopupMenu(window, label, "Propriedades1", [&refusals](QWidget *dialog) {
        QCOMPARE(dialog->findChild<QLineEdit *>("txtEsquerda")->text(), QString("-2"));
        auto *top = dialog->findChild<QLineEdit *>("txtTopo");
        top->selectAll();
        QTest::keyClicks(top, "-x7");
        QCOMPARE(top->text(), QString("-7"));
        // A refusal would open a message box over the dialog: note and close it.
        QTimer refusal;
        QObject::connect(&refusal, &QTimer::timeout, [&refusals] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                refusals << box->text();
                box->close();
            }
        });
        refusal.start(10);
        QTest::mouseClick(dialog->findChild<QPushButton *>("Button1"), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->close();
    });
    QCOMPARE(refusals, QStringList());
    QCOMPARE(label->pos(), QPoint(-2, -7));
    QVERIFY(editor->Text().contains("jLabel1.setBounds(-2,-7,"));

    const QString first = dir.filePath("semnome1.java");
    QVERIFY(window.files().saveActiveDocumentAs(first));
    QVERIFY(!window.IsModified());

    // A click listener for the button, a caret listener for the field.
    fromPopupMenu(window, button, "Eventos1", [](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QString("frmEventos"));
        QCOMPARE(dialog->findChild<QComboBox *>("cboEvento")->currentText(), QString("Click"));
        QTest::keyClicks(dialog->findChild<TSynMemo *>("txtCod"), "setTitle(\"clicado\");");
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    });
    QVERIFY(window.IsModified());
    QVERIFY(editor->Text().contains("btnOla.addMouseListener( new MouseAdapter() {"));
    fromPopupMenu(window, field, "Eventos1", [](QWidget *dialog) {
        dialog->findChild<QComboBox *>("cboEvento")->setCurrentIndex(3);
        QTest::keyClicks(dialog->findChild<TSynMemo *>("txtCod"), "setTitle(jTextField1.getText());");
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    });
    QVERIFY(editor->Text().contains("import javax.swing.event.*;"));
    QVERIFY(window.files().saveActiveDocumentAs(first));

    // The menu bar goes where the student clicked in the constructor.
    showInnerPage(page, 0);
    clickOnLine(editor, "       setSize(400,300);");
    createMenu(window, [](QWidget *dialog) {
        addToMenu(dialog, "rdbMenu", "", "arquivo", "Arquivo", "a");
        addToMenu(dialog, "rdbItem", "arquivo", "sair", "Sair");
        addToMenu(dialog, "rdbSeparador", "arquivo", "", "");
    });
    QVERIFY(window.IsModified());
    QVERIFY(window.files().saveActiveDocumentAs(first));
    const QString code = editor->Text();
    const qsizetype bar = code.indexOf("JMenuBar barra = new JMenuBar();");
    QVERIFY(bar > code.indexOf("public semnome1(){"));
    QVERIFY(bar < code.indexOf("barra.add(arquivo);"));
    QVERIFY(code.indexOf("arquivo.addSeparator();") < code.indexOf("setJMenuBar(barra);"));
    QVERIFY(code.indexOf("setJMenuBar(barra);") < code.indexOf("       setSize(400,300);"));
    QVERIFY(code.contains("arquivo.setMnemonic(KeyEvent.VK_A);"));
    // The editor numbers the lines as the saved file (and javac) does.
    QFile saved(first);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> savedLines = saved.readAll().split('\n');
    QCOMPARE(editor->document()->blockCount(), int(savedLines.size()));
    const int sizeLine = int(savedLines.indexOf("       setSize(400,300);\r"));
    QCOMPARE(editor->document()->findBlockByNumber(sizeLine).text(), QString("       setSize(400,300);"));

    // A second window gets its own bar.
    DocumentPage *second = appfixture::newDocument(window, 5);
    QVERIFY(second && second != page);
    clickOnLine(second->editor(), "       setSize(400,300);");
    createMenu(window, [](QWidget *dialog) {
        addToMenu(dialog, "rdbMenu", "", "ajuda", "Ajuda");
        addToMenu(dialog, "rdbItem", "ajuda", "sobre", "Sobre \\ \"nos\"");
    });
    QCOMPARE(second->editor()->Text().count("JMenuBar barra = new JMenuBar();"), 1);
    const QString secondPath = dir.filePath("semnome2.java");
    QVERIFY(window.files().saveActiveDocumentAs(secondPath));

    for (const QString &source : {first, secondPath}) {
        QProcess javac;
        javac.start(m_javac, {"-encoding", "UTF-8", "-d", dir.filePath("classes"), source});
        QVERIFY(javac.waitForFinished(120000));
        const QString output =
            QString::fromLocal8Bit(javac.readAllStandardOutput() + javac.readAllStandardError());
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(javac.exitCode() == 0 && !output.contains("error"),
                 qPrintable(output + "\n" + QString::fromUtf8(file.readAll())));
    }
    QVERIFY(QFile::exists(dir.filePath("classes/semnome1.class")));
    QVERIFY(QFile::exists(dir.filePath("classes/semnome2.class")));
}

void TestDesignerDialogsInWindow::reachableWithoutAMouseAndAskedOnClose()
{
    Tfrmprincipal window;
    QVERIFY(appfixture::showWindow(window));
    DocumentPage *page = appfixture::newDocument(window, 5);
    showInnerPage(page, 1);
    DesignPage *design = DesignerBridge::designPageOf(*page);
    DesignerSession &session = window.designer().session();

    // A palette entry picked through its accessibility action, twice in a row.
    for (int round = 0; round < 2; ++round) {
        QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(design->paletteButton(3));
        QVERIFY(entry && entry->actionInterface());
        const QStringList actions = entry->actionInterface()->actionNames();
        QVERIFY(!actions.isEmpty());
        entry->actionInterface()->doAction(actions.first());
        QCOMPARE(session.selectedKind(), 3);
        QTest::mouseClick(design->designWindow()->client(), Qt::LeftButton, {}, {20, 20 + 40 * round});
        QCOMPARE(design->designWindow()->components().size(), round + 1);
        QCOMPARE(design->paletteButton(3)->isChecked(), true);
    }

    // The handle's popup menu is found under the window, as its other menus are.
    QTest::mouseClick(design->designWindow()->components().first(), Qt::LeftButton, {}, {3, 3});
    QVERIFY(session.mover().IsAttached());
    QStringList items;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        if (node->object() == &session.mnuCpo()) {
            for (int i = 0; i < node->childCount(); ++i)
                items << node->child(i)->text(QAccessible::Name);
            return;
        }
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface *child = node->child(i))
                walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    QCOMPARE(items, QStringList({"Propriedades", "Deletar", "Eventos"}));

    // Closing asks while the design page is on screen.
    QVERIFY(window.IsModified());
    QCOMPARE(page->innerPages()->currentIndex(), 1);
    int asked = 0;
    whenModal([&asked](QWidget *box) {
        ++asked;
        qobject_cast<QMessageBox *>(box)->button(QMessageBox::No)->click();
    });
    QVERIFY(!window.close());
    QCOMPARE(asked, 1);
    testsupport::answerMessageBox(QMessageBox::Yes);
    QVERIFY(window.close());
}

QTEST_MAIN(TestDesignerDialogsInWindow)
#include "tst_designer_dialogs_in_window.moc"

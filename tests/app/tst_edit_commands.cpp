#include "app_fixture.h"

#include "app/edit_commands.h"
#include "app/find_replace_dialog.h"
#include "editor/syn_memo.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using appfixture::modalsDuring;
using appfixture::newDocument;

namespace {

} // namespace

// The editing commands of "&Editar", the find-and-replace dialog, the font
// dialog and printing, on the current editor.
class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandsWithoutPageDoNothing();
    void undoAndRedo();
    void findDialogIsModeless();
    void findNextGoesOnAndWraps();
    void findNextHonoursTheOptions_data();
    void findNextHonoursTheOptions();
    void notFoundIsSaidInTheDialog();
    void findSelectsAcrossLineBreaks();
    void replaceReplacesTheMatchAndMovesOn();
    void replaceAllIsOneUndoStep();
    void fontDialogCancelChangesNothing();
    void fontDialogOkChangesOnlyThisEditor();
    void fontDialogOkWithoutChangeKeepsTheLook();
    void printsEveryLineOnEnoughPages();
    void cancelledPrintPrintsNothing();
    void printDialog_data();
    void printDialog();

private:
    TSynMemo *editorWith(const QString &text);
    FindReplaceDialog &dialog() { return m_window->editing().ReplaceDialog1(); }
    void setFind(const QString &find, const QString &replace = QString());
    void click(const char *buttonName);
    static int pdfPageCount(const QString &path);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Tfrmprincipal> m_window;
};

void TestEditCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<Tfrmprincipal>(m_dir->path());
    QVERIFY(appfixture::showWindow(*m_window));
}

void TestEditCommands::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

TSynMemo *TestEditCommands::editorWith(const QString &text)
{
    newDocument(*m_window, 1);
    TSynMemo *editor = m_window->currentEditor();
    editor->SetText(text);
    editor->SetSelStart(0);
    return editor;
}

void TestEditCommands::setFind(const QString &find, const QString &replace)
{
    m_window->editing().Find();
    dialog().findChild<QLineEdit *>("FindText")->setText(find);
    dialog().findChild<QLineEdit *>("ReplaceText")->setText(replace);
}

void TestEditCommands::click(const char *buttonName)
{
    auto *button = dialog().findChild<QPushButton *>(QString::fromLatin1(buttonName));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

int TestEditCommands::pdfPageCount(const QString &path)
{
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf.readAll()).count(page));
}

void TestEditCommands::commandsWithoutPageDoNothing()
{
    EditCommands &editing = m_window->editing();
    QCOMPARE(modalsDuring([&] {
                 editing.Undo();
                 editing.Redo();
                 editing.Cut();
                 editing.Copy();
                 editing.Paste();
                 editing.SelectAll();
                 editing.Find();
                 editing.Font();
                 editing.Print();
             }),
             0);
    QVERIFY(!m_window->findChild<FindReplaceDialog *>() || !dialog().isVisible());
    QCOMPARE(m_window->pageCount(), 0);
}

void TestEditCommands::undoAndRedo()
{
    TSynMemo *editor = editorWith("class A{}");
    QTest::keyClicks(editor, "abc");
    QCOMPARE(editor->Text(), QString("abcclass A{}"));
    m_window->editing().Undo();
    QCOMPARE(editor->Text(), QString("class A{}"));
    // "Refazer" does again what was undone.
    m_window->editing().Redo();
    QCOMPARE(editor->Text(), QString("abcclass A{}"));
    m_window->editing().SelectAll();
    QCOMPARE(editor->SelLength(), editor->Text().size());
}

void TestEditCommands::findDialogIsModeless()
{
    TSynMemo *editor = editorWith("int x;");
    // The selection on one line is offered as the text to find.
    editor->SetSelStart(4);
    editor->SetSelLength(1);
    m_window->editing().Find();
    QVERIFY(dialog().isVisible());
    QVERIFY(!dialog().isModal());
    QCOMPARE(dialog().objectName(), QString("ReplaceDialog1"));
    QCOMPARE(dialog().findText(), QString("x"));
    QVERIFY(testsupport::noModalOpen());
    // The student can type in the editor while it is open.
    editor->SetSelStart(0);
    QTest::keyClicks(editor, "final ");
    QCOMPARE(editor->Text(), QString("final int x;"));
    QVERIFY(dialog().isVisible());
}

void TestEditCommands::findNextGoesOnAndWraps()
{
    TSynMemo *editor = editorWith("ab ab ab");
    setFind("ab");
    QList<int> starts;
    for (int i = 0; i < 4; ++i) {
        click("FindNext");
        starts << editor->SelStart();
        QCOMPARE(editor->SelLength(), 2);
        QCOMPARE(editor->SelText(), QString("ab"));
    }
    QCOMPARE(starts, QList<int>({0, 3, 6, 0}));
    QVERIFY(dialog().status().contains("início"));

    // Upwards from the caret.
    dialog().findChild<QRadioButton *>("Up")->setChecked(true);
    editor->SetSelStart(5);
    QVERIFY(m_window->editing().findNext());
    QCOMPARE(editor->SelStart(), 3);
}

void TestEditCommands::findNextHonoursTheOptions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<int>("selStart"); // -1: not found
    QTest::newRow("match case misses Class") << "Class x" << "class" << true << false << -1;
    QTest::newRow("whole word skips print") << "print(i); i++;" << "i" << true << true << 6;
}

void TestEditCommands::findNextHonoursTheOptions()
{
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(int, selStart);
    TSynMemo *editor = editorWith(text);
    setFind(find);
    dialog().findChild<QCheckBox *>("MatchCase")->setChecked(matchCase);
    dialog().findChild<QCheckBox *>("WholeWord")->setChecked(wholeWord);
    QCOMPARE(m_window->editing().findNext(), selStart >= 0);
    if (selStart >= 0) {
        QCOMPARE(editor->SelStart(), selStart);
        QCOMPARE(editor->SelLength(), find.size());
    }
}

void TestEditCommands::notFoundIsSaidInTheDialog()
{
    TSynMemo *editor = editorWith("class A{}");
    editor->SetSelStart(2);
    setFind("zz");
    click("FindNext");
    QCOMPARE(dialog().findChild<QLabel *>("Status")->text(), QString("\"zz\" não foi encontrado."));
    QCOMPARE(editor->SelStart(), 2);
    QCOMPARE(editor->SelLength(), 0);
    click("ReplaceAll");
    QCOMPARE(dialog().status(), QString("\"zz\" não foi encontrado."));
    QVERIFY(m_window->IsModified()); // from the new document, not from the search
    QCOMPARE(editor->Text(), QString("class A{}"));
}

void TestEditCommands::findSelectsAcrossLineBreaks()
{
    TSynMemo *editor = editorWith("public class A{\r\n    int total;\r\n}");
    setFind("total");
    click("FindNext");
    // Each line break counts two characters.
    QCOMPARE(editor->SelStart(), 25);
    QCOMPARE(editor->CaretY(), 2);
    QCOMPARE(editor->SelText(), QString("total"));
}

void TestEditCommands::replaceReplacesTheMatchAndMovesOn()
{
    TSynMemo *editor = editorWith("x = x + 1;\r\nprint(x);");
    m_window->ClearModified();
    setFind("x", "valor");
    dialog().findChild<QCheckBox *>("WholeWord")->setChecked(true);
    // The first press only finds; the next ones replace and move on.
    click("Replace");
    QCOMPARE(editor->SelStart(), 0);
    QCOMPARE(editor->Text(), QString("x = x + 1;\r\nprint(x);"));
    click("Replace");
    QCOMPARE(editor->Text(), QString("valor = x + 1;\r\nprint(x);"));
    QCOMPARE(editor->SelStart(), 8);
    QCOMPARE(editor->SelText(), QString("x"));
    QVERIFY(m_window->IsModified());
    click("Replace");
    click("Replace");
    QCOMPARE(editor->Text(), QString("valor = valor + 1;\r\nprint(valor);"));
    // A replacement that holds the find text is not found again.
    QCOMPARE(dialog().status(), QString("\"x\" não foi encontrado."));
}

void TestEditCommands::replaceAllIsOneUndoStep()
{
    const QString text = "int i = 0;\r\nwhile (i < 10) {\r\n    i++;\r\n}";
    TSynMemo *editor = editorWith(text);
    m_window->ClearModified();
    setFind("i", "contador");
    dialog().findChild<QCheckBox *>("WholeWord")->setChecked(true);
    click("ReplaceAll");
    const QString replaced = "int contador = 0;\r\nwhile (contador < 10) {\r\n    contador++;\r\n}";
    QCOMPARE(editor->Text(), replaced);
    QCOMPARE(dialog().status(), QString("3 ocorrências substituídas."));
    QVERIFY(m_window->IsModified());

    m_window->editing().Undo();
    QCOMPARE(editor->Text(), text);
    m_window->editing().Redo();
    QCOMPARE(editor->Text(), replaced);

    setFind("while", "for");
    QCOMPARE(m_window->editing().replaceAll(), 1);
    QCOMPARE(dialog().status(), QString("1 ocorrência substituída."));
}

void TestEditCommands::fontDialogCancelChangesNothing()
{
    TSynMemo *editor = editorWith("x");
    const QFont before = editor->font();
    testsupport::whenModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QString("fntdlg"));
        dialog->setCurrentFont(QFont("DejaVu Sans", 20));
        dialog->reject();
    });
    m_window->editing().Font();
    QCOMPARE(editor->font(), before);
}

void TestEditCommands::fontDialogOkChangesOnlyThisEditor()
{
    TSynMemo *first = editorWith("x");
    TSynMemo *second = editorWith("y");
    const QFont before = first->font();
    QFont presetSeen;
    testsupport::whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        QVERIFY(dialog);
        presetSeen = dialog->currentFont();
        QFont big = dialog->currentFont();
        big.setPointSize(20);
        dialog->setCurrentFont(big);
        dialog->accept();
    });
    m_window->editing().Font();
    // The dialog opens on the editor's own font, as drawn.
    QCOMPARE(presetSeen.family(), QFontInfo(before).family());
    QCOMPARE(presetSeen.pointSize(), before.pointSize());
    QCOMPARE(second->font().pointSize(), 20);
    QCOMPARE(first->font(), before);
}

void TestEditCommands::fontDialogOkWithoutChangeKeepsTheLook()
{
    TSynMemo *editor = editorWith("x");
    const QFontInfo before(editor->font());
    testsupport::whenModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->accept(); });
    m_window->editing().Font();
    const QFontInfo after(editor->font());
    QCOMPARE(after.family(), before.family());
    QCOMPARE(after.pointSize(), before.pointSize());
    QCOMPARE(after.bold(), before.bold());
    QCOMPARE(after.fixedPitch(), before.fixedPitch());
}

void TestEditCommands::printsEveryLineOnEnoughPages()
{
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("System.out.println(%1);").arg(i);
    TSynMemo *editor = editorWith(lines.join("\r\n"));
    const QString pdf = m_dir->filePath("impresso.pdf");
    QString jobTitle;
    m_window->editing().setPrintDialogStandIn([&](QPrinter &printer) {
        printer.setOutputFileName(pdf);
        printer.setPrintRange(QPrinter::AllPages);
        printer.setCopyCount(2);
        printer.setCollateCopies(true);
        return true;
    });
    m_window->editing().Print();
    jobTitle = m_window->editing().printer().docName();
    QCOMPARE(jobTitle, QString("Impressão Tavessa"));

    // The editor's font decides how many lines fit on a page.
    QPrinter &printer = m_window->editing().printer();
    const QFontMetricsF metrics(QFont(editor->font(), &printer), &printer);
    const qreal height = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const int perPage = int(height / metrics.lineSpacing());
    const int pages = (300 + perPage - 1) / perPage;
    QVERIFY(pages >= 3);
    QCOMPARE(pdfPageCount(pdf), 2 * pages);
}

void TestEditCommands::cancelledPrintPrintsNothing()
{
    editorWith("x");
    const QString pdf = m_dir->filePath("nada.pdf");
    m_window->editing().setPrintDialogStandIn([&](QPrinter &printer) {
        printer.setOutputFileName(pdf);
        return false;
    });
    m_window->editing().Print();
    QVERIFY(!QFile::exists(pdf));
}

void TestEditCommands::printDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("cancel") << false;
    QTest::newRow("print to the file it shows") << true;
}

void TestEditCommands::printDialog()
{
    QFETCH(bool, accept);
    editorWith("public class A{}");
    const QString pdf = m_dir->filePath("dialogo.pdf");
    m_window->editing().printer().setOutputFileName(pdf);
    QString name;
    int minPage = 0, maxPage = 0, copies = 0;
    testsupport::whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        QVERIFY(dialog);
        name = dialog->objectName();
        minPage = dialog->minPage();
        maxPage = dialog->maxPage();
        copies = dialog->printer()->copyCount();
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    m_window->editing().Print();
    QCOMPARE(name, QString("prtdlg"));
    QCOMPARE(minPage, 1);
    QCOMPARE(maxPage, 999);
    QCOMPARE(copies, 1);
    QCOMPARE(QFile::exists(pdf), accept);
    if (accept)
        QCOMPARE(pdfPageCount(pdf), 1);
}

QTEST_MAIN(TestEditCommands)
#include "tst_edit_commands.moc"

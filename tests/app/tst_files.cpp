#include "bad_input_support.h"
#include "file_test_support.h"

#include "app/designer_bridge.h"
#include "app/file_commands.h"
#include "designer/design_page.h"
#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/preview_control.h"
#include "common/toolbar_row.h"
#include "editor/syn_memo.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>


using appfixture::modalsDuring;
using appfixture::newDocument;

using namespace filetest;

// Opening, saving and closing documents through the commands and dialogs.
class TestFiles : public QObject, private WindowInFolder
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openDialogStartsInProgramFolder();
    void openingMissingFileWarns();
    void openedFileState();
    void openThenSaveKeepsBytes_data();
    void openThenSaveKeepsBytes();
    void kindFollowsObjectsFile_data();
    void kindFollowsObjectsFile();
    void binaryFileAsksFirst_data();
    void binaryFileAsksFirst();
    void newDocumentSavedTwice();
    void swingDesignIsSavedBesideAndReadBack();
    void proposedName_data();
    void proposedName();
    void charactersOutsideWindows1252SwitchToUtf8();
    void failingSaveKeepsMarkAndOldFile();
    void failingSaveAsKeepsTheDocumentAsItWas();
    void closeAnswers_data();
    void closeAnswers();
    void closeWithCancelledSaveKeepsPage();
    void closeShowsFollowingPage();
    void commandsWithoutPageDoNothing();

};

void TestFiles::init()
{
    makeWindow();
}

void TestFiles::cleanup()
{
    dropWindow();
}

void TestFiles::openDialogStartsInProgramFolder()
{
    DialogSeen seen;
    answerFileDialog(QString(), &seen);
    m_window->files().Open();

    QCOMPARE(seen.objectName, QString("opendlg"));
    QCOMPARE(seen.folder, QDir(m_dir->filePath("programa")).absolutePath());
    QCOMPARE(seen.filters, QStringList({"Arquivo Fonte (*.java)", "Arquivo Fonte (*.*)"}));
    QCOMPARE(seen.defaultSuffix, QString("java"));
    QCOMPARE(seen.proposedName, QString());
    // Cancelled: nothing happens.
    QCOMPARE(m_window->pageCount(), 0);
    QVERIFY(testsupport::noModalOpen());

    // A name typed last time is not proposed again.
    testsupport::whenModal([](QWidget *modal) {
        modal->findChild<QLineEdit *>("fileNameEdit")->setText("Velho.java");
        qobject_cast<QDialog *>(modal)->reject();
    });
    m_window->files().Open();
    answerFileDialog(QString(), &seen);
    m_window->files().Open();
    QCOMPARE(seen.proposedName, QString());
}

void TestFiles::openingMissingFileWarns()
{
    QString warning;
    answerFileDialog(m_dir->filePath("Nada.java"), nullptr,
                     [&] { testsupport::answerMessageBox(QMessageBox::Ok, &warning); });
    m_window->files().Open();
    QCOMPARE(warning, QString("Arquivo inexistente."));
    QCOMPARE(m_window->pageCount(), 0);
    QCOMPARE(m_window->documentCounter(), 0);
}

void TestFiles::openedFileState()
{
    const QString path = m_dir->filePath("Hello.java");
    writeFile(path, "public class Hello{\n}\n");
    DocumentPage *page = open(path);

    QVERIFY(page);
    QCOMPARE(page->kind(), DocumentKind::Code);
    QCOMPARE(page->caption(), QString("Hello.java"));
    QVERIFY(!m_window->IsModified());
    QCOMPARE(page->tag(), "0;" + path + ";");
    QCOMPARE(page->documentPath(), path);
    QCOMPARE(m_window->statusFolder(), m_dir->path());
    QCOMPARE(m_window->currentEditor(), page->editor());
    QCOMPARE(page->editor()->Text(), QString("public class Hello{\r\n}\r\n"));
    QCOMPARE(page->lineBreak(), QString("\n"));
    QCOMPARE(page->encoding(), QByteArray("UTF-8"));
    QCOMPARE(m_window->focusWidget(), page->editor());
    // The choice of folder is the working directory compile and run use.
    QCOMPARE(QDir::currentPath(), m_dir->path());

    QVERIFY(m_window->menuItem("Estruturas1")->isEnabled());
    QVERIFY(m_window->menuItem("AplicacoesGraficas1")->isEnabled());
    QVERIFY(m_window->row("grpestruturas")->isEnabled());
    QVERIFY(m_window->row("grpaplicacaografica")->isEnabled());
    QVERIFY(m_window->row("grpmetodos")->isEnabled());
    QVERIFY(!m_window->row("grpestruturas")->isVisible());
    QVERIFY(m_window->menu("Applet1")->menuAction()->isVisible());
    QVERIFY(m_window->menuItem("Fechar1")->isEnabled());
    QVERIFY(m_window->menu("Editar1")->menuAction()->isVisible());
}

void TestFiles::openThenSaveKeepsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("encoding");
    QTest::newRow("CR LF, UTF-8") << QByteArray("// ação\r\nclass A{}\r\n") << QByteArray("UTF-8");
    QTest::newRow("CR, UTF-8") << QByteArray("a\rb\r\r") << QByteArray("UTF-8");
    QTest::newRow("CR LF, Windows-1252") << QByteArray("// a\xE7\xE3o \x80\r\nclass A{}")
                                         << QByteArray("windows-1252");
    QTest::newRow("LF, Windows-1252, undefined bytes")
        << QByteArray("\x81\x8D\x8F\x90\x9D\n") << QByteArray("windows-1252");
}

void TestFiles::openThenSaveKeepsBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, encoding);
    const QString path = m_dir->filePath("A.java");
    writeFile(path, bytes);

    DocumentPage *page = open(path);
    QVERIFY(page);
    QCOMPARE(page->encoding(), encoding);
    // The save command stays available right after opening; saving asks
    // nothing, since the file exists.
    QVERIFY(m_window->button("spdbsalvar")->isEnabled());
    QVERIFY(m_window->files().SaveCurrentDocument());
    QVERIFY(testsupport::noModalOpen());
    QCOMPARE(readAll(path), bytes);

    // A typed line keeps the file's own line breaks and encoding.
    page->editor()->SetSelStart(0);
    type("x");
    QVERIFY(m_window->IsModified());
    QVERIFY(m_window->files().SaveCurrentDocument());
    QVERIFY(!m_window->IsModified());
    QCOMPARE(readAll(path), QByteArray("x") + bytes);
}

void TestFiles::kindFollowsObjectsFile_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("objects"); // written beside it; empty: none
    QTest::addColumn<bool>("swing");
    QTest::newRow("Hello.objects beside") << "Hello.java" << "Hello.objects" << true;
    QTest::newRow("no objects file") << "Hello.java" << "" << false;
    QTest::newRow("a.b.objects for a.b.java") << "a.b.java" << "a.b.objects" << true;
    QTest::newRow("older a.objects for a.b.java") << "a.b.java" << "a.objects" << true;
    QTest::newRow("another name is not it") << "Hello.java" << "Outro.objects" << false;
}

void TestFiles::kindFollowsObjectsFile()
{
    QFETCH(QString, source);
    QFETCH(QString, objects);
    QFETCH(bool, swing);
    writeFile(m_dir->filePath(source), "public class X{}");
    if (!objects.isEmpty())
        writeFile(m_dir->filePath(objects), "TForm() Form1[\nForm1\n0\n0\n1\n1\n300\n400\n]\n");

    DocumentPage *page = open(m_dir->filePath(source));
    QVERIFY(page);
    QCOMPARE(page->kind(), swing ? DocumentKind::SwingWindow : DocumentKind::Code);
    QCOMPARE(page->designPage() != nullptr, swing);
    QCOMPARE(page->tag(), QString(swing ? "1;" : "0;") + m_dir->filePath(source) + ";");
    // The caption is the file's name, whichever objects file was found.
    QCOMPARE(page->caption(), source);
    QVERIFY(!m_window->IsModified());
}

void TestFiles::binaryFileAsksFirst_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void TestFiles::binaryFileAsksFirst()
{
    QFETCH(bool, answerYes);
    const QString path = m_dir->filePath("Hello.class");
    writeFile(path, QByteArray("\xCA\xFE\xBA\xBE\0\0\0\x3D", 8));
    QString question;
    answerFileDialog(path, nullptr, [&] {
        testsupport::answerMessageBox(answerYes ? QMessageBox::Yes : QMessageBox::No, &question);
    });
    m_window->files().Open();
    QVERIFY2(question.contains("bytes nulos"), qPrintable(question));
    QVERIFY(question.contains(path));
    QCOMPARE(m_window->pageCount(), answerYes ? 1 : 0);
}

void TestFiles::newDocumentSavedTwice()
{
    DocumentPage *page = newDocument(*m_window, 1);
    QCOMPARE(page->caption(), QString("semnome1.java *"));
    const QString folder = m_dir->filePath("trabalho");
    QDir().mkpath(folder);

    DialogSeen seen;
    // The dialog adds ".java" to the proposed name.
    answerFileDialog(folder + "/semnome1", &seen);
    QVERIFY(m_window->files().SaveCurrentDocument());
    QCOMPARE(seen.objectName, QString("svdlg"));
    QCOMPARE(seen.proposedName, QString("semnome1"));
    QCOMPARE(seen.defaultSuffix, QString("java"));

    const QString path = folder + "/semnome1.java";
    QCOMPARE(page->caption(), QString("semnome1.java"));
    QCOMPARE(page->tag(), "0;" + path + ";");
    QCOMPARE(m_window->statusFolder(), folder);
    QCOMPARE(QDir::currentPath(), folder);
    // A new document is written as UTF-8 with CR LF, no break after the last line.
    QCOMPARE(readAll(path), QByteArray("public class semnome1{\r\n        public static void "
                                       "main(String args[]){\r\n\r\n        }\r\n}"));

    // The second save writes silently to the same file.
    page->editor()->SetSelStart(0);
    type("// ");
    QVERIFY(m_window->IsModified());
    bool saved = false;
    QCOMPARE(modalsDuring([&] { saved = m_window->files().SaveCurrentDocument(); }), 0);
    QVERIFY(saved);
    QVERIFY(readAll(path).startsWith("// public class semnome1{"));
    QCOMPARE(page->tag(), "0;" + path + ";");

    // Save As to a second name puts the new path first in the tag.
    const QString second = folder + "/Outro.java";
    answerFileDialog(second);
    m_window->files().SaveAs();
    QCOMPARE(page->tag(), "0;" + second + ";" + path + ";");
    QCOMPARE(page->caption(), QString("Outro.java"));
    QCOMPARE(readAll(second), readAll(path));
}

void TestFiles::swingDesignIsSavedBesideAndReadBack()
{
    DocumentPage *page = newDocument(*m_window, 5);
    DesignPage *design = DesignerBridge::designPageOf(*page);
    QVERIFY(design);
    DesignerSession &session = m_window->designer().session();
    PreviewControl *button =
        session.placeComponent(design->designWindow(), ComponentKind::JButton, QPoint(24, 16));
    session.ComponenteMouseDown(button, Qt::NoModifier);
    QCOMPARE(session.selection().size(), 1);

    // a.b.java keeps its whole name for the design: a.b.objects.
    answerFileDialog(m_dir->filePath("a.b.java"));
    QVERIFY(m_window->files().SaveCurrentDocument());
    QVERIFY(session.selection().isEmpty());
    const QByteArray objects = readAll(m_dir->filePath("a.b.objects"));
    QVERIFY2(objects.startsWith("TForm() Form1[\nForm1\n"), objects.constData());
    QVERIFY(objects.contains("\nTButton(1) jButton1[\njButton1\n24\n16\n"));
    QVERIFY(objects.endsWith("]\n]\n"));
    QCOMPARE(objects.count('['), 2); // the window and the button, nothing else
    QVERIFY(!QFile::exists(m_dir->filePath("a.objects")));

    DocumentPage *reopened = open(m_dir->filePath("a.b.java"));
    QCOMPARE(reopened->kind(), DocumentKind::SwingWindow);
    QCOMPARE(reopened->caption(), QString("a.b.java"));
    const QList<PreviewControl *> components =
        DesignerBridge::designPageOf(*reopened)->designWindow()->components();
    QCOMPARE(components.size(), 1);
    QCOMPARE(components.first()->name(), QString("jButton1"));
    QCOMPARE(reopened->editor()->Text(), page->editor()->Text());
}

void TestFiles::proposedName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("extends Frame") << "import java.awt.*;\r\npublic class Hello extends Frame{\r\n}"
                                   << "Hello";
    QTest::newRow("no public class") << "class Hello{\r\n}" << "";
}

void TestFiles::proposedName()
{
    QFETCH(QString, text);
    QFETCH(QString, proposed);
    // The dialog proposed another name before: it never shows it again.
    newDocument(*m_window, 1);
    answerFileDialog(QString());
    QVERIFY(!m_window->files().SaveCurrentDocument());
    newDocument(*m_window, 1);
    m_window->currentEditor()->SetText(text);
    DialogSeen seen;
    answerFileDialog(QString(), &seen);
    QVERIFY(!m_window->files().SaveCurrentDocument());
    QCOMPARE(seen.proposedName, proposed);
    // Cancelled: the page is still new and marked.
    QVERIFY(m_window->IsModified());
    QCOMPARE(m_window->activePage()->tag(), QString("0;"));
}

void TestFiles::charactersOutsideWindows1252SwitchToUtf8()
{
    const QString path = m_dir->filePath("Velho.java");
    writeFile(path, "// ol\xE1\r\n");
    DocumentPage *page = open(path);
    QCOMPARE(page->encoding(), QByteArray("windows-1252"));
    page->editor()->SetSelStart(0);
    page->editor()->SetSelText(QString::fromUtf8("λ"));

    QString note;
    testsupport::answerMessageBox(QMessageBox::Ok, &note);
    QVERIFY(m_window->files().SaveCurrentDocument());
    QVERIFY2(note.contains("UTF-8"), qPrintable(note));
    QCOMPARE(page->encoding(), QByteArray("UTF-8"));
    QCOMPARE(readAll(path), QByteArray("\xCE\xBB// ol\xC3\xA1\r\n"));
}

void TestFiles::failingSaveKeepsMarkAndOldFile()
{
    const QString path = m_dir->filePath("Grande.java");
    const QByteArray old("public class Grande{}\r\n");
    writeFile(path, old);
    DocumentPage *page = open(path);
    page->editor()->SetSelStart(0);
    type("x");
    // Bigger than the limit below.
    page->editor()->SetSelText(QString(20000, QLatin1Char('y')));
    QVERIFY(m_window->IsModified());

    QString error;
    testsupport::answerMessageBox(QMessageBox::Ok, &error);
    bool saved;
    {
        badinput::FileSizeLimit limit(4096);
        saved = m_window->files().SaveCurrentDocument();
    }
    QVERIFY(!saved);
    QVERIFY2(error.startsWith("Não foi possível salvar o arquivo \"" + path + "\": "),
             qPrintable(error));
    QVERIFY(m_window->IsModified());
    QCOMPARE(page->caption(), QString("Grande.java*"));
    QCOMPARE(readAll(path), old);
}

void TestFiles::failingSaveAsKeepsTheDocumentAsItWas()
{
    DocumentPage *page = newDocument(*m_window, 1);
    QString error;
    testsupport::answerMessageBox(QMessageBox::Ok, &error);
    const QString path = m_dir->filePath("nao/existe/A.java");
    QVERIFY(!m_window->files().saveActiveDocumentAs(path));
    QVERIFY2(error.contains(path) && error.contains("não existe"), qPrintable(error));
    QCOMPARE(page->tag(), QString("0;"));
    QCOMPARE(page->caption(), QString("semnome1.java *"));
}

void TestFiles::closeAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("pageStays");
    QTest::addColumn<bool>("editSaved");
    QTest::newRow("cancel keeps the page") << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("no discards the edit") << int(QMessageBox::No) << false << false;
    QTest::newRow("yes saves, then closes") << int(QMessageBox::Yes) << false << true;
}

void TestFiles::closeAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, pageStays);
    QFETCH(bool, editSaved);
    const QString path = m_dir->filePath("Fechar.java");
    writeFile(path, "class Fechar{}");
    open(path);
    m_window->currentEditor()->SetSelStart(0);
    type("final ");

    QString question;
    testsupport::answerMessageBox(QMessageBox::StandardButton(answer), &question);
    m_window->files().Close();
    QCOMPARE(question, QString("Deseja salvar o aplicativo ?"));
    QCOMPARE(m_window->pageCount(), pageStays ? 1 : 0);
    QCOMPARE(readAll(path), editSaved ? QByteArray("final class Fechar{}") : QByteArray("class Fechar{}"));
    if (pageStays) {
        QVERIFY(m_window->IsModified());
    } else {
        QVERIFY(!m_window->currentEditor());
        QCOMPARE(m_window->statusFolder(), QString());
    }
}

void TestFiles::closeWithCancelledSaveKeepsPage()
{
    DocumentPage *page = newDocument(*m_window, 1);
    // "Yes" leads to the save dialog of the new document; cancelling it keeps the work.
    QString question;
    testsupport::whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        question = box->text();
        answerFileDialog(QString());
        box->button(QMessageBox::Yes)->click();
    });
    m_window->files().Close();
    QCOMPARE(question, QString("Deseja salvar o aplicativo ?"));
    QCOMPARE(m_window->pageCount(), 1);
    QCOMPARE(m_window->activePage(), page);
    QVERIFY(m_window->IsModified());
}

void TestFiles::closeShowsFollowingPage()
{
    const QString other = m_dir->filePath("outra");
    QDir().mkpath(other);
    writeFile(other + "/Um.java", "class Um{}");
    writeFile(m_dir->filePath("Dois.java"), "class Dois{}");
    DocumentPage *fresh = newDocument(*m_window, 1);
    DocumentPage *um = open(other + "/Um.java");
    DocumentPage *dois = open(m_dir->filePath("Dois.java"));

    // An unmodified page closes without a question; the last page is
    // followed by the first.
    m_window->setActivePage(dois);
    m_window->files().Close();
    QCOMPARE(m_window->pageCount(), 2);
    QCOMPARE(m_window->activePage(), fresh);
    QCOMPARE(m_window->statusFolder(), QString());
    QCOMPARE(m_window->currentEditor(), fresh->editor());

    testsupport::answerMessageBox(QMessageBox::No);
    m_window->files().Close();
    QCOMPARE(m_window->pageCount(), 1);
    QCOMPARE(m_window->activePage(), um);
    QCOMPARE(m_window->statusFolder(), other);
    QCOMPARE(m_window->currentEditor(), um->editor());
    QCOMPARE(m_window->focusWidget(), um->editor());
    QVERIFY(!m_window->button("spdbsalvar")->isEnabled());

    m_window->files().Close();
    QCOMPARE(m_window->pageCount(), 0);
    QVERIFY(!m_window->currentEditor());
    QCOMPARE(m_window->statusFolder(), QString());
}

void TestFiles::commandsWithoutPageDoNothing()
{
    bool saved = true;
    QCOMPARE(modalsDuring([&] {
                 saved = m_window->files().SaveCurrentDocument();
                 m_window->files().SaveAs();
                 m_window->files().Close();
             }),
             0);
    QVERIFY(!saved);
    QCOMPARE(m_window->pageCount(), 0);
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"

#include "app_fixture.h"

#include "app/build_commands.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "editor/syn_memo.h"
#include "javatools/compiler_explanations.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

// Compile, run and the log lines that lead back to the source, driven
// through the main window with the real javac.
class TestBuildCommands : public QObject
{
    Q_OBJECT

private:
    struct Boxes
    {
        QStringList texts;
        bool active = true;
    };

    // Answers (and records) every modal box until `boxes` is made inactive.
    static void answerAll(const std::shared_ptr<Boxes> &boxes)
    {
        testsupport::whenModal(
            [boxes](QWidget *modal) {
                if (!boxes->active)
                    return;
                if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                    boxes->texts << box->text();
                    box->button(QMessageBox::Ok)->click();
                } else {
                    boxes->texts << modal->objectName();
                    qobject_cast<QDialog *>(modal)->reject();
                }
                answerAll(boxes);
            },
            60000);
    }

    template<typename F>
    static QStringList boxesDuring(F action)
    {
        auto boxes = std::make_shared<Boxes>();
        answerAll(boxes);
        action();
        boxes->active = false;
        return boxes->texts;
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static DocumentPage *openSource(Tfrmprincipal &w, const QString &path, const QByteArray &text)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return nullptr;
        file.close();
        return w.pageOf(w.files().openFile(path));
    }

    // The log as javac and the verdict wrote it, without the explanations.
    static QStringList logLines(Tfrmprincipal &w)
    {
        QStringList lines;
        for (int i = 0; i < w.lstLog()->count(); ++i) {
            const QString text = w.lstLog()->item(i)->text();
            if (!text.startsWith(CompilerExplanations::linePrefix()))
                lines << text;
        }
        return lines;
    }

    // A stand-in terminal, first on the search path, that records its folder
    // and arguments into `record`.
    void putStandInTerminal(const QString &folder, const QString &record)
    {
        QFile script(QDir(folder).filePath("x-terminal-emulator"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; } > '" + record.toUtf8() + "'\n");
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", folder.toUtf8() + ':' + m_path);
    }

    QByteArray m_path = qgetenv("PATH");
    QString m_folder = QDir::currentPath();
    const QString kSucceeded = QStringLiteral("Compilação completada com sucesso!");
    const QString kFailed = QStringLiteral("Compilação completada com erro!");

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Korvine 4.0"));
        if (QStandardPaths::findExecutable("javac").isEmpty())
            QSKIP("no javac on the search path");
    }
    void cleanup()
    {
        qputenv("PATH", m_path);
        QDir::setCurrent(m_folder);
    }

    void compile_data()
    {
        // An empty source stands for a new document whose save is cancelled.
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("boxes");
        const QByteArray path = qgetenv("PATH");
        const QStringList old = {"old line"};
        QTest::newRow("correct") << QByteArray("public class Hello {\r\n}\r\n") << path
                                 << QStringList{kSucceeded} << QStringList{};
        QTest::newRow("syntax error")
            << QByteArray("public class Hello {\r\n  int x = 1\r\n}\r\n") << path
            << QStringList{"Hello.java:2: error: ';' expected", "  int x = 1", "           ^",
                           "1 error", kFailed}
            << QStringList{kFailed};
        QTest::newRow("warning only")
            << QByteArray("public class Hello { Integer i = new Integer(5); }") << path
            << QStringList{"Hello.java:1: warning: [removal] Integer(int) in Integer has been "
                           "deprecated and marked for removal",
                           "public class Hello { Integer i = new Integer(5); }",
                           "                                 ^", "1 warning", kSucceeded}
            << QStringList{};
        QTest::newRow("save cancelled") << QByteArray() << path << old << QStringList{"svdlg"};
        QTest::newRow("no compiler") << QByteArray("class A {}") << QByteArray() << old
                                     << QStringList{"Não foi possível cria o processo"};
    }

    void compile()
    {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, path);
        QFETCH(QStringList, log);
        QFETCH(QStringList, boxes);
        QTemporaryDir folder;
        Tfrmprincipal w(folder.path());
        if (source.isEmpty())
            appfixture::newDocument(w, 1);
        else
            QVERIFY(openSource(w, folder.filePath("Hello.java"), source));
        w.lstLog()->addItem("old line");
        qputenv("PATH", path);
        QCOMPARE(boxesDuring([&] { w.build().Compile(); }), boxes);
        QCOMPARE(logLines(w), log);
        if (QTest::currentDataTag() == QByteArray("syntax error")) {
            // The explanation follows the message it explains, naming its line.
            const QString explanation = w.lstLog()->item(3)->text();
            QVERIFY(explanation.startsWith(CompilerExplanations::linePrefix()));
            QVERIFY2(explanation.contains("linha 2"), qPrintable(explanation));
            QCOMPARE(w.lstLog()->item(4)->text(), QString("1 error"));
        }
        // Every compile that starts javac makes running possible.
        const bool started = log != QStringList{"old line"};
        QCOMPARE(w.button("spdbexecutar")->isEnabled(), started);
        QCOMPARE(w.menuItem("Executarocodigo1")->isEnabled(), started);
        QVERIFY(QDir(folder.path()).entryList({"err.x"}).isEmpty());
    }

    void eachDocumentCompilesInItsFolderAndLeadsBackToIt()
    {
        QTemporaryDir root;
        const QString a = root.filePath("a"), b = root.filePath("b");
        Tfrmprincipal w(root.path());
        QVERIFY(appfixture::showWindow(w));
        DocumentPage *pageA = openSource(w, a + "/Hello.java", "public class Hello {}\n");
        DocumentPage *pageB = openSource(w, b + "/Hello.java", "public class Hello {\n\n  int x = y;\n}\n");
        QVERIFY(pageA && pageB);
        QDir::setCurrent(root.path());

        w.setActivePage(pageA);
        w.pagFormsChange();
        QCOMPARE(boxesDuring([&] { w.build().Compile(); }), QStringList{});
        QVERIFY(QFile::exists(a + "/Hello.class"));
        QVERIFY(readFile(a + "/comp.bat").endsWith(" \"Hello.java\""));

        w.setActivePage(pageB);
        w.pagFormsChange();
        QCOMPARE(boxesDuring([&] { w.build().Compile(); }), QStringList{kFailed});
        QCOMPARE(logLines(w).value(0), QString("Hello.java:3: error: cannot find symbol"));
        QVERIFY(!QFile::exists(b + "/Hello.class"));
        QVERIFY(!QFile::exists(root.filePath("comp.bat")));

        // From the other page, a double-click on the message's source line.
        w.setActivePage(pageA);
        w.pagFormsChange();
        QListWidget *log = w.lstLog();
        const QPoint line = log->visualItemRect(log->item(1)).center();
        // A double-click is a click, then the second press arriving as one.
        QTest::mouseClick(log->viewport(), Qt::LeftButton, {}, line);
        QTest::mouseDClick(log->viewport(), Qt::LeftButton, {}, line);
        // The platform may deliver the double-click after the call returns.
        QTRY_COMPARE(w.activePage(), pageB);
        QCOMPARE(w.currentEditor(), pageB->editor());
        QCOMPARE(pageB->editor()->CaretY(), 3);
        QCOMPARE(pageB->editor()->textCursor().positionInBlock(), 10);
        // The verdict leads nowhere.
        pageB->editor()->SetCaretY(1);
        w.build().lstLogDblClick(log->item(log->count() - 1));
        QCOMPARE(pageB->editor()->CaretY(), 1);

        // The message's place is marked with its explanation; editing that
        // line takes the mark away, and each compile marks anew.
        TSynMemo *editor = pageB->editor();
        QCOMPARE(editor->Markers().size(), 1);
        QCOMPARE(editor->Markers().first().line(), 2);
        QCOMPARE(editor->Markers().first().range.selectedText(), QString("y"));
        QCOMPARE(CompilerExplanations::linePrefix() + editor->Markers().first().tip,
                 log->item(5)->text());
        editor->SetCaretY(2);
        QTest::keyClicks(editor, "int y = 1;");
        QCOMPARE(editor->Markers().size(), 1);
        editor->SetCaretY(3);
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, " ");
        QVERIFY(editor->Markers().isEmpty());
        QCOMPARE(boxesDuring([&] { w.build().Compile(); }), QStringList{});
        QVERIFY(editor->Markers().isEmpty());

        // A missing "}" is marked on the "{" its explanation names, not at
        // the end of the file; the log grows to show the messages whole.
        pageB->document().setSourceText("public class Hello {\n    void f() {\n        int x = 1;\n\n}\n");
        QCOMPARE(boxesDuring([&] { w.build().Compile(); }), QStringList{kFailed});
        QCOMPARE(editor->Markers().size(), 1);
        QCOMPARE(editor->Markers().first().line(), 1);
        QVERIFY2(editor->Markers().first().tip.contains(QStringLiteral("linha 2")),
                 qPrintable(editor->Markers().first().tip));
        QTRY_VERIFY2(log->height() > 56, qPrintable(QString::number(log->height())));
        QVERIFY(log->height() < 200);
    }

    void runStartsTheScriptInATerminal()
    {
        QTemporaryDir folder;
        const QString record = folder.filePath("record");
        putStandInTerminal(folder.path(), record);
        Tfrmprincipal w(folder.path());
        DocumentPage *page = appfixture::newDocument(w, 1);
        page->editor()->Lines().Insert(2, "System.out.println(\"oi de semnome1\");");
        QVERIFY(QDir(folder.path()).mkpath("prog"));
        QVERIFY(w.files().saveActiveDocumentAs(folder.filePath("prog/semnome1.java")));
        QCOMPARE(boxesDuring([&] { w.build().Compile(); }), QStringList{});
        QDir::setCurrent(QDir::tempPath());

        QCOMPARE(boxesDuring([&] { w.build().Run(); }), QStringList{});
        const QString script = folder.filePath("prog/exec.bat");
        QCOMPARE(readFile(script), QByteArray("java semnome1\nprintf '%s' 'Pressione Enter para "
                                              "continuar . . . '; read -r tecla\n"));
        const QString expected = folder.filePath("prog") + "\n-e\n/bin/sh\n" + script + "\n";
        QTRY_COMPARE(QString::fromUtf8(readFile(record)), expected);

        // What the terminal would run, with nobody at the keyboard.
        QProcess shell;
        shell.setWorkingDirectory(folder.filePath("prog"));
        shell.setStandardInputFile(QProcess::nullDevice());
        shell.start("/bin/sh", {script});
        QVERIFY(shell.waitForFinished(20000));
        QCOMPARE(shell.readAllStandardOutput(),
                 QByteArray("oi de semnome1\nPressione Enter para continuar . . . "));
    }

    void runRefused_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QStringList>("boxes");
        const QString noClass = "Nenhuma classe pública foi encontrada no código: o programa "
                                "precisa de uma linha \"public class Nome\", com um nome de "
                                "classe Java válido, para ser executado.";
        QTest::newRow("modified") << QByteArray("public class A {}") << true << QStringList{};
        QTest::newRow("no public class") << QByteArray("class A {}") << false << QStringList{noClass};
        QTest::newRow("shell characters") << QByteArray("public class A$B {}") << false
                                          << QStringList{noClass};
    }

    void runRefused()
    {
        QFETCH(QByteArray, source);
        QFETCH(bool, modified);
        QFETCH(QStringList, boxes);
        QTemporaryDir folder;
        const QString record = folder.filePath("record");
        putStandInTerminal(folder.path(), record);
        Tfrmprincipal w(folder.path());
        DocumentPage *page = openSource(w, folder.filePath("A.java"), source);
        QVERIFY(page);
        if (modified)
            QTest::keyClicks(page->editor(), "x");
        QCOMPARE(w.IsModified(), modified);
        QCOMPARE(boxesDuring([&] { w.build().Run(); }), boxes);
        QVERIFY(!QFile::exists(folder.filePath("exec.bat")));
        QVERIFY(!QFile::exists(record));
    }
};

QTEST_MAIN(TestBuildCommands)
#include "tst_build_commands.moc"

#include "app_fixture.h"
#include "bad_input_support.h"

#include "app/build_commands.h"
#include "app/file_commands.h"
#include "editor/syn_memo.h"

#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace badinput;

namespace {

const QString kNotStarted = QStringLiteral("Não foi possível cria o processo");

QStringList logOf(Tfrmprincipal &window)
{
    QStringList lines;
    for (int i = 0; i < window.lstLog()->count(); ++i)
        lines << window.lstLog()->item(i)->text();
    return lines;
}

} // namespace

// Compiling and running on a machine that lacks what they need (no javac, no
// terminal) or in folders whose names a shell would take apart: a message
// says what could not be started, the document is saved, and no name is ever
// run as a command.
class TestBadInputBuild : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void javacMissing();
    void noTerminal();
    void shellCharactersInTheFolder();

private:
    // Writes `text` to `path` and opens it.
    DocumentPage *openSource(const QString &path, const QByteArray &text);
    // A stand-in terminal, alone on the search path with the JDK's tools,
    // that records its folder and arguments into `record`.
    void putStandInTerminal(const QString &record);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Tfrmprincipal> m_window;
    const QByteArray m_path = qgetenv("PATH");
    const QString m_folder = QDir::currentPath();
};

void TestBadInputBuild::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("programa"));
    QVERIFY(QDir(m_dir->path()).mkpath("bin"));
    m_window = std::make_unique<Tfrmprincipal>(m_dir->filePath("programa"));
}

void TestBadInputBuild::cleanup()
{
    m_window.reset();
    qputenv("PATH", m_path);
    QDir::setCurrent(m_folder);
    m_dir.reset();
}

DocumentPage *TestBadInputBuild::openSource(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!writeFile(path, text))
        return nullptr;
    return m_window->pageOf(m_window->files().openFile(path));
}

void TestBadInputBuild::putStandInTerminal(const QString &record)
{
    const QString bin = m_dir->filePath("bin");
    QFile script(bin + "/x-terminal-emulator");
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; } > '" + record.toUtf8() + "'\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    for (const char *tool : {"javac", "java"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!found.isEmpty())
            QVERIFY(QFile::link(found, bin + "/" + tool));
    }
    qputenv("PATH", bin.toUtf8());
}

void TestBadInputBuild::javacMissing()
{
    const QString path = m_dir->filePath("Hello.java");
    DocumentPage *page = openSource(path, "public class Hello {}\r\n");
    QVERIFY(page);
    page->editor()->SetSelStart(0);
    page->editor()->SetSelText("// editado\r\n");
    m_window->lstLog()->addItem("linha anterior");

    // Nothing at all on the search path.
    qputenv("PATH", m_dir->filePath("bin").toUtf8());
    const QStringList boxes = boxesDuring([&] { m_window->build().Compile(); });
    QCOMPARE(boxes, QStringList{kNotStarted});
    // The document was saved before the compiler was looked for.
    QCOMPARE(readAll(path), QByteArray("// editado\r\npublic class Hello {}\r\n"));
    QVERIFY(!m_window->IsModified());
    QCOMPARE(logOf(*m_window), QStringList{"linha anterior"});
    QVERIFY(!m_window->button("spdbexecutar")->isEnabled());
}

void TestBadInputBuild::noTerminal()
{
    const QString path = m_dir->filePath("prog/Hello.java");
    QVERIFY(openSource(path, "public class Hello {}\r\n"));
    // The JDK is there, but no terminal.
    qputenv("PATH", m_dir->filePath("bin").toUtf8());
    QCOMPARE(boxesDuring([&] { m_window->build().Run(); }), QStringList{kNotStarted});
    QCOMPARE(boxesDuring([&] { m_window->build().Prompt(); }), QStringList{kNotStarted});
    // Nothing was lost: the source is as it was.
    QCOMPARE(readAll(path), QByteArray("public class Hello {}\r\n"));
}

void TestBadInputBuild::shellCharactersInTheFolder()
{
    if (QStandardPaths::findExecutable("javac").isEmpty())
        QSKIP("no javac on the search path");
    const QString record = m_dir->filePath("record");
    putStandInTerminal(record);
    const QString folder = m_dir->filePath("pasta $(touch invadido) `touch x` & 'a' \"b\"; |c");
    const QString path = folder + "/Hello.java";
    QVERIFY(openSource(path, "public class Hello {\r\n  public static void main(String[] a) "
                             "{ System.out.println(\"oi\"); }\r\n}\r\n"));

    QCOMPARE(boxesDuring([&] { m_window->build().Compile(); }), QStringList{});
    QVERIFY2(logOf(*m_window).contains("Compilação completada com sucesso!"),
             qPrintable(logOf(*m_window).join('\n')));
    QVERIFY(QFileInfo(folder + "/Hello.class").isFile());

    QCOMPARE(boxesDuring([&] { m_window->build().Run(); }), QStringList{});
    // The folder and the script reach the terminal as they are, one argument each.
    QTRY_COMPARE(QString::fromUtf8(readAll(record)),
                 folder + "\n-e\n/bin/sh\n" + folder + "/exec.bat\n");
    for (const QString &trace : {m_dir->filePath("invadido"), m_dir->filePath("x"),
                                 folder + "/invadido", folder + "/x"})
        QVERIFY2(!QFileInfo::exists(trace), qPrintable(trace));
}

QTEST_MAIN(TestBadInputBuild)
#include "tst_bad_input_build.moc"

#include "app_fixture.h"
#include "bad_input_support.h"

#include "app/designer_bridge.h"
#include "app/file_commands.h"
#include "designer/design_page.h"
#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/objects_file.h"
#include "designer/preview_control.h"
#include "editor/syn_memo.h"
#include "editor/text_file.h"

#include <QTemporaryDir>

using namespace badinput;

namespace {

// A design of a window with a button and a label, as the program writes it.
const QByteArray kDesign = "TForm() Form1[\nForm1\n0\n0\n1\n1\n300\n400\n"
                           "TButton(1) jButton1[\njButton1\n24\n16\n1\n1\n25\n75\n]\n"
                           "TLabel(3) jLabel1[\njLabel1\n24\n60\n1\n1\n17\n60\n]\n"
                           "]\n";

const QByteArray kSwingSource = "import javax.swing.*;\r\n\r\npublic class Janela extends JFrame{\r\n"
                                "JButton jButton1;\r\n\r\npublic Janela(){\r\n}\r\n}";

// `bytes` with every line break (CR LF, LF or CR) written as `lineBreak`.
QByteArray withUniformLineBreaks(const QByteArray &bytes, const QByteArray &lineBreak)
{
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        out += lineBreak;
    }
    return out;
}

QByteArray replaced(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    return bytes.replace(from, to);
}

} // namespace

// What a student can throw at the program through its files: binary, huge and
// oddly encoded files, broken designs, names full of shell characters, and
// saves that the disk refuses. Each gets a clear Portuguese message or a sound
// result, and no file is left half-written.
class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oddFilesComeBackUnchanged_data();
    void oddFilesComeBackUnchanged();
    void hugeFileAsksFirst_data();
    void hugeFileAsksFirst();
    void brokenObjectsFiles_data();
    void brokenObjectsFiles();
    void shellCharactersInNames();
    void saveIntoReadOnlyFolder();
    void saveOnFullDisk();
    void folderVanishesBeforeSave_data();
    void folderVanishesBeforeSave();
    void objectsFileNotWrittenIsNamed();

private:
    DocumentPage *openQuietly(const QString &path, QStringList *boxes = nullptr,
                              QMessageBox::StandardButton answer = QMessageBox::Ok);
    // An edit as typing makes it: marks the page modified.
    void typeAtStart(const QString &text);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Tfrmprincipal> m_window;
};

void TestBadInput::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkpath("programa");
    m_window = std::make_unique<Tfrmprincipal>(m_dir->filePath("programa"));
    QVERIFY(appfixture::showWindow(*m_window));
}

void TestBadInput::cleanup()
{
    m_window.reset();
    QDir::setCurrent(QDir::tempPath());
    m_dir.reset();
}

DocumentPage *TestBadInput::openQuietly(const QString &path, QStringList *boxes,
                                        QMessageBox::StandardButton answer)
{
    DocumentPage *page = nullptr;
    const QStringList texts = boxesDuring([&] { page = m_window->pageOf(m_window->files().openFile(path)); }, answer);
    if (boxes)
        *boxes = texts;
    return page;
}

void TestBadInput::typeAtStart(const QString &text)
{
    TSynMemo *editor = m_window->currentEditor();
    editor->SetSelStart(0);
    editor->SetSelLength(0);
    editor->SetSelText(text);
}

void TestBadInput::oddFilesComeBackUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<int>("lines");

    QByteArray everyByte;
    for (int round = 0; round < 4; ++round)
        for (int b = 0; b < 256; ++b)
            everyByte.append(char(b));
    // Its CR and LF bytes are line breaks of two styles; the file is saved
    // in the one found first (the question warns that it may change).
    QTest::newRow("binary, every byte value") << everyByte << true << -1;
    QTest::newRow("invalid UTF-8")
        << QByteArray("// ol\xE1 \xC3(\r\nclass A{}\r\n") << false << 3;
    QTest::newRow("only CR line breaks") << QByteArray("class A{\rint x;\r}\r") << false << 4;
    QTest::newRow("one line of 1 MB")
        << QByteArray("// ") + QByteArray(1 << 20, 'x') << false << 1;
}

void TestBadInput::oddFilesComeBackUnchanged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, asks);
    QFETCH(int, lines);
    const QString path = m_dir->filePath("Estranho.java");
    QVERIFY(writeFile(path, bytes));

    QStringList boxes;
    DocumentPage *page = openQuietly(path, &boxes, QMessageBox::Yes);
    QVERIFY(page);
    QCOMPARE(boxes.size(), asks ? 1 : 0);
    if (asks)
        QVERIFY2(boxes.first().contains("bytes nulos") && boxes.first().contains(path),
                 qPrintable(boxes.first()));
    if (lines >= 0)
        QCOMPARE(page->editor()->Lines().Count(), lines);
    QVERIFY(!m_window->IsModified());

    // Saved without an edit: the same bytes, line breaks in one style.
    QCOMPARE(boxesDuring([&] { QVERIFY(m_window->files().SaveCurrentDocument()); }),
             QStringList());
    if (asks)
        bytes = withUniformLineBreaks(bytes, page->lineBreak().toLatin1());
    QCOMPARE(readAll(path), bytes);

    // After an edit the rest of the file is still as it was, in its own
    // line-break style and encoding.
    typeAtStart("//");
    QVERIFY(m_window->IsModified());
    QVERIFY(m_window->files().SaveCurrentDocument());
    QCOMPARE(readAll(path), "//" + bytes);
}

void TestBadInput::hugeFileAsksFirst_data()
{
    QTest::addColumn<bool>("open");
    QTest::newRow("declined") << false;
    QTest::newRow("opened and saved back") << true;
}

void TestBadInput::hugeFileAsksFirst()
{
    QFETCH(bool, open);
    // 50 MB of ordinary lines.
    const QByteArray line = "        System.out.println(\"uma linha de um arquivo enorme\");\r\n";
    QByteArray bytes;
    bytes.reserve(50 * 1024 * 1024 + line.size());
    while (bytes.size() < 50 * 1024 * 1024)
        bytes += line;
    const QString path = m_dir->filePath("Enorme.java");
    QVERIFY(writeFile(path, bytes));

    QStringList boxes;
    DocumentPage *page = openQuietly(path, &boxes, open ? QMessageBox::Yes : QMessageBox::No);
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().contains("muito grande (50 MB)") && boxes.first().contains(path),
             qPrintable(boxes.first()));
    if (!open) {
        QVERIFY(!page);
        QCOMPARE(m_window->pageCount(), 0);
        return;
    }
    QVERIFY(page);
    QCOMPARE(page->editor()->Lines().Count(), int(bytes.count('\n')) + 1);
    QVERIFY(m_window->files().SaveCurrentDocument());
    QVERIFY(readAll(path) == bytes);
}

void TestBadInput::brokenObjectsFiles_data()
{
    QTest::addColumn<QByteArray>("objects");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("components");

    // Cut after the button's left: its top and the rest are missing.
    const qsizetype inButton = kDesign.indexOf("jButton1\n24\n") + 12;
    QTest::newRow("cut off inside a block") << kDesign.left(inButton) << 1 << 1;
    QTest::newRow("cut off in the middle of a line")
        << kDesign.left(kDesign.indexOf("300\n400") + 2) << 1 << 0;
    QTest::newRow("cut off before the first line") << QByteArray() << 1 << 0;
    QTest::newRow("huge number")
        << replaced(kDesign, "24\n16\n", "99999999999999999999999999\n16\n") << 1 << 2;
    QTest::newRow("number just past int")
        << replaced(kDesign, "24\n16\n", "2147483648\n16\n") << 1 << 2;
    QTest::newRow("number past any window")
        << replaced(kDesign, "\n25\n75\n", "\n25\n-100000\n") << 1 << 2;
    QTest::newRow("name with shell characters")
        << replaced(kDesign, "TButton(1) jButton1[", "TButton(1) $(rm -rf ~);`id`&[") << 1 << 2;
    QTest::newRow("binary garbage") << QByteArray("\x7F" "ELF\x02\x01[\x00\x00]\xFF\xFE", 12)
                                    << 1 << 0;
}

void TestBadInput::brokenObjectsFiles()
{
    QFETCH(QByteArray, objects);
    QFETCH(int, messages);
    QFETCH(int, components);
    const QString source = m_dir->filePath("Janela.java");
    QVERIFY(writeFile(source, kSwingSource));
    QVERIFY(writeFile(m_dir->filePath("Janela.objects"), objects));

    QStringList boxes;
    DocumentPage *page = openQuietly(source, &boxes);
    QVERIFY(page);
    QCOMPARE(boxes, QStringList(messages, kObjectsLoadFailure));
    // The document opens in any case, its source untouched.
    QCOMPARE(page->kind(), DocumentKind::SwingWindow);
    QCOMPARE(page->editor()->Text().toUtf8(), kSwingSource);
    const QList<PreviewControl *> placed =
        DesignerBridge::designPageOf(*page)->designWindow()->components();
    QCOMPARE(placed.size(), components);
    for (PreviewControl *control : placed)
        QVERIFY2(isValidComponentName(control->name()), qPrintable(control->name()));

    // Saving writes what could be read; that file reads back without a word.
    QVERIFY(m_window->files().SaveCurrentDocument());
    QCOMPARE(readAll(source), kSwingSource);
    QStringList again;
    DocumentPage *reopened = openQuietly(source, &again);
    QCOMPARE(again, QStringList());
    QCOMPARE(DesignerBridge::designPageOf(*reopened)->designWindow()->components().size(),
             components);
}

void TestBadInput::shellCharactersInNames()
{
    const QString folder = m_dir->filePath("pasta $(touch invadido) `id` & 'a' \"b\"; |c");
    QVERIFY(QDir().mkpath(folder));
    const QString name = QString::fromUtf8("Olá $HOME; rm -rf ~ & echo *.java");
    const QString path = folder + "/" + name;
    const QByteArray bytes = "public class Ola{}\r\n";
    QVERIFY(writeFile(path, bytes));

    DocumentPage *page = openQuietly(path);
    QVERIFY(page);
    QCOMPARE(page->caption(), name);
    QCOMPARE(m_window->statusFolder(), folder);
    typeAtStart("// ");
    QVERIFY(m_window->files().SaveCurrentDocument());
    QCOMPARE(readAll(path), "// " + bytes);

    // A Swing window saved there gets its design beside it.
    appfixture::newDocument(*m_window, 5);
    const QString swing = folder + "/Janela $(x) & y.java";
    QVERIFY(m_window->files().saveActiveDocumentAs(swing));
    QVERIFY(QFileInfo(folder + "/Janela $(x) & y.objects").isFile());
    DocumentPage *reopened = openQuietly(swing);
    QCOMPARE(reopened->kind(), DocumentKind::SwingWindow);

    // Nothing was ever handed to a shell.
    QStringList expected{"Janela $(x) & y.java", "Janela $(x) & y.objects", name};
    QStringList found = entriesOf(folder);
    expected.sort();
    found.sort();
    QCOMPARE(found, expected);
    QVERIFY(!QFileInfo::exists(m_dir->filePath("invadido")));
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("invadido")));
}

void TestBadInput::saveIntoReadOnlyFolder()
{
    const QString folder = m_dir->filePath("protegida");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/Antigo.java";
    const QByteArray old = "public class Antigo{}\r\n";
    QVERIFY(writeFile(path, old));
    QVERIFY(openQuietly(path));
    typeAtStart("// novo\r\n");

    ReadOnlyFolder readOnly(folder);
    if (!readOnly.ok())
        QSKIP(qPrintable("the folder cannot be made read-only here (" + readOnly.how() + ")"));
    QStringList boxes = boxesDuring([&] { QVERIFY(!m_window->files().SaveCurrentDocument()); });
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().startsWith("Não foi possível salvar o arquivo \"" + path + "\": "),
             qPrintable(boxes.first()));
    QCOMPARE(readAll(path), old);
    QCOMPARE(entriesOf(folder), QStringList{"Antigo.java"});
    QVERIFY(m_window->IsModified());

    // A new document saved there stays new.
    DocumentPage *fresh = appfixture::newDocument(*m_window, 1);
    const QString caption = fresh->caption();
    boxes = boxesDuring([&] { QVERIFY(!m_window->files().saveActiveDocumentAs(folder + "/N.java")); });
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().contains(folder + "/N.java"), qPrintable(boxes.first()));
    QCOMPARE(fresh->tag(), QString("0;"));
    QCOMPARE(fresh->caption(), caption);
    QCOMPARE(entriesOf(folder), QStringList{"Antigo.java"});
}

void TestBadInput::saveOnFullDisk()
{
    const QString folder = m_dir->filePath("cheio");
    SmallDisk disk(folder, 256);
    const QString path = folder + "/Cheio.java";
    const QByteArray old = "public class Cheio{}\r\n";
    QVERIFY(writeFile(path, old));
    QVERIFY(openQuietly(path));
    // Four times what the disk holds.
    typeAtStart(QString(1024 * 1024, QLatin1Char('x')));

    QStringList boxes;
    {
        // Without a small disk, a file-size limit fails the write half-way.
        std::optional<FileSizeLimit> limit;
        if (!disk.ok())
            limit.emplace(256 * 1024);
        boxes = boxesDuring([&] { QVERIFY(!m_window->files().SaveCurrentDocument()); });
    }
    QCOMPARE(boxes.size(), 1);
    const QString reason = disk.ok() ? "não há espaço livre no disco"
                                     : "o arquivo ultrapassa o tamanho máximo permitido";
    QVERIFY2(boxes.first() == "Não foi possível salvar o arquivo \"" + path + "\": " + reason + ".",
             qPrintable(boxes.first()));
    QCOMPARE(readAll(path), old);
    // The half-written copy is gone: the disk is not left full.
    QCOMPARE(entriesOf(folder), QStringList{"Cheio.java"});
    QVERIFY(m_window->IsModified());

    // The document is still all there; once it fits, it is saved.
    TSynMemo *editor = m_window->currentEditor();
    QCOMPARE(editor->Lines().Get(0).size(), 1024 * 1024 + int(old.size()) - 2);
    editor->SelectAll();
    editor->SetSelText("public class Cheio{ int x; }");
    QVERIFY(m_window->files().SaveCurrentDocument());
    QCOMPARE(readAll(path), QByteArray("public class Cheio{ int x; }"));
    QVERIFY(!m_window->IsModified());
}

void TestBadInput::folderVanishesBeforeSave_data()
{
    QTest::addColumn<int>("option");
    QTest::newRow("code document") << 1;
    QTest::newRow("Swing window") << 5;
}

void TestBadInput::folderVanishesBeforeSave()
{
    QFETCH(int, option);
    const QString folder = m_dir->filePath("sumiu");
    QVERIFY(QDir().mkpath(folder));
    DocumentPage *page = appfixture::newDocument(*m_window, option);
    QVERIFY(m_window->files().saveActiveDocumentAs(folder + "/semnome1.java"));
    typeAtStart("// depois\r\n");
    const QString text = page->editor()->Text();
    QVERIFY(QDir(folder).removeRecursively());

    // The file is gone with its folder: saving asks where, like a new file.
    answerFileDialog(QString());
    QVERIFY(!m_window->files().SaveCurrentDocument());
    QVERIFY(m_window->IsModified());
    QCOMPARE(page->editor()->Text(), text);
    QVERIFY(!QFileInfo::exists(folder));

    // Save As into the vanished folder says so.
    const QStringList boxes = boxesDuring(
        [&] { QVERIFY(!m_window->files().saveActiveDocumentAs(folder + "/semnome1.java")); });
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().contains("a pasta \"" + folder + "\" não existe"),
             qPrintable(boxes.first()));

    // Somewhere else it is saved whole, its design beside it.
    const QString elsewhere = m_dir->filePath("outra");
    QVERIFY(QDir().mkpath(elsewhere));
    answerFileDialog(elsewhere + "/semnome1.java");
    QVERIFY(m_window->files().SaveCurrentDocument());
    QVERIFY(!m_window->IsModified());
    QCOMPARE(QString::fromUtf8(readAll(elsewhere + "/semnome1.java")), text);
    QCOMPARE(QFileInfo::exists(elsewhere + "/semnome1.objects"), option == 5);
}

void TestBadInput::objectsFileNotWrittenIsNamed()
{
    // A folder where the design should go: the source is written, the
    // design is not, and the message names the design's file.
    const QString source = m_dir->filePath("Janela.java");
    const QString objects = m_dir->filePath("Janela.objects");
    QVERIFY(QDir().mkpath(objects));
    DocumentPage *page = appfixture::newDocument(*m_window, 5);
    DesignerSession &session = m_window->designer().session();
    session.placeComponent(DesignerBridge::designPageOf(*page)->designWindow(),
                           ComponentKind::JButton, QPoint(24, 16));
    QStringList boxes =
        boxesDuring([&] { QVERIFY(!m_window->files().saveActiveDocumentAs(source)); });
    QCOMPARE(boxes, QStringList("Não foi possível salvar o arquivo \"" + objects
                                + "\": já existe uma pasta com esse nome."));
    QCOMPARE(QString::fromUtf8(readAll(source)), page->editor()->Text());
    QVERIFY(m_window->IsModified());
    QCOMPARE(page->caption(), QString("Janela.java*"));

    // With the way clear, the next save writes both and clears the mark.
    QVERIFY(QDir(objects).removeRecursively());
    QVERIFY(m_window->files().SaveCurrentDocument());
    QVERIFY(readAll(objects).contains("TButton(1) jButton1["));
    QVERIFY(!m_window->IsModified());

    // A source that cannot be written leaves the old design alone.
    const QByteArray oldDesign = readAll(objects);
    const QString blocked = m_dir->filePath("Bloqueada.java");
    QVERIFY(QDir().mkpath(blocked));
    QVERIFY(writeFile(m_dir->filePath("Bloqueada.objects"), kDesign));
    session.placeComponent(DesignerBridge::designPageOf(*page)->designWindow(),
                           ComponentKind::JLabel, QPoint(24, 60));
    boxes = boxesDuring([&] { QVERIFY(!m_window->files().saveActiveDocumentAs(blocked)); });
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().startsWith("Não foi possível salvar o arquivo \"" + blocked + "\""),
             qPrintable(boxes.first()));
    QCOMPARE(readAll(m_dir->filePath("Bloqueada.objects")), kDesign);
    QCOMPARE(readAll(objects), oldDesign);
}

QTEST_MAIN(TestBadInput)
#include "tst_bad_input.moc"

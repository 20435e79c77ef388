#include "editor/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// Reading and writing text files: encodings, line breaks, byte-identical round
// trips and writes that fail without harming the old file.
class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void allBytesOfWindows1252ComeBack();
    void windows1252Table_data();
    void windows1252Table();
    void charactersOutsideWindows1252_data();
    void charactersOutsideWindows1252();
    void utf8Validation_data();
    void utf8Validation();
    void lineBreakStyle_data();
    void lineBreakStyle();
    void objectsText_data();
    void objectsText();
    void failingWriteKeepsOldFile();
    void writeIntoMissingFolderSaysWhy();

private:
    QTemporaryDir m_dir;
};

void TestTextFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QString>("lineBreak");
    QTest::addColumn<QStringList>("lines");

    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("CR LF, no final break")
        << QByteArray("class A{\r\n}") << QByteArray("UTF-8") << crlf
        << QStringList{"class A{", "}"};
    QTest::newRow("CR LF, final break gives empty last line")
        << QByteArray("a\r\nb\r\n") << QByteArray("UTF-8") << crlf << QStringList{"a", "b", ""};
    QTest::newRow("LF") << QByteArray("a\nb\n\nc") << QByteArray("UTF-8") << QString("\n")
                        << QStringList{"a", "b", "", "c"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << QByteArray("UTF-8") << QString("\r")
                        << QStringList{"a", "b", ""};
    QTest::newRow("empty file") << QByteArray() << QByteArray("UTF-8") << crlf << QStringList{""};
    QTest::newRow("a single break") << QByteArray("\n") << QByteArray("UTF-8") << QString("\n")
                                    << QStringList{"", ""};
    QTest::newRow("UTF-8 accents") << QByteArray("// Olá, ação\n") << QByteArray("UTF-8")
                                   << QString("\n")
                                   << QStringList{QString::fromUtf8("// Olá, ação"), ""};
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBFx\r\ny") << QByteArray("UTF-8") << crlf
        << QStringList{QString(QChar(0xFEFF)) + "x", "y"};
    QTest::newRow("UTF-8 outside the BMP") << QByteArray("s = \"\xF0\x9F\x98\x80\";")
                                           << QByteArray("UTF-8") << crlf
                                           << QStringList{QString::fromUtf8("s = \"😀\";")};
    QTest::newRow("Windows-1252 accents")
        << QByteArray("// Ol\xE1, a\xE7\xE3o\r\n") << QByteArray("windows-1252") << crlf
        << QStringList{QString::fromUtf8("// Olá, ação"), ""};
    QTest::newRow("Windows-1252 euro and quotes, LF")
        << QByteArray("\x80 \x93x\x94\n") << QByteArray("windows-1252") << QString("\n")
        << QStringList{QString::fromUtf8("€ “x”"), ""};
    QTest::newRow("overlong UTF-8 is not UTF-8")
        << QByteArray("\xC0\x80") << QByteArray("windows-1252") << crlf
        << QStringList{QString::fromUtf8("À€")};
    QTest::newRow("truncated UTF-8 at the end")
        << QByteArray("ok \xC3") << QByteArray("windows-1252") << crlf
        << QStringList{QString::fromUtf8("ok Ã")};
    QTest::newRow("NUL bytes survive") << QByteArray("a\0b\r\n", 5) << QByteArray("UTF-8") << crlf
                                       << QStringList{QString("a") + QChar(0) + "b", ""};
}

void TestTextFile::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, encoding);
    QFETCH(QString, lineBreak);
    QFETCH(QStringList, lines);

    const TextFile file = TextFile::fromBytes(bytes);
    QCOMPARE(file.encoding, encoding);
    QCOMPARE(file.lineBreak, lineBreak);
    QCOMPARE(file.lines, lines);
    QCOMPARE(file.endsWithLineBreak(), bytes.endsWith('\n') || bytes.endsWith('\r'));
    QVERIFY(file.fitsEncoding());
    QCOMPARE(file.toBytes(), bytes);
}

void TestTextFile::allBytesOfWindows1252ComeBack()
{
    // Every byte value once, in lines of sixteen ended by CR LF; the bytes of
    // CR and LF themselves sit at line ends.
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            bytes.append(char(byte));
        if (byte % 16 == 15)
            bytes.append("\r\n");
    }
    const TextFile file = TextFile::fromBytes(bytes);
    QCOMPARE(file.encoding, QByteArray("windows-1252"));
    QCOMPARE(file.lines.size(), 17);
    QCOMPARE(file.toBytes(), bytes);
}

void TestTextFile::windows1252Table_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 0x81") << 0x81 << 0x81;
    QTest::newRow("undefined 0x8D") << 0x8D << 0x8D;
    QTest::newRow("undefined 0x8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 0x90") << 0x90 << 0x90;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("a tilde") << 0xE3 << 0xE3;
}

void TestTextFile::windows1252Table()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QByteArray one(1, char(byte));
    QCOMPARE(TextFile::decodeWindows1252(one), QString(QChar(unicode)));
    QCOMPARE(TextFile::encodeWindows1252(QString(QChar(unicode))), one);
    QVERIFY(TextFile::fitsWindows1252(QString(QChar(unicode))));
}

void TestTextFile::charactersOutsideWindows1252_data()
{
    QTest::addColumn<QString>("text");
    // U+0080 is where the euro sign's byte would be in Latin-1, not in 1252.
    QTest::newRow("U+0080") << QString(QChar(0x80));
    QTest::newRow("l with stroke") << QString::fromUtf8("ł");
    QTest::newRow("emoji") << QString::fromUtf8("😀");
}

void TestTextFile::charactersOutsideWindows1252()
{
    QFETCH(QString, text);
    QVERIFY(!TextFile::fitsWindows1252(text));
    TextFile file;
    file.encoding = TextFile::Windows1252;
    file.lines = QStringList{"ok", "x" + text};
    QVERIFY(!file.fitsEncoding());
    file.encoding = TextFile::Utf8;
    QVERIFY(file.fitsEncoding());
    QCOMPARE(TextFile::fromBytes(file.toBytes()).lines, file.lines);
}

void TestTextFile::utf8Validation_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ASCII") << QByteArray("public class A{}") << true;
    QTest::newRow("two-byte") << QByteArray("\xC3\xA7") << true;
    QTest::newRow("four-byte") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::newRow("Latin-1 c cedilla") << QByteArray("a\xE7o") << false;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("overlong three-byte") << QByteArray("\xE0\x80\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("cut short") << QByteArray("\xE2\x82") << false;
    QTest::newRow("lead followed by ASCII") << QByteArray("\xC3(") << false;
}

void TestTextFile::utf8Validation()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(TextFile::isValidUtf8(bytes), valid);
}

void TestTextFile::lineBreakStyle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::newRow("none gives CR LF") << QString("abc") << QString("\r\n");
    QTest::newRow("mostly LF") << QString("a\r\nb\nc\nd") << QString("\n");
    QTest::newRow("mostly CR LF") << QString("a\r\nb\r\nc\nd") << QString("\r\n");
    QTest::newRow("tie keeps the first") << QString("a\rb\nc") << QString("\r");
    QTest::newRow("CR LF is one break, not CR and LF") << QString("a\r\nb\r\nc\r")
                                                       << QString("\r\n");
}

void TestTextFile::lineBreakStyle()
{
    QFETCH(QString, text);
    QFETCH(QString, style);
    QCOMPARE(TextFile::detectLineBreak(text), style);
}

void TestTextFile::objectsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII") << QString("TForm() Form1[\nForm1\n]\n")
                           << QByteArray("TForm() Form1[\nForm1\n]\n");
    QTest::newRow("accents fit Windows-1252")
        << QString::fromUtf8("TGroupBox(15) group1[\nGrupo de Opções1\n")
        << QByteArray("TGroupBox(15) group1[\nGrupo de Op\xE7\xF5" "es1\n");
    QTest::newRow("outside Windows-1252 goes UTF-8")
        << QString::fromUtf8("TLabel(3) jLabel1[\nλ = ação\n")
        << QByteArray("TLabel(3) jLabel1[\n\xCE\xBB = a\xC3\xA7\xC3\xA3o\n");
}

void TestTextFile::objectsText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextFile::encodeObjects(text), bytes);
    QCOMPARE(TextFile::decodeObjects(bytes), text);
}

void TestTextFile::failingWriteKeepsOldFile()
{
    // A file-size limit makes the write fail half-way, as a full disk would
    // (and works even for a user whom permissions do not stop).
    const QString path = m_dir.filePath("Grande.java");
    const QByteArray old("class Grande{}\r\n");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);

    QString error;
    const bool written = TextFile::writeBytes(path, QByteArray(100000, 'x'), &error);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QVERIFY2(error.startsWith("Não foi possível salvar o arquivo \"" + path + "\": "),
             qPrintable(error));
    QVERIFY2(error.contains("tamanho máximo"), qPrintable(error));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
    // No temporary file is left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList(QStringList{"Grande*"}, QDir::Files | QDir::Hidden),
             QStringList{"Grande.java"});
}

void TestTextFile::writeIntoMissingFolderSaysWhy()
{
    const QString path = m_dir.filePath("nao/existe/A.java");
    QString error;
    QVERIFY(!TextFile::writeBytes(path, "x", &error));
    QCOMPARE(error, QString("Não foi possível salvar o arquivo \"%1\": a pasta \"%2\" não existe.")
                        .arg(path, m_dir.filePath("nao/existe")));

    // A folder where the file should be.
    QVERIFY(QDir(m_dir.path()).mkpath("Pasta.java"));
    QVERIFY(!TextFile::writeBytes(m_dir.filePath("Pasta.java"), "x", &error));
    QVERIFY2(error.endsWith(": já existe uma pasta com esse nome."), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"

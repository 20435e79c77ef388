#include "editor/text_file.h"

#include <QTest>

// Texts whose bytes look like another encoding than the one they are in:
// whatever the program writes reads back as it was.
class TestBadInputText : public QObject
{
    Q_OBJECT
private slots:
    void sourceBytesComeBack_data();
    void sourceBytesComeBack();
    void objectsTextReadsBack_data();
    void objectsTextReadsBack();
};

void TestBadInputText::sourceBytesComeBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("two byte-order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "class A{}");
    QTest::newRow("a byte-order mark alone") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("a mark in the middle") << QByteArray("a\r\n\xEF\xBB\xBF" "b");
}

void TestBadInputText::sourceBytesComeBack()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextFile::fromBytes(bytes).toBytes(), bytes);
}

void TestBadInputText::objectsTextReadsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("windows1252");
    // In Windows-1252 these are valid UTF-8 of other characters.
    QTest::newRow("ß° (DF B0)") << QString::fromUtf8("Temperatura: ß°") << false;
    QTest::newRow("Ã© (C3 A9)") << QString::fromUtf8("Ã©") << false;
    QTest::newRow("ï»¿ (a byte-order mark)") << QString::fromUtf8("ï»¿Janela") << false;
    // Everything else stays in Windows-1252, as such files always were.
    QTest::newRow("accented Portuguese") << QString::fromUtf8("Botão de opção") << true;
    QTest::newRow("plain ASCII") << QStringLiteral("jButton1") << true;
}

void TestBadInputText::objectsTextReadsBack()
{
    QFETCH(QString, text);
    QFETCH(bool, windows1252);
    const QByteArray bytes = TextFile::encodeObjects(text);
    QCOMPARE(TextFile::decodeObjects(bytes), text);
    QCOMPARE(bytes == TextFile::encodeWindows1252(text), windows1252);
}

QTEST_GUILESS_MAIN(TestBadInputText)
#include "tst_bad_input_text.moc"

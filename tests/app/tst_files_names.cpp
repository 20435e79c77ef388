#include "app/class_name.h"
#include "app/file_commands.h"

#include <QTest>

// The names that saving proposes and the objects file beside a source.
class TestFilesNames : public QObject
{
    Q_OBJECT

private slots:
    void className_data();
    void className();
    void objectsFile_data();
    void objectsFile();
};

void TestFilesNames::className_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("name");
    QTest::newRow("extends and brace") << QStringList{"import java.awt.*;", "public class Hello extends Frame{"}
                                       << "Hello";
    QTest::newRow("brace right after the name") << QStringList{"public class semnome1{"} << "semnome1";
    QTest::newRow("brace on the next line") << QStringList{"public class Hello", "{", "}"} << "Hello";
    QTest::newRow("the first of two classes")
        << QStringList{"public class Um{}", "public class Dois{}"} << "Um";
    QTest::newRow("comments count") << QStringList{"// public class Velha", "public class Nova{"}
                                    << "Velha";
    QTest::newRow("anywhere in the line") << QStringList{"abstract public class Forma {"} << "Forma";
    QTest::newRow("case-sensitive") << QStringList{"Public Class Hello{"} << "";
    QTest::newRow("no public class") << QStringList{"class Hello{", "}"} << "";
    QTest::newRow("empty text") << QStringList{} << "";
    QTest::newRow("name on the following line is not taken")
        << QStringList{"public class", "Hello{"} << "";
    QTest::newRow("extra blanks") << QStringList{"public class   Hello  {"} << "Hello";
    QTest::newRow("tab after class") << QStringList{"public class\tHello{"} << "Hello";
    QTest::newRow("body on the same line") << QStringList{"public class A{ int x; }"} << "A";
    QTest::newRow("type parameter") << QStringList{"public class Caixa<T> {"} << "Caixa";
    QTest::newRow("accented identifier") << QStringList{"public class Ação{"} << "Ação";
}

void TestFilesNames::className()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, name);
    QCOMPARE(ExtractClassName(lines), name);
}

void TestFilesNames::objectsFile_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("objects");
    QTest::addColumn<QString>("legacy");
    QTest::newRow("Hello.java") << "/p/Hello.java" << "/p/Hello.objects" << "/p/Hello.objects";
    QTest::newRow("a.b.java") << "/p/a.b.java" << "/p/a.b.objects" << "/p/a.objects";
    QTest::newRow("no extension") << "/p/Prog" << "/p/Prog.objects" << "/p/Prog.objects";
    QTest::newRow("other extension") << "/p/Janela.txt" << "/p/Janela.objects" << "/p/Janela.objects";
    QTest::newRow("a dotted folder stays out of it")
        << "/p/my.javafiles/Hello.java" << "/p/my.javafiles/Hello.objects"
        << "/p/my.javafiles/Hello.objects";
    QTest::newRow("an objects file has none") << "/p/Hello.objects" << "" << "";
}

void TestFilesNames::objectsFile()
{
    QFETCH(QString, source);
    QFETCH(QString, objects);
    QFETCH(QString, legacy);
    QCOMPARE(FileCommands::objectsFilePath(source), objects);
    QCOMPARE(FileCommands::legacyObjectsFilePath(source), legacy);
}

QTEST_GUILESS_MAIN(TestFilesNames)
#include "tst_files_names.moc"

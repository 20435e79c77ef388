#include "app/skeletons.h"

#include <QTest>

// The skeleton programs of the five new-document kinds.
class TestSkeletons : public QObject
{
    Q_OBJECT
private slots:
    void textProgram()
    {
        QCOMPARE(skeletonLines(NewDocumentOption::Texto, 3),
                 QStringList({"public class semnome3{",
                              "        public static void main(String args[]){", "",
                              "        }", "}"}));
    }

    void jspTitleHoldsTwentyFiveBlanks()
    {
        const QStringList lines = skeletonLines(NewDocumentOption::Jsp, 1);
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines[2], QString(16, ' ') + "<title>" + QString(25, ' ') + "</title>");
        QCOMPARE(lines.last(), QString("</html>"));
    }

    void classNameFollowsTheDocumentNumber_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("classLine");
        QTest::newRow("texto") << 1 << 5 << "public class semnome7{";
        QTest::newRow("awt") << 2 << 13 << "public class semnome7 extends Frame{";
        QTest::newRow("applet") << 3 << 7 << "public class semnome7 extends Applet{";
        QTest::newRow("swing") << 5 << 19 << "public class semnome7 extends JFrame{";
    }

    void classNameFollowsTheDocumentNumber()
    {
        QFETCH(int, option);
        QFETCH(int, lineCount);
        QFETCH(QString, classLine);
        const QStringList lines = skeletonLines(NewDocumentOption(option), 7);
        QCOMPARE(lines.size(), lineCount);
        QVERIFY(lines.contains(classLine));
    }

    void swingSkeletonHasTheDesignerAnchors()
    {
        const QStringList lines = skeletonLines(NewDocumentOption::Swing, 1);
        QCOMPARE(lines[7], QString("       Container JANELA = getContentPane();"));
        QCOMPARE(lines[10], QString("       setSize(400,300);"));
        QCOMPARE(lines[15], QString("            semnome1 app = new semnome1();"));
        QCOMPARE(lines[5], QString());
        QCOMPARE(lines[9], QString());
    }
};

QTEST_APPLESS_MAIN(TestSkeletons)
#include "tst_skeletons.moc"

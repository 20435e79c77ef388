// Exercises in the real window: the three forms a teacher has open (and a
// broken file is refused naming its line), and "Testar" (Ctrl+Shift+T) on
// six versions of one program, compiled by the real javac and run by the real
// java, each with the verdicts, the sentence and the side-by-side view a
// student would see.
#include "app/document_manager.h"
#include "app/exercise_commands.h"
#include "app/exercise_panel.h"
#include "app/java_document.h"
#include "app_fixture.h"
#include "editor/syn_memo.h"

#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

const QByteArray kExercise = "# Exercício do Tavessa\n"
                             "título: Soma de dois números\n"
                             "enunciado:\n"
                             "| <p>Leia dois inteiros e escreva <b>Soma: </b> e a soma.</p>\n"
                             "caso: pequenos\n"
                             "entrada:\n"
                             "| 2 3\n"
                             "saída:\n"
                             "| Soma: 5\n"
                             "tempo: 4\n"
                             "caso: negativos\n"
                             "entrada:\n"
                             "| -4\n"
                             "| 1\n"
                             "saída:\n"
                             "| Soma: -3\n"
                             "tempo: 3.5\n"
                             "caso: zero\n"
                             "entrada:\n"
                             "| 0 0\n"
                             "saída:\n"
                             "| Soma: 0\n"
                             "tempo: 4\n"
                             "oculto: sim\n"
                             "dica: e quando os dois são zero?\n";

QByteArray program(const QByteArray &body)
{
    return "import java.util.Scanner;\n"
           "public class Soma {\n"
           "    public static void main(String[] args) {\n"
           "        Scanner s = new Scanner(System.in);\n"
           "        int a = s.nextInt();\n"
           "        int b = s.nextInt();\n"
           + body +
           "    }\n"
           "}\n";
}

QByteArray writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return bytes;
}

} // namespace

class TestExercises : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    std::unique_ptr<Tfrmprincipal> m_window;
    Tfrmprincipal &w() { return *m_window; }
    ExercisePanel *panel() { return w().exercises().panel(); }

    QStringList verdicts()
    {
        QStringList shown;
        for (int row = 0; row < panel()->cases()->rowCount(); ++row)
            shown.append(panel()->cases()->item(row, 1)->text());
        return shown;
    }
    QStringList caseNames()
    {
        QStringList shown;
        for (int row = 0; row < panel()->cases()->rowCount(); ++row)
            shown.append(panel()->cases()->item(row, 0)->text());
        return shown;
    }

private slots:
    void init()
    {
        m_window = std::make_unique<Tfrmprincipal>();
        QVERIFY(appfixture::showWindow(w()));
    }
    void cleanup() { m_window.reset(); }

    void theThreeFormsOpenAndABrokenFileIsRefused()
    {
        // Tavessa's own.
        const QString own = m_work.filePath(QStringLiteral("soma.exercicio"));
        writeFile(own, kExercise);
        QVERIFY(w().exercises().openPath(own));
        QVERIFY(w().exercises().dock()->isVisible());
        QCOMPARE(caseNames(), (QStringList{"1. pequenos", "2. negativos", "3 (oculto)"}));
        QCOMPARE(w().exercises().exercise()->cases.at(1).input, QStringLiteral("-4\n1"));
        QCOMPARE(w().exercises().exercise()->cases.at(1).timeLimitMs, 3500);
        // Moodle's cases: numbers, words, an exact text and a pattern.
        const QString vpl = m_work.filePath(QStringLiteral("vpl/vpl_evaluate.cases"));
        writeFile(vpl, "case = Soma simples\ninput = 2 3\noutput = 5\n\n"
                       "case = Texto\ninput = 1 1\noutput = Soma: 2\nfail message = confira o texto\n"
                       "case = Exato\ninput = 1 2\noutput = \"Soma: 3\"\n"
                       "case = Padrão\ninput = 2 2\noutput = /Soma:\\s*4/i\ntimeout = 4\n");
        QVERIFY(w().exercises().openPath(vpl));
        const Exercise &moodle = *w().exercises().exercise();
        QCOMPARE(moodle.cases.size(), qsizetype(4));
        QCOMPARE(moodle.cases.at(0).outputs.first().comparison, OutputComparison::Numbers);
        QCOMPARE(moodle.cases.at(1).outputs.first().comparison, OutputComparison::Words);
        QCOMPARE(moodle.cases.at(1).failMessage, QStringLiteral("confira o texto"));
        QCOMPARE(moodle.cases.at(2).outputs.first().comparison, OutputComparison::Text);
        QCOMPARE(moodle.cases.at(3).outputs.first().comparison, OutputComparison::Pattern);
        QCOMPARE(moodle.cases.at(3).timeLimitMs, 4000);
        // A judge's folder, its cases in the order of their numbers.
        const QString judge = m_work.filePath(QStringLiteral("juiz"));
        for (int n : {1, 2, 10}) {
            writeFile(QStringLiteral("%1/%2.in").arg(judge).arg(n), QByteArray::number(n) + " 1\n");
            writeFile(QStringLiteral("%1/%2.%3").arg(judge).arg(n).arg(n == 2 ? "sol" : "out"),
                      "Soma: " + QByteArray::number(n + 1) + "\n");
        }
        writeFile(judge + QStringLiteral("/enunciado.html"), "<p>Some.</p>");
        QVERIFY(w().exercises().openPath(judge));
        QCOMPARE(caseNames(), (QStringList{"1. 1", "2. 2", "3. 10"}));
        QCOMPARE(w().exercises().exercise()->statementHtml, QStringLiteral("<p>Some.</p>"));

        // A broken file: a message naming the file and the line, and the
        // exercise open before stays.
        const QString broken = m_work.filePath(QStringLiteral("quebrado.exercicio"));
        writeFile(broken, "título: X\ncaso: a\nentrada:\n| 1\nsaida:\n| 2\ntempo: muito\n");
        QString said;
        testsupport::whenModal([&said](QWidget *box) {
            said = static_cast<QMessageBox *>(box)->text();
            box->close();
        });
        QVERIFY(!w().exercises().openPath(broken));
        QVERIFY2(said.contains(QStringLiteral("quebrado.exercicio")) && said.contains(QStringLiteral("linha 7")),
                 qPrintable(said));
        QCOMPARE(caseNames(), (QStringList{"1. 1", "2. 2", "3. 10"}));
    }

    void teacherMakesAnExerciseFromTheSolution()
    {
        QTemporaryDir folder;
        QVERIFY(appfixture::openInOwnFolder(w(), folder.path(), QStringLiteral("Soma.java"),
                                            program("        System.out.println(\"Soma: \" + (a + b));\n")));
        const QString saved = folder.filePath(QStringLiteral("soma.exercicio"));
        testsupport::whenModal([saved](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("titulo"))->setText(QStringLiteral("Soma"));
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("entradas"))->setPlainText(QStringLiteral("2 3\n---\n0 0"));
            dialog->findChild<QLineEdit *>(QStringLiteral("ocultos"))->setText(QStringLiteral("2"));
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("dicas"))->setPlainText(QStringLiteral("2: e se for zero?"));
            // Then where to save it.
            testsupport::whenModal([saved](QWidget *files) {
                auto *chooser = qobject_cast<QFileDialog *>(files);
                QVERIFY(chooser);
                chooser->selectFile(saved);
                QMetaObject::invokeMethod(chooser, "accept");
            }, 30000);
            static_cast<QDialog *>(dialog)->accept();
        });
        w().command("Criarexercicio1")->trigger();
        QVERIFY(QFileInfo::exists(saved));
        const Exercise &made = *w().exercises().exercise();
        QCOMPARE(made.title, QStringLiteral("Soma"));
        QCOMPARE(made.cases.size(), qsizetype(2));
        QCOMPARE(made.cases.at(0).outputs.first().text, QStringLiteral("Soma: 5\n"));
        QCOMPARE(made.cases.at(1).outputs.first().text, QStringLiteral("Soma: 0\n"));
        QVERIFY(made.cases.at(1).hidden);
        QCOMPARE(made.cases.at(1).hint, QStringLiteral("e se for zero?"));
        QCOMPARE(caseNames(), (QStringList{"1. 1", "2 (oculto)"}));
    }

    void verdictsOfSixVersionsOfOneProgram_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("why");
        const QString ok = QStringLiteral("✔ Correto");
        QTest::newRow("correct") << QByteArray("        System.out.println(\"Soma: \" + (a + b));\n")
                                 << QStringList{ok, ok, ok} << QString();
        QTest::newRow("presentation") << QByteArray("        System.out.println(\"Soma:\" + (a + b));\n")
                                      << QStringList(3, QStringLiteral("✘ Erro de apresentação"))
                                      << QStringLiteral("falta um espaço depois de «Soma:»");
        QTest::newRow("wrong answer") << QByteArray("        System.out.println(\"Soma: \" + a + b);\n")
                                      << QStringList{QStringLiteral("✘ Resposta errada"), QStringLiteral("✘ Resposta errada"),
                                                     QStringLiteral("✘ Resposta errada")}
                                      << QStringLiteral("a linha 1 difere: o exercício espera «Soma: 5», a saída tem «Soma: 23»");
        QTest::newRow("endless loop") << QByteArray("        while (a + b != 1) { a = a + 0; }\n")
                                      << QStringList(3, QStringLiteral("✘ Tempo limite excedido"))
                                      << QStringLiteral("laço sem fim ou esperando mais entrada");
        QTest::newRow("crash") << QByteArray("        int[] v = new int[2];\n        System.out.println(\"Soma: \" + v[a + b]);\n")
                               << QStringList{QStringLiteral("✘ Erro de execução"), QStringLiteral("✘ Erro de execução"), ok}
                               << QStringLiteral("linha 8");
        QTest::newRow("compile error") << QByteArray("        System.out.println(\"Soma: \" + (a + b))\n")
                                       << QStringList(3, QStringLiteral("✘ Erro de compilação"))
                                       << QStringLiteral("não compila");
    }
    void verdictsOfSixVersionsOfOneProgram()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, expected);
        QFETCH(QString, why);
        const QString exercise = m_work.filePath(QStringLiteral("soma.exercicio"));
        writeFile(exercise, kExercise);
        QVERIFY(w().exercises().openPath(exercise));
        QTemporaryDir folder;
        QVERIFY(appfixture::openInOwnFolder(w(), folder.path(), QStringLiteral("Soma.java"), program(body)));
        QSignalSpy finished(&w().exercises(), &ExerciseCommands::testFinished);
        // A compile error answers with F9's box; the test goes on.
        testsupport::whenModal([](QWidget *box) { box->close(); });
        QTest::keyClick(w().currentEditor(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(finished.wait(30000) || finished.count() == 1);
        // The hidden case shows its verdict too.
        QCOMPARE(verdicts(), expected);
        const int passed = int(expected.count(QStringLiteral("✔ Correto")));
        QCOMPARE(panel()->summary()->text(), passed == 3 ? QStringLiteral("Todos os 3 casos passaram.")
                                                         : expected.at(0).contains(QStringLiteral("compilação"))
                                                               ? QStringLiteral("Erro de compilação: nenhum caso foi executado.")
                                                               : QStringLiteral("%1 de 3 casos passaram.").arg(passed));
        if (why.isEmpty())
            return;
        QVERIFY2(panel()->why()->text().contains(why), qPrintable(panel()->why()->text()));
        if (expected.at(0).contains(QStringLiteral("apresentação"))) {
            // Blanks shown, and the first difference lit, side by side.
            QVERIFY2(panel()->expected()->toPlainText().startsWith(QStringLiteral("Soma:·5")),
                     qPrintable(panel()->expected()->toPlainText()));
            QVERIFY(panel()->obtained()->toPlainText().startsWith(QStringLiteral("Soma:5")));
            QVERIFY(panel()->expected()->toHtml().contains(QStringLiteral("background-color")));
        }
    }
};

QTEST_MAIN(TestExercises)
#include "tst_exercises.moc"

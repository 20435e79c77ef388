// Tavessa reading along in the real window: mistakes marked while typing,
// with no F9 and no file written; suggestions that know the code, put in by
// keys and compiled by the real javac; warnings on code that compiles but is
// wrong, after F9, and none on its corrected twin.
#include "app/build_commands.h"
#include "app/completion_popup.h"
#include "app/document_manager.h"
#include "app/java_document.h"
#include "app/live_checking.h"
#include "app_fixture.h"
#include "editor/syn_memo.h"

#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

namespace {

// A helper's first check includes starting its virtual machine.
constexpr int kCheckWaitMs = 30000;

const QByteArray kWarned = R"(import java.util.Scanner;

public class Avisos {
    private String nome;

    public Avisos(String nome) {
        nome = nome;
    }

    public static void main(String[] args) {
        Scanner entrada = new Scanner(System.in);
        int idade = entrada.nextInt();
        String cidade = entrada.nextLine();
        String resposta = entrada.next();
        if (resposta == "sim");
        {
            System.out.println("sim");
        }
        cidade.toUpperCase();
        int soma = idade + 10;
        double media = soma / 3;
        boolean achou = false;
        if (achou = true) {
            System.out.println(media);
        }
        switch (idade) {
            case 1:
                System.out.println("um");
            case 2:
                System.out.println("dois");
                break;
            default:
                break;
        }
    }
}
)";

const QByteArray kCorrected = R"(import java.util.Scanner;

public class Avisos {
    private String nome;

    public Avisos(String nome) {
        this.nome = nome;
    }

    public static void main(String[] args) {
        Scanner entrada = new Scanner(System.in);
        int idade = entrada.nextInt();
        entrada.nextLine();
        String cidade = entrada.nextLine();
        String resposta = entrada.next();
        if (resposta.equals("sim"))
        {
            System.out.println("sim");
        }
        cidade = cidade.toUpperCase();
        int soma = idade + 10;
        double media = soma / 3.0;
        boolean achou = false;
        if (achou == true) {
            System.out.println(media + cidade);
        }
        switch (idade) {
            case 1:
                System.out.println("um");
                break;
            case 2:
                System.out.println("dois");
                break;
            default:
                break;
        }
    }
}
)";

QList<TextMark> marksOf(JavaDocument *document, TextMark::Kind kind)
{
    QList<TextMark> found;
    for (const TextMark &mark : document->marks().all())
        if (mark.kind == kind)
            found.append(mark);
    return found;
}

QStringList logLines(Tfrmprincipal &w)
{
    QStringList lines;
    for (int i = 0; i < w.lstLog()->count(); ++i)
        lines.append(w.lstLog()->item(i)->text());
    return lines;
}

} // namespace

class TestReadingAlong : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    std::unique_ptr<Tfrmprincipal> m_window;

    Tfrmprincipal &w() { return *m_window; }
    TSynMemo *editor() { return w().currentEditor(); }
    QString status() { return w().findChild<QLabel *>(QStringLiteral("StatusCheck"))->text(); }
    QListWidget *suggestions() { return editor()->findChild<CompletionPopup *>()->list(); }

    // Puts the caret at the end of 1-based `line`.
    void caretAtEndOf(int line)
    {
        QTextCursor cursor(editor()->document()->findBlockByNumber(line - 1));
        cursor.movePosition(QTextCursor::EndOfBlock);
        editor()->setTextCursor(cursor);
    }

private slots:
    // The build's compile helper, for this test's process alone: the other
    // tests of this folder, which may run meanwhile, go without it.
    void initTestCase()
    {
        QVERIFY(QFileInfo::exists(QStringLiteral(TAVESSA_BUILD_DIR "/tavessa-compiler.jar")));
        qputenv("TAVESSA_HELPERS", TAVESSA_BUILD_DIR);
    }

    void init()
    {
        m_window = std::make_unique<Tfrmprincipal>();
        QVERIFY(appfixture::showWindow(w()));
    }
    void cleanup() { m_window.reset(); }

    void mistakesAreMarkedWhileTypingWithoutF9()
    {
        QVERIFY(appfixture::newDocument(w(), 1));
        JavaDocument *document = w().documents().active();
        caretAtEndOf(2);
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), QStringLiteral("int idade = \"dez\";"));
        // The line being typed is left alone while the caret is on it...
        QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Sem erros"), kCheckWaitMs);
        QVERIFY(marksOf(document, TextMark::LiveError).isEmpty());
        // ...and marked, with F9's explanation, once the caret leaves it.
        QTest::keyClick(editor(), Qt::Key_Up);
        QTRY_COMPARE(marksOf(document, TextMark::LiveError).size(), qsizetype(1));
        const TextMark mark = marksOf(document, TextMark::LiveError).first();
        QCOMPARE(mark.line(), 2);
        QVERIFY2(mark.tip.contains(QStringLiteral("linha 3")), qPrintable(mark.tip));
        QVERIFY2(!mark.tip.contains(QStringLiteral("incompatible")), qPrintable(mark.tip));
        QCOMPARE(status(), QStringLiteral("1 erro"));
        QCOMPARE(w().lstLog()->count(), 0); // the log stays F9's
        // Mended, the mark goes and nothing was written anywhere.
        caretAtEndOf(3);
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(editor(), Qt::Key_Backspace);
        QTest::keyClicks(editor(), QStringLiteral("10;"));
        QTest::keyClick(editor(), Qt::Key_Down);
        QTRY_VERIFY_WITH_TIMEOUT(status() == QStringLiteral("Sem erros"), kCheckWaitMs);
        QVERIFY(marksOf(document, TextMark::LiveError).isEmpty());
        QVERIFY(document->filePath().isEmpty());
        QVERIFY(document->isModified());

        // Turned off, checking stops and takes its marks away.
        QTest::keyClick(editor(), Qt::Key_Up);
        QTest::keyClick(editor(), Qt::Key_End);
        QTest::keyClick(editor(), Qt::Key_Backspace);
        QTest::keyClick(editor(), Qt::Key_Up);
        QTRY_VERIFY_WITH_TIMEOUT(status() == QStringLiteral("1 erro"), kCheckWaitMs);
        w().command("Verificarenquantodigito1")->trigger();
        QVERIFY(marksOf(document, TextMark::LiveError).isEmpty());
        QCOMPARE(status(), QString());
    }

    void suggestionsKnowTheCodeAndCompile()
    {
        const QByteArray source = "import java.util.Scanner;\n"
                                  "public class Contas {\n"
                                  "    public static void main(String[] args) {\n"
                                  "        int total = 0;\n"
                                  "        Scanner leitor = new Scanner(System.in);\n"
                                  "    }\n"
                                  "}\n"
                                  "class Aluno {\n"
                                  "    double nota;\n"
                                  "    static int turmas;\n"
                                  "    double dobro(double x) { return 2 * x; }\n"
                                  "}\n";
        JavaDocument *document = appfixture::openInOwnFolder(w(), m_work.path(), QStringLiteral("Contas.java"), source);
        QVERIFY(document);
        caretAtEndOf(5);
        QTest::keyClick(editor(), Qt::Key_Return);
        // A "." after a name of known type opens the list by itself.
        QTest::keyClicks(editor(), QStringLiteral("total = leitor."));
        QTRY_VERIFY(suggestions()->isVisible());
        QTest::keyClicks(editor(), QStringLiteral("nextI"));
        QVERIFY(suggestions()->item(0)->text().startsWith(QStringLiteral("nextInt()")));
        QTest::keyClick(editor(), Qt::Key_Tab);
        QVERIFY(!suggestions()->isVisible());
        QTest::keyClicks(editor(), QStringLiteral(";"));
        QTest::keyClick(editor(), Qt::Key_Return);
        // System.out.pr: println, its parentheses, the caret inside them.
        QTest::keyClicks(editor(), QStringLiteral("System.out.pr"));
        QTRY_VERIFY(suggestions()->isVisible());
        QVERIFY(suggestions()->item(0)->text().startsWith(QStringLiteral("println(Object x)")));
        QTest::keyClick(editor(), Qt::Key_Return);
        // Esc closes the list and puts nothing in.
        QTest::keyClicks(editor(), QStringLiteral("to"));
        QTest::keyClick(editor(), Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(suggestions()->isVisible());
        QTest::keyClick(editor(), Qt::Key_Escape);
        QVERIFY(!suggestions()->isVisible());
        // A variable of the file, asked for with Ctrl+Space, a slip forgiven.
        QTest::keyClicks(editor(), QStringLiteral("tla"));
        QTest::keyClick(editor(), Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(suggestions()->isVisible());
        QCOMPARE(suggestions()->item(0)->text(), QStringLiteral("total  : int"));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), QStringLiteral(" * 2"));
        QTest::keyClick(editor(), Qt::Key_End);
        QTest::keyClicks(editor(), QStringLiteral(";"));
        QCOMPARE(editor()->document()->findBlockByNumber(5).text().trimmed(),
                 QStringLiteral("total = leitor.nextInt();"));
        QCOMPARE(editor()->document()->findBlockByNumber(6).text().trimmed(),
                 QStringLiteral("System.out.println(total * 2);"));

        // The student's own class: an object's members, and the class's statics by its name.
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), QStringLiteral("Aluno a = new Aluno();"));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), QStringLiteral("a."));
        QTRY_VERIFY(suggestions()->isVisible());
        QStringList rows;
        for (int i = 0; i < suggestions()->count(); ++i)
            rows.append(suggestions()->item(i)->text());
        QCOMPARE(rows, (QStringList{"nota  : double", "turmas  : int", "dobro(double x)  : double"}));
        QTest::keyClicks(editor(), QStringLiteral("dob"));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), QStringLiteral("Aluno.turmas"));
        QTest::keyClick(editor(), Qt::Key_End);
        QTest::keyClicks(editor(), QStringLiteral(";"));
        QCOMPARE(editor()->document()->findBlockByNumber(8).text().trimmed(), QStringLiteral("a.dobro(Aluno.turmas);"));

        QTest::keyClick(editor(), Qt::Key_F9);
        QTRY_VERIFY(logLines(w()).contains(QStringLiteral("Compilação completada com sucesso!")));
    }

    void warningsOnWrongCodeAndNoneOnItsTwin()
    {
        const QStringList expected = {"aviso_atribuicao_a_si_mesma", "aviso_nextline_depois_de_numero",
                                      "aviso_ponto_e_virgula_na_condicao", "aviso_texto_com_igual",
                                      "aviso_resultado_perdido", "aviso_divisao_inteira",
                                      "aviso_atribuicao_na_condicao", "aviso_case_sem_break"};
        JavaDocument *warned = appfixture::openInOwnFolder(w(), m_work.path(), QStringLiteral("Avisos.java"), kWarned);
        QVERIFY(warned);
        QTest::keyClick(editor(), Qt::Key_F9);
        QTRY_VERIFY(logLines(w()).contains(QStringLiteral("Compilação completada com sucesso!")));
        const QStringList warnings = logLines(w()).filter(QRegularExpression(QStringLiteral("^Aviso: ")));
        QCOMPARE(warnings.size(), expected.size());
        QList<int> lines;
        for (const TextMark &mark : marksOf(warned, TextMark::Warning))
            lines.append(mark.line() + 1);
        std::sort(lines.begin(), lines.end());
        QCOMPARE(lines, (QList<int>{7, 13, 15, 15, 19, 21, 23, 29}));
        QVERIFY(warnings.at(0).contains(QStringLiteral("this.nome = nome")));

        // The same program put right: not a word.
        QTemporaryDir twin;
        appfixture::openInOwnFolder(w(), twin.path(), QStringLiteral("Avisos.java"), kCorrected);
        QTest::keyClick(editor(), Qt::Key_F9);
        QTRY_VERIFY(logLines(w()).contains(QStringLiteral("Compilação completada com sucesso!")));
        QVERIFY2(logLines(w()).filter(QStringLiteral("Aviso")).isEmpty(), qPrintable(logLines(w()).join('\n')));
        QVERIFY(marksOf(w().documents().active(), TextMark::Warning).isEmpty());
    }
};

QTEST_MAIN(TestReadingAlong)
#include "tst_reading_along.moc"

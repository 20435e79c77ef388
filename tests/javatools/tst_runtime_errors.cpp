#include "javatools/runtime_errors.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The reading of stack traces as they arrive, and the table of run-time
// explanations with its help page. The real programs that raise each error
// run in the window's console test.
class TestRuntimeErrors : public QObject
{
    Q_OBJECT

    static QList<RuntimeError> readAll(const QStringList &lines)
    {
        RuntimeErrorReader reader;
        QList<RuntimeError> errors;
        for (const QString &line : lines)
            if (const auto error = reader.feed(line))
                errors << *error;
        if (const auto error = reader.finish())
            errors << *error;
        return errors;
    }

    static RunFacts studentFiles(const QStringList &files, std::optional<QString> input = std::nullopt)
    {
        return RunFacts{[files](const QString &file) { return files.contains(file); }, input, {}};
    }

private slots:
    void theTableIsSoundAndEveryEntryHasAHelpSection()
    {
        const RuntimeExplanations &table = RuntimeExplanations::standard();
        QVERIFY2(table.errors().isEmpty(), qPrintable(table.errors().join('\n')));
        QFile page(QStringLiteral(TAVESSA_SOURCE_DIR "/Help/executar_no_tavessa.htm"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        static const QRegularExpression section(QStringLiteral("<h3 id=\"([a-z0-9_]+)\">"));
        QSet<QString> sections;
        for (const auto &match : section.globalMatch(QString::fromUtf8(page.readAll())))
            sections.insert(match.captured(1));
        const QStringList ids = table.ids();
        QCOMPARE(sections, QSet<QString>(ids.begin(), ids.end()));
    }

    // Traces between other lines, a cause whose frames are cut short, a
    // window's thread that goes on after its error, and the launcher.
    void tracesAreReadWhole()
    {
        const QList<RuntimeError> errors = readAll({
            "antes",
            "Exception in thread \"main\" java.lang.RuntimeException: embrulho",
            "\tat Ola.carregar(Ola.java:20)",
            "\tat Ola.main(Ola.java:5)",
            "Caused by: java.lang.ArithmeticException: / by zero",
            "\tat Conta.dividir(Conta.java:3)",
            "\t... 2 more",
            "depois",
            "Exception in thread \"AWT-EventQueue-0\" java.lang.NullPointerException",
            "\tat java.desktop/javax.swing.AbstractButton.fireActionPerformed(AbstractButton.java:1972)",
            "Error: Could not find or load main class Ola",
            "Caused by: java.lang.ClassNotFoundException: Ola",
        });
        QCOMPARE(errors.size(), 3);
        QCOMPARE(errors[0].text, QStringLiteral("java.lang.ArithmeticException: / by zero"));
        QCOMPARE(errors[0].frames.size(), 1);
        QCOMPARE(errors[0].outerFrames.size(), 2);
        QCOMPARE(errors[1].thread, QStringLiteral("AWT-EventQueue-0"));
        QCOMPARE(errors[2].cause, QStringLiteral("java.lang.ClassNotFoundException: Ola"));

        const RuntimeExplanations &table = RuntimeExplanations::standard();
        // The cause's own frame is not the student's: the outer ones lead there.
        const auto divided = table.explain(errors[0], studentFiles({"Ola.java"}));
        QVERIFY(divided);
        QCOMPARE(divided->id, QStringLiteral("divisao_por_zero"));
        QCOMPARE(divided->line, 20);
        // No frame of the student's: nothing certain to say.
        QVERIFY(!table.explain(errors[1], studentFiles({"Ola.java"})));
        QCOMPARE(table.explain(errors[2], studentFiles({}))->id, QStringLiteral("classe_nao_encontrada"));
    }

    // The typed input and the JDK method called take part in the choice.
    void inputMismatchNamesWhatToType()
    {
        const QList<RuntimeError> errors = readAll({
            "Exception in thread \"main\" java.util.InputMismatchException",
            "\tat java.base/java.util.Scanner.throwFor(Scanner.java:939)",
            "\tat java.base/java.util.Scanner.nextDouble(Scanner.java:2564)",
            "\tat Media.main(Media.java:9)",
        });
        QCOMPARE(errors.size(), 1);
        const RuntimeExplanations &table = RuntimeExplanations::standard();
        const auto comma = table.explain(errors[0], studentFiles({"Media.java"}, QStringLiteral("7,5")));
        QCOMPARE(comma->id, QStringLiteral("decimal_com_virgula"));
        QVERIFY2(comma->text.contains(QStringLiteral("7.5")), qPrintable(comma->text));
        // A dot where the machine's language reads a comma (a Brazilian one).
        const auto dot = table.explain(errors[0], studentFiles({"Media.java"}, QStringLiteral("7.5")));
        QCOMPARE(dot->id, QStringLiteral("decimal_com_ponto"));
        QVERIFY2(dot->text.contains(QStringLiteral("7,5")), qPrintable(dot->text));
        const auto word = table.explain(errors[0], studentFiles({"Media.java"}, QStringLiteral("sete")));
        QCOMPARE(word->id, QStringLiteral("numero_esperado"));
        QVERIFY(word->text.contains(QStringLiteral("nextDouble()")));
    }
};

QTEST_GUILESS_MAIN(TestRuntimeErrors)
#include "tst_runtime_errors.moc"

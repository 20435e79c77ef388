#include "javatools/compile_helper.h"
#include "javatools/compiler_explanations.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Programs written as novices write them, each with one mistake and, on its
// first line, the fix that the first explanation must name:
//   // correção: <explanation> | <word the explanation must contain>
// They are compiled for real; the share whose first explanation names the
// real fix is the figure the README gives, and an explanation that finds a
// cause which is not the program's is a failure at once.
class TestRealCauses : public QObject
{
    Q_OBJECT

private slots:
    void firstExplanationNamesTheRealFix()
    {
        if (QStandardPaths::findExecutable("java").isEmpty())
            QSKIP("no java on the search path");
        // Another folder of the same form may be measured through NOVATOS.
        const QDir corpus(qEnvironmentVariable(
            "NOVATOS", QStringLiteral(TAVESSA_SOURCE_DIR "/tests/javatools/novatos")));
        const QStringList files = corpus.entryList({"*.java"}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        if (!qEnvironmentVariableIsSet("NOVATOS"))
            QVERIFY(files.size() >= 80);

        const CompilerExplanations &table = CompilerExplanations::standard();
        const QStringList tableIds = table.ids();
        static const QRegularExpression header(QStringLiteral("^// correção: (\\w+)(?: \\| (.*))?$"));
        static const QRegularExpression publicClass(QStringLiteral("public\\s+class\\s+(\\w+)"));
        CompileHelper helper(QStringLiteral(TAVESSA_BUILD_DIR "/tavessa-compiler.jar"));
        QTemporaryDir work;
        int named = 0;
        QStringList missed;
        QStringList wrong;
        for (const QString &file : files) {
            QFile in(corpus.filePath(file));
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(in.readAll());
            const QStringList lines = text.split(QLatin1Char('\n'));
            const QRegularExpressionMatch expected = header.match(lines.first());
            QVERIFY2(expected.hasMatch(), qPrintable(file));
            const QString fix = expected.captured(1);
            const QString word = expected.captured(2);
            // Saved under the name of its public class, as a student saves it.
            const QRegularExpressionMatch cls = publicClass.match(text);
            const QString name = (cls.hasMatch() ? cls.captured(1) : QFileInfo(file).baseName())
                                 + QStringLiteral(".java");
            const QString folder = work.filePath(QFileInfo(file).baseName());
            QDir().mkpath(folder);
            QFile out(QDir(folder).filePath(name));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(text.toUtf8());
            out.close();

            const auto compiled = helper.compile(folder, name, "UTF-8", QDeadlineTimer(60000));
            QVERIFY2(compiled && !compiled->succeeded, qPrintable(file));
            const CompiledSource source{name, lines, compiled->diagnostics};
            const QList<CompilerExplanation> explanations = table.explain(compiled->lines, &source);
            const CompilerExplanation first = explanations.value(0);
            const bool right = first.id == fix && first.text.contains(word);
            named += right ? 1 : 0;
            const QString seen = file + ": " + first.id + " — " + first.text;
            if (!right)
                missed << seen;
            // A cause of its own that is not this program's is worse than the
            // literal explanation.
            if (!right && !first.id.isEmpty() && !tableIds.contains(first.id))
                wrong << seen;
        }
        const double share = double(named) / files.size();
        qInfo("first explanation names the real fix: %d of %d programs (%.0f %%)", named,
              int(files.size()), share * 100);
        for (const QString &each : std::as_const(missed))
            qInfo("  missed: %s", qPrintable(each));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        QVERIFY(share >= 0.8);
    }
};

QTEST_GUILESS_MAIN(TestRealCauses)
#include "tst_real_causes.moc"

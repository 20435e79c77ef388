#include "javatools/compiler_explanations.h"
#include "javatools/mistake_finder.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

// The Portuguese explanations of javac's messages: the table, the reading of
// javac's output, and, with the real javac, one small wrong program per entry
// and the before/after examples of the help page.
class TestExplanations : public QObject
{
    Q_OBJECT

    struct Compile
    {
        QString folder;   // where the sources are and javac runs
        QStringList files;
        int exitCode = -1;
        QStringList lines; // what javac printed
    };

    // A program of tests/javatools/explanations: "// espera: <entry> na linha <n>"
    // on its first line names the explanation it must get.
    struct Program
    {
        QString file;
        QString id; // empty: no explanation at all
        int line = 0;
        Compile compile;
    };

    // A section of the help page: its anchor is the entry it explains.
    struct Example
    {
        QString id;
        QString before, beforeFile;
        QString after, afterFile;
        Compile compile;
    };

    QTemporaryDir m_work;
    QList<Program> m_programs;
    QList<Example> m_examples;
    Compile m_afters; // every "after" of the page in one run
    bool m_haveJavac = false;
    QStringList m_speedOptions{"-J-XX:TieredStopAtLevel=1", "-J-XX:+UseSerialGC"};

    static QString sourceDir() { return QStringLiteral(TAVESSA_SOURCE_DIR); }

    static QString read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static bool write(const QString &path, const QString &text)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
    }

    // javac in English whatever the machine's language. The other virtual
    // machine options only shorten the start of each of the many compiles.
    std::unique_ptr<QProcess> startJavac(const Compile &compile, const QString &classes) const
    {
        auto process = std::make_unique<QProcess>();
        process->setWorkingDirectory(compile.folder);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(QStringLiteral("javac"),
                       m_speedOptions
                           + QStringList{"-J-Duser.language=en", "-encoding", "UTF-8", "-Xmaxerrs", "1000",
                                         "-d", classes}
                           + compile.files);
        return process;
    }

    // Runs the compiles a few at a time; each gets its exit code and lines.
    void runAll(const QList<Compile *> &compiles)
    {
        const int width = qMax(2, QThread::idealThreadCount());
        for (qsizetype first = 0; first < compiles.size(); first += width) {
            std::vector<std::unique_ptr<QProcess>> running;
            for (qsizetype i = first; i < qMin(first + width, compiles.size()); ++i)
                running.push_back(startJavac(*compiles.at(i), m_work.filePath(QStringLiteral("classes%1").arg(i))));
            for (qsizetype i = 0; i < qsizetype(running.size()); ++i) {
                QProcess &process = *running.at(i);
                Compile &compile = *compiles.at(first + i);
                process.waitForFinished(120000);
                compile.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
                QString output = QString::fromUtf8(process.readAll());
                if (output.endsWith(QLatin1Char('\n')))
                    output.chop(1);
                compile.lines = output.isEmpty() ? QStringList() : output.split(QLatin1Char('\n'));
            }
        }
    }

    static QString unescapeHtml(QString text)
    {
        static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        text.remove(tag);
        text.replace(QLatin1String("&lt;"), QLatin1String("<"));
        text.replace(QLatin1String("&gt;"), QLatin1String(">"));
        text.replace(QLatin1String("&quot;"), QLatin1String("\""));
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        return text;
    }

    // The file a page example is compiled as: its title when it has one, else
    // the name of its public class.
    static QString exampleFile(const QString &title, const QString &code)
    {
        if (!title.isEmpty())
            return title;
        static const QRegularExpression publicClass(QStringLiteral("public\\s+class\\s+(\\w+)"));
        const QRegularExpressionMatch match = publicClass.match(code);
        return match.hasMatch() ? match.captured(1) + QStringLiteral(".java") : QStringLiteral("Exemplo.java");
    }

    static QList<Example> readExamples(const QString &html)
    {
        static const QRegularExpression section(QStringLiteral("<h3 id=\"([a-z0-9_]+)\">"));
        static const QRegularExpression block(
            QStringLiteral("<pre class=\"(antes|depois)\"(?: title=\"([^\"]*)\")?>(.*?)</pre>"),
            QRegularExpression::DotMatchesEverythingOption);
        QList<Example> result;
        QList<QRegularExpressionMatch> sections;
        for (const auto &match : section.globalMatch(html))
            sections.append(match);
        for (qsizetype i = 0; i < sections.size(); ++i) {
            const qsizetype end = i + 1 < sections.size() ? sections.at(i + 1).capturedStart() : html.size();
            const QString body = html.mid(sections.at(i).capturedEnd(), end - sections.at(i).capturedEnd());
            Example example;
            example.id = sections.at(i).captured(1);
            for (const auto &match : block.globalMatch(body)) {
                const QString code = unescapeHtml(match.captured(3));
                const QString file = exampleFile(match.captured(2), code);
                if (match.captured(1) == QLatin1String("antes"))
                    example.before = code, example.beforeFile = file;
                else
                    example.after = code, example.afterFile = file;
            }
            result.append(example);
        }
        return result;
    }

    static QString describe(const QStringList &lines, const QList<CompilerExplanation> &explanations)
    {
        QStringList shown = lines;
        for (const CompilerExplanation &e : explanations)
            shown << QStringLiteral("[%1] %2").arg(e.id, e.text);
        return shown.join(QLatin1Char('\n'));
    }

    static const CompilerExplanations &table() { return CompilerExplanations::standard(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        const QDir corpus(sourceDir() + QStringLiteral("/tests/javatools/explanations"));
        static const QRegularExpression expectation(QStringLiteral("^// espera: ([a-z0-9_]+)(?: na linha (\\d+))?"));
        for (const QString &name : corpus.entryList({QStringLiteral("*.java")}, QDir::Files, QDir::Name)) {
            Program program;
            program.file = name;
            const QRegularExpressionMatch match = expectation.match(read(corpus.filePath(name)));
            program.id = match.captured(1);
            program.line = match.captured(2).toInt();
            program.compile.folder = m_work.filePath(QStringLiteral("corpus/") + name);
            program.compile.files = QStringList{name};
            QVERIFY(QDir().mkpath(program.compile.folder));
            QVERIFY(QFile::copy(corpus.filePath(name), program.compile.folder + '/' + name));
            m_programs.append(program);
        }

        m_examples = readExamples(read(sourceDir() + QStringLiteral("/Help/erros_compilador.htm")));
        m_afters.folder = m_work.filePath(QStringLiteral("afters"));
        for (qsizetype i = 0; i < m_examples.size(); ++i) {
            Example &example = m_examples[i];
            example.compile.folder = m_work.filePath(QStringLiteral("before/") + example.id);
            example.compile.files = QStringList{example.beforeFile};
            QVERIFY(write(example.compile.folder + '/' + example.beforeFile, example.before));
            // The "after" programs compile together, each in a package of its
            // own so that equal class names do not clash; the package goes on
            // the first line, so no line number moves.
            const QString package = QStringLiteral("p%1").arg(i);
            const QString file = package + '/' + example.afterFile;
            QVERIFY(write(m_afters.folder + '/' + file, QStringLiteral("package %1; ").arg(package) + example.after));
            m_afters.files << file;
        }

        m_haveJavac = !QStandardPaths::findExecutable(QStringLiteral("javac")).isEmpty();
        if (!m_haveJavac)
            return;
        // The first compile saves the classes javac loads, and the others map
        // them instead of loading them again.
        const QString archive = m_work.filePath(QStringLiteral("javac.jsa"));
        Compile warmUp = m_afters;
        m_speedOptions << "-J-XX:ArchiveClassesAtExit=" + archive;
        runAll({&warmUp});
        m_speedOptions.removeLast();
        if (QFileInfo::exists(archive))
            m_speedOptions << "-J-XX:SharedArchiveFile=" + archive;
        QList<Compile *> compiles;
        for (Program &program : m_programs)
            compiles << &program.compile;
        for (Example &example : m_examples)
            compiles << &example.compile;
        compiles << &m_afters;
        runAll(compiles);
    }

    void theTableIsSound()
    {
        QVERIFY2(table().errors().isEmpty(), qPrintable(table().errors().join('\n')));
        QVERIFY(table().ids().size() >= 60);
    }

    // Faults a teacher may make while extending the table are reported with
    // their line, and the faulty entry is left out.
    void tableFaults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const QString good = QStringLiteral("[bom]\nmensagem: x\nexplicação: y {linha}\n");
        QTest::newRow("unknown field") << good + "[a]\nmensagem: x\ncor: azul\nexplicação: y\n" << QString("linha 6: campo \"cor\"");
        QTest::newRow("no message") << good + "[a]\nexplicacao: y\n" << QString("linha 4: [a] não tem mensagem");
        QTest::newRow("two texts") << good + "[a]\nmensagem: x\nexplicação: y\nexplicação: z\n" << QString("[a] precisa de uma explicação, e só uma");
        QTest::newRow("placeholder not captured") << good + "[a]\nmensagem: x {nome}\nexplicação: {outro}\n" << QString("{outro} não aparece");
        QTest::newRow("placeholder in one alternative only")
            << good + "[a]\nmensagem: x {nome}\nmensagem: y\nexplicação: {nome}\n" << QString("{nome} não aparece");
        QTest::newRow("capture named like a built-in") << good + "[a]\nmensagem: x {linha}\nexplicação: z\n" << QString("linha 5: {linha} é preenchido pelo programa");
        QTest::newRow("unknown kind") << good + "[a]\ntipo: grave\nmensagem: x\nexplicação: y\n" << QString("linha 5: tipo \"grave\"");
        QTest::newRow("duplicate name") << good + "[bom]\nmensagem: z\nexplicação: y\n" << QString("linha 4: o nome [bom] já foi usado");
        QTest::newRow("name with accent") << good + "[ação]\nmensagem: z\nexplicação: y\n" << QString("o nome [ação]");
        QTest::newRow("text before any entry") << "mensagem: x\n" + good << QString("linha 1: texto fora");
        QTest::newRow("bad term") << good + "[termos]\nsem igual\n" << QString("linha 5: um termo");
    }

    void tableFaults()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        const CompilerExplanations faulty(text);
        QVERIFY2(faulty.errors().join('\n').contains(error), qPrintable(faulty.errors().join('\n')));
        QVERIFY(faulty.ids().contains(QStringLiteral("bom")));
        QCOMPARE(faulty.ids().size(), 1);
    }

    // The reading of javac's output, on lines written by hand for the cases a
    // real compile rarely shows together.
    void matching_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected"); // "id|text" of each explanation, in order

        QTest::newRow("detail line chooses the entry, spaces collapsed")
            << QStringList{"A.java:3: error: cannot find symbol", "        f(total);", "          ^",
                           "  symbol:   variable total", "  location: class A", "1 error"}
            << QStringList{"var|total em linha 3, coluna 11"};
        QTest::newRow("first matching entry wins")
            << QStringList{"A.java:4: error: cannot find symbol", "        x();", "        ^",
                           "  symbol:   method x()", "  location: class A"}
            << QStringList{"simbolo|simbolo linha 4, coluna 9"};
        QTest::newRow("tabs before the caret count one column each")
            << QStringList{"A.java:7: error: ';' expected", "\t\tint x = 1", "\t\t         ^"}
            << QStringList{"pv|linha 7, coluna 12"};
        QTest::newRow("CR LF line ends")
            << QStringList{"A.java:2: error: ';' expected\r", "  int x\r", "       ^\r", "1 error\r"}
            << QStringList{"pv|linha 2, coluna 8"};
        QTest::newRow("no caret: line only")
            << QStringList{"A.java:9: error: reached end of file while parsing", "2 errors"}
            << QStringList{"fim|fim linha 9"};
        QTest::newRow("an echoed source line that looks like a message is not one")
            << QStringList{"A.java:3: error: ';' expected", "String s = \"B.java:1: error: ';' expected\"",
                           "                                             ^"}
            << QStringList{"pv|linha 3, coluna 46"};
        QTest::newRow("the kind must match")
            << QStringList{"A.java:2: warning: ';' expected", "x", "^", "Note: A.java uses unchecked or unsafe operations.",
                           "Note: Recompile with -Xlint:unchecked for details.", "1 warning"}
            << QStringList{"nota|A.java, sem linha"};
        QTest::newRow("terms are translated, several captures")
            << QStringList{"A.java:5: error: method f in class A cannot be applied to given types;", "f();", "^",
                           "  required: int", "  found:    no arguments", "  reason: actual and formal argument lists differ in length"}
            << QStringList{"args|f: int / nenhum argumento"};
        QTest::newRow("messages with no file are read; unknown ones are left alone")
            << QStringList{"error: file not found: B.java", "A.java:1: error: something new", "x", "^",
                           "Usage: javac <options> <source files>"}
            << QStringList{"semarquivo|B.java linha 0"};
        QTest::newRow("nothing to explain") << QStringList{} << QStringList{};
    }

    void matching()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        const CompilerExplanations table(QStringLiteral(
            "[var]\nmensagem: cannot find symbol\ndetalhe: symbol: variable {nome}\nexplicação: {nome} em {local}\n"
            "[simbolo]\nmensagem: cannot find symbol\nexplicação: simbolo {local}\n"
            "[metodo]\nmensagem: cannot find symbol\ndetalhe: symbol: method {nome}\nexplicação: nunca escolhida\n"
            "[pv]\nmensagem: ';' expected\nexplicação: {local}\n"
            "[fim]\nmensagem: reached end of file while parsing\nexplicação: fim {local}\n"
            "[nota]\ntipo: nota\nmensagem: {arq} uses unchecked or unsafe operations.\nexplicação: {arq}, sem linha\n"
            "[args]\nmensagem: method {nome} in {onde} cannot be applied to given types;\n"
            "detalhe: required: {esperado}\ndetalhe: found: {recebido}\nexplicação: {nome}: {esperado} /\n"
            "    {recebido}\n"
            "[semarquivo]\nmensagem: file not found: {f}\nexplicação: {f} linha {linha}\n"
            "[termos]\nno arguments = nenhum argumento\n"));
        QVERIFY2(table.errors().isEmpty(), qPrintable(table.errors().join('\n')));
        QStringList actual;
        for (const CompilerExplanation &e : table.explain(lines))
            actual << e.id + '|' + e.text;
        QCOMPARE(actual, expected);
    }

    // Each explanation goes right below the last line of its message, marked
    // as an explanation; the compiler's lines stay exactly as they were.
    void interleave()
    {
        const QStringList lines{"A.java:3: error: cannot find symbol", "        f(total);", "          ^",
                                "  symbol:   variable total", "  location: class A",
                                "A.java:5: error: ';' expected", "  int x", "       ^",
                                "Note: A.java uses unchecked or unsafe operations.",
                                "Note: Recompile with -Xlint:unchecked for details.", "2 errors"};
        const QList<ExplainedLine> shown = table().interleave(lines);
        QCOMPARE(shown.size(), lines.size() + 3);
        QStringList compilerLines;
        QList<int> explanationRows;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (shown.at(i).explanation) {
                explanationRows << int(i);
                QVERIFY(shown.at(i).text.startsWith(CompilerExplanations::linePrefix()));
            } else {
                QCOMPARE(shown.at(i).compilerRow, int(compilerLines.size()));
                compilerLines << shown.at(i).text;
            }
        }
        QCOMPARE(compilerLines, lines);
        // The note's explanation goes below javac's hint that follows the note.
        QCOMPARE(explanationRows, (QList<int>{5, 9, 12}));
        QCOMPARE(shown.at(5).compilerRow, 0);
        QCOMPARE(shown.at(9).compilerRow, 5);
        QCOMPARE(shown.at(12).compilerRow, 8);
        QVERIFY(shown.at(5).text.contains(QStringLiteral("total")));
        QVERIFY(shown.at(9).text.contains(QStringLiteral("linha 5")));
    }

    void everyEntryHasAProgramAndAHelpSection()
    {
        QSet<QString> programs, sections;
        for (const Program &program : std::as_const(m_programs))
            if (!program.id.isEmpty())
                programs.insert(program.id);
        for (const Example &example : std::as_const(m_examples))
            sections.insert(example.id);
        const QStringList ids = table().ids();
        const QSet<QString> entries(ids.begin(), ids.end());
        QCOMPARE(programs, entries);
        // The mistakes found behind the messages have their sections too.
        const QStringList found = MistakeFinder::ids();
        const QSet<QString> explained = entries + QSet<QString>(found.begin(), found.end());
        QCOMPARE(sections, explained);
        QCOMPARE(qsizetype(m_examples.size()), explained.size());
    }

    // The real javac on one small wrong program per entry: the first message
    // gets that entry, naming the right line; every other message of these
    // programs is explained too; the correct program gets nothing.
    void programs_data()
    {
        QTest::addColumn<int>("index");
        for (qsizetype i = 0; i < m_programs.size(); ++i)
            QTest::newRow(qPrintable(m_programs.at(i).file)) << int(i);
    }

    void programs()
    {
        if (!m_haveJavac)
            QSKIP("no javac on the search path");
        QFETCH(int, index);
        const Program &program = m_programs.at(index);
        const QStringList &lines = program.compile.lines;
        const QList<CompilerExplanation> explanations = table().explain(lines);
        const QString shown = describe(lines, explanations);
        if (program.id.isEmpty()) {
            QCOMPARE(program.compile.exitCode, 0);
            QVERIFY2(lines.isEmpty() && explanations.isEmpty(), qPrintable(shown));
            return;
        }
        QVERIFY2(!explanations.isEmpty(), qPrintable(shown));
        const CompilerExplanation &first = explanations.first();
        QVERIFY2(first.messageRow == 0 && first.id == program.id, qPrintable(shown));
        QCOMPARE(first.line, program.line);
        if (program.line > 0)
            QVERIFY2(first.text.contains(QStringLiteral("linha %1").arg(program.line)), qPrintable(first.text));
        QCOMPARE(explanations.size(), CompilerMessages::parse(lines).size());
        for (const CompilerExplanation &e : explanations)
            if (e.line > 0)
                QVERIFY2(e.text.contains(QStringLiteral("linha %1").arg(e.line)), qPrintable(e.text));
    }

    // Every "before" of the help page gets, as its first explanation, the one
    // its section is about, whether the message's or the mistake found behind
    // it; every "after" compiles without a word from javac.
    void helpExamples_data()
    {
        QTest::addColumn<int>("index");
        if (m_examples.isEmpty())
            QTest::newRow("no examples") << -1;
        for (qsizetype i = 0; i < m_examples.size(); ++i)
            QTest::newRow(qPrintable(m_examples.at(i).id)) << int(i);
    }

    void helpExamples()
    {
        if (!m_haveJavac)
            QSKIP("no javac on the search path");
        QFETCH(int, index);
        QVERIFY2(index >= 0, "the help page has no examples");
        const Example &example = m_examples.at(index);
        QVERIFY2(!example.before.isEmpty() && !example.after.isEmpty(), "a section needs both examples");
        const QStringList &lines = example.compile.lines;
        const CompiledSource source{example.beforeFile, example.before.split(QLatin1Char('\n')), {}};
        const QList<CompilerExplanation> explanations = table().explain(lines, &source);
        // These examples show a message whose real cause the finder names.
        static const QHash<QString, QString> realCause = {
            {"fecha_parentese", "falta_fechamento"},   {"fecha_colchete", "falta_fechamento"},
            {"fim_de_arquivo", "falta_chave"},         {"inicio_ilegal_de_expressao", "falta_chave"},
            {"fora_da_classe", "sobra_chave"},         {"inicio_ilegal_de_tipo", "fora_do_metodo"},
            {"identificador_esperado", "fora_do_metodo"}, {"string_minusculo", "nome_parecido"},
            {"system_minusculo", "nome_parecido"},     {"simbolo_metodo", "nome_parecido"},
            {"retorno_em_void", "retorno_em_metodo_void"}, {"void_nao_permitido", "void_como_valor"},
            {"simbolo_variavel", "variavel_nao_declarada"}, {"condicao_nao_booleana", "igual_na_condicao"},
        };
        QVERIFY2(!explanations.isEmpty() && explanations.first().messageRow == 0
                     && explanations.first().id == realCause.value(example.id, example.id),
                 qPrintable(describe(lines, explanations)));
        if (realCause.contains(example.id))
            QCOMPARE(table().explain(lines).first().id, example.id);
        const QString afterFile = QStringLiteral("p%1/").arg(index) + example.afterFile;
        for (const QString &line : m_afters.lines)
            QVERIFY2(!line.startsWith(afterFile), qPrintable(m_afters.lines.join('\n')));
    }

    void allAftersCompileSilently()
    {
        if (!m_haveJavac)
            QSKIP("no javac on the search path");
        QVERIFY(!m_afters.files.isEmpty());
        QVERIFY2(m_afters.exitCode == 0 && m_afters.lines.isEmpty(), qPrintable(m_afters.lines.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestExplanations)
#include "tst_explanations.moc"

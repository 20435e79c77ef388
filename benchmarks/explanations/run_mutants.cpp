// Run-time mistakes injected into the correct programs: a loop's i < v.length
// turned into i <= v.length, as beginners write it. Each mutant that compiles
// runs in the console's way (ProgramRun) and its first run-time explanation
// must name that loop's condition. A program that reads the keyboard gets
// threes to read; one that opens windows or waits is left out. Only the
// mutants that stop with an index error are graded.
#include "grading.h"

#include "javatools/javac_compiler.h"
#include "javatools/program_run.h"
#include "javatools/source_tokens.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

struct RunMutant
{
    QStringList lines;
    QString condition; // as it reads after the mistake: i <= v.length
};

QList<RunMutant> lessOrEqualLoops(const QStringList &lines)
{
    static const QRegularExpression bound(
        QStringLiteral("\\b(\\w+)\\s*<\\s*([\\w.]+\\.(?:length\\b(?!\\()|length\\(\\)|size\\(\\)))"));
    QList<RunMutant> result;
    for (int l = 0; l < lines.size(); ++l) {
        const QString &line = lines.at(l);
        if (!line.contains(QLatin1String("for")))
            continue;
        const QRegularExpressionMatch m = bound.match(line);
        if (!m.hasMatch())
            continue;
        RunMutant mutant{lines, QString()};
        const QString before = m.captured(0);
        const QString after = QStringLiteral("%1 <= %2").arg(m.captured(1), m.captured(2));
        mutant.lines[l].replace(m.capturedStart(), m.capturedLength(), after);
        mutant.condition = after;
        result << mutant;
    }
    return result;
}

bool waitsForSomeone(const QStringList &lines)
{
    const QString text = lines.join('\n');
    return text.contains(QLatin1String("JOptionPane")) || text.contains(QLatin1String("JFrame"))
           || text.contains(QLatin1String("Thread.sleep"));
}

} // namespace

bool gradeRunMutants(const QDir &folder, JavacCompiler &compiler, QTextStream &out)
{
    QFile list(folder.filePath(QStringLiteral("fontes.tsv")));
    if (!list.open(QIODevice::ReadOnly))
        return false;
    QTemporaryDir work;
    QMap<Grade, int> grades;
    int made = 0;
    int crashed = 0;
    while (!list.atEnd()) {
        const QString row = QString::fromUtf8(list.readLine()).trimmed();
        if (row.isEmpty() || row.startsWith('#'))
            continue;
        const QString key = row.section('\t', 0, 0);
        QFile file(folder.filePath(key));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        if (waitsForSomeone(lines))
            continue;
        // Run from its own folder: the package line goes, the numbering stays.
        for (QString &line : lines) {
            if (line.trimmed().startsWith(QLatin1String("package ")))
                line.clear();
        }
        for (const RunMutant &mutant : lessOrEqualLoops(lines)) {
            const QString dir = work.filePath(QString::number(made++));
            QDir().mkpath(dir);
            const QString name = QFileInfo(key).fileName();
            QFile source(QDir(dir).filePath(name));
            if (!source.open(QIODevice::WriteOnly))
                continue;
            source.write(mutant.lines.join('\n').toUtf8());
            source.close();
            if (compiler.compile(source.fileName(), "UTF-8").verdict != JavacCompiler::Verdict::Succeeded)
                continue;
            ProgramRun run(dir, QFileInfo(name).completeBaseName());
            QString errors;
            QObject::connect(&run, &ProgramRun::output, [&errors](const QList<RunOutput> &pieces) {
                for (const RunOutput &piece : pieces)
                    errors += piece.kind == RunOutput::Kind::Error ? piece.text : QString();
            });
            run.start();
            for (int i = 0; i < 40; ++i)
                run.sendLine(QStringLiteral("3"));
            run.closeInput();
            const QDeadlineTimer deadline(10000);
            while (!run.hasEnded() && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            run.stop();
            // Only an uncaught index error: the extra turn may do no harm, be
            // caught by the program, or something else may stop it first.
            if (!errors.contains(QLatin1String("Exception in thread"))
                || !errors.contains(QLatin1String("IndexOutOfBoundsException")))
                continue;
            ++crashed;
            Expected expected{{"indice_fora_do_vetor", "indice_fora_do_texto", "indice_fora_da_lista"},
                              0, {}, mutant.condition, {}};
            Grade g = Grade::None;
            QString text;
            if (!run.explanations().isEmpty()) {
                const RunOutput &first = run.explanations().first();
                text = first.text.trimmed();
                expected.line = first.line;
                g = grade(expected, first.id, text, first.line, first.line);
            }
            ++grades[g];
            if (g != Grade::Right)
                out << gradeName(g) << "  " << key << " (" << mutant.condition << ")\n    " << text << "\n";
        }
    }
    out << QStringLiteral("run-time mutants: %1 made, %2 stopped with an error; right %3, wrong %4, literal %5, none %6\n")
               .arg(made).arg(crashed).arg(grades.value(Grade::Right)).arg(grades.value(Grade::Wrong))
               .arg(grades.value(Grade::Literal)).arg(grades.value(Grade::None));
    return true;
}

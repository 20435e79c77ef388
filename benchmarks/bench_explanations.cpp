// How often the first explanation of a compile names the real mistake, on
// programs we did not write.
//
//   bench_explanations PROGRAMS [--details KIND | --details-all KIND]
//   bench_explanations --questions FOLDER
//   bench_explanations --run PROGRAMS
//
// PROGRAMS holds correct beginner programs and fontes.tsv, where each came
// from. Into each one every kind of mistake of explanations/mutations.cpp is
// injected at up to two places; each mutant is compiled along F9's path (the
// warm compile helper) and its first explanation graded:
//   right    an entry that names this mistake, with its line and its word;
//   wrong    any other cause (the finder's, or a table entry that tells the
//            student what to change when that is not the mistake), or this
//            mistake placed on another line;
//   literal  a table entry that only restates the message, or names this
//            mistake without the word that makes it this program's;
//   none     no explanation at all.
// Programs split by their name into a development half and a reserve half.
// --questions grades the outside corpus (see explanations/questions.cpp);
// --run injects a run-time mistake (see explanations/run_mutants.cpp).
#include "bench_support.h"
#include "explanations/grading.h"
#include "explanations/mutations.h"

#include "javatools/compile_helper.h"
#include "javatools/javac_compiler.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

struct Program
{
    QString key;  // folder/File.java inside PROGRAMS
    QString name; // File.java
    QStringList lines;
    bool reserve = false;
};

QList<Program> readPrograms(const QDir &folder, QTextStream &out)
{
    QList<Program> programs;
    QFile list(folder.filePath(QStringLiteral("fontes.tsv")));
    if (!list.open(QIODevice::ReadOnly)) {
        out << "no fontes.tsv in " << folder.path() << "\n";
        return programs;
    }
    while (!list.atEnd()) {
        const QString row = QString::fromUtf8(list.readLine()).trimmed();
        if (row.isEmpty() || row.startsWith('#'))
            continue;
        const QStringList fields = row.split('\t');
        QFile file(folder.filePath(fields.at(0)));
        if (!file.open(QIODevice::ReadOnly)) {
            out << "missing " << fields.at(0) << "\n";
            continue;
        }
        const QByteArray bytes = file.readAll();
        if (fields.size() > 4
            && QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() != fields.at(4).toLatin1())
            out << "changed since it was gathered: " << fields.at(0) << "\n";
        Program p;
        p.key = fields.at(0);
        p.name = QFileInfo(p.key).fileName();
        p.lines = QString::fromUtf8(bytes).split('\n');
        p.reserve = QStringLiteral("13579bdf").contains(p.key.at(0));
        programs << p;
    }
    return programs;
}

// Up to two of the places a kind can be made, the same ones on every run.
QList<Mutant> chosen(const QList<Mutant> &all, const QString &seed)
{
    if (all.isEmpty())
        return {};
    const QByteArray digest = QCryptographicHash::hash(seed.toUtf8(), QCryptographicHash::Md5);
    const quint32 h = quint32(uchar(digest[0])) << 24 | quint32(uchar(digest[1])) << 16
                      | quint32(uchar(digest[2])) << 8 | quint32(uchar(digest[3]));
    const qsizetype first = h % all.size();
    QList<Mutant> result{all.at(first)};
    if (all.size() > 1)
        result << all.at((first + 1 + (h >> 8) % (all.size() - 1)) % all.size());
    return result;
}

struct Tally
{
    int mutants = 0, compiled = 0;
    QMap<Grade, int> grades;
    int failing() const { return mutants - compiled; }
};

QString percent(int part, int whole)
{
    return whole ? QString::number(100.0 * part / whole, 'f', 1) : QStringLiteral("-");
}

void printTable(QTextStream &out, const QString &title, const QMap<QString, Tally> &byKind)
{
    out << "\n" << title << "\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
               .arg("kind", -32).arg("mutants", 7).arg("compile", 7).arg("right", 6)
               .arg("wrong", 6).arg("literal", 7).arg("none", 5).arg("right %", 8);
    Tally total;
    for (const MutationKind &kind : mutationKinds()) {
        const Tally t = byKind.value(kind.id);
        total.mutants += t.mutants;
        total.compiled += t.compiled;
        for (auto it = t.grades.begin(); it != t.grades.end(); ++it)
            total.grades[it.key()] += it.value();
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
                   .arg(kind.id, -32).arg(t.mutants, 7).arg(t.compiled, 7)
                   .arg(t.grades.value(Grade::Right), 6).arg(t.grades.value(Grade::Wrong), 6)
                   .arg(t.grades.value(Grade::Literal), 7).arg(t.grades.value(Grade::None), 5)
                   .arg(percent(t.grades.value(Grade::Right), t.failing()), 8);
    }
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8   wrong %9 %\n")
               .arg("all", -32).arg(total.mutants, 7).arg(total.compiled, 7)
               .arg(total.grades.value(Grade::Right), 6).arg(total.grades.value(Grade::Wrong), 6)
               .arg(total.grades.value(Grade::Literal), 7).arg(total.grades.value(Grade::None), 5)
               .arg(percent(total.grades.value(Grade::Right), total.failing()), 8)
               .arg(percent(total.grades.value(Grade::Wrong), total.failing()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList args = app.arguments().mid(1);
    QString details;
    bool detailsOfAll = false;
    QString questions;
    QString runs;
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--details") || args.at(i) == QLatin1String("--details-all")) {
            detailsOfAll = args.at(i) == QLatin1String("--details-all");
            details = args.takeAt(i + 1);
            args.removeAt(i--);
        }
        else if (args.at(i) == QLatin1String("--run")) {
            runs = args.takeAt(i + 1);
            args.removeAt(i--);
        } else if (args.at(i) == QLatin1String("--questions")) {
            questions = args.takeAt(i + 1);
            args.removeAt(i--);
        }
    }
    CompileHelper helper(QStringLiteral(TAVESSA_BUILD_DIR "/tavessa-compiler.jar"));
    JavacCompiler compiler(JavacCompiler::TimeLimitMs, &helper);
    if (!questions.isEmpty())
        return gradeQuestions(QDir(questions), compiler, out) ? 0 : 1;
    if (!runs.isEmpty())
        return gradeRunMutants(QDir(runs), compiler, out) ? 0 : 1;
    if (args.isEmpty()) {
        out << "usage: bench_explanations PROGRAMS [--details KIND] [--questions FOLDER]\n";
        return 2;
    }
    const QList<Program> programs = readPrograms(QDir(args.first()), out);
    QTemporaryDir work;
    QMap<QString, Tally> development, reserve;
    int made = 0;
    for (const Program &program : programs) {
        for (const MutationKind &kind : mutationKinds()) {
            for (const Mutant &mutant : chosen(kind.make(program.lines), program.key + kind.id)) {
                const QString folder = work.filePath(QString::number(made++));
                QDir().mkpath(folder);
                const QString path = writeFile(folder, program.name, mutant.lines.join('\n').toUtf8());
                const Graded graded = gradeCompile(compiler, path, mutant.lines,
                                                   {kind.accepted, mutant.line, mutant.otherLines, mutant.word, {}});
                Tally &tally = (program.reserve ? reserve : development)[kind.id];
                ++tally.mutants;
                if (graded.compiled) {
                    ++tally.compiled;
                    continue;
                }
                ++tally.grades[graded.grade];
                // Only the development half is looked at case by case.
                if (kind.id == details && graded.grade != Grade::Right && (detailsOfAll || !program.reserve))
                    out << "--- " << program.key << " line " << mutant.line << " ["
                        << gradeName(graded.grade) << "]\n    " << mutant.lines.value(mutant.line - 1).trimmed()
                        << "\n    " << graded.message << "\n    [" << graded.id << "] " << graded.text << "\n";
            }
        }
    }
    out << programs.size() << " programs, " << made << " mutants\n";
    printTable(out, QStringLiteral("development half"), development);
    printTable(out, QStringLiteral("reserve half"), reserve);
    QMap<QString, Tally> all = development;
    for (auto it = reserve.begin(); it != reserve.end(); ++it) {
        Tally &t = all[it.key()];
        t.mutants += it->mutants;
        t.compiled += it->compiled;
        for (auto g = it->grades.begin(); g != it->grades.end(); ++g)
            t.grades[g.key()] += g.value();
    }
    printTable(out, QStringLiteral("all programs"), all);
    return 0;
}

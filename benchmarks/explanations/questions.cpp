// The outside corpus: programs from novices' questions and teaching pages,
// each graded by the cause that the outside answer names. The expectations
// are written in perguntas.txt (beside this file) before Tavessa's answer is
// looked at; the programs themselves stay out of the repository, in a folder
// of one subfolder per case.
#include "grading.h"

#include "javatools/javac_compiler.h"
#include "javatools/program_run.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

struct Question
{
    QString id;
    QString source;  // where it came from
    bool run = false; // a run-time error: compiled, then run with `input`
    QString file;
    QStringList input;
    QString language; // pt_BR: the virtual machine runs in that language
    QString answer;  // the cause as the outside answer names it
    Expected expected;
};

QList<Question> readQuestions(const QString &path)
{
    QList<Question> questions;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return questions;
    static const QRegularExpression header(QStringLiteral("^\\[([\\w-]+)\\]$"));
    static const QRegularExpression field(QStringLiteral("^(\\w+): ?(.*)$"));
    for (const QString &raw : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (const QRegularExpressionMatch m = header.match(line); m.hasMatch()) {
            questions.append(Question{m.captured(1), {}, false, {}, {}, {}, {}, {}});
            continue;
        }
        const QRegularExpressionMatch m = field.match(line);
        if (!m.hasMatch() || questions.isEmpty())
            continue;
        Question &q = questions.last();
        const QString key = m.captured(1);
        const QString value = m.captured(2);
        if (key == QLatin1String("fonte"))
            q.source = value;
        else if (key == QLatin1String("tipo"))
            q.run = value == QLatin1String("execucao");
        else if (key == QLatin1String("arquivo"))
            q.file = value;
        else if (key == QLatin1String("entrada"))
            q.input = value.split('|');
        else if (key == QLatin1String("idioma"))
            q.language = value;
        else if (key == QLatin1String("evita"))
            q.expected.avoid = value;
        else if (key == QLatin1String("resposta"))
            q.answer = value;
        else if (key == QLatin1String("aceita"))
            q.expected.accepted = value.split(' ', Qt::SkipEmptyParts);
        else if (key == QLatin1String("linha")) {
            const QStringList numbers = value.split(' ', Qt::SkipEmptyParts);
            q.expected.line = numbers.value(0).toInt();
            for (const QString &n : numbers.mid(1))
                q.expected.otherLines << n.toInt();
        }
        else if (key == QLatin1String("palavra"))
            q.expected.word = value;
    }
    return questions;
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList();
}

// Runs the compiled class as the console does, typing `input`, and grades
// the first run-time explanation.
Graded gradeRun(const QString &folder, const QString &className, const Question &q)
{
    Graded graded;
    ProgramRun run(folder, className);
    if (!q.language.isEmpty())
        run.setVirtualMachineOptions({QStringLiteral("-Duser.language=") + q.language.section('_', 0, 0),
                                      QStringLiteral("-Duser.country=") + q.language.section('_', 1, 1)});
    QString errors;
    QObject::connect(&run, &ProgramRun::output, [&errors](const QList<RunOutput> &pieces) {
        for (const RunOutput &piece : pieces)
            if (piece.kind == RunOutput::Kind::Error)
                errors += piece.text;
    });
    run.start();
    for (const QString &line : q.input)
        run.sendLine(line);
    run.closeInput();
    const QDeadlineTimer deadline(20000);
    while (!run.hasEnded() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    run.stop();
    graded.message = errors.section('\n', 0, 0);
    if (run.explanations().isEmpty())
        return graded;
    const RunOutput &first = run.explanations().first();
    graded.id = first.id;
    graded.text = first.text.trimmed();
    graded.grade = grade(q.expected, first.id, graded.text, first.line, first.line);
    return graded;
}

} // namespace

bool gradeQuestions(const QDir &folder, JavacCompiler &compiler, QTextStream &out)
{
    const QList<Question> questions =
        readQuestions(QStringLiteral(TAVESSA_SOURCE_DIR "/benchmarks/explanations/perguntas.txt"));
    QMap<QString, QMap<Grade, int>> totals;
    for (const Question &q : questions) {
        const QString path = folder.filePath(q.id + '/' + q.file);
        const QStringList lines = readLines(path);
        if (lines.isEmpty()) {
            out << q.id << ": missing " << path << "\n";
            continue;
        }
        Graded graded;
        if (q.run) {
            const JavacCompiler::Result built = compiler.compile(path, "UTF-8");
            if (built.verdict != JavacCompiler::Verdict::Succeeded) {
                out << q.id << ": does not compile\n";
                continue;
            }
            graded = gradeRun(QFileInfo(path).absolutePath(), QFileInfo(q.file).completeBaseName(), q);
        } else {
            graded = gradeCompile(compiler, path, lines, q.expected);
            if (graded.compiled) {
                out << q.id << ": compiles\n";
                continue;
            }
        }
        totals[q.run ? QStringLiteral("run time") : QStringLiteral("compile")][graded.grade]++;
        out << QStringLiteral("%1 %2 [%3] %4\n    expected: %5\n")
                   .arg(gradeName(graded.grade), -8).arg(q.id, graded.id, graded.text, q.answer);
    }
    for (auto it = totals.begin(); it != totals.end(); ++it) {
        int all = 0;
        for (const int n : *it)
            all += n;
        out << QStringLiteral("%1: %2 cases, right %3, wrong %4, literal %5, none %6\n")
                   .arg(it.key()).arg(all).arg(it->value(Grade::Right)).arg(it->value(Grade::Wrong))
                   .arg(it->value(Grade::Literal)).arg(it->value(Grade::None));
    }
    return true;
}

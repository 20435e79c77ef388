// Testing an exercise: 20 cases of a small program run through the case
// runner (two side by side), the time until the last verdict and the slowest
// keystroke in an editor meanwhile; then a program that loops forever on
// every case, against the sum of its time limits.
#include "bench_support.h"

#include "editor/syn_memo.h"
#include "javatools/case_runner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

bool compiled(const QString &folder, const QByteArray &source)
{
    if (writeFile(folder, QStringLiteral("Soma.java"), source).isEmpty())
        return false;
    QProcess javac;
    javac.setWorkingDirectory(folder);
    javac.start(QStringLiteral("javac"), {QStringLiteral("Soma.java")});
    return javac.waitForFinished(60000) && javac.exitCode() == 0;
}

// Runs `cases`; the milliseconds until the last verdict, and the slowest
// keystroke into `editor` while they ran.
std::pair<double, double> test(const QString &folder, const QList<ExerciseCase> &cases, TSynMemo &editor)
{
    CaseRunner runner(folder, QStringLiteral("Soma"), QString());
    QElapsedTimer clock;
    clock.start();
    runner.run(cases);
    double worstKey = 0;
    while (runner.isRunning()) {
        QElapsedTimer key;
        key.start();
        QTest::keyClick(&editor, Qt::Key_A);
        QCoreApplication::processEvents();
        worstKey = std::max(worstKey, key.nsecsElapsed() / 1e6);
        QTest::qWait(10);
    }
    return {clock.nsecsElapsed() / 1e6, worstKey};
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    if (!compiled(folder.path(), "import java.util.Scanner;\n"
                                 "public class Soma {\n"
                                 "    public static void main(String[] args) {\n"
                                 "        Scanner s = new Scanner(System.in);\n"
                                 "        int a = s.nextInt(), b = s.nextInt();\n"
                                 "        System.out.println(\"Soma: \" + (a + b));\n"
                                 "    }\n"
                                 "}\n")) {
        out << "javac failed\n";
        return 1;
    }
    QList<ExerciseCase> cases;
    for (int i = 0; i < 20; ++i) {
        ExerciseCase c;
        c.input = QStringLiteral("%1 %2").arg(i).arg(2 * i);
        c.outputs.append({QStringLiteral("Soma: %1").arg(3 * i), OutputComparison::Exact, false});
        cases.append(c);
    }
    TSynMemo editor;
    editor.show();
    for (int round = 0; round < 3; ++round) {
        const auto [ms, key] = test(folder.path(), cases, editor);
        out << "20 cases tested: " << ms << " ms; slowest keystroke meanwhile " << key << " ms\n";
    }
    // Forever on every case: each costs its limit, nothing more.
    if (!compiled(folder.path(), "public class Soma {\n"
                                 "    public static void main(String[] args) { while (true) { } }\n"
                                 "}\n"))
        return 1;
    for (ExerciseCase &c : cases)
        c.timeLimitMs = 1000;
    cases = cases.mid(0, 6);
    const auto [ms, key] = test(folder.path(), cases, editor);
    out << "6 cases looping forever, 1 s limit each, two side by side: " << ms << " ms (limits: 3000 ms); slowest keystroke "
        << key << " ms\n";
    return 0;
}

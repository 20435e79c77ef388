// One compile of a small program through Tavessa's compiler runner (comp.bat,
// the message file, the time limit) against javac started alone on the same
// file. Prints the median of each and their ratio.
#include "bench_support.h"

#include "javatools/javac_compiler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kRounds = 9;

double elapsedMs(const std::function<bool()> &compileOnce)
{
    QElapsedTimer clock;
    clock.start();
    return compileOnce() ? clock.nsecsElapsed() / 1e6 : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    QFile source(folder.filePath("Hello.java"));
    if (!source.open(QIODevice::WriteOnly))
        return 1;
    source.write("public class Hello {\n"
                 "    public static void main(String[] args) {\n"
                 "        for (int i = 0; i < 3; i++)\n"
                 "            System.out.println(\"Olá \" + i);\n"
                 "    }\n"
                 "}\n");
    source.close();

    JavacCompiler compiler;
    const auto throughTavessa = [&] {
        return compiler.compile(source.fileName(), "UTF-8").verdict
               == JavacCompiler::Verdict::Succeeded;
    };
    const auto javacAlone = [&] {
        QProcess javac;
        javac.setWorkingDirectory(folder.path());
        javac.start(QStringLiteral("javac"), {QStringLiteral("Hello.java")});
        return javac.waitForFinished(60000) && javac.exitCode() == 0;
    };
    // One round of each to warm the disk cache, then the two take turns so
    // that the machine's load falls on both alike.
    elapsedMs(throughTavessa);
    elapsedMs(javacAlone);
    std::vector<double> tavessaTimes, aloneTimes;
    for (int i = 0; i < kRounds; ++i) {
        tavessaTimes.push_back(elapsedMs(throughTavessa));
        aloneTimes.push_back(elapsedMs(javacAlone));
    }
    const bool failed = std::count(tavessaTimes.begin(), tavessaTimes.end(), -1.0)
                        + std::count(aloneTimes.begin(), aloneTimes.end(), -1.0);
    const double tavessa = failed ? -1 : median(tavessaTimes);
    const double alone = failed ? -1 : median(aloneTimes);
    if (tavessa < 0 || alone < 0) {
        out << "javac failed\n";
        return 1;
    }
    out << "compile through Tavessa: " << tavessa << " ms (median of " << kRounds << ")\n"
        << "javac alone:             " << alone << " ms\n"
        << "ratio:                   " << tavessa / alone << "\n";
    return 0;
}

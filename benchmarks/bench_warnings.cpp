// The warnings for code that compiles but is wrong, on real Java files that
// are correct: every warning there is a false one, unless looking at it shows
// a real slip of the file's writer. Usage: bench_warnings [-v] FOLDER...
// (the JDK's sources from Debian's openjdk-17-source, public beginners'
// exercise programs). It prints the files and lines read, the warnings of
// each kind, and with -v each warning with its line, to be looked at; and
// the time the search takes.
#include "bench_support.h"

#include "javatools/code_warnings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>
#include <map>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList folders = app.arguments().mid(1);
    const bool verbose = folders.removeAll(QStringLiteral("-v")) > 0;
    std::map<QString, int> counts;
    int files = 0;
    qint64 lines = 0;
    qint64 nanoseconds = 0;
    QElapsedTimer clock;
    forEachJavaFile(folders, [&](const QString &path, const QStringList &source) {
        clock.start();
        const QList<CodeWarning> warnings = codewarnings::find(source);
        nanoseconds += clock.nsecsElapsed();
        ++files;
        lines += source.size();
        for (const CodeWarning &w : warnings) {
            ++counts[w.id];
            if (verbose)
                std::printf("%s:%d [%s] %s\n", qPrintable(path), w.line, qPrintable(w.id),
                            qPrintable(source.value(w.line - 1).trimmed()));
        }
    });
    std::printf("%d files, %lld lines\n", files, static_cast<long long>(lines));
    for (const QString &id : codewarnings::ids())
        std::printf("%-36s %6d\n", qPrintable(id), counts[id]);
    std::printf("%.1f ms per 1,000 lines\n", lines ? nanoseconds / 1e6 / (lines / 1000.0) : 0.0);
    return 0;
}

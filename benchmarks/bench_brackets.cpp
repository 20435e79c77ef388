// Whether the scanner's brackets pair up on real Java files: in a file that
// javac accepts every (, [ and { of the code has its partner, so a file
// where they do not pair is one the scanner read wrongly (a text block, a
// comment, a character taken for code). Usage: bench_brackets FOLDER...
// (the JDK's sources from Debian's openjdk-17-source, for example).
#include "editor/java_scanner.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

struct Result
{
    bool paired = true;
    bool textBlock = false;
    int line = 0; // the first line where pairing failed
};

Result check(JavaScanner &scanner, const QString &text)
{
    Result result;
    QList<QChar> open;
    const QStringList lines = text.split(QLatin1Char('\n'));
    scanner.ResetRange();
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines.at(n);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        for (scanner.SetLine(line, n); !scanner.GetEol(); scanner.Next()) {
            if (scanner.GetTokenID() == tkString && scanner.GetToken().startsWith(QLatin1String("\"\"\"")))
                result.textBlock = true;
            if (scanner.GetTokenID() != tkSymbol || scanner.GetTokenLength() != 1)
                continue;
            const QChar c = line.at(scanner.GetTokenPos());
            static const QString opens = QStringLiteral("([{"), closes = QStringLiteral(")]}");
            if (opens.contains(c)) {
                open.append(c);
            } else if (const qsizetype k = closes.indexOf(c); k >= 0) {
                if (open.isEmpty() || open.takeLast() != opens.at(k)) {
                    result.paired = false;
                    result.line = n + 1;
                    return result;
                }
            }
        }
    }
    if (!open.isEmpty()) {
        result.paired = false;
        result.line = int(lines.size());
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    JavaScanner scanner;
    int files = 0, unpaired = 0, withTextBlocks = 0;
    qint64 lines = 0;
    QElapsedTimer clock;
    clock.start();
    for (const QString &folder : app.arguments().mid(1)) {
        QDirIterator it(folder, {QStringLiteral("*.java")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            lines += text.count(QLatin1Char('\n'));
            const Result r = check(scanner, text);
            ++files;
            withTextBlocks += r.textBlock;
            if (!r.paired) {
                if (++unpaired <= 10)
                    std::printf("unpaired: %s:%d\n", qPrintable(file.fileName()), r.line);
            }
        }
    }
    std::printf("%d files (%lld lines, %d with text blocks): brackets pair up in %d, not in %d; %.1f s\n", files,
                static_cast<long long>(lines), withTextBlocks, files - unpaired, unpaired, clock.elapsed() / 1000.0);
    return 0;
}

#pragma once

// Small helpers shared by the fuzz targets: turning the fuzzer's bytes into
// texts and lines, and failing loudly when a property does not hold.

#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzsupport {

// A property that must hold: print what broke and stop, so that libFuzzer
// keeps the input as a crash.
[[noreturn]] inline void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "property broken: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

inline void check(bool holds, const char *what, const QString &detail = QString())
{
    if (!holds)
        fail(what, detail);
}

// Up to `maxBytes` bytes as UTF-8 text (invalid sequences become U+FFFD, as
// when the program reads a file).
inline QString utf8Text(FuzzedDataProvider &data, std::size_t maxBytes)
{
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

inline QString remainingUtf8Text(FuzzedDataProvider &data)
{
    const std::string bytes = data.ConsumeRemainingBytesAsString();
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// Lines as the editor holds them: CR LF, LF and CR each end a line.
inline QStringList linesOf(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

// True when `part` appears in `whole` in the same order, other entries
// possibly between them.
inline bool isSubsequence(const QStringList &part, const QStringList &whole)
{
    qsizetype at = 0;
    for (const QString &line : part) {
        while (at < whole.size() && whole.at(at) != line)
            ++at;
        if (at == whole.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace fuzzsupport

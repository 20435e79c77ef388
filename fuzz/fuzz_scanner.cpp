// Feeds any characters, in any starting range state, to the Java scanner, line
// after line as the editor does. Every line must come apart into tokens that
// touch end to end, keywords must be exactly the keyword list, and the range
// handed to the next line must be one the editor can store.
#include "common/java_words.h"
#include "editor/java_scanner.h"
#include "fuzz_support.h"

#include <QSet>
#include <cstdint>

using fuzzsupport::check;

namespace {

const QSet<QString> &keywords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char *word : kJavaKeywords)
            set.insert(QString::fromLatin1(word));
        return set;
    }();
    return words;
}

// The text from the fuzzer's bytes, in one of the ways a line can reach the
// scanner: 8-bit codes (as a Windows-1252 file gives them), UTF-8, or raw
// UTF-16 code units (lone surrogates included).
QString textOf(FuzzedDataProvider &data)
{
    const int mode = data.ConsumeIntegralInRange(0, 2);
    const std::string bytes = data.ConsumeRemainingBytesAsString();
    switch (mode) {
    case 0:
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    case 1:
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    default:
        return QString(reinterpret_cast<const QChar *>(bytes.data()), qsizetype(bytes.size() / 2));
    }
}

void scanLine(JavaScanner &scanner, const QString &line, int lineNumber)
{
    scanner.SetLine(line, lineNumber);
    // The scanner stops at the first NUL, as its line buffer ends there.
    const qsizetype nul = line.indexOf(QChar(0));
    const int end = int(nul < 0 ? line.size() : nul);
    int expected = 0;
    int tokens = 0;
    while (!scanner.GetEol()) {
        check(++tokens <= end + 1, "the scan of a line ends");
        const int pos = scanner.GetTokenPos();
        const int length = scanner.GetTokenLength();
        check(pos == expected, "tokens touch end to end", line);
        check(length > 0, "a token other than the end is not empty", line);
        check(pos + length <= end, "no token passes the line end", line);
        const TtkTokenKind kind = scanner.GetTokenID();
        check(kind >= tkComment && kind <= tkUnknown && kind != tkNull, "a known token kind");
        const QString token = scanner.GetToken();
        check(token == line.mid(pos, length), "GetToken is the text at the token", line);
        if (kind == tkKey)
            check(keywords().contains(token), "a keyword is in the list", token);
        if (kind == tkIdentifier)
            check(!keywords().contains(token), "a listed word is a keyword", token);
        if (kind == tkSymbol)
            check(scanner.GetExtTokenID() >= xtkAdd && scanner.GetExtTokenID() <= xtkComma,
                  "a known symbol kind");
        expected = pos + length;
        scanner.Next();
    }
    check(scanner.GetTokenID() == tkNull, "the line ends with tkNull");
    check(scanner.GetTokenPos() == end, "the scan reaches the line end", line);
    const TRangeState range = scanner.GetRange();
    check(range == rsUnknown || range == rsComment || range == rsDocument || range == rsTextBlock,
          "the range after a line is one the editor stores");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static JavaScanner scanner;
    FuzzedDataProvider data(bytes, size);
    const auto start = TRangeState(data.ConsumeIntegralInRange(0, 4));
    const QString text = textOf(data);

    scanner.SetRange(start);
    // Lines as the editor hands them over: a line feed ends one; a carriage
    // return stays in the line, where the scanner must cope with it.
    const QStringList lines = text.split(QLatin1Char('\n'));
    int lineNumber = 0;
    for (const QString &line : lines)
        scanLine(scanner, line, lineNumber++);

    // The same line scanned again from the same range gives the same tokens.
    if (!lines.isEmpty()) {
        scanner.SetRange(start);
        scanner.SetLine(lines.first(), 0);
        QStringList first;
        while (!scanner.GetEol()) {
            first.append(scanner.GetToken());
            scanner.Next();
        }
        scanner.SetRange(start);
        scanner.SetLine(lines.first(), 0);
        for (const QString &token : first) {
            check(scanner.GetToken() == token, "scanning is repeatable");
            scanner.Next();
        }
    }
    return 0;
}

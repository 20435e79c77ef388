// Feeds any code text, any first line and any pair of marks to BlockLineCount.
// Its result is how many lines the remover deletes, so it must end and must
// never reach past the last line.
#include "designer/swing_codegen.h"
#include "fuzz_support.h"

#include <cstdint>

using fuzzsupport::check;

namespace {

QString markOf(FuzzedDataProvider &data, const char *usual)
{
    // Mostly the marks the program uses, sometimes anything at all.
    if (data.ConsumeIntegralInRange(0, 3) != 0)
        return QString::fromLatin1(usual);
    return fuzzsupport::utf8Text(data, 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const bool braces = data.ConsumeBool();
    const QString open = markOf(data, braces ? "{" : "(");
    const QString close = markOf(data, braces ? "}" : ")");
    const int firstChoice = data.ConsumeIntegral<int>();
    const StringListCodeLines code(fuzzsupport::linesOf(fuzzsupport::remainingUtf8Text(data)));
    // Mostly a line of the text, sometimes any index at all.
    const int first = (firstChoice & 1) ? firstChoice : int((unsigned(firstChoice) >> 1)
                                                            % unsigned(code.Count()));

    const int count = BlockLineCount(code, first, open, close);
    if (first < 0 || first >= code.Count()) {
        check(count == 0, "a line outside the text has no block");
        return 0;
    }
    check(count >= 1, "a block has its first line");
    check(count <= code.Count() - first, "the block ends at the last line at the latest",
          QString::number(count));

    // A block of one line whose marks balance on it is that line alone.
    if (open == QLatin1String("(") && close == QLatin1String(")")) {
        const QString line = code.Get(first);
        int depth = 0;
        bool neverBelow = true;
        for (const QChar c : line) {
            if (c == u'(')
                ++depth;
            else if (c == u')' && --depth < 0)
                neverBelow = false;
        }
        if (neverBelow && depth == 0)
            check(count == 1, "a balanced line is a block of one line", line);
    }
    return 0;
}

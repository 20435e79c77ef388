// Feeds any text to the class-name rule. The name proposes a file name and
// names the class that is compiled and run, so it must be a plain word taken
// from the first "public class" line, and empty when there is none.
#include "app/class_name.h"
#include "fuzz_support.h"

#include <cstdint>

using fuzzsupport::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QStringList lines = fuzzsupport::linesOf(fuzzsupport::remainingUtf8Text(data));
    const QString name = ExtractClassName(lines);

    const QString marker = QStringLiteral("public class");
    qsizetype first = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).contains(marker)) {
            first = i;
            break;
        }
    }
    if (first < 0) {
        check(name.isEmpty(), "no \"public class\" line gives no name", name);
        return 0;
    }
    for (const QChar c : name) {
        check(c.isLetterOrNumber() || c == u'_' || c == u'$',
              "the name holds only identifier characters", name);
    }
    const QString &line = lines.at(first);
    const qsizetype at = line.indexOf(marker);
    // The name comes from the rest of that line, never from a later one.
    check(line.indexOf(name, at + marker.size()) >= 0, "the name stands after \"public class\"",
          line + QLatin1String(" -> ") + name);
    return 0;
}

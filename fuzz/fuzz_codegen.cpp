// Runs the code generator and the remover for one component against any code
// text. Whatever the text holds, patching must end, must touch only lines that
// belong to the component, and must be undone by the remover:
//  - a text that does not yet name the component comes back line for line
//    after its code was written and removed again;
//  - writing the same component twice without flags changes nothing the
//    second time (but the indent of a rewritten bounds line);
//  - removing never adds lines, and removes nothing from a text that does not
//    name the component;
//  - resizing the window touches at most the size call.
#include "designer/swing_codegen.h"
#include "fuzz_support.h"

#include <cstdint>

using fuzzsupport::check;

namespace {

QString flagOf(FuzzedDataProvider &data)
{
    switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0: return QString();
    case 1: return QStringLiteral("true");
    default: return QStringLiteral("false");
    }
}

int boundOf(FuzzedDataProvider &data)
{
    // Mostly design sizes, sometimes the extremes of an int.
    return data.ConsumeBool() ? data.ConsumeIntegralInRange(-5, 2000) : data.ConsumeIntegral<int>();
}

// A name the designer would give or accept, made unique against `text` when
// `fresh` asks for it.
QString nameOf(FuzzedDataProvider &data, const QString &text, bool fresh)
{
    QString name = fuzzsupport::utf8Text(data, 12);
    if (!isValidComponentName(name))
        name = QStringLiteral("c") + QString::number(data.ConsumeIntegral<uint16_t>());
    if (fresh) {
        while (text.contains(name))
            name += QLatin1Char('_');
    }
    return name;
}

// The lines without their indentation: a bounds line that is rewritten in
// place loses its indent, as it always has.
QStringList unindented(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines) {
        qsizetype blanks = 0;
        while (blanks < line.size() && line.at(blanks) == u' ')
            ++blanks;
        out.append(line.mid(blanks));
    }
    return out;
}

QString shown(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    DesignedComponent c;
    c.kind = ComponentKind(data.ConsumeIntegralInRange(1, kComponentKindCount));
    const bool fresh = data.ConsumeBool();
    c.text = fuzzsupport::utf8Text(data, 24);
    c.left = boundOf(data);
    c.top = boundOf(data);
    c.width = boundOf(data);
    c.height = boundOf(data);
    const QString enabled = flagOf(data);
    const QString visible = flagOf(data);
    const int newWidth = boundOf(data);
    const int newHeight = boundOf(data);
    const std::string nameBytes = data.ConsumeRandomLengthString(12);
    const QStringList original = fuzzsupport::linesOf(fuzzsupport::remainingUtf8Text(data));
    const QString originalText = original.join(QLatin1String("\r\n"));
    FuzzedDataProvider nameData(reinterpret_cast<const uint8_t *>(nameBytes.data()),
                                nameBytes.size());
    c.name = nameOf(nameData, originalText, fresh);
    const bool named = originalText.contains(c.name);

    // Write, then write again after a move: the second write only rewrites.
    StringListCodeLines code(original);
    const CodegenResult first = WriteComponentCode(code, c, enabled, visible);
    if (first == CodegenResult::MissingClass)
        check(code.lines() == original, "\"Falta classe!\" leaves the text as it was");
    if (first == CodegenResult::Written) {
        const QString all = code.Text();
        check(all.contains(c.name + QLatin1String(" = new ")), "the component is created",
              shown(code.lines()));
        const QStringList once = code.lines();
        const CodegenResult again = WriteComponentCode(code, c, QString(), QString());
        check(again == CodegenResult::Written, "a second write finds the same anchors",
              c.name + QLatin1String(" kind ") + QString::number(int(c.kind))
                  + QLatin1String("\n") + shown(once));
        if (enabled.isEmpty() && visible.isEmpty())
            check(unindented(code.lines()) == unindented(once), "writing again without flags changes nothing",
                  shown(once) + QLatin1String("\n----\n") + shown(code.lines()));
    }

    // Removing what was written gives the text back, when the text did not
    // name the component before.
    const int before = code.Count();
    RemoveComponentCode(code, c, false);
    check(code.Count() <= before, "removing never adds lines");
    if (!named)
        check(code.lines() == original, "write then remove gives the text back",
              shown(original) + QLatin1String("\n----\n") + shown(code.lines()));

    // Removing from the untouched text: nothing goes when nothing names it.
    StringListCodeLines untouched(original);
    RemoveComponentCode(untouched, c, data.ConsumeBool());
    if (!named)
        check(untouched.lines() == original, "removing what is not there changes nothing");

    // The size call: only its own characters change.
    StringListCodeLines sized(original);
    const bool resized = UpdateWindowSize(sized, c.width, c.height, newWidth, newHeight);
    if (!resized) {
        check(sized.lines() == original, "a size call that is not found changes nothing");
    } else {
        const QString oldCall = QStringLiteral("setSize(%1,%2)").arg(c.width).arg(c.height);
        const QString newCall = QStringLiteral("setSize(%1,%2)").arg(newWidth).arg(newHeight);
        QString expected = originalText;
        expected.replace(expected.indexOf(oldCall), oldCall.size(), newCall);
        check(sized.Text() == expected, "resizing replaces the first size call only");
        check(sized.Count() == original.size(), "resizing keeps the line count");
    }
    return 0;
}

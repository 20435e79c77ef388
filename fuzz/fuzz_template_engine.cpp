// Runs template commands of the program's catalogue, scripts in the
// catalogue's notation and the two-block entry at any insertion line and caret
// line on any text, with any answers to the prompts. A template only ever adds
// lines: whatever the insertion line, the lines that were there stay, in their
// order, and a command that inserts nothing leaves the text as it was.
#include "templates/line_list_editor.h"
#include "templates/template_catalogue.h"
#include "templates/template_engine.h"
#include "fuzz_support.h"

#include <QRegularExpression>

#include <climits>
#include <cstdint>

using fuzzsupport::check;

namespace {

// Answers from the fuzzer's bytes.
class FuzzedDialogs : public TemplateDialogs
{
public:
    explicit FuzzedDialogs(FuzzedDataProvider &data) : m_data(data) {}
    QString ask(const QString &, const QString &) override
    {
        return fuzzsupport::utf8Text(m_data, 16);
    }
    void inform(const QString &) override {}
    bool confirm(const QString &) override { return m_data.ConsumeBool(); }

private:
    FuzzedDataProvider &m_data;
};

// An insertion line as the program can hold one: mostly near the text,
// sometimes far away on either side (another document's, or advanced past
// the end).
int insertionLineOf(FuzzedDataProvider &data, int lineCount)
{
    if (data.ConsumeBool())
        return data.ConsumeIntegralInRange(-2, lineCount + 8);
    return data.ConsumeIntegralInRange(INT_MIN / 2, INT_MAX / 2);
}

int textLines(const Script &script)
{
    int lines = 0;
    for (const ScriptStep &step : script) {
        if (step.kind == ScriptStep::Kind::Text)
            lines += step.count;
    }
    return lines;
}

// What the text holds apart from blanks and control characters.
QString visibleCharacters(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() > 0x20)
            out += c;
    }
    return out;
}

void runCommand(const TemplateCommand &command, FuzzedDataProvider &data, LineListEditor &editor,
                int &line, TemplateState &state)
{
    FuzzedDialogs dialogs(data);
    TemplateEngine engine(editor, line, state, dialogs);
    const QStringList before = editor.lines();
    const QString beforeText = editor.text();
    const CommandResult result = engine.run(command);

    if (result != CommandResult::Inserted) {
        check(editor.lines() == before, "a command that inserts nothing changes nothing");
        return;
    }
    if (command.kind == CommandKind::Import) {
        check(editor.lines().value(0) == command.importLine, "the import line goes on top");
        const QStringList rest = editor.lines().mid(1);
        check(visibleCharacters(rest.join(QString())) == visibleCharacters(beforeText),
              "putting a line on top keeps every character of the text");
        return;
    }
    check(fuzzsupport::isSubsequence(before, editor.lines()),
          "a template keeps the lines that were there, in their order");
    const int added = int(editor.lines().size() - before.size());
    bool oneOfItsScripts = added == textLines(command.script);
    for (const std::optional<Script> &other :
         {command.emptyScript, command.firstLineScript, command.noScript}) {
        if (other && added == textLines(*other))
            oneOfItsScripts = true;
    }
    check(oneOfItsScripts, "a template adds the lines of one of its scripts");
}

void runNotation(FuzzedDataProvider &data, LineListEditor &editor, int &line,
                 TemplateState &state)
{
    const QString notation = fuzzsupport::utf8Text(data, 200);
    // The notation is the catalogue's own, which never asks for thousands of
    // blanks, repeats or advances; such counts would only measure memory.
    static const QRegularExpression bigCount(QStringLiteral("\\d{4}"));
    if (notation.contains(bigCount))
        return;
    const ScriptParse parsed = parseScript(notation);
    if (!parsed.ok())
        return;
    const int lines = textLines(parsed.script);
    if (lines > 2000)
        return;
    FuzzedDialogs dialogs(data);
    TemplateEngine engine(editor, line, state, dialogs);
    const QStringList before = editor.lines();
    engine.runScript(parsed.script, data.ConsumeBool(), fuzzsupport::utf8Text(data, 16));
    check(editor.lines().size() == before.size() + lines, "a script adds its text lines");
    check(fuzzsupport::isSubsequence(before, editor.lines()),
          "a script keeps the lines that were there");
}

void runTwoBlocks(FuzzedDataProvider &data, LineListEditor &editor, int &line,
                  TemplateState &state)
{
    FuzzedDialogs dialogs(data);
    TemplateEngine engine(editor, line, state, dialogs);
    const QStringList before = editor.lines();
    const QString first = fuzzsupport::utf8Text(data, 64);
    const QString second = fuzzsupport::utf8Text(data, 64);
    engine.enterFirstBlock(first);
    editor.setCaretY(data.ConsumeIntegralInRange(-2, editor.lineCount() + 4));
    engine.enterSecondBlock(second);
    check(editor.lines().size() == before.size() + 2, "each block is one entry");
    check(editor.lines().contains(first) && editor.lines().contains(second),
          "both blocks are in the text");
    check(fuzzsupport::isSubsequence(before, editor.lines()),
          "the blocks keep the lines that were there");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static const TemplateCatalogue &catalogue = TemplateCatalogue::standard();
    const QList<TemplateCommand> &commands = catalogue.commands();

    FuzzedDataProvider data(bytes, size);
    TemplateState state;
    for (int &counter : state.counters.values)
        counter = data.ConsumeIntegralInRange(-1, 3);
    const int actions = data.ConsumeIntegralInRange(1, 4);
    const std::string textBytes = data.ConsumeRandomLengthString(2048);
    LineListEditor editor(
        fuzzsupport::linesOf(QString::fromUtf8(textBytes.data(), qsizetype(textBytes.size()))));
    int line = insertionLineOf(data, editor.lineCount());

    for (int i = 0; i < actions && data.remaining_bytes() > 0; ++i) {
        editor.setCaretY(data.ConsumeIntegralInRange(-2, editor.lineCount() + 4));
        if (data.ConsumeBool())
            line = insertionLineOf(data, editor.lineCount());
        switch (data.ConsumeIntegralInRange(0, 5)) {
        case 0:
            runNotation(data, editor, line, state);
            break;
        case 1:
            runTwoBlocks(data, editor, line, state);
            break;
        default: {
            const auto index = data.ConsumeIntegralInRange<qsizetype>(0, commands.size() - 1);
            runCommand(commands.at(index), data, editor, line, state);
            break;
        }
        }
    }
    return 0;
}

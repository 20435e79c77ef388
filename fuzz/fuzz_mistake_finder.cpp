// Feeds any source and any message of javac (or any exception line) to the
// search for the real mistake, and the same source to the warnings and the
// suggestions. They run on every compile, every crashed run and every pause
// in typing, on text that is broken by definition: they must never crash,
// and what they find stands inside the source.
#include "fuzz_support.h"

#include "javatools/code_warnings.h"
#include "javatools/compiler_explanations.h"
#include "javatools/completion.h"
#include "javatools/mistake_finder.h"
#include "javatools/runtime_facts.h"

#include <cstdint>

using fuzzsupport::check;

namespace {

// The messages the detectors look for, and a few they do not know.
const char *const kMessages[] = {
    "';' expected", "')' expected", "'(' expected", "'{' expected", "<identifier> expected",
    "illegal start of expression", "illegal start of type", "not a statement",
    "reached end of file while parsing", "'else' without 'if'", "'catch' without 'try'",
    "while expected", "orphaned case", "class, interface, enum, or record expected",
    "invalid method declaration; return type required", "unclosed string literal",
    "cannot find symbol", "missing return statement", "unreachable statement",
    "incompatible types: int cannot be converted to boolean", "unexpected type",
    "bad operand types for binary operator '&&'", "bad operand types for binary operator '<='",
    "incompatible types: possible lossy conversion from double to int",
    "'void' type not allowed here", "incompatible types: unexpected return value",
    "cannot assign to 'this'", "x has private access in ArrayList", "package Sytem does not exist",
};

const char *const kDetails[] = {
    "symbol: variable x", "symbol: method println(String)", "symbol: class Scaner",
    "symbol: method Scanner(InputStream)", "location: variable sc of type Scanner",
    "location: class Ola", "first type: String", "second type: int", "symbol: variable nextInt",
};

const char *const kExceptions[] = {
    "java.lang.ArrayIndexOutOfBoundsException: Index 3 out of bounds for length 3",
    "java.lang.ArrayIndexOutOfBoundsException: Index -1 out of bounds for length 3",
    "java.lang.StringIndexOutOfBoundsException: String index out of range: 5",
    "java.lang.IndexOutOfBoundsException: Index 0 out of bounds for length 0",
    "java.lang.NullPointerException: Cannot invoke \"java.lang.Integer.intValue()\" because \"v[i]\" is null",
    "java.lang.NullPointerException: Cannot read the array length because \"this.nomes\" is null",
    "java.lang.NullPointerException: Cannot invoke \"String.length()\" because the return value of \"A.getNome()\" is null",
    "java.lang.ClassCastException: class java.lang.String cannot be cast to class java.lang.Integer",
    "java.util.InputMismatchException", "java.lang.NumberFormatException: For input string: \"\"",
    "Error: Main method not found in class A, please define the main method as:",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    JavacMessage message;
    message.text = QString::fromLatin1(data.PickValueInArray(kMessages));
    for (int i = data.ConsumeIntegralInRange(0, 2); i > 0; --i)
        message.details << QString::fromLatin1(data.PickValueInArray(kDetails));
    message.line = data.ConsumeIntegralInRange(-1, 60);
    message.column = data.ConsumeIntegralInRange(-1, 80);
    const QString exception = QString::fromLatin1(data.PickValueInArray(kExceptions));
    const QString input = fuzzsupport::utf8Text(data, 16);
    const QStringList lines = fuzzsupport::linesOf(fuzzsupport::remainingUtf8Text(data));

    const MistakeFinder finder(lines);
    if (const std::optional<FoundMistake> found = finder.find(message)) {
        check(MistakeFinder::ids().contains(found->id), "the mistake is one the finder knows", found->id);
        check(!found->text.isEmpty(), "a found mistake says what to do", found->id);
        check(found->line >= 0 && found->line <= lines.size(), "the mistake stands in the source",
              QStringLiteral("%1 at line %2").arg(found->id).arg(found->line));
    }
    for (const CodeWarning &warning : codewarnings::find(lines))
        check(warning.line >= 1 && warning.line <= lines.size() && codewarnings::ids().contains(warning.id),
              "a warning stands in the source", warning.id);
    if (!lines.isEmpty()) {
        const int line = int(message.line < 0 ? 0 : message.line % lines.size());
        const int column = qMin(qMax(message.column, 0), int(lines.at(line).size()));
        const Completion found = completion::at(lines, line, column);
        check(found.start >= 0 && found.start <= column, "the word completed ends at the caret",
              QString::number(found.start));
        (void)completion::filtered(found.all, found.prefix);
    }
    const QStringList facts = runtimefacts::about(runtimefacts::split(exception), lines, message.line, input);
    for (const QString &fact : facts)
        check(fact.contains(QLatin1String(": ")), "a fact is a name and a value", fact);
    return 0;
}

#include "javatools/runtime_errors.h"

#include "editor/text_file.h"
#include "javatools/runtime_facts.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// Frames kept per exception: a StackOverflowError prints a thousand of them
// and the first ones are those that matter.
constexpr int kMaxFrames = 2048;

std::optional<StackFrame> frameOf(const QString &line)
{
    // "\tat java.base/java.util.Scanner.next(Scanner.java:1594)", "\tat Ola.main(Ola.java:7)"
    static const QRegularExpression at(
        QStringLiteral("^\\s+at\\s+(?:\\S*/)?([^\\s/(]+)\\.([^\\s.(]+)\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = at.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    StackFrame frame{match.captured(1), match.captured(2), QString(), 0};
    const QString source = match.captured(3);
    const qsizetype colon = source.lastIndexOf(QLatin1Char(':'));
    if (colon > 0) {
        frame.file = source.left(colon);
        frame.line = source.mid(colon + 1).toInt();
    }
    return frame;
}

bool isLauncherError(const QString &line)
{
    return line.startsWith(QLatin1String("Error: "))
           && (line.contains(QLatin1String("main class")) || line.contains(QLatin1String("ain method")));
}

QString simpleName(const QString &className)
{
    return className.mid(className.lastIndexOf(QLatin1Char('.')) + 1);
}

// The student's file as lines, or none when it cannot be read.
QStringList readSource(const QString &folder, const QString &file)
{
    if (folder.isEmpty() || file.isEmpty())
        return {};
    QString error;
    const std::optional<TextFile> loaded = TextFile::load(QDir(folder).filePath(file), &error);
    return loaded ? loaded->lines : QStringList();
}

// What the student's source says at the place of the error, and whether the
// student's own code threw it.
QStringList sourceFacts(const RuntimeError &error, const RunFacts &facts, const StackFrame *student)
{
    const runtimefacts::Error split = runtimefacts::split(error.text);
    if (!student) {
        // The launcher names the class it did not find a main in.
        static const QRegularExpression inClass(QStringLiteral("in class ([\\w$]+)"));
        const QRegularExpressionMatch m = inClass.match(error.text);
        if (!m.hasMatch())
            return {};
        return runtimefacts::about(split, readSource(facts.sourceFolder, m.captured(1) + QStringLiteral(".java")), 0,
                                   facts.lastInput);
    }
    const QStringList source = readSource(facts.sourceFolder, student->file);
    QStringList result = runtimefacts::about(split, source, student->line, facts.lastInput);
    // Thrown by the student's own throw: the deepest frame is theirs.
    const bool own = !error.frames.isEmpty() && &error.frames.first() == student
                     && source.value(student->line - 1).contains(QLatin1String("throw "));
    if (own) {
        result << QStringLiteral("lançada com throw: sim");
        for (qsizetype i = 1; i < error.frames.size(); ++i) {
            const StackFrame &caller = error.frames.at(i);
            if (facts.isStudentFile && facts.isStudentFile(caller.file)) {
                result << QStringLiteral("chamada por: %1 (linha %2)").arg(caller.method).arg(caller.line);
                break;
            }
        }
    }
    return result;
}

} // namespace

bool RuntimeErrorReader::begin(const QString &line)
{
    static const QRegularExpression uncaught(QStringLiteral("^Exception in thread \"([^\"]*)\" (.+)$"));
    if (const QRegularExpressionMatch match = uncaught.match(line); match.hasMatch()) {
        m_error = RuntimeError{match.captured(2).trimmed(), match.captured(1), {}, {}, {}};
        m_state = State::Trace;
        return true;
    }
    if (isLauncherError(line)) {
        m_error = RuntimeError{line.trimmed(), QString(), {}, {}, {}};
        m_state = State::Launcher;
        return true;
    }
    return false;
}

std::optional<RuntimeError> RuntimeErrorReader::feed(const QString &line)
{
    const bool indented = line.startsWith(QLatin1Char('\t')) || line.startsWith(QLatin1Char(' '));
    const bool causedBy = line.startsWith(QLatin1String("Caused by: "));
    switch (m_state) {
    case State::Idle:
        begin(line);
        return std::nullopt;
    case State::Trace:
        if (causedBy) {
            // The deepest cause is explained; the outer frames still lead to
            // the student's code when the cause's own are cut short.
            if (m_error.outerFrames.isEmpty())
                m_error.outerFrames = m_error.frames;
            m_error.text = line.mid(11).trimmed();
            m_error.frames.clear();
            return std::nullopt;
        }
        if (indented) {
            if (const std::optional<StackFrame> frame = frameOf(line); frame && m_error.frames.size() < kMaxFrames)
                m_error.frames.append(*frame);
            return std::nullopt;
        }
        break;
    case State::Launcher:
        if (causedBy) {
            m_error.cause = line.mid(11).trimmed();
            return std::nullopt;
        }
        if (indented || line.startsWith(QLatin1String("or a JavaFX")))
            return std::nullopt;
        break;
    }
    std::optional<RuntimeError> done = finish();
    begin(line);
    return done;
}

std::optional<RuntimeError> RuntimeErrorReader::finish()
{
    if (m_state == State::Idle)
        return std::nullopt;
    m_state = State::Idle;
    return std::exchange(m_error, RuntimeError());
}

const RuntimeExplanations &RuntimeExplanations::standard()
{
    static const RuntimeExplanations table(
        CompilerExplanations::fromResource(QStringLiteral(":/javatools/excecoes.txt")));
    return table;
}

std::optional<RuntimeExplanation> RuntimeExplanations::explain(const RuntimeError &error,
                                                               const RunFacts &facts) const
{
    JavacMessage message;
    message.text = error.text;
    // The deepest frame in the student's own classes, and what it called.
    const StackFrame *student = nullptr;
    const StackFrame *called = nullptr;
    for (const QList<StackFrame> *frames : {&error.frames, &error.outerFrames}) {
        for (qsizetype i = 0; i < frames->size() && !student; ++i) {
            if (!facts.isStudentFile || !facts.isStudentFile(frames->at(i).file))
                continue;
            student = &frames->at(i);
            called = i > 0 ? &frames->at(i - 1) : nullptr;
        }
    }
    // An exception that never passed through the student's code names no
    // line of it; only the launcher's errors are explained without one.
    if (!student && !error.thread.isEmpty())
        return std::nullopt;
    if (student) {
        message.file = student->file;
        message.line = student->line;
        message.details << QStringLiteral("método: ") + student->method
                        << QStringLiteral("classe: ") + student->className;
    }
    if (called)
        message.details << QStringLiteral("chamada: %1.%2").arg(simpleName(called->className), called->method);
    if (facts.lastInput)
        message.details << QStringLiteral("entrada: ") + *facts.lastInput;
    if (!error.cause.isEmpty())
        message.details << QStringLiteral("causa: ") + error.cause;
    message.details << sourceFacts(error, facts, student);
    const std::optional<CompilerExplanation> found = m_table.explainMessage(message);
    if (!found)
        return std::nullopt;
    return RuntimeExplanation{found->id, found->text, message.file, message.line};
}

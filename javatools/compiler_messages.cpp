#include "javatools/compiler_messages.h"

#include "javatools/compiler_explanations.h"

#include <QRegularExpression>

namespace CompilerMessages {

namespace {

// Lines that end a message without being part of the next one: the counts,
// notes, and messages that name no file ("error: file not found: X.java").
bool endsMessage(const QString &line)
{
    static const QRegularExpression closing(
        QStringLiteral("^(\\d+ (errors?|warnings?)$|Note: |error: |warning: )"));
    return closing.match(line).hasMatch();
}

} // namespace

bool isCaretLine(const QString &line)
{
    return line.trimmed() == QLatin1String("^");
}

bool isIndentedLine(const QString &line)
{
    return !line.isEmpty() && (line.front() == QLatin1Char(' ') || line.front() == QLatin1Char('\t'))
           && !line.trimmed().isEmpty();
}

QString withoutLineEnd(QString line)
{
    while (line.endsWith(QLatin1Char('\r')) || line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    return line;
}

std::optional<SourceLocation> parseHeader(const QString &line)
{
    static const QRegularExpression header(QStringLiteral("^(.+?\\.java):(\\d+): "));
    const QRegularExpressionMatch match = header.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int number = match.captured(2).toInt(&ok);
    if (!ok || number < 1)
        return std::nullopt;
    return SourceLocation{match.captured(1), number, -1};
}

std::optional<SourceLocation> locate(const QStringList &lines, int row)
{
    if (row < 0 || row >= lines.size())
        return std::nullopt;
    int first = row;
    std::optional<SourceLocation> location = parseHeader(lines.at(first));
    while (!location) {
        if (first == 0 || endsMessage(lines.at(first)))
            return std::nullopt;
        location = parseHeader(lines.at(--first));
    }
    for (int i = first + 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (parseHeader(line) || endsMessage(line))
            break;
        if (isCaretLine(line)) {
            location->column = int(line.indexOf(QLatin1Char('^')));
            break;
        }
    }
    return location;
}

} // namespace CompilerMessages

// The messages of a whole output, as the explanations read them.
QList<JavacMessage> CompilerExplanations::parseMessages(const QStringList &compilerLines)
{
    static const QRegularExpression located(QStringLiteral("^(.*?\\.java):(\\d+): (error|warning): (.*)$"));
    static const QRegularExpression unlocated(QStringLiteral("^(error|warning): (.*)$"));
    static const QRegularExpression note(QStringLiteral("^Note: (.*)$"));
    QList<JavacMessage> result;
    const qsizetype count = compilerLines.size();
    qsizetype row = 0;
    while (row < count) {
        const QString line = CompilerMessages::withoutLineEnd(compilerLines.at(row));
        JavacMessage message;
        if (const auto match = located.match(line); match.hasMatch()) {
            message.file = match.captured(1);
            message.line = match.captured(2).toInt();
            message.kind = match.captured(3) == QLatin1String("error") ? JavacMessage::Kind::Error
                                                                       : JavacMessage::Kind::Warning;
            message.text = match.captured(4);
        } else if (const auto match = unlocated.match(line); match.hasMatch()) {
            message.kind = match.captured(1) == QLatin1String("error") ? JavacMessage::Kind::Error
                                                                       : JavacMessage::Kind::Warning;
            message.text = match.captured(2);
        } else if (const auto match = note.match(line); match.hasMatch()) {
            message.kind = JavacMessage::Kind::Note;
            message.text = match.captured(1);
        } else {
            ++row;
            continue;
        }
        message.text = message.text.trimmed();
        message.firstRow = int(row);
        qsizetype next = row + 1;
        // The echoed source line is recognised by the caret line under it, so
        // a source line that happens to look like a message is never read as one.
        if (next + 1 < count && CompilerMessages::isCaretLine(compilerLines.at(next + 1))) {
            message.column = int(compilerLines.at(next + 1).indexOf(QLatin1Char('^'))) + 1;
            next += 2;
        }
        while (next < count && CompilerMessages::isIndentedLine(CompilerMessages::withoutLineEnd(compilerLines.at(next))))
            message.details << compilerLines.at(next++).simplified();
        // javac follows a note with how to see its details; the explanation
        // goes below both.
        if (message.kind == JavacMessage::Kind::Note)
            while (next < count && compilerLines.at(next).startsWith(QLatin1String("Note: Recompile with ")))
                message.details << compilerLines.at(next++).simplified();
        message.lastRow = int(next - 1);
        result.append(message);
        row = next;
    }
    return result;
}

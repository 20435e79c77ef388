#include "javatools/compiler_messages.h"

#include <QRegularExpression>

namespace CompilerMessages {

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

std::optional<SourceLocation> locationOf(const JavacMessage &message)
{
    if (message.file.isEmpty() || message.line < 1)
        return std::nullopt;
    return SourceLocation{message.file, message.line, message.column - 1};
}

const JavacMessage *messageAtRow(const QList<JavacMessage> &messages, int row)
{
    for (const JavacMessage &message : messages)
        if (row >= message.firstRow && row <= message.lastRow)
            return &message;
    return nullptr;
}

std::optional<SourceLocation> locate(const QStringList &lines, int row)
{
    const QList<JavacMessage> messages = parse(lines);
    const JavacMessage *message = messageAtRow(messages, row);
    return message ? locationOf(*message) : std::nullopt;
}

QList<JavacMessage> parse(const QStringList &compilerLines)
{
    static const QRegularExpression located(QStringLiteral("^(.*?\\.java):(\\d+): (error|warning): (.*)$"));
    static const QRegularExpression unlocated(QStringLiteral("^(error|warning): (.*)$"));
    static const QRegularExpression note(QStringLiteral("^Note: (.*)$"));
    QList<JavacMessage> result;
    const qsizetype count = compilerLines.size();
    qsizetype row = 0;
    while (row < count) {
        const QString line = withoutLineEnd(compilerLines.at(row));
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
        if (next + 1 < count && isCaretLine(compilerLines.at(next + 1))) {
            message.column = int(compilerLines.at(next + 1).indexOf(QLatin1Char('^'))) + 1;
            next += 2;
        }
        while (next < count && isIndentedLine(withoutLineEnd(compilerLines.at(next))))
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

} // namespace CompilerMessages

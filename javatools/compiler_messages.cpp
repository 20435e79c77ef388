#include "javatools/compiler_messages.h"

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

bool isCaretLine(const QString &line)
{
    return line.trimmed() == QLatin1String("^");
}

} // namespace

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

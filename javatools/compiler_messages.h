#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A place in a source file that a compiler message points at.
struct SourceLocation
{
    QString file;
    int line = 0;
    // 0-based column from the caret line under the echoed source; -1 unknown.
    int column = -1;

    bool operator==(const SourceLocation &) const = default;
};

// Reading javac's messages: "Hello.java:12: error: …" names a file and a
// line; the lines below it (the source line, the caret, "symbol:" and
// "location:" details) belong to the same message, up to the next message or
// the closing count ("1 error").
namespace CompilerMessages {

// The pieces of a message: a caret line under the echoed source, and the
// indented details ("symbol: …"); lines as read, line ends taken off.
bool isCaretLine(const QString &line);
bool isIndentedLine(const QString &line);
QString withoutLineEnd(QString line);
// The file and line of a message's first line; nothing for any other line.
std::optional<SourceLocation> parseHeader(const QString &line);
// Where the message that line `row` of `lines` belongs to points, with the
// column when its caret line shows it.
std::optional<SourceLocation> locate(const QStringList &lines, int row);

} // namespace CompilerMessages

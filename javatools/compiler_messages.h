#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One message of javac's output, from its first line ("Hello.java:12: error:
// …", "warning: …" or "Note: …") to its last detail line.
struct JavacMessage
{
    enum class Kind { Error, Warning, Note };

    Kind kind = Kind::Error;
    QString file;       // empty when the message names no file
    int line = 0;       // 0 when the message names no line
    int column = 0;     // 1-based, from the caret line; 0 when there is none
    QString text;       // the message after "error: ", "warning: " or "Note: "
    QStringList details; // the indented lines after the caret ("symbol: variable x"), spaces collapsed
    int firstRow = -1;  // rows of the compiler's lines the message spans
    int lastRow = -1;
};

// A place in a source file that a compiler message points at.
struct SourceLocation
{
    QString file;
    int line = 0;
    // 0-based column from the caret line under the echoed source; -1 unknown.
    int column = -1;

    bool operator==(const SourceLocation &) const = default;
};

// Reading javac's output, the one parser of it: "Hello.java:12: error: …"
// names a file and a line; the lines below it (the source line, the caret,
// "symbol:" and "location:" details) belong to the same message, up to the
// next message or the closing count ("1 error").
namespace CompilerMessages {

// The messages of a whole output, whether explained or not.
QList<JavacMessage> parse(const QStringList &compilerLines);
// The message that row `row` of the output belongs to, among `messages`.
const JavacMessage *messageAtRow(const QList<JavacMessage> &messages, int row);

// The pieces of a message: a caret line under the echoed source, and the
// indented details ("symbol: …"); lines as read, line ends taken off.
bool isCaretLine(const QString &line);
bool isIndentedLine(const QString &line);
QString withoutLineEnd(QString line);
// Where `message` points, with the 0-based column when its caret line shows
// it; nothing for a message that names no file.
std::optional<SourceLocation> locationOf(const JavacMessage &message);
// Where the message that line `row` of `lines` belongs to points.
std::optional<SourceLocation> locate(const QStringList &lines, int row);

} // namespace CompilerMessages

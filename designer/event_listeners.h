#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class CodeLines;

// The anonymous listeners that the events dialog writes into the window's
// constructor, and how an existing one is found again, apart from the widgets.

// One event of the dialog's list: the opening of its listener (written after
// the component's name) and template lines 2 to 4, each with its leading
// blanks; line 3 is the marker that the handler's statements replace.
struct EventTemplate
{
    const char *event;
    const char *opening;
    int headerIndent;
    const char *header;
    int markerIndent;
    int closingIndent;
};

inline constexpr int kEventCount = 7;
const std::array<EventTemplate, kEventCount> &eventTemplates();

// The marker line's text, without its blanks.
inline const QString kCodeMarker = QStringLiteral("%CODE%");

// The four template lines of `event` (0 to 6) for the component `name`.
QStringList eventTemplateLines(int event, const QString &name);
// The handler header: template line 2 without its leading blanks.
QString handlerHeader(int event);

// The statements of the component's existing handler for `event`, found in
// its first listener of that kind, and the line of the handler's header.
struct LoadedHandler
{
    int headerLine = -1;
    QStringList body;
};
std::optional<LoadedHandler> loadHandler(const CodeLines &code, int event, const QString &name);

enum class ListenerResult {
    Replaced,
    Created,
    MissingClass,
    MissingConstructor,
    OpenConstructor,
    OneLineConstructor,
};

struct ListenerWrite
{
    ListenerResult result = ListenerResult::MissingClass;
    // Where the editor's caret goes (0-based), or -1 to leave it.
    int caretLine = -1;
    // "import javax.swing.event.*;" was added.
    bool importAdded = false;
};

// Replaces the body of the component's handler for `event` with
// `statements`, or, without such a handler, writes a new listener above the
// constructor's closing line. Nothing is written when the window class, its
// constructor or the end of the constructor's block cannot be found. A
// caret listener also gets the import of its package when the code lacks it.
ListenerWrite writeListener(CodeLines &code, int event, const QString &name,
                            const QStringList &statements);

// The message for a listener that could not be written; empty otherwise.
QString listenerMessage(ListenerResult result);

// The line that closes the block opened by `open` on `firstLine` or on one of
// the mark-free lines after it, counted as BlockLineCount counts; nothing when
// the block never closes.
std::optional<int> blockClosingLine(const CodeLines &code, int firstLine, const QString &open,
                                    const QString &close, int *openingLine = nullptr);

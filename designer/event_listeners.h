#pragma once

#include "designer/designer_model.h"

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
    // The import the listener needs besides the window's own, or null.
    const char *import = nullptr;
};

inline constexpr int kEventCount = 7;
// The events as the dialog lists them; "Change" as a text field has it.
const std::array<EventTemplate, kEventCount> &eventTemplates();
// The listener of `event` for a component of `kind`: "Change" listens to
// whatever that kind's change is (the caret of a text, the state of a
// button, the value of a slider...). Nothing when the kind has no such
// event (a label does not change by itself; a button group is no component).
std::optional<EventTemplate> eventTemplate(int event, ComponentKind kind);

// The marker line's text, without its blanks.
inline const QString kCodeMarker = QStringLiteral("%CODE%");

// The four template lines of `event` (0 to 6) for the component `name` of
// `kind`; empty when the kind has no such event.
QStringList eventTemplateLines(int event, const QString &name, ComponentKind kind);

// The statements of the component's existing handler for `event`, found in
// its first listener of that kind, and the line of the handler's header.
struct LoadedHandler
{
    int headerLine = -1;
    QStringList body;
};
std::optional<LoadedHandler> loadHandler(const CodeLines &code, int event, const QString &name,
                                        ComponentKind kind);

enum class ListenerResult {
    NoSuchEvent,
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
    // The import of the listener's package was added.
    bool importAdded = false;
};

// Replaces the body of the component's handler for `event` with
// `statements`, or, without such a handler, writes a new listener above the
// constructor's closing line. Nothing is written when the window class, its
// constructor or the end of the constructor's block cannot be found, nor
// when `kind` has no such event. A listener from a package the window does
// not import yet also gets that import.
ListenerWrite writeListener(CodeLines &code, int event, const QString &name, ComponentKind kind,
                            const QStringList &statements);

// The message for a listener that could not be written; empty otherwise.
QString listenerMessage(ListenerResult result);

// The line that closes the block opened by `open` on `firstLine` or on one of
// the mark-free lines after it, counted as BlockLineCount counts; nothing when
// the block never closes.
std::optional<int> blockClosingLine(const CodeLines &code, int firstLine, const QString &open,
                                    const QString &close, int *openingLine = nullptr);

#pragma once

#include <QString>
#include <array>
#include <optional>

// The AWT component families whose declare / instantiate / use order the
// guarded templates enforce; one counter each.
enum class Counter {
    Button,
    Checkbox,
    Radio,
    Group,
    Choice,
    List,
    TextField,
    Image,
    Label,
    Panel,
    MenuBar,
    SubItem,
    PrimaryItem,
};

inline constexpr int counterCount = 13;

// The name a counter has in the catalogue ("button", "menubar", ...).
QString counterName(Counter counter);
std::optional<Counter> counterFromName(const QString &name);

// The thirteen program-wide declaration counters; all start at 0 and are
// never reset while the program runs.
struct DeclarationCounters
{
    std::array<int, counterCount> values{};

    int &operator[](Counter counter) { return values[static_cast<std::size_t>(counter)]; }
    int operator[](Counter counter) const { return values[static_cast<std::size_t>(counter)]; }
};

// What the template commands keep between runs on behalf of the main window:
// the counters and the buffer the whole-document commands rebuild from.
struct TemplateState
{
    DeclarationCounters counters;
    QString savedText;
};

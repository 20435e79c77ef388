#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

#include <optional>

// Every colour the program paints with, by what it shows. One table per
// theme holds them; the views ask it for a role and never write a colour of
// their own.
enum class ColourRole {
    CodeComment,
    CodeDocumentation,
    CodeText,
    CodeInvalid,
    CodeKeyword,
    CodeNumber,
    CodeString,
    ActiveLine,
    BracketPair,
    BracketLone,
    MessageMark,
    WarningMark,
    Breakpoint,
    ExecutionLine,
    ExecutionArrow,
    LogExplanation,
    LogWarning,
    ConsoleError,
    ConsoleInput,
    ConsoleExplanation,
    ConsoleNote,
    ChangedValue,
    DebugWarning,
    HandlePrimary,
    HandleSecondary,
    DialogFace,
    // The window's own colours, which the palette is made of.
    Window,
    WindowText,
    Base,
    AlternateBase,
    Text,
    Button,
    ButtonText,
    Highlight,
    HighlightedText,
    ToolTipBase,
    ToolTipText,
    Link,
    DisabledText,
    Count
};

// The looks the student may choose; Claro is the program's own.
enum class Theme { Claro, Escuro, AltoContraste };

namespace colours {

// In the theme in use.
QColor of(ColourRole role);
QColor of(ColourRole role, Theme theme);
// What the role is called in the table ("comentário", "fundo do código"...).
QString roleName(ColourRole role);

Theme theme();
// The views follow once the palette is applied and they are told (the main
// window does both).
void setTheme(Theme theme);
QList<Theme> themes();
// "Claro", "Escuro", "Alto contraste".
QString themeName(Theme theme);
std::optional<Theme> themeNamed(const QString &name);

// The window's palette in `theme`, for Qt's Fusion style.
QPalette palette(Theme theme);

// A text colour and a background it is shown on.
struct TextPair
{
    ColourRole text;
    ColourRole background;
};
// Every text colour of the program with every background it sits on.
const QList<TextPair> &textPairs();
// The contrast ratio of two colours, 1 to 21, as WCAG defines it.
double contrast(const QColor &a, const QColor &b);

} // namespace colours

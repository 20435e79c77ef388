#pragma once

#include <QColor>

// Every colour the program paints with, by what it shows. One table holds
// them; the views ask it for a role and never write a colour of their own.
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
    Count
};

namespace colours {

QColor of(ColourRole role);

} // namespace colours

#pragma once

#include <QIcon>
#include <QString>

// Toolbar glyphs: the desktop theme's icon when it has one, otherwise a small
// picture drawn here, so that every button always shows something.
namespace glyphs {

enum class Glyph {
    New, Open, Save, Close, Print, Cut, Copy, Paste, Find, Replace, Undo, Redo,
    Help, Compile, Run, RunInside, Debug, Prompt, Html
};

QIcon icon(Glyph glyph);

} // namespace glyphs

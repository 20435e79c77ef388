#pragma once

#include <QChar>
#include <QList>
#include <QString>

// One piece of a text step: fixed text, the prompt's answer, or the
// delimiter of the console print line.
struct TextPiece
{
    enum class Kind { Literal, Answer, Delimiter };
    Kind kind = Kind::Literal;
    QString literal;

    friend bool operator==(const TextPiece &, const TextPiece &) = default;
};

// One step of a template script.
struct ScriptStep
{
    enum class Kind {
        Text,                   // insert a line at the insertion line, `count` times
        Advance,                // insertion line += `count`
        AdvanceUnlessFirstLine, // insertion line += 1 unless the caret is on line 1
    };
    Kind kind = Kind::Text;
    QList<TextPiece> pieces;
    int count = 1;

    friend bool operator==(const ScriptStep &, const ScriptStep &) = default;
};

using Script = QList<ScriptStep>;

// The character that quotes the console print line's text, derived when the
// line is composed.
QChar printDelimiter();

// The line a text step inserts, with `answer` spliced in.
QString composeText(const ScriptStep &step, const QString &answer);

bool usesAnswer(const Script &script);

// Reads the catalogue's script notation:
//   steps separated by "·"; a step is +1, +2, (+1) or a text;
//   a text is pieces joined by "+": «literal», answer, delimiter, empty
//   (an empty line) or "N spaces"; "×N" behind a text repeats it.
// On failure `error` says why and the script is empty.
struct ScriptParse
{
    Script script;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
ScriptParse parseScript(const QString &notation);

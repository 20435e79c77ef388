#pragma once

#include <QString>
#include <QStringList>

// Indentation of Java source by the depth of its braces, in the usual style:
// a level per open brace, "case" and "default" one level inside their
// switch with their statements one more, a closing brace (and "} else {")
// at the level of its opening line, one extra level for a statement that
// goes on over the next line or inside open parentheses. Only the blanks at
// the start of a line change: comments keep their text (the " *" lines of
// a block comment line up under its opening), text blocks are left exactly
// as they are, and a line of blanks becomes empty.
namespace codeformat {

// One level as the text indents: a tab when most of its indented lines
// start with a tab, else four blanks.
QString indentUnit(const QStringList &lines);

// The lines re-indented with `unit`; only lines `first` to `last` (0-based,
// inclusive; -1 for the end) may change. Formatting twice changes nothing
// the second time.
QStringList format(const QStringList &lines, const QString &unit, int first = 0, int last = -1);

// What a new line starts with when Enter is pressed at `column` of `line`:
// the line's own leading blanks (as far as the caret), one level more after
// an opening brace.
QString indentAfterEnter(const QString &line, int column);

// `leading` with one level less: its last tab, or up to four blanks.
QString oneLevelLess(const QString &leading);

} // namespace codeformat

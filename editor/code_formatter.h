#pragma once

#include <QString>
#include <QStringList>

// Indentation of Java source by its blocks, in the usual style: a block's
// inside one level past the line where its statement began (a header, a
// declaration) or, for a block inside parentheses (a lambda's, an anonymous
// class's), past its own line, and its closing brace (and "} else {") at
// that line's level; "case" and "default" one level inside their switch
// with their statements one more; the body of a brace-less if, for, while,
// else or do one level past its header, nested ones each one more; one
// extra level for a statement (or a comment in it) that goes on over the
// next line or inside open parentheses, a ternary's ':' included; the
// declaration after an annotation at the annotation's level. Only the blanks at
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

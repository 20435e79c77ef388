#pragma once

#include "designer/code_lines.h"
#include "designer/designer_model.h"

#include <QString>

// Keeps the Java code of a Swing window in step with its design by patching
// single lines: each piece of a component's code is looked up by its exact
// text, added when missing and rewritten in place when it moves.

enum class CodegenResult { Written, MissingClass, MissingConstructor };

// "Falta classe!" or "Falta método construtor!"; empty for Written.
QString codegenMessage(CodegenResult result);

// The seven blanks that generated statements start with.
inline const QString kCodeIndent = QStringLiteral("       ");

// A Java string literal for `text`, quotes included: quotes, backslashes and
// line breaks escaped, so the literal compiles and stays on one line.
QString javaStringLiteral(const QString &text);

// The class name of the window class line (the text after "public class",
// up to the first blank or "{").
QString codeClassName(const QString &classLine);

// Adds the component's declaration and statements where missing and rewrites
// its bounds. The flags are "true" or "false" to write the call, or empty to
// write none. Missing anchors stop it with the matching result (a declaration
// written before the constructor turned out to be missing stays).
CodegenResult WriteComponentCode(CodeLines &code, const DesignedComponent &component,
                                 const QString &enabledFlag, const QString &visibleFlag);

// Removes the component's lines, found by its current name, text and bounds;
// its listener registrations too unless `keepListeners`.
void RemoveComponentCode(CodeLines &code, const DesignedComponent &component, bool keepListeners);

// Number of lines, from `firstLine` on, of the block in which `open` and
// `close` balance; it never goes past the last line. 0 for a line outside
// the text; 1 when a mark is empty.
int BlockLineCount(const CodeLines &code, int firstLine, const QString &open,
                   const QString &close);

// Rewrites "setSize(oldWidth,oldHeight)" to the new size; true when it did.
bool UpdateWindowSize(CodeLines &code, int oldWidth, int oldHeight, int newWidth, int newHeight);

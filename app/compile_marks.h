#pragma once

#include "editor/text_marks.h"
#include "javatools/code_warnings.h"
#include "javatools/compiler_diagnostic.h"
#include "javatools/compiler_explanations.h"

class JavaDocument;

// The marks a compile or a check leaves in a document's text.
namespace compilemarks {

// A compiler message's mark: on the real cause when the explanation found it
// elsewhere, else on the compiler's own range (or the word at its column);
// its tip is the explanation, or the message when there is none.
TextMark ofMessage(JavaDocument &document, const JavacMessage &message, const CompilerExplanation *explanation,
                   const CompilerDiagnostics &diagnostics, TextMark::Kind kind);

// The explanations of a compile by the row of the message each explains.
QHash<int, CompilerExplanation> byMessageRow(const QList<CompilerExplanation> &explanations);

TextMark ofWarning(JavaDocument &document, const CodeWarning &warning);

} // namespace compilemarks

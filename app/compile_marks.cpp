#include "app/compile_marks.h"

#include "app/java_document.h"

namespace compilemarks {

TextMark ofMessage(JavaDocument &document, const JavacMessage &message, const CompilerExplanation *explanation,
                   const CompilerDiagnostics &diagnostics, TextMark::Kind kind)
{
    // The compiler's own range when it gave one on the line.
    int length = 0;
    for (const CompilerDiagnostic &d : diagnostics) {
        if (d.line == message.line && d.column == message.column && d.end > d.start)
            length = int(qMin<qint64>(d.end - d.start, 200));
    }
    const QString tip = explanation ? explanation->text : message.text;
    TextMark mark = explanation && explanation->causeLine > 0
                        ? document.markerAt(explanation->causeLine - 1, explanation->causeColumn,
                                            explanation->causeLength, tip)
                        : document.markerAt(message.line - 1, message.column, length, tip);
    mark.kind = kind;
    return mark;
}

QHash<int, CompilerExplanation> byMessageRow(const QList<CompilerExplanation> &explanations)
{
    QHash<int, CompilerExplanation> explained;
    for (const CompilerExplanation &explanation : explanations)
        explained.insert(explanation.messageRow, explanation);
    return explained;
}

TextMark ofWarning(JavaDocument &document, const CodeWarning &warning)
{
    TextMark mark = document.markerAt(warning.line - 1, warning.column, warning.length, warning.text);
    mark.kind = TextMark::Warning;
    return mark;
}

} // namespace compilemarks

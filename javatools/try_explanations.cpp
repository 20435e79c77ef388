// The explanations of the try-it pane's mistakes: a snippet's compile error
// and a snippet's exception get the same Portuguese explanations as a
// compiled program's, by the same table and mistake finder.
#include "javatools/compiler_diagnostic.h"
#include "javatools/compiler_explanations.h"
#include "javatools/runtime_errors.h"
#include "javatools/try_answer.h"

#include <QRegularExpression>

namespace tryanswer {

namespace {

const QString &fileName()
{
    static const QString name = QStringLiteral("Experimentar.java");
    return name;
}

// The explanations count lines in the text the student typed; a text of
// one line has no line to name.
QString aboutTheInput(QString text, int lineCount, int firstLine)
{
    static const QRegularExpression lineNumber(QStringLiteral("\\b([Ll])inha (\\d+)"));
    QString shown;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : lineNumber.globalMatch(text)) {
        shown += text.mid(from, match.capturedStart() - from);
        const int line = match.captured(2).toInt() - firstLine + 1;
        if (line >= 1 && line <= lineCount)
            shown += match.captured(1) + QStringLiteral("inha %1").arg(line);
        else
            shown += match.captured(0);
        from = match.capturedEnd();
    }
    shown += text.mid(from);
    if (lineCount == 1) {
        shown.replace(QRegularExpression(QStringLiteral("\\b([Nn])a linha 1, coluna")), QStringLiteral("\\1a coluna"));
        shown.replace(QRegularExpression(QStringLiteral("\\bNa linha 1\\b,?")), QStringLiteral("Nesta linha,"));
        shown.replace(QRegularExpression(QStringLiteral("\\bna linha 1\\b")), QStringLiteral("nesta linha"));
        shown.replace(QStringLiteral("Nesta linha, ,"), QStringLiteral("Nesta linha,"));
    }
    return shown;
}

} // namespace

QString explainError(const QStringList &fields)
{
    const QString kind = fields.value(0);
    const QString code = fields.value(1);
    const qint64 position = fields.value(2).toLongLong();
    const qint64 start = fields.value(3).toLongLong();
    const qint64 end = fields.value(4).toLongLong();
    const QString message = fields.value(5);
    const QString snippet = fields.value(6);

    // The snippet stands where the compiler expects its kind: a statement or
    // an expression inside a method, a method inside a class.
    QStringList before;
    QStringList after;
    if (kind == QLatin1String("METHOD")) {
        before = {QStringLiteral("class Experimentar {")};
        after = {QStringLiteral("}")};
    } else if (kind != QLatin1String("TYPE_DECL") && kind != QLatin1String("IMPORT")) {
        before = {QStringLiteral("class Experimentar {"), QStringLiteral("void experimentar() {")};
        after = {QStringLiteral("}"), QStringLiteral("}")};
    }
    const QStringList snippetLines = snippet.split(u'\n');
    const QStringList lines = before + snippetLines + after;
    qint64 offset = 0;
    for (const QString &line : before)
        offset += line.size() + 1;

    const qint64 at = qBound<qint64>(0, position, snippet.size());
    const int lineInSnippet = int(snippet.left(at).count(u'\n'));
    const int column = int(at - (snippet.lastIndexOf(u'\n', at - 1) + 1)) + 1;
    const int line = lineInSnippet + 1 + int(before.size());

    // Written as javac writes a message, for the table that reads javac.
    QStringList messageLines = message.split(u'\n');
    // The session's own class has no name a student would know.
    for (QString &detail : messageLines)
        if (detail.trimmed() == QLatin1String("location: class"))
            detail += QStringLiteral(" Experimentar");
    QStringList compilerLines{QStringLiteral("%1:%2: error: %3").arg(fileName()).arg(line).arg(messageLines.first()),
                              lines.value(line - 1), QString(column - 1, u' ') + u'^'};
    compilerLines += messageLines.mid(1);
    compilerLines << QStringLiteral("1 error");

    CompilerDiagnostic diagnostic;
    diagnostic.kind = QStringLiteral("ERROR");
    diagnostic.code = code;
    diagnostic.line = line;
    diagnostic.column = column;
    diagnostic.start = start < 0 ? -1 : start + offset;
    diagnostic.end = end < 0 ? -1 : end + offset;
    diagnostic.file = fileName();
    const CompiledSource source{fileName(), lines, {diagnostic}};

    const QList<CompilerExplanation> explanations = CompilerExplanations::standard().explain(compilerLines, &source);
    if (explanations.isEmpty())
        return QStringLiteral("O compilador diz: %1").arg(messageLines.first());
    QString text = explanations.first().text;
    // One text at a time: the later messages of this one are not shown.
    text.remove(CompilerExplanations::laterMessagesNote());
    return aboutTheInput(text.trimmed(), int(snippetLines.size()), int(before.size()) + 1);
}

QString explainException(const QStringList &fields)
{
    const QString name = fields.value(0);
    const QString message = fields.value(1);
    RuntimeError error;
    error.text = message == QLatin1String("null") ? name : QStringLiteral("%1: %2").arg(name, message);
    error.thread = QStringLiteral("main");
    // The session's frames: the typed lines are "#<number>" files.
    for (const QString &frame : fields.mid(2)) {
        const QStringList parts = frame.split(u'|');
        StackFrame read{parts.value(0), parts.value(1), parts.value(2), parts.value(3).toInt()};
        if (read.file.startsWith(u'#') && read.className.isEmpty()) {
            read.className = QStringLiteral("Experimentar");
            read.method = QStringLiteral("experimentar");
        }
        error.frames.append(read);
    }
    RunFacts facts;
    facts.isStudentFile = [](const QString &file) { return file.startsWith(u'#'); };
    const std::optional<RuntimeExplanation> found = RuntimeExplanations::standard().explain(error, facts);
    const QString simpleName = name.mid(name.lastIndexOf(u'.') + 1);
    const QString head = QStringLiteral("Erro ao executar: %1").arg(message == QLatin1String("null")
                                                                     ? simpleName
                                                                     : QStringLiteral("%1 (%2)").arg(simpleName, message));
    if (!found)
        return head + u'.';
    // The lines of the session count each text from 1: one line is "this one".
    return head + QStringLiteral(". ") + aboutTheInput(found->text, found->line == 1 ? 1 : found->line, 1);
}

} // namespace tryanswer

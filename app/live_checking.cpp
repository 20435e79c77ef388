#include "app/live_checking.h"

#include "app/class_name.h"
#include "app/compile_marks.h"
#include "app/document_manager.h"
#include "app/java_document.h"
#include "editor/document_lines.h"
#include "editor/text_file.h"
#include "javatools/code_warnings.h"
#include "javatools/compiler_explanations.h"
#include "javatools/compiler_messages.h"

#include <QFileInfo>

namespace {

// Whether the document is a Java source: a file saved under another name
// (a page of HTML or JSP, an exercise, any text) is not, nor is a page not
// saved yet, whose Java is markup's.
bool isJavaSource(const JavaDocument &document, const QStringList &lines)
{
    if (!document.filePath().isEmpty() && QFileInfo(document.filePath()).suffix().toLower() != QLatin1String("java"))
        return false;
    return !IsMarkupPage(lines);
}

QString counted(int n, const char *one, const char *many)
{
    return n == 1 ? QStringLiteral("1 %1").arg(QLatin1String(one))
                  : QStringLiteral("%1 %2").arg(n).arg(QLatin1String(many));
}

} // namespace

LiveChecking::LiveChecking(DocumentManager &documents, QObject *parent)
    : QObject(parent), m_documents(documents)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &LiveChecking::checkNow);
    connect(&m_checker, &LiveChecker::checked, this, &LiveChecking::answered);
    connect(&documents, &DocumentManager::documentAdded, this, &LiveChecking::watch);
    connect(&documents, &DocumentManager::documentAboutToClose, this, [this](JavaDocument *document) {
        m_edits.remove(document);
        if (m_asked && m_asked->document == document)
            m_asked.reset();
    });
    connect(&documents, &DocumentManager::activeChanged, this, [this](JavaDocument *document) {
        summarize(-1, 0);
        if (document && m_enabled)
            m_pause.start();
    });
    for (JavaDocument *document : documents.documents())
        watch(document);
}

LiveChecking::~LiveChecking() = default;

void LiveChecking::prepare()
{
    if (m_enabled)
        m_checker.start();
}

void LiveChecking::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_pause.stop();
    m_asked.reset();
    m_held.clear();
    if (!enabled) {
        for (JavaDocument *document : m_documents.documents()) {
            document->marks().replace(TextMark::LiveError, {});
            document->marks().replace(TextMark::Warning, {});
        }
        summarize(-1, 0);
    } else if (m_documents.active()) {
        m_pause.start();
    }
}

void LiveChecking::watch(JavaDocument *document)
{
    connect(document, &JavaDocument::contentsChanged, this, [this, document] { changed(document); });
    connect(document, &JavaDocument::caretLineChanged, this,
            [this, document](int line) { caretMoved(document, line); });
}

void LiveChecking::changed(JavaDocument *document)
{
    ++m_edits[document];
    if (document == m_heldIn)
        m_held.clear();
    if (m_enabled && document == m_documents.active())
        m_pause.start();
}

void LiveChecking::checkNow()
{
    JavaDocument *document = m_documents.active();
    if (!m_enabled || !document)
        return;
    const QStringList lines = TextFile::splitLines(document->lines().Text());
    if (lines.size() > LargestCheckedLines || !isJavaSource(*document, lines)) {
        summarize(-1, 0);
        return;
    }
    QString folder = document->folder();
    QString fileName = QFileInfo(document->filePath()).fileName();
    if (document->filePath().isEmpty()) {
        // Not saved yet: javac wants a public class in a file of its name.
        const QString name = ExtractClassName(lines);
        fileName = (name.isEmpty() ? QStringLiteral("Programa") : name) + QStringLiteral(".java");
        folder = m_scratch.path();
    }
    m_asked = Asked{++m_tickets, document, m_edits.value(document), fileName, lines};
    m_checker.check(m_asked->ticket, folder, fileName, document->encoding(), lines.join(QLatin1Char('\n')));
}

void LiveChecking::answered(quint64 ticket, const CompileHelper::Outcome &outcome)
{
    if (!m_asked || m_asked->ticket != ticket)
        return;
    const Asked asked = *m_asked;
    m_asked.reset();
    JavaDocument *document = asked.document;
    // A text changed since it was sent gets a check of its own.
    if (!document || !m_enabled || m_edits.value(document) != asked.edits)
        return;

    const CompiledSource source{asked.fileName, asked.lines, outcome.diagnostics};
    const QList<JavacMessage> messages = CompilerMessages::parse(outcome.lines);
    const QHash<int, CompilerExplanation> explained =
        compilemarks::byMessageRow(CompilerExplanations::standard().explain(outcome.lines, &source));
    QList<TextMark> errors;
    QList<TextMark> warnings;
    int errorCount = 0;
    for (const JavacMessage &message : messages) {
        const bool error = message.kind == JavacMessage::Kind::Error;
        errorCount += error ? 1 : 0;
        if (message.line <= 0 || QFileInfo(message.file).fileName() != asked.fileName
            || message.kind == JavacMessage::Kind::Note)
            continue;
        const auto explanation = explained.constFind(message.firstRow);
        (error ? errors : warnings)
            .append(compilemarks::ofMessage(*document, message,
                                            explanation == explained.cend() ? nullptr : &*explanation,
                                            outcome.diagnostics, error ? TextMark::LiveError : TextMark::Warning));
    }
    for (const CodeWarning &warning : codewarnings::find(asked.lines))
        warnings.append(compilemarks::ofWarning(*document, warning));

    // What stands on the caret's line waits for the caret to leave it.
    m_heldIn = document;
    m_heldLine = document->caretLine();
    m_held.clear();
    m_heldErrors = 0;
    m_heldWarnings = 0;
    const auto holdBack = [this](QList<TextMark> &marks) {
        for (qsizetype i = marks.size() - 1; i >= 0; --i) {
            if (marks.at(i).line() + 1 == m_heldLine)
                m_held.append(marks.takeAt(i));
        }
    };
    holdBack(errors);
    holdBack(warnings);
    document->marks().replace(TextMark::Error, {});
    document->marks().replace(TextMark::LiveError, errors);
    document->marks().replace(TextMark::Warning, warnings);
    // The count, too, leaves out the line being typed until the caret leaves it.
    m_errors = errorCount;
    m_warnings = int(warnings.size());
    for (const TextMark &held : std::as_const(m_held))
        held.kind == TextMark::Warning ? ++m_heldWarnings : ++m_heldErrors;
    summarize(m_errors - m_heldErrors, m_warnings);
    emit checked(document);
}

void LiveChecking::caretMoved(JavaDocument *document, int line)
{
    if (document != m_heldIn || line == m_heldLine || m_held.isEmpty())
        return;
    const QList<TextMark> held = std::exchange(m_held, {});
    for (const TextMark &mark : held)
        document->marks().add(mark);
    m_warnings += std::exchange(m_heldWarnings, 0);
    m_heldErrors = 0;
    summarize(m_errors, m_warnings);
}

void LiveChecking::summarize(int errors, int warnings)
{
    if (errors < 0) {
        emit summaryChanged(QString());
        return;
    }
    QString text = errors == 0 ? QStringLiteral("Sem erros") : counted(errors, "erro", "erros");
    if (warnings > 0)
        text += QStringLiteral(", ") + counted(warnings, "aviso", "avisos");
    emit summaryChanged(text);
}

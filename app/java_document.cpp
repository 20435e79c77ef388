#include "app/java_document.h"

#include "app/document_tag.h"
#include "designer/objects_file.h"
#include "editor/document_lines.h"
#include "javatools/program_run.h"

#include <QAbstractUndoItem>
#include <QFileInfo>
#include <QTextBlock>

#include <algorithm>

// A change of the design inside the text's undo history.
class FormUndoItem : public QAbstractUndoItem
{
public:
    FormUndoItem(JavaDocument &document, FormModel::State before, FormModel::State after)
        : m_document(document), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void undo() override { m_document.restoreForm(m_before); }
    void redo() override { m_document.restoreForm(m_after); }

private:
    JavaDocument &m_document;
    FormModel::State m_before;
    FormModel::State m_after;
};

JavaDocument::JavaDocument(DocumentKind kind, int number, QObject *parent)
    : QObject(parent), m_kind(kind), m_number(number), m_code(*this), m_stepCursor(&m_text),
      m_name(QStringLiteral("semnome%1.java ").arg(number))
{
    if (kind == DocumentKind::SwingWindow) {
        m_form = new FormModel(this);
        connect(m_form, &FormModel::edited, this, &JavaDocument::recordFormEdit);
    }
    DocumentLines::of(m_text);
    // The text document knows when an undo or redo reaches the saved text;
    // changes through the line list alone leave the mark as it is.
    connect(&m_text, &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (!lines().isSilent())
            setMarked(modified);
    });
    connect(&m_text, &QTextDocument::contentsChanged, this, &JavaDocument::contentsChanged);
    connect(&m_text, &QTextDocument::contentsChange, this, &JavaDocument::dropMarkersOfEditedLines);
}

JavaDocument::~JavaDocument()
{
    // A run ending tells the debugger, which may still ask this document
    // for its marks and path: it ends while the document is whole.
    m_run.reset();
    // The undo items refer to this object; the text goes with its history.
    m_text.clearUndoRedoStacks();
}

DocumentLines &JavaDocument::lines() const
{
    return DocumentLines::of(const_cast<QTextDocument &>(m_text));
}

void JavaDocument::beginStep()
{
    if (m_stepDepth++ == 0)
        m_stepStartSteps = m_text.availableUndoSteps();
    m_stepCursor.beginEditBlock();
}

void JavaDocument::endStep()
{
    m_stepCursor.endEditBlock();
    // A step that changed anything is work to save.
    if (--m_stepDepth == 0 && m_text.availableUndoSteps() != m_stepStartSteps)
        setMarked(true);
}

void JavaDocument::recordFormEdit(const FormModel::State &before)
{
    if (m_restoring)
        return;
    // Inside the gesture's step when there is one, a step of its own if not.
    beginStep();
    m_text.appendUndoItem(new FormUndoItem(*this, before, m_form->state()));
    endStep();
}

void JavaDocument::restoreForm(const FormModel::State &state)
{
    m_restoring = true;
    m_form->restore(state);
    m_restoring = false;
}

QString JavaDocument::folder() const
{
    return m_paths.isEmpty() ? QString() : QFileInfo(m_paths.first()).absolutePath();
}

void JavaDocument::setFilePath(const QString &path)
{
    setPaths(QStringList{path} + m_paths);
}

void JavaDocument::setPaths(const QStringList &pathsNewestFirst)
{
    // Class files in another folder are not this text's.
    if (pathsNewestFirst.value(0) != m_paths.value(0))
        m_compiledRevision = -1;
    m_paths = pathsNewestFirst;
    emit filePathChanged();
}

void JavaDocument::toggleBreakpoint(int line)
{
    if (breakpointLines().contains(line)) {
        removeBreakpoint(line);
        return;
    }
    const QTextBlock block = m_text.findBlockByNumber(line);
    if (!block.isValid())
        return;
    if (!m_breakpointsRefused.isEmpty()) {
        emit breakpointRefused(m_breakpointsRefused);
        return;
    }
    m_marks.add({TextMark::Breakpoint, QTextCursor(block), QString(), 1});
}

void JavaDocument::setBreakpointLines(const QList<int> &lines)
{
    QList<TextMark> marks;
    for (const int line : lines) {
        const QTextBlock block = m_text.findBlockByNumber(line);
        if (block.isValid())
            marks.append({TextMark::Breakpoint, QTextCursor(block), QString(), 1});
    }
    m_marks.replace(TextMark::Breakpoint, marks);
}

void JavaDocument::refuseNewBreakpoints(const QString &reason)
{
    m_breakpointsRefused = reason;
}

void JavaDocument::removeBreakpoint(int line)
{
    // Two breakpoints end on one line when the lines between them go.
    m_marks.removeIf([line](const TextMark &mark) { return mark.kind == TextMark::Breakpoint && mark.line() == line; });
}

int JavaDocument::executionLine() const
{
    const QList<int> lines = m_marks.linesOf(TextMark::ExecutionLine);
    return lines.isEmpty() ? -1 : lines.first();
}

void JavaDocument::setExecutionLine(int line)
{
    if (line == executionLine())
        return;
    const QTextBlock block = m_text.findBlockByNumber(line);
    QList<TextMark> lit;
    if (line >= 0 && block.isValid())
        lit.append({TextMark::ExecutionLine, QTextCursor(block), QString(), 2});
    m_marks.replace(TextMark::ExecutionLine, lit);
    emit executionLineChanged();
}

bool JavaDocument::isCompiledAsShown() const
{
    return m_compiledRevision == m_text.revision() && !isModified();
}

void JavaDocument::setCompiled(bool succeeded)
{
    m_compiledRevision = succeeded ? m_text.revision() : -1;
}

void JavaDocument::setRun(std::unique_ptr<ProgramRun> run)
{
    m_run = std::move(run);
}

QString JavaDocument::tag() const
{
    return documenttag::make(m_kind, m_paths);
}

QString JavaDocument::caption() const
{
    return isModified() ? m_name + QLatin1Char('*') : m_name;
}

void JavaDocument::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit captionChanged();
}

void JavaDocument::setModified(bool modified)
{
    m_text.setModified(modified);
    setMarked(modified);
}

void JavaDocument::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    emit modifiedChanged(marked);
    emit captionChanged();
}

void JavaDocument::setSourceText(const QString &text)
{
    lines().SetText(text);
    m_marks.replace(TextMark::Breakpoint, {});
}

TextMark JavaDocument::markerAt(int line, int column, int length, const QString &tip)
{
    const QTextBlock block = m_text.findBlockByNumber(line);
    QTextCursor range(&m_text);
    if (!block.isValid())
        return {TextMark::Error, range, tip};
    const QString text = block.text();
    int start = qBound(0, column - 1, qMax(0, int(text.size()) - 1));
    int end = start + length;
    if (length <= 0) {
        // The word at the column, or the one character there.
        end = start;
        while (end < text.size() && (text.at(end).isLetterOrNumber() || text.at(end) == u'_'))
            ++end;
        end = qMax(end, start + 1);
    }
    range.setPosition(block.position() + start);
    range.setPosition(block.position() + qMin(end, int(text.size())), QTextCursor::KeepAnchor);
    return {TextMark::Error, range, tip};
}

void JavaDocument::dropMarkersOfEditedLines(int position, int, int added)
{
    const int first = m_text.findBlock(position).blockNumber();
    const int last = m_text.findBlock(position + added).blockNumber();
    m_marks.removeIf([first, last](const TextMark &mark) {
        return mark.isMessage() && mark.line() >= first && mark.line() <= last;
    });
}

QString JavaDocument::objectsText() const
{
    return m_form ? WriteObjects(m_form->data()) : QString();
}

// --- The code patcher's view ---------------------------------------------------

int JavaDocument::Code::Count() const
{
    return m_document.lines().Count();
}

QString JavaDocument::Code::Get(int index) const
{
    return m_document.lines().Get(index);
}

void JavaDocument::Code::Insert(int index, const QString &text)
{
    m_document.lines().Insert(index, text);
}

void JavaDocument::Code::Delete(int index)
{
    m_document.lines().Delete(index);
}

void JavaDocument::Code::Replace(int offset, int length, const QString &text)
{
    m_document.lines().Replace(offset, length, text);
}

QString JavaDocument::Code::Text() const
{
    return m_document.lines().Text();
}

int JavaDocument::Code::LineOfOffset(int offset) const
{
    return m_document.lines().LineOfOffset(offset);
}

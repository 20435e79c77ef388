#pragma once

#include "app/document_kind.h"
#include "designer/code_lines.h"
#include "designer/form_document.h"
#include "designer/form_model.h"
#include "editor/text_marks.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

class DocumentLines;
class ProgramRun;

// One open document, apart from any widget: its text, its kind, its file
// identity (paths, encoding, line breaks), whether it is modified, and its
// undo history; for a Swing window also its design and the code patcher bound
// to this very document. The undo history is the text document's own: a
// change of the design is an undo item inside it, so one step takes the code
// and the design back together, and undoing back to the saved text clears
// the modified mark.
class JavaDocument : public QObject, public FormDocument
{
    Q_OBJECT
public:
    // `number` is the document counter's value for this document; a new
    // document is named after it ("semnome" + number + ".java").
    JavaDocument(DocumentKind kind, int number, QObject *parent = nullptr);
    ~JavaDocument() override;

    DocumentKind kind() const { return m_kind; }
    int number() const { return m_number; }
    QTextDocument &text() { return m_text; }
    DocumentLines &lines() const;
    bool hasForm() const { return m_form != nullptr; }

    // FormDocument (form() is for Swing window documents only).
    FormModel &form() override { return *m_form; }
    CodeLines &code() override { return m_code; }
    void beginStep() override;
    void endStep() override;
    void markModified() override { setMarked(true); }
    void showCodeAt(int offset) override { emit codeShownAt(offset); }
    void showCodeLine(int line) override { emit codeLineShown(line, -1); }
    // The caret on 0-based `line` at `column` (compiler messages).
    void showCodeLine(int line, int column) { emit codeLineShown(line, column); }

    // The document's file: its newest path; empty for a new document.
    QString filePath() const { return m_paths.value(0); }
    QString folder() const;
    // Every path the document was saved under, newest first.
    QStringList paths() const { return m_paths; }
    void setFilePath(const QString &path);
    void setPaths(const QStringList &pathsNewestFirst);
    // Kind digit, ";", then the paths, each followed by ";".
    QString tag() const;

    // The tab caption: the name ("semnome1.java " for a new document, else
    // the file name), then "*" while the document is modified.
    QString caption() const;
    QString name() const { return m_name; }
    void setName(const QString &name);

    QByteArray encoding() const { return m_encoding; }
    void setEncoding(const QByteArray &encoding) { m_encoding = encoding; }
    QString lineBreak() const { return m_lineBreak; }
    void setLineBreak(const QString &lineBreak) { m_lineBreak = lineBreak; }

    // The modified mark. Typing, the commands and the designer set it; the
    // line list alone (loading, a skeleton) does not. Undoing back to the
    // saved text clears it, and redoing sets it again.
    bool isModified() const { return m_marked; }
    // False takes the text as it stands as the saved one; true keeps the
    // mark until the next save, whatever is undone.
    void setModified(bool modified);

    // The 1-based line of the caret in the document's editor, as it last
    // showed it; the templates read it when they start.
    int caretLine() const { return m_caretLine; }
    void setCaretLine(int line)
    {
        if (line == m_caretLine)
            return;
        m_caretLine = line;
        emit caretLineChanged(line);
    }

    // Every mark on the text, one list with one change signal: the places
    // the last compile's messages are about (each goes when its line is
    // edited, all with the next compile), the breakpoints, the execution
    // line.
    TextMarks &marks() { return m_marks; }
    const TextMarks &marks() const { return m_marks; }
    // An error mark on 0-based `line`, from `column` (1-based) for `length`
    // characters of it (the word there when 0).
    TextMark markerAt(int line, int column, int length, const QString &tip);

    // Breakpoints, as 0-based lines in order: each moves with the text of
    // its line.
    QList<int> breakpointLines() const { return m_marks.linesOf(TextMark::Breakpoint); }
    void toggleBreakpoint(int line);
    // The breakpoints become those on `lines` (0-based; a file opened again).
    void setBreakpointLines(const QList<int> &lines);
    void removeBreakpoint(int line);
    // While the code shown no longer matches the running program, new
    // breakpoints are refused with `reason` (empty: accepted again).
    void refuseNewBreakpoints(const QString &reason);
    // The line (0-based) a debugged program is paused at; -1 for none. It
    // moves with the text of its line, as breakpoints do.
    int executionLine() const;
    void setExecutionLine(int line);

    // Whether the class files of the document's folder come from the text as
    // it stands: the last compile succeeded and nothing changed since.
    bool isCompiledAsShown() const;
    // Called after each compile with its verdict.
    void setCompiled(bool succeeded);

    // The document's last run inside Tavessa (null before the first); a new
    // run, or closing the document, stops the one before.
    ProgramRun *run() const { return m_run.get(); }
    void setRun(std::unique_ptr<ProgramRun> run);

    // Replaces the whole text and forgets the undo history (loading).
    void setSourceText(const QString &text);
    // The design as objects text; empty for a code document.
    QString objectsText() const;

signals:
    void captionChanged();
    void filePathChanged();
    void modifiedChanged(bool modified);
    // The text or the design changed (an edit, an undo, loading).
    void contentsChanged();
    // Requests for the editor's caret: at an offset of the code's text, or
    // on a line (at a column, or keeping the column when it is negative).
    void codeShownAt(int offset);
    void codeLineShown(int line, int column);
    // A breakpoint asked for while they are refused, and why.
    void breakpointRefused(const QString &reason);
    // The execution line was set: a request to bring it into view.
    void executionLineChanged();
    // The editor's caret went to another 1-based line.
    void caretLineChanged(int line);

private:
    // The code patcher's view of the text.
    class Code : public CodeLines
    {
    public:
        explicit Code(JavaDocument &document) : m_document(document) {}
        int Count() const override;
        QString Get(int index) const override;
        void Insert(int index, const QString &text) override;
        void Delete(int index) override;
        void Replace(int offset, int length, const QString &text) override;
        QString Text() const override;
        int LineOfOffset(int offset) const override;

    private:
        JavaDocument &m_document;
    };
    friend class FormUndoItem;

    void recordFormEdit(const FormModel::State &before);
    void dropMarkersOfEditedLines(int position, int removed, int added);
    void setMarked(bool marked);
    void restoreForm(const FormModel::State &state);

    DocumentKind m_kind;
    int m_number;
    QTextDocument m_text;
    Code m_code;
    FormModel *m_form = nullptr;
    QTextCursor m_stepCursor;
    int m_stepDepth = 0;
    int m_stepStartSteps = 0;
    bool m_restoring = false;
    bool m_marked = false;
    int m_caretLine = 1;
    TextMarks m_marks;
    int m_compiledRevision = -1;
    QString m_breakpointsRefused;
    std::unique_ptr<ProgramRun> m_run;
    QStringList m_paths;
    QString m_name;
    QByteArray m_encoding = "UTF-8";
    QString m_lineBreak = QStringLiteral("\r\n");
};

#pragma once

#include "editor/document_lines.h"
#include "editor/text_marks.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QPointer>

class JavaHighlighter;
class QPainter;
class TSynJavaSyn;
class TSynMemo;

// The line list of a TSynMemo: its document's line list (DocumentLines),
// under the names the rest of the program uses. Changes made here are not
// edits: they raise no OnChange.
class TSynMemoLines
{
public:
    explicit TSynMemoLines(TSynMemo &memo) : m_memo(memo) {}

    int Count() const { return lines().Count(); }
    // Line `index`; an index outside 0..Count()-1 gives an empty string.
    QString Get(int index) const { return lines().Get(index); }
    QString operator[](int index) const { return Get(index); }

    // `text` becomes entry `index`; later lines move down. Index Count() appends;
    // an index beyond Count() appends too, and a negative one inserts at 0.
    // The caret keeps its line number and column.
    void Insert(int index, const QString &text) { lines().Insert(index, text); }
    // Removes entry `index`; later lines move up. Out of range: nothing happens.
    // The caret keeps its line number and column, as far as the text allows.
    void Delete(int index) { lines().Delete(index); }
    void Add(const QString &text) { lines().Add(text); }
    // Removes every line (an undoable edit, unlike TSynMemo::Clear).
    void Clear() { lines().Clear(); }
    // Turns every entry that holds line breaks into one line per break; the
    // caret stays on the same character. Returns the line that entry `entry`
    // now starts on.
    int SplitEntries(int entry = 0) { return lines().SplitEntries(entry); }
    // The whole text, lines joined by CR LF.
    QString Text() const { return lines().Text(); }

private:
    DocumentLines &lines() const;

    TSynMemo &m_memo;
};

// The source editor control: a QPlainTextEdit with a line-number gutter, the
// current line highlighted, Java highlighting through the shared scanner, and
// the text model the rest of the program computes with (CR LF line breaks,
// each counted as two characters in SelStart).
class TSynMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TSynMemo(QWidget *parent = nullptr);
    ~TSynMemo() override;

    TSynMemoLines &Lines() { return m_lines; }
    const TSynMemoLines &Lines() const { return m_lines; }

    // Shows `document` (owned elsewhere, for instance by the program's
    // document object) instead of the editor's own.
    void ShowDocument(QTextDocument *document);

    // Whole text, lines joined by CR LF; setting it replaces every line (and the
    // undo history) without raising OnChange. Every line break of the text
    // (CR LF, LF or CR) starts a new line, so SetText(Text()) keeps the text.
    QString Text() const;
    void SetText(const QString &text);
    void Clear();

    // Selection as a 0-based offset into Text() (each line break counts two).
    int SelStart() const;
    void SetSelStart(int offset);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection as an edit (undoable, raises OnChange).
    void SetSelText(const QString &text);
    void SelectAll();

    // 1-based caret line.
    int CaretY() const;
    void SetCaretY(int line);

    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void Undo();
    void Redo();
    void SetFocus();

    // Height of one text line in pixels, in the font before zooming (what
    // printing lays its lines out by).
    int LineHeight() const;

    // The text's font before zooming: Courier New 10 unless "Fonte" chose
    // another. Setting it keeps the zoom.
    QFont BaseFont() const { return m_baseFont; }
    void SetBaseFont(const QFont &font);
    // Zoom in steps of 10 % (0 is the base font); every view of code in the
    // window follows one zoom.
    void SetZoom(int steps);
    int Zoom() const { return m_zoom; }
    static QFont ZoomedFont(const QFont &base, int steps);

    // Colours the text with `scanner` (shared by every editor; may be null).
    void SetHighlighter(TSynJavaSyn *scanner);
    TSynJavaSyn *Highlighter() const { return m_scanner; }
    // A new theme: the text, the lit lines and the gutter are painted again in it.
    void RefreshColours();

    void SetGutterVisible(bool visible);
    bool GutterVisible() const { return m_gutterVisible; }
    int GutterWidth() const;

    // Shortcuts of the window's menus that must win over the editor's own keys.
    void SetWindowShortcuts(const QList<QKeySequence> &shortcuts);

    // The marks to paint, the text's own (null for none); the editor keeps
    // no copy and repaints when they change. A message of the code's has a
    // sign in the gutter, a wavy line under its range and its tip when the
    // mouse rests on either; a breakpoint a red dot in the gutter; the line
    // a paused program is at is lit up.
    void ShowMarks(TextMarks *marks);
    // What the marks say, as this editor paints it: the messages, the
    // breakpoint lines (0-based) and the execution line (-1 for none).
    QList<TextMark> Markers() const;
    QList<int> Breakpoints() const;
    int ExecutionLine() const;
    // Scrolls `line` (0-based) into view, the caret left where it is.
    void ScrollIntoView(int line);

signals:
    // Fires after every change made through the editing path (typing, SetSelText,
    // the clipboard, Undo/Redo); never for Lines or Text changes.
    void OnChange();
    // Mouse click in the text, after the caret has moved.
    void OnClick();
    // A click in the gutter, on 0-based `line`.
    void GutterClicked(int line);
    // Ctrl and the mouse wheel over the text: one step in (+1) or out (-1).
    void ZoomRequested(int step);
    // A key, before the editor acts on it.
    void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // A typed character (printable, or Tab, Enter, Backspace), before the
    // editor acts on it.
    void OnKeyPress(QChar character);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class TSynMemoLines;
    class Gutter;

    void paintGutter(QPaintEvent *event);
    void updateGutterWidth();
    void updateGutter(const QRect &rect, int dy);
    void highlightCurrentLine();
    // Typing that follows the code's indentation (syn_memo_typing.cpp):
    // true when the key was handled.
    bool typeIndented(QKeyEvent *event);
    // The bracket at the caret and its partner, or the lone bracket in red.
    QList<QTextEdit::ExtraSelection> bracketSelections() const;
    // The tip of the marker under `point` (viewport or gutter coordinates).
    QString markerTipAt(const QPoint &viewportPoint) const;
    QString markerTipOnLine(int line) const;
    QList<QTextEdit::ExtraSelection> markerSelections() const;
    static void paintMarkerSign(QPainter &painter, const QRect &rect);
    static QString wrappedTip(const QString &tip);
    static void paintWarningSign(QPainter &painter, const QRect &rect);
    static void paintBreakpoint(QPainter &painter, const QRect &rect);
    static void paintExecutionArrow(QPainter &painter, const QRect &rect);
    QList<QTextEdit::ExtraSelection> executionSelection() const;
    void onContentsChange(int position, int removed, int added);
    void applyFontMetrics();
    void followLines();
    // The caret's and the anchor's line numbers and columns are kept across
    // a change of the lines, where QPlainTextEdit would move them with their
    // text.
    void noteCaret();
    void restoreCaret();
    bool isWordChar(QChar c) const;
    void moveByWord(bool forward, bool select);

    TSynMemoLines m_lines;
    QWidget *m_gutter = nullptr;
    bool m_gutterVisible = true;
    TSynJavaSyn *m_scanner = nullptr;
    JavaHighlighter *m_highlighter = nullptr;
    struct LineColumn
    {
        int line = 0;
        int column = 0;
    };
    LineColumn m_keptAnchor;
    LineColumn m_keptPosition;
    QList<QKeySequence> m_windowShortcuts;
    QPointer<TextMarks> m_marks;
    QFont m_baseFont;
    int m_zoom = 0;
};

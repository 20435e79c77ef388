#include "editor/syn_memo.h"

#include "common/colours.h"
#include "editor/java_highlighter.h"
#include "editor/line_breaks.h"
#include "editor/syn_java_syn.h"
#include "editor/syn_memo_accessible.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

#include <cmath>

namespace {

constexpr int kGutterLeftOffset = 10;
constexpr int kGutterRightMargin = 4;
constexpr int kMinGutterDigits = 3;
constexpr int kTabWidth = 4;

} // namespace

// The line-number strip at the left of the text.
class TSynMemo::Gutter : public QWidget
{
public:
    explicit Gutter(TSynMemo *memo) : QWidget(memo), m_memo(memo) {}
    QSize sizeHint() const override { return QSize(m_memo->GutterWidth(), 0); }

protected:
    void paintEvent(QPaintEvent *event) override { m_memo->paintGutter(event); }
    void mousePressEvent(QMouseEvent *event) override
    {
        const QTextCursor cursor = m_memo->cursorForPosition(QPoint(0, int(event->position().y())));
        const QRect line = m_memo->cursorRect(cursor);
        if (event->button() == Qt::LeftButton && event->position().y() <= line.bottom())
            emit m_memo->GutterClicked(cursor.blockNumber());
    }
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return QWidget::event(event);
        // The sign in the gutter tells what is wrong on its line.
        const auto *help = static_cast<QHelpEvent *>(event);
        const QTextCursor cursor = m_memo->cursorForPosition(QPoint(0, help->pos().y()));
        const QString tip = m_memo->markerTipOnLine(cursor.blockNumber());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), TSynMemo::wrappedTip(tip), this);
        return true;
    }

private:
    TSynMemo *m_memo;
};

TSynMemo::TSynMemo(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_lines(*this)
    , m_gutter(new Gutter(this))
{
    static const bool accessible = [] {
        QAccessible::installFactory(synMemoAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    m_baseFont = font;
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);

    followLines();
    connect(this, &QPlainTextEdit::blockCountChanged, this, &TSynMemo::updateGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &TSynMemo::updateGutter);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TSynMemo::highlightCurrentLine);
    applyFontMetrics();
    highlightCurrentLine();
}

TSynMemo::~TSynMemo()
{
    // The document outlives this object's members; no signal may reach us.
    disconnect(document(), nullptr, this, nullptr);
    disconnect(&DocumentLines::of(*document()), nullptr, this, nullptr);
    delete m_highlighter;
}

DocumentLines &TSynMemoLines::lines() const
{
    return DocumentLines::of(*m_memo.document());
}

void TSynMemo::ShowDocument(QTextDocument *document)
{
    if (!document || document == this->document())
        return;
    disconnect(this->document(), nullptr, this, nullptr);
    disconnect(&DocumentLines::of(*this->document()), nullptr, this, nullptr);
    if (!qobject_cast<QPlainTextDocumentLayout *>(document->documentLayout()))
        document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setDefaultFont(font());
    setDocument(document);
    followLines();
    SetHighlighter(m_scanner);
    applyFontMetrics();
    highlightCurrentLine();
}

void TSynMemo::followLines()
{
    connect(document(), &QTextDocument::contentsChange, this, &TSynMemo::onContentsChange);
    DocumentLines &lines = DocumentLines::of(*document());
    connect(&lines, &DocumentLines::linesAboutToChange, this, &TSynMemo::noteCaret);
    connect(&lines, &DocumentLines::linesChanged, this, &TSynMemo::restoreCaret);
    connect(&lines, &DocumentLines::textReplaced, this,
            [this] { moveCursor(QTextCursor::Start); });
}

void TSynMemo::noteCaret()
{
    const QTextCursor cursor = textCursor();
    const auto lineColumn = [this](int position) {
        const QTextBlock block = document()->findBlock(position);
        return LineColumn{block.blockNumber(), position - block.position()};
    };
    m_keptAnchor = lineColumn(cursor.anchor());
    m_keptPosition = lineColumn(cursor.position());
}

void TSynMemo::restoreCaret()
{
    const auto positionOf = [this](LineColumn place) {
        const QTextBlock block =
            document()->findBlockByNumber(qBound(0, place.line, document()->blockCount() - 1));
        return block.position() + qBound(0, place.column, block.length() - 1);
    };
    QTextCursor cursor(document());
    cursor.setPosition(positionOf(m_keptAnchor));
    cursor.setPosition(positionOf(m_keptPosition), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TSynMemo::Text() const
{
    return m_lines.Text();
}

void TSynMemo::SetText(const QString &text)
{
    DocumentLines::of(*document()).SetText(text);
}

void TSynMemo::Clear()
{
    DocumentLines &lines = DocumentLines::of(*document());
    DocumentLines::Silence silent(lines);
    clear();
    lines.Clear();
}

int TSynMemo::SelStart() const
{
    return DocumentLines::of(*document()).offsetOfPosition(textCursor().selectionStart());
}

void TSynMemo::SetSelStart(int offset)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(DocumentLines::of(*document()).positionOfOffset(offset));
    setTextCursor(cursor);
}

int TSynMemo::SelLength() const
{
    const DocumentLines &lines = DocumentLines::of(*document());
    const QTextCursor cursor = textCursor();
    return lines.offsetOfPosition(cursor.selectionEnd()) - lines.offsetOfPosition(cursor.selectionStart());
}

void TSynMemo::SetSelLength(int length)
{
    const DocumentLines &lines = DocumentLines::of(*document());
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(lines.positionOfOffset(lines.offsetOfPosition(start) + length),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TSynMemo::SelText() const
{
    return linebreaks::withCrLf(textCursor().selectedText());
}

void TSynMemo::SetSelText(const QString &text)
{
    // An edit block of its own keeps it one undo step, apart from typing.
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(linebreaks::toLines(text));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void TSynMemo::SelectAll()
{
    selectAll();
}

int TSynMemo::CaretY() const
{
    return textCursor().blockNumber() + 1;
}

void TSynMemo::SetCaretY(int line)
{
    QTextCursor cursor = textCursor();
    const int column = cursor.positionInBlock();
    const QTextBlock block = document()->findBlockByNumber(qBound(1, line, document()->blockCount()) - 1);
    cursor.setPosition(block.position() + qMin(column, block.length() - 1));
    setTextCursor(cursor);
}

void TSynMemo::CutToClipboard() { cut(); }
void TSynMemo::CopyToClipboard() { copy(); }
void TSynMemo::PasteFromClipboard() { paste(); }
void TSynMemo::Undo() { undo(); }
void TSynMemo::Redo() { redo(); }
void TSynMemo::SetFocus() { setFocus(); }

int TSynMemo::LineHeight() const
{
    return QFontMetrics(m_baseFont).lineSpacing();
}

void TSynMemo::SetBaseFont(const QFont &font)
{
    m_baseFont = font;
    setFont(ZoomedFont(m_baseFont, m_zoom));
}

void TSynMemo::SetZoom(int steps)
{
    if (steps == m_zoom)
        return;
    m_zoom = steps;
    setFont(ZoomedFont(m_baseFont, m_zoom));
}

QFont TSynMemo::ZoomedFont(const QFont &base, int steps)
{
    QFont font = base;
    const double factor = std::pow(1.1, steps);
    if (base.pointSizeF() > 0)
        font.setPointSizeF(qMax(4.0, base.pointSizeF() * factor));
    else if (base.pixelSize() > 0)
        font.setPixelSize(qMax(5, qRound(base.pixelSize() * factor)));
    return font;
}

void TSynMemo::SetHighlighter(TSynJavaSyn *scanner)
{
    DocumentLines::Silence silent(DocumentLines::of(*document()));
    delete m_highlighter;
    m_highlighter = nullptr;
    m_scanner = scanner;
    if (!scanner)
        return;
    m_highlighter = new JavaHighlighter(*scanner, document());
    // The highlighter colours a new document on the next turn of the event
    // loop, noting each line's brackets; the bracket at the caret shows then.
    QTimer::singleShot(0, this, &TSynMemo::highlightCurrentLine);
}

void TSynMemo::SetGutterVisible(bool visible)
{
    m_gutterVisible = visible;
    updateGutterWidth();
}

int TSynMemo::GutterWidth() const
{
    if (!m_gutterVisible)
        return 0;
    const int digits = qMax(kMinGutterDigits, int(QString::number(blockCount()).size()));
    return kGutterLeftOffset + digits * fontMetrics().horizontalAdvance(QLatin1Char('9')) + kGutterRightMargin;
}

// A long explanation breaks into lines instead of running off the screen.
QString TSynMemo::wrappedTip(const QString &tip)
{
    if (tip.size() <= 80)
        return tip;
    QString html = tip.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral("<table width=\"460\"><tr><td>%1</td></tr></table>").arg(html);
}

void TSynMemo::SetWindowShortcuts(const QList<QKeySequence> &shortcuts)
{
    m_windowShortcuts = shortcuts;
}

bool TSynMemo::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = markerTipAt(viewport()->mapFrom(this, help->pos()));
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), wrappedTip(tip), this);
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
        for (const QKeySequence &shortcut : std::as_const(m_windowShortcuts)) {
            if (shortcut.matches(pressed) == QKeySequence::ExactMatch) {
                // Not accepting the override lets the window's action have the key.
                event->ignore();
                return true;
            }
        }
    }
    return QPlainTextEdit::event(event);
}

void TSynMemo::keyPressEvent(QKeyEvent *event)
{
    emit OnKeyDown(event->key(), event->modifiers());
    const QString text = event->text();
    if (!text.isEmpty()) {
        const QChar c = text.at(0);
        if (c.isPrint() || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\b'))
            emit OnKeyPress(c);
    }
    const Qt::KeyboardModifiers wordModifiers = event->modifiers() & ~Qt::ShiftModifier;
    if (wordModifiers == Qt::ControlModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        moveByWord(event->key() == Qt::Key_Right, event->modifiers() & Qt::ShiftModifier);
        event->accept();
        return;
    }
    if (typeIndented(event))
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void TSynMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit OnClick();
}

void TSynMemo::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTextCursor cursor = cursorForPosition(event->position().toPoint());
    const QString text = cursor.block().text();
    int start = cursor.positionInBlock();
    int end = start;
    while (start > 0 && isWordChar(text.at(start - 1)))
        --start;
    while (end < text.size() && isWordChar(text.at(end)))
        ++end;
    if (event->button() != Qt::LeftButton || start == end) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    const int blockStart = cursor.block().position();
    cursor.setPosition(blockStart + start);
    cursor.setPosition(blockStart + end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    event->accept();
}

void TSynMemo::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
}

void TSynMemo::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyFontMetrics();
}

void TSynMemo::moveByWord(bool forward, bool select)
{
    // Words are runs of identifier characters; a line end is a stop of its own.
    QTextCursor cursor = textCursor();
    const QString text = cursor.block().text();
    int column = cursor.positionInBlock();
    int position = cursor.position();
    if (forward && column == text.size()) {
        position = qMin(position + 1, document()->characterCount() - 1);
    } else if (!forward && column == 0) {
        position = qMax(position - 1, 0);
    } else if (forward) {
        while (column < text.size() && isWordChar(text.at(column)))
            ++column;
        while (column < text.size() && !isWordChar(text.at(column)))
            ++column;
        position = cursor.block().position() + column;
    } else {
        while (column > 0 && !isWordChar(text.at(column - 1)))
            --column;
        while (column > 0 && isWordChar(text.at(column - 1)))
            --column;
        position = cursor.block().position() + column;
    }
    cursor.setPosition(position, select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(cursor);
}

bool TSynMemo::isWordChar(QChar c) const
{
    return TSynJavaSyn::IsIdentChar(c);
}

void TSynMemo::applyFontMetrics()
{
    setTabStopDistance(kTabWidth * fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    updateGutterWidth();
}

void TSynMemo::updateGutterWidth()
{
    m_gutter->setVisible(m_gutterVisible);
    setViewportMargins(GutterWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
}

void TSynMemo::updateGutter(const QRect &rect, int dy)
{
    if (dy)
        m_gutter->scroll(0, dy);
    else
        m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
    if (rect.contains(viewport()->rect()))
        updateGutterWidth();
}

void TSynMemo::paintGutter(QPaintEvent *event)
{
    QPainter painter(m_gutter);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    const int numberWidth = m_gutter->width() - kGutterRightMargin;
    const int lineHeight = fontMetrics().height();
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top()) {
            painter.drawText(0, top, numberWidth, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
            const QRect sign(0, top, kGutterLeftOffset, lineHeight);
            const int line = block.blockNumber();
            if (m_marks && m_marks->hasOn(TextMark::Breakpoint, line))
                paintBreakpoint(painter, sign);
            // An error's cross wins over a warning's triangle on one line.
            if (m_marks && (m_marks->hasOn(TextMark::Error, line) || m_marks->hasOn(TextMark::LiveError, line)))
                paintMarkerSign(painter, sign);
            else if (m_marks && m_marks->hasOn(TextMark::Warning, line))
                paintWarningSign(painter, sign);
            if (m_marks && m_marks->hasOn(TextMark::ExecutionLine, line))
                paintExecutionArrow(painter, sign);
        }
        block = block.next();
        top = bottom;
    }
}

void TSynMemo::RefreshColours()
{
    if (m_highlighter) {
        // Colours are no edit: nothing listening to the text hears of them.
        DocumentLines::Silence silent(DocumentLines::of(*document()));
        m_highlighter->rehighlight();
    }
    highlightCurrentLine();
    viewport()->update();
    if (m_gutter)
        m_gutter->update();
}

void TSynMemo::highlightCurrentLine()
{
    QTextEdit::ExtraSelection line;
    line.format.setBackground(colours::of(ColourRole::ActiveLine));
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    setExtraSelections(QList<QTextEdit::ExtraSelection>{line} + executionSelection() + markerSelections()
                       + bracketSelections());
}

void TSynMemo::onContentsChange(int /*position*/, int removed, int added)
{
    if (!DocumentLines::of(*document()).isSilent() && (removed > 0 || added > 0))
        emit OnChange();
}

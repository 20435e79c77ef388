// Typing that keeps the code's indentation: Enter starts the new line as the
// current one starts (one level more after "{"), and "}" typed on a line of
// blanks moves back one level. Text put in through Lines never passes here.
// Also Ctrl and the wheel, which ask the window to zoom.
#include "editor/syn_memo.h"

#include "editor/code_formatter.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QWheelEvent>

bool TSynMemo::typeIndented(QKeyEvent *event)
{
    if (isReadOnly())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier)
        return false;
    QTextCursor cursor = textCursor();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter) {
        // One undo step: the line break and the blanks after it.
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        const QString line = cursor.block().text();
        const int column = cursor.positionInBlock();
        const QString indent = codeformat::indentAfterEnter(line, column);
        cursor.insertBlock();
        cursor.insertText(indent);
        // Between "{" and "}": the "}" goes on a line of its own at the
        // opening line's level, the caret on the indented line between.
        const QString after = line.mid(column);
        if (line.left(column).trimmed().endsWith(QLatin1Char('{')) && after.trimmed().startsWith(QLatin1Char('}'))) {
            const int inner = cursor.position();
            // The blanks before the "}" go; the "}" takes the opening line's.
            cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, int(after.indexOf(QLatin1Char('}'))));
            qsizetype leading = 0;
            while (leading < line.size() && line.at(leading).isSpace())
                ++leading;
            cursor.insertBlock();
            cursor.insertText(line.left(leading));
            cursor.setPosition(inner);
        }
        cursor.endEditBlock();
        setTextCursor(cursor);
        ensureCursorVisible();
        return true;
    }
    if (event->text() != QLatin1String("}") || cursor.hasSelection()
        || !cursor.block().text().trimmed().isEmpty())
        return false;
    const QString leading = cursor.block().text();
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(codeformat::oneLevelLess(leading) + QLatin1Char('}'));
    cursor.endEditBlock();
    setTextCursor(cursor);
    return true;
}

void TSynMemo::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QPlainTextEdit::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta != 0)
        emit ZoomRequested(delta > 0 ? 1 : -1);
    event->accept();
}

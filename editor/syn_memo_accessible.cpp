#include "editor/syn_memo_accessible.h"

#include "editor/syn_memo.h"

#include <QAccessibleWidget>
#include <QTextBlock>

namespace {

class SynMemoAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit SynMemoAccessible(TSynMemo *editor) : QAccessibleWidget(editor, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !editor()->isReadOnly();
        state.readOnly = editor()->isReadOnly();
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return editor()->toPlainText();
        return QAccessibleWidget::text(t);
    }

    // Text interface.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = editor()->textCursor();
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && cursor.hasSelection()) {
            *startOffset = cursor.selectionStart();
            *endOffset = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return editor()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = editor()->textCursor();
        cursor.clearSelection();
        editor()->setTextCursor(cursor);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor(editor()->document());
        cursor.setPosition(clamped(startOffset));
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        editor()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return editor()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = editor()->textCursor();
        cursor.setPosition(clamped(position));
        editor()->setTextCursor(cursor);
    }
    QString text(int startOffset, int endOffset) const override
    {
        return editor()->toPlainText().mid(startOffset, qMax(0, endOffset - startOffset));
    }
    int characterCount() const override { return editor()->document()->characterCount() - 1; }

    // Where the character is drawn, in screen coordinates; an empty
    // rectangle for one scrolled out of sight.
    QRect characterRect(int offset) const override
    {
        TSynMemo *memo = editor();
        QTextCursor cursor(memo->document());
        cursor.setPosition(clamped(offset));
        QRect place = memo->cursorRect(cursor);
        const QString line = cursor.block().text();
        const int column = cursor.positionInBlock();
        const QString character = column < line.size() ? line.mid(column, 1) : QStringLiteral(" ");
        place.setWidth(qMax(1, memo->fontMetrics().horizontalAdvance(character)));
        if (!memo->viewport()->rect().intersects(place))
            return {};
        return QRect(memo->viewport()->mapToGlobal(place.topLeft()), place.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        TSynMemo *memo = editor();
        const QPoint local = memo->viewport()->mapFromGlobal(point);
        if (!memo->viewport()->rect().contains(local))
            return -1;
        return memo->cursorForPosition(local).position();
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        setSelection(0, startIndex, endIndex);
        editor()->ensureCursorVisible();
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    TSynMemo *editor() const { return static_cast<TSynMemo *>(widget()); }
    int clamped(int offset) const { return qBound(0, offset, characterCount()); }
};

} // namespace

QAccessibleInterface *synMemoAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("TSynMemo") && object && object->isWidgetType())
        return new SynMemoAccessible(static_cast<TSynMemo *>(object));
    return nullptr;
}

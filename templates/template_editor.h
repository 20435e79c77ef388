#pragma once

#include <QString>

// What the template machinery needs of a code editor: its line list, the
// whole text and the caret line. Lets the engine run on a plain list in tests
// and on the real editor control in the program.
class TemplateEditor
{
public:
    virtual ~TemplateEditor() = default;

    virtual int lineCount() const = 0;
    // A new line before the 0-based `index`; `index` == lineCount() appends.
    virtual void insertLine(int index, const QString &text) = 0;
    virtual void addLine(const QString &text) = 0;
    // Lines joined by CR LF.
    virtual QString text() const = 0;
    virtual void clear() = 0;
    // 1-based caret line.
    virtual int caretY() const = 0;
};

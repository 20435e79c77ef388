#include "templates/line_list_editor.h"

LineListEditor::LineListEditor(QStringList lines, int caretY)
    : m_lines(std::move(lines)), m_caretY(caretY)
{
}

void LineListEditor::insertLine(int index, const QString &text)
{
    m_lines.insert(qBound(0, index, int(m_lines.size())), text);
}

QString LineListEditor::text() const
{
    return m_lines.join(QStringLiteral("\r\n"));
}

void LineListEditor::clear()
{
    m_lines.clear();
    m_caretY = 1;
}

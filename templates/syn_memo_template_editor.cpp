#include "templates/syn_memo_template_editor.h"

#include "editor/syn_memo.h"

int SynMemoTemplateEditor::lineCount() const
{
    return m_memo.Lines().Count();
}

void SynMemoTemplateEditor::insertLine(int index, const QString &text)
{
    m_memo.Lines().Insert(index, text);
}

void SynMemoTemplateEditor::addLine(const QString &text)
{
    m_memo.Lines().Add(text);
}

QString SynMemoTemplateEditor::text() const
{
    return m_memo.Lines().Text();
}

void SynMemoTemplateEditor::clear()
{
    m_memo.Clear();
}

int SynMemoTemplateEditor::caretY() const
{
    return m_memo.CaretY();
}

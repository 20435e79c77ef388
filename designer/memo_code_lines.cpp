#include "designer/memo_code_lines.h"

#include "editor/syn_memo.h"

int MemoCodeLines::Count() const
{
    return m_memo.Lines().Count();
}

QString MemoCodeLines::Get(int index) const
{
    return m_memo.Lines().Get(index);
}

void MemoCodeLines::Insert(int index, const QString &text)
{
    m_memo.Lines().Insert(index, text);
}

void MemoCodeLines::Delete(int index)
{
    m_memo.Lines().Delete(index);
}

void MemoCodeLines::Replace(int offset, int length, const QString &text)
{
    m_memo.SetSelStart(offset);
    m_memo.SetSelLength(length);
    m_memo.SetSelText(text);
}

QString MemoCodeLines::Text() const
{
    return m_memo.Lines().Text();
}

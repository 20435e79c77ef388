#pragma once

#include "designer/code_lines.h"
#include "editor/syn_memo.h"

// The code lines of an editor, for tests that run the code patcher on a
// bare editor: reads and line changes through its line list, a replacement
// through its selection.
class MemoCodeLines : public CodeLines
{
public:
    explicit MemoCodeLines(TSynMemo &memo) : m_memo(memo) {}

    int Count() const override { return m_memo.Lines().Count(); }
    QString Get(int index) const override { return m_memo.Lines().Get(index); }
    void Insert(int index, const QString &text) override { m_memo.Lines().Insert(index, text); }
    void Delete(int index) override { m_memo.Lines().Delete(index); }
    void Replace(int offset, int length, const QString &text) override
    {
        m_memo.SetSelStart(offset);
        m_memo.SetSelLength(length);
        m_memo.SetSelText(text);
    }
    QString Text() const override { return m_memo.Lines().Text(); }

private:
    TSynMemo &m_memo;
};

#pragma once

#include "designer/code_lines.h"

class TSynMemo;

// The code lines of an editor: the patcher's reads and line changes go
// through its line list (no change event), a replacement through its
// selection (an edit that can be undone).
class MemoCodeLines : public CodeLines
{
public:
    explicit MemoCodeLines(TSynMemo &memo) : m_memo(memo) {}

    int Count() const override;
    QString Get(int index) const override;
    void Insert(int index, const QString &text) override;
    void Delete(int index) override;
    void Replace(int offset, int length, const QString &text) override;
    QString Text() const override;

private:
    TSynMemo &m_memo;
};

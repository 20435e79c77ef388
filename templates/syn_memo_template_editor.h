#pragma once

#include "templates/template_editor.h"

class TSynMemo;

// The code editor control seen through the TemplateEditor interface.
class SynMemoTemplateEditor : public TemplateEditor
{
public:
    explicit SynMemoTemplateEditor(TSynMemo &memo) : m_memo(memo) {}

    int lineCount() const override;
    void insertLine(int index, const QString &text) override;
    void addLine(const QString &text) override;
    QString text() const override;
    void clear() override;
    int caretY() const override;

private:
    TSynMemo &m_memo;
};

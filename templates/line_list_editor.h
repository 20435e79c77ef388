#pragma once

#include "templates/template_editor.h"

#include <QStringList>

// A TemplateEditor that is just a list of strings and a caret line number.
class LineListEditor : public TemplateEditor
{
public:
    explicit LineListEditor(QStringList lines = {}, int caretY = 1);

    int lineCount() const override { return int(m_lines.size()); }
    void insertLine(int index, const QString &text) override;
    void addLine(const QString &text) override { m_lines.append(text); }
    QString text() const override;
    void clear() override;
    int caretY() const override { return m_caretY; }

    void setCaretY(int line) { m_caretY = line; }
    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
    int m_caretY;
};

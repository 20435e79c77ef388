#pragma once

#include <QString>
#include <QStringList>

// The lines of a source text as the code patcher sees them: read, insert and
// delete by 0-based index, the whole text with CR LF between lines, and a
// replacement of a stretch of that text. The editor and plain string lists
// both stand behind it.
class CodeLines
{
public:
    virtual ~CodeLines() = default;

    virtual int Count() const = 0;
    // An index outside 0..Count()-1 gives an empty line.
    virtual QString Get(int index) const = 0;
    // Index Count() (or beyond) appends.
    virtual void Insert(int index, const QString &text) = 0;
    // Out of range: nothing happens.
    virtual void Delete(int index) = 0;
    // Replaces `length` characters of Text() from `offset` (an edit in the
    // editor, so it can be undone).
    virtual void Replace(int offset, int length, const QString &text) = 0;

    // The lines joined by CR LF.
    virtual QString Text() const;
    // The 0-based line on which the character at `offset` of Text() stands.
    virtual int LineOfOffset(int offset) const;
};

// Code lines held in a string list, for tests and tools that run the patcher
// without an editor.
class StringListCodeLines : public CodeLines
{
public:
    explicit StringListCodeLines(QStringList lines = {}) : m_lines(std::move(lines)) {}

    int Count() const override { return int(m_lines.size()); }
    QString Get(int index) const override { return m_lines.value(index); }
    void Insert(int index, const QString &text) override;
    void Delete(int index) override;
    void Replace(int offset, int length, const QString &text) override;

    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
};

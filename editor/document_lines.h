#pragma once

#include <QObject>
#include <QString>

class QTextDocument;

// The line list of a text document, as the program computes with it: 0-based
// entries without line breaks (an entry inserted with breaks inside stays one
// entry until SplitEntries), the whole text with CR LF between lines, and
// offsets that count each line break as two characters. Changes made through
// it are not edits of the typing path (views raise no change event for them)
// but they are undoable. It lives beside its document, so that every view of
// the document and every command on it share one line list.
class DocumentLines : public QObject
{
    Q_OBJECT
public:
    // The line list of `document` (made on first use).
    static DocumentLines &of(QTextDocument &document);

    QTextDocument &document() const { return m_document; }

    int Count() const;
    // Line `index`; an index outside 0..Count()-1 gives an empty string.
    QString Get(int index) const;
    // `text` becomes entry `index`; later lines move down. Index Count() and
    // beyond append; a negative one inserts at 0. Views keep their caret's
    // line number and column.
    void Insert(int index, const QString &text);
    // Removes entry `index`; later lines move up. Out of range: nothing.
    void Delete(int index);
    void Add(const QString &text);
    // Removes every line (undoable).
    void Clear();
    // The whole text, lines joined by CR LF.
    QString Text() const;
    // Replaces every line and forgets the undo history; every break (CR LF,
    // LF, CR) starts a line.
    void SetText(const QString &text);
    // Replaces `length` characters of Text() from `offset`, as an undoable
    // edit (not a line change: views' carets move with the text).
    void Replace(int offset, int length, const QString &text);
    // Turns every entry that holds line breaks into one line per break. The
    // caret of a view stays on the same character. Returns the line that
    // entry `entry` now starts on.
    int SplitEntries(int entry = 0);

    // Offsets into Text() and document positions, both ways.
    int offsetOfPosition(int position) const;
    int positionOfOffset(int offset) const;
    // The 0-based line on which the character at `offset` of Text() stands.
    int LineOfOffset(int offset) const;

    // A change through this list is under way: views raise no change event.
    bool isSilent() const { return m_silent > 0; }

    // Changes of the document made while one of these lives are not edits.
    class Silence
    {
    public:
        explicit Silence(DocumentLines &lines) : m_lines(lines) { ++m_lines.m_silent; }
        ~Silence() { --m_lines.m_silent; }
        Silence(const Silence &) = delete;
        Silence &operator=(const Silence &) = delete;

    private:
        DocumentLines &m_lines;
    };

signals:
    // Around Insert and Delete: views note their caret's line and column
    // before, and put it back after.
    void linesAboutToChange();
    void linesChanged();
    // SetText replaced the whole text: views start again at its top.
    void textReplaced();

private:
    explicit DocumentLines(QTextDocument &document);
    void contentsChanged();

    QTextDocument &m_document;
    int m_silent = 0;
    // A document always holds one block; while this is set that block is not
    // a line yet, so an empty document has no lines and Add fills the first.
    bool m_noLines = true;
};

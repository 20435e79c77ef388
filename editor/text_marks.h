#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>

#include <functional>

// A place in a text that something is said about: a compiler message, a
// breakpoint, the line a paused program is at. Its range is a text cursor,
// so it moves with the text around it.
struct TextMark
{
    enum Kind { Error, Warning, Breakpoint, ExecutionLine, FailedTest, Bookmark, LiveError };

    Kind kind = Error;
    QTextCursor range;
    QString tip;
    int priority = 0; // the higher is drawn over the lower where two meet

    // The 0-based line it stands on.
    int line() const { return range.block().blockNumber(); }
    // A message of the code's (an error or a warning, from a compile or a check).
    bool isMessage() const { return kind == Error || kind == Warning || kind == LiveError; }
};

// The marks of one text, each kind apart; the editor paints from this list
// and keeps none of its own.
class TextMarks : public QObject
{
    Q_OBJECT
public:
    using Match = std::function<bool(const TextMark &)>;

    const QList<TextMark> &all() const { return m_marks; }
    // The lines (0-based, in order, each once) with a mark of `kind`.
    QList<int> linesOf(TextMark::Kind kind) const;
    bool hasOn(TextMark::Kind kind, int line) const;

    // The marks of `kind` become `marks`.
    void replace(TextMark::Kind kind, const QList<TextMark> &marks);
    void add(const TextMark &mark);
    // Takes away the marks `match` picks; whether there were any.
    bool removeIf(const Match &match);

signals:
    void changed();

private:
    QList<TextMark> m_marks;
};

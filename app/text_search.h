#pragma once

#include <QList>
#include <QStringView>

// Finding a text in a text: match case, whole word and direction, with wrap
// around. Positions are indexes into the text searched (for an editor's
// Text(), each line break counts two characters, as SelStart does).
class TextSearch
{
public:
    struct Options
    {
        bool matchCase = false;
        bool wholeWord = false;
        bool forward = true;
    };
    struct Hit
    {
        qsizetype position = -1;
        // The search ran past an end of the text and went on from the other.
        bool wrapped = false;
        bool found() const { return position >= 0; }
    };

    // Forward: the first match at or after `from`, else the first from the
    // start. Backward: the last match that starts before `from`, else the
    // last one of the text.
    static Hit findNext(QStringView text, QStringView what, qsizetype from, const Options &options);
    // Every match, left to right, without overlaps (direction is not used).
    static QList<qsizetype> findAll(QStringView text, QStringView what, const Options &options);
    static bool matchesAt(QStringView text, QStringView what, qsizetype position,
                          const Options &options);

private:
    static qsizetype forwardFrom(QStringView text, QStringView what, qsizetype from,
                                 const Options &options);
    static qsizetype backwardBefore(QStringView text, QStringView what, qsizetype before,
                                    const Options &options);
};

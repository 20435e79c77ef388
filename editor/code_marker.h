#pragma once

#include <QString>
#include <QTextBlock>
#include <QTextCursor>

// A place in a document that a compiler message is about: a range of its
// text (which moves with the text around it) and what to say about it.
struct CodeMarker
{
    QTextCursor range;
    QString tip;

    // The 0-based line it stands on.
    int line() const { return range.block().blockNumber(); }
};

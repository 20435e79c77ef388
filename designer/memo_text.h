#pragma once

#include <QString>
#include <QStringList>

// The lines of a memo's text as the dialogs read them: an empty memo has
// none, and a line break at the very end starts no further line.
inline QStringList memoLines(const QString &plainText)
{
    if (plainText.isEmpty())
        return {};
    QStringList lines = plainText.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

#include "common/object_names.h"

QString menuObjectStem(const QString &caption)
{
    const QString decomposed = caption.normalized(QString::NormalizationForm_D);
    QString stem;
    for (const QChar c : decomposed) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            stem.append(c);
    }
    return stem;
}

QString menuObjectName(const QString &caption, int taken)
{
    return menuObjectStem(caption) + QString::number(taken + 1);
}

#include "common/java_words.h"

#include <QSet>

bool isJavaReservedWord(const QString &word)
{
    static const QSet<QString> words = [] {
        QSet<QString> set{QStringLiteral("_")};
        for (const char *keyword : kJavaKeywords)
            set.insert(QString::fromLatin1(keyword));
        return set;
    }();
    return words.contains(word);
}

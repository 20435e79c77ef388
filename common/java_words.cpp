#include "common/java_words.h"

#include <QSet>

bool isJavaReservedWord(const QString &word)
{
    static const QSet<QString> words = {
        "abstract", "assert",     "boolean",   "break",     "byte",      "case",
        "catch",    "char",       "class",     "const",     "continue",  "default",
        "do",       "double",     "else",      "enum",      "extends",   "final",
        "finally",  "float",      "for",       "goto",      "if",        "implements",
        "import",   "instanceof", "int",       "interface", "long",      "native",
        "new",      "package",    "private",   "protected", "public",    "return",
        "short",    "static",     "strictfp",  "super",     "switch",    "synchronized",
        "this",     "throw",      "throws",    "transient", "try",       "void",
        "volatile", "while",      "true",      "false",     "null",      "_",
    };
    return words.contains(word);
}

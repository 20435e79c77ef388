#pragma once

#include <QString>
#include <array>

// Java's keywords with its literals true, false and null: every word that
// the editor shows as a reserved word, compared with exact letter case.
inline constexpr std::array<const char *, 53> kJavaKeywords = {
    "abstract", "assert",  "boolean",    "break",     "byte",         "case",      "catch",
    "char",     "class",   "const",      "continue",  "default",      "do",        "double",
    "else",     "enum",    "extends",    "false",     "final",        "finally",   "float",
    "for",      "goto",    "if",         "implements", "import",      "instanceof", "int",
    "interface", "long",   "native",     "new",       "null",         "package",   "private",
    "protected", "public", "return",     "short",     "static",       "strictfp",  "super",
    "switch",   "synchronized", "this",  "throw",     "throws",       "transient", "true",
    "try",      "void",    "volatile",   "while"};

// True for the words Java reserves: the keywords above and "_". None of
// them may name a class, variable or component.
bool isJavaReservedWord(const QString &word);

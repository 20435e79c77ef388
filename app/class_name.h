#pragma once

#include <QString>
#include <QStringList>

// The class name of a source text, from its first line that contains
// "public class" (case-sensitive, anywhere in the line, comments included):
// the identifier after "public class" and the one character that follows it.
// Empty when no line contains "public class". It proposes the file name when
// saving and names the class to compile and run.
QString ExtractClassName(const QStringList &lines);

// Whether a source text is a page of HTML or JSP: markup around its Java
// (it starts with "<" or holds "<%"), which is neither formatted nor checked
// as Java.
bool IsMarkupPage(const QStringList &lines);

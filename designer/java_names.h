#pragma once

#include <QString>

class CodeLines;

// Java names as the dialogs check and rewrite them.

// A reserved word of Java (the literals true, false and null and the lone
// underscore included), which no variable may be named.
bool isJavaKeyword(const QString &word);

// Turns every identifier token equal to `oldName` (exact case) into
// `newName`, line by line; strings, character literals and comments stay as
// they are, and so do longer names that contain the old one. Returns how many
// tokens were renamed.
int renameIdentifier(CodeLines &code, const QString &oldName, const QString &newName);

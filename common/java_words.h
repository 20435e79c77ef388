#pragma once

#include <QString>

// True for the words Java reserves: its keywords, the literals true, false
// and null, and "_". None of them may name a class, variable or component.
bool isJavaReservedWord(const QString &word);

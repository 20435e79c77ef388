#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The editor as screen readers and magnifiers see it: its text, caret and
// selection, each character at the place where it is drawn, and the
// widget's own rectangle. The plain text edit's stock interface puts every
// character on the first line's height. Installed once, for every TSynMemo.
QAccessibleInterface *synMemoAccessible(const QString &className, QObject *object);

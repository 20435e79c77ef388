#pragma once

#include "designer/designer_model.h"

#include <QString>
#include <QStringList>

// The objects file: the design of a Swing window document as nested element
// blocks, one line per field, every line ended by a line feed.
//
// Besides the fields of a block, a block may hold extra lines after its width
// line; older readers skip them because they hold no "[" and are not "]":
//   texto=<text>   the exact text, when the text line cannot hold it (a line
//                  break, or more than the text line's 999 characters)
//   itens=<n>      a combo box or list with n items, given by the n lines
//   item=<item>    that follow
// Their values are escaped: \\ backslash, \n line feed, \r carriage return,
// \xHH for "[" and other control characters.

inline constexpr int kObjectsTextLineLimit = 999;
inline const QString kObjectsLoadFailure = QStringLiteral("Não foi possível carregar o formulário.");

// The objects text of `window` and its components in z-order.
QString WriteObjects(const DesignWindowData &window);

struct ObjectsReadResult
{
    DesignWindowData window;
    // False when the lines held no window block; components read before or
    // without one are still in window.components.
    bool windowFound = false;
    // Blocks that could not be read whole; each one deserves the message.
    int brokenBlocks = 0;
};

// Rebuilds a design from the lines of an objects file. Each component read
// increments its kind's counter. Whatever the lines hold, reading ends: the
// cursor moves on by at least one line per step.
ObjectsReadResult ReadObjects(const QStringList &lines, NamingCounters &counters);

// The design a document shows for the lines of its objects file: a window
// without a window block gets a new name and title; `failures` counts the
// warnings it deserves (each broken block, and a missing window block, since
// saving will replace that file with the new design).
struct LoadedDesign
{
    DesignWindowData window;
    int failures = 0;
};
LoadedDesign loadDesign(const QStringList &lines, NamingCounters &counters);

// The lines of an objects text: a line feed ends a line, a carriage return
// before it is dropped.
QStringList objectsLines(const QString &text);

QString escapeObjectsValue(const QString &value);
QString unescapeObjectsValue(const QString &value);

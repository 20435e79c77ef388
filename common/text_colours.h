#pragma once

#include "common/colours.h"

#include <QTextCharFormat>

class QListWidget;
class QListWidgetItem;
class QTextDocument;
class QTreeWidget;
class QTreeWidgetItem;

// Texts and rows painted in a role of the colour table remember the role,
// so that a new theme recolours what is already shown.
namespace textcolours {

// A format whose text is in `role`'s colour.
QTextCharFormat format(ColourRole role);
// Every text of `document` put in with format() takes its role's colour in
// the theme in use.
void recolour(QTextDocument &document);

// A row's text (or, for the tree, a column's background) in `role`.
void setForeground(QListWidgetItem &item, ColourRole role);
void setBackground(QTreeWidgetItem &item, int column, ColourRole role);
void setForeground(QTreeWidgetItem &item, int column, ColourRole role);
void recolour(QListWidget &list);
void recolour(QTreeWidget &tree);

} // namespace textcolours

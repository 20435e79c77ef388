#include "common/text_colours.h"

#include <QListWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

namespace {

constexpr int RoleProperty = QTextFormat::UserProperty + 40;
constexpr int ForegroundData = Qt::UserRole + 40;
constexpr int BackgroundData = Qt::UserRole + 41;
constexpr int TreeForegroundData = Qt::UserRole + 42;

void recolourTreeItem(QTreeWidgetItem &item)
{
    for (int column = 0; column < item.columnCount(); ++column) {
        const QVariant role = item.data(column, BackgroundData);
        if (role.isValid())
            item.setBackground(column, colours::of(ColourRole(role.toInt())));
        const QVariant text = item.data(column, TreeForegroundData);
        if (text.isValid())
            item.setForeground(column, colours::of(ColourRole(text.toInt())));
    }
    for (int i = 0; i < item.childCount(); ++i)
        recolourTreeItem(*item.child(i));
}

} // namespace

namespace textcolours {

QTextCharFormat format(ColourRole role)
{
    QTextCharFormat format;
    format.setForeground(colours::of(role));
    format.setProperty(RoleProperty, int(role));
    return format;
}

void recolour(QTextDocument &document)
{
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QVariant role = fragment.charFormat().property(RoleProperty);
            if (!role.isValid())
                continue;
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat coloured;
            coloured.setForeground(colours::of(ColourRole(role.toInt())));
            cursor.mergeCharFormat(coloured);
        }
    }
    cursor.endEditBlock();
}

void setForeground(QListWidgetItem &item, ColourRole role)
{
    item.setForeground(colours::of(role));
    item.setData(ForegroundData, int(role));
}

void setBackground(QTreeWidgetItem &item, int column, ColourRole role)
{
    item.setBackground(column, colours::of(role));
    item.setData(column, BackgroundData, int(role));
}

void setForeground(QTreeWidgetItem &item, int column, ColourRole role)
{
    item.setForeground(column, colours::of(role));
    item.setData(column, TreeForegroundData, int(role));
}

void recolour(QListWidget &list)
{
    for (int row = 0; row < list.count(); ++row) {
        QListWidgetItem *item = list.item(row);
        const QVariant role = item->data(ForegroundData);
        if (role.isValid())
            item->setForeground(colours::of(ColourRole(role.toInt())));
    }
}

void recolour(QTreeWidget &tree)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        recolourTreeItem(*tree.topLevelItem(i));
}

} // namespace textcolours

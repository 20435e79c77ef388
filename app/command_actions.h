#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QToolButton;
class ToolbarRow;

// The program's commands: one QAction per command, registered under its id
// (the object name of its menu entry, and of its toolbar button, which shows
// the same action), and the menus and toolbar rows that hold them.
class CommandActions
{
public:
    // Registers `action` under its object name, which is made unique across
    // the window first (from its caption when it has none).
    void addAction(QAction *action);
    // Registers `button`, which shows `action`, under the button's name too.
    void addButton(QToolButton *button, QAction *action);
    void addMenu(QMenu *menu);
    void addRow(ToolbarRow *row);

    // Null when the id is unknown.
    QAction *action(const QString &id) const { return m_actions.value(id); }
    QMenu *menu(const QString &id) const { return m_menus.value(id); }
    ToolbarRow *row(const QString &id) const { return m_rows.value(id); }
    QToolButton *button(const QString &id) const { return m_buttons.value(id); }
    bool contains(const QString &id) const;

    // A window-wide unique object name for a menu or entry captioned `caption`.
    QString takeName(const QString &caption);
    // The shortcuts of every command.
    QList<QKeySequence> shortcuts() const;
    QList<QAction *> actions() const;

private:
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, ToolbarRow *> m_rows;
    QHash<QString, QToolButton *> m_buttons;
    QHash<QString, int> m_namesTaken;
};

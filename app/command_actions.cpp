#include "app/command_actions.h"

#include "common/object_names.h"
#include "common/toolbar_row.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

void CommandActions::addAction(QAction *action)
{
    QString name = action->objectName();
    if (name.isEmpty() || (m_actions.contains(name) && m_actions.value(name) != action))
        name = takeName(action->text());
    action->setObjectName(name);
    m_actions.insert(name, action);
}

void CommandActions::addButton(QToolButton *button, QAction *action)
{
    m_buttons.insert(button->objectName(), button);
    m_actions.insert(button->objectName(), action);
}

void CommandActions::addMenu(QMenu *menu)
{
    QString name = menu->objectName();
    if (name.isEmpty() || (m_menus.contains(name) && m_menus.value(name) != menu))
        name = takeName(menu->title());
    menu->setObjectName(name);
    m_menus.insert(name, menu);
}

void CommandActions::addRow(ToolbarRow *row)
{
    m_rows.insert(row->objectName(), row);
}

bool CommandActions::contains(const QString &id) const
{
    return m_actions.contains(id) || m_menus.contains(id) || m_rows.contains(id);
}

QString CommandActions::takeName(const QString &caption)
{
    int &taken = m_namesTaken[menuObjectStem(caption)];
    QString name;
    do {
        name = menuObjectName(caption, taken++);
    } while (m_actions.contains(name) || m_menus.contains(name));
    return name;
}

QList<QKeySequence> CommandActions::shortcuts() const
{
    QList<QKeySequence> shortcuts;
    for (QAction *action : m_actions) {
        for (const QKeySequence &shortcut : action->shortcuts()) {
            if (!shortcut.isEmpty() && !shortcuts.contains(shortcut))
                shortcuts.append(shortcut);
        }
    }
    return shortcuts;
}

QList<QAction *> CommandActions::actions() const
{
    QList<QAction *> unique;
    for (QAction *action : m_actions) {
        if (!unique.contains(action))
            unique.append(action);
    }
    return unique;
}

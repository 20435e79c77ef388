#pragma once

#include <QString>
#include <QStringList>

// The lines that the menu-bar editor builds, apart from the widgets: one
// addition at a time, then the two blocks that go into the code.

// What "Add" creates (the radio group's index; None before a choice).
enum class MenuEntryType { None = -1, Menu = 0, Item = 1, SubMenu = 2, Separator = 3 };

struct MenuEntry
{
    MenuEntryType type = MenuEntryType::None;
    QString name;
    QString caption;
    // The mnemonic: what follows KeyEvent.VK_.
    QString key;
    // The menu that receives an item, submenu or separator.
    QString menu;
};

struct MenuAddition
{
    QStringList declarations;
    QStringList statements;
    // One message per reason to refuse (a menu name met twice gives two).
    QStringList refusals;
    // The name that joins the list of menus, or empty.
    QString newMenu;
    // The mnemonic was refused: the fields keep what was typed, to be mended.
    bool badKey = false;
};

inline const QString kBadMnemonic =
    QStringLiteral("O botão de atalho deve ser uma só letra (de A a Z) ou um só algarismo "
                   "(de 0 a 9)!");

inline const QString kMenuBarCreation = QStringLiteral("JMenuBar barra = new JMenuBar();");
inline const QString kMenuBarInstallation = QStringLiteral("setJMenuBar(barra);");

// The lines of one "Add"; `menus` are the names of the menus and submenus
// added so far.
MenuAddition menuAddition(const MenuEntry &entry, const QStringList &menus);

// The two blocks for the two-block entry: each list's lines, each followed
// by a line break. With `withBar` the bar is created before the declarations
// and installed after the statements.
struct MenuBlocks
{
    QString first;
    QString second;
};
MenuBlocks menuBlocks(const QStringList &declarations, const QStringList &statements, bool withBar);

// The code has its bar already.
bool codeHasMenuBar(const QString &code);

#include "designer/menu_bar_code.h"

#include "designer/swing_codegen.h"

namespace {

QString block(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

} // namespace

MenuAddition menuAddition(const MenuEntry &entry, const QStringList &menus)
{
    MenuAddition addition;
    const QString &name = entry.name;
    const QString mnemonic =
        name + QLatin1String(".setMnemonic(KeyEvent.VK_") + entry.key + QLatin1String(");");
    const QString menuDeclaration = QLatin1String("JMenu ") + name + QLatin1String(" =new JMenu(")
                                    + javaStringLiteral(entry.caption) + QLatin1String(");");
    const QString menuAdd = entry.menu + QLatin1String(".add(") + name + QLatin1String(");");

    switch (entry.type) {
    case MenuEntryType::None:
        addition.refusals.append(QStringLiteral("Selecione uma opção"));
        break;
    case MenuEntryType::Menu:
        for (const QString &menu : menus) {
            if (menu == name)
                addition.refusals.append(QStringLiteral("Já existe um menu com esse nome"));
        }
        if (!addition.refusals.isEmpty())
            break;
        addition.newMenu = name;
        addition.declarations.append(menuDeclaration);
        addition.statements.append(QLatin1String("barra.add(") + name + QLatin1String(");"));
        if (!entry.key.isEmpty())
            addition.statements.append(mnemonic);
        break;
    case MenuEntryType::Item:
        addition.declarations.append(QLatin1String("JMenuItem ") + name
                                     + QLatin1String("= new JMenuItem(")
                                     + javaStringLiteral(QLatin1Char(' ') + entry.caption)
                                     + QLatin1String(");"));
        addition.statements.append(menuAdd);
        if (!entry.key.isEmpty())
            addition.statements.append(mnemonic);
        break;
    case MenuEntryType::SubMenu:
        addition.newMenu = name;
        addition.declarations.append(menuDeclaration);
        addition.statements.append(menuAdd);
        if (!entry.key.isEmpty())
            addition.statements.append(mnemonic);
        break;
    case MenuEntryType::Separator:
        addition.statements.append(entry.menu + QLatin1String(".addSeparator();"));
        break;
    }
    return addition;
}

MenuBlocks menuBlocks(const QStringList &declarations, const QStringList &statements, bool withBar)
{
    QStringList first = declarations;
    QStringList second = statements;
    if (withBar) {
        first.prepend(kMenuBarCreation);
        second.append(kMenuBarInstallation);
    }
    return {block(first), block(second)};
}

bool codeHasMenuBar(const QString &code)
{
    return code.contains(kMenuBarCreation);
}

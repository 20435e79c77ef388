#include "designer/menu_bar_code.h"

#include "designer/swing_codegen.h"

#include <optional>

namespace {

QString block(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

// KeyEvent has a VK_ constant for each upper-case letter and each digit; a
// key typed in lower case means the same key.
std::optional<QString> mnemonicKey(const QString &typed)
{
    if (typed.size() != 1)
        return std::nullopt;
    const QChar key = typed.at(0).toUpper();
    if ((key >= QLatin1Char('A') && key <= QLatin1Char('Z'))
        || (key >= QLatin1Char('0') && key <= QLatin1Char('9')))
        return QString(key);
    return std::nullopt;
}

} // namespace

MenuAddition menuAddition(const MenuEntry &entry, const QStringList &menus)
{
    MenuAddition addition;
    const QString &name = entry.name;
    const std::optional<QString> key = mnemonicKey(entry.key);
    if (!entry.key.isEmpty() && !key && entry.type != MenuEntryType::None
        && entry.type != MenuEntryType::Separator) {
        addition.refusals.append(kBadMnemonic);
        addition.badKey = true;
        return addition;
    }
    const QString mnemonic = name + QLatin1String(".setMnemonic(KeyEvent.VK_")
                             + key.value_or(QString()) + QLatin1String(");");
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

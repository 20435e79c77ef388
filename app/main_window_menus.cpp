// The main menu and the "Padrão" toolbar row, built from tables.
#include "app/main_window.h"

#include "app/about_box.h"
#include "app/build_commands.h"
#include "app/edit_commands.h"
#include "app/file_commands.h"
#include "app/glyphs.h"
#include "app/help_bridge.h"
#include "common/object_names.h"
#include "common/toolbar_row.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <functional>

namespace {

using Command = std::function<void(Tfrmprincipal &)>;

// One entry of a menu: caption with its access key, shortcut, whether a
// separator comes before it, and what it does.
struct MenuEntry
{
    const char *caption;
    const char *shortcut;
    bool separatorBefore;
    Command command;
};

struct TopMenu
{
    const char *caption;
    std::vector<MenuEntry> entries;
};

std::vector<TopMenu> mainMenu()
{
    return {
        {"&Arquivo",
         {
             {"Abr&ir", "Ctrl+A", false, [](Tfrmprincipal &w) { w.files().Open(); }},
             {"N&ovo", "Ctrl+O", true, nullptr}, // wired to the new-document dialog below
             {"Salvar", "Ctrl+B", false, [](Tfrmprincipal &w) { w.files().SaveCurrentDocument(); }},
             {"Salvar &Como", "", false, [](Tfrmprincipal &w) { w.files().SaveAs(); }},
             {"&Fechar", "Ctrl+W", true, [](Tfrmprincipal &w) { w.files().Close(); }},
             {"&Imprimir", "Ctrl+P", false, [](Tfrmprincipal &w) { w.editing().Print(); }},
             {"S&air", "", true, [](Tfrmprincipal &w) { w.close(); }},
         }},
        {"&Editar",
         {
             {"Desfazer", "Ctrl+Z", false, [](Tfrmprincipal &w) { w.editing().Undo(); }},
             {"Refazer", "Ctrl+R", false, [](Tfrmprincipal &w) { w.editing().Redo(); }},
             {"Recortar", "Ctrl+X", false, [](Tfrmprincipal &w) { w.editing().Cut(); }},
             {"Copiar", "Ctrl+C", false, [](Tfrmprincipal &w) { w.editing().Copy(); }},
             {"Colar", "Ctrl+V", false, [](Tfrmprincipal &w) { w.editing().Paste(); }},
             {"Localizar", "F3", false, [](Tfrmprincipal &w) { w.editing().Find(); }},
             {"Selecionar tudo", "Ctrl+T", false, [](Tfrmprincipal &w) { w.editing().SelectAll(); }},
             {"Fonte", "", false, [](Tfrmprincipal &w) { w.editing().Font(); }},
         }},
        {"&Visualizar",
         {
             {"Padrão", "F5", false, nullptr},
             {"Estruturas", "F6", false, nullptr},
             {"Aplicações Gráficas", "F7", false, nullptr},
         }},
        {"&Java",
         {
             {"Compilar o código", "F9", true, [](Tfrmprincipal &w) { w.build().Compile(); }},
             {"Executar o código", "F10", false, [](Tfrmprincipal &w) { w.build().Run(); }},
         }},
        {"&JSP", {}},
        {"HTML", {}},
        {"A&pplet", {}},
        {"&Banco de Dados", {}},
        {"&Pacotes", {}},
        {"A&juda",
         {
             {"Ajuda do Korvine", "F1", false, [](Tfrmprincipal &w) { w.help().showHelp(false); }},
             {"Sobre Korvine", "", false, [](Tfrmprincipal &w) { w.frmsobre()->showFading(); }},
         }},
    };
}

// One button of the "Padrão" row.
struct PadraoButton
{
    const char *objectName;
    const char *hint;
    glyphs::Glyph glyph;
    bool separatorAfter;
    Command command;
};

std::vector<PadraoButton> padraoButtons()
{
    using glyphs::Glyph;
    return {
        {"spdbnovo", "Novo", Glyph::New, false, nullptr},
        {"spdbabrir", "Abrir", Glyph::Open, false, [](Tfrmprincipal &w) { w.files().Open(); }},
        {"spdbsalvar", "Salvar", Glyph::Save, false,
         [](Tfrmprincipal &w) { w.files().SaveCurrentDocument(); }},
        {"SpeedButton2", "Fechar (Ctrl + W)", Glyph::Close, false,
         [](Tfrmprincipal &w) { w.files().Close(); }},
        {"spdbimprimir", "Imprimir", Glyph::Print, true, [](Tfrmprincipal &w) { w.editing().Print(); }},
        {"spdbrecortar", "Recortar", Glyph::Cut, false, [](Tfrmprincipal &w) { w.editing().Cut(); }},
        {"spdbcopiar", "Copiar", Glyph::Copy, false, [](Tfrmprincipal &w) { w.editing().Copy(); }},
        {"spdbcolar", "Colar", Glyph::Paste, true, [](Tfrmprincipal &w) { w.editing().Paste(); }},
        {"spdblocalizar", "Localizar\\Substituir Tela 1", Glyph::Find, false,
         [](Tfrmprincipal &w) { w.editing().Find(); }},
        {"spdbsubstituir", "Localizar\\Substituir Tela 2", Glyph::Replace, true, nullptr},
        {"spdbdesfazer", "Desfazer", Glyph::Undo, false, [](Tfrmprincipal &w) { w.editing().Undo(); }},
        {"spdbrefazer", "Refazer", Glyph::Redo, true, [](Tfrmprincipal &w) { w.editing().Redo(); }},
        {"spdbajuda", "Ajuda", Glyph::Help, true, [](Tfrmprincipal &w) { w.help().showHelp(true); }},
        {"spdbcompilar", "Compilar o código", Glyph::Compile, false,
         [](Tfrmprincipal &w) { w.build().Compile(); }},
        {"spdbexecutar", "Executar o código", Glyph::Run, false,
         [](Tfrmprincipal &w) { w.build().Run(); }},
        {"spdbprompt", "Prompt DOS", Glyph::Prompt, true, [](Tfrmprincipal &w) { w.build().Prompt(); }},
        {"spdbapplethtml", "Editor para Código HTML", Glyph::Html, false, nullptr},
    };
}

} // namespace

void Tfrmprincipal::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mmenu"));
    for (const TopMenu &top : mainMenu()) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(top.caption));
        registerMenu(menu);
        for (const MenuEntry &entry : top.entries) {
            if (entry.separatorBefore)
                menu->addSeparator();
            auto *item = new QAction(QString::fromUtf8(entry.caption), menu);
            item->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
            item->setShortcutContext(Qt::WindowShortcut);
            menu->addAction(item);
            registerMenuItem(item);
            if (entry.command) {
                const Command command = entry.command;
                connect(item, &QAction::triggered, this, [this, command] { command(*this); });
            }
        }
    }

    connect(menuItem(QStringLiteral("Novo1")), &QAction::triggered, this,
            &Tfrmprincipal::showNewDocumentDialog);

    QAction *padrao = menuItem(QStringLiteral("Padrao1"));
    QAction *estruturas = menuItem(QStringLiteral("Estruturas1"));
    QAction *graficas = menuItem(QStringLiteral("AplicacoesGraficas1"));
    for (QAction *toggle : {padrao, estruturas, graficas})
        toggle->setCheckable(true);
    connect(padrao, &QAction::triggered, this, [this, padrao] { toggleRow(m_grppadrao, padrao); });
    connect(estruturas, &QAction::triggered, this,
            [this, estruturas] { toggleRow(m_grpestruturas, estruturas); });
    connect(graficas, &QAction::triggered, this, &Tfrmprincipal::toggleGraphicRows);
}

void Tfrmprincipal::buildToolbars()
{
    for (const PadraoButton &entry : padraoButtons()) {
        QToolButton *button = m_grppadrao->addButton(QString::fromLatin1(entry.objectName),
                                                     QString::fromUtf8(entry.hint),
                                                     glyphs::icon(entry.glyph));
        if (entry.command) {
            const Command command = entry.command;
            connect(button, &QToolButton::clicked, this, [this, command] { command(*this); });
        }
        if (entry.separatorAfter)
            m_grppadrao->addSeparator();
    }
    connect(button(QStringLiteral("spdbnovo")), &QToolButton::clicked, this,
            &Tfrmprincipal::showNewDocumentDialog);
}

void Tfrmprincipal::toggleRow(ToolbarRow *row, QAction *item)
{
    row->setHidden(!row->isHidden());
    item->setChecked(!row->isHidden());
}

void Tfrmprincipal::toggleGraphicRows()
{
    const bool show = m_grpaplicacaografica->isHidden();
    m_grpaplicacaografica->setHidden(!show);
    m_grpmetodos->setHidden(!show);
    menuItem(QStringLiteral("AplicacoesGraficas1"))->setChecked(show);
}

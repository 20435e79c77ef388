// The main menu and the "Padrão" toolbar row, built from tables. Each command
// is one action; a button shows the action of its menu entry.
#include "app/main_window.h"

#include "app/about_box.h"
#include "app/build_commands.h"
#include "app/debug_commands.h"
#include "app/edit_commands.h"
#include "app/file_commands.h"
#include "app/glyphs.h"
#include "app/help_bridge.h"
#include "app/new_document_dialog.h"
#include "app/run_commands.h"
#include "app/variables_panel.h"
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
             {"N&ovo", "Ctrl+O", true, [](Tfrmprincipal &w) { w.frmtipoarquivo()->exec(); }},
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
             {"Formatar código", "Ctrl+Shift+F", false, [](Tfrmprincipal &w) { w.editing().Format(); }},
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
             {"Executar no Tavessa", "Ctrl+F10", false, [](Tfrmprincipal &w) { w.runs().RunInside(); }},
             {"Depurar", "Ctrl+F9", false, [](Tfrmprincipal &w) { w.debugging().Debug(); }},
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

// One button of the "Padrão" row: it shows the action of the menu entry
// `menuItem`, or, without one, an action of its own doing `command`.
struct PadraoButton
{
    const char *objectName;
    const char *hint;
    glyphs::Glyph glyph;
    bool separatorAfter;
    const char *menuItem;
    Command command;
};

std::vector<PadraoButton> padraoButtons()
{
    using glyphs::Glyph;
    return {
        {"spdbnovo", "Novo", Glyph::New, false, "Novo1", nullptr},
        {"spdbabrir", "Abrir", Glyph::Open, false, "Abrir1", nullptr},
        {"spdbsalvar", "Salvar", Glyph::Save, false, "Salvar1", nullptr},
        {"SpeedButton2", "Fechar (Ctrl + W)", Glyph::Close, false, "Fechar1", nullptr},
        {"spdbimprimir", "Imprimir", Glyph::Print, true, "Imprimir1", nullptr},
        {"spdbrecortar", "Recortar", Glyph::Cut, false, "Recortar1", nullptr},
        {"spdbcopiar", "Copiar", Glyph::Copy, false, "Copiar1", nullptr},
        {"spdbcolar", "Colar", Glyph::Paste, true, "Colar1", nullptr},
        {"spdblocalizar", "Localizar\\Substituir Tela 1", Glyph::Find, false, "Localizar1", nullptr},
        {"spdbsubstituir", "Localizar\\Substituir Tela 2", Glyph::Replace, true, nullptr, nullptr},
        {"spdbdesfazer", "Desfazer", Glyph::Undo, false, "Desfazer1", nullptr},
        {"spdbrefazer", "Refazer", Glyph::Redo, true, "Refazer1", nullptr},
        {"spdbajuda", "Ajuda", Glyph::Help, true, nullptr,
         [](Tfrmprincipal &w) { w.help().showHelp(true); }},
        {"spdbcompilar", "Compilar o código", Glyph::Compile, false, "Compilarocodigo1", nullptr},
        {"spdbexecutar", "Executar o código", Glyph::Run, false, "Executarocodigo1", nullptr},
        {"spdbexecutarnotavessa", "Executar no Tavessa", Glyph::RunInside, false, "ExecutarnoTavessa1", nullptr},
        {"spdbdepurar", "Depurar", Glyph::Debug, false, "Depurar1", nullptr},
        {"spdbprompt", "Prompt DOS", Glyph::Prompt, true, nullptr,
         [](Tfrmprincipal &w) { w.build().Prompt(); }},
        {"spdbapplethtml", "Editor para Código HTML", Glyph::Html, false, nullptr, nullptr},
    };
}

} // namespace

void Tfrmprincipal::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mmenu"));
    for (const TopMenu &top : mainMenu()) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(top.caption));
        m_commands.addMenu(menu);
        for (const MenuEntry &entry : top.entries) {
            if (entry.separatorBefore)
                menu->addSeparator();
            auto *item = new QAction(QString::fromUtf8(entry.caption), menu);
            item->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
            item->setShortcutContext(Qt::WindowShortcut);
            menu->addAction(item);
            m_commands.addAction(item);
            // Shortcuts work wherever the focus is in the window, menus hidden or not.
            if (!item->shortcut().isEmpty())
                addAction(item);
            if (entry.command) {
                const Command command = entry.command;
                connect(item, &QAction::triggered, this, [this, command] { command(*this); });
            }
        }
    }

    QAction *padrao = menuItem(QStringLiteral("Padrao1"));
    QAction *estruturas = menuItem(QStringLiteral("Estruturas1"));
    QAction *graficas = menuItem(QStringLiteral("AplicacoesGraficas1"));
    for (QAction *toggle : {padrao, estruturas, graficas})
        toggle->setCheckable(true);
    // Each toggle flips its rows; the check mark shows the new state.
    const auto toggleRow = [this](QAction *item, const char *rowName) {
        connect(item, &QAction::triggered, this, [this, item, rowName] {
            ToolbarRow *toolbar = row(QString::fromLatin1(rowName));
            toolbar->setHidden(!toolbar->isHidden());
            item->setChecked(!toolbar->isHidden());
        });
    };
    // "Parar" has no menu entry: the console's button and its shortcut.
    auto *stop = new QAction(QStringLiteral("Parar o programa"), this);
    stop->setObjectName(QStringLiteral("PararPrograma"));
    stop->setShortcut(QKeySequence(QStringLiteral("Ctrl+F2")));
    stop->setEnabled(false);
    addAction(stop);
    m_commands.addAction(stop);
    connect(stop, &QAction::triggered, this, [this] { runs().Stop(); });
    connect(&runs(), &RunCommands::runningChanged, stop, &QAction::setEnabled);

    buildDebugCommands();

    // The zoom has no menu entries either: keys, and Ctrl with the wheel.
    const struct
    {
        const char *name;
        const char *caption;
        QList<QKeySequence> keys;
        std::function<void()> command;
    } zooms[] = {
        {"AumentarTexto", "Aumentar o texto", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [this] { zoomBy(1); }},
        {"DiminuirTexto", "Diminuir o texto", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoomBy(-1); }},
        {"TamanhoNormalTexto", "Tamanho normal do texto", {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [this] { zoomReset(); }},
    };
    for (const auto &zoom : zooms) {
        auto *action = new QAction(QString::fromUtf8(zoom.caption), this);
        action->setObjectName(QString::fromLatin1(zoom.name));
        action->setShortcuts(zoom.keys);
        addAction(action);
        m_commands.addAction(action);
        connect(action, &QAction::triggered, this, zoom.command);
    }

    toggleRow(padrao, "grppadrao");
    toggleRow(estruturas, "grpestruturas");
    connect(graficas, &QAction::triggered, this, &Tfrmprincipal::toggleGraphicRows);
}

void Tfrmprincipal::buildToolbars()
{
    ToolbarRow *padrao = row(QStringLiteral("grppadrao"));
    for (const PadraoButton &entry : padraoButtons()) {
        const QString hint = QString::fromUtf8(entry.hint);
        QAction *action = entry.menuItem ? menuItem(QString::fromLatin1(entry.menuItem)) : nullptr;
        if (!action) {
            action = new QAction(hint, this);
            action->setObjectName(QString::fromLatin1(entry.objectName));
            if (entry.command) {
                const Command command = entry.command;
                connect(action, &QAction::triggered, this, [this, command] { command(*this); });
            }
        }
        action->setIcon(glyphs::icon(entry.glyph));
        // The glyph is the button's; menus show their captions alone.
        action->setIconVisibleInMenu(false);
        action->setToolTip(hint);
        QToolButton *button =
            padrao->addActionButton(QString::fromLatin1(entry.objectName), hint, action);
        m_commands.addButton(button, action);
        if (entry.separatorAfter)
            padrao->addSeparator();
    }
}

// The stepping commands: keys and the buttons of the variables panel, no
// menu entries; they apply while a debugged program is paused.
void Tfrmprincipal::buildDebugCommands()
{
    const struct
    {
        const char *name;
        const char *caption;
        QKeySequence key;
        void (DebugCommands::*command)();
    } steps[] = {
        {"ProximoPasso", "Próximo passo", QKeySequence(Qt::Key_F8), &DebugCommands::StepOver},
        {"Entrar", "Entrar", QKeySequence(Qt::Key_F11), &DebugCommands::StepInto},
        {"SairDoMetodo", "Sair do método", QKeySequence(Qt::SHIFT | Qt::Key_F8), &DebugCommands::StepOut},
        {"Continuar", "Continuar", QKeySequence(Qt::Key_F12), &DebugCommands::Continue},
    };
    for (const auto &step : steps) {
        auto *action = new QAction(QString::fromUtf8(step.caption), this);
        action->setObjectName(QString::fromLatin1(step.name));
        action->setShortcut(step.key);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(action->text(), step.key.toString(QKeySequence::NativeText)));
        action->setEnabled(false);
        addAction(action);
        m_commands.addAction(action);
        const auto command = step.command;
        connect(action, &QAction::triggered, this, [this, command] { (debugging().*command)(); });
        connect(&debugging(), &DebugCommands::pausedChanged, action, &QAction::setEnabled);
        m_variables->addButton(action);
    }
    m_variables->addButton(menuItem(QStringLiteral("PararPrograma")));
}

void Tfrmprincipal::toggleGraphicRows()
{
    ToolbarRow *graphic = row(QStringLiteral("grpaplicacaografica"));
    const bool show = graphic->isHidden();
    graphic->setHidden(!show);
    row(QStringLiteral("grpmetodos"))->setHidden(!show);
    menuItem(QStringLiteral("AplicacoesGraficas1"))->setChecked(show);
}

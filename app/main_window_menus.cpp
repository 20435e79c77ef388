// The main menu and the "Padrão" toolbar row, built from tables. Each command
// is one action; a button shows the action of its menu entry.
#include "app/main_window.h"

#include "app/about_box.h"
#include "app/build_commands.h"
#include "app/command_ids.h"
#include "app/debug_commands.h"
#include "app/edit_commands.h"
#include "app/exercise_commands.h"
#include "app/file_commands.h"
#include "app/glyphs.h"
#include "app/help_bridge.h"
#include "app/live_checking.h"
#include "app/new_document_dialog.h"
#include "app/run_commands.h"
#include "app/run_console.h"
#include "app/try_commands.h"
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

// One entry of a menu: its id, caption with its access key, shortcut,
// whether a separator comes before it, and what it does.
struct MenuEntry
{
    const char *id;
    const char *caption;
    const char *shortcut;
    bool separatorBefore;
    Command command;
};

struct TopMenu
{
    const char *id;
    const char *caption;
    std::vector<MenuEntry> entries;
};

std::vector<TopMenu> mainMenu()
{
    return {
        {commandid::MenuArquivo, "&Arquivo",
         {
             {commandid::Abrir, "Abr&ir", "Ctrl+A", false, [](Tfrmprincipal &w) { w.files().Open(); }},
             {commandid::Novo, "N&ovo", "Ctrl+O", true, [](Tfrmprincipal &w) { w.frmtipoarquivo()->exec(); }},
             {commandid::Salvar, "Salvar", "Ctrl+B", false, [](Tfrmprincipal &w) { w.files().SaveCurrentDocument(); }},
             {commandid::SalvarComo, "Salvar &Como", "", false, [](Tfrmprincipal &w) { w.files().SaveAs(); }},
             {commandid::Fechar, "&Fechar", "Ctrl+W", true, [](Tfrmprincipal &w) { w.files().Close(); }},
             {commandid::Imprimir, "&Imprimir", "Ctrl+P", false, [](Tfrmprincipal &w) { w.editing().Print(); }},
             {commandid::AbrirExercicio, "Abrir exercício…", "", true, [](Tfrmprincipal &w) { w.exercises().Open(); }},
             {commandid::CriarExercicio, "Criar exercício…", "", false, [](Tfrmprincipal &w) { w.exercises().Create(); }},
             {commandid::SalvarResultado, "Salvar resultado…", "", false, [](Tfrmprincipal &w) { w.exercises().SaveReport(); }},
             {commandid::Sair, "S&air", "", true, [](Tfrmprincipal &w) { w.close(); }},
         }},
        {commandid::MenuEditar, "&Editar",
         {
             {commandid::Desfazer, "Desfazer", "Ctrl+Z", false, [](Tfrmprincipal &w) { w.editing().Undo(); }},
             {commandid::Refazer, "Refazer", "Ctrl+R", false, [](Tfrmprincipal &w) { w.editing().Redo(); }},
             {commandid::Recortar, "Recortar", "Ctrl+X", false, [](Tfrmprincipal &w) { w.editing().Cut(); }},
             {commandid::Copiar, "Copiar", "Ctrl+C", false, [](Tfrmprincipal &w) { w.editing().Copy(); }},
             {commandid::Colar, "Colar", "Ctrl+V", false, [](Tfrmprincipal &w) { w.editing().Paste(); }},
             {commandid::Localizar, "Localizar", "F3", false, [](Tfrmprincipal &w) { w.editing().Find(); }},
             {commandid::SelecionarTudo, "Selecionar tudo", "Ctrl+T", false, [](Tfrmprincipal &w) { w.editing().SelectAll(); }},
             {commandid::Fonte, "Fonte", "", false, [](Tfrmprincipal &w) { w.editing().Font(); }},
             {commandid::FormatarCodigo, "Formatar código", "Ctrl+Shift+F", false, [](Tfrmprincipal &w) { w.editing().Format(); }},
         }},
        {commandid::MenuVisualizar, "&Visualizar",
         {
             {commandid::Padrao, "Padrão", "F5", false, nullptr},
             {commandid::Estruturas, "Estruturas", "F6", false, nullptr},
             {commandid::AplicacoesGraficas, "Aplicações Gráficas", "F7", false, nullptr},
         }},
        {commandid::MenuJava, "&Java",
         {
             {commandid::Compilar, "Compilar o código", "F9", true, [](Tfrmprincipal &w) { w.build().Compile(); }},
             {commandid::Executar, "Executar o código", "F10", false, [](Tfrmprincipal &w) { w.build().Run(); }},
             {commandid::ExecutarNoTavessa, "Executar no Tavessa", "Ctrl+F10", false, [](Tfrmprincipal &w) { w.runs().RunInside(); }},
             {commandid::Depurar, "Depurar", "Ctrl+F9", false, [](Tfrmprincipal &w) { w.debugging().Debug(); }},
             {commandid::ExecutarAteAqui, "Executar até aqui", "F4", false, [](Tfrmprincipal &w) { w.debugging().RunToCursor(); }},
             {commandid::Testar, "Testar", "Ctrl+Shift+T", false, [](Tfrmprincipal &w) { w.exercises().Test(); }},
             {commandid::Experimentar, "Experimentar", "Ctrl+Shift+E", false, [](Tfrmprincipal &w) { w.tryIt().Show(); }},
             {commandid::VerificarEnquantoDigito, "Verificar enquanto digito", "", true, nullptr},
         }},
        {commandid::MenuJsp, "&JSP", {}},
        {commandid::MenuHtml, "HTML", {}},
        {commandid::MenuApplet, "A&pplet", {}},
        {commandid::MenuBancoDeDados, "&Banco de Dados", {}},
        {commandid::MenuPacotes, "&Pacotes", {}},
        {commandid::MenuAjuda, "A&juda",
         {
             {commandid::AjudaDoKorvine, "Ajuda do Korvine", "F1", false, [](Tfrmprincipal &w) { w.help().showHelp(false); }},
             {commandid::SobreKorvine, "Sobre Korvine", "", false, [](Tfrmprincipal &w) { w.frmsobre()->showFading(); }},
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
        {"spdbnovo", "Novo", Glyph::New, false, commandid::Novo, nullptr},
        {"spdbabrir", "Abrir", Glyph::Open, false, commandid::Abrir, nullptr},
        {"spdbsalvar", "Salvar", Glyph::Save, false, commandid::Salvar, nullptr},
        {"SpeedButton2", "Fechar (Ctrl + W)", Glyph::Close, false, commandid::Fechar, nullptr},
        {"spdbimprimir", "Imprimir", Glyph::Print, true, commandid::Imprimir, nullptr},
        {"spdbrecortar", "Recortar", Glyph::Cut, false, commandid::Recortar, nullptr},
        {"spdbcopiar", "Copiar", Glyph::Copy, false, commandid::Copiar, nullptr},
        {"spdbcolar", "Colar", Glyph::Paste, true, commandid::Colar, nullptr},
        {"spdblocalizar", "Localizar\\Substituir Tela 1", Glyph::Find, false, commandid::Localizar, nullptr},
        {"spdbsubstituir", "Localizar\\Substituir Tela 2", Glyph::Replace, true, nullptr, nullptr},
        {"spdbdesfazer", "Desfazer", Glyph::Undo, false, commandid::Desfazer, nullptr},
        {"spdbrefazer", "Refazer", Glyph::Redo, true, commandid::Refazer, nullptr},
        {"spdbajuda", "Ajuda", Glyph::Help, true, nullptr,
         [](Tfrmprincipal &w) { w.help().showHelp(true); }},
        {"spdbcompilar", "Compilar o código", Glyph::Compile, false, commandid::Compilar, nullptr},
        {"spdbexecutar", "Executar o código", Glyph::Run, false, commandid::Executar, nullptr},
        {"spdbexecutarnotavessa", "Executar no Tavessa", Glyph::RunInside, false, commandid::ExecutarNoTavessa, nullptr},
        {"spdbdepurar", "Depurar", Glyph::Debug, false, commandid::Depurar, nullptr},
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
        menu->setObjectName(QString::fromLatin1(top.id));
        m_commands.addMenu(menu);
        for (const MenuEntry &entry : top.entries) {
            if (entry.separatorBefore)
                menu->addSeparator();
            auto *item = new QAction(QString::fromUtf8(entry.caption), menu);
            item->setObjectName(QString::fromLatin1(entry.id));
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

    QAction *padrao = command(commandid::Padrao);
    QAction *estruturas = command(commandid::Estruturas);
    QAction *graficas = command(commandid::AplicacoesGraficas);
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
    // Checking while typing is on until the student turns it off.
    QAction *checking = command(commandid::VerificarEnquantoDigito);
    checking->setCheckable(true);
    checking->setChecked(true);
    connect(checking, &QAction::toggled, this, [this](bool on) { liveChecking().setEnabled(on); });

    // "Parar" has no menu entry: the console's button and its shortcut.
    auto *stop = new QAction(QStringLiteral("Parar o programa"), this);
    stop->setObjectName(QString::fromLatin1(commandid::PararPrograma));
    stop->setShortcut(QKeySequence(QStringLiteral("Ctrl+F2")));
    stop->setEnabled(false);
    addAction(stop);
    m_commands.addAction(stop);
    connect(stop, &QAction::triggered, this, [this] { runs().Stop(); });
    m_console->setStopAction(stop);

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
    buildLookCommands();
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
        {commandid::ProximoPasso, "Próximo passo", QKeySequence(Qt::Key_F8), &DebugCommands::StepOver},
        {commandid::Entrar, "Entrar", QKeySequence(Qt::Key_F11), &DebugCommands::StepInto},
        {commandid::SairDoMetodo, "Sair do método", QKeySequence(Qt::SHIFT | Qt::Key_F8), &DebugCommands::StepOut},
        {commandid::Continuar, "Continuar", QKeySequence(Qt::Key_F12), &DebugCommands::Continue},
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
        m_variables->addButton(action);
    }
    m_variables->addButton(command(commandid::PararPrograma));
}

void Tfrmprincipal::toggleGraphicRows()
{
    ToolbarRow *graphic = row(QStringLiteral("grpaplicacaografica"));
    const bool show = graphic->isHidden();
    graphic->setHidden(!show);
    row(QStringLiteral("grpmetodos"))->setHidden(!show);
    command(commandid::AplicacoesGraficas)->setChecked(show);
}

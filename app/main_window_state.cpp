// Which commands are enabled or shown: at start, once a document exists, and
// per kind of new document. The states are tables of command ids (the object
// names of menu entries and toolbar buttons), menus and toolbar rows.
#include "app/main_window.h"

#include "app/build_commands.h"
#include "app/command_ids.h"
#include "app/debug_commands.h"
#include "app/run_commands.h"
#include "common/toolbar_row.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <vector>

namespace {

enum class Change { Enable, Disable, Show, Hide };

struct StateRow
{
    const char *name;
    Change change;
};

using StateTable = std::vector<StateRow>;
using enum Change;

const StateTable kStart = {
    {"grpestruturas", Hide}, {"grpaplicacaografica", Hide}, {"grpmetodos", Hide},
    {"Editar1", Hide}, {"Visualizar1", Hide}, {"Java1", Hide}, {"BancodeDados1", Hide},
    {"Pacotes1", Hide}, {"Applet1", Hide}, {"HTML1", Hide}, {"JSP1", Hide},
    {"Salvar1", Disable}, {"SalvarComo1", Disable}, {"Fechar1", Disable},
    {"Imprimir1", Disable}, {"Localizar1", Disable}, {"Estruturas1", Disable},
    {"AplicacoesGraficas1", Disable},
    {"spdbsalvar", Disable}, {"SpeedButton2", Disable}, {"spdbimprimir", Disable},
    {"spdbrecortar", Disable}, {"spdbcopiar", Disable}, {"spdbcolar", Disable},
    {"spdblocalizar", Disable}, {"spdbsubstituir", Disable}, {"spdbdesfazer", Disable},
    {"spdbrefazer", Disable}, {"spdbcompilar", Disable}, {"spdbexecutar", Disable},
    {"spdbexecutarnotavessa", Disable}, {"spdbdepurar", Disable}, {"spdbapplethtml", Hide},
};

const StateTable kDocumentCommands = {
    {"SalvarComo1", Enable}, {"Fechar1", Enable}, {"Imprimir1", Enable},
    {"Localizar1", Enable},
    {"SpeedButton2", Enable}, {"spdbimprimir", Enable}, {"spdbrecortar", Enable},
    {"spdbcopiar", Enable}, {"spdbcolar", Enable}, {"spdblocalizar", Enable},
    {"spdbdesfazer", Enable}, {"spdbrefazer", Enable}, {"spdbcompilar", Enable},
    {"spdbexecutarnotavessa", Enable}, {"spdbdepurar", Enable},
    {"Editar1", Show}, {"Visualizar1", Show}, {"Java1", Show}, {"BancodeDados1", Show},
    {"Pacotes1", Show},
    {"Executarocodigo1", Disable},
};

const StateTable kOpenedFile = {
    {"Estruturas1", Enable}, {"AplicacoesGraficas1", Enable},
    {"grpaplicacaografica", Enable}, {"grpmetodos", Enable}, {"grpestruturas", Enable},
    {"Applet1", Show},
};

// Every option makes the two toolbar toggles of "&Visualizar" available.
const StateTable kAnyNewDocument = {{"Estruturas1", Enable}, {"AplicacoesGraficas1", Enable}};

const StateTable kTextApplication = {
    {"Estruturasbasicas1", Enable}, {"EstruturasGraficas1", Disable},
    {"EstruturasAplicAutonomaGrafica1", Disable}, {"EstruturasAplicAutonomaTEXTO1", Enable},
    {"EstruturasAplicApplet1", Disable},
    {"grpestruturas", Enable}, {"grpaplicacaografica", Disable}, {"grpmetodos", Disable},
};

const StateTable kGraphicApplication = {
    {"EstruturasGraficas1", Enable}, {"EstruturasAplicAutonomaGrafica1", Enable},
    {"EstruturasAplicAutonomaTEXTO1", Disable}, {"EstruturasAplicApplet1", Disable},
    {"grpestruturas", Enable}, {"grpaplicacaografica", Enable}, {"grpmetodos", Enable},
};

const StateTable kApplet = {
    {"Estruturasbasicas1", Enable}, {"EstruturasGraficas1", Enable},
    {"EstruturasAplicAutonomaGrafica1", Disable}, {"EstruturasAplicAutonomaTEXTO1", Disable},
    {"EstruturasAplicApplet1", Enable},
    {"grpestruturas", Enable}, {"grpaplicacaografica", Enable}, {"grpmetodos", Enable},
    {"Applet1", Show}, {"spdbapplethtml", Show}, {"spdbapplethtml", Disable},
};

const StateTable kJsp = {{"HTML1", Show}, {"JSP1", Show}};

const StateTable *const kAllTables[] = {&kStart, &kDocumentCommands, &kOpenedFile,
                                        &kAnyNewDocument, &kTextApplication,
                                        &kGraphicApplication, &kApplet, &kJsp};

// Applies one state table. An unknown name is a mistake in the table; the
// window checks them all when it is built (commandStateNames).
void apply(CommandActions &commands, const StateTable &table)
{
    for (const StateRow &row : table) {
        const QString name = QString::fromLatin1(row.name);
        const bool on = row.change == Change::Enable || row.change == Change::Show;
        const bool visibility = row.change == Change::Show || row.change == Change::Hide;
        if (QAction *item = commands.action(name)) {
            if (!visibility) {
                item->setEnabled(on);
                continue;
            }
            item->setVisible(on);
            // A toolbar button follows its action's enabled state, not its visibility.
            if (QToolButton *button = commands.button(name))
                button->setHidden(!on);
        } else if (QMenu *menu = commands.menu(name)) {
            visibility ? menu->menuAction()->setVisible(on) : menu->setEnabled(on);
        } else if (ToolbarRow *toolbar = commands.row(name)) {
            visibility ? toolbar->setHidden(!on) : toolbar->setEnabled(on);
        }
    }
}

} // namespace

QStringList Tfrmprincipal::commandStateNames()
{
    QStringList names;
    for (const StateTable *table : kAllTables) {
        for (const StateRow &row : *table)
            names.append(QString::fromLatin1(row.name));
    }
    names.removeDuplicates();
    return names;
}

void Tfrmprincipal::applyStartState()
{
    // A name that no command, menu or row answers to stops the program here,
    // when the window is built, so that every test meets it at once.
    for (const QString &name : commandStateNames()) {
        if (!m_commands.contains(name))
            qFatal("The command states name '%s', which does not exist", qPrintable(name));
    }
    for (const char *id : commandid::kAll) {
        if (!m_commands.contains(QString::fromLatin1(id)))
            qFatal("The declared command '%s' does not exist", id);
    }
    apply(m_commands, kStart);
    command(commandid::Padrao)->setChecked(true);
}

// The commands whose state follows what happens rather than a table; with
// the tables above, every change of a command's state is made in this file.
void Tfrmprincipal::followCommandStates()
{
    connect(m_build.get(), &BuildCommands::compilerStarted, this,
            [this] { setCommandEnabled(commandid::Executar, true); });
    connect(m_runs.get(), &RunCommands::runningChanged, this,
            [this](bool running) { setCommandEnabled(commandid::PararPrograma, running); });
    connect(m_debugging.get(), &DebugCommands::pausedChanged, this, [this](bool paused) {
        for (const char *step : {commandid::ProximoPasso, commandid::Entrar, commandid::SairDoMetodo,
                                 commandid::Continuar})
            setCommandEnabled(step, paused);
    });
}

void Tfrmprincipal::setCommandEnabled(const char *id, bool on)
{
    command(id)->setEnabled(on);
}

void Tfrmprincipal::updateSaveCommands()
{
    setCommandEnabled(commandid::Salvar, IsModified());
}

void Tfrmprincipal::enableDocumentCommands()
{
    apply(m_commands, kDocumentCommands);
}

void Tfrmprincipal::enableOpenedFileCommands()
{
    apply(m_commands, kOpenedFile);
}

void Tfrmprincipal::documentsCameIn()
{
    enableDocumentCommands();
    enableOpenedFileCommands();
    FocusCurrentEditor();
}

void Tfrmprincipal::applyNewDocumentState(int option)
{
    apply(m_commands, kAnyNewDocument);
    switch (option) {
    case 1:
        apply(m_commands, kTextApplication);
        break;
    case 2:
        apply(m_commands, kGraphicApplication);
        break;
    case 3:
    case 4:
    case 5:
        apply(m_commands, kApplet);
        if (option == 4)
            apply(m_commands, kJsp);
        break;
    default:
        break;
    }
}

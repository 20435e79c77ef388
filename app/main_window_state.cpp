// Which commands are enabled or shown: at start, once a document exists, and
// per kind of new document. The states are tables of object names.
#include "app/main_window.h"

#include "common/toolbar_row.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <initializer_list>

namespace {

enum class Change { Enable, Disable, Show, Hide };

struct StateRow
{
    const char *name;
    Change change;
};

} // namespace

// Applies one state table; a name may be a menu item, a menu, a toolbar
// button or a toolbar row. Names not (yet) present are skipped.
static void apply(Tfrmprincipal &w, std::initializer_list<StateRow> rows)
{
    for (const StateRow &row : rows) {
        const QString name = QString::fromLatin1(row.name);
        const bool on = row.change == Change::Enable || row.change == Change::Show;
        const bool visibility = row.change == Change::Show || row.change == Change::Hide;
        if (QAction *item = w.menuItem(name)) {
            visibility ? item->setVisible(on) : item->setEnabled(on);
        } else if (QMenu *menu = w.menu(name)) {
            visibility ? menu->menuAction()->setVisible(on) : menu->setEnabled(on);
        } else if (QToolButton *button = w.button(name)) {
            visibility ? button->setHidden(!on) : button->setEnabled(on);
        } else if (ToolbarRow *toolbar = w.row(name)) {
            visibility ? toolbar->setHidden(!on) : toolbar->setEnabled(on);
        }
    }
}

void Tfrmprincipal::applyStartState()
{
    using enum Change;
    apply(*this, {
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
        {"spdbapplethtml", Hide},
    });
    menuItem(QStringLiteral("Padrao1"))->setChecked(true);
}

void Tfrmprincipal::enableDocumentCommands()
{
    using enum Change;
    apply(*this, {
        {"SalvarComo1", Enable}, {"Fechar1", Enable}, {"Imprimir1", Enable},
        {"Localizar1", Enable},
        {"SpeedButton2", Enable}, {"spdbimprimir", Enable}, {"spdbrecortar", Enable},
        {"spdbcopiar", Enable}, {"spdbcolar", Enable}, {"spdblocalizar", Enable},
        {"spdbdesfazer", Enable}, {"spdbrefazer", Enable}, {"spdbcompilar", Enable},
        {"Editar1", Show}, {"Visualizar1", Show}, {"Java1", Show}, {"BancodeDados1", Show},
        {"Pacotes1", Show},
        {"Executarocodigo1", Disable},
    });
}

void Tfrmprincipal::enableOpenedFileCommands()
{
    using enum Change;
    apply(*this, {
        {"Estruturas1", Enable}, {"AplicacoesGraficas1", Enable},
        {"grpaplicacaografica", Enable}, {"grpmetodos", Enable}, {"grpestruturas", Enable},
        {"Applet1", Show},
    });
}

void Tfrmprincipal::applyNewDocumentState(int option)
{
    using enum Change;
    // Every option makes the two toolbar toggles of "&Visualizar" available.
    apply(*this, {{"Estruturas1", Enable}, {"AplicacoesGraficas1", Enable}});
    switch (option) {
    case 1:
        apply(*this, {
            {"Estruturasbasicas1", Enable}, {"EstruturasGraficas1", Disable},
            {"EstruturasAplicAutonomaGrafica1", Disable}, {"EstruturasAplicAutonomaTEXTO1", Enable},
            {"EstruturasAplicApplet1", Disable},
            {"grpestruturas", Enable}, {"grpaplicacaografica", Disable}, {"grpmetodos", Disable},
        });
        break;
    case 2:
        apply(*this, {
            {"EstruturasGraficas1", Enable}, {"EstruturasAplicAutonomaGrafica1", Enable},
            {"EstruturasAplicAutonomaTEXTO1", Disable}, {"EstruturasAplicApplet1", Disable},
            {"grpestruturas", Enable}, {"grpaplicacaografica", Enable}, {"grpmetodos", Enable},
        });
        break;
    case 3:
    case 4:
    case 5:
        apply(*this, {
            {"Estruturasbasicas1", Enable}, {"EstruturasGraficas1", Enable},
            {"EstruturasAplicAutonomaGrafica1", Disable}, {"EstruturasAplicAutonomaTEXTO1", Disable},
            {"EstruturasAplicApplet1", Enable},
            {"grpestruturas", Enable}, {"grpaplicacaografica", Enable}, {"grpmetodos", Enable},
            {"Applet1", Show}, {"spdbapplethtml", Show}, {"spdbapplethtml", Disable},
        });
        if (option == 4)
            apply(*this, {{"HTML1", Show}, {"JSP1", Show}});
        break;
    default:
        break;
    }
}

void Tfrmprincipal::updateSaveCommands()
{
    const bool modified = IsModified();
    if (QAction *item = menuItem(QStringLiteral("Salvar1")))
        item->setEnabled(modified);
    if (QToolButton *save = button(QStringLiteral("spdbsalvar")))
        save->setEnabled(modified);
}

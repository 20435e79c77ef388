// The window's look: the theme, the projector mode and the zoom, applied to
// every view at once, and kept between runs when the program asks for it.
#include "app/main_window.h"

#include "app/command_ids.h"
#include "app/document_manager.h"
#include "app/exercise_commands.h"
#include "app/exercise_panel.h"
#include "app/java_document.h"
#include "app/run_console.h"
#include "app/try_commands.h"
#include "app/try_pane.h"
#include "app/variables_panel.h"
#include "app/view_settings.h"
#include "common/text_colours.h"
#include "editor/syn_java_syn.h"
#include "editor/syn_memo.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QSet>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

QFont Tfrmprincipal::logFont()
{
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void Tfrmprincipal::buildLookCommands()
{
    QMenu *view = menu(QString::fromLatin1(commandid::MenuVisualizar));
    view->addSeparator();
    QMenu *themes = view->addMenu(QStringLiteral("Tema"));
    themes->setObjectName(QString::fromLatin1(commandid::MenuTema));
    m_commands.addMenu(themes);
    auto *choice = new QActionGroup(themes);
    const struct
    {
        const char *id;
        Theme theme;
    } entries[] = {{commandid::TemaClaro, Theme::Claro},
                   {commandid::TemaEscuro, Theme::Escuro},
                   {commandid::TemaAltoContraste, Theme::AltoContraste}};
    for (const auto &entry : entries) {
        auto *item = new QAction(colours::themeName(entry.theme), choice);
        item->setObjectName(QString::fromLatin1(entry.id));
        item->setCheckable(true);
        item->setChecked(entry.theme == colours::theme());
        themes->addAction(item);
        m_commands.addAction(item);
        const Theme theme = entry.theme;
        connect(item, &QAction::triggered, this, [this, theme] { setTheme(theme); });
    }

    auto *projector = new QAction(QStringLiteral("Modo projetor"), view);
    projector->setObjectName(QString::fromLatin1(commandid::ModoProjetor));
    projector->setCheckable(true);
    projector->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    projector->setShortcutContext(Qt::WindowShortcut);
    view->addAction(projector);
    addAction(projector);
    m_commands.addAction(projector);
    connect(projector, &QAction::toggled, this, &Tfrmprincipal::setProjectorMode);

    // The gutter's click, from the keyboard: the caret's line.
    auto *breakpoint = new QAction(QStringLiteral("Alternar ponto de parada"), this);
    breakpoint->setObjectName(QString::fromLatin1(commandid::AlternarPontoDeParada));
    breakpoint->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+B")));
    addAction(breakpoint);
    m_commands.addAction(breakpoint);
    connect(breakpoint, &QAction::triggered, this, [this] {
        JavaDocument *document = m_documents->active();
        TSynMemo *editor = currentEditor();
        if (document && editor && editor->isVisible())
            document->toggleBreakpoint(editor->textCursor().blockNumber());
    });
}

void Tfrmprincipal::setTheme(Theme theme)
{
    colours::setTheme(theme);
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(colours::palette(theme));
    for (QAction *item : menu(QString::fromLatin1(commandid::MenuTema))->actions())
        item->setChecked(item->text() == colours::themeName(theme));

    QSet<const JavaDocument *> compiledAsShown;
    for (int i = 0; i < pageCount(); ++i)
        if (page(i)->document().isCompiledAsShown())
            compiledAsShown.insert(&page(i)->document());
    // What is already shown was painted in the theme before.
    m_synJavaSyn1->ApplyColours();
    for (TSynMemo *editor : findChildren<TSynMemo *>())
        editor->RefreshColours();
    // Painting the text again counts as a revision of it, but the class
    // files still come from the text as it stands.
    for (int i = 0; i < pageCount(); ++i) {
        JavaDocument &document = page(i)->document();
        if (compiledAsShown.contains(&document))
            document.setCompiled(true);
    }
    textcolours::recolour(*m_lstLog);
    textcolours::recolour(*m_console->view()->document());
    textcolours::recolour(*m_tryIt->pane()->transcript()->document());
    m_variables->refreshColours();
    m_exercises->panel()->refreshColours();
    for (QMdiArea *area : findChildren<QMdiArea *>())
        area->setBackground(QApplication::palette().brush(QPalette::Dark));
    saveLook();
}

void Tfrmprincipal::setProjectorMode(bool on)
{
    if (m_projector == on)
        return;
    m_projector = on;
    command(commandid::ModoProjetor)->setChecked(on);
    applyZoom();
}

void Tfrmprincipal::zoomBy(int steps)
{
    m_zoomSteps = qBound(ViewSettings::MinZoom, m_zoomSteps + steps, ViewSettings::MaxZoom);
    applyZoom();
}

void Tfrmprincipal::zoomReset()
{
    m_zoomSteps = 0;
    applyZoom();
}

void Tfrmprincipal::applyZoom()
{
    // The projector's steps come first; the zoom works on top of them.
    const int steps = m_zoomSteps + (m_projector ? ProjectorSteps : 0);
    for (int i = 0; i < pageCount(); ++i)
        page(i)->editor()->SetZoom(steps);
    m_lstLog->setFont(TSynMemo::ZoomedFont(logFont(), steps));
    m_lstLog->doItemsLayout();
    // The panels' own words (the debugger's variables and calls, the
    // console's state line, the exercise and the try-it panes) and the
    // dialogs grow with the code.
    const QFont panels = TSynMemo::ZoomedFont(m_panelFont, steps);
    m_variables->setFont(panels);
    m_console->setFont(panels);
    m_exercises->panel()->setFont(panels);
    // Dialogs made from now on take the class's font; those that exist
    // already, windows of their own, are told one by one.
    QApplication::setFont(panels, "QDialog");
    QApplication::setFont(panels, "QMessageBox"); // the platform may name it apart
    for (QDialog *dialog : findChildren<QDialog *>())
        dialog->setFont(panels);
    QToolTip::setFont(panels);
    m_console->view()->setFont(TSynMemo::ZoomedFont(ConsoleView::normalFont(), steps));
    m_tryIt->applyFonts(panels, TSynMemo::ZoomedFont(ConsoleView::normalFont(), steps));
    // Menus, tabs, docks' titles and the status bar: with the projector only.
    const int projector = m_projector ? ProjectorSteps : 0;
    setFont(TSynMemo::ZoomedFont(m_formFont, projector));
    // The menus open in windows of their own, in the program's font.
    const QFont menus = TSynMemo::ZoomedFont(m_menuFont, projector);
    QApplication::setFont(menus, "QMenu");
    for (QMenu *menu : findChildren<QMenu *>())
        menu->setFont(menus);
    saveLook();
}

void Tfrmprincipal::rememberLookIn(const QString &path)
{
    const ViewSettings settings = ViewSettings::load(path);
    m_lookPath.clear(); // applying what was read writes nothing
    m_zoomSteps = settings.zoom;
    m_projector = settings.projector;
    command(commandid::ModoProjetor)->setChecked(settings.projector);
    setTheme(settings.theme);
    applyZoom();
    m_lookPath = path;
}

void Tfrmprincipal::saveLook() const
{
    if (m_lookPath.isEmpty())
        return;
    ViewSettings settings;
    settings.theme = colours::theme();
    settings.projector = m_projector;
    settings.zoom = m_zoomSteps;
    // A look that cannot be kept costs nothing now: the next run starts as the default.
    (void)settings.save(m_lookPath);
}

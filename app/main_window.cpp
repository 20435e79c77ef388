#include "app/main_window.h"

#include "app/about_box.h"
#include "app/build_commands.h"
#include "app/command_ids.h"
#include "app/designer_bridge.h"
#include "app/document_manager.h"
#include "app/edit_commands.h"
#include "app/exercise_commands.h"
#include "app/file_commands.h"
#include "app/help_bridge.h"
#include "app/java_document.h"
#include "app/live_checking.h"
#include "app/new_document_dialog.h"
#include "app/debug_commands.h"
#include "app/run_commands.h"
#include "app/run_console.h"
#include "app/variables_panel.h"
#include "app/template_bridge.h"
#include "app/try_commands.h"
#include "app/try_pane.h"
#include "common/message_boxes.h"
#include "common/toolbar_row.h"
#include "editor/syn_java_syn.h"
#include "editor/syn_memo.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// lstLog draws its lines as plain text, 13 pixels each (more when the text
// is zoomed).
class LogLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(qMax(13, option.fontMetrics.height()));
        return size;
    }
};

QString defaultProgramFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

} // namespace

Tfrmprincipal::Tfrmprincipal(const QString &programFolder, QWidget *parent)
    : QMainWindow(parent),
      m_programFolder(programFolder.isEmpty() ? defaultProgramFolder()
                                              : QDir::cleanPath(programFolder)),
      m_synJavaSyn1(std::make_unique<TSynJavaSyn>()),
      m_documents(std::make_unique<DocumentManager>())
{
    setObjectName(QStringLiteral("frmprincipal"));
    setWindowTitle(QStringLiteral("Tavessa (Tavessa) 4.0"));
    resize(953, 747);
    m_formFont = QFont(QStringLiteral("MS Sans Serif"), 8);
    m_formFont.setStyleHint(QFont::SansSerif);
    setFont(m_formFont);

    buildLayout();

    // The forms are created in this order, all hidden; each lives until the end.
    m_frmtipoarquivo = new Tfrmtipoarquivo(this);
    connect(m_frmtipoarquivo, &Tfrmtipoarquivo::createRequested, this,
            &Tfrmprincipal::btncriarClick);
    m_frmsobre = new Tfrmsobre(this);
    m_designer = std::make_unique<DesignerBridge>(*m_documents, *m_synJavaSyn1, m_programFolder, this);
    m_files = std::make_unique<FileCommands>(*m_documents, m_programFolder, this);
    m_editing = std::make_unique<EditCommands>(*m_pagForms, this);
    m_build = std::make_unique<BuildCommands>(*m_documents, *m_files, *m_lstLog, this);
    m_liveChecking = std::make_unique<LiveChecking>(*m_documents);
    connect(m_liveChecking.get(), &LiveChecking::summaryChanged, m_checkPanel, &QLabel::setText);
    m_help = std::make_unique<HelpBridge>(m_programFolder, this);
    buildConsole();

    buildMenus();
    buildToolbars();
    // The try-it pane's line is Java too, and the window's keys win there as in the editors.
    m_tryIt->pane()->input()->SetHighlighter(m_synJavaSyn1.get());
    m_tryIt->pane()->input()->SetWindowShortcuts(m_commands.shortcuts());
    m_templates = std::make_unique<TemplateBridge>(*m_documents, m_commands, this);
    m_designer->connectMenuEditor(*m_templates);
    applyStartState();
    followCommandStates();

    connect(m_documents.get(), &DocumentManager::documentAdded, this, &Tfrmprincipal::addPage);
    // The compiler warms up while the student writes the first document
    // (and from the moment the window is shown, see showEvent).
    connect(m_documents.get(), &DocumentManager::documentAdded, m_build.get(),
            &BuildCommands::prepareCompiler);
    connect(m_documents.get(), &DocumentManager::documentAboutToClose, this,
            &Tfrmprincipal::removePage);
    connect(m_documents.get(), &DocumentManager::activeChanged, this,
            &Tfrmprincipal::followActiveDocument);
    connect(m_files.get(), &FileCommands::aboutToSave, m_designer.get(),
            &DesignerBridge::clearSelection);
    // As for documents reopened from their copies (documentsCameIn), but an
    // opened file keeps "Salvar" available until the focus moves
    // (FocusCurrentEditor would grey it for a text as saved): its editor
    // takes the keyboard directly.
    connect(m_files.get(), &FileCommands::fileOpened, this, [this] {
        enableDocumentCommands();
        enableOpenedFileCommands();
        currentEditor()->SetFocus();
    });
}

void Tfrmprincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Both compilers start in the background once the window is up, so that
    // neither the first F9 nor the first check waits for a virtual machine.
    if (!m_warmedUp) {
        m_warmedUp = true;
        QTimer::singleShot(0, this, [this] {
            m_build->prepareCompiler();
            m_liveChecking->prepare();
        });
    }
}

Tfrmprincipal::~Tfrmprincipal()
{
    // The docks hide while QWidget's destructor closes the window, when this
    // object is no longer a Tfrmprincipal: their signals must not reach it.
    if (m_consoleDock)
        m_consoleDock->disconnect(this);
    if (m_variablesDock)
        m_variablesDock->disconnect(this);
    m_exercises.reset();
    m_tryIt.reset();
    // Pages go first: their editors and design pages show the documents and
    // refer to the shared scanner and to the designer.
    while (m_pagForms && m_pagForms->count() > 0)
        delete m_pagForms->widget(0);
    m_liveChecking.reset();
    m_documents.reset();
}

void Tfrmprincipal::buildLayout()
{
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *rows = new QVBoxLayout;
    rows->setSpacing(0);
    column->addLayout(rows);

    const struct
    {
        const char *name;
        int height;
        int lines;
    } rowShapes[] = {{"grppadrao", 34, 1}, {"grpestruturas", 34, 1},
                     {"grpaplicacaografica", 34, 1}, {"grpmetodos", 61, 2}};
    for (const auto &shape : rowShapes) {
        auto *row = new ToolbarRow(QString::fromLatin1(shape.name), shape.height, shape.lines, central);
        rows->addWidget(row);
        m_commands.addRow(row);
    }

    m_splitter = new QSplitter(Qt::Vertical, central);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->setHandleWidth(3);
    m_splitter->setOpaqueResize(true);
    m_splitter->setChildrenCollapsible(false);

    m_pagForms = new QTabWidget(m_splitter);
    m_pagForms->setObjectName(QStringLiteral("pagForms"));
    m_pagForms->setUsesScrollButtons(true);
    m_pagForms->setElideMode(Qt::ElideNone);
    connect(m_pagForms, &QTabWidget::currentChanged, this, [this] {
        // Only the user's switching runs the handler; the program selects
        // pages quietly.
        if (!m_selectingQuietly)
            pagFormsChange();
    });

    m_lstLog = new QListWidget(m_splitter);
    m_lstLog->setObjectName(QStringLiteral("lstLog"));
    m_lstLog->setFont(logFont());
    m_lstLog->setItemDelegate(new LogLineDelegate(m_lstLog));
    m_lstLog->setUniformItemSizes(true);
    // Heights the user may not choose are refused by onSplitterMoved, not
    // clamped by the list's own size hint.
    m_lstLog->setMinimumHeight(1);

    m_splitter->addWidget(m_pagForms);
    m_splitter->addWidget(m_lstLog);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({600, m_logHeight});
    connect(m_splitter, &QSplitter::splitterMoved, this, &Tfrmprincipal::onSplitterMoved);
    // After a compile the log grows, within its limits, so that the messages
    // and the verdict can be read without scrolling.
    connect(m_lstLog->model(), &QAbstractItemModel::rowsInserted, this, &Tfrmprincipal::fitLogToMessages,
            Qt::QueuedConnection);
    column->addWidget(m_splitter, 1);
    setCentralWidget(central);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("Status"));
    status->setMinimumHeight(19);
    status->setSizeGripEnabled(true);
    m_statusPanel = new QLabel(status);
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel"));
    m_statusPanel->setMinimumWidth(50);
    m_statusPanel->setFrameShape(QFrame::StyledPanel);
    m_statusPanel->setFrameShadow(QFrame::Sunken);
    status->addWidget(m_statusPanel, 1);
    m_checkPanel = new QLabel(status);
    m_checkPanel->setObjectName(QStringLiteral("StatusCheck"));
    m_checkPanel->setAccessibleName(QStringLiteral("Verificação"));
    m_checkPanel->setFrameShape(QFrame::StyledPanel);
    m_checkPanel->setFrameShadow(QFrame::Sunken);
    status->addPermanentWidget(m_checkPanel);
    setStatusBar(status);
}

// The console is a panel below the log list, hidden until a program runs in
// it; the log list and its splitter stay as they are.
void Tfrmprincipal::buildConsole()
{
    m_console = new RunConsole;
    m_consoleDock = new QDockWidget(QStringLiteral("Console"), this);
    m_consoleDock->setObjectName(QStringLiteral("consoleDock"));
    m_consoleDock->setAccessibleName(QStringLiteral("Console"));
    m_consoleDock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::RightDockWidgetArea);
    m_consoleDock->setWidget(m_console);
    addDockWidget(Qt::BottomDockWidgetArea, m_consoleDock);
    m_consoleDock->hide();
    connect(m_consoleDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && m_consoleDock->height() > 0)
            m_consoleHeight = m_consoleDock->height();
    });
    m_runs = std::make_unique<RunCommands>(*m_documents, *m_build, *m_files, *m_console, this);
    connect(m_runs.get(), &RunCommands::consoleWanted, this, &Tfrmprincipal::showConsole);
    connect(m_runs.get(), &RunCommands::editorWanted, this, &Tfrmprincipal::FocusCurrentEditor);

    // The debugger's panel stands at the right, hidden until "Depurar".
    m_variables = new VariablesPanel;
    m_variablesDock = new QDockWidget(QStringLiteral("Variáveis"), this);
    m_variablesDock->setObjectName(QStringLiteral("variaveisDock"));
    m_variablesDock->setAccessibleName(QStringLiteral("Variáveis"));
    m_variablesDock->setAllowedAreas(Qt::RightDockWidgetArea | Qt::LeftDockWidgetArea);
    m_variablesDock->setWidget(m_variables);
    addDockWidget(Qt::RightDockWidgetArea, m_variablesDock);
    m_variablesDock->hide();
    m_debugging = std::make_unique<DebugCommands>(*m_documents, *m_runs, *m_files, *m_variables, this);
    connect(m_debugging.get(), &DebugCommands::panelWanted, this, [this] {
        showConsole();
        if (!m_variablesDock->isVisible()) {
            m_variablesDock->show();
            resizeDocks({m_variablesDock}, {qMax(300, width() / 4)}, Qt::Horizontal);
        }
    });

    // The exercise's panel stands at the right too, hidden until one is opened.
    m_exercises = std::make_unique<ExerciseCommands>(*m_documents, *m_files, *m_build, *m_runs, *this);
    // The try-it pane stands below, hidden until "Experimentar".
    m_tryIt = std::make_unique<TryCommands>(*m_build, *this);
}

void Tfrmprincipal::showConsole()
{
    if (m_consoleDock->isVisible())
        return;
    m_consoleDock->show();
    // Room for a dozen lines at first; then the height the student left it at.
    resizeDocks({m_consoleDock}, {m_consoleHeight > 0 ? m_consoleHeight : qMax(240, height() / 3)},
                Qt::Vertical);
}

bool Tfrmprincipal::Splitter1CanResize(int newHeight)
{
    return newHeight > 50 && newHeight < 200;
}

void Tfrmprincipal::onSplitterMoved()
{
    const QList<int> sizes = m_splitter->sizes();
    const int requested = sizes.value(1);
    if (Splitter1CanResize(requested)) {
        m_logHeight = requested;
        m_logDragged = true;
        return;
    }
    const int total = sizes.value(0) + sizes.value(1);
    m_splitter->setSizes({total - m_logHeight, m_logHeight});
}

void Tfrmprincipal::fitLogToMessages()
{
    if (m_logDragged || m_lstLog->count() == 0)
        return;
    int needed = 2 * m_lstLog->frameWidth();
    for (int row = 0; row < m_lstLog->count() && needed < 200; ++row)
        needed += m_lstLog->sizeHintForRow(row);
    const QList<int> sizes = m_splitter->sizes();
    const int shown = qBound(m_logHeight, needed, 199);
    if (shown == sizes.value(1))
        return;
    m_splitter->setSizes({sizes.value(0) + sizes.value(1) - shown, shown});
}

QString Tfrmprincipal::statusFolder() const
{
    return m_statusPanel->text();
}

void Tfrmprincipal::setStatusFolder(const QString &folder)
{
    QString shown = QDir::toNativeSeparators(folder);
    while (shown.size() > 1 && shown.endsWith(QDir::separator()))
        shown.chop(1);
    m_statusPanel->setText(shown);
    m_statusPanel->repaint();
}

bool Tfrmprincipal::FormCloseQuery()
{
    // Every page counts, whichever page or sub-page is on screen: an editor
    // behind the "Formulário" page still holds its document.
    if (pageCount() == 0)
        return true;
    int unsaved = 0;
    for (int i = 0; i < pageCount(); ++i) {
        setActivePage(page(i));
        if (IsModified())
            ++unsaved;
    }
    // The last page stays active; its editor is the current one from now on.
    FocusCurrentEditor();
    if (unsaved == 0)
        return true;
    return messages::confirm(this, QStringLiteral("Existem arquivos não salvos, deseja sair?"))
           == QMessageBox::Yes;
}

void Tfrmprincipal::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

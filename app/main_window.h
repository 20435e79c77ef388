#pragma once

#include "app/command_actions.h"
#include "app/document_page.h"
#include "common/colours.h"

#include <QApplication>
#include <QMainWindow>
#include <memory>

class BuildCommands;
class DesignerBridge;
class DocumentManager;
class EditCommands;
class ExerciseCommands;
class TryCommands;
class FileCommands;
class HelpBridge;
class JavaDocument;
class LiveChecking;
class DebugCommands;
class RunCommands;
class RunConsole;
class VariablesPanel;
class QDockWidget;
class QLabel;
class QListWidget;
class QSplitter;
class QTabWidget;
class TemplateBridge;
class Tfrmsobre;
class Tfrmtipoarquivo;
class TSynJavaSyn;
class TSynMemo;

// The main window: the menus, toolbar rows, document pages, log list and
// status bar. The open documents live in the document manager; each page
// shows one of them. The commands are actions (CommandActions) carried out by
// the command families, which work on the documents.
class Tfrmprincipal : public QMainWindow
{
    Q_OBJECT
public:
    // `programFolder` stands for the folder of the executable (Help/, imagens/
    // and the open dialog's start folder); empty means the real one.
    explicit Tfrmprincipal(const QString &programFolder = QString(), QWidget *parent = nullptr);
    ~Tfrmprincipal() override;

    QString programFolder() const { return m_programFolder; }
    DocumentManager &documents() { return *m_documents; }
    CommandActions &commands() { return m_commands; }
    TSynJavaSyn &SynJavaSyn1() { return *m_synJavaSyn1; }

    // --- Pages: views of the open documents ---------------------------------
    QTabWidget *pagForms() const { return m_pagForms; }
    int pageCount() const;
    DocumentPage *page(int index) const;
    DocumentPage *pageOf(const JavaDocument *document) const;
    DocumentPage *activePage() const;
    // Makes `page` the active page without running pagFormsChange.
    void setActivePage(DocumentPage *page);
    // The "Código" editor of the active page, or null when no page is open.
    TSynMemo *currentEditor() const;
    void FocusCurrentEditor();
    // Documents were reopened from their copies: the commands that need one
    // apply, and the editor takes the keyboard.
    void documentsCameIn();
    // The user selects another tab.
    void pagFormsChange();

    // The active document's modified mark, and what follows it.
    bool IsModified() const;
    void MarkModified();
    void ClearModified();
    void updateSaveCommands();

    int insertionLine() const;
    void setInsertionLine(int line);
    int documentCounter() const;

    QString statusFolder() const;
    QListWidget *lstLog() const { return m_lstLog; }
    // The panel where programs run inside Tavessa show their input and output.
    RunConsole *console() const { return m_console; }
    void showConsole();
    // The debugger's panel of variables and calls.
    VariablesPanel *variables() const { return m_variables; }

    // The size of the text of every code editor, the log list and the
    // console together, in steps of 10 % (0 is the normal size); it holds
    // until the program ends.
    int zoomSteps() const { return m_zoomSteps; }
    void zoomBy(int steps);
    void zoomReset();

    // --- The look (main_window_look.cpp) ------------------------------------
    // The theme of the whole window, applied at once.
    void setTheme(Theme theme);
    // Everything large together (the code, the panels, menus, tabs, dialogs,
    // tips); the zoom works on top of it.
    void setProjectorMode(bool on);
    bool projectorMode() const { return m_projector; }
    // How many zoom steps the projector mode adds.
    static constexpr int ProjectorSteps = 6;
    // The look is read from `path` and applied, and every change is kept
    // there from now on (the program does this; tests may give a path).
    void rememberLookIn(const QString &path);

    // --- Commands, found by object name ------------------------------------
    QAction *menuItem(const QString &objectName) const { return m_commands.action(objectName); }
    // One of the window's own commands by its declared id (commandid), which
    // the window checks at start; a template's entries go by menuItem.
    QAction *command(const char *id) const { return m_commands.action(QString::fromLatin1(id)); }
    QMenu *menu(const QString &objectName) const { return m_commands.menu(objectName); }
    QToolButton *button(const QString &objectName) const { return m_commands.button(objectName); }
    ToolbarRow *row(const QString &objectName) const { return m_commands.row(objectName); }

    FileCommands &files() { return *m_files; }
    EditCommands &editing() { return *m_editing; }
    BuildCommands &build() { return *m_build; }
    LiveChecking &liveChecking() { return *m_liveChecking; }
    RunCommands &runs() { return *m_runs; }
    DebugCommands &debugging() { return *m_debugging; }
    ExerciseCommands &exercises() { return *m_exercises; }
    TryCommands &tryIt() { return *m_tryIt; }
    TemplateBridge &templates() { return *m_templates; }
    DesignerBridge &designer() { return *m_designer; }
    HelpBridge &help() { return *m_help; }
    Tfrmtipoarquivo *frmtipoarquivo() const { return m_frmtipoarquivo; }
    Tfrmsobre *frmsobre() const { return m_frmsobre; }

    // "Criar Aplicação" of the new-document dialog for option 1..5.
    void btncriarClick(int option);
    // Closing: true when the window may close (asks about unsaved pages).
    bool FormCloseQuery();
    // The log list accepts heights from 51 to 199 pixels.
    static bool Splitter1CanResize(int newHeight);

    // The document commands become available (a document created, opened or
    // brought back), and what opening a file adds.
    void enableDocumentCommands();
    void enableOpenedFileCommands();
    // The command states (main_window_state.cpp): every name they use.
    static QStringList commandStateNames();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildToolbars();
    void buildConsole();
    void buildDebugCommands();
    void applyZoom();
    void buildLookCommands();
    // The log list's font before zooming.
    static QFont logFont();
    void saveLook() const;
    void applyStartState();
    void followCommandStates();
    void setCommandEnabled(const char *id, bool on);
    void applyNewDocumentState(int option);
    void toggleGraphicRows();
    void onSplitterMoved();
    void fitLogToMessages();
    void setStatusFolder(const QString &folder);

    // Pages follow the documents (main_window_documents.cpp).
    void addPage(JavaDocument *document);
    void removePage(JavaDocument *document);
    void showCaption(JavaDocument *document);
    void followActiveDocument(JavaDocument *document);
    void recordInsertionLine();

    QString m_programFolder;
    std::unique_ptr<TSynJavaSyn> m_synJavaSyn1;
    std::unique_ptr<DocumentManager> m_documents;
    CommandActions m_commands;

    QSplitter *m_splitter = nullptr;
    QTabWidget *m_pagForms = nullptr;
    QListWidget *m_lstLog = nullptr;
    QLabel *m_statusPanel = nullptr;
    QLabel *m_checkPanel = nullptr; // what the check while typing found
    RunConsole *m_console = nullptr;
    QDockWidget *m_consoleDock = nullptr;
    VariablesPanel *m_variables = nullptr;
    QDockWidget *m_variablesDock = nullptr;
    int m_logHeight = 56;
    bool m_logDragged = false; // a height the student chose is kept
    bool m_warmedUp = false;
    int m_consoleHeight = 0;
    QFont m_panelFont = QApplication::font(); // the panels' and dialogs' font unzoomed   // the console's last height, 0 before it was shown
    int m_zoomSteps = 0;
    bool m_projector = false;
    QString m_lookPath; // where the look is kept; empty: nowhere
    QFont m_formFont;
    QFont m_menuFont = QApplication::font("QMenu"); // the menus' font unzoomed
    bool m_selectingQuietly = false;

    Tfrmtipoarquivo *m_frmtipoarquivo = nullptr;
    Tfrmsobre *m_frmsobre = nullptr;
    std::unique_ptr<DesignerBridge> m_designer;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<EditCommands> m_editing;
    std::unique_ptr<BuildCommands> m_build;
    std::unique_ptr<LiveChecking> m_liveChecking;
    std::unique_ptr<RunCommands> m_runs;
    std::unique_ptr<ExerciseCommands> m_exercises;
    std::unique_ptr<TryCommands> m_tryIt;
    std::unique_ptr<DebugCommands> m_debugging;
    std::unique_ptr<HelpBridge> m_help;
    std::unique_ptr<TemplateBridge> m_templates;
};

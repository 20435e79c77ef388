#pragma once

#include "app/document_page.h"

#include <QHash>
#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolButton;
class QVBoxLayout;
class ToolbarRow;
class TSynJavaSyn;
class TSynMemo;
class Tfrmtipoarquivo;
class Tfrmsobre;
class FileCommands;
class EditCommands;
class BuildCommands;
class TemplateBridge;
class DesignerBridge;
class HelpBridge;

// The main window: the single workspace. It owns the document pages, the
// menus and toolbar rows and their state, the log list and status bar, and the
// program-wide state that the command families share (current editor,
// insertion line, document counter). The command families themselves live in
// their own classes (files, editing, build, templates, designer, help).
class Tfrmprincipal : public QMainWindow
{
    Q_OBJECT
public:
    // `programFolder` stands for the folder of the executable (Help/, imagens/
    // and the open dialog's start folder); empty means the real one.
    explicit Tfrmprincipal(const QString &programFolder = QString(), QWidget *parent = nullptr);
    ~Tfrmprincipal() override;

    QString programFolder() const { return m_programFolder; }

    // --- Document pages ---------------------------------------------------
    QTabWidget *pagForms() const { return m_pagForms; }
    int pageCount() const;
    DocumentPage *page(int index) const;
    DocumentPage *activePage() const;
    // Makes `page` the active page without running pagFormsChange.
    void setActivePage(DocumentPage *page);
    void setPageCaption(DocumentPage *page, const QString &caption);
    // Adds a page of `kind`; for a Swing window it builds the design page, new
    // or read from `objectsFilePath`. The new editor becomes the current one.
    DocumentPage *CreateDocumentPage(DocumentKind kind, const QString &objectsFilePath);
    // Destroys `page`; the following page (or the first) becomes active.
    void destroyPage(DocumentPage *page);
    int documentCounter() const { return m_documentCounter; }
    // Moves the counter up to `n` (a document brought back keeps its number).
    void ensureDocumentCounterAtLeast(int n);

    // The "Código" editor of the active page, or null when no page is open.
    TSynMemo *currentEditor() const { return m_currentEditor; }
    void FocusCurrentEditor();

    // The modified mark on the active page's caption.
    bool IsModified() const;
    void MarkModified();
    void ClearModified();
    // "Salvar" and spdbsalvar follow IsModified.
    void updateSaveCommands();

    // --- Shared state -------------------------------------------------------
    int insertionLine() const { return m_insertionLine; }
    void setInsertionLine(int line) { m_insertionLine = line; }
    TSynJavaSyn &SynJavaSyn1() { return *m_synJavaSyn1; }

    QString statusFolder() const;
    void setStatusFolder(const QString &folder);
    QListWidget *lstLog() const { return m_lstLog; }

    // --- Commands, found by object name -------------------------------------
    QAction *menuItem(const QString &objectName) const;
    QMenu *menu(const QString &objectName) const;
    QToolButton *button(const QString &objectName) const;
    ToolbarRow *row(const QString &objectName) const;
    // Registers a menu item or submenu created elsewhere (templates) so that
    // menuItem()/menu() find it.
    void registerMenuItem(QAction *item);
    void registerMenu(QMenu *menu);
    // Window shortcuts that beat the editors' own keys.
    QList<QKeySequence> windowShortcuts() const;

    // The document commands become available (creating or opening a document).
    void enableDocumentCommands();
    // What opening a file adds: "&Visualizar" items, rows enabled, "A&pplet".
    void enableOpenedFileCommands();
    // The kind-dependent state of a new document of option 1..5.
    void applyNewDocumentState(int option);

    // --- Command families ---------------------------------------------------
    FileCommands &files() { return *m_files; }
    EditCommands &editing() { return *m_editing; }
    BuildCommands &build() { return *m_build; }
    TemplateBridge &templates() { return *m_templates; }
    DesignerBridge &designer() { return *m_designer; }
    HelpBridge &help() { return *m_help; }

    Tfrmtipoarquivo *frmtipoarquivo() const { return m_frmtipoarquivo; }
    Tfrmsobre *frmsobre() const { return m_frmsobre; }

    // Closing: true when the window may close (asks about unsaved pages).
    bool FormCloseQuery();
    // The log list accepts heights from 51 to 199 pixels.
    static bool Splitter1CanResize(int newHeight);

    // "Criar Aplicação" of the new-document dialog for option 1..5.
    void btncriarClick(int option);

    // --- Editor and page handlers -------------------------------------------
    void SourceChange();
    void memoprogramaKeyDown();
    void memoprogramaKeyPress();
    void memoprogramaClick();
    void pagFormsChange();

signals:
    // The active page's document changed (an edit, a template, the designer);
    // sent on every change, marked already or not.
    void documentChanged(DocumentPage *page);
    // The active page's modified mark was cleared (the document was saved).
    void modifiedCleared(DocumentPage *page);
    // `page` is about to be destroyed (closed).
    void pageAboutToBeDestroyed(DocumentPage *page);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildToolbars();
    void applyStartState();
    void connectEditor(TSynMemo *editor);
    void showNewDocumentDialog();
    void toggleRow(ToolbarRow *row, QAction *item);
    void toggleGraphicRows();
    void onSplitterMoved();

    QAction *addItem(QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                     void (Tfrmprincipal::*handler)());
    template<typename F>
    QAction *addItem(QMenu *menu, const QString &caption, const QKeySequence &shortcut, F handler);
    QMenu *addMenu(const QString &caption);
    QToolButton *addButton(ToolbarRow *row, const QString &objectName, const QString &hint,
                           const QIcon &glyph, void (Tfrmprincipal::*handler)());
    template<typename F>
    QToolButton *addButton(ToolbarRow *row, const QString &objectName, const QString &hint,
                           const QIcon &glyph, F handler);

    QString m_programFolder;
    std::unique_ptr<TSynJavaSyn> m_synJavaSyn1;

    QVBoxLayout *m_rowsLayout = nullptr;
    ToolbarRow *m_grppadrao = nullptr;
    ToolbarRow *m_grpestruturas = nullptr;
    ToolbarRow *m_grpaplicacaografica = nullptr;
    ToolbarRow *m_grpmetodos = nullptr;
    QSplitter *m_splitter = nullptr;
    QTabWidget *m_pagForms = nullptr;
    QListWidget *m_lstLog = nullptr;
    QLabel *m_statusPanel = nullptr;
    int m_logHeight = 56;
    bool m_selectingQuietly = false;

    QHash<QString, QAction *> m_menuItems;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, int> m_namesTaken;

    TSynMemo *m_currentEditor = nullptr;
    int m_insertionLine = 0;
    int m_documentCounter = 0;

    Tfrmtipoarquivo *m_frmtipoarquivo = nullptr;
    Tfrmsobre *m_frmsobre = nullptr;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<EditCommands> m_editing;
    std::unique_ptr<BuildCommands> m_build;
    std::unique_ptr<DesignerBridge> m_designer;
    std::unique_ptr<HelpBridge> m_help;
    std::unique_ptr<TemplateBridge> m_templates;
};

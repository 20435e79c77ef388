#pragma once

#include "designer/menu_editor.h"
#include "templates/declaration_counters.h"
#include "templates/template_engine.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

class CommandActions;
class DocumentManager;
class JavaDocument;
class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TemplateCatalogue;
struct TemplateCommand;

// Puts the template catalogue into the main window's menus and toolbar rows
// and runs its commands on the active document, each insertion one undo
// step. Keeps the declaration counters and the saved-text buffer, and does
// the two-block entry through which the menu-bar editor hands over its code.
class TemplateBridge : public QObject, public MenuBarTarget
{
    Q_OBJECT
public:
    // Called once the window's menus and rows exist; dialogs open over `window`.
    TemplateBridge(DocumentManager &documents, CommandActions &commands, QWidget *window);
    ~TemplateBridge() override;

    const TemplateCatalogue &catalogue() const;
    TemplateState &state() { return m_state; }

    // The menu entry (QAction) or toolbar button (QToolButton) of catalogue
    // command `index`; a button shows the action of its menu twin when its
    // block has one entry.
    QObject *control(int index) const { return m_controls.value(index); }

    // What a template entry or button does: runs `command` on the active
    // document; with no document open it does nothing. An insertion marks the
    // document modified.
    CommandResult run(const TemplateCommand &command);

    // "Criar Menu" calls this (the window sets it to open the menu-bar editor).
    void setMenuEditorHook(std::function<void()> hook) { m_menuEditorHook = std::move(hook); }

    // The two-block entry on the active document: `first` as one entry at the
    // insertion line, which then becomes the caret line; `second` there.
    // Afterwards every line of the blocks is a line of the editor.
    void enterTwoBlocks(const QString &first, const QString &second);

    // MenuBarTarget
    std::optional<QString> menuBarCode() const override;
    void enterMenuBlocks(const QString &first, const QString &second, bool appendEmptyLine) override;

    // The hidden holders of the two-block entry, kept under their names;
    // Button1 enters what Memo2 and Memo3 hold.
    QPlainTextEdit *Memo2() const { return m_memo2; }
    QPlainTextEdit *Memo3() const { return m_memo3; }
    QPushButton *Button1() const { return m_button1; }
    QPushButton *Button2() const { return m_button2; }
    void Button1Click();

private:
    void buildMenus();
    void buildButtons();
    void buildTwoBlockEntry();
    // The submenu (or top-level menu) at `path`, created on first use.
    QMenu *menuAt(const QStringList &path);
    void addToMenu(QMenu *menu, QAction *action);

    DocumentManager &m_documents;
    CommandActions &m_commands;
    QWidget *m_window;
    TemplateState m_state;
    QList<QObject *> m_controls;
    QHash<QString, QMenu *> m_menusByPath;
    // Items go before what the top-level menu held already.
    QHash<QMenu *, QAction *> m_anchors;
    std::function<void()> m_menuEditorHook;

    QPlainTextEdit *m_memo2 = nullptr;
    QPlainTextEdit *m_memo3 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
};

#pragma once

#include "templates/declaration_counters.h"
#include "templates/template_engine.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class Tfrmprincipal;
class TemplateCatalogue;
struct TemplateCommand;

// Puts the template catalogue into the main window's menus and toolbar rows
// and runs its commands on the current editor. Keeps the declaration counters
// and the saved-text buffer for the window, and holds the two-block entry
// (the hidden Memo2, Memo3, Button1 and Button2) through which the menu-bar
// editor hands over its code.
class TemplateBridge : public QObject
{
    Q_OBJECT
public:
    // Called once the window's menus and rows exist.
    explicit TemplateBridge(Tfrmprincipal &window);
    ~TemplateBridge() override;

    const TemplateCatalogue &catalogue() const;
    TemplateState &state() { return m_state; }

    // The menu entry (QAction) or toolbar button (QToolButton) of catalogue
    // command `index`.
    QObject *control(int index) const { return m_controls.value(index); }

    // What a template entry or button does: runs `command` on the current
    // editor; with no document open it does nothing. An insertion marks the
    // document modified.
    CommandResult run(const TemplateCommand &command);

    // "Criar Menu" calls this (the menu-bar editor sets it).
    void setMenuEditorHook(std::function<void()> hook) { m_menuEditorHook = std::move(hook); }

    // The two-block entry: fill Memo2 and Memo3, then click Button1.
    QPlainTextEdit *Memo2() const { return m_memo2; }
    QPlainTextEdit *Memo3() const { return m_memo3; }
    QPushButton *Button1() const { return m_button1; }
    QPushButton *Button2() const { return m_button2; }
    void Button1Click();
    void Button2Click();

private:
    void buildMenus();
    void buildButtons();
    void buildTwoBlockEntry();
    // The submenu (or top-level menu) at `path`, created on first use.
    QMenu *menuAt(const QStringList &path);
    void addToMenu(QMenu *menu, QAction *action);
    // A window-wide unique object name for a menu entry or submenu.
    QString takeName(const QString &caption);

    Tfrmprincipal &m_window;
    TemplateState m_state;
    QList<QObject *> m_controls;
    QHash<QString, QMenu *> m_menusByPath;
    // Items go before what the top-level menu held already.
    QHash<QMenu *, QAction *> m_anchors;
    QHash<QString, int> m_namesTaken;
    std::function<void()> m_menuEditorHook;

    QPlainTextEdit *m_memo2 = nullptr;
    QPlainTextEdit *m_memo3 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
};

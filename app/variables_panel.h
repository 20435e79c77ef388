#pragma once

#include "javatools/debug_view.h"

#include <QHash>
#include <QWidget>

class MemoryView;
class QAction;
class QTabWidget;
class WatchPanel;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The panel "Variáveis" shown while debugging: the stepping buttons, where
// the program stands, its variables (values that changed in the last step
// lit up; arrays and objects open into their elements and fields, long
// arrays a page at a time) with the tabs "Memória" and "Expressões" beside
// them, and the call stack. What changed, what is open and
// what was asked for is the DebugView's; the panel only shows it.
class VariablesPanel : public QWidget
{
    Q_OBJECT
public:
    explicit VariablesPanel(QWidget *parent = nullptr);

    // A button on the panel's bar showing `action`.
    void addButton(QAction *action);

    void showRunning();
    void showWaitingForInput();
    void showEnded();
    // A stop: where, why, the stack (the frame shown selected) and the variables.
    void showStop(const QString &where, const QList<ShownFrame> &frames, int frameShown,
                  const QString &method, const QList<DebugVariable> &variables);
    // The variables of another frame, chosen in the stack.
    void showVariables(const QString &method, const QList<DebugVariable> &variables);
    void showChildren(qint64 id, const QList<DebugVariable> &children, int next);

    QTreeWidget *tree() const { return m_tree; }
    MemoryView *memory() const { return m_memory; }
    WatchPanel *watches() const { return m_watches; }
    QTabWidget *tabs() const { return m_tabs; }
    bool isMemoryShown() const;
    QListWidget *stack() const { return m_stack; }
    QLabel *state() const { return m_state; }
    // A warning above the variables (the code shown changed since the
    // program started); empty hides it.
    void setNote(const QString &text);
    // A new theme: what is shown takes its colours.
    void refreshColours();
    QLabel *note() const { return m_note; }

signals:
    void frameChosen(int index);
    void expandRequested(qint64 id, int first);
    // The tab "Memória" came forward or went back.
    void memoryWanted(bool wanted);

private:
    void clearTree();
    void fill(QTreeWidgetItem *parent, const QList<ShownVariable> &rows);
    QTreeWidgetItem *itemFor(const DebugVariable &variable);

    QHBoxLayout *m_bar;
    QLabel *m_state;
    QLabel *m_note;
    QTreeWidget *m_tree;
    QListWidget *m_stack;
    QTabWidget *m_tabs;
    MemoryView *m_memory;
    WatchPanel *m_watches;
    DebugView m_view;
    QHash<QString, QTreeWidgetItem *> m_items; // by path, the tree's values
    bool m_filling = false;
};

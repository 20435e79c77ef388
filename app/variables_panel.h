#pragma once

#include "javatools/debug_session.h"

#include <QHash>
#include <QSet>
#include <QWidget>

#include <utility>

class QAction;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// A frame of the call stack as the panel lists it.
struct ShownFrame
{
    int index = 0;       // in the session's stack
    QString label;       // "Soma.somar (Soma.java:12)"
    bool students = true;
};

// The panel "Variáveis" shown while debugging: the stepping buttons, where
// the program stands, its variables (values that changed in the last step
// lit up; arrays and objects open into their elements and fields, long
// arrays a page at a time) and the call stack.
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
    QListWidget *stack() const { return m_stack; }
    QLabel *state() const { return m_state; }
    // A warning above the variables (the code shown changed since the
    // program started); empty hides it.
    void setNote(const QString &text);
    QLabel *note() const { return m_note; }

signals:
    void frameChosen(int index);
    void expandRequested(qint64 id, int first);

private:
    void fill(QTreeWidgetItem *parent, const QList<DebugVariable> &variables, const QString &path);
    QTreeWidgetItem *itemFor(const DebugVariable &variable);

    QHBoxLayout *m_bar;
    QLabel *m_state;
    QLabel *m_note;
    QTreeWidget *m_tree;
    QListWidget *m_stack;
    // Values by path, of the last stop and of this one: what "changed" means.
    QHash<QString, QString> m_before;
    QHash<QString, QString> m_now;
    QString m_previousMethod;
    bool m_stopShown = false; // the tree shows the stop's own frame
    bool m_marking = false;   // ... in the method of the last stop
    QSet<QString> m_open;     // paths opened by the student
    QList<std::pair<qint64, QTreeWidgetItem *>> m_waiting; // asked to expand, in order
    bool m_filling = false;
};

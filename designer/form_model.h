#pragma once

#include "designer/designer_model.h"

#include <QList>
#include <QObject>
#include <QRect>

// The design of a Swing window document: the window (name, title, bounds)
// and its components in z-order, each known by an id that stays with it
// through renames and moves. Pages, the design window and the previews show
// it; every change is reported by `changed`, and `edited` hands the state
// from before the change to whoever records undo steps.
class FormModel : public QObject
{
    Q_OBJECT
public:
    // Everything the model holds, for undo and redo.
    struct State
    {
        DesignWindowData window;
        QList<int> ids; // parallel to window.components
        int nextId = 1;
    };

    explicit FormModel(QObject *parent = nullptr);

    // The design as the objects file stores it.
    const DesignWindowData &data() const { return m_state.window; }
    int count() const { return int(m_state.ids.size()); }
    int idAt(int index) const { return m_state.ids.value(index); }
    int indexOf(int id) const { return int(m_state.ids.indexOf(id)); }
    // The id of the component named `name` (exact case), or 0.
    int idOf(const QString &name) const;
    DesignedComponent component(int id) const;
    QRect windowBounds() const;

    // Changes; each one is reported by `edited` and `changed`.
    int add(const DesignedComponent &component);
    void remove(int id);
    void update(int id, const DesignedComponent &component);
    void setWindowBounds(const QRect &bounds);
    // A design read from a file or made anew: not an edit (no undo step).
    void reset(const DesignWindowData &window);

    State state() const { return m_state; }
    // Puts back an earlier state (undo, redo): reported by `changed` only.
    void restore(const State &state);

signals:
    // The design changed by an edit; `before` is what it was.
    void edited(const FormModel::State &before);
    // The design changed, however: views show it anew.
    void changed();

private:
    void commit(const State &before);

    State m_state;
};

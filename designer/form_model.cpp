#include "designer/form_model.h"

FormModel::FormModel(QObject *parent) : QObject(parent) {}

int FormModel::idOf(const QString &name) const
{
    const QList<DesignedComponent> &components = m_state.window.components;
    for (int i = 0; i < components.size(); ++i) {
        if (components.at(i).name == name)
            return m_state.ids.at(i);
    }
    return 0;
}

DesignedComponent FormModel::component(int id) const
{
    const int index = indexOf(id);
    return index < 0 ? DesignedComponent() : m_state.window.components.at(index);
}

QRect FormModel::windowBounds() const
{
    const DesignWindowData &w = m_state.window;
    return QRect(w.left, w.top, w.width, w.height);
}

int FormModel::add(const DesignedComponent &component)
{
    const State before = m_state;
    const int id = m_state.nextId++;
    m_state.window.components.append(component);
    m_state.ids.append(id);
    commit(before);
    return id;
}

void FormModel::remove(int id)
{
    const int index = indexOf(id);
    if (index < 0)
        return;
    const State before = m_state;
    m_state.window.components.removeAt(index);
    m_state.ids.removeAt(index);
    commit(before);
}

void FormModel::update(int id, const DesignedComponent &component)
{
    const int index = indexOf(id);
    if (index < 0 || m_state.window.components.at(index) == component)
        return;
    const State before = m_state;
    m_state.window.components[index] = component;
    commit(before);
}

void FormModel::setWindowBounds(const QRect &bounds)
{
    if (bounds == windowBounds())
        return;
    const State before = m_state;
    DesignWindowData &w = m_state.window;
    w.left = bounds.x();
    w.top = bounds.y();
    w.width = bounds.width();
    w.height = bounds.height();
    commit(before);
}

void FormModel::reset(const DesignWindowData &window)
{
    m_state.window = window;
    m_state.ids.clear();
    for (qsizetype i = 0; i < window.components.size(); ++i)
        m_state.ids.append(m_state.nextId++);
    emit changed();
}

void FormModel::restore(const State &state)
{
    m_state = state;
    emit changed();
}

void FormModel::commit(const State &before)
{
    emit edited(before);
    emit changed();
}

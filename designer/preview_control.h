#pragma once

#include "designer/designer_model.h"

#include <QWidget>

// A placed component on the design page: a native control that looks like
// the Swing component, wrapped so that it carries the component's data and
// takes the design clicks itself (the control inside never gets the mouse
// or the focus). Its object name is the component's name.
class PreviewControl : public QWidget
{
    Q_OBJECT
public:
    // Bounds, name, text and items come from `component`; `id` is the
    // component's in its document's form.
    PreviewControl(const DesignedComponent &component, int id, QWidget *parent = nullptr);

    int id() const { return m_id; }
    ComponentKind kind() const { return m_data.kind; }
    // The kind code as text, "1" ... "15".
    QString hint() const { return m_data.hint(); }
    // The component as it stands now, bounds included (the selection handle
    // moves and sizes the control itself).
    DesignedComponent component() const;
    // Shows `component`: name, text, items and bounds.
    void setComponent(const DesignedComponent &component);

    QString name() const { return m_data.name; }
    void setName(const QString &name);
    QString text() const { return m_data.text; }
    void setText(const QString &text);
    QStringList items() const { return m_data.items; }
    void setItems(const QStringList &items);

    QWidget *nativeControl() const { return m_native; }

signals:
    // A mouse press on a kind that is selected on a press.
    void pressed(PreviewControl *control, Qt::KeyboardModifiers modifiers);
    // The focus reached a kind that is selected when it receives the focus.
    void focused(PreviewControl *control);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildNative();
    void showData();

    DesignedComponent m_data;
    int m_id = 0;
    QWidget *m_native = nullptr;
};

#pragma once

#include "designer/designer_model.h"
#include "handles/stretch_handle.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <memory>

class DesignClient;
class DesignWindow;
class FormDocument;
class PreviewControl;

// The designer's program-wide state and handlers, shared by the design pages
// of every document: the kind picked in a palette, the rubber band, the
// selection handle `mover` with its popup menu `mnuCpo`, and what the design
// clicks, drags and keys do. Each gesture changes the form and the code of
// the document whose design it touched, as one undo step.
class DesignerSession : public QObject
{
    Q_OBJECT
public:
    // `counters` name the new components (shared by every document); message
    // boxes open over `messageParent`.
    explicit DesignerSession(NamingCounters &counters, QWidget *messageParent = nullptr);
    ~DesignerSession() override;

    NamingCounters &counters() { return m_counters; }
    TStretchHandle &mover() { return *m_mover; }
    QMenu &mnuCpo() { return *m_mnuCpo; }

    // 0 for none, else the kind code picked in a palette.
    int selectedKind() const { return m_selectedKind; }
    QList<PreviewControl *> selection() const;
    // The document of the design that the selection belongs to, or null.
    FormDocument *selectionDocument() const;
    QPoint bandOrigin() const { return QPoint(m_x0, m_y0); }

    // Wires a window and a component to the handlers below.
    void adoptWindow(DesignWindow *window);
    void adoptComponent(PreviewControl *control);
    // Adds a component of `kind` at `topLeft` to the window's form and writes
    // its code; the form's views create its preview, which is returned.
    PreviewControl *placeComponent(DesignWindow *window, ComponentKind kind, const QPoint &topLeft);

    // Code generation problems ("Falta classe!"): to whoever listens to
    // messageWanted, else in a plain box.
    void showMessage(const QString &text);

    // --- Handlers ---------------------------------------------------------
    void ObjetosClick(int kind);
    void WindowMouseDown(DesignWindow *window, Qt::MouseButton button, const QPoint &point);
    void WindowMouseMove(DesignWindow *window, Qt::MouseButtons buttons, const QPoint &point);
    void WindowMouseUp(DesignWindow *window, const QPoint &point);
    void WindowCanResize(DesignWindow *window, const QSize &oldSize, const QSize &newSize);
    void ComponenteMouseDown(PreviewControl *control, Qt::KeyboardModifiers modifiers);
    void ComponenteEnter(PreviewControl *control);
    void moverMouseUp();
    void moverKeyDown(int key);
    void moverDblClick();
    void mnuCpoPopup();
    void Propriedades1Click();
    void Delete3Click();
    void Eventos1Click();

    void clearSelection();
    void deleteSelection();

signals:
    // The properties and the events dialogs of the selected component are
    // asked for (the popup menu); the answer comes before the click returns.
    void propertiesWanted();
    void eventsWanted();
    void messageWanted(const QString &text);

private:
    // Takes the bounds the handle gave the selected controls into their form
    // and rewrites their bounds in the code.
    void keepSelectionBounds();
    void forgetClient(DesignClient *client);

    QPointer<QWidget> m_messageParent;
    NamingCounters &m_counters;
    std::unique_ptr<TStretchHandle> m_mover;
    std::unique_ptr<QMenu> m_mnuCpo;
    int m_selectedKind = 0;
    int m_x0 = 0;
    int m_y0 = 0;
};

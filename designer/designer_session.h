#pragma once

#include "designer/designer_model.h"
#include "handles/stretch_handle.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class CodeLines;
class DesignClient;
class DesignWindow;
class PreviewControl;
class TSynMemo;

// The designer's program-wide state and handlers, shared by the design pages
// of every document: the naming counters, the kind picked in a palette, the
// rubber band, the selection handle `mover` with its popup menu `mnuCpo`,
// and what the design clicks, drags and keys do to the design and its code.
class DesignerSession : public QObject
{
    Q_OBJECT
public:
    // What the session needs from the window that owns it.
    struct Hooks
    {
        // The editor of the active document, or null.
        std::function<TSynMemo *()> currentEditor;
        std::function<void()> markModified;
        // The properties and events dialogs of the selected component.
        std::function<void()> showProperties;
        std::function<void()> showEvents;
        // Code generation problems ("Falta classe!"); a plain box by default.
        std::function<void(const QString &)> showMessage;
        // A design that could not be read whole; a warning box by default.
        std::function<void(const QString &)> showWarning;
    };

    // Message boxes open over `messageParent`.
    explicit DesignerSession(QWidget *messageParent = nullptr);
    ~DesignerSession() override;

    Hooks &hooks() { return m_hooks; }
    NamingCounters &counters() { return m_counters; }
    TStretchHandle &mover() { return *m_mover; }
    QMenu &mnuCpo() { return *m_mnuCpo; }

    // 0 for none, else the kind code picked in a palette.
    int selectedKind() const { return m_selectedKind; }
    QList<PreviewControl *> selection() const;
    QPoint bandOrigin() const { return QPoint(m_x0, m_y0); }

    // Wires a window and a component to the handlers below.
    void adoptWindow(DesignWindow *window);
    void adoptComponent(PreviewControl *control);
    // Creates the component of `kind` at `topLeft` and writes its code.
    PreviewControl *placeComponent(DesignWindow *window, ComponentKind kind, const QPoint &topLeft);

    void showWarning(const QString &text);

    // --- Handlers ---------------------------------------------------------
    void ObjetosClick(int kind);
    void WindowMouseDown(DesignWindow *window, Qt::MouseButton button, const QPoint &point);
    void WindowMouseMove(DesignWindow *window, Qt::MouseButtons buttons, const QPoint &point);
    void WindowMouseUp(DesignWindow *window, const QPoint &point);
    void WindowCanResize(const QSize &oldSize, const QSize &newSize);
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

private:
    std::unique_ptr<CodeLines> code() const;
    void markModified();
    void showMessage(const QString &text);
    // Rewrites the bounds of every selected component in the code.
    void rewriteSelectionBounds();
    void forgetClient(DesignClient *client);

    QPointer<QWidget> m_messageParent;
    Hooks m_hooks;
    NamingCounters m_counters;
    std::unique_ptr<TStretchHandle> m_mover;
    std::unique_ptr<QMenu> m_mnuCpo;
    int m_selectedKind = 0;
    int m_x0 = 0;
    int m_y0 = 0;
};

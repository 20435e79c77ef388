#include "designer/designer_session.h"

#include "common/message_boxes.h"
#include "designer/design_window.h"
#include "designer/memo_code_lines.h"
#include "designer/preview_control.h"
#include "designer/swing_codegen.h"
#include "editor/syn_memo.h"

#include <QAction>

DesignerSession::DesignerSession(QWidget *messageParent)
    : m_messageParent(messageParent), m_mover(std::make_unique<TStretchHandle>()),
      // Parented like the window's other menus, so that assistive tools find
      // it under the window.
      m_mnuCpo(std::make_unique<QMenu>(messageParent))
{
    m_mnuCpo->setObjectName(QStringLiteral("mnuCpo"));
    const auto addItem = [this](const QString &objectName, const QString &caption,
                                void (DesignerSession::*handler)()) {
        QAction *item = m_mnuCpo->addAction(caption);
        item->setObjectName(objectName);
        connect(item, &QAction::triggered, this, handler);
    };
    addItem(QStringLiteral("Propriedades1"), QStringLiteral("Propriedades"),
            &DesignerSession::Propriedades1Click);
    addItem(QStringLiteral("Delete3"), QStringLiteral("Deletar"), &DesignerSession::Delete3Click);
    addItem(QStringLiteral("Eventos1"), QStringLiteral("Eventos"), &DesignerSession::Eventos1Click);
    connect(m_mnuCpo.get(), &QMenu::aboutToShow, this, &DesignerSession::mnuCpoPopup);

    m_mover->setObjectName(QStringLiteral("mover"));
    m_mover->SetGridX(1);
    m_mover->SetGridY(1);
    m_mover->SetPopupMenu(m_mnuCpo.get());
    connect(m_mover.get(), &TStretchHandle::OnMouseUp, this, &DesignerSession::moverMouseUp);
    connect(m_mover.get(), &TStretchHandle::OnKeyDown, this,
            [this](int key, Qt::KeyboardModifiers) { moverKeyDown(key); });
    connect(m_mover.get(), &TStretchHandle::OnDblClick, this, &DesignerSession::moverDblClick);
}

DesignerSession::~DesignerSession() = default;

// --- Wiring --------------------------------------------------------------------

void DesignerSession::adoptWindow(DesignWindow *window)
{
    DesignClient *client = window->client();
    connect(client, &DesignClient::mouseDown, this,
            [this, window](Qt::MouseButton button, const QPoint &point) {
                WindowMouseDown(window, button, point);
            });
    connect(client, &DesignClient::mouseMove, this,
            [this, window](Qt::MouseButtons buttons, const QPoint &point) {
                WindowMouseMove(window, buttons, point);
            });
    connect(client, &DesignClient::mouseUp, this,
            [this, window](Qt::MouseButton, const QPoint &point) { WindowMouseUp(window, point); });
    connect(client, &DesignClient::aboutToBeDestroyed, this, &DesignerSession::forgetClient);
    connect(window, &DesignWindow::resized, this, &DesignerSession::WindowCanResize);
    for (PreviewControl *control : window->components())
        adoptComponent(control);
}

void DesignerSession::adoptComponent(PreviewControl *control)
{
    connect(control, &PreviewControl::pressed, this, &DesignerSession::ComponenteMouseDown);
    connect(control, &PreviewControl::focused, this, &DesignerSession::ComponenteEnter);
    connect(control, &QWidget::customContextMenuRequested, this,
            [this, control](const QPoint &point) { m_mnuCpo->popup(control->mapToGlobal(point)); });
}

void DesignerSession::forgetClient(DesignClient *client)
{
    // The handle outlives every design page.
    if (m_mover->parentWidget() == client)
        m_mover->Detach();
}

PreviewControl *DesignerSession::placeComponent(DesignWindow *window, ComponentKind kind,
                                                const QPoint &topLeft)
{
    const DesignedComponent component =
        newComponent(kind, m_counters, topLeft.x(), topLeft.y());
    auto *control = new PreviewControl(component, window->client());
    control->show();
    adoptComponent(control);
    if (const std::unique_ptr<CodeLines> lines = code()) {
        const CodegenResult result = WriteComponentCode(*lines, control->component(),
                                                        QStringLiteral("true"),
                                                        QStringLiteral("true"));
        if (result != CodegenResult::Written)
            showMessage(codegenMessage(result));
    }
    return control;
}

// --- Helpers -------------------------------------------------------------------

std::unique_ptr<CodeLines> DesignerSession::code() const
{
    TSynMemo *editor = m_hooks.currentEditor ? m_hooks.currentEditor() : nullptr;
    if (!editor)
        return nullptr;
    return std::make_unique<MemoCodeLines>(*editor);
}

void DesignerSession::markModified()
{
    if (m_hooks.markModified)
        m_hooks.markModified();
}

void DesignerSession::showMessage(const QString &text)
{
    if (m_hooks.showMessage)
        m_hooks.showMessage(text);
    else
        messages::plain(m_messageParent, text);
}

void DesignerSession::showWarning(const QString &text)
{
    if (m_hooks.showWarning)
        m_hooks.showWarning(text);
    else
        messages::warning(m_messageParent, text);
}

QList<PreviewControl *> DesignerSession::selection() const
{
    QList<PreviewControl *> list;
    for (QWidget *child : m_mover->attachedControls()) {
        if (auto *control = qobject_cast<PreviewControl *>(child))
            list.append(control);
    }
    return list;
}

void DesignerSession::clearSelection()
{
    m_mover->Detach();
}

void DesignerSession::rewriteSelectionBounds()
{
    const std::unique_ptr<CodeLines> lines = code();
    if (!lines)
        return;
    for (PreviewControl *control : selection()) {
        const CodegenResult result =
            WriteComponentCode(*lines, control->component(), QString(), QString());
        if (result != CodegenResult::Written)
            showMessage(codegenMessage(result));
    }
}

void DesignerSession::deleteSelection()
{
    const std::unique_ptr<CodeLines> lines = code();
    while (m_mover->IsAttached()) {
        QWidget *first = m_mover->GetChildControl(0);
        auto *control = qobject_cast<PreviewControl *>(first);
        if (control && lines)
            RemoveComponentCode(*lines, control->component(), false);
        m_mover->ReleaseChild(first);
        // Deleted later: the control may be the one whose event led here.
        first->hide();
        first->setParent(nullptr);
        first->deleteLater();
    }
}

// --- Handlers ------------------------------------------------------------------

void DesignerSession::ObjetosClick(int kind)
{
    m_selectedKind = kindFromCode(kind) ? kind : 0;
}

void DesignerSession::WindowMouseDown(DesignWindow *window, Qt::MouseButton, const QPoint &point)
{
    m_x0 = point.x();
    m_y0 = point.y();
    clearSelection();
    if (const std::optional<ComponentKind> kind = kindFromCode(m_selectedKind)) {
        placeComponent(window, *kind, point - QPoint(1, 1));
        // The palette button stays down; the next placement needs a new pick.
        m_selectedKind = 0;
        markModified();
    }
}

void DesignerSession::WindowMouseMove(DesignWindow *window, Qt::MouseButtons buttons,
                                      const QPoint &point)
{
    if (!(buttons & Qt::LeftButton) || m_selectedKind != 0 || m_x0 == 0 || m_y0 == 0)
        return;
    // The band stays within the window, where the mouse is held.
    const QRect client = window->client()->rect();
    const int x = std::clamp(point.x(), 0, client.width() - 1);
    const int y = std::clamp(point.y(), 0, client.height() - 1);
    QRubberBand *band = window->client()->band();
    band->setGeometry(QRect(QPoint(std::min(m_x0, x), std::min(m_y0, y)),
                            QPoint(std::max(m_x0, x), std::max(m_y0, y))));
    band->show();
    band->raise();
}

void DesignerSession::WindowMouseUp(DesignWindow *window, const QPoint &point)
{
    const int xmin = std::min(m_x0, point.x());
    const int xmax = std::max(m_x0, point.x());
    const int ymin = std::min(m_y0, point.y());
    const int ymax = std::max(m_y0, point.y());
    const auto inside = [](int value, int low, int high) { return low < value && value < high; };
    for (PreviewControl *control : window->components()) {
        const QRect r = control->geometry();
        if (inside(r.x(), xmin, xmax) && inside(r.x() + r.width(), xmin, xmax)
            && inside(r.y(), ymin, ymax) && inside(r.y() + r.height(), ymin, ymax))
            m_mover->Attach(control);
    }
    window->client()->band()->hide();
    m_x0 = 0;
    m_y0 = 0;
}

void DesignerSession::WindowCanResize(const QSize &oldSize, const QSize &newSize)
{
    if (const std::unique_ptr<CodeLines> lines = code())
        UpdateWindowSize(*lines, oldSize.width(), oldSize.height(), newSize.width(),
                         newSize.height());
    // The new size is part of the design even when the code no longer says it.
    if (oldSize != newSize)
        markModified();
}

void DesignerSession::ComponenteMouseDown(PreviewControl *control, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        clearSelection();
    m_mover->Attach(control);
}

void DesignerSession::ComponenteEnter(PreviewControl *control)
{
    clearSelection();
    m_mover->Attach(control);
}

void DesignerSession::moverMouseUp()
{
    rewriteSelectionBounds();
    markModified();
}

void DesignerSession::moverKeyDown(int key)
{
    if (key == Qt::Key_Delete)
        deleteSelection();
    else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
             || key == Qt::Key_Down)
        // The code follows the design at once.
        rewriteSelectionBounds();
    markModified();
}

void DesignerSession::moverDblClick()
{
    const QList<PreviewControl *> selected = selection();
    TSynMemo *editor = m_hooks.currentEditor ? m_hooks.currentEditor() : nullptr;
    if (selected.size() != 1 || !editor)
        return;
    const qsizetype position = editor->Text().indexOf(selected.first()->name() + QLatin1Char('.'));
    // Without any code of the component the caret stays where it is.
    if (position >= 0)
        editor->SetSelStart(int(position));
}

void DesignerSession::mnuCpoPopup()
{
    const bool single = selection().size() <= 1;
    for (QAction *item : m_mnuCpo->actions()) {
        if (item->objectName() != QLatin1String("Delete3"))
            item->setEnabled(single);
    }
}

void DesignerSession::Propriedades1Click()
{
    if (m_hooks.showProperties)
        m_hooks.showProperties();
    markModified();
}

void DesignerSession::Delete3Click()
{
    deleteSelection();
    markModified();
}

void DesignerSession::Eventos1Click()
{
    if (m_hooks.showEvents)
        m_hooks.showEvents();
}

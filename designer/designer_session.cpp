#include "designer/designer_session.h"

#include "common/message_boxes.h"
#include "designer/design_window.h"
#include "designer/form_document.h"
#include "designer/form_model.h"
#include "designer/preview_control.h"
#include "designer/swing_codegen.h"

#include <QAction>
#include <QMetaMethod>

DesignerSession::DesignerSession(NamingCounters &counters, QWidget *messageParent)
    : m_messageParent(messageParent), m_counters(counters),
      m_mover(std::make_unique<TStretchHandle>()),
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
    connect(window, &DesignWindow::resized, this,
            [this, window](const QSize &oldSize, const QSize &newSize) {
                WindowCanResize(window, oldSize, newSize);
            });
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
    FormDocument &document = window->document();
    const DesignedComponent component =
        newComponent(kind, m_counters, topLeft.x(), topLeft.y());
    int id = 0;
    CodegenResult result = CodegenResult::Written;
    {
        FormStep step(document);
        id = document.form().add(component);
        result = WriteComponentCode(document.code(), component, QStringLiteral("true"),
                                    QStringLiteral("true"));
    }
    if (result != CodegenResult::Written)
        showMessage(codegenMessage(result));
    for (PreviewControl *control : window->components()) {
        if (control->id() == id)
            return control;
    }
    return nullptr;
}

// --- Helpers -------------------------------------------------------------------

void DesignerSession::showMessage(const QString &text)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&DesignerSession::messageWanted)))
        emit messageWanted(text);
    else
        messages::plain(m_messageParent, text);
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

FormDocument *DesignerSession::selectionDocument() const
{
    for (QWidget *widget = m_mover->parentWidget(); widget; widget = widget->parentWidget()) {
        if (auto *window = qobject_cast<DesignWindow *>(widget))
            return &window->document();
    }
    return nullptr;
}

void DesignerSession::clearSelection()
{
    m_mover->Detach();
}

void DesignerSession::keepSelectionBounds()
{
    FormDocument *document = selectionDocument();
    if (!document)
        return;
    FormStep step(*document);
    for (PreviewControl *control : selection()) {
        const DesignedComponent component = control->component();
        document->form().update(control->id(), component);
        const CodegenResult result =
            WriteComponentCode(document->code(), component, QString(), QString());
        if (result != CodegenResult::Written)
            showMessage(codegenMessage(result));
    }
}

void DesignerSession::deleteSelection()
{
    FormDocument *document = selectionDocument();
    if (!document)
        return;
    FormStep step(*document);
    // The form's views release each control from the handle and delete it.
    for (PreviewControl *control : selection()) {
        RemoveComponentCode(document->code(), control->component(), false);
        document->form().remove(control->id());
    }
    m_mover->Detach();
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
        // The palette button stays down; the next placement needs a new pick.
        m_selectedKind = 0;
        placeComponent(window, *kind, point - QPoint(1, 1));
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

void DesignerSession::WindowCanResize(DesignWindow *window, const QSize &oldSize,
                                      const QSize &newSize)
{
    if (oldSize == newSize)
        return;
    FormDocument &document = window->document();
    FormStep step(document);
    document.form().setWindowBounds(window->geometry());
    UpdateWindowSize(document.code(), oldSize.width(), oldSize.height(), newSize.width(),
                     newSize.height());
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
    keepSelectionBounds();
}

void DesignerSession::moverKeyDown(int key)
{
    if (key == Qt::Key_Delete) {
        deleteSelection();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
               || key == Qt::Key_Down) {
        // The code follows the design at once.
        keepSelectionBounds();
    } else if (FormDocument *document = selectionDocument()) {
        // Any key on the handle counts as a change of the design.
        document->markModified();
    }
}

void DesignerSession::moverDblClick()
{
    const QList<PreviewControl *> selected = selection();
    FormDocument *document = selectionDocument();
    if (selected.size() != 1 || !document)
        return;
    const qsizetype position =
        document->code().Text().indexOf(selected.first()->name() + QLatin1Char('.'));
    // Without any code of the component the caret stays where it is.
    if (position >= 0)
        document->showCodeAt(int(position));
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
    FormDocument *document = selectionDocument();
    emit propertiesWanted();
    // Whatever button closed the dialog, the document counts as changed.
    if (document)
        document->markModified();
}

void DesignerSession::Delete3Click()
{
    deleteSelection();
}

void DesignerSession::Eventos1Click()
{
    emit eventsWanted();
}

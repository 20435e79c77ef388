#include "designer/design_window.h"

#include "designer/form_document.h"
#include "designer/form_model.h"
#include "designer/preview_control.h"

#include <QCloseEvent>
#include <QMouseEvent>

DesignClient::DesignClient(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("designClient"));
    // Clicking the window takes the focus away from any component.
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    // The small font the previews have always been drawn with, so that the
    // default texts fit the default sizes.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    m_band = new QRubberBand(QRubberBand::Rectangle, this);
    m_band->hide();
}

DesignClient::~DesignClient()
{
    emit aboutToBeDestroyed(this);
}

void DesignClient::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event->button(), event->position().toPoint());
    event->accept();
}

void DesignClient::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event->buttons(), event->position().toPoint());
    event->accept();
}

void DesignClient::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(event->button(), event->position().toPoint());
    event->accept();
}

DesignWindow::DesignWindow(const DesignWindowData &data, FormDocument &document, QWidget *parent)
    : QMdiSubWindow(parent, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_name(data.name), m_document(document)
{
    setObjectName(QStringLiteral("DesignWindow"));
    // No system menu: nothing offers to move, close, minimise or maximise.
    setSystemMenu(nullptr);
    setOption(QMdiSubWindow::RubberBandResize, false);
    setWindowTitle(data.title);
    m_client = new DesignClient;
    setWidget(m_client);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setDesignGeometry(QRect(data.left, data.top, data.width, data.height));
}

QList<PreviewControl *> DesignWindow::components() const
{
    QList<PreviewControl *> list;
    for (QObject *child : m_client->children()) {
        if (auto *control = qobject_cast<PreviewControl *>(child))
            list.append(control);
    }
    return list;
}

DesignWindowData DesignWindow::data() const
{
    return m_document.form().data();
}

void DesignWindow::setDesignGeometry(const QRect &rect)
{
    m_placing = true;
    setGeometry(rect);
    m_placing = false;
    m_anchor = pos();
    m_lastSize = size();
}

void DesignWindow::moveEvent(QMoveEvent *event)
{
    QMdiSubWindow::moveEvent(event);
    if (m_placing)
        return;
    // Dragging the title bar would move the window: it goes back. A move
    // that comes with a new size is a resize by the left or top border.
    if (size() == m_lastSize && pos() != m_anchor)
        move(m_anchor);
    else
        m_anchor = pos();
}

void DesignWindow::resizeEvent(QResizeEvent *event)
{
    QMdiSubWindow::resizeEvent(event);
    const QSize old = m_lastSize;
    m_lastSize = size();
    m_anchor = pos();
    if (m_tracking && !m_placing && old != size())
        emit resized(old, size());
}

void DesignWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void DesignWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click on the title bar would maximise or shade the window.
    event->accept();
}

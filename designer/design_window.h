#pragma once

#include "designer/designer_model.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QRubberBand>

class FormDocument;
class PreviewControl;

// The client area of a design window: the components live here, and its
// mouse events are the window's design clicks.
class DesignClient : public QWidget
{
    Q_OBJECT
public:
    explicit DesignClient(QWidget *parent = nullptr);
    ~DesignClient() override;

    // The rectangle drawn while the mouse selects by dragging.
    QRubberBand *band() const { return m_band; }

signals:
    void mouseDown(Qt::MouseButton button, const QPoint &point);
    void mouseMove(Qt::MouseButtons buttons, const QPoint &point);
    void mouseUp(Qt::MouseButton button, const QPoint &point);
    // Sent while the children still exist.
    void aboutToBeDestroyed(DesignClient *client);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRubberBand *m_band = nullptr;
};

// The designed window (the JFrame of the generated code), shown inside the
// design area: a view of its document's form. The student can resize it by
// its borders but can neither move nor close it. Its bounds are its outer
// size, title bar included.
class DesignWindow : public QMdiSubWindow
{
    Q_OBJECT
public:
    // `data` gives name, title and bounds; its components are not created.
    DesignWindow(const DesignWindowData &data, FormDocument &document, QWidget *parent = nullptr);

    QString name() const { return m_name; }
    FormDocument &document() const { return m_document; }
    DesignClient *client() const { return m_client; }
    // The components in z-order.
    QList<PreviewControl *> components() const;
    // The design as its document holds it.
    DesignWindowData data() const;

    // Sets the outer bounds as the program's own change: no resizing signal,
    // and the new place is the one the window keeps.
    void setDesignGeometry(const QRect &rect);
    // From now on a resize by the student is reported.
    void startTracking() { m_tracking = true; }

signals:
    // The student resized the window (outer sizes).
    void resized(const QSize &oldSize, const QSize &newSize);

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString m_name;
    FormDocument &m_document;
    DesignClient *m_client = nullptr;
    QPoint m_anchor;
    QSize m_lastSize;
    bool m_tracking = false;
    bool m_placing = false;
};

#include "designer/design_page.h"

#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/form_document.h"
#include "designer/form_model.h"
#include "designer/objects_file.h"
#include "designer/preview_control.h"

#include <QBitmap>
#include <QButtonGroup>
#include <QDir>
#include <QFrame>
#include <QHash>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QMdiArea>
#include <QPixmap>
#include <QToolButton>

namespace {

constexpr int kPaletteWidth = 160;

} // namespace

DesignPage::DesignPage(DesignerSession &session, FormDocument &document,
                       const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_session(&session), m_document(document)
{
    setObjectName(QStringLiteral("designPage"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *palette = new QFrame(this);
    palette->setObjectName(QStringLiteral("palette"));
    palette->setFixedWidth(kPaletteWidth);
    QFont small = palette->font();
    small.setPixelSize(10);
    palette->setFont(small);
    layout->addWidget(palette);

    // The group is not exclusive: a button toggled by a mouse click, by the
    // keyboard or by an assistive tool's "toggle" action picks its kind alike,
    // also when it is the one already down (see pickKind).
    m_palette = new QButtonGroup(this);
    m_palette->setExclusive(false);
    const QDir images(QDir(programFolder).filePath(QStringLiteral("imagens")));
    for (const ComponentKindInfo &info : componentKinds()) {
        const int i = kindCode(info.kind);
        auto *button = new QToolButton(palette);
        button->setObjectName(QStringLiteral("spdbObjeto%1").arg(i));
        button->setText(QString::fromUtf8(info.paletteCaption));
        button->setToolTip(button->text());
        button->setIcon(loadGlyph(images.filePath(QStringLiteral("%1.bmp").arg(i))));
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(10, (i - 1) * 20 + 10, kPaletteWidth - 20, 20);
        // Groups arise only from objects files.
        button->setEnabled(info.kind != ComponentKind::ButtonGroup);
        m_palette->addButton(button, i);
    }
    connect(m_palette, &QButtonGroup::idToggled, this, [this](int kind, bool) {
        if (!m_pickingKind)
            pickKind(kind);
    });

    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("designArea"));
    m_area->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_area->setLineWidth(2);
    layout->addWidget(m_area, 1);

    const DesignWindowData &data = document.form().data();
    m_window = new DesignWindow(data, document);
    m_area->addSubWindow(m_window);
    // The area places new windows itself; this one stays where it was put.
    m_window->setDesignGeometry(document.form().windowBounds());
    m_window->show();
    session.adoptWindow(m_window);
    showForm();
    m_window->startTracking();
    connect(&document.form(), &FormModel::changed, this, &DesignPage::showForm);
}

void DesignPage::pickKind(int kind)
{
    // Exactly the picked button stays down.
    m_pickingKind = true;
    for (QAbstractButton *button : m_palette->buttons())
        button->setChecked(m_palette->id(button) == kind);
    m_pickingKind = false;
    if (m_session)
        m_session->ObjetosClick(kind);
}

QToolButton *DesignPage::paletteButton(int kind) const
{
    return qobject_cast<QToolButton *>(m_palette->button(kind));
}

QIcon DesignPage::loadGlyph(const QString &path)
{
    const QImage image(path);
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(pixmap.createMaskFromColor(image.pixelColor(0, image.height() - 1)));
    return QIcon(pixmap);
}

void DesignPage::showForm()
{
    const FormModel &form = m_document.form();
    if (m_window->geometry() != form.windowBounds())
        m_window->setDesignGeometry(form.windowBounds());
    m_window->setWindowTitle(form.data().title);

    QHash<int, PreviewControl *> shown;
    const QList<PreviewControl *> before = m_window->components();
    for (PreviewControl *control : before)
        shown.insert(control->id(), control);
    TStretchHandle *mover = m_session ? &m_session->mover() : nullptr;
    bool handleMoved = false;
    QList<PreviewControl *> order;
    for (int i = 0; i < form.count(); ++i) {
        const int id = form.idAt(i);
        const DesignedComponent component = form.component(id);
        PreviewControl *control = shown.take(id);
        if (!control) {
            control = new PreviewControl(component, id, m_window->client());
            control->show();
            if (m_session)
                m_session->adoptComponent(control);
        } else if (control->component() != component) {
            handleMoved = handleMoved || (mover && mover->IndexOf(control) >= 0);
            control->setComponent(component);
        }
        order.append(control);
    }
    // Gone from the form: deleted later, the control may be the one whose
    // event led here.
    for (PreviewControl *gone : std::as_const(shown)) {
        if (mover && mover->IndexOf(gone) >= 0)
            mover->ReleaseChild(gone);
        gone->hide();
        gone->setParent(nullptr);
        gone->deleteLater();
    }
    // The z-order is the form's order.
    const QList<PreviewControl *> now = m_window->components();
    if (now != order) {
        for (PreviewControl *control : std::as_const(order))
            control->raise();
        handleMoved = true;
    }
    // The handle follows the bounds of what it holds.
    if (handleMoved && mover && mover->parentWidget() == m_window->client()) {
        const QList<QWidget *> attached = mover->attachedControls();
        mover->Detach();
        for (QWidget *widget : attached)
            mover->Attach(widget);
    }
}

QString DesignPage::objectsText() const
{
    return WriteObjects(m_document.form().data());
}

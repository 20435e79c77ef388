#include "designer/design_page.h"

#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/objects_file.h"
#include "designer/preview_control.h"

#include <QBitmap>
#include <QButtonGroup>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QMdiArea>
#include <QPixmap>
#include <QToolButton>

namespace {

constexpr int kPaletteWidth = 160;

} // namespace

DesignPage::DesignPage(DesignerSession &session, const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_session(&session)
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

void DesignPage::setWindow(DesignWindow *window)
{
    m_window = window;
    const QRect wanted = window->geometry();
    m_area->addSubWindow(window);
    // The area places new windows itself; this one stays where it was put.
    window->setDesignGeometry(wanted);
    window->show();
    if (m_session)
        m_session->adoptWindow(window);
    window->startTracking();
}

void DesignPage::newDesign()
{
    if (!m_session)
        return;
    setWindow(new DesignWindow(newDesignWindow(m_session->counters())));
}

void DesignPage::loadDesign(const QStringList &lines)
{
    if (!m_session)
        return;
    const ObjectsReadResult result = ReadObjects(lines, m_session->counters());
    DesignWindowData data = result.window;
    if (!result.windowFound) {
        // Nothing to show the components in: they go into a new window.
        const DesignWindowData fresh = newDesignWindow(m_session->counters());
        data.name = fresh.name;
        data.title = fresh.title;
    }
    auto *window = new DesignWindow(data);
    for (const DesignedComponent &component : data.components)
        new PreviewControl(component, window->client());
    setWindow(window);
    // A file without any window block (empty, cut off before its first line,
    // or no objects file at all) is as unreadable as a broken block: saving
    // will replace it with the new design, so the student must know.
    const int failures = result.brokenBlocks + (result.windowFound ? 0 : 1);
    for (int i = 0; i < failures; ++i)
        m_session->showWarning(kObjectsLoadFailure);
}

QString DesignPage::objectsText() const
{
    return m_window ? WriteObjects(m_window->data()) : QString();
}

#include "designer/preview_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

PreviewControl::PreviewControl(const DesignedComponent &component, int id, QWidget *parent)
    : QWidget(parent), m_data(component), m_id(id)
{
    setObjectName(component.name);
    setCursor(Qt::ArrowCursor);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setFocusPolicy(kindInfo(component.kind).trigger == SelectTrigger::Focus ? Qt::ClickFocus
                                                                            : Qt::NoFocus);
    buildNative();
    showData();
    const ComponentKindInfo &info = kindInfo(component.kind);
    setGeometry(component.left, component.top,
                component.width > 0 ? component.width : info.defaultWidth,
                component.height > 0 ? component.height : info.defaultHeight);
}

void PreviewControl::buildNative()
{
    switch (kindInfo(m_data.kind).preview) {
    case PreviewType::PushButton:
        m_native = new QPushButton(this);
        break;
    case PreviewType::SingleLineEdit:
        m_native = new QLineEdit(this);
        break;
    case PreviewType::Label: {
        auto *label = new QLabel(this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_native = label;
        break;
    }
    case PreviewType::RadioButton:
        m_native = new QRadioButton(this);
        break;
    case PreviewType::CheckBox:
        m_native = new QCheckBox(this);
        break;
    case PreviewType::ComboBox: {
        auto *combo = new QComboBox(this);
        combo->setEditable(true);
        m_native = combo;
        break;
    }
    case PreviewType::ListBox:
        m_native = new QListWidget(this);
        break;
    case PreviewType::MultiLineEdit:
        m_native = new QPlainTextEdit(this);
        break;
    case PreviewType::ProgressBar: {
        auto *bar = new QProgressBar(this);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        m_native = bar;
        break;
    }
    case PreviewType::ScrollBar:
        m_native = new QScrollBar(Qt::Horizontal, this);
        break;
    case PreviewType::TrackBar: {
        auto *slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(0, 10);
        slider->setTickPosition(QSlider::TicksBelow);
        m_native = slider;
        break;
    }
    case PreviewType::GroupBox:
        m_native = new QGroupBox(this);
        break;
    }
    // The design clicks belong to the wrapper; the control only shows.
    m_native->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_native->setFocusPolicy(Qt::NoFocus);
    for (QWidget *inner : m_native->findChildren<QWidget *>()) {
        inner->setAttribute(Qt::WA_TransparentForMouseEvents);
        inner->setFocusPolicy(Qt::NoFocus);
    }
}

void PreviewControl::showData()
{
    const QString &text = m_data.text;
    if (auto *button = qobject_cast<QAbstractButton *>(m_native))
        button->setText(QString(text).replace(QLatin1Char('&'), QLatin1String("&&")));
    else if (auto *edit = qobject_cast<QLineEdit *>(m_native))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(m_native))
        label->setText(text);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(m_native))
        memo->setPlainText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(m_native))
        group->setTitle(text);
    else if (auto *combo = qobject_cast<QComboBox *>(m_native)) {
        combo->clear();
        combo->addItems(m_data.items);
        combo->setEditText(text);
    } else if (auto *list = qobject_cast<QListWidget *>(m_native)) {
        list->clear();
        list->addItems(m_data.items);
    }
}

DesignedComponent PreviewControl::component() const
{
    DesignedComponent c = m_data;
    c.left = x();
    c.top = y();
    c.width = width();
    c.height = height();
    return c;
}

void PreviewControl::setComponent(const DesignedComponent &component)
{
    if (component.name != m_data.name)
        setObjectName(component.name);
    const bool shown = component.text == m_data.text && component.items == m_data.items;
    m_data = component;
    if (!shown)
        showData();
    setGeometry(component.left, component.top, component.width, component.height);
}

void PreviewControl::setName(const QString &name)
{
    m_data.name = name;
    setObjectName(name);
}

void PreviewControl::setText(const QString &text)
{
    if (!kindHasText(m_data.kind))
        return;
    m_data.text = text;
    showData();
}

void PreviewControl::setItems(const QStringList &items)
{
    if (!kindHasItems(m_data.kind))
        return;
    m_data.items = items;
    // A list's text is its first item.
    if (m_data.kind == ComponentKind::JList)
        m_data.text = items.value(0);
    showData();
}

void PreviewControl::mousePressEvent(QMouseEvent *event)
{
    if (kindInfo(m_data.kind).trigger == SelectTrigger::Press) {
        emit pressed(this, event->modifiers());
    } else if (!event->spontaneous()) {
        // A press passed on by the selection handle: the window system gave
        // no focus for it, so take it as a click would.
        setFocus(Qt::MouseFocusReason);
    }
    event->accept();
}

// Clicks end here: passed on to the window they would count as clicks on it.
void PreviewControl::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void PreviewControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void PreviewControl::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Focus given back when a window is activated again selects nothing.
    const Qt::FocusReason reason = event->reason();
    if (kindInfo(m_data.kind).trigger == SelectTrigger::Focus
        && (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason
            || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason))
        emit focused(this);
}

void PreviewControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_native->setGeometry(rect());
}

#include "common/toolbar_row.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr QSize buttonSize(23, 22);
}

ToolbarRow::ToolbarRow(const QString &objectName, int height, int rows, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setFixedHeight(height);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(2);
    for (int i = 0; i < rows; ++i) {
        auto *line = new QHBoxLayout;
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(1);
        line->addStretch(1);
        column->addLayout(line);
        m_rows.append(line);
    }
}

QHBoxLayout *ToolbarRow::rowLayout(int row)
{
    return m_rows.value(qBound(0, row, int(m_rows.size()) - 1));
}

QToolButton *ToolbarRow::addButton(const QString &objectName, const QString &hint,
                                   const QIcon &glyph, int row)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setFixedSize(buttonSize);
    button->setIconSize(QSize(16, 16));
    button->setIcon(glyph);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::NoFocus);
    QHBoxLayout *line = rowLayout(row);
    line->insertWidget(line->count() - 1, button);
    m_buttons.append(button);
    return button;
}

QToolButton *ToolbarRow::addTextButton(const QString &objectName, const QString &hint,
                                       const QString &glyphText, int row)
{
    QToolButton *button = addButton(objectName, hint, QIcon(), row);
    button->setText(glyphText);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QFont small = button->font();
    small.setPointSizeF(7.5);
    button->setFont(small);
    const int width = qMax(buttonSize.width(), button->fontMetrics().horizontalAdvance(glyphText) + 8);
    button->setFixedSize(width, buttonSize.height());
    return button;
}

QToolButton *ToolbarRow::addActionButton(const QString &objectName, const QString &hint,
                                         QAction *action, const QString &glyphText, int row)
{
    QToolButton *button = glyphText.isEmpty() ? addButton(objectName, hint, action->icon(), row)
                                              : addTextButton(objectName, hint, glyphText, row);
    const QSize size = button->size();
    // The button follows the action; its glyph text and hint stay its own.
    action->setIconText(glyphText.isEmpty() ? hint : glyphText);
    button->setDefaultAction(action);
    button->setToolTip(hint);
    button->setFixedSize(size);
    return button;
}

void ToolbarRow::addSeparator(int row)
{
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::VLine);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setFixedSize(6, buttonSize.height());
    QHBoxLayout *line = rowLayout(row);
    line->insertWidget(line->count() - 1, panel);
}

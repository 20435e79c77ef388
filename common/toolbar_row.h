#pragma once

#include <QFrame>
#include <QList>

class QAction;
class QGridLayout;
class QHBoxLayout;
class QIcon;
class QToolButton;

// One row (or block of rows) of flat toolbar buttons at the top of the main
// window. Buttons are added left to right; thin sunken panels separate groups.
class ToolbarRow : public QFrame
{
    Q_OBJECT
public:
    // `rows` buttons rows; the frame is `height` pixels high.
    ToolbarRow(const QString &objectName, int height, int rows = 1, QWidget *parent = nullptr);

    // A button with a glyph; its hint is the tooltip and the accessible name.
    QToolButton *addButton(const QString &objectName, const QString &hint, const QIcon &glyph,
                           int row = 0);
    // A button that shows a short text as its glyph.
    QToolButton *addTextButton(const QString &objectName, const QString &hint,
                               const QString &glyphText, int row = 0);
    // A button showing `action` (its glyph, enabled state and command), under
    // its own object name; `glyphText` replaces the glyph when given.
    QToolButton *addActionButton(const QString &objectName, const QString &hint, QAction *action,
                                 const QString &glyphText = QString(), int row = 0);
    void addSeparator(int row = 0);

    QList<QToolButton *> buttons() const { return m_buttons; }

private:
    QHBoxLayout *rowLayout(int row);

    QList<QHBoxLayout *> m_rows;
    QList<QToolButton *> m_buttons;
};

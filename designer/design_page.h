#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

class DesignerSession;
class DesignWindow;
class QButtonGroup;
class QIcon;
class QMdiArea;
class QToolButton;

// The design page "Formulário" of a Swing window document: the palette of
// component kinds on the left and the design area holding the design window.
class DesignPage : public QWidget
{
    Q_OBJECT
public:
    // Glyphs come from `programFolder`/imagens/<kind>.bmp.
    DesignPage(DesignerSession &session, const QString &programFolder, QWidget *parent = nullptr);

    // A new design window "Form" + m.
    void newDesign();
    // The design read from the lines of an objects file; the warning is shown
    // once for every block that could not be read whole.
    void loadDesign(const QStringList &lines);

    DesignWindow *designWindow() const { return m_window; }
    QMdiArea *designArea() const { return m_area; }
    QToolButton *paletteButton(int kind) const;
    // The design as objects text.
    QString objectsText() const;

    // The glyph of a palette bitmap, its bottom-left colour see-through; null
    // when the file is missing.
    static QIcon loadGlyph(const QString &path);

private:
    void setWindow(DesignWindow *window);
    // Puts down the palette button of `kind` alone and picks that kind.
    void pickKind(int kind);

    QPointer<DesignerSession> m_session;
    QButtonGroup *m_palette = nullptr;
    QMdiArea *m_area = nullptr;
    DesignWindow *m_window = nullptr;
    bool m_pickingKind = false;
};

#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

class DesignerSession;
class DesignWindow;
class FormDocument;
class QButtonGroup;
class QIcon;
class QMdiArea;
class QToolButton;

// The design page "Formulário" of a Swing window document: the palette of
// component kinds on the left and the design area holding the design window,
// which shows the document's form and follows its changes.
class DesignPage : public QWidget
{
    Q_OBJECT
public:
    // Glyphs come from `programFolder`/imagens/<kind>.bmp.
    DesignPage(DesignerSession &session, FormDocument &document, const QString &programFolder,
               QWidget *parent = nullptr);

    DesignWindow *designWindow() const { return m_window; }
    QMdiArea *designArea() const { return m_area; }
    QToolButton *paletteButton(int kind) const;
    // The design as objects text.
    QString objectsText() const;

    // The glyph of a palette bitmap, its bottom-left colour see-through; null
    // when the file is missing.
    static QIcon loadGlyph(const QString &path);

private:
    // Puts down the palette button of `kind` alone and picks that kind.
    void pickKind(int kind);
    // Makes the window and its previews show the form as it stands.
    void showForm();

    QPointer<DesignerSession> m_session;
    FormDocument &m_document;
    QButtonGroup *m_palette = nullptr;
    QMdiArea *m_area = nullptr;
    DesignWindow *m_window = nullptr;
    bool m_pickingKind = false;
};

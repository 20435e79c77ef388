#pragma once

#include <QObject>
#include <QString>

class DocumentPage;
class Tfrmprincipal;
class QWidget;

// Connects the form designer to the main window: builds the design page of a
// Swing window document and serves the designer's dialogs.
class DesignerBridge : public QObject
{
    Q_OBJECT
public:
    explicit DesignerBridge(Tfrmprincipal &window);

    // The "Formulário" page of `page`: a new design, or one read from
    // `objectsFilePath` when it is not empty.
    QWidget *createDesignPage(DocumentPage &page, const QString &objectsFilePath);

private:
    Tfrmprincipal &m_window;
};

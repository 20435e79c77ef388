#pragma once

#include <QObject>
#include <QString>
#include <optional>

class DocumentPage;
class QFileDialog;
class Tfrmprincipal;

// Open, save, save as and close of documents: the file dialogs, the document
// tag and caption bookkeeping, and the objects file beside a Swing window's
// source. How bytes become lines is TextFile's business.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    explicit FileCommands(Tfrmprincipal &window);

    void Open();
    // Saves the active document; true when it (and its objects file) was written.
    bool SaveCurrentDocument();
    void SaveAs();
    void Close();

    // Open without its dialog: reads `fileName` into a new page. Null when the
    // file does not exist, cannot be read, or the user declined to load it.
    DocumentPage *openFile(const QString &fileName);
    // Save As without its dialog: writes the active document to `fileName`,
    // which becomes its path; true on success.
    bool saveActiveDocumentAs(const QString &fileName);

    // The objects file of a source: its final extension replaced by ".objects"
    // (Hello.java, a.b.java and Prog give Hello.objects, a.b.objects and
    // Prog.objects). Empty for a source that is itself an objects file.
    static QString objectsFilePath(const QString &sourcePath);
    // Where older versions looked for it: the file name up to its first ".".
    static QString legacyObjectsFilePath(const QString &sourcePath);
    // The objects file to open beside `sourcePath`, or empty when there is none.
    static QString existingObjectsFile(const QString &sourcePath);

    // The main window's open and save dialogs (created on first use).
    QFileDialog &opendlg();
    QFileDialog &svdlg();

private:
    // The save dialog preset to `proposedName`; empty when cancelled.
    QString chooseSaveName(const QString &proposedName, const QString &folder);
    // Writes the source (and for a Swing window its objects file) of `page`.
    bool writeDocument(DocumentPage &page, const QString &path);
    bool writeSource(DocumentPage &page, const QString &path);
    bool writeObjects(DocumentPage &page, const QString &sourcePath);

    // The designer's part: the objects text of a page's design (nothing when
    // the page has no design), and the selection handle detached. The reader
    // keeps no cursor between files, so opening has nothing to rewind.
    std::optional<QString> designObjectsText(DocumentPage &page);
    void detachSelection();

    Tfrmprincipal &m_window;
    QFileDialog *m_opendlg = nullptr;
    QFileDialog *m_svdlg = nullptr;
};

#pragma once

#include <QObject>
#include <QString>

class DocumentManager;
class JavaDocument;
class QFileDialog;
class QWidget;

// Open, save, save as and close of documents: the file dialogs, the
// document's file identity, and the objects file beside a Swing window's
// source. How bytes become lines is TextFile's business.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    // The open dialog starts in `programFolder`; dialogs open over `window`.
    FileCommands(DocumentManager &documents, const QString &programFolder, QWidget *window);

    void Open();
    // Saves the active document; true when it (and its objects file) was written.
    bool SaveCurrentDocument();
    void SaveAs();
    void Close();

    // Open without its dialog: reads `fileName` into a new document, which
    // becomes the active one. Null when the file does not exist, cannot be
    // read, or the user declined to load it.
    JavaDocument *openFile(const QString &fileName);
    // The one way to a place in the code: the document of `path`, opened
    // when it is a file not open yet, made the active one. Null when there
    // is no such document or file.
    JavaDocument *bringForward(const QString &path);
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

    // The open and save dialogs (created on first use).
    QFileDialog &opendlg();
    QFileDialog &svdlg();

signals:
    // A document is about to be written (the designer lets go of its selection).
    void aboutToSave();
    // A file was opened into a new document.
    void fileOpened();

private:
    // The save dialog preset to `proposedName`; empty when cancelled.
    QString chooseSaveName(const QString &proposedName, const QString &folder);
    bool writeDocument(JavaDocument &document, const QString &path);
    bool writeSource(JavaDocument &document, const QString &path);
    bool writeObjects(JavaDocument &document, const QString &sourcePath);
    void loadDesign(JavaDocument &document, const QString &objectsPath);
    // Where a file dialog starts for `document`: its folder, else the last
    // folder a dialog chose, else the working folder.
    QString dialogFolder(const JavaDocument &document) const;

    DocumentManager &m_documents;
    QString m_programFolder;
    QWidget *m_window;
    QString m_lastFolder;
    QFileDialog *m_opendlg = nullptr;
    QFileDialog *m_svdlg = nullptr;
};

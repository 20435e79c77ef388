#include "app/file_commands.h"

#include "app/class_name.h"
#include "app/document_manager.h"
#include "app/java_document.h"
#include "common/message_boxes.h"
#include "designer/objects_file.h"
#include "common/wait_cursor.h"
#include "editor/document_lines.h"
#include "editor/text_file.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace {

const QString kObjectsSuffix = QStringLiteral(".objects");

QString quoted(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

QFileDialog *makeFileDialog(QWidget *parent, const QString &objectName,
                            QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setObjectName(objectName);
    // Our own dialog everywhere, so it speaks the program's language and
    // behaves the same on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    // The open dialog accepts names that do not exist; Open says so itself.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({QStringLiteral("Arquivo Fonte (*.java)"),
                            QStringLiteral("Arquivo Fonte (*.*)")});
    dialog->setDefaultSuffix(QStringLiteral("java"));
    // The dialog is hidden, not destroyed, after each use: a name completion
    // list still open would stay on the screen and take the keys.
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        for (QCompleter *completer : dialog->findChildren<QCompleter *>()) {
            if (completer->popup())
                completer->popup()->hide();
        }
    });
    return dialog;
}

// Puts `name` into the dialog's file-name field. QFileDialog::selectFile
// ignores an empty name and would keep the one of the previous use.
void proposeName(QFileDialog &dialog, const QString &name)
{
    if (!name.isEmpty()) {
        dialog.selectFile(name);
        return;
    }
    if (auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        field->clear();
}

// A chosen file's folder becomes the working directory, as the platform's
// dialogs always did; compiling and running start there.
void enterFolderOf(const QString &fileName)
{
    QDir::setCurrent(QFileInfo(fileName).absolutePath());
}

} // namespace

FileCommands::FileCommands(DocumentManager &documents, const QString &programFolder,
                           QWidget *window)
    : m_documents(documents), m_programFolder(programFolder), m_window(window)
{
}

QFileDialog &FileCommands::opendlg()
{
    if (!m_opendlg) {
        m_opendlg = makeFileDialog(m_window, QStringLiteral("opendlg"), QFileDialog::AcceptOpen);
        m_opendlg->setWindowTitle(QStringLiteral("Abrir"));
    }
    return *m_opendlg;
}

QFileDialog &FileCommands::svdlg()
{
    if (!m_svdlg) {
        m_svdlg = makeFileDialog(m_window, QStringLiteral("svdlg"), QFileDialog::AcceptSave);
        m_svdlg->setWindowTitle(QStringLiteral("Salvar como"));
    }
    return *m_svdlg;
}

// --- Objects file names --------------------------------------------------------

QString FileCommands::objectsFilePath(const QString &sourcePath)
{
    const QFileInfo source(sourcePath);
    const QString name = source.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    const QString path = QDir(source.absolutePath()).filePath(base + kObjectsSuffix);
    // An objects file opened as a source has no companion: saving would
    // overwrite the very text being saved.
    if (path == source.absoluteFilePath())
        return {};
    return path;
}

QString FileCommands::legacyObjectsFilePath(const QString &sourcePath)
{
    const QFileInfo source(sourcePath);
    const QString name = source.fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    const QString path = QDir(source.absolutePath()).filePath(base + kObjectsSuffix);
    if (path == source.absoluteFilePath())
        return {};
    return path;
}

QString FileCommands::existingObjectsFile(const QString &sourcePath)
{
    for (const QString &path : {objectsFilePath(sourcePath), legacyObjectsFilePath(sourcePath)}) {
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// --- Open ----------------------------------------------------------------------

void FileCommands::Open()
{
    QFileDialog &dialog = opendlg();
    dialog.setDirectory(m_programFolder);
    proposeName(dialog, QString());
    const QString fileName =
        dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    if (fileName.isEmpty())
        return;
    enterFolderOf(fileName);
    m_lastFolder = QFileInfo(fileName).absolutePath();
    openFile(fileName);
}

JavaDocument *FileCommands::bringForward(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    JavaDocument *document = m_documents.findByPath(clean);
    if (!document && QFileInfo(clean).isFile())
        document = openFile(clean);
    if (document)
        m_documents.setActive(document);
    return document;
}

JavaDocument *FileCommands::openFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile()) {
        messages::warning(m_window, QStringLiteral("Arquivo inexistente."));
        return nullptr;
    }
    if (info.size() > TextFile::LargeFileSize) {
        const QString question =
            QStringLiteral("O arquivo %1 é muito grande (%2 MB) e pode demorar para abrir.\n\n"
                           "Deseja abri-lo mesmo assim?")
                .arg(quoted(info.absoluteFilePath()))
                .arg(info.size() / (1024 * 1024));
        if (messages::confirm(m_window, question) != QMessageBox::Yes)
            return nullptr;
    }

    QString error;
    std::optional<QByteArray> bytes;
    {
        WaitCursor wait;
        bytes = TextFile::readBytes(info.absoluteFilePath(), &error);
    }
    if (!bytes) {
        messages::error(m_window, error);
        return nullptr;
    }
    if (TextFile::containsNul(*bytes)) {
        const QString question =
            QStringLiteral("O arquivo %1 contém bytes nulos e não parece ser um arquivo de "
                           "texto. O editor pode mostrá-lo de forma incorreta, e salvá-lo "
                           "pode alterar o seu conteúdo.\n\nDeseja abri-lo mesmo assim?")
                .arg(quoted(info.absoluteFilePath()));
        if (messages::confirm(m_window, question) != QMessageBox::Yes)
            return nullptr;
    }

    WaitCursor wait;
    const TextFile file = TextFile::fromBytes(*bytes);
    const QString objects = existingObjectsFile(info.absoluteFilePath());
    JavaDocument *document = m_documents.create(
        objects.isEmpty() ? DocumentKind::Code : DocumentKind::SwingWindow, false);
    if (!objects.isEmpty())
        loadDesign(*document, objects);
    document->setFilePath(info.absoluteFilePath());
    // The caption is the file's own name for both kinds (a.b.java stays
    // a.b.java even when its design came from an older a.objects).
    document->setName(info.fileName());
    document->setEncoding(file.encoding);
    document->setLineBreak(file.lineBreak);
    // Loading is not an edit: no mark, no undo history.
    document->setSourceText(file.lines.join(QLatin1String(TextFile::CrLf)));
    document->setModified(false);
    m_documents.setActive(document);
    emit fileOpened();
    return document;
}

void FileCommands::loadDesign(JavaDocument &document, const QString &objectsPath)
{
    QString error;
    const std::optional<QByteArray> bytes = TextFile::readBytes(objectsPath, &error);
    if (!bytes) {
        messages::error(m_window, error);
        document.form().reset(newDesignWindow(m_documents.namingCounters()));
        return;
    }
    const LoadedDesign loaded =
        ::loadDesign(objectsLines(TextFile::decodeObjects(*bytes)), m_documents.namingCounters());
    document.form().reset(loaded.window);
    // A design that could not be read whole will be replaced by the next
    // save: the student must know.
    for (int i = 0; i < loaded.failures; ++i)
        messages::warning(m_window, kObjectsLoadFailure);
}

// --- Save ----------------------------------------------------------------------

QString FileCommands::dialogFolder(const JavaDocument &document) const
{
    const QString folder = document.folder();
    if (!folder.isEmpty())
        return folder;
    return m_lastFolder.isEmpty() ? QDir::currentPath() : m_lastFolder;
}

bool FileCommands::SaveCurrentDocument()
{
    JavaDocument *document = m_documents.active();
    if (!document)
        return false;
    const QString className = ExtractClassName(TextFile::splitLines(document->lines().Text()));
    if (document->hasForm())
        emit aboutToSave();

    const QString path = document->filePath();
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        if (!writeDocument(*document, path))
            return false;
        document->setModified(false);
        return true;
    }

    // A new document, or one whose file has gone: ask where.
    const QString fileName = chooseSaveName(className, dialogFolder(*document));
    if (fileName.isEmpty())
        return false;
    return saveActiveDocumentAs(fileName);
}

void FileCommands::SaveAs()
{
    JavaDocument *document = m_documents.active();
    if (!document)
        return;
    const QString fileName =
        chooseSaveName(ExtractClassName(TextFile::splitLines(document->lines().Text())),
                       dialogFolder(*document));
    if (!fileName.isEmpty())
        saveActiveDocumentAs(fileName);
}

bool FileCommands::saveActiveDocumentAs(const QString &fileName)
{
    JavaDocument *document = m_documents.active();
    if (!document)
        return false;
    const QString path = QFileInfo(fileName).absoluteFilePath();
    if (document->hasForm())
        emit aboutToSave();
    if (!writeSource(*document, path))
        return false;

    document->setFilePath(path);
    document->setModified(false);
    document->setName(QFileInfo(path).fileName());
    // The source is on disk under its new name; a design that could not be
    // written keeps the document marked.
    if (document->hasForm() && !writeObjects(*document, path)) {
        document->markModified();
        return false;
    }
    return true;
}

QString FileCommands::chooseSaveName(const QString &proposedName, const QString &folder)
{
    QFileDialog &dialog = svdlg();
    dialog.setDirectory(folder);
    proposeName(dialog, proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString fileName = dialog.selectedFiles().value(0);
    if (QFileInfo(fileName).fileName().isEmpty())
        return {};
    enterFolderOf(fileName);
    m_lastFolder = QFileInfo(fileName).absolutePath();
    return fileName;
}

bool FileCommands::writeDocument(JavaDocument &document, const QString &path)
{
    if (!writeSource(document, path))
        return false;
    return !document.hasForm() || writeObjects(document, path);
}

bool FileCommands::writeSource(JavaDocument &document, const QString &path)
{
    TextFile file;
    // Through the line list's text, so that an entry holding line breaks is
    // written as the lines it shows, in the document's own style.
    file.lines = TextFile::splitLines(document.lines().Text());
    file.encoding = document.encoding();
    file.lineBreak = document.lineBreak();
    const bool switchesToUtf8 = !file.fitsEncoding();
    if (switchesToUtf8)
        file.encoding = TextFile::Utf8;

    QString error;
    bool saved;
    {
        WaitCursor wait;
        saved = file.save(path, &error);
    }
    if (!saved) {
        messages::error(m_window, error);
        return false;
    }
    if (switchesToUtf8) {
        document.setEncoding(file.encoding);
        messages::information(
            m_window,
            QStringLiteral("O arquivo %1 contém caracteres que não existem na codificação "
                           "Windows-1252 e por isso foi salvo em UTF-8.")
                .arg(quoted(path)));
    }
    return true;
}

bool FileCommands::writeObjects(JavaDocument &document, const QString &sourcePath)
{
    const QString objectsPath = objectsFilePath(sourcePath);
    if (objectsPath.isEmpty() || !document.hasForm())
        return true;
    QString error;
    if (!TextFile::writeBytes(objectsPath, TextFile::encodeObjects(document.objectsText()), &error)) {
        messages::error(m_window, error);
        return false;
    }
    return true;
}

// --- Close ---------------------------------------------------------------------

void FileCommands::Close()
{
    JavaDocument *document = m_documents.active();
    if (!document)
        return;
    if (document->isModified()) {
        const auto answer =
            messages::confirm(m_window, QStringLiteral("Deseja salvar o aplicativo ?"),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        // A save that was cancelled or failed keeps the page and its work.
        if (answer == QMessageBox::Yes && !SaveCurrentDocument())
            return;
    }
    m_documents.close(document);
}

#pragma once

#include "javatools/compiler_explanations.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class CompileHelper;
struct CompiledSource;
struct CompilerExplanation;
class DocumentManager;
class FileCommands;
class JavaDocument;
class JavacCompiler;
class QListWidget;
class QListWidgetItem;
class QWidget;

// Compiling the active document with javac, running its class in a
// terminal, the command prompt, and the log lines that lead back to the
// source. Each works in the document's own folder.
class BuildCommands : public QObject
{
    Q_OBJECT
public:
    // Compiler lines go to `log`; message boxes open over `window`.
    BuildCommands(DocumentManager &documents, FileCommands &files, QListWidget &log,
                  QWidget *window);
    ~BuildCommands() override;

    // Saves the active document, compiles it in its own folder and shows the
    // compiler's lines and the verdict in lstLog. True when it compiled
    // without errors.
    bool Compile();
    // Writes "exec.bat" beside the saved document and starts it in a terminal.
    void Run();
    // A terminal in the active document's folder (the working folder when no
    // document is open).
    void Prompt();
    // A compiler line of lstLog that names a file and line: shows that
    // document with the caret on the line.
    void lstLogDblClick(QListWidgetItem *item);

    // The compiler behind Compile; its time limit is JavacCompiler's.
    void setTimeLimit(int milliseconds);
    // Starts the compile helper in the background, so that the first compile
    // finds it warm (called when the first document appears).
    void prepareCompiler();

    // Why a document without a "public class" line cannot run.
    static QString noPublicClassText();
    // The first explanation of the last compile, or empty.
    QString firstExplanation() const
    {
        return m_lastCompile.explanations.isEmpty() ? QString() : m_lastCompile.explanations.first().text;
    }

    // Item data of lstLog: the row of javac's output a line is. Other lines
    // (the verdict, notes, the explanations) carry none.
    static constexpr int CompilerRowRole = Qt::UserRole + 1;

signals:
    // The compiler was started for the active document (the run commands
    // become available).
    void compilerStarted();
    // `document` compiled without errors, as it stands.
    void compileSucceeded(JavaDocument *document);

private:
    // The one place where lstLog is filled.
    void showCompilerLines(const QStringList &lines, const QString &folder,
                           const CompiledSource &source);
    // Each message's place in its open document, with its explanation.
    void markMessages(const CompiledSource &source);
    // The warnings for code that compiles but is wrong, as log lines and marks.
    void showWarnings(JavaDocument &document, const QStringList &lines);
    void addLogLine(const QString &text);

    // The last compile's output as data: what the log list and the marks show.
    struct CompileReport
    {
        QString folder;
        QList<JavacMessage> messages;
        QList<CompilerExplanation> explanations;
    };

    DocumentManager &m_documents;
    FileCommands &m_files;
    QListWidget &m_log;
    QWidget *m_window;
    std::unique_ptr<CompileHelper> m_helper;
    std::unique_ptr<JavacCompiler> m_compiler;
    CompileReport m_lastCompile;
};

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class CompileHelper;
struct CompiledSource;
struct CompilerExplanation;
class DocumentManager;
class FileCommands;
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
    CompileHelper &helper() { return *m_helper; }

    // Why a document without a "public class" line cannot run.
    static QString noPublicClassText();

    // Item data of lstLog: marks the compiler's own lines and the folder the
    // compile ran in. Other lines (the verdict, notes) carry neither.
    static constexpr int CompilerLineRole = Qt::UserRole + 1;
    static constexpr int CompileFolderRole = Qt::UserRole + 2;

signals:
    // The compiler was started for the active document (the run commands
    // become available).
    void compilerStarted();

private:
    // The one place where lstLog is filled.
    void showCompilerLines(const QStringList &lines, const QString &folder,
                           const CompiledSource &source);
    // Each message's place in its open document, with its explanation.
    void markMessages(const QStringList &lines, const QList<CompilerExplanation> &explanations,
                      const QString &folder, const CompiledSource &source);
    void addLogLine(const QString &text);

    DocumentManager &m_documents;
    FileCommands &m_files;
    QListWidget &m_log;
    QWidget *m_window;
    std::unique_ptr<CompileHelper> m_helper;
    std::unique_ptr<JavacCompiler> m_compiler;
};

#pragma once

#include <QObject>
#include <QPointer>

class BuildCommands;
class DocumentManager;
class FileCommands;
class JavaDocument;
class ProgramRun;
class RunConsole;
class QWidget;

// "Executar no Tavessa": the active document's class runs inside the window,
// its input and output in the console, compiled first when its text changed
// since the last compile. One program runs at a time; the document keeps its
// run, and closing the document or the window stops it.
class RunCommands : public QObject
{
    Q_OBJECT
public:
    RunCommands(DocumentManager &documents, BuildCommands &build, FileCommands &files,
                RunConsole &console, QWidget *window);

    void RunInside();
    // Starts the active document's class in the console as RunInside does
    // (checks, compile, the question about a running program); debugged,
    // it waits for a debugger. Null when it did not start.
    ProgramRun *start(bool debugged);
    // "Parar": ends the program running in the console.
    void Stop();
    // The run the console shows (null before the first).
    ProgramRun *current() const;

    // The console in front with the focus, for the program's input.
    void focusConsole();

signals:
    // A program started or ended ("Parar" follows it).
    void runningChanged(bool running);
    // The console panel is wanted on screen; the current code editor is
    // wanted with the keyboard.
    void consoleWanted();
    void editorWanted();

private:
    bool stopRunningProgram(bool debugged);
    void showPlace(const QString &file, int line);

    DocumentManager &m_documents;
    BuildCommands &m_build;
    FileCommands &m_files;
    RunConsole &m_console;
    QWidget *m_window;
    QPointer<ProgramRun> m_current;
};

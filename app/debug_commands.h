#pragma once

#include "javatools/breakpoint_list.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <memory>
#include <utility>

class DebugSession;
class DocumentManager;
class FileCommands;
class JavaDocument;
class ProgramRun;
class RunCommands;
class VariablesPanel;
class QWidget;

// "Depurar": the active document's program runs in the console under the
// debugger, stopping at the breakpoints of the documents of its folder (or
// at the first line of main); each stop lights up its line in the editor
// (the document of that file comes forward) and fills the variables panel.
class DebugCommands : public QObject
{
    Q_OBJECT
public:
    DebugCommands(DocumentManager &documents, RunCommands &runs, FileCommands &files,
                  VariablesPanel &panel, QWidget *window);
    ~DebugCommands() override;

    void Debug();
    void StepOver();
    void StepInto();
    void StepOut();
    void Continue();
    // "Executar até aqui": to the caret's line of the active document, as
    // the next stop of the program being debugged, or of a new debugging.
    void RunToCursor();
    // The session of the program being debugged, null when none.
    DebugSession *session() const { return m_session.get(); }

signals:
    // The program stopped (the stepping commands apply) or runs on.
    void pausedChanged(bool paused);
    // The debugger's panel (and the console) are wanted on screen.
    void panelWanted();

private:
    void showStop();
    void showFrame(int index);
    void showLine(const QString &file, int line);
    void clearLine();
    void finish();
    void moveBreakpoint(const QString &file, int line, int to);
    QString methodOf(int frame) const;
    void noteEdited(JavaDocument *document);
    using Breakpoints = QSet<std::pair<QString, int>>; // file name, 1-based line
    Breakpoints breakpointsOfFolder() const;
    void syncBreakpoints();
    // The document's breakpoint marks taken into the list.
    void takeBreakpoints(const JavaDocument *document);

    DocumentManager &m_documents;
    RunCommands &m_runs;
    FileCommands &m_files;
    VariablesPanel &m_panel;
    QWidget *m_window;
    std::unique_ptr<DebugSession> m_session;
    QPointer<ProgramRun> m_run;
    QPointer<JavaDocument> m_lit; // the document whose line is lit up
    QList<QPointer<JavaDocument>> m_edited; // edited since the program started
    Breakpoints m_sent;           // what the session was told
    BreakpointList m_breakpoints; // of every file, open or closed
};

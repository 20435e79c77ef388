#pragma once

#include "javatools/exercise.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class BuildCommands;
class CaseRunner;
class DocumentManager;
class ExercisePanel;
class FileCommands;
class QDockWidget;
class RunCommands;
class QMainWindow;

// Exercises checked on the student's machine: opening one of the three
// forms, "Testar" (compile when needed, run every case, show the verdicts),
// running one case in the console, and for the teacher, an exercise made
// from the open program and a report of a run.
class ExerciseCommands : public QObject
{
    Q_OBJECT
public:
    ExerciseCommands(DocumentManager &documents, FileCommands &files, BuildCommands &build, RunCommands &runs,
                     QMainWindow &window);
    ~ExerciseCommands() override;

    QDockWidget *dock() const { return m_dock; }
    ExercisePanel *panel() const { return m_panel; }
    const std::optional<Exercise> &exercise() const { return m_exercise; }

    // "Abrir exercício…": asks for a file (an exercise file, vpl_evaluate.cases,
    // or any file of a judge's folder).
    void Open();
    // Opens `path`; false (and a message) when it cannot be read.
    bool openPath(const QString &path);
    void Test();
    void RunChosenCase();
    // "Criar exercício…": the open program as the reference solution.
    void Create();
    // "Salvar resultado…": the last test's report.
    void SaveReport();

signals:
    void testFinished();

private:
    DocumentManager &m_documents;
    FileCommands &m_files;
    BuildCommands &m_build;
    RunCommands &m_runs;
    QMainWindow &m_window;
    QDockWidget *m_dock = nullptr;
    ExercisePanel *m_panel = nullptr;
    std::optional<Exercise> m_exercise;
    std::unique_ptr<CaseRunner> m_runner;
    int m_passed = 0;
    QString m_testedSourceHash;
};

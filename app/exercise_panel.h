#pragma once

#include "javatools/case_runner.h"
#include "javatools/exercise.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
class QTextBrowser;

// The exercise dock's content: the title and statement, the cases (hidden
// ones by number only) with their verdicts, a summary, and for the case
// chosen why it failed, its expected and obtained output side by side with
// blanks and line breaks shown and the first difference lit.
class ExercisePanel : public QWidget
{
    Q_OBJECT
public:
    explicit ExercisePanel(QWidget *parent = nullptr);

    void showExercise(const Exercise &exercise);
    void clearResults();
    void showTesting();
    void showResult(const CaseResult &result);
    void showCompileError(const QString &why);
    void showSummary();
    // A new theme: the case shown takes its colours.
    void refreshColours() { showCase(chosenCase()); }

    QPushButton *testButton() const { return m_test; }
    QPushButton *runCaseButton() const { return m_runCase; }
    QTableWidget *cases() const { return m_cases; }
    QLabel *summary() const { return m_summary; }
    QLabel *why() const { return m_why; }
    QTextBrowser *expected() const { return m_expected; }
    QTextBrowser *obtained() const { return m_obtained; }
    // The case chosen in the list, or -1.
    int chosenCase() const;

signals:
    void placeChosen(const QString &file, int line);

private:
    void showCase(int row);

    Exercise m_exercise;
    QHash<int, CaseResult> m_results;
    QLabel *m_title = nullptr;
    QTextBrowser *m_statement = nullptr;
    QTableWidget *m_cases = nullptr;
    QPushButton *m_test = nullptr;
    QPushButton *m_runCase = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_why = nullptr;
    QTextBrowser *m_expected = nullptr;
    QTextBrowser *m_obtained = nullptr;
};

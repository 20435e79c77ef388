#pragma once

#include "javatools/program_run.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QPushButton;

// The console's text: what the run printed, each kind in its colour, and at
// its end the line the student is typing. Keys edit only that line; Enter
// hands it to the program, Ctrl+D ends the input, Esc leaves the console.
class ConsoleView : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ConsoleView(QWidget *parent = nullptr);
    // Courier New 10, as the code editors.
    static QFont normalFont();

    void clearAll();
    void append(const QList<RunOutput> &pieces);
    // Whether typing goes anywhere (a run that reads its input).
    void setAcceptsInput(bool accepts) { m_acceptsInput = accepts; }
    // The line being typed, not yet sent.
    QString pendingInput() const;

signals:
    void lineEntered(const QString &line);
    void inputEnded();
    void leaveRequested();
    // A double-click on a line that names a place in the student's code.
    void placeActivated(const QString &file, int line);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void type(const QString &text);
    void enterLine();

    int m_inputLength = 0; // the last characters, the line being typed
    bool m_acceptsInput = false;
};

// The panel "Console": the run's state, the "Parar" button and the view.
class RunConsole : public QWidget
{
    Q_OBJECT
public:
    explicit RunConsole(QWidget *parent = nullptr);

    // Shows `run` from its start, replacing what the console showed.
    void attach(ProgramRun *run);
    ProgramRun *run() const { return m_run; }
    ConsoleView *view() const { return m_view; }
    QPushButton *stopButton() const { return m_stop; }
    // The button "Parar" stands for `action` (the window's "Parar o
    // programa"): a click triggers it, and it is enabled when the action is.
    void setStopAction(QAction *action);
    // The text the console shows, typed line included.
    QString text() const { return m_view->toPlainText(); }

signals:
    void leaveRequested();
    void placeActivated(const QString &file, int line);

private:
    void showState();

    QPointer<ProgramRun> m_run;
    QLabel *m_state;
    QPushButton *m_stop;
    ConsoleView *m_view;
};

#pragma once

#include "javatools/try_answer.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class TSynMemo;

// The panel "Experimentar": above, what was typed and what each text gave
// (values, output, mistakes explained); below, the line being typed. Enter
// runs the text unless a bracket, a string or a comment is still open (then
// it goes on in a new line; Shift+Enter always does), Up and Down walk
// through the texts typed before. The panel only shows and asks: the
// session is elsewhere.
class TryPane : public QWidget
{
    Q_OBJECT
public:
    explicit TryPane(QWidget *parent = nullptr);

    TSynMemo *input() const { return m_input; }
    QPlainTextEdit *transcript() const { return m_transcript; }
    QPushButton *stopButton() const { return m_stop; }
    QPushButton *restartButton() const { return m_restart; }
    QLabel *state() const { return m_state; }
    QLabel *notice() const { return m_notice; }

    // The transcript's text, as shown.
    QString text() const { return m_transcript->toPlainText(); }
    // The text of the last answer's rows (what "Copiar resultado" copies).
    QString lastResult() const { return m_lastResult; }

    void showTyped(const QString &text);
    void showPrinted(const QString &text, bool error);
    void showRows(const QList<TryRow> &rows);
    void showNote(const QString &text);
    void clearTranscript();
    void setState(const QString &text);
    // A line above the transcript about the compiled code; empty hides it.
    void setNotice(const QString &text);
    // While a text runs, typing waits and "Parar" applies.
    void setRunning(bool running);
    // The transcript's and the input's font, zoomed as the console's.
    void setCodeFont(const QFont &font);

signals:
    void textEntered(const QString &text);
    void stopAsked();
    void restartAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void append(const QString &text, const QTextCharFormat &format);
    void enter();
    void recall(int step);

    QLabel *m_state = nullptr;
    QLabel *m_notice = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_restart = nullptr;
    QPlainTextEdit *m_transcript = nullptr;
    TSynMemo *m_input = nullptr;
    QStringList m_history;
    int m_historyAt = 0; // m_history.size(): the text being typed, not one of history
    QString m_typing;    // what was being typed when the history was entered
    QString m_lastResult;
    bool m_lineStarted = true; // the transcript's last line is complete
};

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class BuildCommands;
class CompletionPopup;
class JavaDocument;
class QDockWidget;
class QMainWindow;
class TryPane;
class TrySession;

// "Experimentar": the pane where a line of Java runs at once, its session,
// and the classes of the last document compiled, declared in the session
// after each successful compile.
class TryCommands : public QObject
{
    Q_OBJECT
public:
    TryCommands(BuildCommands &build, QMainWindow &window);
    ~TryCommands() override;

    QDockWidget *dock() const { return m_dock; }
    TryPane *pane() const { return m_pane; }
    TrySession &session() { return *m_session; }

    // Shows the pane with the keyboard in its line; the session starts.
    void Show();
    void applyFonts(const QFont &panels, const QFont &code);

private:
    void runTyped(const QString &text);
    void loadCompiled(JavaDocument *document);
    void showCompiledState();
    void showReady();
    // What the suggestions see before the line being typed: the compiled
    // source and the texts that ran.
    QStringList context() const;

    QMainWindow &m_window;
    QDockWidget *m_dock = nullptr;
    TryPane *m_pane = nullptr;
    std::unique_ptr<TrySession> m_session;
    CompletionPopup *m_completion = nullptr;
    QPointer<JavaDocument> m_compiled; // the document whose classes are declared
    QString m_compiledName;
    QString m_compiledSource;
    QStringList m_ran; // the texts that ran without a mistake
    QStringList m_running; // the texts that run or wait, in order
};

#pragma once

#include "editor/text_marks.h"
#include "javatools/live_checker.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

class DocumentManager;
class JavaDocument;

// Checks the active document while the student types: a short pause after
// the last change, its text goes to the checker in memory (nothing is
// written, the modified mark stays as it was), and its errors and warnings
// come back as marks with the same explanations as after F9. A mark on the
// caret's line waits until the caret leaves it, so a word being typed is not
// flagged. An answer for a text that changed since is thrown away. Only Java
// sources are checked (not pages of HTML or JSP, nor other texts), and not
// very large ones.
class LiveChecking : public QObject
{
    Q_OBJECT
public:
    static constexpr int PauseMs = 700;
    static constexpr int LargestCheckedLines = 20000;

    explicit LiveChecking(DocumentManager &documents, QObject *parent = nullptr);
    ~LiveChecking() override;

    bool isEnabled() const { return m_enabled; }
    // The pause after the last change (benchmarks shorten it).
    void setPauseMs(int milliseconds) { m_pause.setInterval(milliseconds); }
    void setEnabled(bool enabled);
    // Starts the checker's virtual machine, so that the first check is quick.
    void prepare();
    qint64 checkerProcessId() const { return m_checker.processId(); }

signals:
    // "Sem erros", "2 erros, 1 aviso"; empty when the active document is not checked.
    void summaryChanged(const QString &summary);
    // The marks of a check were placed.
    void checked(JavaDocument *document);

private:
    struct Asked
    {
        quint64 ticket = 0;
        QPointer<JavaDocument> document;
        quint64 edits = 0;
        QString fileName;
        QStringList lines;
    };

    void watch(JavaDocument *document);
    void changed(JavaDocument *document);
    void checkNow();
    void answered(quint64 ticket, const CompileHelper::Outcome &outcome);
    void caretMoved(JavaDocument *document, int line);
    void summarize(int errors, int warnings);

    DocumentManager &m_documents;
    LiveChecker m_checker;
    QTimer m_pause;
    QTemporaryDir m_scratch; // the folder of documents not saved yet
    bool m_enabled = true;
    quint64 m_tickets = 0;
    QHash<JavaDocument *, quint64> m_edits;
    std::optional<Asked> m_asked;
    // Marks kept back while the caret stays on their line.
    QPointer<JavaDocument> m_heldIn;
    int m_heldLine = 0;
    QList<TextMark> m_held;
    int m_heldErrors = 0;
    int m_heldWarnings = 0;
    // What the last check found, for the status bar.
    int m_errors = 0;
    int m_warnings = 0;
};

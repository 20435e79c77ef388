#pragma once

#include "app/recovery_store.h"

#include <QDialog>
#include <QList>

class QTreeWidget;

// "Recuperar documentos": the one question at start-up that lists the
// recovery copies left by an earlier run (name, folder, time of the copy) and
// lets the student tick the documents to reopen. "Reabrir" reopens the ticked
// ones and discards the rest, "Descartar" discards them all; closing the
// dialog any other way decides nothing, and the copies are offered again at
// the next start.
class RecoveryDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Answer { Later, Reopen, Discard };

    explicit RecoveryDialog(const QList<RecoveryCopy> &copies, QWidget *parent = nullptr);

    Answer answer() const { return m_answer; }
    // The copies ticked when "Reabrir" was pressed.
    QList<RecoveryCopy> chosen() const;

    // What the list shows of a copy.
    static QString documentName(const RecoveryCopy &copy);
    static QString folderText(const RecoveryCopy &copy);
    static QString timeText(const RecoveryCopy &copy);

private:
    QList<RecoveryCopy> m_copies;
    QTreeWidget *m_list = nullptr;
    Answer m_answer = Answer::Later;
};

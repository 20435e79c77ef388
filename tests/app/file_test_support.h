#pragma once

// The file dialogs as a student answers them, and a shown window over a
// temporary folder, for the tests of opening, saving and closing.

#include "app_fixture.h"

#include "app/file_commands.h"
#include "editor/syn_memo.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace filetest {

// What a file dialog showed when the test answered it.
struct DialogSeen
{
    QString objectName;
    QString proposedName;
    QString folder;
    QStringList filters;
    QString defaultSuffix;
};

// Types `name` into the dialog and accepts it. A row that the dialog's
// views selected on their own would win over the typed name, so the
// selection goes first; the dialog may load its folder late, so this retries.
inline void choose(QFileDialog *dialog, const QString &name, int attempts)
{
    for (auto *view : dialog->findChildren<QAbstractItemView *>()) {
        if (view->selectionModel())
            view->selectionModel()->clearSelection();
    }
    dialog->findChild<QLineEdit *>("fileNameEdit")->setText(name);
    static_cast<QDialog *>(dialog)->accept();
    if (dialog->isVisible() && attempts > 0)
        QTimer::singleShot(50, dialog, [=] { choose(dialog, name, attempts - 1); });
}

// Answers the next file dialog with `name` (cancels it when `name` is empty).
// `then` arms whatever the test expects to come after the dialog.
inline void answerFileDialog(const QString &name, DialogSeen *seen = nullptr,
                      std::function<void()> then = {})
{
    testsupport::whenModal([=](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        if (seen) {
            seen->objectName = dialog->objectName();
            seen->proposedName = dialog->findChild<QLineEdit *>("fileNameEdit")->text();
            seen->folder = dialog->directory().absolutePath();
            seen->filters = dialog->nameFilters();
            seen->defaultSuffix = dialog->defaultSuffix();
        }
        if (then)
            then();
        if (name.isEmpty()) {
            dialog->reject();
        } else {
            choose(dialog, name, 10);
        }
    });
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}


// A shown main window whose program folder is "programa" in a fresh
// temporary folder; the test classes make it anew for every test function.
class WindowInFolder
{
protected:
    void makeWindow()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath("programa");
        m_window = std::make_unique<Tfrmprincipal>(m_dir->filePath("programa"));
        QVERIFY(appfixture::showWindow(*m_window));
    }
    void dropWindow()
    {
        m_window.reset();
        QDir::setCurrent(QDir::tempPath());
        m_dir.reset();
    }
    // Opens `path` through the command and its dialog.
    DocumentPage *open(const QString &path)
    {
        answerFileDialog(path);
        m_window->files().Open();
        return m_window->activePage();
    }
    void type(const QString &text) { QTest::keyClicks(m_window->currentEditor(), text); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Tfrmprincipal> m_window;
};

} // namespace filetest

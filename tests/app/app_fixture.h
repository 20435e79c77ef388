#pragma once

// Helpers for tests that drive a whole main window.

#include "app/document_page.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "dialog_answerer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <csignal>
#include <functional>

namespace appfixture {

// Creates a new document of `option` (1..5) through "Novo" and the
// new-document dialog, clicking as a student would.
inline DocumentPage *newDocument(Tfrmprincipal &window, int option)
{
    testsupport::whenModal([option](QWidget *dialog) {
        auto *radio = dialog->findChild<QRadioButton *>(QStringLiteral("rdbopcao%1").arg(option));
        QTest::mouseClick(radio, Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btncriar")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(window.button(QStringLiteral("spdbnovo")), Qt::LeftButton);
    // The dialog took the activation; give it back as closing it would.
    if (window.isVisible()) {
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
    }
    return window.activePage();
}

// Shows the window and waits until it can take keys.
inline bool showWindow(Tfrmprincipal &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Runs `action` and counts the modal dialogs that open meanwhile (each is
// closed), so a test can tell that a command asked nothing.
inline int modalsDuring(const std::function<void()> &action)
{
    int count = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&count] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++count;
            modal->close();
        }
    });
    poll.start();
    action();
    return count;
}

// Saves `source` as `name` (which may hold folders, as a/b/C.java) in a
// folder of its own under `root` (its base name) and opens it in `window`.
inline JavaDocument *openInOwnFolder(Tfrmprincipal &window, const QString &root, const QString &name,
                                     const QByteArray &source)
{
    const QString folder = QDir(root).filePath(QFileInfo(name).baseName());
    QFile file(QDir(folder).filePath(name));
    QDir().mkpath(QFileInfo(file).path()); // `name` may hold folders of its own
    if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size())
        return nullptr;
    file.close();
    return window.files().openFile(file.fileName());
}

// Whether process `pid` still exists.
inline bool alive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

} // namespace appfixture

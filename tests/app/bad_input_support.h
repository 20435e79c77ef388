#pragma once

// Helpers for the bad-input tests: files written and read as bytes, every
// message box of an action answered and kept, and folders that refuse writes
// or run out of space for real, whoever runs the tests (root ignores the
// permission bits, so it gets an immutable folder and a tiny tmpfs instead).

#include "dialog_answerer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace badinput {

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs `action` and answers every message box that opens meanwhile with
// `answer` (OK where it has no such button); returns their texts in order.
inline QStringList boxesDuring(const std::function<void()> &action,
                               QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    QStringList texts;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&texts, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts.append(box->text());
        if (QAbstractButton *button = box->button(answer))
            button->click();
        else if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    poll.start();
    action();
    return texts;
}

// Answers the next file dialog with `name`, or cancels it when `name` is
// empty. The dialog may select a row of its own or load its folder late, so
// the selection is cleared first and the answer retried.
inline void chooseInFileDialog(QFileDialog *dialog, const QString &name, int attempts)
{
    for (auto *view : dialog->findChildren<QAbstractItemView *>()) {
        if (view->selectionModel())
            view->selectionModel()->clearSelection();
    }
    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
    static_cast<QDialog *>(dialog)->accept();
    if (dialog->isVisible() && attempts > 0)
        QTimer::singleShot(50, dialog, [=] { chooseInFileDialog(dialog, name, attempts - 1); });
}

inline void answerFileDialog(const QString &name)
{
    testsupport::whenModal([name](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            modal->close();
        else if (name.isEmpty())
            dialog->reject();
        else
            chooseInFileDialog(dialog, name, 10);
    });
}

// The entries of `folder` other than "." and "..".
inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

inline bool runs(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

// Makes `folder` refuse new files while it lives: permission bits for an
// ordinary user, the immutable attribute for root.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder) : m_folder(folder)
    {
        if (geteuid() != 0) {
            m_how = QStringLiteral("permissões 0555");
            m_ok = QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                     | QFileDevice::ReadGroup
                                                     | QFileDevice::ExeGroup
                                                     | QFileDevice::ReadOther
                                                     | QFileDevice::ExeOther);
        } else {
            m_how = QStringLiteral("chattr +i");
            m_ok = runs(QStringLiteral("chattr"), {QStringLiteral("+i"), folder});
        }
    }
    ~ReadOnlyFolder()
    {
        if (!m_ok)
            return;
        if (geteuid() != 0)
            QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner);
        else
            runs(QStringLiteral("chattr"), {QStringLiteral("-i"), m_folder});
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool ok() const { return m_ok; }
    QString how() const { return m_how; }

private:
    QString m_folder;
    QString m_how;
    bool m_ok = false;
};

// A folder on a file system of `kilobytes`, while it lives: a tmpfs mounted
// on it (needs root and mount).
class SmallDisk
{
public:
    SmallDisk(const QString &folder, int kilobytes) : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_ok = geteuid() == 0
               && runs(QStringLiteral("mount"),
                       {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                        QStringLiteral("size=%1k").arg(kilobytes), QStringLiteral("tmpfs"),
                        folder});
    }
    ~SmallDisk()
    {
        if (m_ok)
            runs(QStringLiteral("umount"), {m_folder});
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool ok() const { return m_ok; }

private:
    QString m_folder;
    bool m_ok = false;
};

// Caps the size of the files this process writes, so that a write fails
// half-way as on a full disk (where no small file system can be mounted).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

} // namespace badinput

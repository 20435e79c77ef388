#pragma once

#include "app/document_tag.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

// What a recovery copy holds: everything needed to rebuild a modified
// document page as it was when the copy was taken.
struct RecoveryCopy
{
    DocumentKind kind = DocumentKind::Code;
    QString caption;
    // The whole document tag (kind digit, paths newest first).
    QString tag;
    QByteArray encoding = "UTF-8";
    QString lineBreak = QStringLiteral("\r\n");
    QDateTime time;
    QString source;
    // The design as objects text; nothing for a code document.
    std::optional<QString> objects;

    // Where the copy lies on disk (set when it was loaded).
    QString filePath;

    // The document's file: the first path of the tag (empty for a new one).
    QString documentPath() const { return documenttag::firstPath(tag); }

    QByteArray toBytes() const;
    // Nothing when the bytes are not a copy this program wrote.
    static std::optional<RecoveryCopy> fromBytes(const QByteArray &bytes);
};

// The recovery folder on disk. Every run keeps its copies in a session folder
// of its own, locked while the run lasts, so that a second Tavessa running at
// the same time neither offers nor removes the copies of the first. The
// sessions of runs that ended (a crash, or leaving with unsaved pages) are the
// leftovers that the next start offers back.
class RecoveryStore
{
public:
    static constexpr int MaxAgeDays = 30;

    // `folder` empty means defaultFolder().
    explicit RecoveryStore(const QString &folder = QString());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // The folder "recuperacao" in the user's data folder.
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // --- This run's copies ----------------------------------------------------
    // Creates and locks this run's session folder; false, with a Portuguese
    // sentence in *error, when the folder cannot be written.
    bool open(QString *error);
    bool isOpen() const { return m_session != nullptr; }
    QString sessionFolder() const { return m_sessionFolder; }
    // Atomic: a copy on disk is always a whole one, old or new.
    bool write(const QString &key, const RecoveryCopy &copy, QString *error);
    bool remove(const QString &key);
    QStringList keys() const;

    // --- Copies left by earlier runs ---------------------------------------
    // Locks every session whose run is no longer alive and returns how many
    // were taken; they stay taken until releaseLeftovers() or destruction.
    int claimLeftovers();
    // Removes the taken copies written before `limit` (and copies that cannot
    // be read, by their file's age); returns how many went.
    int removeOlderThan(const QDateTime &limit);
    // The readable copies of the taken sessions, oldest first.
    QList<RecoveryCopy> leftovers() const;
    // Removes every copy of the taken sessions but those in `keep`.
    void removeLeftoversExcept(const QStringList &keep);
    // Lets the taken sessions go; the empty ones are removed.
    void releaseLeftovers();

    static std::optional<RecoveryCopy> load(const QString &filePath);

private:
    struct Session
    {
        QString folder;
        std::unique_ptr<QLockFile> lock;
        ~Session();
    };

    QStringList copyFiles(const QString &sessionFolder) const;
    QString copyPath(const QString &key) const;
    static void removeIfEmpty(Session &session);

    QString m_folder;
    QString m_sessionFolder;
    std::unique_ptr<Session> m_session;
    std::vector<std::unique_ptr<Session>> m_claimed;
};

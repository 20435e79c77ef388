#include "app/recovery_store.h"

#include "editor/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

namespace {

const QString kSessionPrefix = QStringLiteral("sessao-");
const QString kLockName = QStringLiteral("sessao.lock");
const QString kCopySuffix = QStringLiteral(".copia");
constexpr int kFormat = 1;

QString native(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

std::unique_ptr<QLockFile> makeLock(const QString &sessionFolder)
{
    auto lock = std::make_unique<QLockFile>(QDir(sessionFolder).filePath(kLockName));
    // A session is alive exactly while its process is: a lock is never stale
    // for its age, however long the run (the owner's pid decides).
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

// --- The copy as bytes ---------------------------------------------------------

QByteArray RecoveryCopy::toBytes() const
{
    QJsonObject object{
        {QStringLiteral("formato"), kFormat},
        {QStringLiteral("tipo"), int(kind)},
        {QStringLiteral("titulo"), caption},
        {QStringLiteral("marca"), tag},
        {QStringLiteral("caminho"), documentPath()},
        {QStringLiteral("codificacao"), QString::fromLatin1(encoding)},
        {QStringLiteral("quebra"), lineBreak},
        {QStringLiteral("hora"), time.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("codigo"), source},
    };
    object.insert(QStringLiteral("objetos"), objects ? QJsonValue(*objects) : QJsonValue());
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<RecoveryCopy> RecoveryCopy::fromBytes(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("formato")).toInt() != kFormat
        || !object.value(QStringLiteral("codigo")).isString())
        return std::nullopt;

    RecoveryCopy copy;
    const int kind = object.value(QStringLiteral("tipo")).toInt(-1);
    if (kind != int(DocumentKind::Code) && kind != int(DocumentKind::SwingWindow))
        return std::nullopt;
    copy.kind = DocumentKind(kind);
    copy.caption = object.value(QStringLiteral("titulo")).toString();
    copy.tag = object.value(QStringLiteral("marca")).toString();
    // The tag must speak of the same kind; otherwise only the kind is kept.
    const QString kindDigit = QString::number(kind) + QLatin1Char(';');
    if (!copy.tag.startsWith(kindDigit))
        copy.tag = kindDigit;
    copy.encoding = object.value(QStringLiteral("codificacao")).toString().toLatin1();
    // Only the two encodings this program writes.
    if (copy.encoding.compare(TextFile::Windows1252, Qt::CaseInsensitive) != 0)
        copy.encoding = TextFile::Utf8;
    copy.lineBreak = object.value(QStringLiteral("quebra")).toString();
    if (copy.lineBreak != QLatin1String("\r\n") && copy.lineBreak != QLatin1String("\n")
        && copy.lineBreak != QLatin1String("\r"))
        copy.lineBreak = QString::fromLatin1(TextFile::CrLf);
    copy.time = QDateTime::fromString(object.value(QStringLiteral("hora")).toString(),
                                      Qt::ISODateWithMs);
    if (!copy.time.isValid())
        return std::nullopt;
    copy.source = object.value(QStringLiteral("codigo")).toString();
    const QJsonValue objects = object.value(QStringLiteral("objetos"));
    if (objects.isString())
        copy.objects = objects.toString();
    return copy;
}

// --- The store -----------------------------------------------------------------

RecoveryStore::Session::~Session()
{
    if (lock)
        lock->unlock();
}

RecoveryStore::RecoveryStore(const QString &folder)
    : m_folder(folder.isEmpty() ? defaultFolder() : folder)
{
}

RecoveryStore::~RecoveryStore()
{
    releaseLeftovers();
    if (m_session)
        removeIfEmpty(*m_session);
}

QString RecoveryStore::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("recuperacao"));
}

bool RecoveryStore::open(QString *error)
{
    if (m_session)
        return true;
    const QString folder = QDir(m_folder).filePath(
        kSessionPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces));
    auto session = std::make_unique<Session>();
    session->folder = folder;
    if (QDir().mkpath(folder)) {
        session->lock = makeLock(folder);
        if (session->lock->tryLock(0)) {
            m_sessionFolder = folder;
            m_session = std::move(session);
            return true;
        }
        session->lock.reset();
        QDir().rmdir(folder);
    }
    if (error)
        *error = QStringLiteral("Não foi possível gravar cópias de recuperação na pasta %1; "
                                "a recuperação automática está desativada.")
                     .arg(native(m_folder));
    return false;
}

QString RecoveryStore::copyPath(const QString &key) const
{
    return QDir(m_sessionFolder).filePath(key + kCopySuffix);
}

bool RecoveryStore::write(const QString &key, const RecoveryCopy &copy, QString *error)
{
    if (!m_session) {
        if (error)
            *error = QStringLiteral("A pasta de recuperação %1 não está aberta.").arg(native(m_folder));
        return false;
    }
    return TextFile::writeBytes(copyPath(key), copy.toBytes(), error);
}

bool RecoveryStore::remove(const QString &key)
{
    if (!m_session)
        return false;
    const QString path = copyPath(key);
    return !QFileInfo::exists(path) || QFile::remove(path);
}

QStringList RecoveryStore::keys() const
{
    QStringList keys;
    if (!m_session)
        return keys;
    for (const QString &file : copyFiles(m_sessionFolder))
        keys.append(QFileInfo(file).completeBaseName());
    return keys;
}

QStringList RecoveryStore::copyFiles(const QString &sessionFolder) const
{
    QStringList files;
    const QDir dir(sessionFolder);
    for (const QString &name :
         dir.entryList({QLatin1Char('*') + kCopySuffix}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

std::optional<RecoveryCopy> RecoveryStore::load(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<RecoveryCopy> copy = RecoveryCopy::fromBytes(file.readAll());
    if (copy)
        copy->filePath = QFileInfo(filePath).absoluteFilePath();
    return copy;
}

// --- Leftovers -----------------------------------------------------------------

int RecoveryStore::claimLeftovers()
{
    const QDir root(m_folder);
    int claimed = 0;
    for (const QString &name :
         root.entryList({kSessionPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = QFileInfo(root.filePath(name)).absoluteFilePath();
        if (folder == QFileInfo(m_sessionFolder).absoluteFilePath())
            continue;
        if (std::any_of(m_claimed.begin(), m_claimed.end(),
                        [&](const auto &session) { return session->folder == folder; }))
            continue;
        auto session = std::make_unique<Session>();
        session->folder = folder;
        session->lock = makeLock(folder);
        // A live run holds its lock; a run that ended left none, or a stale one.
        if (!session->lock->tryLock(0))
            continue;
        // Half-written copies of a run that died while writing are of no use.
        const QDir dir(folder);
        for (const QString &file : dir.entryList(QDir::Files | QDir::Hidden)) {
            if (file != kLockName && !file.endsWith(kCopySuffix))
                QFile::remove(dir.filePath(file));
        }
        m_claimed.push_back(std::move(session));
        ++claimed;
    }
    return claimed;
}

int RecoveryStore::removeOlderThan(const QDateTime &limit)
{
    int removed = 0;
    for (const auto &session : m_claimed) {
        for (const QString &file : copyFiles(session->folder)) {
            const std::optional<RecoveryCopy> copy = load(file);
            const QDateTime time = copy ? copy->time : QFileInfo(file).lastModified();
            if (time < limit && QFile::remove(file))
                ++removed;
        }
    }
    return removed;
}

QList<RecoveryCopy> RecoveryStore::leftovers() const
{
    QList<RecoveryCopy> copies;
    for (const auto &session : m_claimed) {
        for (const QString &file : copyFiles(session->folder)) {
            if (std::optional<RecoveryCopy> copy = load(file))
                copies.append(*copy);
        }
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const RecoveryCopy &a, const RecoveryCopy &b) { return a.time < b.time; });
    return copies;
}

void RecoveryStore::removeLeftoversExcept(const QStringList &keep)
{
    for (const auto &session : m_claimed) {
        for (const QString &file : copyFiles(session->folder)) {
            if (!keep.contains(QFileInfo(file).absoluteFilePath()))
                QFile::remove(file);
        }
    }
}

void RecoveryStore::releaseLeftovers()
{
    for (const auto &session : m_claimed)
        removeIfEmpty(*session);
    m_claimed.clear();
}

void RecoveryStore::removeIfEmpty(Session &session)
{
    if (session.lock)
        session.lock->unlock();
    session.lock.reset();
    // rmdir removes only an empty folder, so a copy is never lost here.
    QDir().rmdir(session.folder);
}

#include "editor/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <cerrno>

namespace {

// 0x80..0x9F of Windows-1252. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so
// that every byte comes back as it was.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> makeWindows1252()
{
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = char16_t(byte);
    for (int i = 0; i < 32; ++i)
        table[0x80 + i] = kHighControls[i];
    return table;
}

constexpr std::array<char16_t, 256> kWindows1252 = makeWindows1252();

// Byte for a character of 0x80 and above; -1 when the code page lacks it.
int windows1252Byte(char16_t c)
{
    static const QHash<char16_t, uchar> reverse = [] {
        QHash<char16_t, uchar> map;
        for (int byte = 0x80; byte < 256; ++byte)
            map.insert(kWindows1252[byte], uchar(byte));
        return map;
    }();
    const auto it = reverse.constFind(c);
    return it == reverse.cend() ? -1 : int(*it);
}

bool isWindows1252(const QByteArray &encoding)
{
    return encoding.compare(TextFile::Windows1252, Qt::CaseInsensitive) == 0
        || encoding.compare("cp1252", Qt::CaseInsensitive) == 0;
}

QString quoted(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

QString reasonFromErrno(int code, const QString &fallback)
{
    switch (code) {
    case EACCES:
    case EPERM:
        return QStringLiteral("acesso negado");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("não há espaço livre no disco");
    case EFBIG:
        return QStringLiteral("o arquivo ultrapassa o tamanho máximo permitido");
    case EROFS:
        return QStringLiteral("o disco é somente leitura");
    case ENAMETOOLONG:
        return QStringLiteral("o nome do arquivo é longo demais");
    case EIO:
        return QStringLiteral("erro de leitura ou gravação no disco");
    case ENOENT:
        return QStringLiteral("o caminho não existe");
    case EISDIR:
        return QStringLiteral("o nome é de uma pasta");
    default:
        return QStringLiteral("erro do sistema (%1)").arg(fallback);
    }
}

// Why writing `path` cannot work, found before trying; empty when nothing is
// known to be in the way.
QString reasonAgainstWriting(const QString &path)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("a pasta %1 não existe").arg(quoted(folder.absoluteFilePath()));
    if (!folder.isDir())
        return QStringLiteral("%1 não é uma pasta").arg(quoted(folder.absoluteFilePath()));
    if (target.isDir())
        return QStringLiteral("já existe uma pasta com esse nome");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("o arquivo está protegido contra gravação");
    if (!folder.isWritable())
        return QStringLiteral("não há permissão para gravar na pasta %1")
            .arg(quoted(folder.absoluteFilePath()));
    return {};
}

QString writeError(const QString &path, const QString &reason)
{
    return QStringLiteral("Não foi possível salvar o arquivo %1: %2.").arg(quoted(path), reason);
}

QString readError(const QString &path, const QString &reason)
{
    return QStringLiteral("Não foi possível ler o arquivo %1: %2.").arg(quoted(path), reason);
}

} // namespace

// --- Encodings -----------------------------------------------------------------

bool TextFile::isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t min = 0;
        char32_t code = 0;
        if ((b & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
            code = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
            code = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
            code = b & 0x07;
        } else {
            return false;
        }
        if (n - i <= extra)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const uchar c = p[i + k];
            if ((c & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (c & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and values beyond U+10FFFF are not UTF-8.
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

QString TextFile::decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(kWindows1252[uchar(bytes[i])]);
    return text;
}

QByteArray TextFile::encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out[i] = char(c);
        } else {
            const int byte = windows1252Byte(c);
            out[i] = byte < 0 ? '?' : char(byte);
        }
    }
    return bytes;
}

bool TextFile::fitsWindows1252(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 && windows1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}

QString TextFile::decode(const QByteArray &bytes, const QByteArray &encoding)
{
    if (isWindows1252(encoding))
        return decodeWindows1252(bytes);
    // QString::fromUtf8 drops a leading byte-order mark (also the second one
    // of a file that starts with two); keep it in the text so that it is
    // written back.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

QByteArray TextFile::encode(QStringView text, const QByteArray &encoding)
{
    if (isWindows1252(encoding))
        return encodeWindows1252(text);
    return text.toUtf8();
}

// --- Line breaks ---------------------------------------------------------------

QString TextFile::detectLineBreak(QStringView text)
{
    qsizetype crlf = 0, lf = 0, cr = 0;
    int first = 0; // 1 CR LF, 2 LF, 3 CR
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++crlf, ++i;
                if (!first)
                    first = 1;
            } else {
                ++cr;
                if (!first)
                    first = 3;
            }
        } else if (c == u'\n') {
            ++lf;
            if (!first)
                first = 2;
        }
    }
    if (!first)
        return QString::fromLatin1(CrLf);
    const qsizetype counts[] = {0, crlf, lf, cr};
    int best = first;
    for (int style = 1; style <= 3; ++style) {
        if (counts[style] > counts[best])
            best = style;
    }
    switch (best) {
    case 2:
        return QStringLiteral("\n");
    case 3:
        return QStringLiteral("\r");
    default:
        return QString::fromLatin1(CrLf);
    }
}

QStringList TextFile::splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start).toString());
    return lines;
}

// --- Whole files ---------------------------------------------------------------

TextFile TextFile::fromBytes(const QByteArray &bytes)
{
    TextFile file;
    file.encoding = isValidUtf8(bytes) ? Utf8 : Windows1252;
    const QString text = decode(bytes, file.encoding);
    file.lineBreak = detectLineBreak(text);
    file.lines = splitLines(text);
    return file;
}

QByteArray TextFile::toBytes() const
{
    return encode(text(), encoding);
}

bool TextFile::fitsEncoding() const
{
    if (!isWindows1252(encoding))
        return true;
    for (const QString &line : lines) {
        if (!fitsWindows1252(line))
            return false;
    }
    return true;
}

QByteArray TextFile::encodeObjects(const QString &text)
{
    if (fitsWindows1252(text)) {
        // The reader takes valid UTF-8 for UTF-8, and some Windows-1252
        // texts ("ß°" is DF B0) happen to be valid UTF-8 of other characters:
        // those are written in UTF-8, so that they read back as they were.
        QByteArray bytes = encodeWindows1252(text);
        if (!isValidUtf8(bytes) || decode(bytes, Utf8) == text)
            return bytes;
    }
    return text.toUtf8();
}

QString TextFile::decodeObjects(const QByteArray &bytes)
{
    return decode(bytes, isValidUtf8(bytes) ? Utf8 : Windows1252);
}

// --- Disk ----------------------------------------------------------------------

std::optional<QByteArray> TextFile::readBytes(const QString &path, QString *error)
{
    const QFileInfo info(path);
    QString reason;
    if (!info.exists())
        reason = QStringLiteral("o arquivo não existe");
    else if (info.isDir())
        reason = QStringLiteral("o nome é de uma pasta");
    if (reason.isEmpty()) {
        QFile file(path);
        errno = 0;
        if (file.open(QIODevice::ReadOnly)) {
            QByteArray bytes = file.readAll();
            if (file.error() == QFileDevice::NoError)
                return bytes;
        }
        reason = reasonFromErrno(errno, file.errorString());
    }
    if (error)
        *error = readError(path, reason);
    return std::nullopt;
}

bool TextFile::writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QString reason = reasonAgainstWriting(path);
    if (reason.isEmpty()) {
        QSaveFile file(path);
        errno = 0;
        bool ok = file.open(QIODevice::WriteOnly);
        if (ok)
            ok = file.write(bytes) == bytes.size();
        // The error of a buffered write shows only when it is flushed.
        if (ok && file.commit())
            return true;
        const int code = errno;
        const QString qtReason = file.errorString();
        file.cancelWriting();
        reason = reasonFromErrno(code, qtReason);
    }
    if (error)
        *error = writeError(path, reason);
    return false;
}

std::optional<TextFile> TextFile::load(const QString &path, QString *error)
{
    const auto bytes = readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return fromBytes(*bytes);
}

bool TextFile::save(const QString &path, QString *error) const
{
    return writeBytes(path, toBytes(), error);
}

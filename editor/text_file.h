#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// A text file as the editor holds it: its lines, plus the encoding and the
// line-break style it was read with, so that writing it back unchanged gives
// the same bytes. This is the one place that decides encodings and line breaks
// for source files and objects files.
//
// Lines: CR LF, LF and CR each end a line; a file that ends with a line break
// gives an empty last line, and no line break is written after the last line,
// so the round trip needs no flag of its own.
struct TextFile
{
    static constexpr const char *Utf8 = "UTF-8";
    static constexpr const char *Windows1252 = "windows-1252";
    static constexpr const char *CrLf = "\r\n";
    // Above this size opening a file asks first.
    static constexpr qint64 LargeFileSize = qint64(16) * 1024 * 1024;

    QStringList lines{QString()};
    QByteArray encoding = Utf8;
    QString lineBreak = QString::fromLatin1(CrLf);

    // Bytes as read from disk: UTF-8 when they are valid UTF-8 (a byte-order
    // mark stays in the text as U+FEFF), Windows-1252 otherwise.
    static TextFile fromBytes(const QByteArray &bytes);
    // The lines joined by lineBreak, in `encoding`. Characters that the
    // encoding cannot hold become "?"; check fitsEncoding() first.
    QByteArray toBytes() const;
    bool fitsEncoding() const;
    // True when the bytes read ended with a line break.
    bool endsWithLineBreak() const { return lines.size() > 1 && lines.last().isEmpty(); }
    QString text() const { return lines.join(lineBreak); }

    // --- Pieces, usable on their own ----------------------------------------
    static bool isValidUtf8(QByteArrayView bytes);
    static QString decodeWindows1252(QByteArrayView bytes);
    // Characters outside Windows-1252 become "?".
    static QByteArray encodeWindows1252(QStringView text);
    static bool fitsWindows1252(QStringView text);
    static QString decode(const QByteArray &bytes, const QByteArray &encoding);
    static QByteArray encode(QStringView text, const QByteArray &encoding);
    // The style found most often in `text` (the first one found on a tie);
    // CR LF when the text has no line break.
    static QString detectLineBreak(QStringView text);
    static QStringList splitLines(QStringView text);
    static bool containsNul(QByteArrayView bytes) { return bytes.contains('\0'); }

    // Objects text: Windows-1252 when every character fits (as such files have
    // always been written), UTF-8 otherwise; the reader accepts both.
    static QByteArray encodeObjects(const QString &text);
    static QString decodeObjects(const QByteArray &bytes);

    // --- Disk -------------------------------------------------------------------
    // On failure *error gets a Portuguese sentence naming the file and the reason.
    static std::optional<QByteArray> readBytes(const QString &path, QString *error);
    // Through QSaveFile: the old file is replaced only by a complete new one.
    static bool writeBytes(const QString &path, const QByteArray &bytes, QString *error);
    static std::optional<TextFile> load(const QString &path, QString *error);
    bool save(const QString &path, QString *error) const;
};

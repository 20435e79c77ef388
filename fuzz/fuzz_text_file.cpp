// Feeds any bytes to the text-file decoding and back to the encoding. A file
// that is opened and saved unchanged must come back byte for byte (its line
// breaks made uniform when they were mixed), and any text the designer stores
// in an objects file must read back as it was written.
#include "editor/text_file.h"
#include "fuzz_support.h"

#include <cstdint>

using fuzzsupport::check;

namespace {

// The bytes with every line break (CR LF, LF or CR) written as `lineBreak`.
QByteArray withLineBreaks(const QByteArray &bytes, const QByteArray &lineBreak)
{
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
            out += lineBreak;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // Opening and saving without an edit.
    const TextFile file = TextFile::fromBytes(bytes);
    check(file.fitsEncoding(), "a text read from a file fits the encoding it was read in");
    const QByteArray written = file.toBytes();
    const QByteArray expected = withLineBreaks(bytes, file.lineBreak.toLatin1());
    check(written == expected, "a file read and written back is the same file",
          QString::fromLatin1(bytes.toHex()) + QLatin1String(" -> ")
              + QString::fromLatin1(written.toHex()));
    check(TextFile::fromBytes(written).lines == file.lines, "reading the written file again");

    // What the editor shows is what splitting the text gives, line for line.
    check(TextFile::splitLines(file.text()) == file.lines, "lines survive joining and splitting");

    // Objects text: any text the designer holds (the bytes read as UTF-8) is
    // stored and read back unchanged.
    const QString objects = QString::fromUtf8(bytes);
    check(TextFile::decodeObjects(TextFile::encodeObjects(objects)) == objects,
          "objects text reads back as it was written", objects);
    return 0;
}

#pragma once

#include <QString>

// Conversions between the line breaks of the program's texts (CR LF, LF or CR)
// and those of the editor's document.
namespace linebreaks {

// One line-list entry: every break becomes a line separator inside the block.
QString toEntry(const QString &text);
// Text for a document: every break (CR LF, CR, separators) becomes LF.
QString toLines(const QString &text);
// Block text with its inner separators given back as CR LF.
QString withCrLf(const QString &text);

} // namespace linebreaks

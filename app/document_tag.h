#pragma once

#include "app/document_kind.h"

#include <QString>
#include <QStringList>

// The document tag, as recovery copies store it: the kind digit, ";", then
// the document's file paths newest first, each followed by ";". A ";" (and
// the "%" that escapes it) inside a path is written as %3B (%25).
namespace documenttag {

QString make(DocumentKind kind, const QStringList &pathsNewestFirst);
// Every path of the tag, newest first.
QStringList paths(const QString &tag);
// The document's file: the first path (empty for a new document).
QString firstPath(const QString &tag);

} // namespace documenttag

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The line protocol of the Java helpers: UTF-8 lines whose fields are
// separated by tabs, each field escaped (\\ \n \r \t) so that it holds any text.
namespace helperprotocol {

QByteArray escaped(const QString &value);
QString unescaped(QByteArrayView value);
// The fields joined into one line, line break included.
QByteArray line(const QStringList &fields);
// The fields of one line (without its line break).
QStringList fields(QByteArrayView line);

} // namespace helperprotocol

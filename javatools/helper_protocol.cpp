#include "javatools/helper_protocol.h"

namespace helperprotocol {

QByteArray escaped(const QString &value)
{
    QByteArray bytes;
    for (const char c : value.toUtf8()) {
        switch (c) {
        case '\\': bytes += "\\\\"; break;
        case '\n': bytes += "\\n"; break;
        case '\r': bytes += "\\r"; break;
        case '\t': bytes += "\\t"; break;
        default: bytes += c;
        }
    }
    return bytes;
}

QString unescaped(QByteArrayView value)
{
    QByteArray plain;
    plain.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c != '\\' || i + 1 == value.size()) {
            plain += c;
            continue;
        }
        const char next = value.at(++i);
        plain += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    }
    return QString::fromUtf8(plain);
}

QByteArray line(const QStringList &fields)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            bytes += '\t';
        bytes += escaped(fields.at(i));
    }
    return bytes + '\n';
}

QStringList fields(QByteArrayView line)
{
    QStringList result;
    for (const QByteArray &part : line.toByteArray().split('\t'))
        result.append(unescaped(part));
    return result;
}

} // namespace helperprotocol

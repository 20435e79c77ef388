#include "app/document_tag.h"

namespace documenttag {

namespace {

QString escaped(QString path)
{
    path.replace(QLatin1Char('%'), QLatin1String("%25"));
    path.replace(QLatin1Char(';'), QLatin1String("%3B"));
    return path;
}

QString unescaped(QString path)
{
    path.replace(QLatin1String("%3B"), QLatin1String(";"));
    path.replace(QLatin1String("%25"), QLatin1String("%"));
    return path;
}

} // namespace

QString make(DocumentKind kind, const QStringList &pathsNewestFirst)
{
    QString tag = QString::number(int(kind)) + QLatin1Char(';');
    for (const QString &path : pathsNewestFirst)
        tag += escaped(path) + QLatin1Char(';');
    return tag;
}

QStringList paths(const QString &tag)
{
    QStringList list = tag.split(QLatin1Char(';'));
    // The kind digit before the first ";", the empty rest after the last.
    list.removeFirst();
    if (!list.isEmpty() && list.last().isEmpty())
        list.removeLast();
    for (QString &path : list)
        path = unescaped(path);
    return list;
}

QString firstPath(const QString &tag)
{
    const int first = int(tag.indexOf(QLatin1Char(';')));
    if (first < 0)
        return {};
    const QString rest = tag.mid(first + 1);
    const int next = int(rest.indexOf(QLatin1Char(';')));
    return unescaped(next < 0 ? rest : rest.left(next));
}

} // namespace documenttag

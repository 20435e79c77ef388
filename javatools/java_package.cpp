#include "javatools/java_package.h"

#include "javatools/source_tokens.h"

#include <QDir>

PackagePlace packagePlace(const QString &folder, const QStringList &sourceLines)
{
    PackagePlace place;
    const SourceTokens tokens(sourceLines);
    // Annotations may stand before the package line; the first keyword decides.
    int i = 0;
    while (i < tokens.size() && tokens.at(i).kind != tkKey)
        ++i;
    if (i >= tokens.size() || !tokens.at(i).isKeyword("package"))
        return place;
    QStringList parts;
    for (++i; i < tokens.size() && !tokens.at(i).is(";"); ++i) {
        if (tokens.at(i).isName())
            parts << tokens.at(i).text;
        else if (!tokens.at(i).is("."))
            return place; // not a package name javac would accept
    }
    if (parts.isEmpty())
        return place;
    place.name = parts.join(QLatin1Char('.'));
    QDir dir(QDir::cleanPath(QDir(folder).absolutePath()));
    for (qsizetype p = parts.size() - 1; p >= 0; --p) {
        if (dir.dirName() != parts.at(p) || !dir.cdUp())
            return place;
    }
    place.root = dir.path();
    return place;
}

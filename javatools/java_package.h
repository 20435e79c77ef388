#pragma once

#include <QString>
#include <QStringList>

// Where a class that declares a package runs from. java finds a.b.C as
// a/b/C.class under its class path, so the source's folder must end in a/b
// and java must start in the folder above them.
struct PackagePlace
{
    QString name; // "a.b"; empty when the source has no package line
    QString root; // the folder that holds a/b; empty when the source's folder does not end in a/b

    // The class's full name for java: a.b.C, or C without a package.
    QString qualified(const QString &className) const
    {
        return name.isEmpty() ? className : name + QLatin1Char('.') + className;
    }
    // The folders the source must lie in, from the root: "a/b".
    QString path() const { return QString(name).replace(QLatin1Char('.'), QLatin1Char('/')); }
};

PackagePlace packagePlace(const QString &folder, const QStringList &sourceLines);

#include "app/class_name.h"


namespace {

const QString kPublicClass = QStringLiteral("public class");

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

QString classNameFromLine(const QString &line, qsizetype at)
{
    // The character right after "public class" is skipped whatever it is.
    const QString rest = line.mid(at + kPublicClass.size() + 1).trimmed();
    // The name ends where the identifier ends: "Hello{", "Hello extends …",
    // "Hello<T>" and "Hello{ int x;" all give Hello.
    qsizetype end = 0;
    while (end < rest.size() && isIdentifierChar(rest[end]))
        ++end;
    return rest.left(end);
}

} // namespace

QString ExtractClassName(const QStringList &lines)
{
    for (const QString &line : lines) {
        const qsizetype at = line.indexOf(kPublicClass);
        if (at >= 0)
            return classNameFromLine(line, at);
    }
    return {};
}

bool IsMarkupPage(const QStringList &lines)
{
    const QString whole = lines.join(QLatin1Char('\n'));
    return whole.trimmed().startsWith(QLatin1Char('<')) || whole.contains(QLatin1String("<%"));
}

#include "javatools/jdk_names.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

static void initNameResources()
{
    // The resource lives in a static library: register it explicitly.
    Q_INIT_RESOURCE(explanations);
}

const JdkNames &JdkNames::standard()
{
    static const JdkNames names = [] {
        initNameResources();
        QFile file(QStringLiteral(":/javatools/nomes_do_java.txt"));
        if (!file.open(QIODevice::ReadOnly))
            qWarning("nomes_do_java.txt could not be read");
        return JdkNames(QString::fromUtf8(file.readAll()));
    }();
    return names;
}

JdkNames::JdkNames(const QString &text)
{
    static const QRegularExpression header(QStringLiteral("^\\[(\\w+)\\]$"));
    QString owner;
    QString key;
    QSet<QString> seen;
    const auto add = [&](const QString &name) {
        if (!seen.contains(name)) {
            seen.insert(name);
            m_all.append(name);
        }
    };
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (const QRegularExpressionMatch m = header.match(line); m.hasMatch()) {
            owner = m.captured(1);
            m_classes.append(owner);
            add(owner);
            key.clear();
            continue;
        }
        // An indented line goes on with the names of the line above.
        QString names = line;
        if (!raw.startsWith(QLatin1Char(' ')) && !raw.startsWith(QLatin1Char('\t'))) {
            const qsizetype colon = line.indexOf(QLatin1Char(':'));
            if (colon < 0 || owner.isEmpty())
                continue;
            key = line.left(colon).trimmed();
            names = line.mid(colon + 1).trimmed();
        }
        if (key == QLatin1String("objeto")) {
            m_objects.insert(owner, names);
            continue;
        }
        const bool isStatic = key == QStringLiteral("estáticos");
        const bool isMethod = key != QLatin1String("atributos");
        for (const QString &name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            m_members[name].append({owner, isStatic, isMethod});
            add(name);
        }
    }
}

bool JdkNames::isMethod(const QString &name) const
{
    const QList<Member> members = m_members.value(name);
    return std::any_of(members.begin(), members.end(), [](const Member &m) { return m.isMethod; });
}

#include "app/view_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Nobody writes a settings file this big: anything larger is not ours.
constexpr qint64 MaxFileBytes = 4096;

} // namespace

QString ViewSettings::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("aparencia.ini"));
}

ViewSettings ViewSettings::load(const QString &path)
{
    ViewSettings settings;
    QFile file(path);
    if (file.size() > MaxFileBytes || !file.open(QIODevice::ReadOnly))
        return settings;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString &line : text.split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("tema")) {
            settings.theme = colours::themeNamed(value).value_or(Theme::Claro);
        } else if (key == QLatin1String("projetor")) {
            settings.projector = value == QLatin1String("sim");
        } else if (key == QLatin1String("zoom")) {
            bool number = false;
            const int zoom = value.toInt(&number);
            settings.zoom = number ? qBound(MinZoom, zoom, MaxZoom) : 0;
        }
    }
    return settings;
}

bool ViewSettings::save(const QString &path) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = QStringLiteral("# A aparência do Tavessa, como ficou da última vez.\n"
                                        "tema=%1\nprojetor=%2\nzoom=%3\n")
                             .arg(colours::themeName(theme), projector ? QStringLiteral("sim") : QStringLiteral("não"))
                             .arg(zoom);
    file.write(text.toUtf8());
    return file.commit();
}

#include "app/app_icon.h"

#include <QSize>
#include <QString>

#include <array>

// The resource lives in a static library; without this call the linker would
// leave its registration out of the executable. Kept outside any namespace,
// where Q_INIT_RESOURCE has to be.
static void registerIcons()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

constexpr std::array kSizes{16, 32, 48, 64, 128, 256};

QIcon iconFromResource(const QString &name)
{
    registerIcons();
    QIcon icon;
    for (const int size : kSizes)
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon appIcon()
{
    return iconFromResource(QStringLiteral("tavessa"));
}

QIcon helpViewerIcon()
{
    return iconFromResource(QStringLiteral("lumenta"));
}

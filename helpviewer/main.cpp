#include "app/app_icon.h"
#include "helpviewer/help.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumenta"));
    QApplication::setWindowIcon(helpViewerIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavessa.Lumenta"));
    THelp window;
    window.show();
    return QApplication::exec();
}

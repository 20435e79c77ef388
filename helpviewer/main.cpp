#include "helpviewer/help.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumenta"));
    THelp window;
    window.show();
    return QApplication::exec();
}

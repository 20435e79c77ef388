#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/recovery_manager.h"
#include "app/translations.h"
#include "app/view_settings.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application's own title; the main window's caption stays as it is
    // (no display name is set, so nothing is appended to window titles).
    QApplication::setApplicationName(QStringLiteral("Korvine 4.0"));
    QApplication::setWindowIcon(appIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavessa.Tavessa"));
    installPortugueseTranslations(app);

    Tfrmprincipal window;
    window.rememberLookIn(ViewSettings::defaultPath());
    window.showMaximized();
    RecoveryManager recovery(window, window.documents());
    QObject::connect(&recovery, &RecoveryManager::documentsReopened, &window, &Tfrmprincipal::documentsCameIn);
    recovery.offerRecovery();
    return app.exec();
}

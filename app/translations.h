#pragma once

class QCoreApplication;

// Loads Qt's own Brazilian Portuguese translations, so that standard dialogs
// and buttons speak Portuguese whatever the machine's locale.
void installPortugueseTranslations(QCoreApplication &app);

#pragma once

#include <QString>

// Object name of a menu item, derived from its caption the way the program has
// always named them: access-key marks and accents dropped, only letters and
// digits kept, then "1" ("Abr&ir" -> "Abrir1", "Estruturas básicas" ->
// "Estruturasbasicas1"). `taken` counts how often the stem was used already,
// so duplicates get "2", "3", ...
QString menuObjectName(const QString &caption, int taken = 0);

// The same stem without the trailing number.
QString menuObjectStem(const QString &caption);

#pragma once

#include <QIcon>

// The programs' own icons, in every size that ships, for their windows.
// Both come from icons.qrc, so they need no files beside the executable.
QIcon appIcon();         // Tavessa: the cup on a tray
QIcon helpViewerIcon();  // Lumenta: the lit help book

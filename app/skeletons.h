#pragma once

#include <QString>
#include <QStringList>

// The five kinds a new document can be created as, in the order of the
// new-document dialog (option 1 to 5).
enum class NewDocumentOption { Texto = 1, Awt = 2, Applet = 3, Jsp = 4, Swing = 5 };

// The skeleton program of a new document of `option`, one entry per line, for
// the document number `n` (the class is named "semnome" + n).
QStringList skeletonLines(NewDocumentOption option, int n);

#include "designer/java_names.h"

#include "common/java_words.h"
#include "designer/code_lines.h"
#include "editor/java_scanner.h"

#include <QList>
#include <QSet>

bool isJavaKeyword(const QString &word)
{
    return isJavaReservedWord(word);
}

int renameIdentifier(CodeLines &code, const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty() || oldName == newName)
        return 0;
    static const QString crLf = QStringLiteral("\r\n");
    JavaScanner scanner;
    scanner.ResetRange();
    int renamed = 0;
    const int count = code.Count();
    for (int i = 0; i < count; ++i) {
        // An entry may hold several lines; each is scanned on its own so that
        // a block comment carries over as it does in the editor. Lines
        // without the name are scanned too, for the same reason.
        QStringList pieces = code.Get(i).split(crLf);
        bool changed = false;
        for (QString &piece : pieces) {
            QList<int> positions;
            scanner.SetLine(piece, i);
            while (!scanner.GetEol()) {
                if (scanner.GetTokenID() == tkIdentifier && scanner.GetTokenLength() == oldName.size()
                    && scanner.GetToken() == oldName)
                    positions.append(scanner.GetTokenPos());
                scanner.Next();
            }
            // From the right, so earlier positions stay valid.
            for (auto it = positions.crbegin(); it != positions.crend(); ++it)
                piece.replace(*it, oldName.size(), newName);
            renamed += int(positions.size());
            changed = changed || !positions.isEmpty();
        }
        if (changed) {
            code.Delete(i);
            code.Insert(i, pieces.join(crLf));
        }
    }
    return renamed;
}

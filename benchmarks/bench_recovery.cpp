// How long writing one recovery copy takes on the user-interface thread
// (the editor's text, the copy's bytes and the atomic write), for an
// ordinary student program and for a very long file.
//
//   build/bench_recovery [lines...]

#include "bench_support.h"

#include "app/document_page.h"
#include "app/main_window.h"
#include "app/recovery_manager.h"
#include "editor/syn_memo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString javaSource(int lineCount)
{
    QStringList lines{QStringLiteral("public class Grande {")};
    while (lines.size() < lineCount - 1)
        lines.append(QStringLiteral("        System.out.println(\"valor: \" + soma); // ação"));
    lines.append(QStringLiteral("}"));
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessAsked();
    QApplication app(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QByteArray(argv[i]).toInt());
    if (sizes.empty())
        sizes = {200, 5000, 100000};

    QTemporaryDir dir;
    Tfrmprincipal window;
    window.show();
    RecoveryManager recovery(window, window.documents(), dir.filePath(QStringLiteral("recuperacao")));
    window.btncriarClick(1);
    DocumentPage *page = window.activePage();

    for (int lines : sizes) {
        page->editor()->SetText(javaSource(lines));
        std::vector<double> ms;
        for (int run = 0; run < 15; ++run) {
            window.MarkModified(); // a change: the copy is now pending
            QElapsedTimer clock;
            clock.start();
            recovery.flush();
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        std::printf("%7d lines: one recovery copy written in %.2f ms (median of 15)\n", lines,
                    median(ms));
    }
    return 0;
}

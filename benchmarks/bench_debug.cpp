// Stepping through a program under "Depurar": the time from the step key
// to the new line lit up in the editor (and the variables panel filled,
// which happens before), for F8 over lines that call println and for F11
// into the student's own method; and the time from Ctrl+F9 to the first
// stop, which includes the compile and two virtual machines starting.
#include "bench_stepping.h"

#include "app/debug_commands.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/main_window.h"
#include "editor/syn_memo.h"
#include "javatools/debug_session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The step's delay in ms until the editor shows the next stop's line, -1
// when none came.
double stepMs(Tfrmprincipal &window, int key, int *line)
{
    bool lit = false;
    const double ms = stepUntil(window, key, &DebugSession::paused, [&] {
        TSynMemo *editor = window.currentEditor();
        lit = editor->ExecutionLine() >= 0;
        if (lit) {
            editor->viewport()->repaint();
            *line = editor->ExecutionLine() + 1;
        }
    });
    return lit ? ms : -1;
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const HelpersBeside helpers({QStringLiteral("tavessa-compiler.jar"), QStringLiteral("tavessa-debugger.jar")});
    if (!helpers.ok())
        return 1;

    QTemporaryDir folder;
    const QString source = writeFile(folder.path(), QStringLiteral("Passos.java"),
                                     "public class Passos {\n"
                                     "    static int dobro(int x) {\n"
                                     "        int r = x * 2;\n"
                                     "        return r;\n"
                                     "    }\n"
                                     "    public static void main(String[] args) {\n"
                                     "        int soma = 0;\n"
                                     "        for (int i = 0; i < 1000; i++) {\n"
                                     "            soma += dobro(i);\n"
                                     "            System.out.println(\"soma \" + soma);\n"
                                     "        }\n"
                                     "    }\n"
                                     "}\n");
    if (source.isEmpty())
        return 1;

    Tfrmprincipal window;
    window.show();
    if (!window.files().openFile(source))
        return 1;
    QElapsedTimer clock;
    clock.start();
    window.menuItem(QStringLiteral("Depurar1"))->trigger();
    while (!(window.debugging().session() && window.debugging().session()->isPaused()) && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double firstStopMs = clock.nsecsElapsed() / 1e6;
    if (!window.debugging().session() || !window.debugging().session()->isPaused()) {
        out << "the program did not stop\n";
        return 1;
    }

    std::vector<double> over, into;
    int line = 0;
    for (int i = 0; i < 60; ++i) {
        const double ms = stepMs(window, Qt::Key_F8, &line);
        if (ms < 0)
            return 1;
        over.push_back(ms);
    }
    for (int i = 0; i < 60; ++i) {
        const double ms = stepMs(window, Qt::Key_F11, &line);
        if (ms < 0)
            return 1;
        into.push_back(ms);
    }
    out << "from Ctrl+F9 to the first stop (compile, program and helper started): " << firstStopMs << " ms\n";
    reportSteps(out, "F8 over a line (println stepped over)", over);
    reportSteps(out, "F11 into the student's method and on", into);
    return 0;
}

// The debugger's pictures: the time from F8 to the tab "Memória" redrawn,
// on a program whose variables reach 50 objects (a chain of 48 nodes, an
// array and a list); and a step with five expressions watched against the
// same step without them (from the key to the last answer shown).
#include "bench_stepping.h"

#include "app/debug_commands.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/memory_view.h"
#include "app/variables_panel.h"
#include "app/watch_panel.h"
#include "editor/syn_memo.h"
#include "javatools/debug_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>


int main(int argc, char **argv)
{
    offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const HelpersBeside helpers({QStringLiteral("tavessa-compiler.jar"), QStringLiteral("tavessa-debugger.jar")});
    if (!helpers.ok())
        return 1;
    QTemporaryDir folder;
    const QString source = writeFile(folder.path(), QStringLiteral("Memoria.java"),
                                     "import java.util.*;\n"
                                     "public class Memoria {\n"
                                     "    static class No {\n"
                                     "        int valor;\n"
                                     "        No proximo;\n"
                                     "        No(int valor, No proximo) { this.valor = valor; this.proximo = proximo; }\n"
                                     "    }\n"
                                     "    public static void main(String[] args) {\n"
                                     "        No lista = null;\n"
                                     "        for (int i = 0; i < 47; i++)\n"
                                     "            lista = new No(i, lista);\n"
                                     "        int[] v = new int[10];\n"
                                     "        List<String> nomes = new ArrayList<>(List.of(\"Ana\", \"Bia\", \"Caio\"));\n"
                                     "        int soma = 0;\n"
                                     "        for (int i = 0; i < 100000; i++) {\n"
                                     "            soma += i;\n"
                                     "            v[i % 10] = soma;\n"
                                     "        }\n"
                                     "    }\n"
                                     "}\n");
    if (source.isEmpty())
        return 1;
    Tfrmprincipal window;
    window.show();
    if (!window.files().openFile(source))
        return 1;
    window.currentEditor()->SetCaretY(15);
    window.menuItem(QStringLiteral("ExecutarAteAqui1"))->trigger();
    QElapsedTimer clock;
    clock.start();
    while (!(window.debugging().session() && window.debugging().session()->isPaused()) && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    if (!window.debugging().session() || !window.debugging().session()->isPaused()) {
        out << "the program did not stop\n";
        return 1;
    }

    VariablesPanel &panel = *window.variables();
    std::vector<double> plain, watched, memory;
    for (int i = 0; i < 40; ++i) {
        const double ms = stepUntil(window, Qt::Key_F8, &DebugSession::paused);
        if (ms < 0)
            return 1;
        plain.push_back(ms);
    }
    for (const char *text : {"soma / 3", "v[i % 10] > v[0]", "nomes.size()", "lista.valor + 1", "nomes.get(1).length()"})
        panel.watches()->addExpression(QString::fromUtf8(text));
    stepUntil(window, Qt::Key_F8, &DebugSession::watchesShown); // the parser warmed up on the first
    for (int i = 0; i < 40; ++i) {
        const double ms = stepUntil(window, Qt::Key_F8, &DebugSession::watchesShown);
        if (ms < 0)
            return 1;
        watched.push_back(ms);
    }
    for (int i = 0; i < 5; ++i)
        panel.watches()->removeExpression(0);
    panel.tabs()->setCurrentWidget(panel.memory());
    stepUntil(window, Qt::Key_F8, &DebugSession::memoryShown);
    for (int i = 0; i < 40; ++i) {
        const double ms = stepUntil(window, Qt::Key_F8, &DebugSession::memoryShown, [&] { panel.memory()->widget()->repaint(); });
        if (ms < 0)
            return 1;
        memory.push_back(ms);
    }
    const MemoryGraph &graph = panel.memory()->graph();
    out << "objects drawn: " << graph.objects.size() << " (and " << graph.objectsLeft << " more)\n";
    reportSteps(out, "F8, no expressions, key to the variables shown", plain);
    reportSteps(out, "F8 with five expressions, key to their values shown", watched);
    reportSteps(out, "F8 with the memory tab, key to the picture redrawn", memory);
    return 0;
}

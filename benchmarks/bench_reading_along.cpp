// Reading along through the real window, with the build's compile helper:
// how long after the pause a check's marks are in place (a 300-line and a
// 5,000-line program), the slowest keystroke while checks run, how long
// after a "." the list of suggestions shows in a 1,000-line file, and
// Tavessa's own memory over 500 checks.
#include "bench_support.h"

#include "app/document_manager.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/live_checking.h"
#include "app/main_window.h"
#include "editor/syn_memo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextStream>

namespace {

constexpr int kRounds = 9;

// A program of about `lines` lines: methods of a few statements each, and
// one mistake in the last one.
QByteArray program(const QString &name, int lines)
{
    QByteArray text = "import java.util.Scanner;\npublic class " + name.toUtf8() + " {\n";
    int written = 2;
    for (int m = 0; written < lines - 8; ++m) {
        text += QStringLiteral("    static int metodo%1(int x) {\n"
                               "        int soma = 0;\n"
                               "        for (int i = 0; i < x; i++)\n"
                               "            soma += i * %1;\n"
                               "        return soma;\n"
                               "    }\n")
                    .arg(m)
                    .toUtf8();
        written += 6;
    }
    text += "    public static void main(String[] args) {\n"
            "        Scanner leitor = new Scanner(System.in);\n"
            "        int n = leitor.nextInt();\n"
            "        String texto = 10;\n"
            "        System.out.println(metodo0(n));\n"
            "    }\n"
            "}\n";
    return text;
}

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Waits for the next check's marks; its milliseconds, or -1.
double waitForCheck(LiveChecking &checking, int limitMs = 30000)
{
    QElapsedTimer clock;
    clock.start();
    bool done = false;
    const QMetaObject::Connection c = QObject::connect(&checking, &LiveChecking::checked, [&done] { done = true; });
    while (!done && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QObject::disconnect(c);
    return done ? clock.nsecsElapsed() / 1e6 : -1;
}

void caretAtEndOf(TSynMemo *editor, int line)
{
    QTextCursor cursor(editor->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor->setTextCursor(cursor);
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const HelpersBeside helpers({QStringLiteral("tavessa-compiler.jar")});
    if (!helpers.ok()) {
        out << "no tavessa-compiler.jar in " TAVESSA_BUILD_DIR "\n";
        return 1;
    }
    QTemporaryDir folder;
    Tfrmprincipal window;
    window.show();
    LiveChecking &checking = window.liveChecking();

    // The marks after the pause, for two sizes of program.
    for (const int lines : {300, 5000}) {
        const QString name = QStringLiteral("Programa%1").arg(lines);
        const QString path = writeFile(folder.path(), name + QStringLiteral(".java"), program(name, lines));
        if (path.isEmpty() || !window.files().openFile(path) || waitForCheck(checking) < 0) {
            out << "the first check did not come\n";
            return 1;
        }
        TSynMemo *editor = window.currentEditor();
        std::vector<double> times;
        for (int i = 0; i < kRounds; ++i) {
            caretAtEndOf(editor, 3);
            QTest::keyClick(editor, i % 2 ? Qt::Key_Backspace : Qt::Key_Space);
            const double ms = waitForCheck(checking);
            if (ms < 0) {
                out << "a check did not come\n";
                return 1;
            }
            times.push_back(ms - LiveChecking::PauseMs);
        }
        out << "marks after the pause, " << lines << " lines: median " << median(times) << " ms, worst "
            << *std::max_element(times.begin(), times.end()) << " ms\n";
    }

    // Keystrokes while checks run: bursts of typing, each started as a check begins.
    checking.setPauseMs(20);
    TSynMemo *editor = window.currentEditor();
    double worstKey = 0;
    for (int burst = 0; burst < 20; ++burst) {
        caretAtEndOf(editor, 3);
        QTest::keyClick(editor, Qt::Key_Space);
        QTest::qWait(25);
        for (int k = 0; k < 10; ++k) {
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(editor, k % 2 ? Qt::Key_Backspace : Qt::Key_Space);
            QCoreApplication::processEvents();
            worstKey = std::max(worstKey, clock.nsecsElapsed() / 1e6);
        }
        waitForCheck(checking);
    }
    out << "slowest keystroke while checks run (200 keys, 5,000 lines): " << worstKey << " ms\n";

    // The list after a "." in a 1,000-line file.
    const QString path = writeFile(folder.path(), QStringLiteral("Mil.java"), program(QStringLiteral("Mil"), 1000));
    if (path.isEmpty() || !window.files().openFile(path))
        return 1;
    editor = window.currentEditor();
    auto *list = editor->findChild<QListWidget *>(QStringLiteral("listaSugestoes"));
    std::vector<double> shown;
    for (int i = 0; i < kRounds; ++i) {
        const int line = editor->document()->blockCount() - 4;
        caretAtEndOf(editor, line);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, QStringLiteral("System.out"));
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(editor, Qt::Key_Period);
        while (!list->isVisible() && clock.elapsed() < 5000)
            QCoreApplication::processEvents();
        shown.push_back(clock.nsecsElapsed() / 1e6);
        QTest::keyClick(editor, Qt::Key_Escape);
        editor->undo();
    }
    out << "suggestions after the \".\", 1,000 lines: median " << median(shown) << " ms, worst "
        << *std::max_element(shown.begin(), shown.end()) << " ms\n";

    // Memory over 500 checks of the 1,000-line file.
    checking.setPauseMs(0);
    for (int i = 0; i < 20; ++i) {
        caretAtEndOf(editor, 3);
        QTest::keyClick(editor, i % 2 ? Qt::Key_Backspace : Qt::Key_Space);
        waitForCheck(checking);
    }
    const qint64 before = residentKb();
    int failed = 0;
    for (int i = 0; i < 500; ++i) {
        caretAtEndOf(editor, 3);
        QTest::keyClick(editor, i % 2 ? Qt::Key_Backspace : Qt::Key_Space);
        failed += waitForCheck(checking) < 0 ? 1 : 0;
    }
    const qint64 after = residentKb();
    out << "Tavessa's resident memory over 500 checks: " << before / 1024 << " MB -> " << after / 1024
        << " MB (" << failed << " checks did not come)\n";
    return 0;
}

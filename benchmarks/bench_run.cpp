// A program that prints 1,000,000 lines (with --sem-quebras, 250,000 pieces
// of about 45 characters with no line break, 11 MB on one line), run inside the window with
// "Executar no Tavessa": the time until the console shows its last line,
// the delay of keystrokes typed into the editor meanwhile (one every 20 ms,
// from the moment the key arrives until the editor's text has changed),
// and the memory the window reached. The same program writing to /dev/null
// from a plain java is the reference for the time.
#include "bench_support.h"

#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/main_window.h"
#include "app/run_console.h"
#include "editor/syn_memo.h"
#include "javatools/program_run.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDevice>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

namespace {


// Resident memory of this process, now and at its peak, in MB.
QPair<double, double> residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    double now = 0, peak = 0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            const double kb = line.mid(6).trimmed().split(' ').value(0).toDouble();
            if (line.startsWith("VmRSS:"))
                now = kb / 1024;
            else if (line.startsWith("VmHWM:"))
                peak = kb / 1024;
        }
    }
    return {now, peak};
}

double plainJavaMs(const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    QProcess java;
    java.setWorkingDirectory(folder);
    java.setStandardOutputFile(QProcess::nullDevice());
    java.start(QStringLiteral("java"), {QStringLiteral("-Dfile.encoding=UTF-8"), QStringLiteral("Muitas")});
    return java.waitForFinished(120000) ? clock.nsecsElapsed() / 1e6 : -1;
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const HelpersBeside helpers({QStringLiteral("tavessa-compiler.jar")});
    const bool oneLine = app.arguments().contains(QStringLiteral("--sem-quebras"));
    const int kLines = oneLine ? 250000 : 1000000;
    const QByteArray print = oneLine ? "print" : "println";

    QTemporaryDir folder;
    const QString source = writeFile(folder.path(), QStringLiteral("Muitas.java"),
                                     "public class Muitas {\n"
                                     "    public static void main(String[] args) {\n"
                                     "        for (int i = 0; i < " + QByteArray::number(kLines) + "; i++)\n"
                                     "            System.out." + print + "(\"linha número \" + i + \" de uma saída bem longa\");\n"
                                     "        System.out.println(\"|fim\");\n"
                                     "    }\n"
                                     "}\n");
    if (source.isEmpty())
        return 1;

    Tfrmprincipal window;
    window.show();
    JavaDocument *document = window.files().openFile(source);
    if (!document)
        return 1;
    // Compiled first: the keystrokes measure the run, not the compile, which
    // waits for javac as F9 does.
    window.menuItem(QStringLiteral("Compilarocodigo1"))->trigger();
    const double before = residentMb().first;

    // Keystrokes into the editor while the program prints, posted from
    // another thread at their own pace, as keys arrive whatever the window
    // is busy with.
    TSynMemo *editor = window.currentEditor();
    std::vector<double> delays;
    std::atomic<qint64> postedAt{-1};
    QElapsedTimer since;
    since.start();
    QObject::connect(editor->document(), &QTextDocument::contentsChanged, [&] {
        const qint64 at = postedAt.exchange(-1);
        if (at >= 0)
            delays.push_back((since.nsecsElapsed() - at) / 1e6);
    });
    // A key event made on the typist's thread would create the keyboard's
    // device object there the first time; it belongs to the main thread.
    QInputDevice::primaryKeyboard();
    std::atomic<bool> typing{true};
    std::thread typist([&] {
        while (typing) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (postedAt.load() >= 0)
                continue;
            postedAt = since.nsecsElapsed();
            QCoreApplication::postEvent(editor, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        }
    });

    const QString last = QStringLiteral("|fim");
    QElapsedTimer clock;
    window.menuItem(QStringLiteral("ExecutarnoTavessa1"))->trigger();
    ProgramRun *run = document->run();
    if (!run)
        return 1;
    clock.start();
    while (!(run->hasEnded() && window.console()->text().contains(last)) && clock.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double shownMs = clock.nsecsElapsed() / 1e6;
    typing = false;
    typist.join();
    const auto [after, peak] = residentMb();
    if (!run->hasEnded() || delays.empty()) {
        out << "the run did not end\n";
        return 1;
    }
    const double alone = plainJavaMs(folder.path());
    out << kLines << (oneLine ? " pieces on one line" : " lines") << ", from the run's start to the last line on screen: " << shownMs << " ms\n"
        << "the same program into /dev/null from a plain java:           " << alone << " ms\n"
        << "keystrokes typed meanwhile: " << delays.size() << ", median delay " << median(delays)
        << " ms, worst " << *std::max_element(delays.begin(), delays.end()) << " ms\n"
        << "console lines kept: " << window.console()->view()->document()->blockCount() << "\n"
        << "window's memory: " << before << " MB before, " << after << " MB after, peak " << peak << " MB\n";
    return 0;
}

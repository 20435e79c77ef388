// How long opening and showing a 100,000-line Java file takes, how long one
// keystroke takes in it once it is open, and how long a caret move takes
// beside the class's opening brace, whose partner is the file's last line.
//
//   build/bench_open [lines]

#include "bench_support.h"

#include "app/document_page.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "editor/syn_memo.h"
#include "editor/text_file.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A long but ordinary student program: methods with loops, strings,
// comments and a block comment every so often.
QByteArray javaSource(int lineCount)
{
    QByteArray text;
    text.reserve(qsizetype(lineCount) * 40);
    text += "import java.util.*;\r\n\r\npublic class Grande {\r\n";
    int line = 3;
    int method = 0;
    while (line < lineCount - 1) {
        text += "    /* Método número " + QByteArray::number(method) + " */\r\n";
        text += "    public int metodo" + QByteArray::number(method) + "(int n) {\r\n";
        text += "        int soma = 0; // acumulador\r\n";
        text += "        for (int i = 0; i < n; i++) {\r\n";
        text += "            soma += i * " + QByteArray::number(method % 97) + ";\r\n";
        text += "            System.out.println(\"valor: \" + soma);\r\n";
        text += "        }\r\n";
        text += "        return soma;\r\n";
        text += "    }\r\n";
        line += 9;
        ++method;
    }
    text += "}";
    return text;
}

void settle(TSynMemo *editor)
{
    editor->viewport()->repaint();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessAsked();
    QApplication app(argc, argv);
    const int lineCount = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;

    QTemporaryDir dir;
    const QString path = dir.filePath("Grande.java");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(javaSource(lineCount));
    }

    // The part of opening that is reading and decoding alone.
    QElapsedTimer decodeClock;
    decodeClock.start();
    const auto decoded = TextFile::load(path, nullptr);
    const double decodeMs = decodeClock.nsecsElapsed() / 1e6;
    if (!decoded)
        return 1;

    std::vector<double> openTimes;
    std::vector<double> keyTimes;
    std::vector<double> bracketTimes;
    int lines = 0;
    for (int round = 0; round < 3; ++round) {
        Tfrmprincipal window(dir.path());
        window.resize(1200, 900);
        window.show();
        QApplication::processEvents();

        QElapsedTimer clock;
        clock.start();
        DocumentPage *page = window.pageOf(window.files().openFile(path));
        if (!page)
            return 1;
        TSynMemo *editor = page->editor();
        settle(editor);
        openTimes.push_back(clock.nsecsElapsed() / 1e6);
        lines = editor->Lines().Count();

        // Keystrokes in the middle of the file, each drawn before the next.
        editor->SetCaretY(lines / 2);
        settle(editor);
        for (int i = 0; i < 20; ++i) {
            clock.restart();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QApplication::sendEvent(editor, &press);
            QApplication::sendEvent(editor, &release);
            settle(editor);
            keyTimes.push_back(clock.nsecsElapsed() / 1e6);
        }

        // Left and right across "{" of "public class Grande {": each move
        // matches it with the closing brace at the end of the file.
        editor->SetCaretY(3);
        editor->moveCursor(QTextCursor::EndOfBlock);
        settle(editor);
        for (int i = 0; i < 20; ++i) {
            clock.restart();
            const Qt::Key key = i % 2 ? Qt::Key_Right : Qt::Key_Left;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(editor, &press);
            QApplication::sendEvent(editor, &release);
            settle(editor);
            bracketTimes.push_back(clock.nsecsElapsed() / 1e6);
        }
        if (editor->extraSelections().size() < 3)
            return 1;
        window.ClearModified();
    }

    std::printf("bench_open: %d lines\n", lines);
    std::printf("  open and show: median %.0f ms (runs: %.0f, %.0f, %.0f)\n", median(openTimes),
                openTimes[0], openTimes[1], openTimes[2]);
    std::printf("    of which reading and decoding: %.0f ms\n", decodeMs);
    std::printf("  one keystroke: median %.2f ms, worst %.2f ms (%zu keystrokes)\n",
                median(keyTimes), *std::max_element(keyTimes.begin(), keyTimes.end()),
                keyTimes.size());
    std::printf("  caret beside a brace matched %d lines away: median %.2f ms, worst %.2f ms (%zu moves)\n",
                lines - 3, median(bracketTimes),
                *std::max_element(bracketTimes.begin(), bracketTimes.end()), bracketTimes.size());
    return 0;
}

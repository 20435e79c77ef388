#pragma once

// Stepping a debugged program through the window, for the debugger's
// benchmarks: a key pressed on the editor as the keyboard would, timed until
// the session says what the step brought.
#include "bench_support.h"

#include "app/debug_commands.h"
#include "app/main_window.h"
#include "editor/syn_memo.h"
#include "javatools/debug_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTextStream>

#include <functional>

// Presses `key` and waits for the session's `signal`; `shown` then draws
// what is timed with it. The delay in ms, -1 when the signal never came.
template<typename Signal>
double stepUntil(Tfrmprincipal &window, int key, Signal signal, const std::function<void()> &shown = {})
{
    DebugSession *session = window.debugging().session();
    bool done = false;
    const auto connection = QObject::connect(session, signal, [&] { done = true; });
    QElapsedTimer clock;
    clock.start();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.currentEditor(), &press);
    while (!done && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QObject::disconnect(connection);
    if (!done)
        return -1;
    if (shown)
        shown();
    return clock.nsecsElapsed() / 1e6;
}

inline void reportSteps(QTextStream &out, const char *what, const std::vector<double> &delays)
{
    out << what << ": " << delays.size() << " steps, median " << median(delays) << " ms, worst "
        << *std::max_element(delays.begin(), delays.end()) << " ms\n";
}

// How long the try-it pane makes a student wait: from opening the pane
// (Ctrl+Shift+E) to the answer of a line typed at once, over fresh windows;
// then lines typed one after another in a warm session.
#include "app/main_window.h"
#include "app/try_commands.h"
#include "app/try_pane.h"
#include "bench_support.h"
#include "editor/syn_memo.h"
#include "javatools/try_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>

#include <memory>

namespace {

// Types `text` and Enter; the milliseconds until its answer, or -1.
double answerTime(Tfrmprincipal &window, const QString &text, QElapsedTimer &clock)
{
    TryPane *pane = window.tryIt().pane();
    bool answered = false;
    double took = -1;
    const QMetaObject::Connection done =
        QObject::connect(&window.tryIt().session(), &TrySession::answered, [&] {
            took = double(clock.nsecsElapsed()) / 1e6;
            answered = true;
        });
    QTest::keyClicks(pane->input(), text);
    QTest::keyClick(pane->input(), Qt::Key_Return);
    (void)QTest::qWaitFor([&] { return answered; }, 30000);
    QObject::disconnect(done);
    return took;
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessAsked();
    qputenv("TAVESSA_HELPERS", TAVESSA_BUILD_DIR);
    QApplication app(argc, argv);
    QTextStream out(stdout);

    std::vector<double> first;
    for (int run = 0; run < 5; ++run) {
        Tfrmprincipal window;
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        first.push_back(answerTime(window, QStringLiteral("7 / 2"), clock));
    }

    Tfrmprincipal window;
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    QElapsedTimer clock;
    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    clock.start();
    answerTime(window, QStringLiteral("int total = 0;"), clock);
    std::vector<double> later;
    const QStringList lines = {QStringLiteral("total * 2 + %1"), QStringLiteral("\"Ana\".repeat(%1)"),
                               QStringLiteral("Math.sqrt(%1)"), QStringLiteral("total += %1;")};
    for (int i = 0; i < 100; ++i) {
        clock.start();
        later.push_back(answerTime(window, lines.at(i % lines.size()).arg(i), clock));
    }

    out << "first answer after opening the pane (5 new windows): median "
        << QString::number(median(first), 'f', 0) << " ms, worst "
        << QString::number(*std::max_element(first.begin(), first.end()), 'f', 0) << " ms\n";
    out << "later lines (100, warm session): median " << QString::number(median(later), 'f', 1)
        << " ms, worst " << QString::number(*std::max_element(later.begin(), later.end()), 'f', 1) << " ms\n";
    const bool allAnswered = std::none_of(first.begin(), first.end(), [](double t) { return t < 0; })
                             && std::none_of(later.begin(), later.end(), [](double t) { return t < 0; });
    return allAnswered ? 0 : 1;
}

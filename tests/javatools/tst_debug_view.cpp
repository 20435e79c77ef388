#include "javatools/compiler_explanations.h"
#include "javatools/debug_session.h"
#include "javatools/debug_view.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

// The debugger's session and view, without a virtual machine: a recording of
// what the helper wrote for a real program is fed to the session in odd
// pieces, and what the session and the view make of it is checked.
class TestDebugView : public QObject
{
    Q_OBJECT

    struct Stop
    {
        DebugSession::Reason reason;
        int line;
        QList<DebugVariable> variables;
        QString exception;
    };

    static QByteArray recording()
    {
        QFile file(QStringLiteral(TAVESSA_SOURCE_DIR "/tests/javatools/debugger/contas.helper"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString valueOf(const QList<DebugVariable> &variables, const QString &name)
    {
        for (const DebugVariable &v : variables)
            if (v.name == name)
                return v.value;
        return QStringLiteral("(ausente)");
    }

private slots:
    void aRecordedSessionIsReadAndShown()
    {
        const QByteArray bytes = recording();
        QVERIFY(!bytes.isEmpty());
        DebugSession session(QStringLiteral("/nao/existe"), QStringLiteral("Contas"));
        QList<Stop> stops;
        QStringList events;
        connect(&session, &DebugSession::paused, this, [&] {
            stops.append({session.reason(), session.line(), session.variables(), session.exceptionText()});
            events << QStringLiteral("parou");
        });
        connect(&session, &DebugSession::resumed, this, [&] { events << QStringLiteral("rodando"); });
        connect(&session, &DebugSession::attached, this, [&] { events << QStringLiteral("ligado"); });
        connect(&session, &DebugSession::ended, this, [&] { events << QStringLiteral("fim"); });
        connect(&session, &DebugSession::breakpointDropped, this,
                [&](const QString &file, int line) { events << QStringLiteral("sem código %1:%2").arg(file).arg(line); });
        QList<DebugVariable> elements;
        connect(&session, &DebugSession::expanded, this, [&](qint64 id, const QList<DebugVariable> &children, int next) {
            events << QStringLiteral("abriu %1 %2").arg(id).arg(next);
            elements = children;
        });
        QSignalSpy failed(&session, &DebugSession::failed);
        // Pieces that cut lines, and a field, in two.
        for (qsizetype at = 0; at < bytes.size(); at += 7)
            session.takeOutput(bytes.mid(at, 7));

        QCOMPARE(failed.count(), 0);
        QCOMPARE(events, QStringList({"sem código Contas.java:2", "ligado", "parou", "rodando", "parou",
                                      "abriu 410 0", "rodando", "parou", "rodando", "parou", "rodando", "parou",
                                      "rodando", "fim"}));
        QCOMPARE(stops.size(), 5);
        QCOMPARE(stops.at(0).reason, DebugSession::Reason::Breakpoint);
        QCOMPARE(stops.at(2).reason, DebugSession::Reason::Step);
        QCOMPARE(stops.at(2).line, 6);
        QCOMPARE(stops.at(4).reason, DebugSession::Reason::Exception);
        QCOMPARE(stops.at(4).line, 8);
        QCOMPARE(stops.at(4).exception, QStringLiteral("java.lang.NullPointerException"));
        QCOMPARE(valueOf(stops.at(1).variables, "soma"), QStringLiteral("3"));
        QCOMPARE(valueOf(stops.at(4).variables, "s"), QStringLiteral("null"));
        QCOMPARE(elements.size(), 2);
        QCOMPARE(elements.at(1).name, QStringLiteral("[1]"));
        QCOMPARE(elements.at(1).value, QStringLiteral("4"));
        QVERIFY(!session.isPaused());

        // What the view marks: nothing at the first stop; "soma" (not "v",
        // not "args") at the second; "x" appears at the step; an element
        // counts only against a value of the last stop.
        DebugView view;
        const auto changed = [](const QList<ShownVariable> &rows) {
            QStringList names;
            for (const ShownVariable &row : rows)
                if (row.changed)
                    names << row.path;
            return names;
        };
        QCOMPARE(changed(view.stop("Contas.main", stops.at(0).variables)), QStringList());
        view.opened("Contas.main/v");
        view.asked(410, "Contas.main/v");
        const QList<ShownVariable> second = view.stop("Contas.main", stops.at(1).variables);
        QCOMPARE(changed(second), QStringList({"Contas.main/soma"}));
        QVERIFY(second.at(1).reopen);
        QVERIFY(!view.answered(410)); // the request of the last stop went with it
        view.asked(410, "Contas.main/v");
        QCOMPARE(view.answered(410), QString("Contas.main/v"));
        QCOMPARE(changed(view.children("Contas.main/v", elements)), QStringList());
        QCOMPARE(changed(view.stop("Contas.main", stops.at(2).variables)), QStringList({"Contas.main/x"}));
        QCOMPARE(changed(view.frame("Contas.main", stops.at(3).variables)), QStringList());

        // The stop's text, with the exception explained in Portuguese.
        const RunFacts facts{[](const QString &file) { return file == QLatin1String("Contas.java"); }, std::nullopt,
                             QString()};
        const QString text = DebugView::stopText(session, facts);
        QVERIFY2(text.startsWith(QStringLiteral("O programa parou por um erro na linha 8 de Contas.java: "
                                                "java.lang.NullPointerException\n")),
                 qPrintable(text));
        QVERIFY2(text.contains(CompilerExplanations::linePrefix().trimmed()), qPrintable(text));
        QCOMPARE(DebugView::framesOf(session.frames(), facts).value(0).label, QStringLiteral("Contas.main (Contas.java:8)"));
    }
};

QTEST_GUILESS_MAIN(TestDebugView)
#include "tst_debug_view.moc"

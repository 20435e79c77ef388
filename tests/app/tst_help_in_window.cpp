#include "app/help_bridge.h"
#include "app/main_window.h"
#include "dialog_answerer.h"
#include "help/cpp_web_browser.h"
#include "help/form10.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolButton>

// The help window inside the main program: "Ajuda do Korvine" (F1) shows it
// without blocking, the "Ajuda" button shows it modally, and the help pages
// only name commands that the main window really has.
class TestHelpInWindow : public QObject
{
    Q_OBJECT

private:
    static void writeStartPage(const QString &folder)
    {
        QDir().mkpath(folder + "/Help");
        QFile page(folder + "/Help/index.htm");
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Inicio</title></head><body><p>Ajuda</p></body></html>");
    }

    static QString caption(const QAction *action)
    {
        QString text = action->text();
        return text.remove('&');
    }

    // Every menu item of the main menu, as its chain of captions.
    static void collectPaths(QMenu *menu, QStringList prefix, QList<QStringList> &paths)
    {
        for (QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            QStringList path = prefix;
            path << caption(action);
            paths << path;
            if (action->menu())
                collectPaths(action->menu(), path, paths);
        }
    }

    static QList<QStringList> menuPaths(Tfrmprincipal &window)
    {
        QList<QStringList> paths;
        for (QAction *top : window.menuBar()->actions()) {
            paths << QStringList{caption(top)};
            if (top->menu())
                collectPaths(top->menu(), {caption(top)}, paths);
        }
        return paths;
    }

    static QAction *menuAction(Tfrmprincipal &window, const QStringList &path)
    {
        QList<QAction *> level = window.menuBar()->actions();
        QAction *found = nullptr;
        for (const QString &step : path) {
            found = nullptr;
            for (QAction *action : level)
                if (caption(action) == step)
                    found = action;
            if (!found)
                return nullptr;
            level = found->menu() ? found->menu()->actions() : QList<QAction *>();
        }
        return found;
    }

    // `steps` appear as consecutive levels somewhere in the menu tree.
    static bool menuHasPath(const QList<QStringList> &paths, const QStringList &steps)
    {
        for (const QStringList &path : paths)
            if (path.size() >= steps.size() && path.mid(path.size() - steps.size()) == steps)
                return true;
        return false;
    }

    static QStringList splitPath(const QString &text)
    {
        QStringList steps = text.split(QStringLiteral("›"));
        for (QString &step : steps)
            step = step.trimmed();
        return steps;
    }

    static QString plain(const QString &html)
    {
        return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
    }

    struct Named
    {
        QString page;
        QString text;
    };

    // The texts of every <span class="kind"> of the shipped pages.
    static QList<Named> namedInPages(const QString &kind)
    {
        QList<Named> result;
        const QRegularExpression span(
            QStringLiteral("<span class=\"%1\">(.*?)</span>").arg(kind),
            QRegularExpression::DotMatchesEverythingOption);
        QDirIterator it(QStringLiteral(TAVESSA_SOURCE_DIR "/Help"), {"*.htm"}, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString html = QString::fromUtf8(file.readAll());
            for (const auto &match : span.globalMatch(html))
                result.append({it.fileName(), plain(match.captured(1))});
        }
        return result;
    }

private slots:
    void menuEntryShowsHelpWithoutBlocking()
    {
        QTemporaryDir dir;
        writeStartPage(dir.path());
        Tfrmprincipal window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        TForm10 *form = window.help().Form10();
        QVERIFY(form);
        QCOMPARE(form, window.findChild<TForm10 *>(QStringLiteral("Form10")));
        QVERIFY(!form->isVisible());

        QAction *item = menuAction(window, {"Ajuda", "Ajuda do Korvine"});
        QVERIFY(item);
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));
        item->trigger(); // returns at once: nothing waits for the window
        QVERIFY(form->isVisible());
        QVERIFY(!form->isModal());
        QVERIFY(testsupport::noModalOpen());
        QCOMPARE(form->CppWebBrowser1()->source(),
                 QUrl::fromLocalFile(dir.path() + "/Help/index.htm"));
        QCOMPARE(form->CppWebBrowser1()->documentTitle(), QStringLiteral("Inicio"));

        // F1 before any document exists, with the help already open: no harm.
        form->hide();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(form->isVisible());
        QVERIFY(testsupport::noModalOpen());
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(form->isVisible());
    }

    void buttonShowsHelpModally()
    {
        QTemporaryDir dir;
        writeStartPage(dir.path());
        Tfrmprincipal window(dir.path());
        window.show();
        QToolButton *button = window.button(QStringLiteral("spdbajuda"));
        QVERIFY(button);
        QVERIFY(button->isEnabled());

        QPointer<QWidget> modal;
        QString shownTitle;
        testsupport::whenModal([&](QWidget *widget) {
            modal = widget;
            if (auto *form = qobject_cast<TForm10 *>(widget))
                shownTitle = form->CppWebBrowser1()->documentTitle();
            widget->close();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        // The click returned only after the modal help window was closed.
        QVERIFY(modal);
        QCOMPARE(modal.data(), window.help().Form10());
        QCOMPARE(shownTitle, QStringLiteral("Inicio"));
        QVERIFY(!window.help().Form10()->isVisible());
        QVERIFY(testsupport::noModalOpen());
    }

    void buttonBringsAnOpenHelpWindowForward()
    {
        QTemporaryDir dir;
        writeStartPage(dir.path());
        Tfrmprincipal window(dir.path());
        window.show();
        window.help().showHelp(false);
        TForm10 *form = window.help().Form10();
        QVERIFY(form->isVisible());

        bool blocked = false;
        testsupport::whenModal([&](QWidget *widget) {
            blocked = true;
            widget->close();
        }, 300);
        window.button(QStringLiteral("spdbajuda"))->click();
        QVERIFY(!blocked);
        QVERIFY(form->isVisible());
        QVERIFY(!form->isModal());
    }

    // Menu paths, toolbar buttons and the shortcut table of the help pages
    // name what the main window has, under the same captions.
    void helpPagesNameRealCommands()
    {
        QTemporaryDir dir;
        Tfrmprincipal window(dir.path());
        const QList<QStringList> paths = menuPaths(window);

        QStringList missing;
        for (const Named &named : namedInPages(QStringLiteral("menu")))
            if (!menuHasPath(paths, splitPath(named.text)))
                missing << named.page + ": menu " + named.text;

        QSet<QString> hints;
        for (QToolButton *button : window.findChildren<QToolButton *>())
            hints.insert(button->toolTip());
        for (const Named &named : namedInPages(QStringLiteral("botao")))
            if (!hints.contains(named.text))
                missing << named.page + ": button " + named.text;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("\n  "))));
    }

    void shortcutTableMatchesTheMenus()
    {
        QTemporaryDir dir;
        Tfrmprincipal window(dir.path());
        QFile file(QStringLiteral(TAVESSA_SOURCE_DIR "/Help/atalhos.htm"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        const QRegularExpression row(QStringLiteral(
            "<tr><td><span class=\"tecla\">([^<]+)</span></td>\\s*<td><span class=\"menu\">([^<]+)</span>"));
        int rows = 0;
        for (const auto &match : row.globalMatch(html)) {
            ++rows;
            const QString key = match.captured(1);
            const QString path = plain(match.captured(2));
            QAction *action = menuAction(window, splitPath(path));
            QVERIFY2(action, qPrintable(path));
            QVERIFY2(action->shortcut() == QKeySequence(key),
                     qPrintable(path + " has " + action->shortcut().toString() + ", page says " + key));
        }
        QCOMPARE(rows, 25);
    }
};

QTEST_MAIN(TestHelpInWindow)
#include "tst_help_in_window.moc"

#include "help/cpp_web_browser.h"
#include "help/help_navigation_bar.h"
#include "helpviewer/help.h"
#include "../help/help_test_pages.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// Lumenta's window: it opens the index.htm that lies directly in its own
// folder, shows a clear page when it is missing, and its shipped start page
// leads into the help pages beside it.
class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void windowProperties()
    {
        QTemporaryDir dir;
        THelp window(dir.path());
        QCOMPARE(window.objectName(), QStringLiteral("Help"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(window.size(), QSize(978, 614));

        auto *browser = window.findChild<QTextBrowser *>(QStringLiteral("browser"));
        QVERIFY(browser);
        QCOMPARE(browser, window.browser());
        QVERIFY(!(browser->focusPolicy() & Qt::TabFocus));
        for (QToolButton *button : window.findChildren<QToolButton *>())
            QVERIFY(!(button->focusPolicy() & Qt::TabFocus));
        // Assistive tools present it as a window, not as a filler.
        QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
        window.show();
        QCOMPARE(browser->width(), window.width());
        QCOMPARE(browser->geometry().bottom(), window.rect().bottom());
    }

    void opensIndexInItsOwnFolder_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("plain folder") << QString();
        QTest::newRow("trailing separator") << QStringLiteral("/");
    }

    void opensIndexInItsOwnFolder()
    {
        QFETCH(QString, suffix);
        QTemporaryDir dir;
        helptest::writePage(dir.path() + "/index.htm", "Lumenta", "<p>Pagina do Lumenta</p>");
        helptest::writePage(dir.path() + "/Help/index.htm", "Tavessa", "<p>Ajuda do Tavessa</p>");

        // Opened at start-up, before the window is ever shown.
        THelp window(dir.path() + suffix);
        QCOMPARE(window.startLocation(), dir.path() + "/index.htm");
        QCOMPARE(window.browser()->source(), QUrl::fromLocalFile(dir.path() + "/index.htm"));
        QCOMPARE(window.browser()->documentTitle(), QStringLiteral("Lumenta"));
    }

    void missingIndexNamesWhereItLooked()
    {
        QTemporaryDir dir;
        // Only the subfolder has a start page; Lumenta does not look there.
        helptest::writePage(dir.path() + "/Help/index.htm", "Tavessa", "<p>Ajuda do Tavessa</p>");
        THelp window(dir.path());
        const QString text = window.browser()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("não foi encontrada")), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(dir.path() + "/index.htm")), qPrintable(text));
    }

    // The build puts Lumenta's start page beside the executable, and its links
    // lead into the Help folder that lies there too.
    void shippedStartPageLeadsIntoTheHelp()
    {
        const QString build = QStringLiteral(TAVESSA_BUILD_DIR);
        if (!QFileInfo::exists(build + "/lumenta"))
            QSKIP("lumenta has not been built in this build folder");
        QFile shipped(build + "/index.htm");
        QFile source(QStringLiteral(TAVESSA_SOURCE_DIR "/helpviewer/index.htm"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QCOMPARE(shipped.readAll(), source.readAll());

        THelp window(build);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.browser()->documentTitle(), QStringLiteral("Lumenta: ajuda do Tavessa"));
        QVERIFY(helptest::clickText(window.browser(), QStringLiteral("Primeiros passos")));
        QTRY_COMPARE(window.browser()->source().fileName(), QStringLiteral("primeiros_passos.htm"));
        QCOMPARE(window.browser()->documentTitle(), QStringLiteral("Primeiros passos"));

        QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(window.browser()->documentTitle(), QStringLiteral("Lumenta: ajuda do Tavessa"));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"

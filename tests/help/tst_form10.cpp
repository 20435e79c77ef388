#include "help/cpp_web_browser.h"
#include "help/form10.h"
#include "help/help_navigation_bar.h"
#include "help_test_pages.h"

#include <QLayout>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// Tavessa's help window: where it starts, that every showing starts again at
// the start page, the page for missing files, and the navigation buttons.
class TestForm10 : public QObject
{
    Q_OBJECT

private:
    // A program folder with Help/index.htm linking to Help/outra.htm.
    static void writeSite(const QString &folder)
    {
        helptest::writePage(folder + "/Help/index.htm", "Inicio",
                            "<p>Pagina inicial</p><p><a href=\"outra.htm\">Ir para outra</a></p>"
                            "<p><a href=\"nada.htm\">Link quebrado</a></p>");
        helptest::writePage(folder + "/Help/outra.htm", "Outra", "<p>Segunda pagina</p>");
    }

    static QUrl fileUrl(const QString &path) { return QUrl::fromLocalFile(path); }

private slots:
    void windowProperties()
    {
        TForm10 form(QStringLiteral("/nenhum"));
        QCOMPARE(form.objectName(), QStringLiteral("Form10"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Ajuda"));
        QCOMPARE(form.size(), QSize(870, 640));
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!form.isVisible());

        auto *browser = form.findChild<QTextBrowser *>(QStringLiteral("CppWebBrowser1"));
        QVERIFY(browser);
        QCOMPARE(browser, form.CppWebBrowser1());
        form.show();
        // The browser takes all of the window below the navigation buttons.
        QCOMPARE(browser->width(), form.width());
        QCOMPARE(browser->geometry().bottom(), form.rect().bottom());
        QVERIFY(browser->height() > form.height() - 60);
    }

    void startLocation_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("plain folder") << QString();
        QTest::newRow("trailing separator") << QStringLiteral("/");
    }

    void startLocation()
    {
        QFETCH(QString, suffix);
        QTemporaryDir dir;
        writeSite(dir.path());
        // A decoy beside the program must not be taken for the help.
        helptest::writePage(dir.path() + "/index.htm", "Errada", "<p>Fora da pasta Help</p>");

        TForm10 form(dir.path() + suffix);
        QCOMPARE(form.startLocation(), dir.path() + "/Help/index.htm");
        form.show();
        QCOMPARE(form.CppWebBrowser1()->source(), fileUrl(dir.path() + "/Help/index.htm"));
        QCOMPARE(form.CppWebBrowser1()->documentTitle(), QStringLiteral("Inicio"));
    }

    void everyShowingStartsAtStartPage()
    {
        QTemporaryDir dir;
        writeSite(dir.path());
        TForm10 form(dir.path());
        TCppWebBrowser *browser = form.CppWebBrowser1();

        form.show();
        QVERIFY(helptest::clickText(browser, QStringLiteral("Ir para outra")));
        QTRY_COMPARE(browser->documentTitle(), QStringLiteral("Outra"));
        // The link's visit is done once it is in the history.
        QTRY_VERIFY(browser->isBackwardAvailable());
        form.hide();

        // The start page changed on disk meanwhile: the next showing reads it again.
        helptest::writePage(dir.path() + "/Help/index.htm", "Inicio novo", "<p>Mudou</p>");
        form.show();
        QCOMPARE(browser->source(), fileUrl(dir.path() + "/Help/index.htm"));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Inicio novo"));
        // A fresh visit: nothing to go back to.
        QVERIFY(!browser->isBackwardAvailable());
        QVERIFY(!form.navigationBar()->backButton()->isEnabled());

        // Shown again while still on the start page: read again as well.
        form.hide();
        helptest::writePage(dir.path() + "/Help/index.htm", "Terceira vez", "<p>De novo</p>");
        form.show();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Terceira vez"));
    }

    void missingStartPage()
    {
        QTemporaryDir dir;
        TForm10 form(dir.path());
        form.show();
        const QString text = form.CppWebBrowser1()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("não foi encontrada")), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(dir.path() + "/Help/index.htm")),
                 qPrintable(text));
        QCOMPARE(form.CppWebBrowser1()->documentTitle(), QStringLiteral("Ajuda não encontrada"));

        // Once the pages are installed, the next showing finds them.
        form.hide();
        writeSite(dir.path());
        form.show();
        QCOMPARE(form.CppWebBrowser1()->documentTitle(), QStringLiteral("Inicio"));
    }

    void brokenLinkNamesTheMissingFile()
    {
        QTemporaryDir dir;
        writeSite(dir.path());
        TForm10 form(dir.path());
        form.show();
        QVERIFY(helptest::clickText(form.CppWebBrowser1(), QStringLiteral("Link quebrado")));
        QTRY_VERIFY(form.CppWebBrowser1()->toPlainText().contains(
            QDir::toNativeSeparators(dir.path() + "/Help/nada.htm")));
        // Back still leads home from the missing page.
        form.navigationBar()->backButton()->click();
        QCOMPARE(form.CppWebBrowser1()->documentTitle(), QStringLiteral("Inicio"));
    }

    void navigationButtonsAndKeys()
    {
        QTemporaryDir dir;
        writeSite(dir.path());
        TForm10 form(dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        TCppWebBrowser *browser = form.CppWebBrowser1();
        HelpNavigationBar *bar = form.navigationBar();
        QVERIFY(!bar->forwardButton()->isEnabled());

        QVERIFY(helptest::clickText(browser, QStringLiteral("Ir para outra")));
        QTRY_COMPARE(browser->documentTitle(), QStringLiteral("Outra"));
        QVERIFY(bar->backButton()->isEnabled());

        QTest::keyClick(&form, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(browser->documentTitle(), QStringLiteral("Inicio"));
        QVERIFY(bar->forwardButton()->isEnabled());
        QTest::keyClick(&form, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(browser->documentTitle(), QStringLiteral("Outra"));

        bar->startButton()->click();
        QCOMPARE(browser->source(), fileUrl(dir.path() + "/Help/index.htm"));
        bar->backButton()->click();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Outra"));
    }
};

QTEST_MAIN(TestForm10)
#include "tst_form10.moc"

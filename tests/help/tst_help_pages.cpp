#include "help/cpp_web_browser.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

// The shipped help pages: every link and image leads to a file that exists
// (and to an anchor that exists), every page is reachable from the start
// pages, and every page is well-formed enough for the help viewers.
class TestHelpPages : public QObject
{
    Q_OBJECT

private:
    struct Page
    {
        QString file;    // where the page lies in the source tree
        QString shipped; // where it lies once installed, relative to the program folder
    };

    // Tavessa's pages ship in Help/; Lumenta's start page ships beside the
    // executables, next to Help/, so its links are resolved from there.
    static QList<Page> pages()
    {
        QList<Page> result;
        const QString source = QStringLiteral(TAVESSA_SOURCE_DIR);
        QDirIterator it(source + "/Help", {"*.htm", "*.html"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            result.append({file, QDir(source).relativeFilePath(file)});
        }
        result.append({source + "/helpviewer/index.htm", QStringLiteral("index.htm")});
        return result;
    }

    // The installed file that `shipped` stands for, in the source tree.
    static QString sourceFileOf(const QString &shipped)
    {
        const QString source = QStringLiteral(TAVESSA_SOURCE_DIR);
        if (shipped == QStringLiteral("index.htm"))
            return source + "/helpviewer/index.htm";
        return source + '/' + shipped;
    }

    static QString read(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(file.readAll());
        return utf8.hasError() ? QString() : text;
    }

    static QStringList references(const QString &html)
    {
        static const QRegularExpression attribute(
            QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
            QRegularExpression::CaseInsensitiveOption);
        QStringList result;
        for (const auto &match : attribute.globalMatch(html))
            result.append(match.captured(1));
        return result;
    }

    static bool hasAnchor(const QString &html, const QString &anchor)
    {
        const QString escaped = QRegularExpression::escape(anchor);
        return html.contains(QRegularExpression(
            QStringLiteral("(?:id|name)\\s*=\\s*\"%1\"").arg(escaped)));
    }

private slots:
    void everyPage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shipped");
        const QList<Page> all = pages();
        QVERIFY(all.size() > 5);
        for (const Page &page : all)
            QTest::newRow(qPrintable(page.shipped)) << page.file << page.shipped;
    }

    void everyPage()
    {
        QFETCH(QString, file);
        QFETCH(QString, shipped);
        const QString html = read(file);
        QVERIFY2(!html.isEmpty(), "unreadable or not valid UTF-8");

        QStringList problems;
        if (!html.contains(QStringLiteral("<meta charset=\"utf-8\">")))
            problems << QStringLiteral("no <meta charset=\"utf-8\">");
        if (!QRegularExpression(QStringLiteral("<title>[^<]+</title>")).match(html).hasMatch())
            problems << QStringLiteral("no title");
        if (!QRegularExpression(QStringLiteral("<link rel=\"stylesheet\"[^>]*href=\"[^\"]*estilo\\.css\""))
                 .match(html)
                 .hasMatch())
            problems << QStringLiteral("does not use the shared style sheet");
        // A bare "&" is either an access-key mark copied from a menu caption
        // or an unescaped ampersand; both show up wrong.
        static const QRegularExpression bareAmpersand(QStringLiteral("&(?![A-Za-z]+;|#[0-9]+;)"));
        for (const auto &match : bareAmpersand.globalMatch(html))
            problems << QStringLiteral("bare '&' near: ") + html.mid(qMax(qsizetype(0), match.capturedStart() - 10), 30);

        const QDir base = QFileInfo(shipped).dir();
        for (const QString &reference : references(html)) {
            if (reference.contains(QStringLiteral("://")) || reference.startsWith("mailto:")) {
                problems << QStringLiteral("leaves the help: ") + reference;
                continue;
            }
            const qsizetype hash = reference.indexOf('#');
            const QString target = hash < 0 ? reference : reference.left(hash);
            const QString anchor = hash < 0 ? QString() : reference.mid(hash + 1);
            const QString targetShipped =
                target.isEmpty() ? shipped : QDir::cleanPath(base.filePath(target));
            const QString targetFile = sourceFileOf(targetShipped);
            if (targetShipped.startsWith(QStringLiteral("..")) || !QFileInfo::exists(targetFile)) {
                problems << QStringLiteral("broken link: ") + reference;
                continue;
            }
            if (!anchor.isEmpty() && !hasAnchor(read(targetFile), anchor))
                problems << QStringLiteral("missing anchor: ") + reference;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n  "))));
    }

    void everyPageIsReachableFromTheStartPages()
    {
        QSet<QString> seen;
        QStringList queue{QStringLiteral("Help/index.htm"), QStringLiteral("index.htm")};
        while (!queue.isEmpty()) {
            const QString shipped = queue.takeFirst();
            if (seen.contains(shipped))
                continue;
            seen.insert(shipped);
            const QDir base = QFileInfo(shipped).dir();
            for (const QString &reference : references(read(sourceFileOf(shipped)))) {
                const QString target = reference.section('#', 0, 0);
                if (target.endsWith(QStringLiteral(".htm")))
                    queue.append(QDir::cleanPath(base.filePath(target)));
            }
        }
        QStringList orphans;
        for (const Page &page : pages())
            if (!seen.contains(page.shipped))
                orphans << page.shipped;
        QVERIFY2(orphans.isEmpty(), qPrintable(orphans.join(QStringLiteral(", "))));
    }

    // The viewers load each page, its style sheet and its title as shipped.
    void everyPageLoadsInTheViewer()
    {
        TCppWebBrowser browser;
        for (const Page &page : pages()) {
            browser.Navigate(page.file);
            const QString text = browser.toPlainText();
            QVERIFY2(!text.contains(QStringLiteral("não foi encontrada")), qPrintable(page.shipped));
            QVERIFY2(!browser.documentTitle().isEmpty(), qPrintable(page.shipped));
            QVERIFY2(text.size() > 200, qPrintable(page.shipped));
        }
    }
};

QTEST_MAIN(TestHelpPages)
#include "tst_help_pages.moc"

#pragma once

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

// Small help sites written into temporary folders, and a click on a link the
// way a student clicks it.
namespace helptest {

inline void writePage(const QString &path, const QString &title, const QString &body)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                              "<body>%2</body></html>")
                   .arg(title, body)
                   .toUtf8());
}

// Clicks the middle of the first occurrence of `text` in the browser.
inline bool clickText(QTextBrowser *browser, const QString &text)
{
    const QTextCursor found = browser->document()->find(text);
    if (found.isNull())
        return false;
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    const QPoint point = browser->cursorRect(middle).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    return true;
}

} // namespace helptest

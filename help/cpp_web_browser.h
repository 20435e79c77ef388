#pragma once

#include <QTextBrowser>

// The help viewers' browser control: a QTextBrowser that opens local HTML
// files by path and shows a Portuguese "not found" page, naming the file it
// looked for, wherever a page is missing (the start page or a broken link).
class TCppWebBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit TCppWebBrowser(QWidget *parent = nullptr);

    // Opens the HTML file at `path`; when it is already shown it is read
    // again from disk, so the page always reflects the file as it is now.
    void Navigate(const QString &path);

    // The page shown in place of a missing file.
    static QString missingPageHtml(const QString &path);

    QVariant loadResource(int type, const QUrl &name) override;
};

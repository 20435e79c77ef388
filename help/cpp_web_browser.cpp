#include "help/cpp_web_browser.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

TCppWebBrowser::TCppWebBrowser(QWidget *parent) : QTextBrowser(parent)
{
    // Help pages only link to each other; nothing is handed to a web browser.
    setOpenExternalLinks(false);
    setOpenLinks(true);
    document()->setDocumentMargin(12);
}

void TCppWebBrowser::Navigate(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (source() == url)
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
}

QString TCppWebBrowser::missingPageHtml(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path).toHtmlEscaped();
    return QStringLiteral(
               "<html><head><meta charset=\"utf-8\"><title>Ajuda não encontrada</title></head>"
               "<body style=\"font-family: sans-serif; margin: 16px;\">"
               "<h2 style=\"color: #a03020;\">Ajuda não encontrada</h2>"
               "<p>A página de ajuda não foi encontrada.</p>"
               "<p>O arquivo procurado foi:</p>"
               "<p style=\"font-family: monospace; background-color: #f2f2f2;\">%1</p>"
               "<p>Verifique se as páginas de ajuda (a pasta <b>Help</b> e o arquivo "
               "<b>index.htm</b>) foram instaladas junto com o programa.</p>"
               "</body></html>")
        .arg(shown);
}

QVariant TCppWebBrowser::loadResource(int type, const QUrl &name)
{
    const QVariant data = QTextBrowser::loadResource(type, name);
    const bool page = type == QTextDocument::HtmlResource || type == QTextDocument::UnknownResource;
    if (page && !data.isValid()) {
        const QUrl resolved = source().isValid() ? source().resolved(name) : name;
        return missingPageHtml(resolved.isLocalFile() ? resolved.toLocalFile() : resolved.toString());
    }
    return data;
}

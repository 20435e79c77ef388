#include "app/edit_commands.h"

#include "app/class_name.h"

#include "app/document_page.h"
#include "app/find_replace_dialog.h"
#include "app/text_printer.h"
#include "app/text_search.h"
#include "common/message_boxes.h"
#include "editor/code_formatter.h"
#include "editor/document_lines.h"
#include "editor/syn_memo.h"
#include "editor/text_file.h"

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>

namespace {

QString notFound(const QString &what)
{
    return QStringLiteral("\"%1\" não foi encontrado.").arg(what);
}

QString replacedCount(int count)
{
    return count == 1 ? QStringLiteral("1 ocorrência substituída.")
                      : QStringLiteral("%1 ocorrências substituídas.").arg(count);
}

} // namespace

EditCommands::EditCommands(QTabWidget &pages, QWidget *window)
    : m_pages(pages), m_window(window)
{
}

EditCommands::~EditCommands() = default;

TSynMemo *EditCommands::editor() const
{
    const DocumentPage *page = currentPage(m_pages);
    return page ? page->editor() : nullptr;
}

// The editor shows the document's text, whose undo history holds the design
// too: from the code or the design page alike, one step takes both back, and
// the caret goes where the text changed.
void EditCommands::Undo()
{
    if (TSynMemo *editor = this->editor())
        editor->Undo();
}

void EditCommands::Redo()
{
    if (TSynMemo *editor = this->editor())
        editor->Redo();
}

void EditCommands::Cut()
{
    if (TSynMemo *editor = this->editor())
        editor->CutToClipboard();
}

void EditCommands::Copy()
{
    if (TSynMemo *editor = this->editor())
        editor->CopyToClipboard();
}

void EditCommands::Paste()
{
    if (TSynMemo *editor = this->editor())
        editor->PasteFromClipboard();
}

void EditCommands::SelectAll()
{
    if (TSynMemo *editor = this->editor())
        editor->SelectAll();
}

// --- Find and replace ------------------------------------------------------------

FindReplaceDialog &EditCommands::ReplaceDialog1()
{
    if (!m_replaceDialog) {
        m_replaceDialog = new FindReplaceDialog(m_window);
        connect(m_replaceDialog, &FindReplaceDialog::findNextRequested, this,
                &EditCommands::findNext);
        connect(m_replaceDialog, &FindReplaceDialog::replaceRequested, this,
                &EditCommands::replace);
        connect(m_replaceDialog, &FindReplaceDialog::replaceAllRequested, this,
                &EditCommands::replaceAll);
    }
    return *m_replaceDialog;
}

void EditCommands::Find()
{
    TSynMemo *editor = this->editor();
    if (!editor)
        return;
    FindReplaceDialog &dialog = ReplaceDialog1();
    // A selection within one line is what the student wants to find.
    const QString selected = editor->SelText();
    if (!selected.isEmpty() && !selected.contains(QLatin1Char('\r'))
        && !selected.contains(QLatin1Char('\n')) && !selected.contains(QChar::ParagraphSeparator))
        dialog.setFindText(selected);
    dialog.setStatus(QString());
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void EditCommands::select(TSynMemo &editor, qsizetype position, qsizetype length)
{
    editor.SetSelStart(int(position));
    editor.SetSelLength(int(length));
    editor.ensureCursorVisible();
}

bool EditCommands::findNext()
{
    FindReplaceDialog &dialog = ReplaceDialog1();
    TSynMemo *editor = this->editor();
    const QString what = dialog.findText();
    if (!editor || what.isEmpty()) {
        dialog.setStatus(editor ? QString() : QStringLiteral("Nenhum documento aberto."));
        return false;
    }
    const TextSearch::Options options = dialog.options();
    const qsizetype from =
        options.forward ? editor->SelStart() + editor->SelLength() : editor->SelStart();
    const TextSearch::Hit hit = TextSearch::findNext(editor->Text(), what, from, options);
    if (!hit.found()) {
        dialog.setStatus(notFound(what));
        return false;
    }
    select(*editor, hit.position, what.size());
    if (!hit.wrapped)
        dialog.setStatus(QString());
    else if (options.forward)
        dialog.setStatus(QStringLiteral("A busca chegou ao fim do texto e continuou do início."));
    else
        dialog.setStatus(QStringLiteral("A busca chegou ao início do texto e continuou do fim."));
    return true;
}

bool EditCommands::replace()
{
    FindReplaceDialog &dialog = ReplaceDialog1();
    TSynMemo *editor = this->editor();
    const QString what = dialog.findText();
    if (editor && !what.isEmpty()) {
        const TextSearch::Options options = dialog.options();
        const int start = editor->SelStart();
        if (editor->SelLength() == what.size()
            && TextSearch::matchesAt(editor->Text(), what, start, options)) {
            const QString replacement = dialog.replaceText();
            editor->SetSelText(replacement);
            // Go on past the new text, so that a replacement that holds the
            // find text is not found again.
            select(*editor, options.forward ? start + replacement.size() : start, 0);
        }
    }
    return findNext();
}

int EditCommands::replaceAll()
{
    FindReplaceDialog &dialog = ReplaceDialog1();
    TSynMemo *editor = this->editor();
    const QString what = dialog.findText();
    if (!editor || what.isEmpty()) {
        dialog.setStatus(editor ? QString() : QStringLiteral("Nenhum documento aberto."));
        return 0;
    }
    const QList<qsizetype> positions =
        TextSearch::findAll(editor->Text(), what, dialog.options());
    if (positions.isEmpty()) {
        dialog.setStatus(notFound(what));
        return 0;
    }
    const QString replacement = dialog.replaceText();
    // One edit block makes the whole replacement one undo step. From the last
    // match back, so that the earlier offsets stay valid.
    QTextCursor group(editor->document());
    group.beginEditBlock();
    for (qsizetype i = positions.size() - 1; i >= 0; --i) {
        editor->SetSelStart(int(positions[i]));
        editor->SetSelLength(int(what.size()));
        editor->SetSelText(replacement);
    }
    group.endEditBlock();
    dialog.setStatus(replacedCount(int(positions.size())));
    return int(positions.size());
}

// --- Font ----------------------------------------------------------------------

QFontDialog &EditCommands::fntdlg()
{
    if (!m_fontDialog) {
        m_fontDialog = new QFontDialog(m_window);
        m_fontDialog->setObjectName(QStringLiteral("fntdlg"));
        m_fontDialog->setOption(QFontDialog::DontUseNativeDialog);
        m_fontDialog->setWindowTitle(QStringLiteral("Fonte"));
    }
    return *m_fontDialog;
}

void EditCommands::Font()
{
    TSynMemo *editor = this->editor();
    if (!editor)
        return;
    QFontDialog &dialog = fntdlg();
    // The dialog lists the fonts really installed; a family that is only a
    // name the system substitutes ("Courier New" here) would leave it on its
    // first entry, and OK alone would change the font. So it opens on the
    // family actually drawn.
    QFont preset = editor->BaseFont();
    preset.setFamilies({QFontInfo(preset).family()});
    dialog.setCurrentFont(preset);
    // Cancel leaves the editor as it was. The zoom stays on top of the font.
    if (dialog.exec() == QDialog::Accepted)
        editor->SetBaseFont(dialog.selectedFont());
}

// --- Format --------------------------------------------------------------------

void EditCommands::Format()
{
    TSynMemo *editor = this->editor();
    if (!editor)
        return;
    QTextDocument &text = *editor->document();
    // Lines put in as one entry with line breaks become lines of their own.
    DocumentLines::of(text).SplitEntries();
    QStringList lines;
    for (QTextBlock block = text.firstBlock(); block.isValid(); block = block.next())
        lines << block.text();
    // A page of HTML or JSP is markup around its Java: its layout is the author's.
    if (IsMarkupPage(lines)) {
        messages::information(m_window, QStringLiteral("\"Formatar código\" arruma só código Java; "
                                                       "esta página HTML ou JSP ficou como estava."));
        return;
    }
    int first = 0;
    int last = -1;
    const QTextCursor caret = editor->textCursor();
    if (caret.hasSelection()) {
        const QTextBlock end = text.findBlock(caret.selectionEnd());
        first = text.findBlock(caret.selectionStart()).blockNumber();
        // A selection that ends at the start of a line does not take it in.
        last = end.blockNumber() - (caret.selectionEnd() == end.position() && end.blockNumber() > first ? 1 : 0);
    }
    const QStringList formatted = codeformat::format(lines, codeformat::indentUnit(lines), first, last);
    const auto leading = [](const QString &line) {
        qsizetype n = 0;
        while (n < line.size() && (line.at(n) == QLatin1Char(' ') || line.at(n) == QLatin1Char('\t')))
            ++n;
        return n;
    };
    // Only the blanks at the start of a line change, all in one undo step.
    QTextCursor edit(&text);
    edit.beginEditBlock();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (formatted.at(i) == lines.at(i))
            continue;
        const QTextBlock block = text.findBlockByNumber(int(i));
        edit.setPosition(block.position());
        edit.setPosition(block.position() + int(leading(lines.at(i))), QTextCursor::KeepAnchor);
        edit.insertText(formatted.at(i).left(leading(formatted.at(i))));
    }
    edit.endEditBlock();
}

// --- Print ---------------------------------------------------------------------

QPrinter &EditCommands::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        m_printer->setCopyCount(1);
    }
    return *m_printer;
}

void EditCommands::setPrintDialogStandIn(std::function<bool(QPrinter &)> standIn)
{
    m_printDialogStandIn = std::move(standIn);
}

void EditCommands::Print()
{
    TSynMemo *editor = this->editor();
    if (!editor)
        return;
    QPrinter &printer = this->printer();
    bool accepted = false;
    if (m_printDialogStandIn) {
        accepted = m_printDialogStandIn(printer);
    } else {
        QPrintDialog dialog(&printer, m_window);
        dialog.setObjectName(QStringLiteral("prtdlg"));
        dialog.setWindowTitle(QStringLiteral("Imprimir"));
        dialog.setMinMax(1, 999);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                          | QAbstractPrintDialog::PrintCollateCopies
                          | QAbstractPrintDialog::PrintShowPageSize);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return;

    printer.setDocName(QStringLiteral("Impressão Tavessa"));
    // Through Text(), so that an entry holding line breaks prints as its lines.
    const TextPrinter job(TextFile::splitLines(editor->Text()), editor->font());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TextPrinter::Result result = job.print(printer);
    QApplication::restoreOverrideCursor();
    switch (result) {
    case TextPrinter::Result::Printed:
        break;
    case TextPrinter::Result::NothingInRange: {
        const int pages = job.pageCount(printer);
        messages::warning(m_window,
                          pages == 1
                              ? QStringLiteral("As páginas pedidas não existem: o texto tem 1 página.")
                              : QStringLiteral("As páginas pedidas não existem: o texto tem %1 páginas.")
                                    .arg(pages));
        break;
    }
    case TextPrinter::Result::PrinterFailed:
        messages::error(m_window,
                        QStringLiteral("Não foi possível imprimir: a impressora não pôde ser usada."));
        break;
    }
}

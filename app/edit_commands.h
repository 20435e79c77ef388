#pragma once

#include <QObject>
#include <functional>
#include <memory>

class FindReplaceDialog;
class QFontDialog;
class QPrinter;
class QTabWidget;
class QWidget;
class TSynMemo;

// The editing commands on the editor of the active page: undo and redo (of
// its document's text and design together), the clipboard, select all, find
// and replace, font and printing. Each does nothing with no page open.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    // `pages` holds the document pages; dialogs open over `window`.
    EditCommands(QTabWidget &pages, QWidget *window);
    ~EditCommands() override;

    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void SelectAll();
    // Shows the modeless find-and-replace dialog.
    void Find();
    void Font();
    // "Formatar código": the selected lines, or the whole text, indented by
    // the depth of their braces, as one undo step.
    void Format();
    void Print();

    // The dialog's three commands, on the current editor. Each says in the
    // dialog what it found; findNext and replace return whether a match is
    // now selected, replaceAll how many it replaced.
    bool findNext();
    bool replace();
    int replaceAll();

    FindReplaceDialog &ReplaceDialog1();
    QFontDialog &fntdlg();
    // The printer the print dialog sets up; it keeps its settings between jobs.
    QPrinter &printer();
    // Stands in for the print dialog (for tests): adjusts the printer and
    // answers whether to print.
    void setPrintDialogStandIn(std::function<bool(QPrinter &)> standIn);

private:
    TSynMemo *editor() const;
    void select(TSynMemo &editor, qsizetype position, qsizetype length);

    QTabWidget &m_pages;
    QWidget *m_window;
    FindReplaceDialog *m_replaceDialog = nullptr;
    QFontDialog *m_fontDialog = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    std::function<bool(QPrinter &)> m_printDialogStandIn;
};

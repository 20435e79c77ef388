#include "app/build_commands.h"

#include "app/class_name.h"
#include "app/document_page.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "common/message_boxes.h"
#include "common/wait_cursor.h"
#include "editor/syn_memo.h"
#include "editor/text_file.h"
#include "javatools/compiler_explanations.h"
#include "javatools/compiler_messages.h"
#include "javatools/exec_script.h"
#include "javatools/javac_compiler.h"
#include "javatools/terminal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QTextBlock>
#include <QToolButton>

namespace {

const QString kNotStarted = QStringLiteral("Não foi possível cria o processo");
const QString kSucceeded = QStringLiteral("Compilação completada com sucesso!");
const QString kFailed = QStringLiteral("Compilação completada com erro!");
const QString kNoPublicClass =
    QStringLiteral("Nenhuma classe pública foi encontrada no código: o programa precisa de uma "
                   "linha \"public class Nome\", com um nome de classe Java válido, para ser "
                   "executado.");
const QString kNotSaved = QStringLiteral("O documento ainda não foi salvo em uma pasta; salve-o "
                                         "(ou compile-o) antes de executar.");

QString folderOf(const DocumentPage *page)
{
    const QString path = page ? page->documentPath() : QString();
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}

// Puts the caret on 1-based `line`, at `column` when it is known.
void placeCaret(TSynMemo &editor, int line, int column)
{
    const QTextBlock block = editor.document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    if (column > 0)
        cursor.setPosition(block.position() + qMin(column, block.length() - 1));
    editor.setTextCursor(cursor);
    editor.ensureCursorVisible();
}

} // namespace

BuildCommands::BuildCommands(Tfrmprincipal &window)
    : m_window(window), m_compiler(std::make_unique<JavacCompiler>())
{
    connect(m_window.lstLog(), &QListWidget::itemActivated, this,
            &BuildCommands::lstLogDblClick);
}

BuildCommands::~BuildCommands() = default;

void BuildCommands::setTimeLimit(int milliseconds)
{
    m_compiler = std::make_unique<JavacCompiler>(milliseconds);
}

// --- Compile -----------------------------------------------------------------

void BuildCommands::Compile()
{
    DocumentPage *page = m_window.activePage();
    if (!page)
        return;
    // A cancelled or failed save stops here; the save said why, if anything.
    if (!m_window.files().SaveCurrentDocument() || m_window.IsModified())
        return;
    const QString source = page->documentPath();
    if (source.isEmpty())
        return;

    JavacCompiler::Result result;
    {
        WaitCursor wait;
        result = m_compiler->compile(source, page->encoding());
    }
    switch (result.verdict) {
    case JavacCompiler::Verdict::FileError:
        messages::error(&m_window, result.error);
        return;
    case JavacCompiler::Verdict::NotStarted:
        messages::exclamation(&m_window, kNotStarted);
        return;
    default:
        break;
    }

    showCompilerLines(result.messages, QFileInfo(source).absolutePath());
    if (result.verdict == JavacCompiler::Verdict::TimedOut)
        addLogLine(QStringLiteral("Tempo esgotado: o compilador não terminou em %1 segundos e "
                                  "foi interrompido.")
                       .arg(m_compiler->timeLimitMs() / 1000.0));
    m_window.button(QStringLiteral("spdbexecutar"))->setEnabled(true);
    m_window.menuItem(QStringLiteral("Executarocodigo1"))->setEnabled(true);

    if (result.verdict == JavacCompiler::Verdict::Succeeded) {
        addLogLine(kSucceeded);
    } else {
        addLogLine(kFailed);
        messages::exclamation(&m_window, kFailed);
    }
}

void BuildCommands::showCompilerLines(const QStringList &lines, const QString &folder)
{
    QListWidget *log = m_window.lstLog();
    log->clear();
    // Below each message it knows, a line in Portuguese says what is wrong.
    // Those lines carry no compiler role, so the double-click passes them by.
    for (const ExplainedLine &line : CompilerExplanations::standard().interleave(lines)) {
        auto *item = new QListWidgetItem(line.text, log);
        if (line.explanation) {
            item->setForeground(QColor(0, 90, 160));
            QFont font = log->font();
            font.setItalic(true);
            item->setFont(font);
            item->setToolTip(line.text.trimmed());
        } else {
            item->setData(CompilerLineRole, true);
            item->setData(CompileFolderRole, folder);
        }
    }
}

void BuildCommands::addLogLine(const QString &text)
{
    new QListWidgetItem(text, m_window.lstLog());
}

// --- Back to the source ----------------------------------------------------

void BuildCommands::lstLogDblClick(QListWidgetItem *item)
{
    if (!item || !item->data(CompilerLineRole).toBool())
        return;
    // Only the compiler's lines take part: lines added between them are no
    // part of any message.
    QListWidget *log = m_window.lstLog();
    QStringList lines;
    int row = -1;
    for (int i = 0; i < log->count(); ++i) {
        QListWidgetItem *each = log->item(i);
        if (!each->data(CompilerLineRole).toBool())
            continue;
        if (each == item)
            row = int(lines.size());
        lines << each->text();
    }
    const std::optional<SourceLocation> location = CompilerMessages::locate(lines, row);
    if (!location)
        return;

    const QString folder = item->data(CompileFolderRole).toString();
    const QString path = QDir::cleanPath(QDir(folder).absoluteFilePath(location->file));
    DocumentPage *target = nullptr;
    for (int i = 0; i < m_window.pageCount() && !target; ++i) {
        DocumentPage *each = m_window.page(i);
        if (!each->documentPath().isEmpty()
            && QDir::cleanPath(QFileInfo(each->documentPath()).absoluteFilePath()) == path)
            target = each;
    }
    if (!target) {
        // Another file of the folder that javac compiled along: open it.
        if (!QFileInfo(path).isFile())
            return;
        target = m_window.files().openFile(path);
        if (!target)
            return;
    } else if (target != m_window.activePage()) {
        m_window.setActivePage(target);
        m_window.pagFormsChange();
    }
    placeCaret(*target->editor(), location->line, location->column);
    target->editor()->SetFocus();
}

// --- Run and prompt -----------------------------------------------------------

void BuildCommands::Run()
{
    DocumentPage *page = m_window.activePage();
    if (!page || m_window.IsModified())
        return;
    const TSynMemo *editor = m_window.currentEditor() ? m_window.currentEditor() : page->editor();
    const ExecScript::Result script = ExecScript::write(folderOf(page), ExtractClassName(TextFile::splitLines(editor->Text())));
    switch (script.status) {
    case ExecScript::Status::InvalidClassName:
        messages::warning(&m_window, kNoPublicClass);
        return;
    case ExecScript::Status::NoFolder:
        messages::warning(&m_window, kNotSaved);
        return;
    case ExecScript::Status::WriteFailed:
        messages::error(&m_window, QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                                       .arg(QDir::toNativeSeparators(script.path), script.error));
        return;
    case ExecScript::Status::Written:
        break;
    }

    const std::optional<Terminal> terminal = Terminal::find();
    if (!terminal
        || !terminal->run({QStringLiteral("/bin/sh"), script.path}, folderOf(page)))
        messages::exclamation(&m_window, kNotStarted);
}

void BuildCommands::Prompt()
{
    QString folder = folderOf(m_window.activePage());
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::currentPath();
    const std::optional<Terminal> terminal = Terminal::find();
    if (!terminal || !terminal->open(folder))
        messages::exclamation(&m_window, kNotStarted);
}

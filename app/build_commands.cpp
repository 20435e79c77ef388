#include "app/build_commands.h"

#include "app/class_name.h"
#include "app/compile_marks.h"
#include "app/document_manager.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "common/text_colours.h"
#include "common/message_boxes.h"
#include "common/wait_cursor.h"
#include "editor/document_lines.h"
#include "editor/text_file.h"
#include "javatools/code_warnings.h"
#include "javatools/compile_helper.h"
#include "javatools/compiler_explanations.h"
#include "javatools/compiler_messages.h"
#include "javatools/exec_script.h"
#include "javatools/javac_compiler.h"
#include "javatools/terminal.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

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

} // namespace

BuildCommands::BuildCommands(DocumentManager &documents, FileCommands &files, QListWidget &log,
                             QWidget *window)
    : m_documents(documents), m_files(files), m_log(log), m_window(window),
      m_helper(std::make_unique<CompileHelper>()),
      m_compiler(std::make_unique<JavacCompiler>(JavacCompiler::TimeLimitMs, m_helper.get()))
{
    connect(&log, &QListWidget::itemActivated, this, &BuildCommands::lstLogDblClick);
}

BuildCommands::~BuildCommands() = default;

QString BuildCommands::noPublicClassText()
{
    return kNoPublicClass;
}

void BuildCommands::setTimeLimit(int milliseconds)
{
    m_compiler = std::make_unique<JavacCompiler>(milliseconds, m_helper.get());
}

void BuildCommands::prepareCompiler()
{
    m_helper->start();
}

// --- Compile -----------------------------------------------------------------

bool BuildCommands::Compile()
{
    JavaDocument *document = m_documents.active();
    if (!document)
        return false;
    // A cancelled or failed save stops here; the save said why, if anything.
    if (!m_files.SaveCurrentDocument() || document->isModified())
        return false;
    const QString source = document->filePath();
    if (source.isEmpty())
        return false;

    JavacCompiler::Result result;
    {
        WaitCursor wait;
        result = m_compiler->compile(source, document->encoding());
    }
    switch (result.verdict) {
    case JavacCompiler::Verdict::FileError:
        messages::error(m_window, result.error);
        return false;
    case JavacCompiler::Verdict::NotStarted:
        messages::exclamation(m_window, kNotStarted);
        return false;
    default:
        break;
    }

    const CompiledSource compiled{QFileInfo(source).fileName(),
                                  TextFile::splitLines(document->lines().Text()), result.diagnostics};
    showCompilerLines(result.messages, QFileInfo(source).absolutePath(), compiled);
    if (result.verdict == JavacCompiler::Verdict::TimedOut)
        addLogLine(QStringLiteral("Tempo esgotado: o compilador não terminou em %1 segundos e "
                                  "foi interrompido.")
                       .arg(m_compiler->timeLimitMs() / 1000.0));
    showWarnings(*document, compiled.lines);
    emit compilerStarted();

    const bool succeeded = result.verdict == JavacCompiler::Verdict::Succeeded;
    document->setCompiled(succeeded);
    if (succeeded) {
        addLogLine(kSucceeded);
        emit compileSucceeded(document);
    } else {
        addLogLine(kFailed);
        messages::exclamation(m_window, kFailed);
    }
    return succeeded;
}

void BuildCommands::showCompilerLines(const QStringList &lines, const QString &folder,
                                      const CompiledSource &source)
{
    QListWidget *log = &m_log;
    log->clear();
    m_lastCompile = {folder, CompilerMessages::parse(lines),
                     CompilerExplanations::standard().explain(lines, &source)};
    // Below each message it knows, a line in Portuguese says what is wrong.
    // Those lines carry no compiler row, so the double-click passes them by.
    for (const ExplainedLine &line : CompilerExplanations::interleave(lines, m_lastCompile.explanations)) {
        auto *item = new QListWidgetItem(line.text, log);
        if (line.explanation) {
            textcolours::setForeground(*item, ColourRole::LogExplanation);
            QFont font = log->font();
            font.setItalic(true);
            item->setFont(font);
            item->setToolTip(line.text.trimmed());
        } else {
            item->setData(CompilerRowRole, line.compilerRow);
        }
    }
    markMessages(source);
}

void BuildCommands::markMessages(const CompiledSource &source)
{
    const QString &folder = m_lastCompile.folder;
    const QHash<int, CompilerExplanation> explained = compilemarks::byMessageRow(m_lastCompile.explanations);
    QHash<JavaDocument *, QList<TextMark>> marked;
    // Every document's old marks go with the new compile.
    for (JavaDocument *document : m_documents.documents())
        marked.insert(document, {});
    for (const JavacMessage &message : m_lastCompile.messages) {
        if (message.file.isEmpty() || message.line <= 0 || message.kind == JavacMessage::Kind::Note)
            continue;
        JavaDocument *document =
            m_documents.findByPath(QDir(folder).absoluteFilePath(message.file));
        if (!document)
            continue;
        const auto explanation = explained.constFind(message.firstRow);
        marked[document].append(compilemarks::ofMessage(
            *document, message, explanation == explained.cend() ? nullptr : &*explanation, source.diagnostics,
            TextMark::Error));
    }
    for (auto it = marked.begin(); it != marked.end(); ++it) {
        it.key()->marks().replace(TextMark::Error, it.value());
        it.key()->marks().replace(TextMark::LiveError, {});
    }
}

void BuildCommands::showWarnings(JavaDocument &document, const QStringList &lines)
{
    QList<TextMark> marks;
    for (const CodeWarning &warning : codewarnings::find(lines)) {
        auto *item = new QListWidgetItem(QStringLiteral("Aviso: ") + warning.text, &m_log);
        textcolours::setForeground(*item, ColourRole::LogWarning);
        item->setToolTip(warning.text);
        marks.append(compilemarks::ofWarning(document, warning));
    }
    document.marks().replace(TextMark::Warning, marks);
}

void BuildCommands::addLogLine(const QString &text)
{
    new QListWidgetItem(text, &m_log);
}

// --- Back to the source ----------------------------------------------------

void BuildCommands::lstLogDblClick(QListWidgetItem *item)
{
    if (!item || !item->data(CompilerRowRole).isValid())
        return;
    const JavacMessage *message =
        CompilerMessages::messageAtRow(m_lastCompile.messages, item->data(CompilerRowRole).toInt());
    const std::optional<SourceLocation> location =
        message ? CompilerMessages::locationOf(*message) : std::nullopt;
    if (!location)
        return;

    // Another file of the folder that javac compiled along is opened.
    JavaDocument *target = m_files.bringForward(QDir(m_lastCompile.folder).absoluteFilePath(location->file));
    if (!target)
        return;
    target->showCodeLine(location->line - 1, qMax(location->column, 0));
}

// --- Run and prompt -----------------------------------------------------------

void BuildCommands::Run()
{
    const JavaDocument *document = m_documents.active();
    if (!document || document->isModified())
        return;
    const QString folder = document->folder();
    const ExecScript::Result script =
        ExecScript::write(folder, ExtractClassName(TextFile::splitLines(document->lines().Text())));
    switch (script.status) {
    case ExecScript::Status::InvalidClassName:
        messages::warning(m_window, kNoPublicClass);
        return;
    case ExecScript::Status::NoFolder:
        messages::warning(m_window, kNotSaved);
        return;
    case ExecScript::Status::WriteFailed:
        messages::error(m_window, QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                                      .arg(QDir::toNativeSeparators(script.path), script.error));
        return;
    case ExecScript::Status::Written:
        break;
    }

    const std::optional<Terminal> terminal = Terminal::find();
    if (!terminal || !terminal->run({QStringLiteral("/bin/sh"), script.path}, folder))
        messages::exclamation(m_window, kNotStarted);
}

void BuildCommands::Prompt()
{
    const JavaDocument *document = m_documents.active();
    QString folder = document ? document->folder() : QString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::currentPath();
    const std::optional<Terminal> terminal = Terminal::find();
    if (!terminal || !terminal->open(folder))
        messages::exclamation(m_window, kNotStarted);
}

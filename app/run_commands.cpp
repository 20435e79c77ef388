#include "app/run_commands.h"

#include "app/build_commands.h"
#include "app/class_name.h"
#include "app/document_manager.h"
#include "app/file_commands.h"
#include "app/java_document.h"
#include "app/run_console.h"
#include "common/message_boxes.h"
#include "editor/document_lines.h"
#include "editor/text_file.h"
#include "javatools/debug_session.h"
#include "javatools/exec_script.h"
#include "javatools/java_package.h"
#include "javatools/program_run.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kNoMain =
    QStringLiteral("A classe %1 não tem o método main, por onde um programa começa, e por isso não "
                   "pode ser executada no Tavessa. Um applet roda no navegador (ou no appletviewer) "
                   "e uma página JSP, num servidor web; um programa precisa de\n"
                   "public static void main(String[] args).");
const QString kPackageFolder =
    QStringLiteral("A classe %1 está no pacote %2 (a linha package do começo do arquivo), e o java "
                   "só encontra uma classe de pacote dentro das pastas do pacote: o arquivo precisa "
                   "ficar numa pasta %3, e ele está em\n%4\n\nMova o arquivo para uma pasta %3 "
                   "(dentro da pasta do projeto) ou tire a linha package.");
const QString kStillRunning =
    QStringLiteral("O programa %1 ainda está rodando no console. Deseja pará-lo e %2 de novo?");

} // namespace

RunCommands::RunCommands(DocumentManager &documents, BuildCommands &build, FileCommands &files,
                         RunConsole &console, QWidget *window)
    : m_documents(documents), m_build(build), m_files(files), m_console(console), m_window(window)
{
    connect(&console, &RunConsole::leaveRequested, this, &RunCommands::editorWanted);
    connect(&console, &RunConsole::placeActivated, this, &RunCommands::showPlace);
}

void RunCommands::RunInside()
{
    start(false);
}

ProgramRun *RunCommands::start(bool debugged)
{
    JavaDocument *document = m_documents.active();
    if (!document)
        return nullptr;
    const QStringList lines = TextFile::splitLines(document->lines().Text());
    const QString className = ExtractClassName(lines);
    if (!ExecScript::isClassName(className)) {
        messages::warning(m_window, BuildCommands::noPublicClassText());
        return nullptr;
    }
    if (!ProgramRun::declaresMain(lines)) {
        messages::warning(m_window, kNoMain.arg(className));
        return nullptr;
    }
    if (m_current && !m_current->hasEnded() && !stopRunningProgram(debugged))
        return nullptr;
    // The class files must be this text's: compile as F9 does when it changed.
    if (!document->isCompiledAsShown() && !m_build.Compile())
        return nullptr;
    // Where the document lies is known once it has been saved.
    const PackagePlace package = packagePlace(document->folder(), lines);
    if (!package.name.isEmpty() && package.root.isEmpty()) {
        messages::warning(m_window, kPackageFolder.arg(className, package.name, package.path(),
                                                       QDir::toNativeSeparators(document->folder())));
        return nullptr;
    }

    auto run = std::make_unique<ProgramRun>(document->folder(), package.qualified(className));
    if (!package.name.isEmpty())
        run->setClassPathRoot(package.root);
    ProgramRun *started = run.get();
    // The document's run before this one, if any, ends here.
    document->setRun(std::move(run));
    m_current = started;
    connect(started, &ProgramRun::finished, this, [this, started] {
        if (m_current == started)
            emit runningChanged(false);
    });
    // Gone with its document, without a word of its own.
    connect(started, &QObject::destroyed, this, [this] {
        if (!m_current)
            emit runningChanged(false);
    });
    if (debugged)
        started->setDebugAgent(DebugSession::agentOptions());
    m_console.attach(started);
    emit consoleWanted();
    m_console.setFocus();
    started->start();
    emit runningChanged(true);
    return started;
}

// One program at a time: the one in the console stops if the student agrees.
bool RunCommands::stopRunningProgram(bool debugged)
{
    const QString again = debugged ? QStringLiteral("depurar") : QStringLiteral("executar");
    if (messages::confirm(m_window, kStillRunning.arg(m_current->className(), again)) != QMessageBox::Yes)
        return false;
    m_current->stop();
    return true;
}

void RunCommands::focusConsole()
{
    emit consoleWanted();
    m_console.setFocus();
}

ProgramRun *RunCommands::current() const
{
    return m_current;
}

void RunCommands::Stop()
{
    if (m_current)
        m_current->stop();
}

void RunCommands::showPlace(const QString &file, int line)
{
    if (line <= 0)
        return;
    JavaDocument *target = m_files.bringForward(file);
    if (!target)
        return;
    target->showCodeLine(line - 1, 0);
    emit editorWanted();
}

#include "app/try_commands.h"

#include "app/build_commands.h"
#include "app/class_name.h"
#include "app/completion_popup.h"
#include "app/java_document.h"
#include "app/try_pane.h"
#include "editor/document_lines.h"
#include "editor/syn_memo.h"
#include "editor/text_file.h"
#include "javatools/try_session.h"

#include <QDockWidget>
#include <QFileInfo>
#include <QMainWindow>

TryCommands::TryCommands(BuildCommands &build, QMainWindow &window)
    : QObject(&window), m_window(window), m_session(std::make_unique<TrySession>())
{
    m_dock = new QDockWidget(QStringLiteral("Experimentar"), &window);
    m_dock->setObjectName(QStringLiteral("experimentarDock"));
    m_dock->setAccessibleName(QStringLiteral("Experimentar"));
    m_pane = new TryPane(m_dock);
    m_dock->setWidget(m_pane);
    window.addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    m_dock->hide();
    m_pane->setState(QStringLiteral("Digite uma linha de Java e tecle Enter."));

    // Suggestions as in the editor, the catalogue's structures aside: a line
    // of the pane is no place for a template.
    m_completion = new CompletionPopup(*m_pane->input(), {}, nullptr);
    m_completion->setContext([this] { return context(); });

    connect(m_pane, &TryPane::textEntered, this, &TryCommands::runTyped);
    connect(m_pane, &TryPane::stopAsked, m_session.get(), &TrySession::stop);
    connect(m_pane, &TryPane::restartAsked, this, [this] {
        m_pane->clearTranscript();
        m_pane->showNote(QStringLiteral("Recomeçado: as variáveis e os métodos declarados aqui foram apagados."));
        m_ran.clear();
        m_session->reset();
    });
    connect(&build, &BuildCommands::compileSucceeded, this, &TryCommands::loadCompiled);

    connect(m_session.get(), &TrySession::ready, this, &TryCommands::showReady);
    connect(m_session.get(), &TrySession::printed, m_pane, &TryPane::showPrinted);
    connect(m_session.get(), &TrySession::answered, this,
            [this](const TryAnswer &answer, bool loading, bool byTimeLimit) {
                m_pane->setRunning(m_session->isBusy());
                if (loading) {
                    // A compiled source that the session cannot take says why.
                    if (answer.has(TryItem::Kind::Error) || answer.has(TryItem::Kind::Exception))
                        m_pane->showRows(tryanswer::rows(answer, byTimeLimit, m_session->timeLimit() / 1000));
                    showCompiledState();
                    return;
                }
                const QList<TryRow> rows = tryanswer::rows(answer, byTimeLimit, m_session->timeLimit() / 1000);
                m_pane->showRows(rows);
                const QString ran = m_running.isEmpty() ? QString() : m_running.takeFirst();
                if (!answer.has(TryItem::Kind::Error))
                    m_ran.append(ran);
                showReady();
            });
    connect(m_session.get(), &TrySession::restarted, this, [this](TrySession::Restart why) {
        m_ran.clear();
        m_pane->setRunning(false);
        switch (why) {
        case TrySession::Restart::Exited:
            m_pane->showNote(QStringLiteral("A linha encerrou o Java (System.exit): o painel recomeçou, sem as "
                                            "declarações feitas até aqui."));
            break;
        case TrySession::Restart::NotStopping:
            m_pane->showNote(QStringLiteral("O Java não parou quando pedido: o painel recomeçou, sem as "
                                            "declarações feitas até aqui."));
            break;
        case TrySession::Restart::Crashed:
            m_pane->showNote(QStringLiteral("O Java do painel terminou de repente: o painel recomeçou, sem as "
                                            "declarações feitas até aqui."));
            break;
        case TrySession::Restart::Asked:
            break;
        }
        // The compiled classes come back in the new session.
        if (m_compiled && !m_compiledSource.isEmpty())
            m_session->load(m_compiledSource);
        if (why != TrySession::Restart::Exited)
            m_running.clear();
        m_pane->setState(m_session->isReady() ? QStringLiteral("Pronto") : QStringLiteral("Iniciando o Java…"));
    });
    connect(m_session.get(), &TrySession::unavailable, this, [this] {
        m_pane->setRunning(false);
        m_running.clear();
        m_pane->setState(QStringLiteral("Sem Java"));
        m_pane->showRows({TryRow{TryRow::Role::Mistake,
                                 QStringLiteral("O painel precisa do JDK (o comando java) e do arquivo "
                                                "tavessa-shell.jar ao lado do Tavessa.")}});
    });
}

TryCommands::~TryCommands() = default;

void TryCommands::Show()
{
    if (!m_dock->isVisible()) {
        m_dock->show();
        // Room for a dozen answers, as the console has.
        m_window.resizeDocks({m_dock}, {qMax(260, m_window.height() / 3)}, Qt::Vertical);
    }
    m_dock->raise();
    m_pane->input()->setFocus();
    if (!m_session->isRunning()) {
        m_pane->setState(QStringLiteral("Iniciando o Java…"));
        m_session->start();
        if (m_compiled)
            m_session->load(m_compiledSource);
    }
}

void TryCommands::applyFonts(const QFont &panels, const QFont &code)
{
    m_pane->setFont(panels);
    m_pane->setCodeFont(code);
}

void TryCommands::runTyped(const QString &text)
{
    m_pane->showTyped(text);
    m_running.append(text);
    if (!m_session->isReady())
        m_pane->setState(QStringLiteral("Iniciando o Java…"));
    else
        m_pane->setState(QStringLiteral("Rodando…"));
    m_session->evaluate(text);
    m_pane->setRunning(true);
}

void TryCommands::loadCompiled(JavaDocument *document)
{
    const QStringList lines = TextFile::splitLines(document->lines().Text());
    const bool javaSource = QFileInfo(document->filePath()).suffix().compare(QLatin1String("java"), Qt::CaseInsensitive) == 0;
    if (!javaSource || IsMarkupPage(lines))
        return;
    if (m_compiled != document) {
        if (m_compiled)
            m_compiled->disconnect(this);
        m_compiled = document;
        // Queued: a change that is no edit (a new theme painting the text)
        // leaves the document compiled as shown once it is over.
        connect(document, &JavaDocument::contentsChanged, this, &TryCommands::showCompiledState,
                Qt::QueuedConnection);
    }
    m_compiledName = QFileInfo(document->filePath()).fileName();
    m_compiledSource = lines.join(u'\n');
    // A session not started yet takes them when the pane first shows.
    if (m_session->isRunning())
        m_session->load(m_compiledSource);
    showCompiledState();
}

void TryCommands::showCompiledState()
{
    if (!m_compiled) {
        m_pane->setNotice(QString());
        return;
    }
    m_pane->setNotice(m_compiled->isCompiledAsShown()
                          ? QStringLiteral("As classes de %1 (compilado) podem ser usadas aqui.").arg(m_compiledName)
                          : QStringLiteral("%1 mudou desde a última compilação: aqui vale a versão compilada. "
                                           "Compile (F9) para usar a nova.")
                                .arg(m_compiledName));
}

void TryCommands::showReady()
{
    if (m_session->isBusy())
        return;
    m_pane->setState(QStringLiteral("Pronto"));
}

QStringList TryCommands::context() const
{
    QStringList lines;
    if (m_compiled)
        lines += m_compiledSource.split(u'\n');
    for (const QString &text : m_ran)
        lines += text.split(u'\n');
    return lines;
}

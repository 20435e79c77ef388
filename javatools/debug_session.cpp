#include "javatools/debug_session.h"

#include "javatools/helper_protocol.h"

#include <QRegularExpression>

namespace {

const QString kNoHelper = QStringLiteral(
    "O depurador não pôde começar: falta o arquivo tavessa-debugger.jar ao lado do Tavessa, ou o "
    "java não foi encontrado. Reinstale o Tavessa.");
const QString kNoDebugModule = QStringLiteral(
    "O depurador precisa do módulo jdk.jdi, que vem com o JDK completo (pacote openjdk-17-jdk). "
    "Este Java não o tem: instale o JDK para depurar; o programa ainda pode ser executado.");

} // namespace

DebugSession::DebugSession(const QString &folder, const QString &mainClass, const QString &jarPath,
                           QObject *parent)
    : QObject(parent), m_folder(folder), m_mainClass(mainClass),
      m_jarPath(jarPath)
{
}

DebugSession::~DebugSession() = default;

QStringList DebugSession::agentOptions()
{
    return {QStringLiteral("-agentlib:jdwp=transport=dt_socket,server=y,suspend=y,address=127.0.0.1:0")};
}

int DebugSession::agentPort(const QString &line)
{
    static const QRegularExpression listening(
        QStringLiteral("^Listening for transport dt_socket at address: (\\d+)\\s*$"));
    const QRegularExpressionMatch match = listening.match(line);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

qint64 DebugSession::helperProcessId() const
{
    return m_helper ? m_helper->processId() : 0;
}

void DebugSession::addBreakpoint(const QString &file, int line)
{
    if (m_helper)
        send({QStringLiteral("break"), file, QString::number(line)});
    else
        m_breakpoints.append({file, line});
}

void DebugSession::removeBreakpoint(const QString &file, int line)
{
    if (m_helper)
        send({QStringLiteral("clear"), file, QString::number(line)});
    else
        m_breakpoints.removeAll(std::pair(file, line));
}

void DebugSession::runTo(const QString &file, int line)
{
    if (m_helper)
        send({QStringLiteral("until"), file, QString::number(line)});
    else
        m_runTo = std::pair(file, line);
}

void DebugSession::setMemoryShown(bool shown)
{
    if (shown == m_memoryShown)
        return;
    m_memoryShown = shown;
    send({QStringLiteral("memory"), shown ? QStringLiteral("on") : QStringLiteral("off")});
}

void DebugSession::setWatches(const QStringList &expressions)
{
    m_watched = expressions;
    send(QStringList{QStringLiteral("watch")} + expressions);
}

void DebugSession::attach(int port)
{
    m_helper = std::make_unique<HelperProcess>(
        QStringLiteral("tavessa-debugger.jar"), m_jarPath,
        QStringList{QStringLiteral("-XX:+UseSerialGC"), QStringLiteral("-XX:TieredStopAtLevel=1"),
                    QStringLiteral("-Dfile.encoding=UTF-8")},
        HelperProcess::Reading::AsItComes);
    // Its input closing (Tavessa gone) ends the program too.
    connect(m_helper.get(), &HelperProcess::output, this, &DebugSession::takeOutput);
    connect(m_helper.get(), &HelperProcess::finished, this, &DebugSession::helperGone);
    connect(m_helper.get(), &HelperProcess::failedToStart, this, &DebugSession::helperGone);
    if (!m_helper->start()) {
        m_helper.reset();
        emit failed(kNoHelper);
        return;
    }
    send({QStringLiteral("folder"), m_folder});
    send({QStringLiteral("main"), m_mainClass});
    for (const auto &[file, line] : std::exchange(m_breakpoints, {}))
        send({QStringLiteral("break"), file, QString::number(line)});
    if (const auto target = std::exchange(m_runTo, std::nullopt))
        send({QStringLiteral("until"), target->first, QString::number(target->second)});
    if (m_memoryShown)
        send({QStringLiteral("memory"), QStringLiteral("on")});
    if (!m_watched.isEmpty())
        send(QStringList{QStringLiteral("watch")} + m_watched);
    send({QStringLiteral("attach"), QString::number(port)});
}

void DebugSession::send(const QStringList &fields)
{
    if (m_helper)
        m_helper->write(helperprotocol::line(fields));
}

// A step, a continue: the program runs until the helper reports a stop.
void DebugSession::stepOver()
{
    if (m_paused)
        send({QStringLiteral("over")});
}

void DebugSession::stepInto()
{
    if (m_paused)
        send({QStringLiteral("into")});
}

void DebugSession::stepOut()
{
    if (m_paused)
        send({QStringLiteral("out")});
}

void DebugSession::resume()
{
    if (m_paused)
        send({QStringLiteral("continue")});
}

void DebugSession::selectFrame(int index)
{
    if (m_paused && index >= 0 && index < m_frames.size())
        send({QStringLiteral("frame"), QString::number(index)});
}

void DebugSession::expand(qint64 id, int first)
{
    if (m_paused && id != 0)
        send({QStringLiteral("expand"), QString::number(id), QString::number(first)});
}

void DebugSession::takeOutput(const QByteArray &bytes)
{
    m_lines.add(bytes);
    while (const std::optional<QByteArray> line = m_lines.next())
        take(helperprotocol::fields(*line));
}

void DebugSession::take(const QStringList &f)
{
    const QString &what = f.value(0);
    if (what == QLatin1String("attached")) {
        m_attached = true;
        emit attached();
    } else if (what == QLatin1String("nocode")) {
        emit breakpointDropped(f.value(1), f.value(2).toInt());
    } else if (what == QLatin1String("moved")) {
        emit breakpointMoved(f.value(1), f.value(2).toInt(), f.value(3).toInt());
    } else if (what == QLatin1String("exception")) {
        m_exception = f.value(1);
    } else if (what == QLatin1String("stopped")) {
        static const QHash<QString, Reason> reasons = {{"start", Reason::Start},
                                                       {"breakpoint", Reason::Breakpoint},
                                                       {"step", Reason::Step},
                                                       {"until", Reason::RunTo},
                                                       {"exception", Reason::Exception}};
        m_reason = reasons.value(f.value(1), Reason::Step);
        if (m_reason != Reason::Exception)
            m_exception.clear();
        m_file = f.value(2);
        m_line = f.value(3).toInt();
        m_frameShown = f.value(4).toInt();
        m_frames.clear();
        m_framesLeft = 0;
        m_reading = Reading::Stack;
        m_stopComplete = false;
    } else if (what == QLatin1String("frame") && m_reading == Reading::Stack) {
        m_frames.append({f.value(1), f.value(2), f.value(3), f.value(4).toInt()});
    } else if (what == QLatin1String("framesleft") && m_reading == Reading::Stack) {
        m_framesLeft = f.value(1).toInt();
    } else if (what == QLatin1String("memory")) {
        m_memoryRead = MemoryGraph{f.value(1).toInt(), {}, {}, 0};
        m_reading = Reading::Memory;
    } else if (m_reading == Reading::Memory
               && QStringList({"slot", "object", "cell", "cellsleft", "left"}).contains(what)) {
        takeMemoryLine(f);
    } else if (what == QLatin1String("watches")) {
        m_watchesRead.clear();
        m_reading = Reading::Watches;
    } else if (what == QLatin1String("watch") && m_reading == Reading::Watches) {
        const int index = f.value(1).toInt();
        while (m_watchesRead.size() <= index)
            m_watchesRead.append(WatchValue());
        m_watchesRead[index] = {f.value(2) == QLatin1String("ok"), f.value(3), f.value(4)};
    } else if (what == QLatin1String("vars")) {
        m_list.clear();
        m_listNext = 0;
        if (f.value(1) == QLatin1String("frame")) {
            m_reading = Reading::FrameVariables;
            m_listFrame = f.value(2).toInt();
        } else {
            m_reading = Reading::Children;
            m_listId = f.value(2).toLongLong();
        }
    } else if (what == QLatin1String("var")) {
        m_list.append({f.value(1), f.value(2), f.value(3), f.value(4).toLongLong()});
    } else if (what == QLatin1String("more")) {
        m_listNext = f.value(2).toInt();
    } else if (what == QLatin1String("end")) {
        if (m_reading == Reading::Stack) {
            // The variables of the frame shown follow.
            m_stopComplete = true;
        } else if (m_reading == Reading::FrameVariables) {
            m_variables = m_list;
            m_frameShown = m_listFrame;
            if (m_stopComplete) {
                m_stopComplete = false;
                m_paused = true;
                emit paused();
            } else {
                emit variablesShown(m_listFrame);
            }
        } else if (m_reading == Reading::Children) {
            emit expanded(m_listId, m_list, m_listNext);
        } else if (m_reading == Reading::Memory) {
            m_memory = std::exchange(m_memoryRead, {});
            emit memoryShown();
        } else if (m_reading == Reading::Watches) {
            m_watches = std::exchange(m_watchesRead, {});
            emit watchesShown();
        }
        m_reading = Reading::Nothing;
    } else if (what == QLatin1String("running")) {
        m_paused = false;
        emit resumed();
    } else if (what == QLatin1String("input")) {
        emit waitingForInput();
    } else if (what == QLatin1String("ended")) {
        helperGone();
    } else if (what == QLatin1String("nojdi")) {
        emit failed(kNoDebugModule);
    } else if (what == QLatin1String("error") && !m_attached) {
        m_ended = true;
        emit failed(QStringLiteral("O depurador não conseguiu se ligar ao programa (%1).").arg(f.value(1)));
        emit ended();
    }
}

void DebugSession::takeMemoryLine(const QStringList &f)
{
    const QString &what = f.value(0);
    if (what == QLatin1String("slot")) {
        m_memoryRead.variables.append({f.value(1), f.value(3), f.value(4).toLongLong(), f.value(2)});
    } else if (what == QLatin1String("object")) {
        m_memoryRead.objects.append({f.value(1).toLongLong(), f.value(2), f.value(3), f.value(4), {}, 0});
    } else if (what == QLatin1String("cell") && !m_memoryRead.objects.isEmpty()) {
        m_memoryRead.objects.last().cells.append({f.value(1), f.value(2), f.value(3).toLongLong(), {}});
    } else if (what == QLatin1String("cellsleft") && !m_memoryRead.objects.isEmpty()) {
        m_memoryRead.objects.last().cellsLeft = f.value(1).toInt();
    } else if (what == QLatin1String("left")) {
        m_memoryRead.objectsLeft = f.value(1).toInt();
    }
}

void DebugSession::helperGone()
{
    if (m_ended)
        return;
    m_ended = true;
    m_paused = false;
    // A helper that never attached could not load the debug interface.
    if (!m_attached)
        emit failed(kNoDebugModule);
    emit ended();
}

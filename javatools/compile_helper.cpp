#include "javatools/compile_helper.h"

#include "javatools/helper_protocol.h"

namespace {

using helperprotocol::escaped;
using helperprotocol::unescaped;

// "diag" fields: kind, code, line, column, start, end, file, arguments...
CompilerDiagnostic diagnosticOf(QByteArrayView fields)
{
    const QList<QByteArray> parts = fields.toByteArray().split('\t');
    CompilerDiagnostic d;
    d.kind = unescaped(parts.value(0));
    d.code = unescaped(parts.value(1));
    d.line = parts.value(2).toInt();
    d.column = parts.value(3).toInt();
    d.start = parts.value(4).toLongLong();
    d.end = parts.value(5).toLongLong();
    d.file = unescaped(parts.value(6));
    for (qsizetype i = 7; i < parts.size(); ++i)
        d.arguments.append(unescaped(parts.at(i)));
    return d;
}

} // namespace

QStringList CompileHelper::vmOptions()
{
    return {QStringLiteral("-Xmx%1m").arg(HeapLimitMb), QStringLiteral("-XX:MaxMetaspaceSize=%1m").arg(HeapLimitMb),
            QStringLiteral("-XX:+UseSerialGC"), QStringLiteral("-XX:TieredStopAtLevel=1"),
            QStringLiteral("-Duser.language=en"), QStringLiteral("-Dfile.encoding=UTF-8")};
}

QByteArray CompileHelper::checkRequest(const QString &folder, const QString &fileName, const QByteArray &encoding,
                                       const QString &text)
{
    return "check\ndir " + escaped(folder) + "\nfile " + escaped(fileName) + "\nencoding "
           + escaped(QString::fromLatin1(encoding)) + "\ntext " + escaped(text) + "\nend\n";
}

CompileHelper::CompileHelper(const QString &jarPath)
    : m_helper(QStringLiteral("tavessa-compiler.jar"), jarPath, vmOptions(), HelperProcess::Reading::Waiting)
{
}

CompileHelper::~CompileHelper() = default;

bool CompileHelper::isRunning() const
{
    return m_helper.isRunning();
}

qint64 CompileHelper::processId() const
{
    return m_helper.processId();
}

void CompileHelper::start()
{
    if (isRunning())
        return;
    m_ready = false;
    m_started = m_helper.start();
}

void CompileHelper::stop()
{
    m_helper.stop();
    m_started = false;
    m_ready = false;
}

std::optional<CompileHelper::Outcome> CompileHelper::compile(const QString &folder,
                                                             const QString &fileName,
                                                             const QByteArray &encoding,
                                                             QDeadlineTimer deadline)
{
    start();
    if (!m_started)
        return std::nullopt;
    if (!m_helper.waitForStarted(5000)) {
        stop();
        return std::nullopt;
    }
    // A helper that answered nothing sensible is not asked again.
    const auto broken = [this] {
        stop();
        return std::nullopt;
    };
    while (!m_ready) {
        const std::optional<QByteArray> line = m_helper.readLine(deadline);
        if (!line || *line == "nocompiler")
            return broken();
        m_ready = *line == "ready";
    }

    m_helper.write("compile\ndir " + escaped(folder) + "\nfile " + escaped(fileName)
                     + "\nencoding " + escaped(QString::fromLatin1(encoding)) + "\nend\n");
    CompileAnswer answer;
    for (;;) {
        const std::optional<QByteArray> line = m_helper.readLine(deadline);
        if (!line)
            return broken();
        switch (answer.take(*line)) {
        case CompileAnswer::Step::More:
            break;
        case CompileAnswer::Step::Done:
            return answer.outcome();
        case CompileAnswer::Step::Broken:
            return broken();
        }
    }
}

CompileAnswer::Step CompileAnswer::take(QByteArrayView line)
{
    if (line.startsWith("text ")) {
        m_outcome.lines.append(unescaped(line.sliced(5)));
    } else if (line.startsWith("diag ")) {
        m_outcome.diagnostics.append(diagnosticOf(line.sliced(5)));
    } else if (line == "result ok" || line == "result fail") {
        m_outcome.succeeded = line == "result ok";
        return Step::Done;
    } else {
        return Step::Broken;
    }
    return Step::More;
}

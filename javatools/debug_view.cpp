#include "javatools/debug_view.h"

#include "javatools/compiler_explanations.h"

QList<ShownFrame> DebugView::framesOf(const QList<DebugFrame> &frames, const RunFacts &facts)
{
    const auto isStudents = [&facts](const QString &file) {
        return !file.isEmpty() && facts.isStudentFile && facts.isStudentFile(file);
    };
    QList<ShownFrame> shown;
    for (const bool students : {true, false}) {
        for (int i = 0; i < frames.size(); ++i) {
            const DebugFrame &f = frames.at(i);
            if (isStudents(f.file) != students)
                continue;
            const QString simple = f.className.mid(f.className.lastIndexOf(QLatin1Char('.')) + 1);
            shown.append({i, QStringLiteral("%1.%2 (%3:%4)").arg(simple, f.method, f.file).arg(f.line), students});
        }
    }
    return shown;
}

QString DebugView::stopText(const DebugSession &session, const RunFacts &facts)
{
    QString where;
    switch (session.reason()) {
    case DebugSession::Reason::Start:
        where = QStringLiteral("Parado no começo do main: linha %1 de %2.");
        break;
    case DebugSession::Reason::Breakpoint:
        where = QStringLiteral("Parado no ponto de parada da linha %1 de %2.");
        break;
    case DebugSession::Reason::Step:
        where = QStringLiteral("Linha %1 de %2.");
        break;
    case DebugSession::Reason::RunTo:
        where = QStringLiteral("Parado na linha %1 de %2, onde estava o cursor.");
        break;
    case DebugSession::Reason::Exception:
        where = QStringLiteral("O programa parou por um erro na linha %1 de %2: ");
        break;
    }
    where = where.arg(session.line()).arg(session.file());
    if (session.reason() != DebugSession::Reason::Exception)
        return where;
    RuntimeError error{session.exceptionText(), QStringLiteral("main"), {}, {}, {}};
    for (const DebugFrame &f : session.frames())
        error.frames.append({f.className, f.method, f.file, f.line});
    const auto explained = RuntimeExplanations::standard().explain(error, facts);
    return where + session.exceptionText()
           + (explained ? QLatin1Char('\n') + CompilerExplanations::linePrefix().trimmed() + QLatin1Char(' ')
                              + explained->text
                        : QString());
}

QList<ShownVariable> DebugView::stop(const QString &method, const QList<DebugVariable> &variables)
{
    // Changes are marked against the last stop in the same method; what was
    // open there opens again, its elements compared too.
    m_comparing = true;
    m_marking = m_previousMethod == method;
    m_previousMethod = method;
    m_before = std::exchange(m_now, {});
    m_waiting.clear();
    return rows(method, variables, true);
}

QList<ShownVariable> DebugView::frame(const QString &method, const QList<DebugVariable> &variables)
{
    m_comparing = false;
    m_waiting.clear();
    return rows(method, variables, true);
}

QList<ShownVariable> DebugView::children(const QString &parentPath, const QList<DebugVariable> &variables)
{
    return rows(parentPath, variables, false);
}

std::optional<QString> DebugView::answered(qint64 id)
{
    for (auto it = m_waiting.begin(); it != m_waiting.end(); ++it) {
        if (it->first == id) {
            const QString path = it->second;
            m_waiting.erase(it);
            return path;
        }
    }
    return std::nullopt;
}

void DebugView::clear()
{
    m_before.clear();
    m_now.clear();
    m_open.clear();
    m_waiting.clear();
    m_previousMethod.clear();
}

QList<ShownVariable> DebugView::rows(const QString &parentPath, const QList<DebugVariable> &variables,
                                     bool topLevel)
{
    QList<ShownVariable> result;
    for (const DebugVariable &variable : variables) {
        ShownVariable row{variable, parentPath + QLatin1Char('/') + variable.name};
        if (m_comparing) {
            m_now.insert(row.path, variable.value);
            // A variable that appeared is new; an element only counts when
            // its value of the last stop is known.
            const auto before = m_before.constFind(row.path);
            row.changed = m_marking && (before == m_before.cend() ? topLevel : *before != variable.value);
            row.reopen = variable.id != 0 && m_open.contains(row.path);
        }
        result.append(row);
    }
    return result;
}

#include "templates/template_engine.h"

#include "templates/template_editor.h"

#include <QRegularExpression>

namespace {

// Blanks and control characters, line breaks included.
bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

QString trimBlanksAndControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

TemplateEngine::TemplateEngine(TemplateEditor &editor, int &insertionLine, TemplateState &state,
                               TemplateDialogs &dialogs)
    : m_editor(editor), m_insertionLine(insertionLine), m_state(state), m_dialogs(dialogs)
{
}

CommandResult TemplateEngine::run(const TemplateCommand &command)
{
    switch (command.kind) {
    case CommandKind::NoAction:
    case CommandKind::MenuEditor:
    case CommandKind::Disabled:
        return CommandResult::Unchanged;
    case CommandKind::Import:
        putOnTop(command.importLine);
        return CommandResult::Inserted;
    case CommandKind::Script:
        break;
    }

    // Read once, before any dialog: the caret cannot move while one is open,
    // and the steps must all see the same first-line case.
    const bool caretOnFirstLine = m_editor.caretY() == 1;

    if (command.guard && !command.guard->holds(m_state.counters)) {
        m_dialogs.inform(command.guard->message);
        return CommandResult::Refused;
    }

    const Script *script = &command.script;
    if (!command.confirmation.isEmpty() && !m_dialogs.confirm(command.confirmation))
        script = &*command.noScript;

    QString answer;
    if (command.prompt) {
        answer = m_dialogs.ask(command.prompt->caption, command.prompt->text);
        if (answer.isEmpty()) {
            if (command.emptyAnswer == EmptyAnswer::Nothing)
                return CommandResult::Unchanged;
            if (command.emptyAnswer == EmptyAnswer::OtherScript)
                script = &*command.emptyScript;
        }
    }
    if (caretOnFirstLine && command.firstLineScript)
        script = &*command.firstLineScript;

    runScript(*script, caretOnFirstLine, answer);
    for (const CounterChange &change : command.after)
        change.apply(m_state.counters);
    return CommandResult::Inserted;
}

void TemplateEngine::runScript(const Script &script, bool caretOnFirstLine, const QString &answer)
{
    for (const ScriptStep &step : script) {
        switch (step.kind) {
        case ScriptStep::Kind::Text: {
            const QString text = composeText(step, answer);
            for (int i = 0; i < step.count; ++i)
                insertAtInsertionLine(text);
            break;
        }
        case ScriptStep::Kind::Advance:
            m_insertionLine += step.count;
            break;
        case ScriptStep::Kind::AdvanceUnlessFirstLine:
            if (!caretOnFirstLine)
                m_insertionLine += step.count;
            break;
        }
    }
}

void TemplateEngine::insertAtInsertionLine(const QString &text)
{
    m_insertionLine = qBound(0, m_insertionLine, m_editor.lineCount());
    m_editor.insertLine(m_insertionLine, text);
}

void TemplateEngine::putOnTop(const QString &line)
{
    m_state.savedText = m_editor.text();
    m_editor.clear();
    m_editor.addLine(line);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList rest = trimBlanksAndControls(m_state.savedText).split(lineBreak);
    for (const QString &restLine : rest)
        m_editor.addLine(restLine);
}

void TemplateEngine::enterFirstBlock(const QString &block)
{
    insertAtInsertionLine(block);
    m_insertionLine = m_editor.caretY();
}

void TemplateEngine::enterSecondBlock(const QString &block)
{
    insertAtInsertionLine(block);
}

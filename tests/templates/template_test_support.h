#pragma once

#include "templates/line_list_editor.h"
#include "templates/template_catalogue.h"
#include "templates/template_engine.h"

#include <QStringList>
#include <QTest>

// Answers the template dialogs from lists and records what was asked.
class ScriptedDialogs : public TemplateDialogs
{
public:
    QStringList answers;      // taken in order; none left answers as Cancel does
    QList<bool> yesAnswers;   // taken in order; none left answers No
    QStringList asked;        // "caption|prompt"
    QStringList informed;
    QStringList confirmed;

    QString ask(const QString &caption, const QString &prompt) override
    {
        asked.append(caption + QLatin1Char('|') + prompt);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    void inform(const QString &text) override { informed.append(text); }
    bool confirm(const QString &text) override
    {
        confirmed.append(text);
        return !yesAnswers.isEmpty() && yesAnswers.takeFirst();
    }
};

// A catalogue command by its button name or its menu path ("HTML › <html>").
inline const TemplateCommand &catalogueCommand(const QString &place)
{
    for (const TemplateCommand &command : TemplateCatalogue::standard().commands()) {
        if (command.buttonName == place || command.menuPath.join(menuPathSeparator()) == place)
            return command;
    }
    qFatal("No template command at %s", qPrintable(place));
}

// An editor, the insertion line, the counters and the dialogs, wired to an engine.
struct EngineBench
{
    explicit EngineBench(QStringList lines = {}, int caretY = 1, int line = 0)
        : editor(std::move(lines), caretY), insertionLine(line)
    {
    }

    CommandResult run(const QString &place) { return engine.run(catalogueCommand(place)); }

    LineListEditor editor;
    int insertionLine;
    TemplateState state;
    ScriptedDialogs dialogs;
    TemplateEngine engine{editor, insertionLine, state, dialogs};
};

inline QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    return lines;
}

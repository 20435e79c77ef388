#pragma once

#include "templates/declaration_counters.h"
#include "templates/template_script.h"

#include <QStringList>
#include <optional>

// The input box a prompted template shows first.
struct TemplatePrompt
{
    QString caption;
    QString text;
};

// What a prompted template does when the answer is empty (or the box was
// cancelled).
enum class EmptyAnswer {
    SameScript,  // insert the script with the empty answer
    OtherScript, // insert the command's emptyScript
    Nothing,     // insert nothing
};

// A counter condition that must hold for a guarded template to insert.
struct TemplateGuard
{
    Counter counter = Counter::Button;
    bool atLeast = false; // false: equal to `value`
    int value = 0;
    QString message;      // shown when the condition fails

    bool holds(const DeclarationCounters &counters) const
    {
        return atLeast ? counters[counter] >= value : counters[counter] == value;
    }
};

// A counter change applied after a template has been inserted.
struct CounterChange
{
    Counter counter = Counter::Button;
    bool add = false; // false: set to `value`
    int value = 0;

    void apply(DeclarationCounters &counters) const
    {
        counters[counter] = add ? counters[counter] + value : value;
    }
};

enum class CommandKind {
    Script,     // inserts its script at the insertion line
    Import,     // puts an import line on top of the whole document
    NoAction,   // exists and changes nothing
    MenuEditor, // opens the menu-bar editor
    Disabled,   // a disabled menu entry without a command
};

// One command of the template catalogue: where it is reached (a menu entry
// or a toolbar button) and what it does.
struct TemplateCommand
{
    CommandKind kind = CommandKind::Script;

    // Menu entry: the captions from the top-level menu down to the entry.
    QStringList menuPath;
    // Toolbar button: object name, row object name, line of the row, glyph text.
    QString buttonName;
    QString rowName;
    int rowLine = 0;
    QString glyph;
    QString hint;

    std::optional<TemplatePrompt> prompt;
    EmptyAnswer emptyAnswer = EmptyAnswer::SameScript;
    std::optional<TemplateGuard> guard;
    QList<CounterChange> after;
    // Asked first with Yes and No; Yes runs `script`, anything else `noScript`.
    QString confirmation;

    Script script;
    std::optional<Script> emptyScript;
    // Used instead of `script` when the caret is on the first line.
    std::optional<Script> firstLineScript;
    std::optional<Script> noScript;
    QString importLine;

    // Line of the catalogue text the command was read from, and the first
    // line of its block (a button and its menu twin share the block).
    int sourceLine = 0;
    int blockLine = 0;

    bool isButton() const { return !buttonName.isEmpty(); }
    // The entry's caption, or the button's hint.
    QString caption() const { return isButton() ? hint : menuPath.value(menuPath.size() - 1); }
    // A command of the catalogue proper (not "Criar Menu", not a disabled entry).
    bool isTemplate() const
    {
        return kind == CommandKind::Script || kind == CommandKind::Import
               || kind == CommandKind::NoAction;
    }
};

#pragma once

#include "templates/declaration_counters.h"
#include "templates/template_command.h"

class TemplateEditor;

// The questions a template command may ask: the input box, the information
// box of a refused step and the Yes/No confirmation.
class TemplateDialogs
{
public:
    virtual ~TemplateDialogs() = default;
    // The answer exactly as typed; empty when the box is cancelled.
    virtual QString ask(const QString &caption, const QString &prompt) = 0;
    virtual void inform(const QString &text) = 0;
    // True only when the answer is Yes.
    virtual bool confirm(const QString &text) = 0;
};

enum class CommandResult {
    Inserted,  // the document's text changed
    Refused,   // a guard failed and its message was shown
    Unchanged, // nothing to do (no action, or an empty answer that inserts nothing)
};

// Runs template commands on one editor: writes their lines at the insertion
// line, advances it, asks, checks and changes the declaration counters.
class TemplateEngine
{
public:
    TemplateEngine(TemplateEditor &editor, int &insertionLine, TemplateState &state,
                   TemplateDialogs &dialogs);

    CommandResult run(const TemplateCommand &command);

    // The steps of `script` in order; `caretOnFirstLine` decides the (+1) steps.
    void runScript(const Script &script, bool caretOnFirstLine, const QString &answer = QString());

    // Puts `line` on top of the document, followed by the previous text
    // without its surrounding blank lines and blanks.
    void putOnTop(const QString &line);

    // The two-block entry: the first block goes in as one entry at the
    // insertion line, which then becomes the caret line (1-based, so the line
    // below the caret's); the second block goes in there.
    void enterFirstBlock(const QString &block);
    void enterSecondBlock(const QString &block);

private:
    // One new line at the insertion line. An insertion line past the end is
    // first brought back to the end, so the line is appended and a block
    // continues below it.
    void insertAtInsertionLine(const QString &text);

    TemplateEditor &m_editor;
    int &m_insertionLine;
    TemplateState &m_state;
    TemplateDialogs &m_dialogs;
};

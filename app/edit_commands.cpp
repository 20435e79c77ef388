#include "app/edit_commands.h"

#include "app/main_window.h"
#include "editor/syn_memo.h"

EditCommands::EditCommands(Tfrmprincipal &window) : m_window(window) {}

void EditCommands::Undo()
{
    if (TSynMemo *editor = m_window.currentEditor())
        editor->Undo();
}

void EditCommands::Redo()
{
    if (TSynMemo *editor = m_window.currentEditor())
        editor->Redo();
}

void EditCommands::Cut()
{
    if (TSynMemo *editor = m_window.currentEditor())
        editor->CutToClipboard();
}

void EditCommands::Copy()
{
    if (TSynMemo *editor = m_window.currentEditor())
        editor->CopyToClipboard();
}

void EditCommands::Paste()
{
    if (TSynMemo *editor = m_window.currentEditor())
        editor->PasteFromClipboard();
}

void EditCommands::SelectAll()
{
    if (TSynMemo *editor = m_window.currentEditor())
        editor->SelectAll();
}

void EditCommands::Find() {}

void EditCommands::Font() {}

void EditCommands::Print() {}

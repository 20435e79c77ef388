#include "app/file_commands.h"

#include "app/main_window.h"

FileCommands::FileCommands(Tfrmprincipal &window) : m_window(window) {}

void FileCommands::Open() {}

bool FileCommands::SaveCurrentDocument()
{
    return false;
}

void FileCommands::SaveAs() {}

void FileCommands::Close() {}

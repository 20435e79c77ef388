#include "app/build_commands.h"

#include "app/main_window.h"

BuildCommands::BuildCommands(Tfrmprincipal &window) : m_window(window) {}

void BuildCommands::Compile() {}

void BuildCommands::Run() {}

void BuildCommands::Prompt() {}

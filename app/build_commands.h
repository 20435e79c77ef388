#pragma once

#include <QObject>

class Tfrmprincipal;

// Compiling the current document with javac, running its class in a terminal,
// and the command prompt.
class BuildCommands : public QObject
{
    Q_OBJECT
public:
    explicit BuildCommands(Tfrmprincipal &window);

    void Compile();
    void Run();
    void Prompt();

private:
    Tfrmprincipal &m_window;
};

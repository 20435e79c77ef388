#pragma once

#include <QObject>

class Tfrmprincipal;

// The editing commands on the current editor: undo, clipboard, select all,
// find and replace, font and printing. Each does nothing with no page open.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    explicit EditCommands(Tfrmprincipal &window);

    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void SelectAll();
    void Find();
    void Font();
    void Print();

private:
    Tfrmprincipal &m_window;
};

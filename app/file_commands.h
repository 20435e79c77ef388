#pragma once

#include <QObject>

class Tfrmprincipal;

// Open, save, save as and close of documents.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    explicit FileCommands(Tfrmprincipal &window);

    void Open();
    // Saves the active document; true when it was written.
    bool SaveCurrentDocument();
    void SaveAs();
    void Close();

private:
    Tfrmprincipal &m_window;
};

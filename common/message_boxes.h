#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The program's two families of message boxes, with Portuguese titles:
// typed dialogs (warning, information, error, confirmation) and the plain
// exclamation box that carries no title of its own.
namespace messages {

void warning(QWidget *parent, const QString &text);
void information(QWidget *parent, const QString &text);
// Sounds the error beep first.
void error(QWidget *parent, const QString &text);
// A box with just the text and OK, titled with the application's name.
void plain(QWidget *parent, const QString &text);
// The exclamation box owned by the main window: beep, exclamation icon, OK.
void exclamation(QWidget *parent, const QString &text);

// Yes/No (or Yes/No/Cancel) question; returns the button pressed. Closing the
// box any other way answers No (or Cancel, when offered).
QMessageBox::StandardButton confirm(QWidget *parent, const QString &text,
                                    QMessageBox::StandardButtons buttons
                                    = QMessageBox::Yes | QMessageBox::No);

} // namespace messages

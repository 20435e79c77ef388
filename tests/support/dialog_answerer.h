#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Answers the modal dialogs that a test provokes. Each call arms one answer for
// the next modal widget that appears; the test then triggers the dialog.
namespace testsupport {

// Runs `answer` on the next modal widget that becomes active.
void whenModal(std::function<void(QWidget *)> answer, int timeoutMs = 5000);

// Presses `button` on the next message box; its text lands in *text when given.
void answerMessageBox(QMessageBox::StandardButton button, QString *text = nullptr);

// Types `value` into the next input dialog and accepts it (or cancels it).
void answerInputDialog(const QString &value, bool accept = true,
                       QString *title = nullptr, QString *label = nullptr);

// True when no modal widget is open (for tests that expect no dialog at all).
bool noModalOpen();

} // namespace testsupport

#include "dialog_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QPointer>
#include <QTimer>

namespace testsupport {

void whenModal(std::function<void(QWidget *)> answer, int timeoutMs)
{
    auto *poll = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, answer, timeoutMs] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        } else if (clock->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start();
}

void answerMessageBox(QMessageBox::StandardButton button, QString *text)
{
    whenModal([button, text](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        if (text)
            *text = box->text();
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->reject();
    });
}

void answerInputDialog(const QString &value, bool accept, QString *title, QString *label)
{
    whenModal([=](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        if (title)
            *title = dialog->windowTitle();
        if (label)
            *label = dialog->labelText();
        dialog->setTextValue(value);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

bool noModalOpen()
{
    return QApplication::activeModalWidget() == nullptr;
}

} // namespace testsupport

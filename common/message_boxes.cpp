#include "common/message_boxes.h"

#include <QApplication>

namespace messages {

namespace {

QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                 const QString &text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton escape)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setEscapeButton(escape);
    const int result = box.exec();
    const auto pressed = static_cast<QMessageBox::StandardButton>(result);
    return (buttons & pressed) ? pressed : escape;
}

} // namespace

void warning(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Warning, QStringLiteral("Aviso"), text, QMessageBox::Ok,
         QMessageBox::Ok);
}

void information(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Information, QStringLiteral("Informação"), text, QMessageBox::Ok,
         QMessageBox::Ok);
}

void error(QWidget *parent, const QString &text)
{
    QApplication::beep();
    show(parent, QMessageBox::Critical, QStringLiteral("Erro"), text, QMessageBox::Ok,
         QMessageBox::Ok);
}

void plain(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
         QMessageBox::Ok);
}

void exclamation(QWidget *parent, const QString &text)
{
    QApplication::beep();
    show(parent, QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
         QMessageBox::Ok);
}

QMessageBox::StandardButton confirm(QWidget *parent, const QString &text,
                                    QMessageBox::StandardButtons buttons)
{
    const auto escape = (buttons & QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    return show(parent, QMessageBox::Question, QStringLiteral("Confirmação"), text, buttons,
                escape);
}

} // namespace messages

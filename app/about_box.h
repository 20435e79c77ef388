#pragma once

#include <QDialog>

class QPropertyAnimation;

// "Sobre": a small tool window that stays on top, fades in when shown and
// fades out when closed (300 ms each way).
class Tfrmsobre : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrmsobre(QWidget *parent = nullptr);

    // Brings the box to the front, centred on the screen, fading in; does not wait.
    void showFading();
    static constexpr int fadeMilliseconds = 300;

public slots:
    // "Fechar" and Esc: fade out, then hide.
    void reject() override;

private:
    QPropertyAnimation *m_fade = nullptr;
    bool m_closing = false;
};

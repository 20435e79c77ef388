#include "app/about_box.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The box's picture: a cup on a tray, drawn so the box needs no image file.
QPixmap emblem()
{
    QPixmap pixmap(72, 72);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 170));
    p.drawRoundedRect(QRectF(4, 56, 64, 8), 4, 4);
    p.setBrush(QColor(230, 120, 40));
    p.drawRoundedRect(QRectF(16, 22, 34, 32), 6, 6);
    p.setPen(QPen(QColor(230, 120, 40), 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(44, 28, 14, 16));
    p.setPen(QPen(QColor(150, 150, 150), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(20, 4, 10, 16), 270 * 16, 180 * 16);
    p.drawArc(QRectF(32, 4, 10, 16), 90 * 16, 180 * 16);
    return pixmap;
}

} // namespace

Tfrmsobre::Tfrmsobre(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmsobre"));
    setWindowTitle(QStringLiteral("Sobre"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint);

    auto *picture = new QLabel(this);
    picture->setPixmap(emblem());
    picture->setAlignment(Qt::AlignTop);

    auto *name = new QLabel(QStringLiteral("Tavessa"), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    name->setFont(big);

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(new QLabel(QStringLiteral("Ambiente de ensino da linguagem Java"), this));
    for (int version = 4; version >= 1; --version) {
        auto *label = new QLabel(QStringLiteral("Versão %1").arg(version), this);
        label->setObjectName(QStringLiteral("lblversao%1").arg(version));
        texts->addWidget(label);
    }
    texts->addSpacing(6);
    texts->addWidget(new QLabel(QStringLiteral("Feito para estudantes que escrevem os seus\n"
                                               "primeiros programas em Java."),
                                this));

    auto *body = new QHBoxLayout;
    body->addWidget(picture);
    body->addLayout(texts, 1);

    auto *close = new QPushButton(QStringLiteral("Fechar"), this);
    close->setObjectName(QStringLiteral("btnfechar"));
    connect(close, &QPushButton::clicked, this, &Tfrmsobre::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_fade = new QPropertyAnimation(this, "windowOpacity", this);
    m_fade->setDuration(fadeMilliseconds);
    connect(m_fade, &QPropertyAnimation::finished, this, [this] {
        if (m_closing) {
            m_closing = false;
            QDialog::reject();
        }
    });
}

void Tfrmsobre::showFading()
{
    m_fade->stop();
    m_closing = false;
    adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowOpacity(0.0);
    show();
    raise();
    activateWindow();
    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
    m_fade->start();
}

void Tfrmsobre::reject()
{
    if (!isVisible() || m_closing)
        return;
    m_closing = true;
    m_fade->stop();
    m_fade->setStartValue(windowOpacity());
    m_fade->setEndValue(0.0);
    m_fade->start();
}

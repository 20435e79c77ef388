#include "help/help_navigation_bar.h"

#include "help/cpp_web_browser.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

HelpNavigationBar::HelpNavigationBar(TCppWebBrowser *browser, const QString &startLocation,
                                     QWidget *parent)
    : QWidget(parent), m_browser(browser), m_startLocation(startLocation)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);

    m_back = addButton(QStringLiteral("btnVoltar"), QStringLiteral("Voltar"),
                       QStringLiteral("Voltar à página anterior (Alt+Esquerda)"),
                       style()->standardIcon(QStyle::SP_ArrowBack),
                       QKeySequence(Qt::ALT | Qt::Key_Left));
    m_forward = addButton(QStringLiteral("btnAvancar"), QStringLiteral("Avançar"),
                          QStringLiteral("Avançar para a página seguinte (Alt+Direita)"),
                          style()->standardIcon(QStyle::SP_ArrowForward),
                          QKeySequence(Qt::ALT | Qt::Key_Right));
    m_start = addButton(QStringLiteral("btnInicio"), QStringLiteral("Início"),
                        QStringLiteral("Voltar à página inicial da ajuda (Alt+Home)"),
                        style()->standardIcon(QStyle::SP_DirHomeIcon),
                        QKeySequence(Qt::ALT | Qt::Key_Home));
    layout->addStretch();

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_start, &QToolButton::clicked, this, [this] { m_browser->Navigate(m_startLocation); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
}

QToolButton *HelpNavigationBar::addButton(const QString &objectName, const QString &text,
                                          const QString &hint, const QIcon &icon,
                                          const QKeySequence &key)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(hint);
    button->setAccessibleName(text);
    button->setIcon(icon);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    // The keyboard belongs to the page; the buttons have their shortcuts.
    button->setFocusPolicy(Qt::NoFocus);
    layout()->addWidget(button);

    // The shortcut lives on the window so it works wherever the focus is; a
    // disabled button ignores it like a click.
    auto *shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
    return button;
}

#include "app/find_replace_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindReplaceDialog::FindReplaceDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setWindowTitle(QStringLiteral("Substituir"));
    setModal(false);

    m_findText = new QLineEdit(this);
    m_findText->setObjectName(QStringLiteral("FindText"));
    m_replaceText = new QLineEdit(this);
    m_replaceText->setObjectName(QStringLiteral("ReplaceText"));
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Localizar:"), m_findText);
    fields->addRow(QStringLiteral("Substituir &por:"), m_replaceText);

    m_wholeWord = new QCheckBox(QStringLiteral("Somente palavras &inteiras"), this);
    m_wholeWord->setObjectName(QStringLiteral("WholeWord"));
    m_matchCase = new QCheckBox(QStringLiteral("Diferenciar &maiúsculas e minúsculas"), this);
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));

    auto *direction = new QGroupBox(QStringLiteral("Direção"), this);
    m_up = new QRadioButton(QStringLiteral("Para &cima"), direction);
    m_up->setObjectName(QStringLiteral("Up"));
    m_down = new QRadioButton(QStringLiteral("Para &baixo"), direction);
    m_down->setObjectName(QStringLiteral("Down"));
    m_down->setChecked(true);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    auto *optionsLayout = new QVBoxLayout;
    optionsLayout->addLayout(fields);
    optionsLayout->addWidget(m_wholeWord);
    optionsLayout->addWidget(m_matchCase);
    optionsLayout->addWidget(direction);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setWordWrap(true);
    optionsLayout->addWidget(m_status);
    optionsLayout->addStretch();

    m_findNext = new QPushButton(QStringLiteral("Localizar &próxima"), this);
    m_findNext->setObjectName(QStringLiteral("FindNext"));
    m_findNext->setDefault(true);
    m_replace = new QPushButton(QStringLiteral("&Substituir"), this);
    m_replace->setObjectName(QStringLiteral("Replace"));
    m_replaceAll = new QPushButton(QStringLiteral("Substituir &tudo"), this);
    m_replaceAll->setObjectName(QStringLiteral("ReplaceAll"));
    auto *cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(m_replace);
    buttons->addWidget(m_replaceAll);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(optionsLayout, 1);
    layout->addLayout(buttons);

    connect(m_findNext, &QPushButton::clicked, this, &FindReplaceDialog::findNextRequested);
    connect(m_replace, &QPushButton::clicked, this, &FindReplaceDialog::replaceRequested);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindReplaceDialog::replaceAllRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_findText, &QLineEdit::textChanged, this, [this] {
        setStatus(QString());
        updateButtons();
    });
    updateButtons();
}

QString FindReplaceDialog::findText() const
{
    return m_findText->text();
}

void FindReplaceDialog::setFindText(const QString &text)
{
    m_findText->setText(text);
}

QString FindReplaceDialog::replaceText() const
{
    return m_replaceText->text();
}

TextSearch::Options FindReplaceDialog::options() const
{
    TextSearch::Options options;
    options.matchCase = m_matchCase->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    options.forward = m_down->isChecked();
    return options;
}

void FindReplaceDialog::setStatus(const QString &text)
{
    m_status->setText(text);
}

QString FindReplaceDialog::status() const
{
    return m_status->text();
}

void FindReplaceDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_findText->setFocus();
    m_findText->selectAll();
}

void FindReplaceDialog::updateButtons()
{
    const bool hasText = !m_findText->text().isEmpty();
    m_findNext->setEnabled(hasText);
    m_replace->setEnabled(hasText);
    m_replaceAll->setEnabled(hasText);
}

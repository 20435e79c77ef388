#include "app/new_document_dialog.h"

#include "common/colours.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct Option
{
    const char *caption;
    const char *description;
};

constexpr Option options[] = {
    {"Aplicação Autonoma (Texto)",
     "Cria um novo arquivo fonte para criação de aplicações em interface texto, como o DOS, da "
     "Microsoft."},
    {"Aplicação Autonoma (AWT)",
     "Cria um novo arquivo fonte para criação de aplicações em interface gráfica, como o Windows, "
     "da Microsoft."},
    {"Aplicação Applet (Web)",
     "Cria um novo arquivo fonte para criação de aplicações em interface gráfica APPLET,o seja, uma "
     "aplicação para Web."},
    {"Aplicação JSP", "Cria uma aplicação JSP."},
    {"Aplicação Gráfica SWING", "Cria uma aplicação gráfica SWING."},
};

constexpr int optionCount = int(std::size(options));

} // namespace

Tfrmtipoarquivo::Tfrmtipoarquivo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmtipoarquivo"));
    setWindowTitle(QStringLiteral("Criar Arquivo de..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);

    auto *group = new QGroupBox(QStringLiteral("Tipos dos Aplicativos em Java"), this);
    auto *groupLayout = new QVBoxLayout(group);
    for (int i = 1; i <= optionCount; ++i) {
        auto *radio = new QRadioButton(optionCaption(i), group);
        radio->setObjectName(QStringLiteral("rdbopcao%1").arg(i));
        radio->installEventFilter(this);
        connect(radio, &QRadioButton::clicked, this, [this, i] { optionClicked(i); });
        groupLayout->addWidget(radio);
        m_options.append(radio);
    }

    m_btncriar = new QPushButton(QStringLiteral("Criar Aplicação"), this);
    m_btncriar->setObjectName(QStringLiteral("btncriar"));
    m_btncriar->setDefault(true);
    m_btncriar->setAutoDefault(true);
    connect(m_btncriar, &QPushButton::clicked, this, &Tfrmtipoarquivo::btncriarClick);
    m_btncancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    m_btncancelar->setObjectName(QStringLiteral("btncancelar"));
    m_btncancelar->setAutoDefault(false);
    connect(m_btncancelar, &QPushButton::clicked, this, &Tfrmtipoarquivo::reject);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_btncriar);
    buttons->addWidget(m_btncancelar);
    buttons->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(group, 1);
    top->addLayout(buttons);

    auto *descriptionArea = new QFrame(this);
    descriptionArea->setObjectName(QStringLiteral("pnldescricao"));
    descriptionArea->setFrameShape(QFrame::StyledPanel);
    descriptionArea->setAutoFillBackground(true);
    m_descriptionArea = descriptionArea;
    paintDescriptionArea();
    auto *heading = new QLabel(QStringLiteral("Descrição do Detalhada do Aplicativo"),
                               descriptionArea);
    heading->setAlignment(Qt::AlignCenter);
    QFont headingFont(QStringLiteral("Arial"), 10);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    m_lbltipodescricao = new QLabel(descriptionArea);
    m_lbltipodescricao->setObjectName(QStringLiteral("lbltipodescricao"));
    m_lbltipodescricao->setFont(QFont(QStringLiteral("Arial"), 8));
    m_lbltipodescricao->setWordWrap(true);
    m_lbltipodescricao->setAlignment(Qt::AlignCenter);
    m_lbltipodescricao->setMinimumHeight(40);
    auto *descriptionLayout = new QVBoxLayout(descriptionArea);
    descriptionLayout->addWidget(heading);
    descriptionLayout->addWidget(m_lbltipodescricao);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(descriptionArea);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(420);
}

QString Tfrmtipoarquivo::optionCaption(int option)
{
    return option >= 1 && option <= optionCount ? QString::fromUtf8(options[option - 1].caption)
                                                : QString();
}

QString Tfrmtipoarquivo::optionDescription(int option)
{
    return option >= 1 && option <= optionCount
               ? QString::fromUtf8(options[option - 1].description)
               : QString();
}

int Tfrmtipoarquivo::selectedOption() const
{
    for (int i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked())
            return i + 1;
    }
    return 1;
}

QString Tfrmtipoarquivo::description() const
{
    return m_lbltipodescricao->text();
}

// The description's face, in the theme in use when the dialog shows.
void Tfrmtipoarquivo::paintDescriptionArea()
{
    QPalette grey = m_descriptionArea->palette();
    grey.setColor(QPalette::Window, colours::of(ColourRole::DialogFace));
    grey.setColor(QPalette::WindowText, colours::of(ColourRole::CodeText));
    m_descriptionArea->setPalette(grey);
}

void Tfrmtipoarquivo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    paintDescriptionArea();
    m_options.first()->setChecked(true);
    m_options.first()->setFocus();
}

bool Tfrmtipoarquivo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const int index = m_options.indexOf(qobject_cast<QRadioButton *>(watched));
        if (index >= 0) {
            m_options[index]->setChecked(true);
            if (index < 3)
                m_lbltipodescricao->setText(optionDescription(index + 1));
            btncriarClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrmtipoarquivo::optionClicked(int option)
{
    m_lbltipodescricao->setText(optionDescription(option));
    if (option <= 3)
        m_btncriar->setFocus();
}

void Tfrmtipoarquivo::btncriarClick()
{
    emit createRequested(selectedOption());
    accept();
}

void Tfrmtipoarquivo::reject()
{
    m_lbltipodescricao->clear();
    QDialog::reject();
}

#include "designer/events_dialog.h"

#include "common/message_boxes.h"
#include "designer/designer_session.h"
#include "designer/event_listeners.h"
#include "designer/form_document.h"
#include "designer/preview_control.h"
#include "editor/syn_memo.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

TfrmEventos::TfrmEventos(DesignerSession &session, TSynJavaSyn *scanner, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("frmEventos"));
    setWindowTitle(QStringLiteral("Eventos"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowStaysOnTopHint);
    setModal(true);
    resize(520, 360);

    m_txtNome = new QLineEdit(this);
    m_txtNome->setObjectName(QStringLiteral("txtNome"));
    m_txtNome->setReadOnly(true);
    QFont bold = m_txtNome->font();
    bold.setBold(true);
    m_txtNome->setFont(bold);

    m_cboEvento = new QComboBox(this);
    m_cboEvento->setObjectName(QStringLiteral("cboEvento"));
    for (const EventTemplate &t : eventTemplates())
        m_cboEvento->addItem(QString::fromUtf8(t.event));
    connect(m_cboEvento, &QComboBox::currentIndexChanged, this, &TfrmEventos::cboEventoChange);

    m_txtCod = new TSynMemo(this);
    m_txtCod->setObjectName(QStringLiteral("txtCod"));
    m_txtCod->SetGutterVisible(false);
    m_txtCod->SetHighlighter(scanner);
    QFont courier(QStringLiteral("Courier New"), 10);
    courier.setStyleHint(QFont::TypeWriter);
    m_txtCod->setFont(courier);
    m_txtCod->setTabChangesFocus(false);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setToolTip(QStringLiteral("Inserir Evento"));
    m_cmdOK->setAutoDefault(false);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmEventos::cmdOKClick);
    m_button1 = new QPushButton(QStringLiteral("Cancelar"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setAutoDefault(false);
    connect(m_button1, &QPushButton::clicked, this, &TfrmEventos::reject);

    auto *fields = new QGridLayout;
    const auto label = [this](const QString &caption, QWidget *buddy) {
        auto *l = new QLabel(caption, this);
        l->setBuddy(buddy);
        return l;
    };
    fields->addWidget(label(QStringLiteral("Nome"), m_txtNome), 0, 0);
    fields->addWidget(m_txtNome, 0, 1);
    fields->addWidget(label(QStringLiteral("Evento"), m_cboEvento), 1, 0);
    fields->addWidget(m_cboEvento, 1, 1);
    fields->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_button1);

    auto *column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(label(QStringLiteral("Código"), m_txtCod));
    column->addWidget(m_txtCod, 1);
    column->addLayout(buttons);
}

PreviewControl *TfrmEventos::selectedComponent() const
{
    const QList<PreviewControl *> selection = m_session.selection();
    return selection.isEmpty() ? nullptr : selection.first();
}

ComponentKind TfrmEventos::selectedKind() const
{
    const PreviewControl *control = selectedComponent();
    return control ? control->kind() : ComponentKind::JButton;
}

FormDocument *TfrmEventos::document() const
{
    return m_session.selectionDocument();
}

void TfrmEventos::showEvent(QShowEvent *event)
{
    // The name reads as a label: the face of a button, in the theme in use.
    QPalette face = m_txtNome->palette();
    face.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
    m_txtNome->setPalette(face);
    FormShow();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    m_txtCod->setFocus(Qt::OtherFocusReason);
}

void TfrmEventos::FormShow()
{
    const PreviewControl *control = selectedComponent();
    m_txtNome->setText(control ? control->name() : QString());
    m_txtCod->Clear();
    {
        const QSignalBlocker quiet(m_cboEvento);
        m_cboEvento->setCurrentIndex(0);
    }
    loadExistingHandler(0);
    m_template = eventTemplateLines(0, m_txtNome->text(), selectedKind());
}

void TfrmEventos::cboEventoChange()
{
    m_template.clear();
    const int event = m_cboEvento->currentIndex();
    if (event < 0) {
        m_txtCod->Clear();
        return;
    }
    loadExistingHandler(event);
    m_template = eventTemplateLines(event, m_txtNome->text(), selectedKind());
}

void TfrmEventos::loadExistingHandler(int event)
{
    m_txtCod->Clear();
    FormDocument *document = this->document();
    if (!document || m_txtNome->text().isEmpty())
        return;
    const std::optional<LoadedHandler> handler =
        loadHandler(document->code(), event, m_txtNome->text(), selectedKind());
    if (!handler)
        return;
    document->showCodeLine(handler->headerLine);
    m_txtCod->SetText(handler->body.join(QLatin1String("\r\n")));
}

void TfrmEventos::cmdOKClick()
{
    if (m_txtCod->Text().isEmpty()) {
        accept();
        return;
    }
    const int event = m_cboEvento->currentIndex();
    if (event < 0) {
        messages::error(this, QStringLiteral("Escolha um evento!"));
        accept();
        return;
    }
    FormDocument *document = this->document();
    const QString name = m_txtNome->text();
    if (!document || name.isEmpty()) {
        accept();
        return;
    }

    QStringList statements;
    const int count = m_txtCod->Lines().Count();
    for (int i = 0; i < count; ++i)
        statements.append(m_txtCod->Lines().Get(i));
    ListenerWrite write;
    {
        FormStep step(*document);
        write = writeListener(document->code(), event, name, selectedKind(), statements);
    }
    const QString problem = listenerMessage(write.result);
    if (!problem.isEmpty()) {
        // The statements stay in the dialog, to be kept or cancelled.
        messages::error(this, problem);
        return;
    }
    if (write.caretLine >= 0)
        document->showCodeLine(write.caretLine);
    accept();
}

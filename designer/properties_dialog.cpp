#include "designer/properties_dialog.h"

#include "common/message_boxes.h"
#include "designer/component_properties.h"
#include "designer/design_window.h"
#include "designer/designer_session.h"
#include "designer/form_document.h"
#include "designer/form_model.h"
#include "designer/memo_text.h"
#include "designer/preview_control.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

constexpr int kWidth = 337;

QLabel *addLabel(const QString &caption, QWidget *buddy, const QRect &rect, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(rect);
    label->setBuddy(buddy);
    return label;
}

QLineEdit *addEdit(const QString &objectName, const QRect &rect, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setGeometry(rect);
    return edit;
}

QComboBox *addChoice(const QString &objectName, const QRect &rect, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->addItems({QStringLiteral("true"), QStringLiteral("false")});
    combo->setGeometry(rect);
    return combo;
}

// The names of every component of the window that holds `control`.
QStringList namesInWindow(const PreviewControl *control)
{
    QStringList names;
    QWidget *ancestor = control->parentWidget();
    while (ancestor && !qobject_cast<DesignWindow *>(ancestor))
        ancestor = ancestor->parentWidget();
    if (auto *window = qobject_cast<DesignWindow *>(ancestor)) {
        for (const PreviewControl *component : window->components())
            names.append(component->name());
    } else {
        names.append(control->name());
    }
    return names;
}

} // namespace

TForm5::TForm5(DesignerSession &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Propriedades"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);

    m_txtNome = addEdit(QStringLiteral("txtNome"), QRect(8, 24, 321, 21), this);
    QFont bold = m_txtNome->font();
    bold.setBold(true);
    m_txtNome->setFont(bold);
    addLabel(QStringLiteral("Nome"), m_txtNome, QRect(8, 8, 160, 14), this);
    m_txtTit = addEdit(QStringLiteral("txtTit"), QRect(8, 66, 321, 21), this);
    addLabel(QStringLiteral("Titulo"), m_txtTit, QRect(8, 50, 160, 14), this);

    auto *group = new QGroupBox(QStringLiteral("Posição e tamanho"), this);
    group->setObjectName(QStringLiteral("grpPosicao"));
    group->setGeometry(8, 94, 321, 64);
    m_txtEsquerda = addEdit(QStringLiteral("txtEsquerda"), QRect(8, 34, 70, 21), group);
    m_txtTopo = addEdit(QStringLiteral("txtTopo"), QRect(86, 34, 70, 21), group);
    m_txtAltura = addEdit(QStringLiteral("txtAltura"), QRect(164, 34, 70, 21), group);
    m_txtLargura = addEdit(QStringLiteral("txtLargura"), QRect(242, 34, 70, 21), group);
    addLabel(QStringLiteral("Esquerda"), m_txtEsquerda, QRect(8, 18, 70, 14), group);
    addLabel(QStringLiteral("Topo"), m_txtTopo, QRect(86, 18, 70, 14), group);
    addLabel(QStringLiteral("Altura"), m_txtAltura, QRect(164, 18, 70, 14), group);
    addLabel(QStringLiteral("Largura"), m_txtLargura, QRect(242, 18, 70, 14), group);
    // Four digits, and room for the minus sign of a place left of or above
    // the window.
    m_txtEsquerda->setMaxLength(5);
    m_txtTopo->setMaxLength(5);

    m_cboEnabled = addChoice(QStringLiteral("cboEnabled"), QRect(8, 182, 100, 21), this);
    addLabel(QStringLiteral("Habilitado"), m_cboEnabled, QRect(8, 166, 100, 14), this);
    m_cboVisible = addChoice(QStringLiteral("cboVisible"), QRect(116, 182, 100, 21), this);
    addLabel(QStringLiteral("Visível"), m_cboVisible, QRect(116, 166, 100, 14), this);

    m_mnoList = new QPlainTextEdit(this);
    m_mnoList->setObjectName(QStringLiteral("mnoList"));
    m_mnoList->setGeometry(8, 228, 321, 76);
    m_mnoList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_mnoList->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_mnoList->setTabChangesFocus(true);
    m_mnoList->setToolTip(QStringLiteral("Cada linha equivale a um item"));
    m_lblItems = addLabel(QStringLiteral("Items"), m_mnoList, QRect(8, 212, 160, 14), this);
    m_lblItems->setObjectName(QStringLiteral("lblItems"));

    m_button1 = new QPushButton(QStringLiteral("Confirma"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setFont(bold);
    m_button1->setDefault(true);
    connect(m_button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    m_button2 = new QPushButton(QStringLiteral("Cancela"), this);
    m_button2->setObjectName(QStringLiteral("Button2"));
    m_button2->setAutoDefault(false);
    connect(m_button2, &QPushButton::clicked, this, &TForm5::reject);

    for (QLineEdit *edit : {m_txtNome, m_txtTit, m_txtEsquerda, m_txtTopo, m_txtAltura,
                            m_txtLargura})
        edit->installEventFilter(this);

    QWidget *order[] = {m_txtNome,   m_txtTit,  m_txtEsquerda, m_txtTopo,
                        m_txtAltura, m_txtLargura, m_button1,  m_button2,
                        m_cboEnabled, m_cboVisible, m_mnoList};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    showItems(false);
}

PreviewControl *TForm5::selectedComponent() const
{
    const QList<PreviewControl *> selection = m_session.selection();
    return selection.isEmpty() ? nullptr : selection.first();
}

void TForm5::showItems(bool shown)
{
    m_mnoList->setVisible(shown);
    m_lblItems->setVisible(shown);
    setFixedSize(kWidth, shown ? kHeightWithItems : kHeight);
    placeButtons();
}

void TForm5::placeButtons()
{
    // Anchored to the bottom-right corner.
    m_button2->setGeometry(width() - 83, height() - 33, 75, 25);
    m_button1->setGeometry(width() - 166, height() - 33, 75, 25);
}

void TForm5::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeButtons();
}

void TForm5::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
    m_txtNome->setFocus(Qt::TabFocusReason);
}

void TForm5::FormShow()
{
    m_cboEnabled->setCurrentIndex(-1);
    m_cboVisible->setCurrentIndex(-1);
    PreviewControl *control = selectedComponent();
    if (!control)
        return;
    const DesignedComponent c = control->component();
    m_txtNome->setText(c.name);
    showItems(false);
    m_txtTit->setEnabled(true);
    m_mnoList->clear();
    if (const std::optional<QString> title = titleForShowing(c)) {
        m_txtTit->setText(*title);
    } else {
        showItems(true);
        m_txtTit->setEnabled(c.kind == ComponentKind::JComboBox);
        m_mnoList->setPlainText(c.items.join(QLatin1Char('\n')));
    }
    m_txtEsquerda->setText(QString::number(c.left));
    m_txtTopo->setText(QString::number(c.top));
    m_txtLargura->setText(QString::number(c.width));
    m_txtAltura->setText(QString::number(c.height));
}

void TForm5::Button1Click()
{
    PreviewControl *control = selectedComponent();
    if (!control) {
        accept();
        return;
    }
    PropertiesInput input;
    input.name = m_txtNome->text();
    input.title = m_txtTit->text();
    input.left = m_txtEsquerda->text();
    input.top = m_txtTopo->text();
    input.height = m_txtAltura->text();
    input.width = m_txtLargura->text();
    input.enabled = m_cboEnabled->currentText();
    input.visible = m_cboVisible->currentText();
    if (kindHasItems(control->kind()))
        input.items = memoLines(m_mnoList->toPlainText());

    if (const auto refusal = validateProperties(input, control->name(), namesInWindow(control))) {
        messages::error(this, refusal->message);
        QLineEdit *focus = nullptr;
        switch (refusal->focus) {
        case PropertiesField::Nome: focus = m_txtNome; break;
        case PropertiesField::Esquerda: focus = m_txtEsquerda; break;
        case PropertiesField::Topo: focus = m_txtTopo; break;
        case PropertiesField::Altura: focus = m_txtAltura; break;
        case PropertiesField::Largura: focus = m_txtLargura; break;
        case PropertiesField::None: break;
        }
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);
        return;
    }

    const DesignedComponent current = control->component();
    const DesignedComponent updated = updatedComponent(current, input);
    CodegenResult result = CodegenResult::Written;
    if (FormDocument *document = m_session.selectionDocument()) {
        // The form's views move the preview and the handle with it.
        FormStep step(*document);
        result = writePropertiesCode(document->code(), current, updated, input.enabled,
                                     input.visible);
        document->form().update(control->id(), updated);
    }
    if (result != CodegenResult::Written)
        m_session.showMessage(codegenMessage(result));
    accept();
}

bool TForm5::acceptsTyped(const QLineEdit *edit, QChar typed) const
{
    const bool digit = typed >= QLatin1Char('0') && typed <= QLatin1Char('9');
    if (edit != m_txtEsquerda && edit != m_txtTopo)
        return digit;
    if (!digit && typed != QLatin1Char('-'))
        return false;
    // The text as the key would leave it: a minus sign only in front, at
    // most four digits.
    QString result = edit->text();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    result.replace(start, edit->selectedText().size(), typed);
    static const QRegularExpression position(QStringLiteral("^-?[0-9]{0,4}$"));
    return position.match(result).hasMatch();
}

bool TForm5::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && event->type() == QEvent::FocusIn) {
        // The whole text is selected on entry, however the field is reached.
        edit->selectAll();
    } else if (edit && event->type() == QEvent::KeyPress
               && (edit == m_txtEsquerda || edit == m_txtTopo || edit == m_txtAltura
                   || edit == m_txtLargura)) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        // Typed characters other than digits are dropped; keys without a
        // printable character (Backspace, arrows, shortcuts) pass.
        if (!typed.isEmpty() && typed.at(0).isPrint() && !acceptsTyped(edit, typed.at(0)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

#include "designer/menu_editor.h"

#include "common/message_boxes.h"
#include "designer/memo_text.h"
#include "designer/menu_bar_code.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const char *const kTypeCaptions[] = {"Menu", "Item", "SubMenu", "Separador"};
const char *const kTypeNames[] = {"rdbMenu", "rdbItem", "rdbSubMenu", "rdbSeparador"};

} // namespace

Tfrmmenu::Tfrmmenu(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmmenu"));
    setWindowTitle(QStringLiteral("Criar Menu"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    resize(560, 420);

    const auto edit = [this](const char *objectName) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(objectName));
        return e;
    };
    m_edit1 = edit("Edit1");
    m_edit2 = edit("Edit2");
    m_edit3 = edit("Edit3");
    m_cbomenu = new QComboBox(this);
    m_cbomenu->setObjectName(QStringLiteral("cbomenu"));
    m_cbomenu->setEditable(true);
    m_cbomenu->setInsertPolicy(QComboBox::NoInsert);

    auto *fields = new QGridLayout;
    const QString captions[] = {QStringLiteral("Nome:"), QStringLiteral("Caption:"),
                                QStringLiteral("Botão de Atalho:")};
    QLineEdit *edits[] = {m_edit1, m_edit2, m_edit3};
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(captions[i], this);
        m_labels[i]->setBuddy(edits[i]);
        fields->addWidget(m_labels[i], i, 0);
        fields->addWidget(edits[i], i, 1);
    }
    m_lblMenu = new QLabel(QStringLiteral("Menu:"), this);
    m_lblMenu->setObjectName(QStringLiteral("lblMenu"));
    m_lblMenu->setBuddy(m_cbomenu);
    fields->addWidget(m_lblMenu, 3, 0);
    fields->addWidget(m_cbomenu, 3, 1);
    fields->setColumnStretch(1, 1);

    m_radioGroup1 = new QGroupBox(QStringLiteral("Tipo"), this);
    m_radioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto *typeColumn = new QVBoxLayout(m_radioGroup1);
    m_types = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(QString::fromUtf8(kTypeCaptions[i]), m_radioGroup1);
        radio->setObjectName(QString::fromLatin1(kTypeNames[i]));
        m_types->addButton(radio, i);
        typeColumn->addWidget(radio);
    }
    connect(m_types, &QButtonGroup::idClicked, this, &Tfrmmenu::RadioGroup1Click);

    const auto button = [this](const char *objectName, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(objectName));
        b->setAutoDefault(false);
        return b;
    };
    m_button1 = button("Button1", QStringLiteral("Add"));
    m_button2 = button("Button2", QStringLiteral("Cancelar"));
    m_button3 = button("Button3", QStringLiteral("OK"));
    connect(m_button1, &QPushButton::clicked, this, &Tfrmmenu::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &Tfrmmenu::reject);
    connect(m_button3, &QPushButton::clicked, this, &Tfrmmenu::Button3Click);

    const auto memo = [this](const char *objectName) {
        auto *m = new QPlainTextEdit(this);
        m->setObjectName(QString::fromLatin1(objectName));
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        QFont courier(QStringLiteral("Courier New"), 9);
        courier.setStyleHint(QFont::TypeWriter);
        m->setFont(courier);
        return m;
    };
    m_memo1 = memo("Memo1");
    m_memo2 = memo("Memo2");

    m_lblverif = new QLabel(QStringLiteral("nao"), this);
    m_lblverif->setObjectName(QStringLiteral("lblverif"));
    m_lblverif->hide();

    auto *top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addWidget(m_radioGroup1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_button1);
    buttons->addWidget(m_button3);
    buttons->addWidget(m_button2);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(buttons);
    column->addWidget(m_memo1, 1);
    column->addWidget(m_memo2, 1);
}

void Tfrmmenu::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void Tfrmmenu::RadioGroup1Click()
{
    const auto type = MenuEntryType(m_types->checkedId());
    const bool named = type != MenuEntryType::Separator;
    for (int i = 0; i < 3; ++i)
        m_labels[i]->setEnabled(named);
    m_edit1->setEnabled(named);
    m_edit2->setEnabled(named);
    m_edit3->setEnabled(named);
    const bool inMenu = type != MenuEntryType::Menu;
    m_lblMenu->setVisible(inMenu);
    m_cbomenu->setVisible(inMenu);
}

void Tfrmmenu::Button1Click()
{
    MenuEntry entry;
    entry.type = MenuEntryType(m_types->checkedId());
    entry.name = m_edit1->text();
    entry.caption = m_edit2->text();
    entry.key = m_edit3->text();
    entry.menu = m_cbomenu->currentText();
    QStringList menus;
    for (int i = 0; i < m_cbomenu->count(); ++i)
        menus.append(m_cbomenu->itemText(i));

    const MenuAddition addition = menuAddition(entry, menus);
    for (const QString &refusal : addition.refusals)
        messages::plain(this, refusal);
    if (entry.type == MenuEntryType::None || addition.badKey)
        return;
    if (!addition.newMenu.isEmpty()) {
        // Adding an item must not change what the student typed as the menu.
        const QString typed = m_cbomenu->currentText();
        m_cbomenu->addItem(addition.newMenu);
        m_cbomenu->setEditText(typed);
    }
    for (const QString &line : addition.declarations)
        m_memo1->appendPlainText(line);
    for (const QString &line : addition.statements)
        m_memo2->appendPlainText(line);
    m_edit1->clear();
    m_edit2->clear();
    m_edit3->clear();
}

void Tfrmmenu::Button3Click()
{
    const std::optional<QString> code = m_target ? m_target->menuBarCode() : std::nullopt;
    if (!code) {
        messages::error(this, QStringLiteral("Abra ou crie um documento para receber o menu!"));
        return;
    }
    // Every window gets its own bar, once.
    const bool withBar = !codeHasMenuBar(*code);
    const MenuBlocks blocks = menuBlocks(memoLines(m_memo1->toPlainText()),
                                         memoLines(m_memo2->toPlainText()), withBar);
    m_target->enterMenuBlocks(blocks.first, blocks.second, withBar);
    if (withBar)
        m_lblverif->setText(QStringLiteral("sim"));
    m_edit1->clear();
    m_edit2->clear();
    m_edit3->clear();
    accept();
}

void Tfrmmenu::done(int result)
{
    m_memo1->clear();
    m_memo2->clear();
    QDialog::done(result);
}

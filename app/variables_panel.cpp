#include "app/variables_panel.h"

#include "common/colours.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr int IdRole = Qt::UserRole + 1;   // what expanding the item asks for
constexpr int NextRole = Qt::UserRole + 2; // on "more" items: the next element
constexpr int FrameRole = Qt::UserRole + 3;
constexpr int PathRole = Qt::UserRole + 4; // "method/name/[2]/campo": what stays open
const QColor kChanged = colours::of(ColourRole::ChangedValue);

bool isPlaceholder(const QTreeWidgetItem *item)
{
    return item && item->data(0, IdRole).toLongLong() == 0 && item->data(0, NextRole).toInt() == 0
           && item->text(1).isEmpty() && item->text(0) == u"…";
}

} // namespace

VariablesPanel::VariablesPanel(QWidget *parent)
    : QWidget(parent), m_bar(new QHBoxLayout), m_state(new QLabel(this)), m_note(new QLabel(this)), m_tree(new QTreeWidget(this)),
      m_stack(new QListWidget(this))
{
    setObjectName(QStringLiteral("variaveis"));
    setAccessibleName(QStringLiteral("Variáveis"));
    m_note->setObjectName(QStringLiteral("avisoDepuracao"));
    m_note->setWordWrap(true);
    m_note->setAccessibleName(QStringLiteral("Aviso da depuração"));
    m_note->hide();
    m_state->setObjectName(QStringLiteral("estadoDepuracao"));
    m_state->setWordWrap(true);
    m_state->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_tree->setObjectName(QStringLiteral("arvoreVariaveis"));
    m_tree->setHeaderLabels({QStringLiteral("Nome"), QStringLiteral("Valor"), QStringLiteral("Tipo")});
    m_tree->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_tree->setColumnWidth(0, 120);
    m_tree->setColumnWidth(1, 150);
    m_stack->setObjectName(QStringLiteral("pilhaChamadas"));
    m_stack->setAccessibleName(QStringLiteral("Chamadas"));

    m_bar->setContentsMargins(2, 2, 2, 2);
    m_bar->setSpacing(2);
    m_bar->addStretch(1);
    auto *stackPart = new QWidget(this);
    auto *stackColumn = new QVBoxLayout(stackPart);
    stackColumn->setContentsMargins(0, 0, 0, 0);
    stackColumn->addWidget(new QLabel(QStringLiteral("Chamadas"), stackPart));
    stackColumn->addWidget(m_stack);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_tree);
    split->addWidget(stackPart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->addLayout(m_bar);
    column->addWidget(m_state);
    column->addWidget(m_note);
    column->addWidget(split, 1);

    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        if (!isPlaceholder(item->child(0)))
            return;
        delete item->takeChild(0);
        const qint64 id = item->data(0, IdRole).toLongLong();
        m_open.insert(item->data(0, PathRole).toString());
        m_waiting.append({id, item});
        emit expandRequested(id, 0);
    });
    connect(m_tree, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem *item) { m_open.remove(item->data(0, PathRole).toString()); });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        const int next = item->data(0, NextRole).toInt();
        QTreeWidgetItem *parent = item->parent();
        if (next <= 0 || !parent)
            return;
        const qint64 id = parent->data(0, IdRole).toLongLong();
        delete item;
        m_waiting.append({id, parent});
        emit expandRequested(id, next);
    });
    connect(m_stack, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item && !m_filling)
            emit frameChosen(item->data(FrameRole).toInt());
    });
    showEnded();
}

void VariablesPanel::addButton(QAction *action)
{
    auto *button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setObjectName(QStringLiteral("botao") + action->objectName());
    m_bar->insertWidget(m_bar->count() - 1, button);
}

void VariablesPanel::showRunning()
{
    m_state->setText(QStringLiteral("O programa está rodando…"));
    m_tree->setEnabled(false);
    m_stack->setEnabled(false);
}

void VariablesPanel::setNote(const QString &text)
{
    // A sign goes with the colour, which alone would not tell it.
    m_note->setText(text.isEmpty() ? QString() : QStringLiteral("⚠ ") + text);
    m_note->setStyleSheet(QStringLiteral("color: %1;").arg(colours::of(ColourRole::DebugWarning).name()));
    m_note->setVisible(!text.isEmpty());
}

void VariablesPanel::showWaitingForInput()
{
    m_state->setText(QStringLiteral("O programa está esperando uma entrada: digite no console e "
                                    "tecle Enter."));
    m_tree->setEnabled(false);
    m_stack->setEnabled(false);
}

void VariablesPanel::showEnded()
{
    setNote({});
    m_state->setText(QStringLiteral("Nenhum programa em depuração."));
    m_tree->clear();
    m_stack->clear();
    m_waiting.clear();
    m_before.clear();
    m_now.clear();
    m_open.clear();
    m_previousMethod.clear();
}

void VariablesPanel::showStop(const QString &where, const QList<ShownFrame> &frames, int frameShown,
                              const QString &method, const QList<DebugVariable> &variables)
{
    m_state->setText(where);
    m_tree->setEnabled(true);
    m_stack->setEnabled(true);
    m_filling = true;
    m_stack->clear();
    for (const ShownFrame &frame : frames) {
        auto *item = new QListWidgetItem(frame.label, m_stack);
        item->setData(FrameRole, frame.index);
        if (!frame.students)
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        if (frame.index == frameShown)
            m_stack->setCurrentItem(item);
    }
    m_filling = false;
    // Changes are marked against the last stop in the same method; what was
    // open there opens again, its elements compared too.
    m_stopShown = true;
    m_marking = m_previousMethod == method;
    m_previousMethod = method;
    m_before = std::exchange(m_now, {});
    m_tree->clear();
    m_waiting.clear();
    fill(nullptr, variables, method);
}

void VariablesPanel::showVariables(const QString &method, const QList<DebugVariable> &variables)
{
    m_stopShown = false;
    m_tree->clear();
    m_waiting.clear();
    fill(nullptr, variables, method);
}

void VariablesPanel::showChildren(qint64 id, const QList<DebugVariable> &children, int next)
{
    // Answers come in the order of the requests; one value may be open twice.
    const auto waiting = std::find_if(m_waiting.begin(), m_waiting.end(),
                                      [id](const auto &request) { return request.first == id; });
    if (waiting == m_waiting.end())
        return;
    QTreeWidgetItem *parent = waiting->second;
    m_waiting.erase(waiting);
    fill(parent, children, parent->data(0, PathRole).toString());
    if (next > 0) {
        auto *more = new QTreeWidgetItem(parent, {QStringLiteral("(mais elementos…)")});
        more->setData(0, NextRole, next);
        more->setForeground(0, palette().color(QPalette::Link));
    }
}

void VariablesPanel::fill(QTreeWidgetItem *parent, const QList<DebugVariable> &variables, const QString &path)
{
    QList<QTreeWidgetItem *> reopen;
    for (const DebugVariable &variable : variables) {
        QTreeWidgetItem *item = itemFor(variable);
        const QString itemPath = path + QLatin1Char('/') + variable.name;
        item->setData(0, PathRole, itemPath);
        if (parent)
            parent->addChild(item);
        else
            m_tree->addTopLevelItem(item);
        if (!m_stopShown)
            continue;
        m_now.insert(itemPath, variable.value);
        // A variable that appeared is new; an element only counts when its
        // value of the last stop is known.
        const auto before = m_before.constFind(itemPath);
        const bool changed = before == m_before.cend() ? !parent : *before != variable.value;
        if (m_marking && changed) {
            for (int column = 0; column < 3; ++column)
                item->setBackground(column, kChanged);
            item->setToolTip(1, QStringLiteral("Mudou no último passo"));
        }
        if (variable.id != 0 && m_open.contains(itemPath))
            reopen.append(item);
    }
    for (QTreeWidgetItem *item : reopen)
        item->setExpanded(true);
}

QTreeWidgetItem *VariablesPanel::itemFor(const DebugVariable &variable)
{
    auto *item = new QTreeWidgetItem({variable.name, variable.value, variable.type});
    item->setData(0, IdRole, variable.id);
    item->setToolTip(1, variable.value);
    // Something inside: a placeholder until it is opened.
    if (variable.id != 0)
        item->addChild(new QTreeWidgetItem({QStringLiteral("…")}));
    return item;
}


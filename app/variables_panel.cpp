#include "app/variables_panel.h"

#include "app/memory_view.h"
#include "app/watch_panel.h"
#include "common/colours.h"
#include "common/text_colours.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>


namespace {

constexpr int IdRole = Qt::UserRole + 1;   // what expanding the item asks for
constexpr int NextRole = Qt::UserRole + 2; // on "more" items: the next element
constexpr int FrameRole = Qt::UserRole + 3;
constexpr int PathRole = Qt::UserRole + 4; // "method/name/[2]/campo": what stays open

bool isPlaceholder(const QTreeWidgetItem *item)
{
    return item && item->data(0, IdRole).toLongLong() == 0 && item->data(0, NextRole).toInt() == 0
           && item->text(1).isEmpty() && item->text(0) == u"…";
}

} // namespace

VariablesPanel::VariablesPanel(QWidget *parent)
    : QWidget(parent), m_bar(new QHBoxLayout), m_state(new QLabel(this)), m_note(new QLabel(this)), m_tree(new QTreeWidget(this)),
      m_stack(new QListWidget(this)), m_tabs(new QTabWidget(this)), m_memory(new MemoryView(this)),
      m_watches(new WatchPanel(this))
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
    m_tabs->setObjectName(QStringLiteral("abasDepuracao"));
    m_tabs->setDocumentMode(true);
    m_tabs->addTab(m_tree, QStringLiteral("Variáveis"));
    m_tabs->addTab(m_memory, QStringLiteral("Memória"));
    m_tabs->addTab(m_watches, QStringLiteral("Expressões"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { emit memoryWanted(isMemoryShown()); });
    split->addWidget(m_tabs);
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
        m_view.opened(item->data(0, PathRole).toString());
        m_view.asked(id, item->data(0, PathRole).toString());
        emit expandRequested(id, 0);
    });
    connect(m_tree, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem *item) { m_view.closed(item->data(0, PathRole).toString()); });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        const int next = item->data(0, NextRole).toInt();
        QTreeWidgetItem *parent = item->parent();
        if (next <= 0 || !parent)
            return;
        const qint64 id = parent->data(0, IdRole).toLongLong();
        delete item;
        m_view.asked(id, parent->data(0, PathRole).toString());
        emit expandRequested(id, next);
    });
    connect(m_stack, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item && !m_filling && item->data(FrameRole).toInt() >= 0)
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

bool VariablesPanel::isMemoryShown() const
{
    return m_tabs->currentWidget() == m_memory;
}

void VariablesPanel::showRunning()
{
    m_state->setText(QStringLiteral("O programa está rodando…"));
    m_memory->showMessage(QStringLiteral("O programa está rodando…"));
    m_watches->showNoStop(QStringLiteral("(o programa está rodando)"));
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

void VariablesPanel::refreshColours()
{
    m_note->setStyleSheet(QStringLiteral("color: %1;").arg(colours::of(ColourRole::DebugWarning).name()));
    textcolours::recolour(*m_tree);
    textcolours::recolour(*m_stack);
    m_watches->refreshColours();
    m_memory->widget()->update();
}

void VariablesPanel::showWaitingForInput()
{
    m_state->setText(QStringLiteral("O programa está esperando uma entrada: digite no console e "
                                    "tecle Enter."));
    m_memory->showMessage(m_state->text());
    m_tree->setEnabled(false);
    m_stack->setEnabled(false);
}

void VariablesPanel::showEnded()
{
    setNote({});
    m_state->setText(QStringLiteral("Nenhum programa em depuração."));
    clearTree();
    m_stack->clear();
    m_view.clear();
    m_memory->forget();
    m_memory->showMessage(QStringLiteral("Nenhum programa em depuração."));
    m_watches->showNoStop(QString());
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
            textcolours::setForeground(*item, ColourRole::DisabledText);
        if (frame.index == frameShown)
            m_stack->setCurrentItem(item);
    }
    m_filling = false;
    clearTree();
    fill(nullptr, m_view.stop(method, variables));
}

void VariablesPanel::showVariables(const QString &method, const QList<DebugVariable> &variables)
{
    clearTree();
    fill(nullptr, m_view.frame(method, variables));
}

void VariablesPanel::showChildren(qint64 id, const QList<DebugVariable> &children, int next)
{
    const std::optional<QString> path = m_view.answered(id);
    QTreeWidgetItem *parent = path ? m_items.value(*path) : nullptr;
    if (!parent)
        return;
    fill(parent, m_view.children(*path, children));
    if (next > 0) {
        auto *more = new QTreeWidgetItem(parent, {QStringLiteral("(mais elementos…)")});
        more->setData(0, NextRole, next);
        textcolours::setForeground(*more, 0, ColourRole::Link);
    }
}

void VariablesPanel::clearTree()
{
    m_tree->clear();
    m_items.clear();
}

void VariablesPanel::fill(QTreeWidgetItem *parent, const QList<ShownVariable> &rows)
{
    QList<QTreeWidgetItem *> reopen;
    for (const ShownVariable &row : rows) {
        QTreeWidgetItem *item = itemFor(row.variable);
        item->setData(0, PathRole, row.path);
        m_items.insert(row.path, item);
        if (parent)
            parent->addChild(item);
        else
            m_tree->addTopLevelItem(item);
        if (row.changed) {
            for (int column = 0; column < 3; ++column)
                textcolours::setBackground(*item, column, ColourRole::ChangedValue);
            item->setToolTip(1, QStringLiteral("Mudou no último passo"));
            // A screen reader hears the change the colour shows.
            item->setData(1, Qt::AccessibleTextRole, QStringLiteral("%1, mudou no último passo").arg(item->text(1)));
        }
        if (row.reopen)
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


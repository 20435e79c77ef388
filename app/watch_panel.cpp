#include "app/watch_panel.h"

#include "common/colours.h"
#include "common/text_colours.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

WatchPanel::WatchPanel(QWidget *parent)
    : QWidget(parent), m_input(new QLineEdit(this)), m_list(new QTreeWidget(this)), m_problems(new QLabel(this))
{
    setObjectName(QStringLiteral("expressoes"));
    setAccessibleName(QStringLiteral("Expressões"));
    m_input->setObjectName(QStringLiteral("novaExpressao"));
    m_input->setAccessibleName(QStringLiteral("Nova expressão"));
    m_input->setPlaceholderText(QStringLiteral("Nova expressão (por exemplo soma / 3) e Enter"));
    m_list->setObjectName(QStringLiteral("listaExpressoes"));
    m_list->setHeaderLabels({QStringLiteral("Expressão"), QStringLiteral("Valor"), QStringLiteral("Tipo")});
    m_list->setRootIsDecorated(false);
    // A message is long: the value's column takes the room left, and wraps.
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_problems->setObjectName(QStringLiteral("problemasExpressoes"));
    m_problems->setWordWrap(true);
    m_problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problems->hide();
    m_list->installEventFilter(this);
    auto *remove = new QAction(QStringLiteral("Remover expressão"), m_list);
    remove->setObjectName(QStringLiteral("removerExpressao"));
    m_list->addAction(remove);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(remove, &QAction::triggered, this, [this] {
        if (m_list->currentItem())
            removeExpression(m_list->indexOfTopLevelItem(m_list->currentItem()));
    });
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 2, 0, 0);
    column->addWidget(m_input);
    column->addWidget(m_list, 1);
    column->addWidget(m_problems);
    refreshColours();
    connect(m_input, &QLineEdit::returnPressed, this, [this] {
        addExpression(m_input->text());
        m_input->clear();
    });
    showNoStop(QString());
}

void WatchPanel::addExpression(const QString &text)
{
    const QString expression = text.trimmed();
    if (expression.isEmpty())
        return;
    m_expressions.append(expression);
    m_lastValues.append(QString());
    m_values.append({false, QStringLiteral("(avaliada na próxima parada)"), {}});
    rebuild();
    emit expressionsChanged(m_expressions);
}

void WatchPanel::removeExpression(int index)
{
    if (index < 0 || index >= m_expressions.size())
        return;
    m_expressions.removeAt(index);
    m_lastValues.removeAt(index);
    if (index < m_values.size())
        m_values.removeAt(index);
    rebuild();
    emit expressionsChanged(m_expressions);
}

void WatchPanel::showValues(const QList<WatchValue> &values)
{
    m_values = values;
    m_atStop = true;
    rebuild();
    m_lastValues.clear();
    for (const WatchValue &v : values)
        m_lastValues.append(v.ok ? v.text : QString());
}

void WatchPanel::showNoStop(const QString &why)
{
    m_atStop = false;
    m_values.clear();
    for (int i = 0; i < m_expressions.size(); ++i)
        m_values.append({false, why, {}});
    if (why.isEmpty())
        m_lastValues = QStringList(m_expressions.size(), QString());
    rebuild();
}

void WatchPanel::refreshColours()
{
    textcolours::recolour(*m_list);
    m_problems->setStyleSheet(QStringLiteral("color: %1;").arg(colours::of(ColourRole::DebugWarning).name()));
}

void WatchPanel::rebuild()
{
    m_list->clear();
    // The mistakes whole, under the list, where a long one has room.
    QStringList problems;
    for (int i = 0; i < m_expressions.size(); ++i) {
        const WatchValue value = m_values.value(i);
        // A mistake keeps its sign: the colour alone would not tell it.
        const QString shown = value.ok || !m_atStop ? value.text : QStringLiteral("✗ ") + value.text;
        auto *item = new QTreeWidgetItem(m_list, {m_expressions.at(i), shown, value.type});
        item->setToolTip(1, shown);
        if (!value.ok && m_atStop) {
            textcolours::setForeground(*item, 1, ColourRole::DebugWarning);
            problems.append(QStringLiteral("✗ %1: %2").arg(m_expressions.at(i), value.text));
        }
        const QString last = m_lastValues.value(i);
        if (m_atStop && value.ok && !last.isEmpty() && last != value.text) {
            for (int column = 0; column < 3; ++column)
                textcolours::setBackground(*item, column, ColourRole::ChangedValue);
            item->setData(1, Qt::AccessibleTextRole, QStringLiteral("%1, mudou no último passo").arg(shown));
        }
    }
    m_problems->setText(problems.join(QLatin1Char('\n')));
    m_problems->setVisible(!problems.isEmpty());
}

bool WatchPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete && m_list->currentItem()) {
        removeExpression(m_list->indexOfTopLevelItem(m_list->currentItem()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

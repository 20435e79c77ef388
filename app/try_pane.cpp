#include "app/try_pane.h"

#include "app/run_console.h"
#include "common/text_colours.h"
#include "editor/syn_memo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

QTextCharFormat formatOf(ColourRole role, bool bold = false, bool italic = false)
{
    QTextCharFormat format = textcolours::format(role);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    return format;
}

QTextCharFormat rowFormat(TryRow::Role role)
{
    switch (role) {
    case TryRow::Role::Value:
    case TryRow::Role::Variable:
        return formatOf(ColourRole::CodeText, true);
    case TryRow::Role::Declared:
    case TryRow::Role::Note:
        return formatOf(ColourRole::ConsoleNote, false, true);
    case TryRow::Role::Mistake:
        return formatOf(ColourRole::ConsoleExplanation, false, true);
    }
    return {};
}

// A mistake is told by its sign too, not by its colour alone.
QString rowText(const TryRow &row)
{
    switch (row.role) {
    case TryRow::Role::Value:
        return QStringLiteral("= ") + row.text;
    case TryRow::Role::Mistake:
        return QStringLiteral("✗ ") + row.text;
    case TryRow::Role::Variable:
    case TryRow::Role::Declared:
    case TryRow::Role::Note:
        return row.text;
    }
    return row.text;
}

} // namespace

TryPane::TryPane(QWidget *parent)
    : QWidget(parent), m_state(new QLabel(this)), m_notice(new QLabel(this)),
      m_stop(new QPushButton(QStringLiteral("Parar"), this)),
      m_restart(new QPushButton(QStringLiteral("Recomeçar"), this)), m_transcript(new QPlainTextEdit(this)),
      m_input(new TSynMemo(this))
{
    setObjectName(QStringLiteral("experimentar"));
    setAccessibleName(QStringLiteral("Experimentar"));
    m_state->setObjectName(QStringLiteral("experimentarEstado"));
    m_notice->setObjectName(QStringLiteral("experimentarAviso"));
    m_notice->setAccessibleName(QStringLiteral("Aviso do código compilado"));
    m_notice->setWordWrap(true);
    m_notice->setContentsMargins(4, 0, 4, 2);
    m_notice->hide();
    m_stop->setObjectName(QStringLiteral("btnPararExperimento"));
    m_stop->setToolTip(QStringLiteral("Parar a linha que está rodando"));
    m_stop->setFocusPolicy(Qt::NoFocus);
    m_stop->setEnabled(false);
    m_restart->setObjectName(QStringLiteral("btnRecomecar"));
    m_restart->setToolTip(QStringLiteral("Apagar as variáveis e os métodos declarados aqui"));
    m_restart->setFocusPolicy(Qt::NoFocus);

    m_transcript->setObjectName(QStringLiteral("experimentarHistorico"));
    m_transcript->setAccessibleName(QStringLiteral("Respostas do Java"));
    m_transcript->setReadOnly(true);
    m_transcript->setUndoRedoEnabled(false);
    m_transcript->setMaximumBlockCount(5000);
    m_transcript->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *copyResult = new QAction(QStringLiteral("Copiar resultado"), m_transcript);
    connect(copyResult, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(m_lastResult); });
    m_transcript->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *copySelection = new QAction(QStringLiteral("Copiar"), m_transcript);
    copySelection->setShortcut(QKeySequence::Copy);
    copySelection->setShortcutContext(Qt::WidgetShortcut);
    connect(copySelection, &QAction::triggered, m_transcript, &QPlainTextEdit::copy);
    m_transcript->addAction(copySelection);
    m_transcript->addAction(copyResult);

    m_input->setObjectName(QStringLiteral("experimentarEntrada"));
    m_input->setAccessibleName(QStringLiteral("Linha de Java"));
    m_input->setToolTip(QStringLiteral("Digite uma linha de Java e tecle Enter (↑ e ↓: linhas anteriores)"));
    m_input->SetGutterVisible(false);
    m_input->setTabChangesFocus(false);
    m_input->installEventFilter(this);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(m_state, 1);
    bar->addWidget(m_stop);
    bar->addWidget(m_restart);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addLayout(bar);
    column->addWidget(m_notice);
    column->addWidget(m_transcript, 1);
    column->addWidget(m_input);
    setFocusProxy(m_input);
    setCodeFont(ConsoleView::normalFont());

    connect(m_stop, &QPushButton::clicked, this, &TryPane::stopAsked);
    connect(m_restart, &QPushButton::clicked, this, &TryPane::restartAsked);
}

void TryPane::setCodeFont(const QFont &font)
{
    m_transcript->setFont(font);
    m_input->setFont(font);
    // Three lines: a method or a loop shows whole while it is typed.
    m_input->setFixedHeight(QFontMetrics(font).lineSpacing() * 3 + 2 * m_input->frameWidth() + 8);
}

void TryPane::append(const QString &text, const QTextCharFormat &format)
{
    QTextCursor end(m_transcript->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text, format);
    m_lineStarted = text.endsWith(u'\n');
    m_transcript->verticalScrollBar()->setValue(m_transcript->verticalScrollBar()->maximum());
}

void TryPane::showTyped(const QString &text)
{
    if (!m_lineStarted)
        append(QStringLiteral("\n"), {});
    QString shown = QStringLiteral("> ") + text;
    shown.replace(u'\n', QStringLiteral("\n  "));
    append(shown + u'\n', formatOf(ColourRole::ConsoleInput, true));
}

void TryPane::showPrinted(const QString &text, bool error)
{
    append(text, error ? formatOf(ColourRole::ConsoleError) : QTextCharFormat());
}

void TryPane::showRows(const QList<TryRow> &rows)
{
    QStringList result;
    for (const TryRow &row : rows) {
        if (!m_lineStarted)
            append(QStringLiteral("\n"), {});
        append(rowText(row) + u'\n', rowFormat(row.role));
        result.append(row.text);
    }
    if (!rows.isEmpty())
        m_lastResult = result.join(u'\n');
}

void TryPane::showNote(const QString &text)
{
    showRows({TryRow{TryRow::Role::Note, text}});
}

void TryPane::clearTranscript()
{
    m_transcript->clear();
    m_lineStarted = true;
    m_lastResult.clear();
}

void TryPane::setState(const QString &text)
{
    m_state->setText(text);
}

void TryPane::setNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

void TryPane::setRunning(bool running)
{
    m_stop->setEnabled(running);
}

bool TryPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_input || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const QTextCursor caret = m_input->textCursor();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (key->modifiers() & Qt::ShiftModifier)
            return false;
        if (tryanswer::isUnfinished(m_input->toPlainText()))
            return false;
        enter();
        return true;
    case Qt::Key_Up:
        if (caret.blockNumber() != 0 || key->modifiers() != Qt::NoModifier)
            return false;
        recall(-1);
        return true;
    case Qt::Key_Down:
        if (caret.blockNumber() != m_input->document()->blockCount() - 1 || key->modifiers() != Qt::NoModifier)
            return false;
        recall(1);
        return true;
    default:
        return false;
    }
}

void TryPane::enter()
{
    const QString text = m_input->toPlainText();
    if (text.trimmed().isEmpty())
        return;
    if (m_history.isEmpty() || m_history.last() != text)
        m_history.append(text);
    m_historyAt = int(m_history.size());
    m_typing.clear();
    m_input->SetText(QString());
    emit textEntered(text);
}

void TryPane::recall(int step)
{
    const int at = qBound(0, m_historyAt + step, int(m_history.size()));
    if (at == m_historyAt)
        return;
    if (m_historyAt == m_history.size())
        m_typing = m_input->toPlainText();
    m_historyAt = at;
    m_input->SetText(at == m_history.size() ? m_typing : m_history.at(at));
    m_input->moveCursor(QTextCursor::End);
}

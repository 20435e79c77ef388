#include "app/completion_popup.h"

#include "editor/syn_memo.h"
#include "templates/template_catalogue.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

constexpr int kRowsShown = 10;

// Which call's parentheses hold `position`: the "(" at `open` and its ")"
// not yet reached on that line.
bool insideCall(const QTextCursor &open, int position)
{
    if (open.isNull() || position <= open.position())
        return false;
    const QTextBlock block = open.block();
    const QString text = block.text();
    const int from = open.position() - block.position();
    const int to = position - block.position();
    if (to > text.size() || position < block.position())
        return false;
    int depth = 0;
    for (int i = from; i < to; ++i) {
        depth += text.at(i) == u'(' ? 1 : text.at(i) == u')' ? -1 : 0;
        if (depth == 0)
            return false;
    }
    return true;
}

} // namespace

QList<Suggestion> CompletionPopup::structuresOf(const TemplateCatalogue &catalogue)
{
    static const struct
    {
        const char *caption;
        const char *word;
    } words[] = {{"Estrutura IF..ELSE", "if"}, {"Estrutura FOR", "for"}, {"Estrutura SWITCH..CASE", "switch"},
                 {"Estrutura WHILE", "while"}, {"Método MAIN", "main"}};
    QList<Suggestion> found;
    for (const TemplateCommand *command : catalogue.menuEntries()) {
        for (const auto &w : words) {
            if (command->menuPath.value(1) != QStringLiteral("Estruturas básicas")
                || command->menuPath.last() != QString::fromUtf8(w.caption))
                continue;
            Suggestion s;
            s.kind = Suggestion::Structure;
            s.name = QString::fromLatin1(w.word);
            s.type = QStringLiteral("estrutura");
            s.description = QStringLiteral("%1, do menu Java › Estruturas básicas").arg(command->menuPath.last());
            s.command = command->menuPath.join(menuPathSeparator());
            found.append(s);
        }
    }
    return found;
}

CompletionPopup::CompletionPopup(TSynMemo &editor, QList<Suggestion> structures,
                                 std::function<void(const Suggestion &)> runStructure)
    : QObject(&editor), m_editor(editor), m_structures(std::move(structures)),
      m_runStructure(std::move(runStructure))
{
    // A window of its own that never takes the keyboard from the editor.
    m_frame = new QFrame(&editor, Qt::ToolTip | Qt::FramelessWindowHint);
    m_frame->setObjectName(QStringLiteral("sugestoes"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setAccessibleName(QStringLiteral("Sugestões"));
    auto *layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    m_list = new QListWidget(m_frame);
    m_list->setObjectName(QStringLiteral("listaSugestoes"));
    m_list->setAccessibleName(QStringLiteral("Sugestões"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    layout->addWidget(m_list);
    m_description = new QLabel(m_frame);
    m_description->setObjectName(QStringLiteral("descricaoSugestao"));
    m_description->setWordWrap(true);
    m_description->setMargin(4);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_description);
    connect(m_list, &QListWidget::currentRowChanged, this, &CompletionPopup::showDescription);
    connect(m_list, &QListWidget::itemClicked, this, &CompletionPopup::accept);
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (isOpen())
            refilter();
        followParameters();
    });
    editor.installEventFilter(this);
}

CompletionPopup::~CompletionPopup() = default;

bool CompletionPopup::isOpen() const
{
    return m_frame->isVisible();
}

void CompletionPopup::open(bool onlyMembers)
{
    const QTextCursor caret = m_editor.textCursor();
    QStringList lines = m_context ? m_context() : QStringList();
    const int before = int(lines.size());
    for (QTextBlock block = m_editor.document()->firstBlock(); block.isValid(); block = block.next())
        lines.append(block.text());
    m_completion = completion::at(lines, before + caret.blockNumber(), caret.positionInBlock(), m_structures);
    if ((onlyMembers && !m_completion.member) || m_completion.all.isEmpty()) {
        close();
        return;
    }
    m_line = caret.blockNumber();
    refilter();
}

void CompletionPopup::refilter()
{
    const QTextCursor caret = m_editor.textCursor();
    const int column = caret.positionInBlock();
    if (caret.blockNumber() != m_line || column < m_completion.start || caret.hasSelection()) {
        close();
        return;
    }
    const QString typed = caret.block().text().mid(m_completion.start, column - m_completion.start);
    // A character that cannot be part of a name ends the word.
    if (std::any_of(typed.begin(), typed.end(), [](QChar c) { return !c.isLetterOrNumber() && c != u'_'; })) {
        close();
        return;
    }
    m_shown = completion::filtered(m_completion.all, typed);
    if (m_shown.isEmpty()) {
        m_frame->hide();
        return;
    }
    m_list->clear();
    for (const Suggestion &s : std::as_const(m_shown)) {
        auto *item = new QListWidgetItem(s.label(), m_list);
        item->setToolTip(s.description);
    }
    m_list->setCurrentRow(0);
    // Below the word, as wide as its longest row.
    QTextCursor wordStart = caret;
    wordStart.setPosition(caret.block().position() + m_completion.start);
    const QRect at = m_editor.cursorRect(wordStart);
    const int rows = qMin(kRowsShown, int(m_shown.size()));
    const int width = qBound(260, m_list->sizeHintForColumn(0) + m_list->verticalScrollBar()->sizeHint().width() + 12, 640);
    m_list->setFixedSize(width, rows * m_list->sizeHintForRow(0) + 2 * m_list->frameWidth());
    m_description->setFixedWidth(width);
    showDescription();
    m_frame->adjustSize();
    // Above the word when the screen has no room for it below.
    QPoint place = m_editor.viewport()->mapToGlobal(at.bottomLeft());
    if (const QScreen *screen = m_editor.screen();
        screen && place.y() + m_frame->height() > screen->availableGeometry().bottom())
        place = m_editor.viewport()->mapToGlobal(at.topLeft()) - QPoint(0, m_frame->height());
    m_frame->move(place);
    m_frame->show();
    m_frame->raise();
}

void CompletionPopup::showDescription()
{
    const int row = m_list->currentRow();
    const Suggestion s = m_shown.value(row);
    m_description->setText(s.description);
    m_description->setVisible(!s.description.isEmpty());
    m_description->setFixedHeight(m_description->heightForWidth(m_description->width()));
    m_frame->adjustSize();
}

void CompletionPopup::accept()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_shown.size())
        return close();
    const Suggestion chosen = m_shown.at(row);
    close();
    QTextCursor cursor = m_editor.textCursor();
    const int wordStart = cursor.block().position() + m_completion.start;
    cursor.beginEditBlock();
    cursor.setPosition(wordStart, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (chosen.kind == Suggestion::Structure) {
        cursor.endEditBlock();
        m_editor.setTextCursor(cursor);
        if (m_runStructure)
            m_runStructure(chosen);
        return;
    }
    cursor.insertText(chosen.name);
    if (chosen.isCall()) {
        cursor.insertText(QStringLiteral("()"));
        if (chosen.takesArguments()) {
            cursor.movePosition(QTextCursor::Left);
            m_call = cursor;
            m_call.movePosition(QTextCursor::Left);
            m_callTip = chosen.name + chosen.parameters;
        }
    }
    cursor.endEditBlock();
    m_editor.setTextCursor(cursor);
    followParameters();
}

void CompletionPopup::close()
{
    m_frame->hide();
    m_line = -1;
}

// The tip of the call's parameters stays while the caret is inside them.
void CompletionPopup::followParameters()
{
    if (m_call.isNull())
        return;
    const QTextCursor caret = m_editor.textCursor();
    if (!insideCall(m_call, caret.position())) {
        m_call = QTextCursor();
        QToolTip::hideText();
        return;
    }
    const QPoint at = m_editor.viewport()->mapToGlobal(m_editor.cursorRect(caret).topLeft());
    QToolTip::showText(at - QPoint(0, m_editor.fontMetrics().height() + 8), m_callTip, &m_editor);
}

bool CompletionPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_editor)
        return false;
    if (event->type() == QEvent::FocusOut) {
        close();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Space && key->modifiers() == Qt::ControlModifier) {
        open(false);
        return true;
    }
    if (isOpen()) {
        const int rows = int(m_shown.size());
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            const int step = key->key() == Qt::Key_Up ? -1 : key->key() == Qt::Key_Down ? 1
                             : key->key() == Qt::Key_PageUp ? -kRowsShown : kRowsShown;
            m_list->setCurrentRow(qBound(0, m_list->currentRow() + step, rows - 1));
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            accept();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            break;
        }
    }
    // After a ".", once the editor has put it in.
    if (key->text() == QLatin1String("."))
        QTimer::singleShot(0, this, [this] { open(true); });
    return false;
}

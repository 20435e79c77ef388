#include "app/run_console.h"

#include "common/text_colours.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

// Explanations carry the place they name in their characters' format.
constexpr int FileProperty = QTextFormat::UserProperty + 1;
constexpr int LineProperty = QTextFormat::UserProperty + 2;

QTextCharFormat formatOf(const RunOutput &piece)
{
    QTextCharFormat format;
    switch (piece.kind) {
    case RunOutput::Kind::Output:
        break;
    case RunOutput::Kind::Error:
        format = textcolours::format(ColourRole::ConsoleError);
        break;
    case RunOutput::Kind::Input:
        format = textcolours::format(ColourRole::ConsoleInput);
        format.setFontWeight(QFont::Bold);
        break;
    case RunOutput::Kind::Explanation:
        format = textcolours::format(ColourRole::ConsoleExplanation);
        format.setFontItalic(true);
        format.setProperty(FileProperty, piece.file);
        format.setProperty(LineProperty, piece.line);
        break;
    case RunOutput::Kind::Note:
        format = textcolours::format(ColourRole::ConsoleNote);
        format.setFontItalic(true);
        break;
    }
    return format;
}

QTextCharFormat typedFormat()
{
    return formatOf(RunOutput{RunOutput::Kind::Input, {}, {}, {}, 0});
}

bool isNavigation(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool isEndOfInput(QKeyEvent *event)
{
    return event->key() == Qt::Key_D && (event->modifiers() & Qt::ControlModifier);
}

} // namespace

// --- The view ------------------------------------------------------------------

ConsoleView::ConsoleView(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("consoleView"));
    setAccessibleName(QStringLiteral("Saída do programa"));
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    // A program that prints without end keeps its last lines, no more.
    setMaximumBlockCount(ProgramRun::MaxLines + 100);
    setFont(normalFont());
}

QFont ConsoleView::normalFont()
{
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void ConsoleView::clearAll()
{
    clear();
    m_inputLength = 0;
}

QString ConsoleView::pendingInput() const
{
    const QString all = toPlainText();
    return all.right(m_inputLength);
}

void ConsoleView::append(const QList<RunOutput> &pieces)
{
    QScrollBar *bar = verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    // The program's text goes before the line being typed.
    QTextCursor at(document());
    at.movePosition(QTextCursor::End);
    at.setPosition(at.position() - m_inputLength);
    at.beginEditBlock();
    for (const RunOutput &piece : pieces)
        at.insertText(piece.text, formatOf(piece));
    at.endEditBlock();
    if (following)
        bar->setValue(bar->maximum());
}

void ConsoleView::type(const QString &text)
{
    if (!m_acceptsInput || text.isEmpty())
        return;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(text, typedFormat());
    m_inputLength += int(text.size());
    setTextCursor(end);
    ensureCursorVisible();
}

void ConsoleView::enterLine()
{
    const QString line = pendingInput();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.setPosition(end.position() - m_inputLength, QTextCursor::KeepAnchor);
    end.removeSelectedText();
    m_inputLength = 0;
    // The run shows the line back, in its place among the program's text.
    emit lineEntered(line);
}

bool ConsoleView::event(QEvent *event)
{
    // These keys are the console's while it has the focus, not the window's
    // commands on the code editor. Ctrl+A stays the window's "Abrir" (the
    // console selects all from its context menu).
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)
            || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Undo)
            || key->matches(QKeySequence::Redo) || isEndOfInput(key)) {
            event->accept();
            return true;
        }
        if (key->matches(QKeySequence::SelectAll)) {
            event->ignore(); // the text control would claim it
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void ConsoleView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit leaveRequested();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (isNavigation(event)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (!m_acceptsInput)
        return;
    if (isEndOfInput(event)) {
        if (m_inputLength > 0)
            enterLine();
        emit inputEnded();
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        enterLine();
    } else if (event->key() == Qt::Key_Backspace) {
        if (m_inputLength == 0)
            return;
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        const int before = end.position();
        end.deletePreviousChar();
        m_inputLength -= before - end.position();
        setTextCursor(end);
    } else if (!event->text().isEmpty() && event->text().at(0).isPrint()
               && !(event->modifiers() & Qt::ControlModifier)) {
        type(event->text());
    }
}

void ConsoleView::inputMethodEvent(QInputMethodEvent *event)
{
    // Accents composed by the input method arrive whole here.
    type(event->commitString());
    event->accept();
}

void ConsoleView::insertFromMimeData(const QMimeData *source)
{
    // Pasted text is typed: each line break sends a line.
    const QStringList lines = source->text().split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size() && m_acceptsInput; ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        type(line);
        if (i + 1 < lines.size())
            enterLine();
    }
}

void ConsoleView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QTextBlock block = cursorForPosition(event->position().toPoint()).block();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.hasProperty(FileProperty) && !format.stringProperty(FileProperty).isEmpty()) {
            emit placeActivated(format.stringProperty(FileProperty), format.intProperty(LineProperty));
            return;
        }
    }
    // A frame of a stack trace: "at Ola.main(Ola.java:7)".
    static const QRegularExpression frame(
        QStringLiteral("\\bat\\s+(?:\\S*/)?[\\w$.]+\\.[\\w$<>]+\\(([\\w$]+\\.java):(\\d+)\\)"));
    if (const QRegularExpressionMatch match = frame.match(block.text()); match.hasMatch()) {
        emit placeActivated(match.captured(1), match.captured(2).toInt());
        return;
    }
    QPlainTextEdit::mouseDoubleClickEvent(event);
}

void ConsoleView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyAction = menu.addAction(QStringLiteral("Copiar"), this, &QPlainTextEdit::copy);
    copyAction->setEnabled(textCursor().hasSelection());
    menu.addAction(QStringLiteral("Selecionar tudo"), this, &QPlainTextEdit::selectAll);
    menu.exec(event->globalPos());
}

// --- The panel -------------------------------------------------------------------

void RunConsole::setStopAction(QAction *action)
{
    connect(m_stop, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, m_stop, [this, action] { m_stop->setEnabled(action->isEnabled()); });
    m_stop->setEnabled(action->isEnabled());
}

RunConsole::RunConsole(QWidget *parent)
    : QWidget(parent), m_state(new QLabel(this)), m_stop(new QPushButton(QStringLiteral("Parar"), this)),
      m_view(new ConsoleView(this))
{
    setObjectName(QStringLiteral("console"));
    setAccessibleName(QStringLiteral("Console"));
    m_state->setObjectName(QStringLiteral("consoleState"));
    m_stop->setObjectName(QStringLiteral("btnParar"));
    m_stop->setToolTip(QStringLiteral("Parar o programa (Ctrl+F2)"));
    m_stop->setFocusPolicy(Qt::NoFocus);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(m_state, 1);
    bar->addWidget(m_stop);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(bar);
    column->addWidget(m_view, 1);
    setFocusProxy(m_view);

    connect(m_view, &ConsoleView::leaveRequested, this, &RunConsole::leaveRequested);
    connect(m_view, &ConsoleView::lineEntered, this, [this](const QString &line) {
        if (m_run)
            m_run->sendLine(line);
    });
    connect(m_view, &ConsoleView::inputEnded, this, [this] {
        if (m_run)
            m_run->closeInput();
        showState();
    });
    connect(m_view, &ConsoleView::placeActivated, this, [this](const QString &file, int line) {
        const QString folder = m_run ? m_run->folder() : QString();
        emit placeActivated(folder.isEmpty() ? file : QDir(folder).absoluteFilePath(file), line);
    });
    showState();
}

void RunConsole::attach(ProgramRun *run)
{
    if (m_run)
        m_run->disconnect(this);
    m_run = run;
    m_view->clearAll();
    if (run) {
        connect(run, &ProgramRun::output, m_view, &ConsoleView::append);
        connect(run, &ProgramRun::finished, this, &RunConsole::showState);
        connect(run, &QObject::destroyed, this, &RunConsole::showState, Qt::QueuedConnection);
    }
    showState();
}

void RunConsole::showState()
{
    const bool live = m_run && !m_run->hasEnded();
    m_view->setAcceptsInput(live && m_run->isInputOpen());
    if (!m_run)
        m_state->setText(QStringLiteral("Nenhum programa em execução"));
    else if (live)
        m_state->setText((m_run->isDebugged() ? QStringLiteral("Depurando %1") : QStringLiteral("Executando %1"))
                             .arg(m_run->className()));
    else
        m_state->setText(QStringLiteral("%1 terminou").arg(m_run->className()));
}

#include "app/template_bridge.h"

#include "app/command_actions.h"
#include "app/document_manager.h"
#include "app/java_document.h"
#include "common/message_boxes.h"
#include "common/object_names.h"
#include "common/toolbar_row.h"
#include "editor/document_lines.h"
#include "templates/template_catalogue.h"
#include "templates/template_editor.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

// The template dialogs as the main window shows them.
class WindowDialogs : public TemplateDialogs
{
public:
    explicit WindowDialogs(QWidget *parent) : m_parent(parent) {}

    QString ask(const QString &caption, const QString &prompt) override
    {
        bool accepted = false;
        const QString answer = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal,
                                                     QString(), &accepted);
        return accepted ? answer : QString();
    }

    void inform(const QString &text) override { messages::information(m_parent, text); }

    bool confirm(const QString &text) override
    {
        return messages::confirm(m_parent, text) == QMessageBox::Yes;
    }

private:
    QWidget *m_parent;
};

// A document's lines as the template engine writes them, with the caret line
// its editor had when the command started (line changes keep it there).
class DocumentTemplateEditor : public TemplateEditor
{
public:
    explicit DocumentTemplateEditor(JavaDocument &document)
        : m_lines(document.lines()), m_caretY(document.caretLine())
    {
    }
    int lineCount() const override { return m_lines.Count(); }
    void insertLine(int index, const QString &text) override { m_lines.Insert(index, text); }
    void addLine(const QString &text) override { m_lines.Add(text); }
    QString text() const override { return m_lines.Text(); }
    void clear() override { m_lines.Clear(); }
    int caretY() const override { return m_caretY; }

private:
    DocumentLines &m_lines;
    int m_caretY;
};

} // namespace

TemplateBridge::TemplateBridge(DocumentManager &documents, CommandActions &commands,
                               QWidget *window)
    : m_documents(documents), m_commands(commands), m_window(window)
{
    m_controls.resize(catalogue().commands().size());
    buildMenus();
    buildButtons();
    buildTwoBlockEntry();
}

TemplateBridge::~TemplateBridge() = default;

const TemplateCatalogue &TemplateBridge::catalogue() const
{
    return TemplateCatalogue::standard();
}

void TemplateBridge::addToMenu(QMenu *menu, QAction *action)
{
    menu->insertAction(m_anchors.value(menu), action);
}

QMenu *TemplateBridge::menuAt(const QStringList &path)
{
    const QString key = path.join(menuPathSeparator());
    if (QMenu *known = m_menusByPath.value(key))
        return known;

    QMenu *menu = nullptr;
    if (path.size() == 1) {
        menu = m_commands.menu(menuObjectName(path.first()));
        if (!menu) {
            qWarning("No top-level menu '%s' for the templates", qPrintable(path.first()));
            return nullptr;
        }
        const QList<QAction *> present = menu->actions();
        m_anchors.insert(menu, present.isEmpty() ? nullptr : present.first());
    } else {
        QMenu *parent = menuAt(path.mid(0, path.size() - 1));
        if (!parent)
            return nullptr;
        menu = new QMenu(path.last(), parent);
        menu->setObjectName(m_commands.takeName(path.last()));
        addToMenu(parent, menu->menuAction());
        m_commands.addMenu(menu);
    }
    m_menusByPath.insert(key, menu);
    return menu;
}

void TemplateBridge::buildMenus()
{
    for (const QStringList &path : catalogue().submenus())
        menuAt(path);

    const QList<TemplateCommand> &commands = catalogue().commands();
    for (int i = 0; i < commands.size(); ++i) {
        const TemplateCommand &command = commands.at(i);
        if (command.isButton())
            continue;
        QMenu *menu = menuAt(command.menuPath.mid(0, command.menuPath.size() - 1));
        if (!menu)
            continue;
        const QString caption = command.caption();
        if (command.kind == CommandKind::Disabled) {
            // The window may have made this entry already.
            const QList<QAction *> present = menu->actions();
            const auto same = std::find_if(present.begin(), present.end(), [&](QAction *action) {
                return action->text() == caption;
            });
            if (same != present.end()) {
                (*same)->setEnabled(false);
                m_controls[i] = *same;
                continue;
            }
        }
        auto *action = new QAction(caption, menu);
        action->setObjectName(m_commands.takeName(caption));
        addToMenu(menu, action);
        m_commands.addAction(action);
        m_controls[i] = action;
        if (command.kind == CommandKind::Disabled) {
            action->setEnabled(false);
            continue;
        }
        connect(action, &QAction::triggered, this, [this, &command] { run(command); });
    }
}

void TemplateBridge::buildButtons()
{
    const QList<TemplateCommand> &commands = catalogue().commands();
    for (int i = 0; i < commands.size(); ++i) {
        const TemplateCommand &command = commands.at(i);
        if (!command.isButton())
            continue;
        ToolbarRow *row = m_commands.row(command.rowName);
        if (!row) {
            qWarning("No toolbar row '%s' for the templates", qPrintable(command.rowName));
            continue;
        }
        // The menu twin of a block with a single entry is the same command.
        QAction *action = nullptr;
        int entries = 0;
        for (int j = 0; j < commands.size(); ++j) {
            if (j != i && commands.at(j).blockLine == command.blockLine) {
                ++entries;
                action = qobject_cast<QAction *>(m_controls.at(j));
            }
        }
        if (entries != 1 || !action) {
            action = new QAction(command.hint, this);
            action->setObjectName(command.buttonName);
            connect(action, &QAction::triggered, this, [this, &command] { run(command); });
        }
        action->setToolTip(command.hint);
        QToolButton *button =
            row->addActionButton(command.buttonName, command.hint, action, command.glyph, command.rowLine);
        m_commands.addButton(button, action);
        m_controls[i] = button;
    }
}

void TemplateBridge::buildTwoBlockEntry()
{
    m_memo2 = new QPlainTextEdit(m_window);
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo3 = new QPlainTextEdit(m_window);
    m_memo3->setObjectName(QStringLiteral("Memo3"));
    m_button1 = new QPushButton(QStringLiteral("Button1"), m_window);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button2 = new QPushButton(QStringLiteral("Button2"), m_window);
    m_button2->setObjectName(QStringLiteral("Button2"));
    for (QWidget *holder : std::initializer_list<QWidget *>{m_memo2, m_memo3, m_button1, m_button2}) {
        holder->setFocusPolicy(Qt::NoFocus);
        holder->hide();
    }
    connect(m_button1, &QPushButton::clicked, this, &TemplateBridge::Button1Click);
}

CommandResult TemplateBridge::run(const TemplateCommand &command)
{
    if (command.kind == CommandKind::MenuEditor) {
        if (m_menuEditorHook)
            m_menuEditorHook();
        return CommandResult::Unchanged;
    }
    JavaDocument *document = m_documents.active();
    if (!document)
        return CommandResult::Unchanged;

    DocumentTemplateEditor editor(*document);
    WindowDialogs dialogs(m_window);
    int line = m_documents.insertionLine();
    CommandResult result;
    {
        // All the lines of one insertion are one undo step.
        FormStep step(*document);
        result = TemplateEngine(editor, line, m_state, dialogs).run(command);
    }
    m_documents.setInsertionLine(line);
    if (result == CommandResult::Inserted)
        document->markModified();
    return result;
}

void TemplateBridge::enterTwoBlocks(const QString &first, const QString &second)
{
    JavaDocument *document = m_documents.active();
    if (!document)
        return;
    FormStep step(*document);
    DocumentTemplateEditor editor(*document);
    WindowDialogs dialogs(m_window);
    int line = m_documents.insertionLine();
    TemplateEngine engine(editor, line, m_state, dialogs);
    engine.enterFirstBlock(first);
    engine.enterSecondBlock(second);
    // Each block went in as one entry; from here on every line counts, as
    // the saved file and the compiler count them.
    m_documents.setInsertionLine(document->lines().SplitEntries(line));
    document->markModified();
}

std::optional<QString> TemplateBridge::menuBarCode() const
{
    const JavaDocument *document = m_documents.active();
    if (!document)
        return std::nullopt;
    return document->lines().Text();
}

void TemplateBridge::enterMenuBlocks(const QString &first, const QString &second,
                                     bool appendEmptyLine)
{
    JavaDocument *document = m_documents.active();
    if (!document)
        return;
    FormStep step(*document);
    enterTwoBlocks(first, second);
    if (appendEmptyLine)
        document->lines().Add(QString());
}

void TemplateBridge::Button1Click()
{
    enterTwoBlocks(m_memo2->toPlainText(), m_memo3->toPlainText());
    m_memo2->clear();
    m_memo3->clear();
}

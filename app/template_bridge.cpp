#include "app/template_bridge.h"

#include "app/main_window.h"
#include "common/message_boxes.h"
#include "common/object_names.h"
#include "common/toolbar_row.h"
#include "editor/syn_memo.h"
#include "templates/syn_memo_template_editor.h"
#include "templates/template_catalogue.h"

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

} // namespace

TemplateBridge::TemplateBridge(Tfrmprincipal &window) : m_window(window)
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

QString TemplateBridge::takeName(const QString &caption)
{
    int &taken = m_namesTaken[menuObjectStem(caption)];
    QString name = menuObjectName(caption, taken++);
    while (m_window.menuItem(name) || m_window.menu(name))
        name = menuObjectName(caption, taken++);
    return name;
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
        menu = m_window.menu(menuObjectName(path.first()));
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
        menu->setObjectName(takeName(path.last()));
        addToMenu(parent, menu->menuAction());
        m_window.registerMenu(menu);
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
        action->setObjectName(takeName(caption));
        addToMenu(menu, action);
        m_window.registerMenuItem(action);
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
        ToolbarRow *row = m_window.row(command.rowName);
        if (!row) {
            qWarning("No toolbar row '%s' for the templates", qPrintable(command.rowName));
            continue;
        }
        QToolButton *button =
            row->addTextButton(command.buttonName, command.hint, command.glyph, command.rowLine);
        m_controls[i] = button;
        connect(button, &QToolButton::clicked, this, [this, &command] { run(command); });
    }
}

void TemplateBridge::buildTwoBlockEntry()
{
    m_memo2 = new QPlainTextEdit(&m_window);
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo3 = new QPlainTextEdit(&m_window);
    m_memo3->setObjectName(QStringLiteral("Memo3"));
    m_button1 = new QPushButton(QStringLiteral("Button1"), &m_window);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button2 = new QPushButton(QStringLiteral("Button2"), &m_window);
    m_button2->setObjectName(QStringLiteral("Button2"));
    for (QWidget *holder : std::initializer_list<QWidget *>{m_memo2, m_memo3, m_button1, m_button2}) {
        holder->setFocusPolicy(Qt::NoFocus);
        holder->hide();
    }
    connect(m_button1, &QPushButton::clicked, this, &TemplateBridge::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &TemplateBridge::Button2Click);
}

CommandResult TemplateBridge::run(const TemplateCommand &command)
{
    if (command.kind == CommandKind::MenuEditor) {
        if (m_menuEditorHook)
            m_menuEditorHook();
        return CommandResult::Unchanged;
    }
    TSynMemo *memo = m_window.currentEditor();
    if (!memo)
        return CommandResult::Unchanged;

    SynMemoTemplateEditor editor(*memo);
    WindowDialogs dialogs(&m_window);
    int line = m_window.insertionLine();
    TemplateEngine engine(editor, line, m_state, dialogs);
    const CommandResult result = engine.run(command);
    m_window.setInsertionLine(line);
    if (result == CommandResult::Inserted) {
        m_window.MarkModified();
        m_window.updateSaveCommands();
    }
    return result;
}

void TemplateBridge::Button1Click()
{
    TSynMemo *memo = m_window.currentEditor();
    if (!memo)
        return;
    SynMemoTemplateEditor editor(*memo);
    WindowDialogs dialogs(&m_window);
    int line = m_window.insertionLine();
    TemplateEngine(editor, line, m_state, dialogs).enterFirstBlock(m_memo2->toPlainText());
    m_window.setInsertionLine(line);
    m_button2->click();
}

void TemplateBridge::Button2Click()
{
    TSynMemo *memo = m_window.currentEditor();
    if (!memo)
        return;
    SynMemoTemplateEditor editor(*memo);
    WindowDialogs dialogs(&m_window);
    int line = m_window.insertionLine();
    TemplateEngine(editor, line, m_state, dialogs).enterSecondBlock(m_memo3->toPlainText());
    // Each block went in as one entry; from here on every line counts, as
    // the saved file and the compiler count them.
    m_window.setInsertionLine(memo->Lines().SplitEntries(line));
    m_memo2->clear();
    m_memo3->clear();
    m_window.MarkModified();
    m_window.updateSaveCommands();
}

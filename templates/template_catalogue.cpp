#include "templates/template_catalogue.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

static void initTemplateResources()
{
    // The resource lives in a static library: register it explicitly.
    Q_INIT_RESOURCE(templates);
}

namespace {

// The fields of one block of the catalogue text, before they become commands.
struct Block
{
    int firstLine = 0;
    QHash<QString, QString> fields;
    QHash<QString, int> fieldLines;
    QStringList menus;
    QList<int> menuLines;
};

const QStringList knownKeys = {
    QStringLiteral("button"),       QStringLiteral("hint"),         QStringLiteral("menu"),
    QStringLiteral("prompt"),       QStringLiteral("empty"),        QStringLiteral("script"),
    QStringLiteral("script-empty"), QStringLiteral("script-first"), QStringLiteral("script-no"),
    QStringLiteral("require"),      QStringLiteral("after"),        QStringLiteral("confirm"),
    QStringLiteral("import"),       QStringLiteral("action"),
};

class BlockReader
{
public:
    explicit BlockReader(const Block &block) : m_block(block) {}

    QString error() const { return m_error; }
    bool failed() const { return !m_error.isEmpty(); }

    void fail(const QString &key, const QString &message)
    {
        if (m_error.isEmpty()) {
            const int line = m_block.fieldLines.value(key, m_block.firstLine);
            m_error = QStringLiteral("line %1: %2").arg(line).arg(message);
        }
    }

    bool has(const QString &key) const { return m_block.fields.contains(key); }
    QString value(const QString &key) const { return m_block.fields.value(key); }

    std::optional<Script> script(const QString &key)
    {
        if (!has(key))
            return std::nullopt;
        ScriptParse parsed = parseScript(value(key));
        if (!parsed.ok()) {
            fail(key, parsed.error);
            return std::nullopt;
        }
        return parsed.script;
    }

private:
    const Block &m_block;
    QString m_error;
};

std::optional<TemplateGuard> readGuard(BlockReader &reader)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\w+)\\s*(=|>=)\\s*(\\d+)\\s*\\|\\s*(.+)$"));
    const QRegularExpressionMatch match = pattern.match(reader.value(QStringLiteral("require")));
    const std::optional<Counter> counter = counterFromName(match.captured(1));
    if (!match.hasMatch() || !counter) {
        reader.fail(QStringLiteral("require"), QStringLiteral("expected 'counter = n | message'"));
        return std::nullopt;
    }
    return TemplateGuard{*counter, match.captured(2) == QLatin1String(">="),
                         match.captured(3).toInt(), match.captured(4)};
}

QList<CounterChange> readChanges(BlockReader &reader)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\w+)\\s*(:=|\\+)\\s*(\\d+)$"));
    QList<CounterChange> changes;
    const QStringList parts = reader.value(QStringLiteral("after")).split(QLatin1Char(','));
    for (const QString &part : parts) {
        const QRegularExpressionMatch match = pattern.match(part.trimmed());
        const std::optional<Counter> counter = counterFromName(match.captured(1));
        if (!match.hasMatch() || !counter) {
            reader.fail(QStringLiteral("after"),
                        QStringLiteral("expected 'counter := n' or 'counter + n': %1").arg(part));
            return {};
        }
        changes.append({*counter, match.captured(2) == QLatin1String("+"), match.captured(3).toInt()});
    }
    return changes;
}

// The part of a command that its places (button, menu entries) share.
std::optional<TemplateCommand> readAction(BlockReader &reader)
{
    TemplateCommand command;
    const int actions = int(reader.has(QStringLiteral("script")))
                        + int(reader.has(QStringLiteral("import")))
                        + int(reader.has(QStringLiteral("action")));
    if (actions != 1) {
        reader.fail(QString(), QStringLiteral("a block needs exactly one of script, import, action"));
        return std::nullopt;
    }

    if (reader.has(QStringLiteral("action"))) {
        const QString action = reader.value(QStringLiteral("action"));
        if (action == QLatin1String("none"))
            command.kind = CommandKind::NoAction;
        else if (action == QLatin1String("menu-editor"))
            command.kind = CommandKind::MenuEditor;
        else if (action == QLatin1String("disabled"))
            command.kind = CommandKind::Disabled;
        else
            reader.fail(QStringLiteral("action"), QStringLiteral("unknown action: %1").arg(action));
    } else if (reader.has(QStringLiteral("import"))) {
        command.kind = CommandKind::Import;
        command.importLine = reader.value(QStringLiteral("import"));
    } else {
        command.script = reader.script(QStringLiteral("script")).value_or(Script());
    }

    const bool scripted = command.kind == CommandKind::Script;
    for (const char *key : {"prompt", "empty", "script-empty", "script-first", "script-no",
                            "require", "after", "confirm"}) {
        if (!scripted && reader.has(QLatin1String(key)))
            reader.fail(QLatin1String(key), QStringLiteral("only a script takes '%1'").arg(QLatin1String(key)));
    }

    if (reader.has(QStringLiteral("prompt"))) {
        const QStringList parts = reader.value(QStringLiteral("prompt")).split(QStringLiteral(" | "));
        if (parts.size() != 2)
            reader.fail(QStringLiteral("prompt"), QStringLiteral("expected 'caption | prompt'"));
        else
            command.prompt = TemplatePrompt{parts.at(0).trimmed(), parts.at(1).trimmed()};
    }
    command.emptyScript = reader.script(QStringLiteral("script-empty"));
    if (command.emptyScript)
        command.emptyAnswer = EmptyAnswer::OtherScript;
    if (reader.has(QStringLiteral("empty"))) {
        const QString empty = reader.value(QStringLiteral("empty"));
        if (empty == QLatin1String("nothing") && !command.emptyScript)
            command.emptyAnswer = EmptyAnswer::Nothing;
        else if (empty != QLatin1String("same") || command.emptyScript)
            reader.fail(QStringLiteral("empty"), QStringLiteral("expected 'same' or 'nothing', without script-empty"));
    }
    if ((reader.has(QStringLiteral("empty")) || command.emptyScript) && !command.prompt)
        reader.fail(QStringLiteral("empty"), QStringLiteral("an empty answer needs a prompt"));

    command.firstLineScript = reader.script(QStringLiteral("script-first"));
    command.noScript = reader.script(QStringLiteral("script-no"));
    command.confirmation = reader.value(QStringLiteral("confirm"));
    if (command.noScript.has_value() != reader.has(QStringLiteral("confirm")))
        reader.fail(QStringLiteral("confirm"), QStringLiteral("confirm and script-no go together"));
    if (reader.has(QStringLiteral("require")))
        command.guard = readGuard(reader);
    if (reader.has(QStringLiteral("after")))
        command.after = readChanges(reader);

    if (reader.failed())
        return std::nullopt;
    return command;
}

bool readBlock(const Block &block, QList<TemplateCommand> &commands, QString &error)
{
    BlockReader reader(block);
    const std::optional<TemplateCommand> shared = readAction(reader);
    if (!shared) {
        error = reader.error();
        return false;
    }

    if (reader.has(QStringLiteral("button")) != reader.has(QStringLiteral("hint"))) {
        error = QStringLiteral("line %1: a button needs a hint and a hint a button").arg(block.firstLine);
        return false;
    }
    if (!reader.has(QStringLiteral("button")) && block.menus.isEmpty()) {
        error = QStringLiteral("line %1: the block has neither button nor menu").arg(block.firstLine);
        return false;
    }

    if (reader.has(QStringLiteral("button"))) {
        const QStringList parts = reader.value(QStringLiteral("button"))
                                      .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool number = false;
        const int rowLine = parts.value(2).toInt(&number);
        if (parts.size() != 4 || !number) {
            error = QStringLiteral("line %1: expected 'button: name row line glyph'")
                        .arg(block.fieldLines.value(QStringLiteral("button")));
            return false;
        }
        TemplateCommand button = *shared;
        button.buttonName = parts.at(0);
        button.rowName = parts.at(1);
        button.rowLine = rowLine;
        button.glyph = parts.at(3);
        button.hint = reader.value(QStringLiteral("hint"));
        button.sourceLine = block.fieldLines.value(QStringLiteral("button"));
        button.blockLine = block.firstLine;
        commands.append(button);
    }
    for (int i = 0; i < block.menus.size(); ++i) {
        TemplateCommand entry = *shared;
        entry.menuPath = block.menus.at(i).split(menuPathSeparator());
        entry.sourceLine = block.menuLines.at(i);
        entry.blockLine = block.firstLine;
        if (entry.menuPath.size() < 2 || entry.menuPath.contains(QString())) {
            error = QStringLiteral("line %1: a menu path needs a menu and an entry").arg(entry.sourceLine);
            return false;
        }
        commands.append(entry);
    }
    return true;
}

} // namespace

QString menuPathSeparator()
{
    return QStringLiteral(" \u203A ");
}

std::optional<TemplateCatalogue> TemplateCatalogue::parse(const QString &text, QString *error)
{
    TemplateCatalogue catalogue;
    QString fault;
    Block block;
    bool inBlock = false;

    auto finishBlock = [&]() {
        if (inBlock && !readBlock(block, catalogue.m_commands, fault))
            return false;
        block = Block();
        inBlock = false;
        return true;
    };

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size() && fault.isEmpty(); ++i) {
        const int number = i + 1;
        const QString line = lines.at(i).trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.isEmpty()) {
            finishBlock();
            continue;
        }
        const int colon = line.indexOf(QLatin1Char(':'));
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (colon < 0 || value.isEmpty()) {
            fault = QStringLiteral("line %1: expected 'key: value'").arg(number);
        } else if (key == QLatin1String("submenu")) {
            catalogue.m_submenus.append(value.split(menuPathSeparator()));
        } else if (!knownKeys.contains(key)) {
            fault = QStringLiteral("line %1: unknown key '%2'").arg(number).arg(key);
        } else if (key == QLatin1String("menu")) {
            block.menus.append(value);
            block.menuLines.append(number);
        } else if (block.fields.contains(key)) {
            fault = QStringLiteral("line %1: '%2' given twice").arg(number).arg(key);
        } else {
            block.fields.insert(key, value);
            block.fieldLines.insert(key, number);
        }
        if (key != QLatin1String("submenu") && !inBlock) {
            inBlock = true;
            block.firstLine = number;
        }
    }
    if (fault.isEmpty())
        finishBlock();

    if (!fault.isEmpty()) {
        if (error)
            *error = fault;
        return std::nullopt;
    }
    return catalogue;
}

const TemplateCatalogue &TemplateCatalogue::standard()
{
    static const TemplateCatalogue catalogue = [] {
        initTemplateResources();
        QFile file(QStringLiteral(":/templates/catalogue.txt"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The template catalogue resource is missing");
        QString error;
        std::optional<TemplateCatalogue> parsed = parse(QString::fromUtf8(file.readAll()), &error);
        if (!parsed)
            qFatal("The template catalogue does not parse: %s", qPrintable(error));
        return *parsed;
    }();
    return catalogue;
}

QList<const TemplateCommand *> TemplateCatalogue::buttons(const QString &rowName) const
{
    QList<const TemplateCommand *> found;
    for (const TemplateCommand &command : m_commands) {
        if (command.isButton() && command.rowName == rowName)
            found.append(&command);
    }
    return found;
}

QList<const TemplateCommand *> TemplateCatalogue::menuEntries() const
{
    QList<const TemplateCommand *> found;
    for (const TemplateCommand &command : m_commands) {
        if (!command.isButton())
            found.append(&command);
    }
    return found;
}

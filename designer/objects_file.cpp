#include "designer/objects_file.h"

#include <optional>

namespace {

const QString kWindowToken = QStringLiteral("TForm()");
const QString kTextKey = QStringLiteral("texto=");
const QString kCountKey = QStringLiteral("itens=");
const QString kItemKey = QStringLiteral("item=");

// Number lines beyond this range cannot come from a design and would only
// overflow geometry arithmetic.
constexpr int kNumberLimit = 32767;

QString number(int value)
{
    return QString::number(value);
}

// The text line: line breaks become blanks so the block keeps its shape.
QString textLine(const QString &text, bool cut)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (cut && line.size() > kObjectsTextLineLimit)
        line.truncate(kObjectsTextLineLimit);
    return line;
}

void appendBlockHead(QString &out, const QString &header, const QString &text, bool cutText,
                     int left, int top, int height, int width)
{
    const QString line = textLine(text, cutText);
    for (const QString &field :
         {header, line, number(left), number(top), QStringLiteral("1"), QStringLiteral("1"),
          number(height), number(width)}) {
        out += field;
        out += QLatin1Char('\n');
    }
    if (line != text)
        out += kTextKey + escapeObjectsValue(text) + QLatin1Char('\n');
}

std::optional<int> parseNumber(const QString &line)
{
    bool ok = false;
    const int value = line.trimmed().toInt(&ok);
    if (!ok || value < -kNumberLimit || value > kNumberLimit)
        return std::nullopt;
    return value;
}

// The fields of one block as far as they could be read.
struct BlockFields
{
    QString text;
    std::optional<int> numbers[6]; // left, top, visible, enabled, height, width
    bool broken = false;
    int next = 0;                  // the line after the block's fields
    std::optional<QString> exactText;
    std::optional<QStringList> items;
};

BlockFields readBlock(const QStringList &lines, int header)
{
    const auto lineAt = [&lines](int i) { return i < lines.size() ? lines.at(i) : QString(); };
    BlockFields fields;
    fields.text = lineAt(header + 1);
    for (int i = 0; i < 6; ++i) {
        const int index = header + 2 + i;
        fields.numbers[i] = parseNumber(lineAt(index));
        if (!fields.numbers[i]) {
            fields.broken = true;
            fields.next = index + 1;
            return fields;
        }
    }
    int cursor = header + 8;
    QStringList items;
    bool counted = false;
    while (cursor < lines.size()) {
        const QString &line = lines.at(cursor);
        if (line.startsWith(kTextKey))
            fields.exactText = unescapeObjectsValue(line.mid(kTextKey.size()));
        else if (line.startsWith(kCountKey))
            counted = true;
        else if (line.startsWith(kItemKey))
            items.append(unescapeObjectsValue(line.mid(kItemKey.size())));
        else
            break;
        ++cursor;
    }
    if (counted)
        fields.items = items;
    fields.next = cursor;
    return fields;
}

void applyNumbers(const BlockFields &fields, int &left, int &top, bool &visible, bool &enabled,
                  int &height, int &width)
{
    if (fields.numbers[0])
        left = *fields.numbers[0];
    if (fields.numbers[1])
        top = *fields.numbers[1];
    if (fields.numbers[2])
        visible = *fields.numbers[2] != 0;
    if (fields.numbers[3])
        enabled = *fields.numbers[3] != 0;
    if (fields.numbers[4])
        height = *fields.numbers[4];
    if (fields.numbers[5])
        width = *fields.numbers[5];
}

} // namespace

QString escapeObjectsValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('[') || c.unicode() < 0x20)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString unescapeObjectsValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(i + 1);
        if (next == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            ++i;
        } else if (next == QLatin1Char('n')) {
            out += QLatin1Char('\n');
            ++i;
        } else if (next == QLatin1Char('r')) {
            out += QLatin1Char('\r');
            ++i;
        } else if (next == QLatin1Char('x') && i + 3 < value.size()) {
            bool ok = false;
            const int code = value.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 3;
            } else {
                out += c;
            }
        } else {
            // An unknown escape stays as it stands.
            out += c;
        }
    }
    return out;
}

QString WriteObjects(const DesignWindowData &window)
{
    QString out;
    appendBlockHead(out, kWindowToken + QLatin1Char(' ') + window.name + QLatin1Char('['),
                    window.title, true, window.left, window.top, window.height, window.width);
    for (const DesignedComponent &c : window.components) {
        const ComponentKindInfo &info = kindInfo(c.kind);
        QString text;
        if (c.kind == ComponentKind::JList)
            text = c.items.value(0);
        else if (kindHasText(c.kind))
            text = c.text;
        const QString header =
            QLatin1String(info.objectsToken) + QLatin1Char(' ') + c.name + QLatin1Char('[');
        appendBlockHead(out, header, text, c.kind != ComponentKind::JLabel, c.left, c.top,
                        c.height, c.width);
        if (kindHasItems(c.kind)) {
            out += kCountKey + number(int(c.items.size())) + QLatin1Char('\n');
            for (const QString &item : c.items)
                out += kItemKey + escapeObjectsValue(item) + QLatin1Char('\n');
        }
        out += QLatin1String("]\n");
    }
    out += QLatin1String("]\n");
    return out;
}

ObjectsReadResult ReadObjects(const QStringList &lines, NamingCounters &counters)
{
    ObjectsReadResult result;
    int cursor = 0;
    while (cursor < lines.size()) {
        const QString &line = lines.at(cursor);
        if (!line.contains(QLatin1Char('['))) {
            ++cursor;
            continue;
        }
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        const QString token = (blank < 0 ? line : line.left(blank)).trimmed();
        QString name;
        if (blank >= 0) {
            const qsizetype bracket = line.indexOf(QLatin1Char('['), blank);
            if (bracket >= 0)
                name = line.mid(blank + 1, bracket - blank - 1);
        }

        if (token == kWindowToken && !result.windowFound) {
            result.windowFound = true;
            // A loaded window keeps no name; only new designs are named.
            DesignWindowData &w = result.window;
            const BlockFields fields = readBlock(lines, cursor);
            w.title = fields.exactText.value_or(fields.text);
            applyNumbers(fields, w.left, w.top, w.visible, w.enabled, w.height, w.width);
            if (fields.broken)
                ++result.brokenBlocks;
            cursor = fields.next;
            continue;
        }

        const std::optional<ComponentKind> kind =
            token == kWindowToken ? std::nullopt : kindFromToken(token);
        if (!kind) {
            // An element this program does not know (or a second window):
            // nothing is created, and its lines are skipped like any others.
            ++cursor;
            continue;
        }

        const ComponentKindInfo &info = kindInfo(*kind);
        DesignedComponent c;
        c.kind = *kind;
        c.width = info.defaultWidth;
        c.height = info.defaultHeight;
        const int n = counters.take(*kind);
        bool broken = !isValidComponentName(name);
        c.name = broken ? QString::fromUtf8(info.defaultName) + QString::number(n) : name;
        const BlockFields fields = readBlock(lines, cursor);
        const QString text = fields.exactText.value_or(fields.text);
        if (*kind == ComponentKind::JList) {
            c.items = fields.items.value_or(QStringList{text});
            c.text = c.items.value(0);
        } else if (kindHasText(*kind)) {
            c.text = text;
            if (*kind == ComponentKind::JComboBox)
                c.items = fields.items.value_or(QStringList{});
        }
        applyNumbers(fields, c.left, c.top, c.visible, c.enabled, c.height, c.width);
        if (broken || fields.broken)
            ++result.brokenBlocks;
        result.window.components.append(c);
        cursor = fields.next;
    }
    return result;
}

QStringList objectsLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line feed that ends the last line opens no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

LoadedDesign loadDesign(const QStringList &lines, NamingCounters &counters)
{
    const ObjectsReadResult result = ReadObjects(lines, counters);
    LoadedDesign loaded;
    loaded.window = result.window;
    if (!result.windowFound) {
        // Nothing to show the components in: they go into a new window.
        const DesignWindowData fresh = newDesignWindow(counters);
        loaded.window.name = fresh.name;
        loaded.window.title = fresh.title;
    }
    loaded.failures = result.brokenBlocks + (result.windowFound ? 0 : 1);
    return loaded;
}

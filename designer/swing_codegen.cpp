#include "designer/swing_codegen.h"

#include "designer/block_depth.h"

#include <algorithm>
#include <optional>

namespace {

using K = ComponentKind;

QString declaredType(K kind)
{
    const QString type = QString::fromUtf8(kindInfo(kind).swingClass);
    // These two have always been declared indented.
    if (kind == K::JScrollBar || kind == K::JSlider)
        return kCodeIndent + type;
    return type;
}

QString instantiation(const DesignedComponent &c)
{
    const QString literal = javaStringLiteral(c.text);
    switch (c.kind) {
    case K::JButton:
    case K::JLabel:
    case K::JRadioButton:
    case K::JCheckBox:
    case K::JToggleButton:
    case K::JTextArea:
        return QString::fromUtf8(kindInfo(c.kind).swingClass) + QLatin1Char('(') + literal
               + QLatin1String(");");
    case K::JTextField:
        return QLatin1String("JTextField(") + literal + QLatin1String(",10);");
    case K::JComboBox:
        return QStringLiteral("JComboBox();");
    case K::JList:
        return QStringLiteral("JList(model") + c.name + QLatin1String(");");
    case K::JPasswordField:
        return QStringLiteral("JPasswordField(10);");
    case K::JFormattedTextField:
        return QStringLiteral("JFormattedTextField();");
    case K::JProgressBar:
        return QStringLiteral("JProgressBar(0,100);");
    case K::JScrollBar:
        return QStringLiteral("JScrollBar(JScrollBar.HORIZONTAL);");
    case K::JSlider:
        return QStringLiteral("JSlider(0,10);");
    case K::ButtonGroup:
        return QStringLiteral("ButtonGroup();");
    }
    return {};
}

QString removalText(const DesignedComponent &c)
{
    switch (c.kind) {
    case K::JComboBox:
    case K::JList:
    case K::JPasswordField:
    case K::JProgressBar:
    case K::JScrollBar:
    case K::JSlider:
    case K::ButtonGroup:
        return QString::fromUtf8(kindInfo(c.kind).swingClass) + QLatin1Char('(');
    default:
        return instantiation(c);
    }
}

QString boundsArguments(const DesignedComponent &c)
{
    return QStringLiteral("(%1,%2,%3,%4);").arg(c.left).arg(c.top).arg(c.width).arg(c.height);
}

// The first line at or after `from` that has no character at all (a line of
// blanks does not count); the end of the text when there is none.
int firstEmptyLine(const CodeLines &code, int from)
{
    const int count = code.Count();
    for (int i = std::max(from, 0); i < count; ++i) {
        if (code.Get(i).isEmpty())
            return i;
    }
    return count;
}

bool isIdentifierCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

enum class WordEnd { Open, Whole };

// Where `text` first stands in `haystack` at or after `from`, or -1. A match
// right after a letter, digit, "_" or "$" is the tail of a longer name
// ("Button1.add" inside "jButton1.addMouseListener") and does not count; with
// WordEnd::Whole neither does one followed by such a character ("public
// semnome1" inside "public semnome10").
qsizetype indexOfWord(const QString &haystack, const QString &text, qsizetype from = 0,
                      WordEnd end = WordEnd::Open)
{
    const bool startsWord = !text.isEmpty() && isIdentifierCharacter(text.front());
    const bool endsWord = end == WordEnd::Whole && !text.isEmpty() && isIdentifierCharacter(text.back());
    for (qsizetype at = haystack.indexOf(text, from); at >= 0; at = haystack.indexOf(text, at + 1)) {
        if (startsWord && at > 0 && isIdentifierCharacter(haystack.at(at - 1)))
            continue;
        const qsizetype after = at + text.size();
        if (endsWord && after < haystack.size() && isIdentifierCharacter(haystack.at(after)))
            continue;
        return at;
    }
    return -1;
}

bool containsWord(const CodeLines &code, const QString &text)
{
    return indexOfWord(code.Text(), text) >= 0;
}

int firstLineContaining(const CodeLines &code, const QString &text, int from = 0,
                        WordEnd end = WordEnd::Open)
{
    const int count = code.Count();
    for (int i = std::max(from, 0); i < count; ++i) {
        if (indexOfWord(code.Get(i), text, 0, end) >= 0)
            return i;
    }
    return -1;
}

// The line that holds the first occurrence of `text` in the whole text, or
// -1. A match on the first line counts as none: that line is never touched.
int lineOfFirstMatch(const CodeLines &code, const QString &text)
{
    const qsizetype position = indexOfWord(code.Text(), text);
    if (position < 0)
        return -1;
    const int line = code.LineOfOffset(int(position));
    return line == 0 ? -1 : line;
}

// Deletes the line of the first occurrence of `text`; false when there was
// none to delete.
bool removeText(CodeLines &code, const QString &text)
{
    const int line = lineOfFirstMatch(code, text);
    if (line < 0)
        return false;
    code.Delete(line);
    return true;
}

void removeEveryLine(CodeLines &code, const QString &text)
{
    while (removeText(code, text)) {
    }
}

void replaceLine(CodeLines &code, int line, const QString &text)
{
    code.Delete(line);
    code.Insert(line, text);
}

// Where the call that starts at `at` on `line` ends: after the ")" that
// closes its arguments and a ";" right after it; for a whole statement given
// as `callStart`, after it. Nothing when its arguments are not closed on the
// line, or hold a class or constructor header ("public"): rewriting that would
// take more than the call.
std::optional<qsizetype> callEnd(const QString &line, qsizetype at, const QString &callStart)
{
    if (callStart.endsWith(QLatin1Char(';')))
        return at + callStart.size();
    const qsizetype open = at + callStart.size();
    if (open >= line.size() || line.at(open) != u'(')
        return std::nullopt;
    int depth = 0;
    for (qsizetype i = open; i < line.size(); ++i) {
        if (line.at(i) == u'(') {
            ++depth;
        } else if (line.at(i) == u')' && --depth == 0) {
            if (line.mid(open, i - open).contains(QLatin1String("public")))
                return std::nullopt;
            qsizetype end = i + 1;
            while (end < line.size() && line.at(end) == u' ')
                ++end;
            return end < line.size() && line.at(end) == u';' ? end + 1 : i + 1;
        }
    }
    return std::nullopt;
}

// The first line from `from` on where `callStart` starts a call that can be
// rewritten; -1 when there is none.
int rewritableCallLine(const CodeLines &code, const QString &callStart, int from = 0)
{
    for (int line = firstLineContaining(code, callStart, from); line >= 0;
         line = firstLineContaining(code, callStart, line + 1)) {
        const QString text = code.Get(line);
        if (callEnd(text, indexOfWord(text, callStart), callStart))
            return line;
    }
    return -1;
}

// Rewrites the call on `line` (found by rewritableCallLine) as `statement`.
// A line that holds only that call is rewritten whole, its indent dropped as
// it always was; whatever else a line holds (a constructor header, another
// statement) stays as it was.
void replaceCall(CodeLines &code, int line, const QString &callStart, const QString &statement)
{
    const QString old = code.Get(line);
    const qsizetype at = indexOfWord(old, callStart);
    QString before = old.left(at);
    if (before.trimmed().isEmpty())
        before.clear();
    replaceLine(code, line, before + statement + old.mid(*callEnd(old, at, callStart)));
}

} // namespace

QString codegenMessage(CodegenResult result)
{
    switch (result) {
    case CodegenResult::MissingClass:
        return QStringLiteral("Falta classe!");
    case CodegenResult::MissingConstructor:
        return QStringLiteral("Falta método construtor!");
    case CodegenResult::Written:
        break;
    }
    return {};
}

QString javaStringLiteral(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += QLatin1String("\\\\");
        else if (u == u'"')
            out += QLatin1String("\\\"");
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u == u'\r')
            out += QLatin1String("\\r");
        else if (u < 0x20 && u != u'\t')
            out += QStringLiteral("\\%1").arg(int(u), 3, 8, QLatin1Char('0'));
        else if (u == 0x2028 || u == 0x2029)
            // The editor would break the line at these.
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    out += QLatin1Char('"');
    return out;
}

QString codeClassName(const QString &classLine)
{
    // 13 characters after the start of "public class", up to the line's last
    // character.
    const qsizetype start = classLine.indexOf(QLatin1String("public class")) + 13;
    const qsizetype length = classLine.size() - 1 - start;
    QString name = length > 0 ? classLine.mid(start, length).trimmed() : QString();
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        name.truncate(blank);
    } else {
        const qsizetype brace = name.indexOf(QLatin1Char('{'));
        if (brace >= 0)
            name.truncate(brace);
    }
    return name;
}

CodegenResult WriteComponentCode(CodeLines &code, const DesignedComponent &c,
                                 const QString &enabledFlag, const QString &visibleFlag)
{
    const int classLine = firstLineContaining(code, QStringLiteral("extends JFrame"), 1);
    if (classLine < 0)
        return CodegenResult::MissingClass;
    const QString className = codeClassName(code.Get(classLine));
    const QString &N = c.name;

    const int declarationPoint = firstEmptyLine(code, classLine);
    const QString declaration = declaredType(c.kind) + QLatin1Char(' ') + N + QLatin1Char(';');
    if (!containsWord(code, declaration))
        code.Insert(declarationPoint, declaration);

    const int constructorLine = firstLineContaining(code, QStringLiteral("public ") + className,
                                                    declarationPoint, WordEnd::Whole);
    if (constructorLine < 0)
        return CodegenResult::MissingConstructor;

    int bodyPoint = firstEmptyLine(code, constructorLine);
    const auto insert = [&code, &bodyPoint](const QString &line) { code.Insert(bodyPoint++, line); };
    const auto insertIfMissing = [&code, &insert](const QString &text, const QString &line) {
        if (!containsWord(code, text))
            insert(line);
    };

    if (c.kind != K::JList) {
        const QString creation = N + QLatin1String(" = new ") + instantiation(c);
        insertIfMissing(creation, kCodeIndent + creation);
        // A group is no control: it is neither added to the window nor placed.
        if (c.kind != K::ButtonGroup) {
            const QString add = QLatin1String("JANELA.add(") + N + QLatin1String(");");
            insertIfMissing(add, kCodeIndent + add);
            const QString call = N + QLatin1String(".setBounds");
            const QString bounds = call + boundsArguments(c);
            const int boundsLine = rewritableCallLine(code, call);
            if (boundsLine >= 0)
                replaceCall(code, boundsLine, call, bounds);
            else
                insert(kCodeIndent + bounds);
        }
    } else {
        if (!containsWord(code, N + QLatin1String(" = new JList("))) {
            const QString model = QLatin1String("DefaultListModel model") + N
                                  + QLatin1String(" = new DefaultListModel();");
            insertIfMissing(model, model);
            insert(kCodeIndent + N + QLatin1String(" = new ") + instantiation(c));
        }
        const auto replaceOrInsert = [&code, &insert](const QString &text) {
            const int line = lineOfFirstMatch(code, text);
            if (line >= 0)
                replaceCall(code, line, text, text);
            else
                insert(text);
        };
        replaceOrInsert(QLatin1String("JScrollPane scr") + N + QLatin1String(" = new JScrollPane(")
                        + N + QLatin1String(");"));
        replaceOrInsert(QLatin1String("JANELA.add(scr") + N + QLatin1String(");"));
        const QString bounds = QLatin1String("scr") + N + QLatin1String(".setBounds");
        const int boundsLine = rewritableCallLine(code, bounds);
        if (boundsLine >= 0)
            replaceCall(code, boundsLine, bounds, bounds + boundsArguments(c));
        else
            insert(bounds + boundsArguments(c));
    }

    // A group has neither call.
    if (c.kind != K::ButtonGroup) {
        if (!visibleFlag.isEmpty())
            insert(kCodeIndent + N + QLatin1String(".setVisible(") + visibleFlag
                   + QLatin1String(");"));
        if (!enabledFlag.isEmpty())
            insert(kCodeIndent + N + QLatin1String(".setEnabled(") + enabledFlag
                   + QLatin1String(");"));
    }
    return CodegenResult::Written;
}

void RemoveComponentCode(CodeLines &code, const DesignedComponent &c, bool keepListeners)
{
    const QString &N = c.name;
    removeText(code, QString::fromUtf8(kindInfo(c.kind).swingClass) + QLatin1Char(' ') + N
                         + QLatin1Char(';'));
    removeText(code, N + QLatin1String(" = new ") + removalText(c));
    if (c.kind == K::JList) {
        removeText(code, QLatin1String("scr") + N + QLatin1String(".setBounds") + boundsArguments(c));
        removeText(code, QLatin1String("JScrollPane scr") + N + QLatin1String(" = new JScrollPane(")
                             + N + QLatin1String(");"));
        removeText(code, QLatin1String("DefaultListModel model") + N
                             + QLatin1String(" = new DefaultListModel();"));
        removeEveryLine(code, QLatin1String("model") + N + QLatin1String(".addElement("));
        removeText(code, QLatin1String("JANELA.add(scr") + N + QLatin1String(");"));
    } else if (c.kind != K::ButtonGroup) {
        removeText(code, N + QLatin1String(".setBounds") + boundsArguments(c));
        removeText(code, QLatin1String("JANELA.add(") + N + QLatin1String(");"));
        if (c.kind == K::JComboBox)
            removeEveryLine(code, N + QLatin1String(".addItem("));
    }
    removeText(code, N + QLatin1String(".setVisible("));
    removeText(code, N + QLatin1String(".setEnabled("));

    if (keepListeners)
        return;
    // Listener registrations (and, for a group, its members) go whole, from
    // the line that holds N.add down to the line that closes its parentheses.
    for (;;) {
        const int line = lineOfFirstMatch(code, N + QLatin1String(".add"));
        if (line < 0)
            break;
        const int lines = BlockLineCount(code, line, QStringLiteral("("), QStringLiteral(")"));
        for (int i = 0; i < std::max(lines, 1); ++i)
            code.Delete(line);
    }
}

int BlockLineCount(const CodeLines &code, int firstLine, const QString &open, const QString &close)
{
    const int lineCount = code.Count();
    if (firstLine < 0 || firstLine >= lineCount)
        return 0;
    if (open.isEmpty() || close.isEmpty())
        return 1;
    BlockDepth block(open, close);
    int count = 0;
    for (int i = firstLine; i < lineCount; ++i) {
        block.takeLine(code.Get(i));
        ++count;
        if (block.depth() <= 0)
            break;
    }
    return count;
}

bool UpdateWindowSize(CodeLines &code, int oldWidth, int oldHeight, int newWidth, int newHeight)
{
    if (oldWidth == newWidth && oldHeight == newHeight)
        return false;
    const QString oldCall = QStringLiteral("setSize(%1,%2)").arg(oldWidth).arg(oldHeight);
    const QString newCall = QStringLiteral("setSize(%1,%2)").arg(newWidth).arg(newHeight);
    const qsizetype position = code.Text().indexOf(oldCall);
    if (position < 0)
        return false;
    code.Replace(int(position), int(oldCall.size()), newCall);
    return true;
}

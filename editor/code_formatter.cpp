#include "editor/code_formatter.h"

#include "editor/java_scanner.h"

#include <QList>
#include <vector>

namespace codeformat {

namespace {

struct Token
{
    TtkTokenKind kind;
    QString text;
    int position;
    bool is(const char *s) const { return text == QLatin1String(s); }
};

// The tokens of `line` other than blanks; `range` carries a block comment
// from line to line.
QList<Token> tokensOf(JavaScanner &scanner, const QString &line)
{
    QList<Token> tokens;
    for (scanner.SetLine(line, 0); !scanner.GetEol(); scanner.Next()) {
        if (scanner.GetTokenID() != tkSpace)
            tokens.append({scanner.GetTokenID(), scanner.GetToken(), scanner.GetTokenPos()});
    }
    return tokens;
}

bool isComment(const Token &t)
{
    return t.kind == tkComment || t.kind == tkDocument;
}

qsizetype leadingBlanks(const QString &line)
{
    qsizetype n = 0;
    while (n < line.size() && (line.at(n) == QLatin1Char(' ') || line.at(n) == QLatin1Char('\t')))
        ++n;
    return n;
}

QString repeated(const QString &unit, int times)
{
    QString result;
    for (int i = 0; i < times; ++i)
        result += unit;
    return result;
}

// Where a text block's closing delimiter ends on `line`, or -1.
qsizetype textBlockEnd(const QString &line)
{
    for (qsizetype i = line.indexOf(QLatin1String("\"\"\"")); i >= 0;
         i = line.indexOf(QLatin1String("\"\"\""), i + 1)) {
        qsizetype backslashes = 0;
        while (i - backslashes > 0 && line.at(i - backslashes - 1) == QLatin1Char('\\'))
            ++backslashes;
        if (backslashes % 2 == 0)
            return i + 3;
    }
    return -1;
}

struct Brace
{
    bool isSwitch = false;
    bool caseSeen = false;
};

// The state carried from line to line.
class Indenter
{
public:
    explicit Indenter(QString unit) : m_unit(std::move(unit)) {}

    // The line as it should be; `change` false only follows the line.
    QString line(const QString &text, bool change)
    {
        if (m_inTextBlock) {
            const qsizetype end = textBlockEnd(text);
            if (end >= 0) {
                m_inTextBlock = false;
                m_scanner.SetRange(rsUnknown); // the rest of the line is code
                const QString rest = text.mid(end);
                follow(tokensOf(m_scanner, rest), rest, false);
            }
            return text;
        }
        const bool inComment = m_scanner.GetRange() == rsComment || m_scanner.GetRange() == rsDocument;
        const QList<Token> tokens = tokensOf(m_scanner, text);
        QString result = text;
        if (inComment) {
            // " * ..." lines line up under the comment's opening; other text
            // inside a comment is the student's own layout.
            const QString rest = text.mid(leadingBlanks(text));
            if (change && rest.startsWith(QLatin1Char('*')))
                result = repeated(m_unit, m_commentLevel) + QLatin1Char(' ') + rest;
            follow(tokens, text, false);
            return result;
        }
        if (tokens.isEmpty())
            return change ? QString() : text;
        const int level = levelOf(tokens);
        if (change)
            result = repeated(m_unit, level) + text.mid(leadingBlanks(text));
        if (isComment(tokens.last()) && tokens.last().text.startsWith(QLatin1String("/*")))
            m_commentLevel = level;
        follow(tokens, text, true);
        return result;
    }

private:
    int levelOf(const QList<Token> &tokens) const
    {
        int closers = 0;
        while (closers < tokens.size() && tokens.at(closers).is("}"))
            ++closers;
        int level = qMax(0, int(m_braces.size()) - closers);
        const Token &first = tokens.first();
        if (level > 0 && m_braces.at(level - 1).isSwitch) {
            const bool label = first.kind == tkKey && (first.is("case") || first.is("default"));
            if (!label && closers == 0 && m_braces.at(level - 1).caseSeen)
                ++level;
        }
        if (closers > 0 || first.is("{") || isComment(first))
            return level;
        if (m_parentheses > 0 || m_continues)
            ++level;
        return level;
    }

    // Takes the tokens of `text` into the state; `code` false for a
    // comment's inside or a text block's end, which say nothing of statements.
    void follow(const QList<Token> &tokens, const QString &text, bool code)
    {
        for (qsizetype i = 0; i < tokens.size(); ++i) {
            const Token &t = tokens.at(i);
            if (isComment(t))
                continue;
            // What follows """ up to the closing """ is a text block's content.
            if (t.kind == tkString && text.mid(t.position, 3) == QLatin1String("\"\"\"")) {
                m_inTextBlock = true;
                return;
            }
            if (t.is("{")) {
                m_braces.push_back({m_switchPending, false});
                m_switchPending = false;
            } else if (t.is("}")) {
                if (!m_braces.empty())
                    m_braces.pop_back();
            } else if (t.is("(")) {
                ++m_parentheses;
            } else if (t.is(")")) {
                m_parentheses = qMax(0, m_parentheses - 1);
            } else if (t.kind == tkKey && t.is("switch")) {
                m_switchPending = true;
            } else if (t.kind == tkKey && (t.is("case") || t.is("default")) && i == 0 && !m_braces.empty()
                       && m_braces.back().isSwitch) {
                m_braces.back().caseSeen = true;
            }
        }
        // Whether the statement goes on: the last word of code is not one
        // that ends a statement, a block, a label or a list item. Comment
        // lines and annotations leave it as it was.
        const Token *last = nullptr;
        for (const Token &t : tokens)
            if (!isComment(t))
                last = &t;
        if (!code || !last)
            return;
        if (tokens.first().text.startsWith(QLatin1Char('@'))) {
            m_continues = false;
            return;
        }
        m_continues = !(last->is(";") || last->is("{") || last->is("}") || last->is(":") || last->is(","));
    }

    QString m_unit;
    JavaScanner m_scanner;
    std::vector<Brace> m_braces;
    int m_parentheses = 0;
    int m_commentLevel = 0;
    bool m_switchPending = false;
    bool m_continues = false;
    bool m_inTextBlock = false;
};

} // namespace

QString indentUnit(const QStringList &lines)
{
    int tabs = 0;
    int blanks = 0;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('\t')))
            ++tabs;
        else if (line.startsWith(QLatin1Char(' ')) && !line.trimmed().isEmpty())
            ++blanks;
    }
    return tabs > blanks ? QStringLiteral("\t") : QStringLiteral("    ");
}

QStringList format(const QStringList &lines, const QString &unit, int first, int last)
{
    if (last < 0)
        last = int(lines.size()) - 1;
    Indenter indenter(unit);
    QStringList result;
    result.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i)
        result.append(indenter.line(lines.at(i), i >= first && i <= last));
    return result;
}

QString indentAfterEnter(const QString &line, int column)
{
    const QString before = line.left(column);
    const QString leading = before.left(leadingBlanks(before));
    JavaScanner scanner;
    const QList<Token> tokens = tokensOf(scanner, before);
    const Token *last = nullptr;
    for (const Token &t : tokens)
        if (!isComment(t))
            last = &t;
    if (!last || !last->is("{"))
        return leading;
    return leading + (leading.contains(QLatin1Char('\t')) ? QStringLiteral("\t") : QStringLiteral("    "));
}

QString oneLevelLess(const QString &leading)
{
    if (leading.endsWith(QLatin1Char('\t')))
        return leading.left(leading.size() - 1);
    qsizetype cut = leading.size();
    while (cut > 0 && leading.size() - cut < 4 && leading.at(cut - 1) == QLatin1Char(' '))
        --cut;
    return leading.left(cut);
}

} // namespace codeformat

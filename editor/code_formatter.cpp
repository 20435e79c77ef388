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

// The statement under way, as far as indentation cares.
struct Statement
{
    bool started = false;
    int level = 0; // of the line where it began
    int parentheses = 0;
    int questions = 0; // ternaries still waiting for their ':'
    int headers = 0; // brace-less if/for/while/else/do headers whose body is still to come
    int headerLevel = 0; // of the line where the last header began
    int headerDepth = 0; // the depth of an open header's parentheses, 0 for none
    bool headerKeyword = false; // an if, for or while waits for its '('
    bool annotationOnly = false; // nothing but annotations so far
};

struct Brace
{
    int lineLevel = 0; // where its '}' goes; its inside is one level more
    bool isSwitch = false;
    bool caseSeen = false;
    Statement outside; // the statement the block stands in, taken up again after '}'
};

bool isAnnotationPart(const QList<Token> &tokens, qsizetype i)
{
    const Token &t = tokens.at(i);
    if (t.is("@") || t.is(".") || t.is(")"))
        return true;
    if (t.kind != tkIdentifier || i == 0)
        return false;
    const Token &before = tokens.at(i - 1);
    return before.is("@") || before.is(".");
}

// Whether the ':' at `position` is half of a method reference's "::".
bool isMethodReference(const QString &text, qsizetype position)
{
    return text.mid(position + 1, 1) == QLatin1String(":") || (position > 0 && text.at(position - 1) == QLatin1Char(':'));
}

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
                follow(tokensOf(m_scanner, rest), rest, m_level);
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
            follow(tokens, text, m_level);
            return result;
        }
        if (tokens.isEmpty())
            return change ? QString() : text;
        m_level = levelOf(tokens);
        if (change)
            result = repeated(m_unit, m_level) + text.mid(leadingBlanks(text));
        if (isComment(tokens.last()) && tokens.last().text.startsWith(QLatin1String("/*")))
            m_commentLevel = m_level;
        follow(tokens, text, m_level);
        return result;
    }

private:
    int levelOf(const QList<Token> &tokens) const
    {
        const Token &first = tokens.first();
        if (first.is("}"))
            return m_braces.empty() ? 0 : m_braces.back().lineLevel;
        int level = m_braces.empty() ? 0 : m_braces.back().lineLevel + 1;
        if (!m_braces.empty() && m_braces.back().isSwitch && m_braces.back().caseSeen) {
            const bool label = first.kind == tkKey && (first.is("case") || first.is("default"));
            if (!label)
                ++level;
        }
        if (first.is("{"))
            return level + qMax(0, m_now.headers - 1);
        return level + m_now.headers + (m_now.started ? 1 : 0);
    }

    // Takes the tokens of `text`, a line at `lineLevel`, into the state.
    void follow(const QList<Token> &tokens, const QString &text, int lineLevel)
    {
        Statement &s = m_now;
        for (qsizetype i = 0; i < tokens.size(); ++i) {
            const Token &t = tokens.at(i);
            if (isComment(t))
                continue;
            // What follows """ up to the closing """ is a text block's content.
            if (t.kind == tkString && text.mid(t.position, 3) == QLatin1String("\"\"\"")) {
                m_inTextBlock = true;
                return;
            }
            const bool headerClosedBefore = m_headerJustClosed;
            m_headerJustClosed = false;
            if (!s.started && !t.is("{") && !t.is("}")) {
                s.started = true;
                s.level = lineLevel;
                s.annotationOnly = t.is("@");
                // assert's ':' goes on with the statement, as a ternary's does
                s.questions = t.kind == tkKey && t.is("assert") ? 1 : 0;
            }
            if (t.is("{")) {
                // A block after a header or ending a declaration lines up with
                // where they began; one inside parentheses (a lambda's, an
                // anonymous class's) with its own line.
                int braceLevel = lineLevel;
                if (s.parentheses == 0 && headerClosedBefore)
                    braceLevel = s.headerLevel;
                else if (s.parentheses == 0 && s.started)
                    braceLevel = s.level;
                m_braces.push_back({braceLevel, m_switchPending, false, s});
                m_switchPending = false;
                s = Statement();
            } else if (t.is("}")) {
                if (!m_braces.empty()) {
                    s = m_braces.back().outside;
                    m_braces.pop_back();
                }
                if (s.parentheses == 0)
                    s = Statement(); // a block ends its statement
            } else if (t.is("(")) {
                ++s.parentheses;
                if (s.headerKeyword) {
                    s.headerDepth = s.parentheses;
                    s.headerKeyword = false;
                }
            } else if (t.is(")")) {
                s.parentheses = qMax(0, s.parentheses - 1);
                if (s.headerDepth > 0 && s.parentheses < s.headerDepth) {
                    s.headerDepth = 0;
                    closeHeader();
                }
            } else if (t.is(";") && s.parentheses == 0) {
                s = Statement();
            } else if (t.is("?")) {
                ++s.questions;
            } else if (t.is(":") && s.parentheses == 0 && !isMethodReference(text, t.position)) {
                if (s.questions > 0)
                    --s.questions;
                else
                    s.started = false; // a label or a case
            } else if (t.kind == tkKey) {
                if (t.is("if") || t.is("for") || t.is("while")) {
                    s.headerKeyword = true;
                    s.headerLevel = s.level;
                } else if (t.is("else") || t.is("do")) {
                    s.headerLevel = s.level;
                    closeHeader();
                } else if (t.is("switch")) {
                    m_switchPending = true;
                } else if ((t.is("case") || t.is("default")) && i == 0 && !m_braces.empty()
                           && m_braces.back().isSwitch) {
                    m_braces.back().caseSeen = true;
                }
            }
            if (s.started && s.annotationOnly && s.parentheses == 0 && !isAnnotationPart(tokens, i))
                s.annotationOnly = false;
        }
        const Token *last = nullptr;
        for (const Token &t : tokens)
            if (!isComment(t))
                last = &t;
        if (!last)
            return; // a comment says nothing of statements
        // A header that ends the line has its body on the next lines; an
        // annotation that ends it is followed by what it annotates; a line
        // ending an item of a list (enum constants, an array's values) has
        // the next item line up with it.
        if (m_headerJustClosed)
            ++s.headers;
        if (s.started && s.annotationOnly && s.parentheses == 0)
            s.started = false;
        if (last->is(",") && s.parentheses == 0)
            s.started = false;
    }

    // The parentheses of an if, for or while closed, or an else or do was
    // read: a statement (the body) follows.
    void closeHeader()
    {
        m_now.started = false;
        m_now.questions = 0;
        m_headerJustClosed = true;
    }

    QString m_unit;
    JavaScanner m_scanner;
    std::vector<Brace> m_braces;
    Statement m_now;
    int m_level = 0; // of the line last indented
    int m_commentLevel = 0;
    bool m_headerJustClosed = false;
    bool m_switchPending = false;
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

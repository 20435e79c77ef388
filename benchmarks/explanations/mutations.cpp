// The mistakes the explanation benchmark injects: each one a small edit that
// a beginner makes, found mechanically from the tokens of a correct program.
// Every edit keeps the number of lines, so that line numbers stay true.
#include "mutations.h"

#include "javatools/source_tokens.h"

#include <QSet>

namespace {

// A correct program's tokens with what the edits need to know of them.
struct Source
{
    explicit Source(const QStringList &text) : lines(text), tokens(text)
    {
        QList<int> open;
        partner.fill(-1, tokens.size());
        depth.fill(0, tokens.size());
        for (int i = 0; i < tokens.size(); ++i) {
            depth[i] = int(open.size());
            if (tokens.at(i).is("{")) {
                open.append(i);
            } else if (tokens.at(i).is("}") && !open.isEmpty()) {
                const int o = open.takeLast();
                partner[o] = i;
                partner[i] = o;
                depth[i] = int(open.size());
            }
        }
    }

    const SourceToken &at(int i) const { return tokens.at(i); }
    SourceToken get(int i) const { return tokens.get(i); }
    int size() const { return tokens.size(); }
    QList<int> onLine(int line) const { return tokens.onLine(line); }
    // Whether the line's first token is inside a method or a block in one.
    bool inBody(int index) const { return depth.value(index) >= 2; }
    // The index of the "(" that the ")" at `close` closes, or -1.
    int openParen(int close) const
    {
        int d = 0;
        for (int i = close; i >= 0; --i) {
            d += at(i).is(")") ? 1 : at(i).is("(") ? -1 : 0;
            if (d == 0)
                return i;
        }
        return -1;
    }
    QStringList lines;
    SourceTokens tokens;
    QList<int> partner; // of each brace, its pair's index (-1 when it has none)
    QList<int> depth;   // braces open before each token
};

// `text` put in place of token `t` (or of `length` characters from its start).
Mutant replaced(const Source &s, const SourceToken &t, const QString &text, const QString &word,
                int length = -1)
{
    Mutant m;
    m.lines = s.lines;
    m.lines[t.line - 1].replace(t.column - 1, length < 0 ? t.text.size() : length, text);
    m.line = t.line;
    m.word = word;
    return m;
}

bool isStatementStart(const Source &s, int i)
{
    const SourceToken &t = s.at(i);
    static const QSet<QString> closers = {"}", "else", "case", "default", "{", "catch", "finally", ")"};
    return !closers.contains(t.text) && (t.isName() || t.kind == tkKey);
}

// The line's tokens when it holds exactly one statement ending in ";" at its
// end, outside parentheses.
bool endsStatement(const Source &s, const QList<int> &onLine)
{
    if (onLine.size() < 2 || !s.at(onLine.last()).is(";") || s.at(onLine.first()).isKeyword("for"))
        return false;
    int parens = 0;
    int semicolons = 0;
    for (const int i : onLine) {
        parens += s.at(i).is("(") ? 1 : s.at(i).is(")") ? -1 : 0;
        semicolons += s.at(i).is(";") ? 1 : 0;
        if (parens < 0)
            return false;
    }
    return parens == 0 && semicolons == 1 && isStatementStart(s, onLine.first());
}

const QSet<QString> &localTypes()
{
    static const QSet<QString> types = {"int", "double", "String", "char", "boolean", "float", "long"};
    return types;
}

// --- The kinds --------------------------------------------------------------

QList<Mutant> semicolonMissing(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int l = 1; l <= lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        if (!endsStatement(s, onLine) || (s.at(onLine.first()).isKeyword("return") && onLine.size() == 2)
            || s.get(onLine.last() + 1).is("(") || s.get(onLine.last() + 1).is("."))
            continue;
        result << replaced(s, s.at(onLine.last()), QString(), QStringLiteral(";"));
    }
    return result;
}

QList<Mutant> closingBraceMissing(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int l = 1; l <= lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        if (onLine.size() != 1 || !s.at(onLine.first()).is("}") || s.depth.at(onLine.first()) < 1
            || s.partner.at(onLine.first()) < 0)
            continue;
        Mutant m = replaced(s, s.at(onLine.first()), QString(), QStringLiteral("}"));
        // The block's "{", and its header when the "{" stands on a line of its own.
        const int open = s.partner.at(onLine.first());
        m.otherLines << s.at(open).line;
        if (s.onLine(s.at(open).line).size() == 1 && open > 0)
            m.otherLines << s.at(open - 1).line;
        result << m;
    }
    return result;
}

QList<Mutant> closingParenMissing(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int l = 1; l <= lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        if (onLine.size() < 3 || !(s.at(onLine.last()).is(";") || s.at(onLine.last()).is("{")))
            continue;
        int opens = 0, closes = 0, last = -1;
        for (const int i : onLine) {
            opens += s.at(i).is("(") ? 1 : 0;
            closes += s.at(i).is(")") ? 1 : 0;
            last = s.at(i).is(")") ? i : last;
        }
        if (last >= 0 && opens == closes)
            result << replaced(s, s.at(last), QString(), QStringLiteral(")"));
    }
    return result;
}

QList<Mutant> keywordCapitalised(const QStringList &lines)
{
    static const QSet<QString> keywords = {"if", "else", "while", "for", "public", "static", "void",
                                           "int", "return", "new", "class", "char", "do", "switch",
                                           "case", "break", "private", "import"};
    const Source s(lines);
    QList<Mutant> result;
    for (const SourceToken &t : s.tokens.all()) {
        if (t.kind == tkKey && keywords.contains(t.text))
            result << replaced(s, t, t.text.left(1).toUpper() + t.text.mid(1), t.text);
    }
    return result;
}

QList<Mutant> typeInLowerCase(const QStringList &lines)
{
    static const QSet<QString> names = {"String", "Scanner", "System", "Math", "Integer"};
    const Source s(lines);
    QList<Mutant> result;
    for (const SourceToken &t : s.tokens.all()) {
        if (t.isName() && names.contains(t.text))
            result << replaced(s, t, t.text.left(1).toLower() + t.text.mid(1), t.text);
    }
    return result;
}

QList<Mutant> nameMisspelt(const QStringList &lines)
{
    static const QList<QPair<QString, QString>> typos = {
        {"System", "Sytem"},   {"String", "Strng"},     {"println", "printn"}, {"println", "pritnln"},
        {"Scanner", "Scaner"}, {"nextInt", "nexInt"},   {"length", "lenght"},  {"nextLine", "nextline"},
        {"parseInt", "parseint"}, {"printf", "prinft"},
    };
    const Source s(lines);
    QList<Mutant> result;
    for (const SourceToken &t : s.tokens.all()) {
        for (const auto &[right, typo] : typos) {
            if (t.isName() && t.text == right)
                result << replaced(s, t, typo, right);
        }
    }
    return result;
}

// The "(" of each if or while condition, with its ")".
QList<QPair<int, int>> conditions(const Source &s)
{
    QList<QPair<int, int>> result;
    for (int i = 0; i + 1 < s.size(); ++i) {
        if ((s.at(i).isKeyword("if") || s.at(i).isKeyword("while")) && s.at(i + 1).is("(")) {
            const int close = s.tokens.closing(i + 1);
            if (close > 0)
                result.append({i + 1, close});
        }
    }
    return result;
}

QList<Mutant> assignmentInCondition(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (const auto &[open, close] : conditions(s)) {
        for (int i = open; i < close; ++i) {
            if (s.at(i).is("=="))
                result << replaced(s, s.at(i), QStringLiteral("="), QStringLiteral("=="));
        }
    }
    return result;
}

// Whether the "}" at `close` ends a method's body.
bool endsMethod(const Source &s, int close)
{
    const int open = s.partner.value(close, -1);
    return open > 0 && s.get(open - 1).is(")") && s.depth.at(open) == 1;
}

QList<Mutant> returnRemoved(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int l = 1; l <= lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        if (onLine.size() < 3 || !s.at(onLine.first()).isKeyword("return") || !s.at(onLine.last()).is(";"))
            continue;
        const int next = onLine.last() + 1;
        if (next >= s.size() || !s.at(next).is("}") || !endsMethod(s, next))
            continue;
        Mutant m;
        m.lines = lines;
        m.lines[l - 1] = QString();
        m.line = l;
        m.otherLines << s.at(next).line;
        m.word = QStringLiteral("return");
        result << m;
    }
    return result;
}

QList<Mutant> declarationRemoved(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int l = 1; l <= lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        if (onLine.size() < 4 || !s.inBody(onLine.first()))
            continue;
        // int x = ...; and for (int i = 0; ...)
        int type = onLine.first();
        if (s.at(type).isKeyword("for") && s.get(type + 1).is("("))
            type += 2;
        else if (!endsStatement(s, onLine)
                 || std::any_of(onLine.begin(), onLine.end(), [&s](int i) { return s.at(i).is(","); }))
            continue;
        const SourceToken t = s.get(type);
        const SourceToken name = s.get(type + 1);
        if (!localTypes().contains(t.text) || !name.isName() || !s.get(type + 2).is("=") || t.line != l)
            continue;
        result << replaced(s, t, QString(), name.text, name.column - t.column);
    }
    return result;
}

QList<Mutant> stringUnclosed(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (const SourceToken &t : s.tokens.all()) {
        // (Not a text block's """, which the scanner reads as a text of its own.)
        if (t.isString() && t.text.size() >= 2 && t.text.startsWith('"') && t.text.endsWith('"')
            && !t.text.startsWith(QLatin1String("\"\"\""))) {
            Mutant m = replaced(s, t, t.text.chopped(1), QStringLiteral("\""));
            result << m;
        }
    }
    return result;
}

// The "{" that ends a header line: if (...) {, for, while, a method's.
QList<int> headerBraces(const Source &s)
{
    QList<int> result;
    for (int l = 1; l <= s.lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        if (onLine.size() < 4 || !s.at(onLine.last()).is("{") || !s.at(onLine.last() - 1).is(")"))
            continue;
        const SourceToken first = s.at(onLine.first());
        static const QSet<QString> starts = {"if", "for", "while", "public", "private", "protected",
                                             "static", "void"};
        const bool header = starts.contains(first.text) || first.is("}")
                            || (first.isName() && s.depth.at(onLine.first()) == 1);
        if (header)
            result << onLine.last();
    }
    return result;
}

QList<Mutant> openingBraceMissing(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (const int brace : headerBraces(s))
        result << replaced(s, s.at(brace), QString(), QStringLiteral("{"));
    return result;
}

QList<Mutant> semicolonAfterCondition(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 0; i + 1 < s.size(); ++i) {
        const SourceToken &t = s.at(i);
        if (!(t.isKeyword("if") || t.isKeyword("for") || t.isKeyword("while")) || !s.at(i + 1).is("("))
            continue;
        const int close = s.tokens.closing(i + 1);
        // A do { } while (...); has its own ";".
        if (close < 0 || s.get(close + 1).is(";") || s.get(i - 1).is("}"))
            continue;
        Mutant m = replaced(s, s.at(close), QStringLiteral(");"), QStringLiteral(";"));
        m.line = t.line;
        result << m;
    }
    return result;
}

QList<Mutant> bracketForParen(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int l = 1; l <= lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        if (onLine.size() >= 4 && s.at(onLine.last()).is(";") && s.at(onLine.last() - 1).is(")"))
            result << replaced(s, s.at(onLine.last() - 1), QStringLiteral("]"), QStringLiteral("]"));
    }
    return result;
}

QList<Mutant> semicolonForComma(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 1; i < s.size(); ++i) {
        if (!s.at(i).is("(") || !s.at(i - 1).isName())
            continue;
        const int close = s.tokens.closing(i);
        for (int j = i + 1; j < close; ++j) {
            // Only the call's own commas, not those of a call inside it.
            if (s.at(j).is(",") && s.openParen(close) == i) {
                int d = 0;
                for (int k = i + 1; k < j; ++k)
                    d += s.at(k).is("(") ? 1 : s.at(k).is(")") ? -1 : 0;
                if (d == 0)
                    result << replaced(s, s.at(j), QStringLiteral(";"), QStringLiteral(","));
            }
        }
    }
    return result;
}

QList<Mutant> callWithoutParens(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 2; i + 2 < s.size(); ++i) {
        const SourceToken &name = s.at(i);
        if (name.isName() && s.at(i - 1).is(".") && s.at(i + 1).is("(") && s.at(i + 2).is(")")
            && (s.get(i + 3).is(";") || s.get(i + 3).is(")")) && s.at(i + 1).line == name.line) {
            Mutant m = replaced(s, s.at(i + 1), QString(), name.text, 2);
            result << m;
        }
    }
    return result;
}

QList<Mutant> operatorReversed(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (const SourceToken &t : s.tokens.all()) {
        if (t.is("<=") || t.is(">="))
            result << replaced(s, t, QStringLiteral("=") + t.text.left(1), t.text);
    }
    return result;
}

QList<Mutant> constructorMisspelt(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 0; i + 2 < s.size(); ++i) {
        if (!s.at(i).isKeyword("class") || !s.at(i + 1).isName())
            continue;
        const QString cls = s.at(i + 1).text;
        for (int j = i + 2; j + 1 < s.size(); ++j) {
            const SourceToken &t = s.at(j);
            if (t.isName() && t.text == cls && s.at(j + 1).is("(") && s.depth.at(j) == s.depth.at(i) + 1
                && !s.get(j - 1).isKeyword("new") && !s.get(j - 1).is(".")) {
                const QString typo = cls.left(1).toLower() + cls.mid(1);
                result << replaced(s, t, typo, cls);
            }
        }
    }
    return result;
}

QList<Mutant> newMissing(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 1; i + 2 < s.size(); ++i) {
        const SourceToken &t = s.at(i);
        if (t.isKeyword("new") && s.at(i - 1).is("=") && s.at(i + 1).isName() && s.at(i + 2).is("(")
            && s.at(i + 1).text.at(0).isUpper())
            result << replaced(s, t, QString(), QStringLiteral("new"), s.at(i + 1).column - t.column);
    }
    return result;
}

QList<Mutant> systemOutMissing(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 0; i + 5 < s.size(); ++i) {
        if (s.at(i).is("System") && s.at(i + 1).is(".") && s.at(i + 2).is("out") && s.at(i + 3).is(".")
            && s.at(i + 4).isName() && s.at(i + 4).line == s.at(i).line)
            result << replaced(s, s.at(i), QString(), QStringLiteral("System.out"),
                               s.at(i + 4).column - s.at(i).column);
    }
    return result;
}

QList<Mutant> spaceInName(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 0; i + 2 < s.size(); ++i) {
        const SourceToken &type = s.at(i);
        const SourceToken &name = s.at(i + 1);
        if (!localTypes().contains(type.text) || !name.isName()
            || !(s.at(i + 2).is("=") || s.at(i + 2).is(";")))
            continue;
        for (int c = 1; c < name.text.size(); ++c) {
            if (name.text.at(c).isUpper() && name.text.at(c - 1).isLower()) {
                result << replaced(s, name, name.text.left(c) + ' ' + name.text.mid(c), name.text);
                break;
            }
        }
    }
    return result;
}

QList<Mutant> modifierOnLocal(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int l = 1; l <= lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        if (!endsStatement(s, onLine) || !s.inBody(onLine.first()))
            continue;
        const SourceToken &type = s.at(onLine.first());
        const SourceToken name = s.get(onLine.first() + 1);
        if (!(localTypes().contains(type.text) || type.text == QLatin1String("Scanner")) || !name.isName())
            continue;
        const QString modifier = result.size() % 2 ? QStringLiteral("static") : QStringLiteral("public");
        result << replaced(s, type, modifier + ' ' + type.text, modifier);
    }
    return result;
}

QList<Mutant> twoStatementsOnALine(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (int l = 1; l < lines.size(); ++l) {
        const QList<int> onLine = s.onLine(l);
        const QList<int> next = s.onLine(l + 1);
        if (!endsStatement(s, onLine) || !endsStatement(s, next) || !s.inBody(onLine.first()))
            continue;
        Mutant m = replaced(s, s.at(onLine.last()), QString(), QStringLiteral(";"));
        QString &target = m.lines[l - 1];
        target.insert(target.endsWith(QLatin1Char('\r')) ? target.size() - 1 : target.size(),
                      QLatin1Char(' ') + lines.at(l).trimmed());
        m.lines[l] = QString();
        result << m;
    }
    return result;
}

QList<Mutant> bracesAroundCondition(const QStringList &lines)
{
    const Source s(lines);
    QList<Mutant> result;
    for (const auto &[open, close] : conditions(s)) {
        if (!s.at(open - 1).isKeyword("if") || s.at(open).line != s.at(close).line)
            continue;
        Mutant m = replaced(s, s.at(close), QStringLiteral("}"), QStringLiteral("("));
        m.lines[s.at(open).line - 1].replace(s.at(open).column - 1, 1, QStringLiteral("{"));
        result << m;
    }
    return result;
}

QList<Mutant> lengthLeftOut(const QStringList &lines)
{
    // if (nome.length() < 3) -> if (nome < 3): a text compared with a number.
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 0; i + 4 < s.size(); ++i) {
        const SourceToken &name = s.at(i);
        static const QSet<QString> order = {"<", "<=", ">", ">="};
        if (name.isName() && s.at(i + 1).is(".") && s.at(i + 2).is("length") && s.at(i + 3).is("(")
            && s.at(i + 4).is(")") && order.contains(s.get(i + 5).text) && !s.get(i - 1).is(".")) {
            Mutant m = replaced(s, s.at(i + 1), QString(), name.text, s.at(i + 4).endColumn() - s.at(i + 1).column);
            result << m;
        }
    }
    return result;
}

QList<Mutant> codeAfterReturningIf(const QStringList &lines)
{
    // A method that ends in if (...) { return a; } else { return b; }: one
    // more statement after it can never run.
    const Source s(lines);
    QList<Mutant> result;
    for (int close = 0; close < s.size(); ++close) {
        if (!s.at(close).is("}") || !endsMethod(s, close))
            continue;
        const int elseClose = close - 1;
        const int elseOpen = s.partner.value(elseClose, -1);
        if (elseOpen < 2 || !s.at(elseOpen - 1).isKeyword("else") || !s.at(elseOpen - 2).is("}")
            || !s.get(elseClose - 1).is(";"))
            continue;
        const int returnLine = s.at(elseClose - 1).line;
        if (!s.at(s.onLine(returnLine).first()).isKeyword("return"))
            continue;
        Mutant m;
        m.lines = lines;
        const int at = s.at(elseClose).line; // the line of the else's "}"
        // (Before a CR that ends the line, or javac would count a line more.)
        QString &target = m.lines[at - 1];
        target.insert(target.endsWith(QLatin1Char('\r')) ? target.size() - 1 : target.size(),
                      QLatin1Char(' ') + lines.at(returnLine - 1).trimmed());
        m.line = at;
        m.word = QStringLiteral("if");
        result << m;
    }
    return result;
}

QList<Mutant> doubleForIntParameter(const QStringList &lines)
{
    // A call of the program's own method whose int parameter gets 2.5.
    const Source s(lines);
    QSet<QString> intFirst; // methods whose first parameter is an int
    for (int i = 1; i + 3 < s.size(); ++i) {
        if (s.at(i).isName() && s.at(i + 1).is("(") && s.at(i + 2).isKeyword("int") && s.at(i + 3).isName()
            && (s.at(i - 1).kind == tkKey || s.at(i - 1).isName()))
            intFirst.insert(s.at(i).text);
    }
    QList<Mutant> result;
    for (int i = 1; i + 3 < s.size(); ++i) {
        // Not the declaration itself: int dobro(int n).
        const SourceToken before = s.at(i - 1);
        const bool declaration = (before.kind == tkKey && !before.isKeyword("return")) || before.isName();
        if (intFirst.contains(s.at(i).text) && s.at(i + 1).is("(") && s.at(i + 2).isNumber() && !declaration
            && !s.at(i + 2).text.contains(QLatin1Char('.')) && (s.at(i + 3).is(")") || s.at(i + 3).is(",")))
            result << replaced(s, s.at(i + 2), s.at(i + 2).text + QStringLiteral(".5"), s.at(i).text);
    }
    return result;
}

QList<Mutant> classNameWithSpace(const QStringList &lines)
{
    // public class MeuPrograma -> public class Meu Programa
    const Source s(lines);
    QList<Mutant> result;
    for (int i = 0; i + 1 < s.size(); ++i) {
        if (!s.at(i).isKeyword("class") || !s.at(i + 1).isName())
            continue;
        const SourceToken &name = s.at(i + 1);
        for (int c = 1; c < name.text.size(); ++c) {
            if (name.text.at(c).isUpper() && name.text.at(c - 1).isLower()) {
                result << replaced(s, name, name.text.left(c) + ' ' + name.text.mid(c), name.text);
                break;
            }
        }
    }
    return result;
}

} // namespace

const QList<MutationKind> &mutationKinds()
{
    static const QList<MutationKind> kinds = {
        {"sem_ponto_e_virgula", {"ponto_e_virgula"}, semicolonMissing},
        {"dois_comandos_numa_linha", {"ponto_e_virgula"}, twoStatementsOnALine},
        {"sem_chave_de_fechar", {"falta_chave"}, closingBraceMissing},
        {"sem_chave_de_abrir", {"falta_abre_chave"}, openingBraceMissing},
        {"sem_parentese_de_fechar", {"fecha_parentese", "falta_fechamento"}, closingParenMissing},
        {"colchete_por_parentese", {"colchete_no_lugar_do_parentese"}, bracketForParen},
        {"chaves_na_condicao", {"chaves_na_condicao"}, bracesAroundCondition},
        {"ponto_e_virgula_por_virgula", {"ponto_e_virgula_entre_argumentos"}, semicolonForComma},
        {"ponto_e_virgula_apos_condicao", {"ponto_e_virgula_depois_da_condicao"}, semicolonAfterCondition},
        {"palavra_com_maiuscula", {"maiuscula_em_palavra_reservada"}, keywordCapitalised},
        {"tipo_com_minuscula", {"string_minusculo", "system_minusculo", "nome_parecido"}, typeInLowerCase},
        {"nome_digitado_errado", {"nome_parecido"}, nameMisspelt},
        {"espaco_no_nome", {"espaco_no_nome"}, spaceInName},
        {"atribuicao_na_condicao", {"condicao_nao_booleana", "atribuicao_a_valor", "igual_na_condicao"},
         assignmentInCondition},
        {"operador_invertido", {"operador_invertido"}, operatorReversed},
        {"sem_return", {"retorno_faltando"}, returnRemoved},
        {"sem_declaracao", {"variavel_nao_declarada"}, declarationRemoved},
        {"texto_sem_fim", {"texto_sem_fim", "aspas_faltando"}, stringUnclosed},
        {"chamada_sem_parenteses", {"chamada_sem_parenteses", "length_de_texto"}, callWithoutParens},
        {"sem_new", {"falta_new"}, newMissing},
        {"sem_system_out", {"metodo_sem_objeto"}, systemOutMissing},
        {"construtor_com_outro_nome", {"construtor_com_outro_nome"}, constructorMisspelt},
        {"modificador_em_variavel_local", {"modificador_em_variavel_local"}, modifierOnLocal},
        {"texto_comparado_com_numero", {"texto_comparado_com_numero"}, lengthLeftOut},
        {"codigo_depois_do_if_com_returns", {"codigo_depois_do_fim"}, codeAfterReturningIf},
        {"double_para_parametro_int", {"argumento_de_outro_tipo"}, doubleForIntParameter},
        {"nome_de_classe_com_espaco", {"espaco_no_nome"}, classNameWithSpace},
    };
    return kinds;
}

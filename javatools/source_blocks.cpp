#include "javatools/source_blocks.h"

#include <QSet>

Braces::Braces(const SourceTokens &tokens)
{
    QList<int> stack;
    for (int i = 0; i < tokens.size(); ++i) {
        const SourceToken &t = tokens.at(i);
        if (t.is("{")) {
            stack.append(int(pairs.size()));
            pairs.append({i, -1});
        } else if (t.is("}")) {
            if (stack.isEmpty())
                unmatched.append(i);
            else
                pairs[stack.takeLast()].close = i;
        }
    }
    openAtEnd = stack;
    // Count the innermost blocks with an indented body that show either
    // habit. (A "}" missing or too many shifts the blocks around it, which
    // then hold others; only a lost "{" can make one innermost.)
    int underOpening = 0;
    int atBody = 0;
    for (qsizetype p = 0; p < pairs.size(); ++p) {
        const Pair &pair = pairs.at(p);
        const bool innermost = p + 1 == pairs.size() || pairs.at(p + 1).open > pair.close;
        if (pair.close < 0 || !innermost)
            continue;
        const int open = tokens.indentOf(blocks::openingLine(tokens, pair.open));
        const int body = blocks::bodyIndent(tokens, pair);
        const int close = tokens.indentOf(tokens.at(pair.close).line);
        if (body <= open)
            continue;
        underOpening += close == open ? 1 : 0;
        atBody += close == body ? 1 : 0;
    }
    // (With a "}" too many, one block closed at its body's level is more
    // likely that "}" than a habit.)
    if (atBody >= 2 && atBody > 2 * underOpening)
        habit = Habit::AtBody;
    else if (atBody > underOpening && (unmatched.isEmpty() || atBody > 1))
        habit = Habit::Unclear;
}

int Braces::around(int index) const
{
    int found = -1;
    for (int p = 0; p < pairs.size(); ++p) {
        if (pairs.at(p).open < index && (pairs.at(p).close < 0 || pairs.at(p).close > index))
            found = p;
    }
    return found;
}

bool isClassBody(const SourceTokens &tokens, int open)
{
    int i = open - 1;
    if (tokens.get(i).is(")")) {
        for (int depth = 0; i >= 0; --i) {
            depth += tokens.at(i).is(")") ? 1 : tokens.at(i).is("(") ? -1 : 0;
            if (depth == 0)
                break;
        }
        return tokens.get(i - 1).isName() && tokens.get(i - 2).isKeyword("new");
    }
    // Back over the names, dots, commas and <> of the header to its keyword.
    for (; i >= 0; --i) {
        const SourceToken &t = tokens.at(i);
        if (t.isKeyword("class") || t.isKeyword("interface") || t.isKeyword("enum"))
            return true;
        if (!(t.isName() || t.is(".") || t.is(",") || t.is("<") || t.is(">") || t.isKeyword("extends")
              || t.isKeyword("implements")))
            return false;
    }
    return false;
}

MethodHeader enclosingMethod(const SourceTokens &tokens, const Braces &braces, int index)
{
    MethodHeader header;
    for (const Braces::Pair &pair : braces.pairs) {
        const bool contains = pair.open < index && (pair.close < 0 || pair.close > index);
        // Back over a throws clause to the parameters' ")".
        int close = pair.open - 1;
        while (close > 0 && (tokens.at(close).isName() || tokens.at(close).is(",") || tokens.at(close).is(".")))
            --close;
        if (close < pair.open - 1 && tokens.get(close).isKeyword("throws"))
            --close;
        else
            close = pair.open - 1;
        if (!contains || !tokens.get(close).is(")"))
            continue;
        // Back over the parameters to the name and the type before it.
        int depth = 0;
        int j = close;
        for (; j >= 0; --j) {
            depth += tokens.at(j).is(")") ? 1 : tokens.at(j).is("(") ? -1 : 0;
            if (depth == 0)
                break;
        }
        const SourceToken name = tokens.get(j - 1);
        const SourceToken type = tokens.get(j - 2);
        if (name.isName() && (type.isName() || type.kind == tkKey || type.is("]") || type.is(">"))
            && !type.isKeyword("new"))
            header = {name.text, type.text, name.line, pair.open};
    }
    return header;
}

namespace blocks {

int openingLine(const SourceTokens &tokens, int open)
{
    const int line = tokens.at(open).line;
    if (tokens.onLine(line).size() != 1 || open == 0)
        return line;
    return tokens.at(open - 1).line;
}

int bodyIndent(const SourceTokens &tokens, const Braces::Pair &pair)
{
    const int first = pair.open + 1;
    if (first >= tokens.size() || (pair.close >= 0 && first >= pair.close))
        return -1;
    const int line = tokens.at(first).line;
    if (line == tokens.at(pair.open).line || tokens.onLine(line).first() != first)
        return -1;
    return tokens.indentOf(line);
}

int expectedCloseIndent(const SourceTokens &tokens, const Braces &braces, const Braces::Pair &pair)
{
    const int open = tokens.indentOf(openingLine(tokens, pair.open));
    const int body = bodyIndent(tokens, pair);
    return braces.habit == Braces::Habit::AtBody && body > open ? body : open;
}

bool indentationIsReliable(const SourceTokens &tokens, const Braces &braces)
{
    // A "}" missing or too many misaligns only the blocks around it, each
    // inside the next; blocks misaligned side by side are the writer's habit.
    // Bodies written flush with their headers (a class's excepted) tell
    // nothing.
    if (braces.habit == Braces::Habit::Unclear)
        return false;
    QList<Braces::Pair> misaligned;
    int flush = 0;
    int indented = 0;
    for (const Braces::Pair &pair : braces.pairs) {
        if (pair.close < 0)
            continue;
        const int open = openingLine(tokens, pair.open);
        const int close = tokens.at(pair.close).line;
        const int body = bodyIndent(tokens, pair);
        if (body >= 0 && !isClassBody(tokens, pair.open))
            ++(body > tokens.indentOf(open) ? indented : flush);
        if (open != close && tokens.indentOf(close) != expectedCloseIndent(tokens, braces, pair))
            misaligned.append(pair);
    }
    // One block out of line elsewhere is a slip of the hand.
    int beside = 0;
    for (qsizetype i = 1; i < misaligned.size(); ++i) {
        if (misaligned.at(i).close > misaligned.at(i - 1).close)
            ++beside;
    }
    return beside <= 1 && flush * 2 < indented;
}

int missingItsClose(const SourceTokens &tokens, const Braces &braces, int beforeLine)
{
    int found = -1;
    for (int p = 0; p < braces.pairs.size(); ++p) {
        const Braces::Pair &pair = braces.pairs.at(p);
        if (pair.close < 0)
            continue;
        const int openLine = openingLine(tokens, pair.open);
        const int closeLine = tokens.at(pair.close).line;
        if (closeLine > beforeLine || openLine == closeLine)
            continue;
        if (tokens.indentOf(closeLine) < expectedCloseIndent(tokens, braces, pair)
            && (found < 0 || openLine > openingLine(tokens, braces.pairs.at(found).open)))
            found = p;
    }
    return found;
}

int closesTooFarOut(const SourceTokens &tokens, const Braces &braces, int beforeLine)
{
    int found = -1;
    for (const Braces::Pair &pair : braces.pairs) {
        if (pair.close < 0 || tokens.at(pair.close).line >= beforeLine)
            continue;
        const int openLine = openingLine(tokens, pair.open);
        const int closeLine = tokens.at(pair.close).line;
        if (closeLine != openLine && tokens.indentOf(closeLine) > expectedCloseIndent(tokens, braces, pair)
            && (found < 0 || closeLine < tokens.at(found).line))
            found = pair.close;
    }
    return found;
}

namespace {

// Whether the tokens of `line` make a header that a body follows: if (…),
// for (…), while (…), } else if (…), else, do, or a method's header.
bool isHeader(const SourceTokens &tokens, int line)
{
    const QList<int> onLine = tokens.onLine(line);
    if (onLine.isEmpty())
        return false;
    int first = onLine.first();
    if (tokens.at(first).is("}"))
        ++first;
    const SourceToken start = tokens.get(first);
    const SourceToken last = tokens.at(onLine.last());
    if (start.isKeyword("else") && (last.isKeyword("else") || last.is(")")))
        return true;
    if (start.isKeyword("do") && last.isKeyword("do"))
        return true;
    if (!last.is(")"))
        return false;
    static const QSet<QString> statements = {"if", "for", "while", "switch", "catch", "try"};
    if (start.kind == tkKey && statements.contains(start.text))
        return true;
    return isMethodHeader(tokens, line);
}

} // namespace

bool isMethodHeader(const SourceTokens &tokens, int line)
{
    const QList<int> onLine = tokens.onLine(line);
    if (onLine.isEmpty())
        return false;
    int i = onLine.first();
    if (tokens.at(i).is("@"))
        i += 2; // @Override
    static const QSet<QString> modifiers = {"public", "private", "protected", "static", "final",
                                            "abstract", "synchronized"};
    while (modifiers.contains(tokens.get(i).text))
        ++i;
    // The type: a word, with [] or <...> after it.
    const SourceToken type = tokens.get(i);
    if (!(type.isName() || type.kind == tkKey) || type.isKeyword("new") || type.isKeyword("return"))
        return false;
    ++i;
    while (tokens.get(i).is("[") || tokens.get(i).is("]") || tokens.get(i).is("<") || tokens.get(i).is(">")
           || (tokens.get(i).isName() && tokens.get(i + 1).is(">")) || tokens.get(i).is(","))
        ++i;
    const SourceToken name = tokens.get(i);
    if (!name.isName() || !tokens.get(i + 1).is("(") || name.line != line)
        return false;
    // The parameters' ")" ends the line, or a "{" or a throws clause follows it.
    int depth = 0;
    for (int j = i + 1; j < tokens.size(); ++j) {
        depth += tokens.at(j).is("(") ? 1 : tokens.at(j).is(")") ? -1 : 0;
        if (depth == 0) {
            const SourceToken after = tokens.get(j + 1);
            return after.is("{") || after.isKeyword("throws") || after.line > line;
        }
    }
    return false;
}

int headerWithoutBrace(const SourceTokens &tokens, int close, int *statements)
{
    const int closeLine = tokens.at(close).line;
    const int indent = tokens.indentOf(closeLine);
    // A "}" may stand under its header or at its body's indentation.
    bool alignedWithBody = false;
    for (int line = closeLine - 1; line > 0; --line) {
        if (!tokens.onLine(line).isEmpty()) {
            alignedWithBody = tokens.indentOf(line) == indent;
            break;
        }
    }
    int body = 0;
    for (int line = closeLine - 1; line > 0; --line) {
        const QList<int> onLine = tokens.onLine(line);
        if (onLine.isEmpty())
            continue;
        const int here = tokens.indentOf(line);
        if (here > indent || (alignedWithBody && here == indent)) {
            ++body;
            continue;
        }
        if ((here < indent && !alignedWithBody) || body == 0 || !isHeader(tokens, line))
            return 0;
        if (statements)
            *statements = body;
        return line;
    }
    return 0;
}

} // namespace blocks

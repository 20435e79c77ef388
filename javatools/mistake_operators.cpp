// The detectors of the mistake finder that look at operators and
// conditions: =< for <=, a condition between braces, = where == compares, a
// text compared with a number, code after a return that always happens.
#include "javatools/mistake_detectors.h"

#include <QRegularExpression>
#include <QSet>

namespace {

// The "(" after an if or while on `line` and its ")", as token indexes.
QList<QPair<int, int>> conditionsOn(const SourceTokens &tokens, int line)
{
    QList<QPair<int, int>> result;
    for (const int i : tokens.onLine(line)) {
        if (!(tokens.at(i).isKeyword("if") || tokens.at(i).isKeyword("while")) || !tokens.get(i + 1).is("("))
            continue;
        int depth = 0;
        for (int j = i + 1; j < tokens.size(); ++j) {
            depth += tokens.at(j).is("(") ? 1 : tokens.at(j).is(")") ? -1 : 0;
            if (depth == 0) {
                result.append({i + 1, j});
                break;
            }
        }
    }
    return result;
}

// The far end of one side of the operator at `op` (step -1: the left side,
// +1: the right), stopping before && or || or the condition's own bracket
// at `limit`.
int sideStart(const SourceTokens &tokens, int limit, int op, int step)
{
    int depth = 0;
    int i = op + step;
    for (; i != limit; i += step) {
        const SourceToken &t = tokens.at(i);
        depth += (step < 0 ? t.is(")") : t.is("(")) ? 1 : (step < 0 ? t.is("(") : t.is(")")) ? -1 : 0;
        if (depth < 0 || (depth == 0 && (t.is("&&") || t.is("||"))))
            break;
    }
    return i - step;
}

// Whether the statement that ends at token `end` ("}" or ";") always leaves
// the method or the loop: a return, a break, a throw, or an if whose every
// branch does.
bool alwaysLeaves(const SourceTokens &tokens, const Braces &braces, int end, int depth = 0);

// The "{" paired with the "}" at `close`, or -1.
int openOf(const Braces &braces, int close)
{
    for (const Braces::Pair &pair : braces.pairs) {
        if (pair.close == close)
            return pair.open;
    }
    return -1;
}

bool blockLeaves(const SourceTokens &tokens, const Braces &braces, int close, int depth)
{
    // A block leaves when its last statement does.
    return close > 0 && !tokens.at(close - 1).is("{") && alwaysLeaves(tokens, braces, close - 1, depth + 1);
}

bool alwaysLeaves(const SourceTokens &tokens, const Braces &braces, int end, int depth)
{
    if (depth > 20 || end < 0)
        return false;
    if (tokens.at(end).is(";")) {
        int start = end;
        while (start > 0 && !tokens.at(start - 1).is(";") && !tokens.at(start - 1).is("{")
               && !tokens.at(start - 1).is("}"))
            --start;
        const SourceToken &first = tokens.at(start);
        return first.isKeyword("return") || first.isKeyword("throw") || first.isKeyword("break")
               || first.isKeyword("continue");
    }
    if (!tokens.at(end).is("}"))
        return false;
    // } else { ... }: both branches must leave.
    const int open = openOf(braces, end);
    if (open < 1 || !tokens.at(open - 1).isKeyword("else"))
        return false;
    const int thenClose = open - 2;
    return thenClose > 0 && tokens.at(thenClose).is("}") && blockLeaves(tokens, braces, end, depth)
           && blockLeaves(tokens, braces, thenClose, depth);
}

} // namespace

namespace detectors {

std::optional<FoundMistake> reversedOperator(const MistakeContext &c)
{
    if (!c.isSyntaxError())
        return std::nullopt;
    for (const int i : c.tokens.onLine(c.line())) {
        const SourceToken &t = c.tokens.at(i);
        const SourceToken next = c.tokens.get(i + 1);
        if (!t.is("=") || next.line != t.line || next.column != t.endColumn() || !(next.is("<") || next.is(">")))
            continue;
        const QString meant = next.text + QStringLiteral("=");
        return placed(mistake("operador_invertido",
                       QStringLiteral("Na linha %1, escreva %2 em vez de %3: em \"%4 ou igual\" o sinal "
                                      "de igual vem depois, e %3 não existe no Java.")
                           .arg(t.line)
                           .arg(meant, t.text + next.text,
                                next.is("<") ? QStringLiteral("menor") : QStringLiteral("maior"))),
                      t, next);
    }
    return std::nullopt;
}

std::optional<FoundMistake> conditionInBraces(const MistakeContext &c)
{
    if (!c.says("'(' expected"))
        return std::nullopt;
    const SourceToken keyword = c.tokens.get(c.before);
    const SourceToken brace = c.tokens.get(c.at);
    if (!(keyword.isKeyword("if") || keyword.isKeyword("while") || keyword.isKeyword("for")) || !brace.is("{"))
        return std::nullopt;
    return placed(mistake("chaves_na_condicao",
                   QStringLiteral("Na linha %1, a condição do %2 vai entre parênteses ( ), não entre "
                                  "chaves: escreva %2 (condição) { ... }. As chaves { } vêm depois, em "
                                  "volta do bloco.")
                       .arg(brace.line)
                       .arg(keyword.text)),
                  brace);
}

std::optional<FoundMistake> assignmentInCondition(const MistakeContext &c)
{
    const bool condition = c.saysStart("incompatible types: ") && c.message.text.endsWith(QLatin1String("to boolean"));
    const bool logical = c.says("bad operand types for binary operator '&&'")
                         || c.says("bad operand types for binary operator '||'");
    // if (this = o), and = on a final field or variable in a condition.
    const bool assigns = c.says("cannot assign to 'this'") || c.saysStart("cannot assign a value to final variable");
    if (!condition && !logical && !assigns && !c.says("unexpected type"))
        return std::nullopt;
    for (const auto &[open, close] : conditionsOn(c.tokens, c.line())) {
        for (int i = open + 1; i < close; ++i) {
            if (!c.tokens.at(i).is("="))
                continue;
            // The two sides as written, up to && or || or the condition's end.
            const int from = sideStart(c.tokens, open, i, -1);
            const int to = sideStart(c.tokens, close, i, 1);
            const QString left = c.tokens.written(from, i - 1);
            const QString right = c.tokens.written(i + 1, to);
            // Texts compare with equals; numbers, chars and null with ==.
            const SourceToken value = c.tokens.get(i + 1);
            const bool texts = (value.isString() && value.text.startsWith(QLatin1Char('"')))
                               || (from == i - 1 && c.declared.variableTypes.value(left) == QLatin1String("String")
                                   && !value.isKeyword("null"));
            const QString compare = texts ? QStringLiteral("%1.equals(%2) (textos se comparam com equals)")
                                          : QStringLiteral("%1 == %2, com dois sinais de igual");
            return placed(mistake("igual_na_condicao",
                           QStringLiteral("Na linha %1, a condição usa = (que guarda um valor numa "
                                          "variável) onde deveria comparar: escreva %2.")
                               .arg(c.tokens.at(i).line)
                               .arg(compare.arg(left, right))),
                          c.tokens.at(i));
        }
    }
    return std::nullopt;
}

std::optional<FoundMistake> textComparedByOrder(const MistakeContext &c)
{
    static const QRegularExpression order(QStringLiteral("^bad operand types for binary operator '([<>]=?)'$"));
    const QRegularExpressionMatch match = order.match(c.message.text);
    if (!match.hasMatch())
        return std::nullopt;
    QString first, second;
    for (const QString &detail : c.message.details) {
        if (detail.startsWith(QLatin1String("first type: ")))
            first = detail.mid(12);
        else if (detail.startsWith(QLatin1String("second type: ")))
            second = detail.mid(13);
    }
    static const QSet<QString> numbers = {"int", "double", "long", "float", "short", "byte", "char"};
    const bool textFirst = first == QLatin1String("String") && numbers.contains(second);
    const bool textSecond = second == QLatin1String("String") && numbers.contains(first);
    if (!textFirst && !textSecond)
        return std::nullopt;
    // The operand that is a text: the name beside the operator.
    const QString op = match.captured(1);
    QString text;
    for (const int i : c.tokens.onLine(c.line())) {
        if (c.tokens.at(i).text != op)
            continue;
        const SourceToken side = c.tokens.get(textFirst ? i - 1 : i + 1);
        if (side.isName() && c.declared.variableTypes.value(side.text) == QLatin1String("String"))
            text = side.text;
    }
    if (text.isEmpty())
        return std::nullopt;
    return mistake("texto_comparado_com_numero",
                   QStringLiteral("Na linha %1, %2 é um texto (String) e está sendo comparado com %3 "
                                  "um número. Para comparar com o tamanho do texto use %2.length(); se "
                                  "o texto guarda um número, converta-o antes com Integer.parseInt(%2).")
                       .arg(c.line())
                       .arg(text, op));
}

std::optional<FoundMistake> unreachableAfter(const MistakeContext &c)
{
    if (!c.says("unreachable statement") || c.at <= 0 || c.at >= c.tokens.size())
        return std::nullopt;
    // The statement the message points into, and what ends before it.
    int start = c.at;
    for (int depth = 0; start > 0; --start) {
        const SourceToken &t = c.tokens.at(start - 1);
        depth += t.is(")") ? 1 : t.is("(") ? -1 : 0;
        if (depth == 0 && (t.is(";") || t.is("{") || t.is("}")))
            break;
    }
    const int previous = start - 1;
    if (previous < 0)
        return std::nullopt;
    // while (true) { ... } with no break: nothing after it ever runs.
    if (c.tokens.at(previous).is("}")) {
        const int open = openOf(c.braces, previous);
        if (open > 4 && c.tokens.at(open - 1).is(")") && c.tokens.at(open - 2).isKeyword("true")
            && c.tokens.at(open - 3).is("(") && c.tokens.at(open - 4).isKeyword("while")) {
            const int whileLine = c.tokens.at(open - 4).line;
            return mistake("codigo_depois_do_fim",
                           QStringLiteral("A linha %1 nunca é executada: o while (true) da linha %2 "
                                          "não termina nunca, porque não tem um break que saia dele. "
                                          "Ponha uma condição de parada no while, ou um break dentro "
                                          "dele.")
                               .arg(c.tokens.at(start).line)
                               .arg(whileLine));
        }
    }
    if (!alwaysLeaves(c.tokens, c.braces, previous) || !c.tokens.at(previous).is("}"))
        return std::nullopt;
    int ifLine = 0;
    for (int i = openOf(c.braces, previous); i >= 0; --i) {
        if (c.tokens.at(i).isKeyword("if") && !c.tokens.get(i - 1).isKeyword("else")) {
            ifLine = c.tokens.at(i).line;
            break;
        }
    }
    return mistake("codigo_depois_do_fim",
                   QStringLiteral("A linha %1 nunca é executada: as duas partes do if da linha %2 (o "
                                  "bloco do if e o do else) terminam com return (ou break, ou throw), "
                                  "então o programa sempre sai antes de chegar aqui. Tire essa linha, "
                                  "ou o return de uma das partes.")
                       .arg(c.tokens.at(start).line)
                       .arg(ifLine));
}

} // namespace detectors

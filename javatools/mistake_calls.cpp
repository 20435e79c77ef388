// The detectors of the mistake finder that look at a call's shape: a "]" or
// a ";" where a call's ")" or "," belongs, an argument of another type, and a
// constructor whose name is not the class's.
#include "javatools/mistake_detectors.h"

#include "javatools/jdk_names.h"

#include <QRegularExpression>
#include <QSet>

namespace detectors {

std::optional<FoundMistake> bracketForParenthesis(const MistakeContext &c)
{
    if (!c.isSyntaxError())
        return std::nullopt;
    QList<int> open;
    const QList<int> start = c.tokens.onLine(statementFirstLine(c.tokens, c.line()));
    for (int i = start.value(0, c.tokens.size()); i < c.tokens.size() && c.tokens.at(i).line <= c.line(); ++i) {
        const SourceToken &t = c.tokens.at(i);
        if (t.is("(") || t.is("[")) {
            open.append(i);
            continue;
        }
        if (!t.is(")") && !t.is("]"))
            continue;
        if (open.isEmpty())
            return std::nullopt;
        const SourceToken opener = c.tokens.at(open.takeLast());
        if (t.is("]") && opener.is("(")) {
            const SourceToken called = c.tokens.get(c.tokens.indexAt(opener.line, opener.column) - 1);
            const QString where = called.isName() ? QStringLiteral(" em %1(").arg(called.text) : QString();
            return placed(mistake("colchete_no_lugar_do_parentese",
                           QStringLiteral("Na linha %1, o ] fecha o parêntese aberto%2: um ( se fecha "
                                          "com ), e um [ com ]. Troque esse ] por ).")
                               .arg(t.line)
                               .arg(where)),
                          t);
        }
        if (t.is(")") && opener.is("["))
            return placed(mistake("colchete_no_lugar_do_parentese",
                           QStringLiteral("Na linha %1, o ) fecha o colchete aberto na coluna %2: um [ se "
                                          "fecha com ], e um ( com ). Troque esse ) por ].")
                               .arg(t.line)
                               .arg(opener.column)),
                          t);
    }
    return std::nullopt;
}

std::optional<FoundMistake> semicolonBetweenArguments(const MistakeContext &c)
{
    if (!c.isSyntaxError())
        return std::nullopt;
    const QList<int> start = c.tokens.onLine(statementFirstLine(c.tokens, c.line()));
    if (start.isEmpty())
        return std::nullopt;
    QList<int> open;
    for (int i = start.first(); i < c.tokens.size() && c.tokens.at(i).line <= c.line(); ++i) {
        const SourceToken &t = c.tokens.at(i);
        if (t.is("("))
            open.append(i);
        else if (t.is(")") && !open.isEmpty())
            open.removeLast();
        if (!t.is(";") || open.isEmpty())
            continue;
        const SourceToken called = c.tokens.get(open.last() - 1);
        if (called.isKeyword("for") || !called.isName())
            continue;
        // Values after it, then the ")" that closes the call: it parts two
        // arguments. Another ";" first: it ends a statement whose ")" is missing.
        qsizetype depth = open.size();
        bool parts = false;
        for (int j = i + 1; j < c.tokens.size() && c.tokens.at(j).line <= t.line + 8; ++j) {
            const SourceToken &u = c.tokens.at(j);
            if (u.is(";") || u.is("{") || u.is("}"))
                break;
            depth += u.is("(") ? 1 : u.is(")") ? -1 : 0;
            if (depth == 0) {
                parts = j > i + 1;
                break;
            }
        }
        if (!parts)
            return std::nullopt;
        // A declaration's parameters, or a call's arguments.
        const bool declares = enclosingMethod(c.tokens, c.braces, i).name.isEmpty();
        return placed(mistake("ponto_e_virgula_entre_argumentos",
                       QStringLiteral("Na linha %1, %2 de %3(...) se separam com vírgula (,), não com "
                                      "ponto e vírgula: troque esse ; por uma vírgula.")
                           .arg(t.line)
                           .arg(declares ? QStringLiteral("os parâmetros") : QStringLiteral("os argumentos"),
                                called.text)),
                      t);
    }
    return std::nullopt;
}

std::optional<FoundMistake> constructorName(const MistakeContext &c)
{
    if (!c.says("invalid method declaration; return type required") || c.at >= c.tokens.size())
        return std::nullopt;
    const SourceToken name = c.tokens.at(c.at);
    const int pair = c.braces.around(c.at);
    if (!name.isName() || pair < 0)
        return std::nullopt;
    // The class whose body holds it: "class Name" before its "{".
    QString cls;
    for (int i = c.braces.pairs.at(pair).open - 1; i > 0; --i) {
        if (c.tokens.at(i).isKeyword("class") && c.tokens.get(i + 1).isName()) {
            cls = c.tokens.at(i + 1).text;
            break;
        }
        if (c.tokens.at(i).is(";") || c.tokens.at(i).is("}") || c.tokens.at(i).is("{"))
            break;
    }
    const QString lowerName = name.text.toLower();
    const QString lowerClass = cls.toLower();
    const bool close = lowerName == lowerClass || lowerName.startsWith(lowerClass.left(4))
                       || c.finder.closestNames(name.text).contains(cls);
    if (cls.isEmpty() || cls == name.text || !close)
        return std::nullopt;
    return placed(mistake("construtor_com_outro_nome",
                   QStringLiteral("Na linha %1, %2 parece ser o construtor da classe %3, e um construtor "
                                  "tem exatamente o nome da classe: escreva %3, com as mesmas letras e "
                                  "maiúsculas. Se %2 é um método, falta antes do nome o tipo que ele "
                                  "devolve (ou void).")
                       .arg(name.line)
                       .arg(name.text, cls)),
                  name);
}

std::optional<FoundMistake> wrongArgumentType(const MistakeContext &c)
{
    static const QRegularExpression lossy(
        QStringLiteral("^incompatible types: possible lossy conversion from (\\S+) to (\\S+)$"));
    const QRegularExpressionMatch match = lossy.match(c.message.text);
    if (!match.hasMatch() || c.at >= c.tokens.size())
        return std::nullopt;
    // The call whose argument the message points at, and which argument.
    int depth = 0;
    int argument = 0;
    int open = -1;
    for (int i = c.at - 1; i >= 0 && c.tokens.at(i).line == c.line(); --i) {
        const SourceToken &t = c.tokens.at(i);
        depth += t.is(")") ? 1 : t.is("(") ? -1 : 0;
        if (depth < 0) {
            open = i;
            break;
        }
        argument += depth == 0 && t.is(",") ? 1 : 0;
    }
    const SourceToken method = c.tokens.get(open - 1);
    if (open < 0 || !method.isName() || c.tokens.get(open - 2).isKeyword("new"))
        return std::nullopt;
    const QString from = match.captured(1);
    const QString to = match.captured(2);
    // The student's own method: its parameter by name.
    QString parameter;
    int headerLine = 0;
    for (int i = 0; i + 1 < c.tokens.size() && parameter.isEmpty(); ++i) {
        if (c.tokens.at(i).text != method.text || !c.tokens.at(i + 1).is("(") || i == open - 1
            || !c.declared.methods.contains(method.text))
            continue;
        int k = 0;
        for (int j = i + 2; j < c.tokens.size() && !c.tokens.at(j).is(")"); ++j) {
            const SourceToken after = c.tokens.get(j + 1);
            if (c.tokens.at(j).is(","))
                ++k;
            else if (k == argument && c.tokens.at(j).isName() && (after.is(")") || after.is(","))
                     && c.tokens.get(j - 1).text == to) {
                parameter = c.tokens.at(j).text;
                headerLine = c.tokens.at(i).line;
            }
        }
    }
    const QString place = parameter.isEmpty()
                              ? QStringLiteral("espera um %1 nesse argumento").arg(to)
                              : QStringLiteral("espera um %1 no parâmetro %2 (linha %3)")
                                    .arg(to, parameter)
                                    .arg(headerLine);
    return placed(mistake("argumento_de_outro_tipo",
                   QStringLiteral("Na linha %1, o método %2 %3, e recebeu um %4, que não cabe num %5 "
                                  "sem perder parte do valor. Passe um %5, converta com (%5) antes do "
                                  "valor, ou mude o tipo do parâmetro para %4.")
                       .arg(c.line())
                       .arg(method.text, place, from, to)),
                  c.tokens.at(c.at));
}

} // namespace detectors

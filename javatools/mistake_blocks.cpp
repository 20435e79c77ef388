// The detectors of the mistake finder that look at blocks: a "{" or a "}"
// missing or too many, a ";" that ends an if before its block, a modifier
// on a variable inside a method. The indentation tells where the student
// meant each block to begin and end.
#include "javatools/mistake_detectors.h"

#include <QSet>

namespace {

const QSet<QString> &modifiers()
{
    static const QSet<QString> words = {"public", "private", "protected", "static"};
    return words;
}

// The word a student calls a header by: "do if", "do for", "do método main".
QString headerName(const SourceTokens &tokens, int line)
{
    const QList<int> onLine = tokens.onLine(line);
    int first = onLine.value(0);
    if (tokens.get(first).is("}"))
        ++first;
    const SourceToken start = tokens.get(first);
    static const QSet<QString> statements = {"if", "for", "while", "else", "do", "switch", "try", "catch"};
    if (start.kind == tkKey && statements.contains(start.text))
        return QStringLiteral("do ") + start.text;
    for (const int i : onLine) {
        if (tokens.at(i).isName() && tokens.get(i + 1).is("("))
            return QStringLiteral("do método ") + tokens.at(i).text;
    }
    return QStringLiteral("de código");
}

// The "if", "for" or "while" whose condition the ")" at `close` ends, or -1.
int conditionKeyword(const SourceTokens &tokens, int close)
{
    int depth = 0;
    for (int i = close; i >= 0; --i) {
        depth += tokens.at(i).is(")") ? 1 : tokens.at(i).is("(") ? -1 : 0;
        if (depth == 0) {
            const SourceToken keyword = tokens.get(i - 1);
            return keyword.isKeyword("if") || keyword.isKeyword("for") || keyword.isKeyword("while") ? i - 1 : -1;
        }
    }
    return -1;
}

// The first token of the statement whose ";" is at `end`: after the ";",
// "{" or "}" before it (a for's own ";" between parentheses are passed by).
int statementStart(const SourceTokens &tokens, int end)
{
    int depth = 0;
    int start = end;
    while (start > 0) {
        const SourceToken &t = tokens.at(start - 1);
        depth += t.is(")") ? 1 : t.is("(") ? -1 : 0;
        if (depth == 0 && (t.is(";") || t.is("{") || t.is("}")))
            break;
        --start;
    }
    return start;
}

FoundMistake strayConditionSemicolon(const SourceTokens &tokens, int keyword, const QString &consequence)
{
    const SourceToken &k = tokens.at(keyword);
    const int semicolon = tokens.closing(keyword + 1) + 1;
    return placed(mistake("ponto_e_virgula_depois_da_condicao",
                   QStringLiteral("Na linha %1 há um ; logo depois da condição do %2: esse ; é uma "
                                  "instrução vazia que termina o %2 ali mesmo, e o bloco de baixo fica "
                                  "fora dele%3. Tire o ; que está depois do ).")
                       .arg(k.line)
                       .arg(k.text, consequence)),
                  tokens.at(semicolon));
}

} // namespace

namespace detectors {

std::optional<FoundMistake> modifierOnLocal(const MistakeContext &c)
{
    const SourceToken here = c.tokens.get(c.at);
    // After an annotation javac names the modifier itself.
    const bool saysModifier = c.message.text == QStringLiteral("modifier %1 not allowed here").arg(here.text);
    if (!(c.says("illegal start of expression") || saysModifier) || !modifiers().contains(here.text))
        return std::nullopt;
    int i = c.at;
    while (modifiers().contains(c.tokens.get(i).text) || c.tokens.get(i).isKeyword("final"))
        ++i;
    const SourceToken type = c.tokens.get(i);
    if (!(type.isName() || type.kind == tkKey))
        return std::nullopt;
    ++i;
    while (c.tokens.get(i).is("[") || c.tokens.get(i).is("]"))
        ++i;
    const SourceToken name = c.tokens.get(i);
    while (c.tokens.get(i + 1).is("[") || c.tokens.get(i + 1).is("]"))
        ++i; // int v[] = ...
    const SourceToken after = c.tokens.get(i + 1);
    if (!name.isName() || !(after.is("=") || after.is(";") || after.is(",")))
        return std::nullopt;
    // A declaration at the indentation of the class's members is a field
    // after a method whose "}" is missing, not a local variable - unless
    // every brace of the file has its partner, when nothing is missing and
    // the body is simply written flush with its header.
    const MethodHeader method = enclosingMethod(c.tokens, c.braces, c.at);
    const bool balanced = c.braces.openAtEnd.isEmpty() && c.braces.unmatched.isEmpty();
    if (method.name.isEmpty()
        || (!balanced && c.tokens.indentOf(here.line) <= c.tokens.indentOf(method.line)))
        return std::nullopt;
    return placed(mistake("modificador_em_variavel_local",
                   QStringLiteral("Na linha %1, a variável %2 é declarada dentro do método %3, e uma "
                                  "variável de dentro de um método não leva %4: tire o %4 e escreva "
                                  "só o tipo e o nome. Se %2 deve ser um atributo da classe, declare-a "
                                  "fora dos métodos.")
                       .arg(here.line)
                       .arg(name.text, method.name, here.text)),
                  here);
}

std::optional<FoundMistake> missingOpeningBrace(const MistakeContext &c)
{
    if (!c.isSyntaxError())
        return std::nullopt;
    const int line = c.line();
    // A method's header with no "{": javac takes it for a declaration
    // without body and wants its ";".
    const QList<int> onLine = c.tokens.onLine(line);
    const SourceToken below = c.tokens.get(onLine.isEmpty() ? -1 : onLine.last() + 1);
    // (javac's caret stands on the last character of the line's last token.)
    if (c.says("';' expected") && !onLine.isEmpty() && (c.before == onLine.last() || c.at == onLine.last())
        && c.tokens.at(onLine.last()).is(")") && !below.is("{") && !below.is(";")
        && isClassBody(c.tokens, c.braces.pairs.value(c.braces.around(onLine.first())).open)
        && (c.tokens.indentOf(below.line) > c.tokens.indentOf(line)
            || (below.is("}") && c.tokens.indentOf(below.line) == c.tokens.indentOf(line))
            || !c.braces.unmatched.isEmpty())) { // a body written flush, and its "}" left over
        const QString header = headerName(c.tokens, line);
        if (header.startsWith(QStringLiteral("do método")))
            return placed(mistake("falta_abre_chave",
                           QStringLiteral("Falta a { no fim da linha %1, depois do cabeçalho %2: o "
                                          "corpo de um método começa com { e termina com }.")
                               .arg(line)
                               .arg(header)),
                          c.tokens.at(onLine.last()));
    }
    // A "}" too many over the file, and the first "}" written right of the
    // block it closes: a header above it, at its indentation, lacks its "{".
    if (c.braces.unmatched.isEmpty())
        return std::nullopt;
    const int close = blocks::closesTooFarOut(c.tokens, c.braces, c.tokens.lineCount() + 1);
    const int end = close >= 0 ? close : c.braces.unmatched.first();
    int statements = 0;
    const int header = blocks::headerWithoutBrace(c.tokens, end, &statements);
    // javac names a try that has lost its catch at the try's own line.
    if (header <= 0 || (header > line && !c.saysStart("'try' without")))
        return std::nullopt;
    const int closeLine = c.tokens.at(end).line;
    const QString what = headerName(c.tokens, header);
    const QString text =
        statements > 1
            ? QStringLiteral("Falta a { no fim da linha %1 (%2): o bloco %3 começa ali e termina com a } "
                             "da linha %4. Sem a {, só a primeira instrução fica dentro dele, e a } "
                             "fecha outro bloco.")
            : QStringLiteral("Falta a { no fim da linha %1 (%2), que abre o bloco %3 fechado pela } da "
                             "linha %4 (ou, se o bloco %3 tem uma instrução só, sobra essa }).");
    return placed(mistake("falta_abre_chave", text.arg(QString::number(header), lineStart(c.tokens, header), what, QString::number(closeLine))),
                  c.tokens.at(c.tokens.onLine(header).last()));
}

std::optional<FoundMistake> semicolonAfterCondition(const MistakeContext &c)
{
    if (c.says("'else' without 'if'")) {
        // The statement before the else: a block, or one braceless statement.
        int previous = c.at - 1;
        int start = -1;
        if (c.tokens.get(previous).is("}")) {
            for (const Braces::Pair &pair : c.braces.pairs) {
                if (pair.close == previous)
                    start = pair.open;
            }
        } else if (c.tokens.get(previous).is(";")) {
            start = statementStart(c.tokens, previous);
        }
        if (start > 1 && c.tokens.at(start - 1).is(";") && c.tokens.at(start - 2).is(")")) {
            const int keyword = conditionKeyword(c.tokens, start - 2);
            if (keyword >= 0 && c.tokens.at(keyword).isKeyword("if"))
                return strayConditionSemicolon(c.tokens, keyword, QStringLiteral(" (por isso o else não "
                                                                                 "encontra o seu if)"));
        }
        return std::nullopt;
    }
    // while (...); { ... break; }: the block is no loop's.
    if (c.says("break outside switch or loop") || c.says("continue outside of loop")) {
        for (int pair = c.braces.around(c.at); pair >= 0; pair = c.braces.around(c.braces.pairs.at(pair).open)) {
            const int open = c.braces.pairs.at(pair).open;
            if (open > 1 && c.tokens.at(open - 1).is(";") && c.tokens.at(open - 2).is(")")) {
                const int keyword = conditionKeyword(c.tokens, open - 2);
                if (keyword >= 0 && !c.tokens.at(keyword).isKeyword("if"))
                    return strayConditionSemicolon(c.tokens, keyword,
                                                   QStringLiteral(" (por isso o %1 fica fora de um laço)")
                                                       .arg(c.tokens.get(c.at).text));
            }
        }
        return std::nullopt;
    }
    // if (...); { ... return; } stmt, or if (...); return x; stmt: what the
    // if should guard always runs, and what follows it never.
    if (c.says("unreachable statement") && c.at > 0) {
        int start = -1;
        // (javac may point into the statement: at a declaration's name.)
        const int previous = statementStart(c.tokens, qMin(c.at, c.tokens.size() - 1)) - 1;
        if (previous < 0)
            return std::nullopt;
        if (c.tokens.at(previous).is("}")) {
            for (const Braces::Pair &pair : c.braces.pairs) {
                if (pair.close == previous)
                    start = pair.open;
            }
        } else if (c.tokens.at(previous).is(";")) {
            start = statementStart(c.tokens, previous);
        }
        if (start > 1 && c.tokens.at(start - 1).is(";") && c.tokens.at(start - 2).is(")")) {
            const int keyword = conditionKeyword(c.tokens, start - 2);
            if (keyword >= 0)
                return strayConditionSemicolon(c.tokens, keyword,
                                               QStringLiteral(" (por isso o que vem logo depois sempre "
                                                              "roda, e o que vem depois disso nunca)"));
        }
        return std::nullopt;
    }
    // for (int i = 0; i < n; i++); { ... i ... }: the variable lives only in the for.
    if (c.unknownKind != QLatin1String("variable"))
        return std::nullopt;
    for (int i = 0; i + 3 < c.tokens.size() && i < c.at; ++i) {
        if (!c.tokens.at(i).isKeyword("for") || !c.tokens.at(i + 1).is("("))
            continue;
        const int close = c.tokens.closing(i + 1);
        const bool declares = c.tokens.at(i + 3).text == c.unknownName;
        if (close > 0 && close < c.at && declares && c.tokens.get(close + 1).is(";"))
            return strayConditionSemicolon(c.tokens, i, QStringLiteral(", onde a variável %1 não existe")
                                                            .arg(c.unknownName));
    }
    return std::nullopt;
}

std::optional<FoundMistake> closeMissingBeforeElse(const MistakeContext &c)
{
    static const QHash<QString, QString> openers = {
        {"'else' without 'if'", "else"}, {"'catch' without 'try'", "catch"},
        {"'finally' without 'try'", "finally"}, {"while expected", "while"},
        {"orphaned case", "case"}, {"orphaned default", "default"},
    };
    const QString word = openers.value(c.message.text);
    if (word.isEmpty() || c.at >= c.tokens.size())
        return std::nullopt;
    const int here = c.tokens.at(c.at).line;
    // A block closed by a "}" further left than its opening line lacks its
    // own "}"; else the else is written under the if whose block is open.
    int pair = -1;
    if (blocks::indentationIsReliable(c.tokens, c.braces))
        pair = blocks::missingItsClose(c.tokens, c.braces, here);
    if (pair < 0) {
        pair = c.braces.around(c.at);
        if (pair < 0)
            return std::nullopt;
        const int openLine = blocks::openingLine(c.tokens, c.braces.pairs.at(pair).open);
        if (c.tokens.indentOf(here) != c.tokens.indentOf(openLine) || openLine == here)
            return std::nullopt;
    }
    const int openLine = blocks::openingLine(c.tokens, c.braces.pairs.at(pair).open);
    return placed(mistake("falta_chave",
                   QStringLiteral("Falta a } que fecha o bloco aberto na linha %1 (%2), antes do %3 da "
                                  "linha %4: sem ela, o %3 fica dentro desse bloco.")
                       .arg(QString::number(openLine), lineStart(c.tokens, openLine), word,
                            QString::number(here))),
                  c.tokens.at(c.at));
}

std::optional<FoundMistake> unclosedBlock(const MistakeContext &c)
{
    const bool atEnd = c.says("reached end of file while parsing");
    if (!atEnd && !c.isSyntaxError())
        return std::nullopt;
    // A method declared inside another: the one before was never closed.
    const SourceToken here = c.tokens.get(c.at);
    static const QSet<QString> starts = {"public", "private", "protected", "static", "void"};
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    const int around = onLine.isEmpty() ? -1 : c.braces.around(onLine.first());
    const bool headerHere = around >= 0 && blocks::isMethodHeader(c.tokens, line)
                            && !isClassBody(c.tokens, c.braces.pairs.at(around).open);
    const bool methodInside = (c.says("illegal start of expression") && here.kind == tkKey
                               && starts.contains(here.text))
                              || headerHere;
    // More "{" than "}" over the file, and the message right after a "}"
    // that the indentation shows closing the wrong block.
    const bool deficit = !c.braces.openAtEnd.isEmpty();
    if (!atEnd && !methodInside && !deficit)
        return std::nullopt;
    // The block the indentation shows unclosed, when it can be trusted and
    // lies inside the innermost block still open where the message points.
    const int open = atEnd ? (c.braces.openAtEnd.isEmpty() ? -1 : c.braces.openAtEnd.last()) : c.braces.around(c.at);
    int pair = -1;
    if (blocks::indentationIsReliable(c.tokens, c.braces)) {
        pair = blocks::missingItsClose(c.tokens, c.braces, atEnd ? c.tokens.lineCount() : line);
        if (pair >= 0 && open >= 0 && c.braces.pairs.at(pair).open < c.braces.pairs.at(open).open)
            pair = -1;
        // Every block closed under its line: the last one still open lacks it.
        if (pair < 0 && atEnd)
            pair = open;
    }
    // Otherwise the method that is still open where the next one starts.
    if (pair < 0 && methodInside)
        pair = headerHere ? around : open;
    if (pair < 0)
        return std::nullopt;
    if (!atEnd && !methodInside) {
        const int closeLine = c.tokens.at(c.braces.pairs.at(pair).close).line;
        if (closeLine > line || closeLine < line - 2)
            return std::nullopt;
        const int openLine = blocks::openingLine(c.tokens, c.braces.pairs.at(pair).open);
        return mistake("falta_chave",
                       QStringLiteral("Falta uma } para fechar o bloco aberto na linha %1 (%2): a } da "
                                      "linha %3 fecha esse bloco no lugar do de fora, e o que vem depois "
                                      "ficou fora do lugar.")
                           .arg(QString::number(openLine), lineStart(c.tokens, openLine),
                                QString::number(closeLine)));
    }
    const int openLine = blocks::openingLine(c.tokens, c.braces.pairs.at(pair).open);
    // The mark goes on the "{" the explanation names, not on the file's end.
    if (atEnd)
        return placed(mistake("falta_chave",
                              QStringLiteral("Falta uma } para fechar o bloco aberto na linha %1 (%2). "
                                             "Cada { precisa da sua }: feche esse bloco onde ele termina.")
                                  .arg(openLine)
                                  .arg(lineStart(c.tokens, openLine))),
                      c.tokens.at(c.braces.pairs.at(pair).open));
    return mistake("falta_chave",
                   QStringLiteral("Falta uma } antes da linha %1: o bloco aberto na linha %2 (%3) "
                                  "não foi fechado, e o método da linha %1 ficou dentro dele.")
                       .arg(line)
                       .arg(openLine)
                       .arg(lineStart(c.tokens, openLine)));
}

std::optional<FoundMistake> extraClosingBrace(const MistakeContext &c)
{
    const bool afterClass = c.saysStart("class, interface");
    const bool outside = c.says("<identifier> expected") || c.says("illegal start of type");
    if (!afterClass && !outside)
        return std::nullopt;
    const int line = c.line();
    // A "}" written further right than the line that opened its block
    // belongs to an inner block: the one before it is too many. The first
    // such "}" in the text is the culprit.
    const int extra = blocks::indentationIsReliable(c.tokens, c.braces)
                          ? blocks::closesTooFarOut(c.tokens, c.braces, line)
                          : -1;
    if (extra >= 0)
        return mistake("sobra_chave",
                       QStringLiteral("Sobra uma } na linha %1: ela fecha um bloco antes da hora, e "
                                      "o código que vem depois ficou fora do lugar (a mensagem "
                                      "aponta a linha %2). Apague essa }.")
                           .arg(c.tokens.at(extra).line)
                           .arg(line));
    if (!afterClass)
        return std::nullopt;
    // Without indentation to go by: where the class ended too early.
    int classEnd = 0;
    for (const Braces::Pair &pair : c.braces.pairs) {
        if (pair.close >= 0 && c.tokens.at(pair.close).line < line
            && (classEnd == 0 || c.tokens.at(pair.open).line < c.tokens.at(classEnd).line))
            classEnd = pair.close;
    }
    if (classEnd == 0)
        return std::nullopt;
    return mistake("sobra_chave",
                   QStringLiteral("Sobra uma } antes da linha %1: a } da linha %2 fecha a classe "
                                  "cedo demais, e o código que vem depois ficou fora dela. Procure "
                                  "a } a mais entre o começo da classe e a linha %2 e apague-a.")
                       .arg(line)
                       .arg(c.tokens.at(classEnd).line));
}

} // namespace detectors

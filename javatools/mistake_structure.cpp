// The detectors of the mistake finder that look at the shape of the whole
// source: brackets that do not balance over the file, blocks closed too
// early or never, code outside any method, methods and their return types,
// and names that do not exist.
#include "javatools/mistake_detectors.h"

#include <QRegularExpression>
#include <QSet>

namespace {

// The start of a line as a student recognises it, shortened.
QString lineStart(const SourceTokens &tokens, int line)
{
    QString text = tokens.lineText(line).trimmed();
    if (text.size() > 40)
        text = text.left(37) + QStringLiteral("...");
    return text;
}

// How the braces of the source pair up.
struct Braces
{
    struct Pair
    {
        int open = -1;  // token index of "{"
        int close = -1; // of its "}", -1 when it never closes
    };
    QList<Pair> pairs;     // in the order of the "{"
    QList<int> unmatched;  // "}" tokens with nothing to close
    QList<int> openAtEnd;  // pairs (indexes) still open at the end, outermost first
};

Braces bracesOf(const SourceTokens &tokens)
{
    Braces braces;
    QList<int> stack;
    for (int i = 0; i < tokens.size(); ++i) {
        const SourceToken &t = tokens.at(i);
        if (t.is("{")) {
            stack.append(int(braces.pairs.size()));
            braces.pairs.append({i, -1});
        } else if (t.is("}")) {
            if (stack.isEmpty())
                braces.unmatched.append(i);
            else
                braces.pairs[stack.takeLast()].close = i;
        }
    }
    braces.openAtEnd = stack;
    return braces;
}

// The innermost block that a "}" of the given line closes although it is
// written further left than the line that opened it: that block most likely
// lacks its own "}". -1 when the indentation tells nothing.
int blockMissingItsClose(const SourceTokens &tokens, const Braces &braces, int beforeLine)
{
    int found = -1;
    for (int p = 0; p < braces.pairs.size(); ++p) {
        const Braces::Pair &pair = braces.pairs.at(p);
        if (pair.close < 0)
            continue;
        const int openLine = tokens.at(pair.open).line;
        const int closeLine = tokens.at(pair.close).line;
        if (closeLine > beforeLine || openLine == closeLine)
            continue;
        if (tokens.indentOf(closeLine) < tokens.indentOf(openLine)
            && (found < 0 || openLine > tokens.at(braces.pairs.at(found).open).line))
            found = p;
    }
    return found;
}

// The method whose body holds token `index`: its name, declared type and
// header line; empty when it is in no method.
struct MethodHeader
{
    QString name;
    QString type;
    int line = 0;
};

MethodHeader enclosingMethod(const SourceTokens &tokens, int index)
{
    const Braces braces = bracesOf(tokens);
    MethodHeader header;
    for (const Braces::Pair &pair : braces.pairs) {
        const bool contains = pair.open < index && (pair.close < 0 || pair.close > index);
        if (!contains || !tokens.get(pair.open - 1).is(")"))
            continue;
        // Back over the parameters to the name and the type before it.
        int depth = 0;
        int j = pair.open - 1;
        for (; j >= 0; --j) {
            depth += tokens.at(j).is(")") ? 1 : tokens.at(j).is("(") ? -1 : 0;
            if (depth == 0)
                break;
        }
        const SourceToken name = tokens.get(j - 1);
        const SourceToken type = tokens.get(j - 2);
        if (name.isName() && (type.isName() || type.kind == tkKey) && !type.isKeyword("new")) {
            header = {name.text, type.text, name.line};
        }
    }
    return header;
}

} // namespace

namespace detectors {

std::optional<FoundMistake> methodHeader(const MistakeContext &c)
{
    // A method body between ( ) where { } belong.
    const int line = c.line();
    for (const int l : {line, line - 1}) {
        const QList<int> onLine = c.tokens.onLine(l);
        for (const int i : onLine) {
            const SourceToken &t = c.tokens.at(i);
            if (!t.is(")") || !c.tokens.get(i + 1).is("("))
                continue;
            const SourceToken last = c.tokens.get(onLine.last());
            if (onLine.last() != i + 1 || !last.is("("))
                continue;
            return mistake("corpo_entre_parenteses",
                           QStringLiteral("Na linha %1, o corpo do método começa com { e termina "
                                          "com }, não com parênteses: troque o ( do fim da linha "
                                          "por { e o ) que fecha o corpo por }.")
                               .arg(l));
        }
    }
    return std::nullopt;
}

std::optional<FoundMistake> parenthesesOnLine(const MistakeContext &c)
{
    // Inside a text or a character that never closes, brackets are letters.
    if (!MistakeFinder::isSyntaxError(c.message) || c.saysStart("unclosed")
        || c.saysStart("illegal character") || c.saysStart("illegal escape")
        || c.saysStart("empty character"))
        return std::nullopt;
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    if (onLine.isEmpty())
        return std::nullopt;
    // A statement that goes on over the next line balances there.
    const SourceToken &last = c.tokens.at(onLine.last());
    const SourceToken next = c.tokens.get(onLine.last() + 1);
    if (last.is("(") || last.is(",") || last.is("+") || next.is(")") || next.is(".")
        || next.is("+"))
        return std::nullopt;
    for (const auto &[open, close, name] :
         {std::tuple{"(", ")", "parêntese"}, std::tuple{"[", "]", "colchete"}}) {
        int depth = 0;
        int opens = 0;
        int closes = 0;
        bool extra = false;
        for (const int i : onLine) {
            const SourceToken &t = c.tokens.at(i);
            opens += t.is(open) ? 1 : 0;
            closes += t.is(close) ? 1 : 0;
            depth += t.is(open) ? 1 : t.is(close) ? -1 : 0;
            extra = extra || depth < 0;
        }
        // A closer too many where javac wants an opener: the opener is what
        // is missing (while x > 0), and the message says so already.
        const bool openerWanted = c.message.text.endsWith(QLatin1String(" expected"))
                                  && c.message.text.contains(QStringLiteral("'%1'").arg(QLatin1String(open)));
        if ((extra || closes > opens) && openerWanted)
            return std::nullopt;
        if (extra || closes > opens)
            return mistake("sobra_fechamento",
                           QStringLiteral("Na linha %1 sobra um %2: há %3 %4 e %5 %2. Apague o %2 "
                                          "que está a mais.")
                               .arg(line)
                               .arg(QString::fromLatin1(close))
                               .arg(opens)
                               .arg(QString::fromLatin1(open))
                               .arg(closes));
        if (opens > closes)
            return mistake("falta_fechamento",
                           QStringLiteral("Na linha %1 falta fechar um %2: há %3 %4 e só %5 %6. "
                                          "Cada %4 precisa do seu %6.")
                               .arg(line)
                               .arg(QString::fromUtf8(name))
                               .arg(opens)
                               .arg(QString::fromLatin1(open))
                               .arg(closes)
                               .arg(QString::fromLatin1(close)));
    }
    return std::nullopt;
}

std::optional<FoundMistake> unclosedBlock(const MistakeContext &c)
{
    const bool atEnd = c.says("reached end of file while parsing");
    // A method declared inside another: the one before was never closed.
    const SourceToken here = c.tokens.get(c.at);
    static const QSet<QString> starts = {"public", "private", "protected", "static", "void"};
    const bool methodInside = c.says("illegal start of expression") && here.kind == tkKey
                              && starts.contains(here.text);
    if (!atEnd && !methodInside)
        return std::nullopt;
    const Braces braces = bracesOf(c.tokens);
    const int line = c.line();
    int pair = blockMissingItsClose(c.tokens, braces, atEnd ? c.tokens.lineCount() : line);
    if (pair < 0 && atEnd && !braces.openAtEnd.isEmpty())
        pair = braces.openAtEnd.last();
    if (pair < 0 && methodInside) {
        // The innermost block still open where the new method starts.
        for (int p = 0; p < braces.pairs.size(); ++p) {
            const Braces::Pair &each = braces.pairs.at(p);
            if (each.open < c.at && (each.close < 0 || each.close > c.at))
                pair = p;
        }
    }
    if (pair < 0)
        return std::nullopt;
    const int openLine = c.tokens.at(braces.pairs.at(pair).open).line;
    if (atEnd)
        return mistake("falta_chave",
                       QStringLiteral("Falta uma } para fechar o bloco aberto na linha %1 (%2). "
                                      "Cada { precisa da sua }: feche esse bloco onde ele termina.")
                           .arg(openLine)
                           .arg(lineStart(c.tokens, openLine)));
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
    const Braces braces = bracesOf(c.tokens);
    const int line = c.line();
    // A "}" written further right than the line that opened its block
    // belongs to an inner block: the one before it is too many. The first
    // such "}" in the text is the culprit.
    int extraLine = 0;
    for (const Braces::Pair &pair : braces.pairs) {
        if (pair.close < 0 || c.tokens.at(pair.close).line >= line)
            continue;
        const int openLine = c.tokens.at(pair.open).line;
        const int closeLine = c.tokens.at(pair.close).line;
        if (closeLine != openLine && c.tokens.indentOf(closeLine) > c.tokens.indentOf(openLine)
            && (extraLine == 0 || closeLine < extraLine))
            extraLine = closeLine;
    }
    if (extraLine > 0)
        return mistake("sobra_chave",
                       QStringLiteral("Sobra uma } na linha %1: ela fecha um bloco antes da hora, e "
                                      "o código que vem depois ficou fora do lugar (a mensagem "
                                      "aponta a linha %2). Apague essa }.")
                           .arg(extraLine)
                           .arg(line));
    if (!afterClass)
        return std::nullopt;
    // Without indentation to go by: where the class ended too early.
    int classEnd = 0;
    for (const Braces::Pair &pair : braces.pairs) {
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

std::optional<FoundMistake> unfinishedLineAbove(const MistakeContext &c)
{
    if (!MistakeFinder::isSyntaxError(c.message) || c.before < 0 || c.at >= c.tokens.size())
        return std::nullopt;
    const SourceToken &last = c.tokens.at(c.before);
    const SourceToken &first = c.tokens.at(c.at);
    static const QSet<QString> operators = {"+", "-", "*", "/", "%", "=", "&&", "||", "(", ".",
                                            "==", "<", ">", "<=", ">=", "!="};
    if (last.line >= first.line || !operators.contains(last.text))
        return std::nullopt;
    return mistake("linha_incompleta",
                   QStringLiteral("A instrução da linha %1 ficou incompleta: ela termina com %2 e "
                                  "falta o resto. Complete-a (ou apague o %2) e termine-a com ;.")
                       .arg(last.line)
                       .arg(last.text));
}

std::optional<FoundMistake> codeOutsideMethod(const MistakeContext &c)
{
    if (!c.says("<identifier> expected") && !c.says("illegal start of type")
        && !c.saysStart("class, interface"))
        return std::nullopt;
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    if (onLine.isEmpty())
        return std::nullopt;
    const SourceToken &first = c.tokens.at(onLine.first());
    static const QSet<QString> statements = {"if", "for", "while", "do", "switch", "return"};
    const SourceToken second = c.tokens.get(onLine.first() + 1);
    const bool statement = (first.kind == tkKey && statements.contains(first.text))
                           || (first.isName()
                               && (second.is(".") || second.is("=") || second.is("++")
                                   || second.is("--") || second.is("(")));
    if (!statement || !enclosingMethod(c.tokens, onLine.first()).name.isEmpty())
        return std::nullopt;
    return mistake("fora_do_metodo",
                   QStringLiteral("A instrução da linha %1 está fora de qualquer método, solta na "
                                  "classe: instruções só podem ficar dentro de um método. Ponha-a "
                                  "dentro do main (ou de outro método), entre as chaves dele.")
                       .arg(line));
}

std::optional<FoundMistake> voidAsValue(const MistakeContext &c)
{
    if (!c.says("'void' type not allowed here"))
        return std::nullopt;
    // The call the caret points into: the last name before a "(" up to it.
    QString method;
    for (int i = c.at; i >= 0 && i < c.tokens.size(); --i) {
        const SourceToken &t = c.tokens.at(i);
        if (t.line != c.line())
            break;
        if (t.isName() && c.tokens.get(i + 1).is("(")) {
            method = t.text;
            if (i <= c.at)
                break;
        }
    }
    if (method.isEmpty())
        return std::nullopt;
    // A call that starts its line, after a line that ended on an operator:
    // the line above was left unfinished and took this one in.
    const QList<int> onLine = c.tokens.onLine(c.line());
    const SourceToken above = c.tokens.get(onLine.value(0) - 1);
    static const QSet<QString> operators = {"+", "-", "*", "/", "=", "&&", "||"};
    if (!onLine.isEmpty() && above.line < c.line() && operators.contains(above.text))
        return mistake("linha_incompleta",
                       QStringLiteral("A instrução da linha %1 ficou incompleta: ela termina com %2 "
                                      "e falta o resto, e por isso o Java juntou a linha %3 a ela. "
                                      "Complete-a (ou apague o %2) e termine-a com ;.")
                           .arg(above.line)
                           .arg(above.text)
                           .arg(c.line()));
    return mistake("void_como_valor",
                   QStringLiteral("Na linha %1, o método %2 é void: ele não devolve valor nenhum. "
                                  "Chame-o numa instrução sozinho, %2(...);, em vez de usá-lo "
                                  "dentro de println, de uma conta ou de uma atribuição.")
                       .arg(c.line())
                       .arg(method));
}

std::optional<FoundMistake> wrongReturn(const MistakeContext &c)
{
    const MethodHeader method = enclosingMethod(c.tokens, qBound(0, c.at, c.tokens.size() - 1));
    if (method.name.isEmpty())
        return std::nullopt;
    const int line = c.line();
    if (c.says("incompatible types: unexpected return value"))
        return mistake("retorno_em_metodo_void",
                       QStringLiteral("O método %1 (linha %2) é void, por isso o return da linha %3 "
                                      "não pode devolver valor: escreva só return; ou troque void "
                                      "pelo tipo do valor que ele deve devolver.")
                           .arg(method.name)
                           .arg(method.line)
                           .arg(line));
    static const QRegularExpression converted(QStringLiteral(
        "^incompatible types: (?:possible lossy conversion from (\\S+) to \\S+|(.+) cannot be "
        "converted to .+)$"));
    const QRegularExpressionMatch match = converted.match(c.message.text);
    const QList<int> onLine = c.tokens.onLine(line);
    if (!match.hasMatch() || onLine.isEmpty() || !c.tokens.at(onLine.first()).isKeyword("return"))
        return std::nullopt;
    const QString found = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    return mistake("retorno_de_outro_tipo",
                   QStringLiteral("O método %1 (linha %2) foi declarado %3, mas o return da linha "
                                  "%4 devolve %5: devolva um %3, ou mude o tipo do método para %5.")
                       .arg(method.name)
                       .arg(method.line)
                       .arg(method.type)
                       .arg(line)
                       .arg(found));
}

std::optional<FoundMistake> misspeltName(const MistakeContext &c)
{
    if (c.unknownName.isEmpty())
        return std::nullopt;
    const QString closest = c.closestName(c.unknownName);
    if (closest.isEmpty() || closest == c.unknownName)
        return std::nullopt;
    FoundMistake found = mistake("nome_parecido",
                                 QStringLiteral("Na linha %1, %2 não existe: você quis dizer %3? "
                                                "Troque %2 por %3 (confira as letras e as "
                                                "maiúsculas).")
                                     .arg(c.line())
                                     .arg(c.unknownName, closest));
    for (const int i : c.tokens.onLine(c.line())) {
        if (c.tokens.at(i).text == c.unknownName)
            return placed(found, c.tokens.at(i));
    }
    return found;
}

} // namespace detectors

// The detectors of the mistake finder that look at the shape of the whole
// source: brackets that do not balance over the file, blocks closed too
// early or never, code outside any method, methods and their return types,
// and names that do not exist.
#include "javatools/mistake_detectors.h"
#include "javatools/source_blocks.h"

#include <QRegularExpression>
#include <QSet>

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
    if (!c.isSyntaxError() || c.saysStart("unclosed")
        || c.saysStart("illegal character") || c.saysStart("illegal escape")
        || c.saysStart("empty character"))
        return std::nullopt;
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    // }); ends a listener or a lambda whose "(" opened lines above.
    if (onLine.isEmpty() || c.tokens.at(onLine.first()).is("}"))
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

std::optional<FoundMistake> unfinishedLineAbove(const MistakeContext &c)
{
    // A text, a character or a comment left open is what the message says.
    if (!c.isSyntaxError() || c.before < 0 || c.at >= c.tokens.size() || c.saysStart("unclosed"))
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
    if (!statement || !enclosingMethod(c.tokens, c.braces, onLine.first()).name.isEmpty())
        return std::nullopt;
    // With a "}" too many in the file, the statement was most likely written
    // inside its method, and a brace above it ends the method early.
    if (!c.braces.unmatched.isEmpty())
        return mistake("chaves_desencontradas",
                       QStringLiteral("A instrução da linha %1 ficou fora do método: uma } antes dela "
                                      "fecha o método cedo demais. Ou sobra uma }, ou falta a { de um "
                                      "bloco acima dela (um if, for ou while com várias instruções). "
                                      "Confira as chaves do método até a linha %1.")
                           .arg(line));
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
    const MethodHeader method = enclosingMethod(c.tokens, c.braces, qBound(0, c.at, c.tokens.size() - 1));
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

} // namespace detectors

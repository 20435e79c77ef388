// The detectors of the mistake finder that look at one line: words, numbers,
// operators and punctuation where the student meant something else.
#include "javatools/mistake_detectors.h"

#include "common/java_words.h"
#include "javatools/jdk_names.h"
#include "javatools/source_blocks.h"

#include <QRegularExpression>
#include <QSet>

namespace {

bool isKeyword(const QString &word)
{
    for (const char *keyword : kJavaKeywords) {
        if (word == QLatin1String(keyword))
            return true;
    }
    return false;
}

// Capitalised names that are real classes although their lower case is a
// keyword (Double x is fine).
bool isWrapperClass(const QString &word)
{
    static const QSet<QString> wrappers = {"Boolean", "Byte", "Short", "Long", "Float", "Double"};
    return wrappers.contains(word);
}

bool isTypeKeyword(const SourceToken &t)
{
    static const QSet<QString> types = {"int", "double", "float", "long", "short", "byte",
                                        "char", "boolean"};
    return t.kind == tkKey && types.contains(t.text);
}

bool startsUpper(const QString &text)
{
    return !text.isEmpty() && text.at(0).isUpper();
}

// What a token looks like in a message: a text literal as it is, a word bare.
QString shown(const SourceToken &t)
{
    return t.text;
}

// A text whose closing quote the line lacks.
bool isUnclosedText(const SourceToken &t)
{
    if (!t.isString() || !t.text.startsWith(QLatin1Char('"')))
        return false;
    if (t.text.size() < 2 || !t.text.endsWith(QLatin1Char('"')))
        return true;
    // An escaped quote at the end: "abc\"
    int backslashes = 0;
    for (qsizetype i = t.text.size() - 2; i > 0 && t.text.at(i) == QLatin1Char('\\'); --i)
        ++backslashes;
    return backslashes % 2 == 1;
}

// A text as a message quotes it, shortened.
QString shortened(const QString &text)
{
    return text.size() > 30 ? text.left(27) + QStringLiteral("...") : text;
}

FoundMistake commaAtTheEnd(int line)
{
    return mistake("virgula_no_fim", QStringLiteral("A instrução da linha %1 termina com vírgula: troque a "
                                                    "vírgula do fim da linha por ponto e vírgula (;).")
                                         .arg(line));
}

// How many parentheses are open on `token`'s line before it.
int parenthesesOpenBefore(const SourceTokens &tokens, const SourceToken &token)
{
    int depth = 0;
    for (const int i : tokens.onLine(token.line)) {
        const SourceToken &t = tokens.at(i);
        if (t.column >= token.column)
            break;
        depth += t.is("(") ? 1 : t.is(")") ? -1 : 0;
    }
    return depth;
}

} // namespace

QString lineStart(const SourceTokens &tokens, int line)
{
    QString text = tokens.lineText(line).trimmed();
    if (text.size() > 40)
        text = text.left(37) + QStringLiteral("...");
    return text;
}

int statementFirstLine(const SourceTokens &tokens, int line)
{
    int first = line;
    for (int back = 0; back < 12 && first > 1; ++back) {
        const QList<int> above = tokens.onLine(first - 1);
        if (above.isEmpty())
            break;
        const SourceToken &last = tokens.at(above.last());
        if (last.is(";") || last.is("{") || last.is("}") || last.is(":"))
            break;
        --first;
    }
    return first;
}

namespace detectors {

std::optional<FoundMistake> missingQuote(const MistakeContext &c)
{
    if (!c.isSyntaxError() || c.saysStart("unclosed character") || c.saysStart("illegal escape"))
        return std::nullopt;
    const int line = c.line();
    if (c.tokens.lineText(line).contains(QLatin1String("\"\"\"")))
        return std::nullopt; // a text block is another story
    const QList<int> onLine = c.tokens.onLine(line);
    const auto unclosed = std::find_if(onLine.begin(), onLine.end(), [&c](int i) {
        return isUnclosedText(c.tokens.at(i));
    });
    if (unclosed == onLine.end())
        return std::nullopt;
    // The text that swallowed code: a quote is missing where it should end.
    static const QRegularExpression code(QStringLiteral(
        "\\s\\+\\s*[\\w(]|[\\w)]\\s*\\+\\s|\\.\\w+\\(|\\|\\||&&|\\);"));
    // (Only a text closed by a later quote: the one left open at the end of
    // the line holds the rest of the line, code or not.)
    for (const int i : onLine) {
        const SourceToken &t = c.tokens.at(i);
        if (!t.isString() || !t.text.startsWith('"') || isUnclosedText(t))
            continue;
        const QString inside = t.text.mid(1, t.text.size() - 2);
        const QRegularExpressionMatch m = code.match(inside);
        if (!m.hasMatch())
            continue;
        return placed(mistake("aspas_faltando",
                       QStringLiteral("Na linha %1 falta uma aspa (\"): o texto %2 vai até a aspa "
                                      "seguinte e engole o código que vem depois dele (%3). Feche o "
                                      "texto com \" onde ele termina; cada texto começa e termina com "
                                      "aspas.")
                           .arg(line)
                           .arg(shortened(t.text), inside.mid(m.capturedStart()).trimmed().left(20))),
                      t);
    }
    // A text that only ends too early is what the message itself says.
    if (c.saysStart("unclosed string"))
        return std::nullopt;
    const SourceToken &t = c.tokens.at(*unclosed);
    return placed(mistake("aspas_faltando",
                   QStringLiteral("Na linha %1 as aspas não fecham: o texto que começa na coluna %2 "
                                  "não termina na linha. Ponha a aspa (\") que falta no fim do texto; "
                                  "cada texto começa e termina com aspas, na mesma linha.")
                       .arg(line)
                       .arg(t.column)),
                  t);
}

std::optional<FoundMistake> capitalKeyword(const MistakeContext &c)
{
    const int line = c.line();
    QList<int> lines{line};
    // A message at the start of a line may be about the end of the one above.
    if (c.at >= 0 && c.at < c.tokens.size() && c.tokens.onLine(line).value(0) == c.at)
        lines << line - 1;
    // Void main returns a Void: the method's end misses its return.
    if (c.says("missing return statement")) {
        const MethodHeader method = enclosingMethod(c.tokens, c.braces, qMax(c.before, 0));
        if (method.line > 0)
            lines << method.line;
    }
    for (const int l : lines) {
        for (const int i : c.tokens.onLine(l)) {
            const SourceToken &t = c.tokens.at(i);
            const QString lower = t.text.toLower();
            if (!t.isName() || lower == t.text || !isKeyword(lower) || isWrapperClass(t.text))
                continue;
            // A real class (Class.forName, a class named Default), or one word
            // of a name written with spaces (nome Do Aluno), is no keyword.
            const SourceToken previous = c.tokens.get(i - 1);
            const SourceToken next = c.tokens.get(i + 1);
            if (c.declared.classes.contains(t.text) || c.declared.declaresVariable(t.text)
                || next.is(".") || next.is("<") || (previous.isName() && previous.line == t.line)
                || previous.is("."))
                continue;
            return placed(mistake("maiuscula_em_palavra_reservada",
                           QStringLiteral("Na linha %1, escreva %2 em vez de %3: as palavras do Java "
                                          "(if, else, while, public, static, void, int...) são todas "
                                          "minúsculas, e para o Java %3 e %2 são palavras diferentes.")
                               .arg(l)
                               .arg(lower, t.text)),
                          t);
        }
    }
    return std::nullopt;
}

std::optional<FoundMistake> badNumber(const MistakeContext &c)
{
    static const QRegularExpression valid(QStringLiteral(
        "^(0[xX][0-9a-fA-F_]+[lL]?|0[bB][01_]+[lL]?|(\\d[\\d_]*)?\\.?\\d[\\d_]*([eE][+-]?\\d+)?[fFdDlL]?|"
        "\\d[\\d_]*\\.([eE][+-]?\\d+)?[fFdD]?)$"));
    static const QRegularExpression times(QStringLiteral("^(\\d+)[xX](\\w+)$"));
    static const QRegularExpression digitsThenName(QStringLiteral("^(\\d+)([A-Za-z_]\\w*)$"));
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    for (const int i : onLine) {
        const SourceToken &t = c.tokens.at(i);
        if (!t.isNumber())
            continue;
        QString text = t.text;
        // A name right after the number belongs to it: 5g is one mistake.
        const SourceToken next = c.tokens.get(i + 1);
        if (next.isName() && next.line == t.line && next.column == t.endColumn())
            text += next.text;
        else if (valid.match(text).hasMatch())
            continue;
        const SourceToken last = text.size() > t.text.size() ? next : t;
        if (const QRegularExpressionMatch m = times.match(text); m.hasMatch())
            return placed(mistake("x_como_vezes",
                           QStringLiteral("Na linha %1, %2 não é uma conta: no Java a multiplicação "
                                          "se escreve com *, não com x. Escreva %3 * %4.")
                               .arg(line)
                               .arg(text, m.captured(1), m.captured(2))),
                          t, last);
        if (const QRegularExpressionMatch m = digitsThenName.match(text); m.hasMatch())
            return placed(mistake("numero_colado_no_nome",
                           QStringLiteral("Na linha %1, %2 não é um número nem um nome: um nome não "
                                          "pode começar com algarismo, e entre um número e um nome "
                                          "falta um operador, como em %3 * %4.")
                               .arg(line)
                               .arg(text, m.captured(1), m.captured(2))),
                          t, last);
    }
    return std::nullopt;
}

std::optional<FoundMistake> methodAssigned(const MistakeContext &c)
{
    static const QSet<QString> methods = {"println", "print", "printf", "format",
                                          "showMessageDialog", "setText", "add", "drawString"};
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    for (const int i : onLine) {
        const SourceToken &name = c.tokens.at(i);
        if (!name.isName() || !methods.contains(name.text) || !c.tokens.get(i + 1).is("=")
            || !c.tokens.get(i - 1).is("."))
            continue;
        // The receiver as written: System.out.
        QString receiver;
        for (int j = i - 1; j >= 0 && c.tokens.at(j).line == line
                            && (c.tokens.at(j).is(".") || c.tokens.at(j).isName());
             --j)
            receiver.prepend(c.tokens.at(j).text);
        return placed(mistake("igual_depois_do_metodo",
                       QStringLiteral("Na linha %1, %2 é um método, não uma variável: para chamá-lo "
                                      "não se usa =. Tire o sinal de igual e ponha os parênteses logo "
                                      "depois do nome: %3%2(...);")
                           .arg(line)
                           .arg(name.text, receiver)),
                      name, c.tokens.at(i + 1));
    }
    return std::nullopt;
}

std::optional<FoundMistake> commasInFor(const MistakeContext &c)
{
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    for (const int i : onLine) {
        if (!c.tokens.at(i).isKeyword("for") || !c.tokens.get(i + 1).is("("))
            continue;
        int depth = 0;
        int commas = 0;
        int semicolons = 0;
        for (int j = i + 1; j < c.tokens.size(); ++j) {
            const SourceToken &t = c.tokens.at(j);
            depth += t.is("(") ? 1 : t.is(")") ? -1 : 0;
            if (depth == 0)
                break;
            commas += depth == 1 && t.is(",") ? 1 : 0;
            semicolons += t.is(";") ? 1 : 0;
        }
        if (commas >= 1 && semicolons == 0)
            return mistake("virgula_no_for",
                           QStringLiteral("No for da linha %1, as três partes se separam com ponto e "
                                          "vírgula (;), não com vírgula: for (int i = 0; i < 10; i++).")
                               .arg(line));
    }
    return std::nullopt;
}

std::optional<FoundMistake> commaForDot(const MistakeContext &c)
{
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    int depth = 0;
    for (const int i : onLine) {
        const SourceToken &t = c.tokens.at(i);
        depth += t.is("(") ? 1 : t.is(")") ? -1 : 0;
        if (!t.is(",") || depth != 0)
            continue;
        const SourceToken left = c.tokens.get(i - 1);
        const SourceToken right = c.tokens.get(i + 1);
        if (left.isName() && right.isName() && right.line == line
            && (c.tokens.get(i + 2).is("(") || c.tokens.get(i + 2).is(".")))
            return placed(mistake("virgula_no_lugar_do_ponto",
                           QStringLiteral("Na linha %1 há uma vírgula onde vai um ponto: escreva "
                                          "%2.%3, com ponto entre os nomes.")
                               .arg(line)
                               .arg(left.text, right.text)),
                          t);
        // (An enum constant's body or an initializer's row ends in "},".)
        if (right.line != line && !left.is("}") && (right.isName() || right.kind == tkKey || right.is("}")))
            return placed(commaAtTheEnd(line), t);
    }
    // A declaration that ends with a comma reads on into the next statement,
    // and javac stops there, at the dot of System.out.println.
    const SourceToken above = c.tokens.get(onLine.isEmpty() ? -1 : onLine.first() - 1);
    if (c.says("';' expected") && above.is(",") && above.line < line && parenthesesOpenBefore(c.tokens, above) == 0)
        return placed(commaAtTheEnd(above.line), above);
    return std::nullopt;
}

std::optional<FoundMistake> missingPlus(const MistakeContext &c)
{
    const SourceToken a = c.tokens.get(c.before);
    const SourceToken b = c.tokens.get(c.at);
    // Only the parser's complaints come from two values side by side.
    const bool expected = c.message.text.endsWith(QLatin1String(" expected")) || c.says("not a statement");
    if (!expected || c.before < 0 || c.at >= c.tokens.size() || c.before == c.at || a.line != b.line)
        return std::nullopt;
    const bool textThenValue = a.isString() && (b.isString() || b.isName() || b.isNumber() || b.is("("));
    const bool valueThenText = (a.isName() || a.isNumber() || a.is(")")) && b.isString();
    if (!textThenValue && !valueThenText)
        return std::nullopt;
    // Outside parentheses, a name that starts a statement (System.out...,
    // x = ...) means the statement before it lacks its ";".
    const SourceToken afterB = c.tokens.get(c.at + 1);
    const bool startsStatement = b.isName() && (afterB.is(".") || afterB.is("=") || afterB.is("++")
                                                || afterB.is("--") || afterB.isName()
                                                || (startsUpper(b.text) && afterB.is("[")));
    if (startsStatement && parenthesesOpenBefore(c.tokens, b) == 0)
        return std::nullopt;
    return placed(mistake("falta_mais",
                   QStringLiteral("Na linha %1, falta um + entre %2 e %3: para juntar um texto com "
                                  "outro texto ou com um valor, ponha + entre eles, como em "
                                  "\"Total: \" + total.")
                       .arg(b.line)
                       .arg(shown(a), shown(b))),
                  a, b);
}

std::optional<FoundMistake> classHeader(const MistakeContext &c)
{
    const int line = c.line();
    for (const int l : {line, line - 1}) {
        const QList<int> onLine = c.tokens.onLine(l);
        for (const int i : onLine) {
            if (!c.tokens.at(i).isKeyword("class") || !c.tokens.get(i + 1).isName())
                continue;
            const QString name = c.tokens.at(i + 1).text;
            const SourceToken next = c.tokens.get(i + 2);
            if (next.is("("))
                return mistake("parenteses_na_classe",
                               QStringLiteral("Na linha %1, depois do nome da classe não vão "
                                              "parênteses: escreva class %2 {, sem os ( ).")
                                   .arg(l)
                                   .arg(name));
            if (next.is(";"))
                return mistake("ponto_e_virgula_no_cabecalho",
                               QStringLiteral("Na linha %1, tire o ; depois de class %2: o cabeçalho "
                                              "da classe não termina com ;, o corpo dela vem logo "
                                              "depois, entre { }.")
                                   .arg(l)
                                   .arg(name));
            if (next.isKeyword("throws"))
                return mistake("throws_na_classe",
                               QStringLiteral("Na linha %1, uma classe não tem throws: só os métodos "
                                              "declaram exceções. Tire o throws do cabeçalho da "
                                              "classe %2 e ponha-o no método que lança a exceção.")
                                   .arg(l)
                                   .arg(name));
        }
    }
    return std::nullopt;
}

std::optional<FoundMistake> declarationWithoutName(const MistakeContext &c)
{
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    if (onLine.size() < 2)
        return std::nullopt;
    const SourceToken &type = c.tokens.at(onLine.at(0));
    const SourceToken &next = c.tokens.at(onLine.at(1));
    // `String = ...` reads as an assignment to a variable named String, and
    // javac says so only when it does not know that name; a known name there
    // (a constant, say) is another mistake.
    const bool typeName = type.isName() && c.unknownName == type.text
                          && (JdkNames::standard().isClass(type.text) || c.declared.classes.contains(type.text));
    if (!next.is("=") || !(isTypeKeyword(type) || typeName))
        return std::nullopt;
    return mistake("declaracao_sem_nome",
                   QStringLiteral("Na linha %1 falta o nome da variável entre %2 e =: escreva, por "
                                  "exemplo, %2 nome = ...; (o tipo, depois o nome, depois o valor).")
                       .arg(line)
                       .arg(type.text));
}

std::optional<FoundMistake> voidVariable(const MistakeContext &c)
{
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    for (const int i : onLine) {
        const SourceToken &t = c.tokens.at(i);
        const SourceToken name = c.tokens.get(i + 1);
        const SourceToken after = c.tokens.get(i + 2);
        const bool declares = name.isName() && (after.is("=") || after.is(";") || after.is(","));
        if (t.isKeyword("void") && declares)
            return placed(mistake("void_como_tipo",
                           QStringLiteral("Na linha %1, void não é tipo de variável: ele só diz que "
                                          "um método não devolve nada. Para a variável %2 use um "
                                          "tipo como int, double ou String.")
                               .arg(line)
                               .arg(name.text)),
                          t);
        if (t.isKeyword("class") && declares)
            return placed(mistake("class_como_tipo",
                           QStringLiteral("Na linha %1, class não é tipo de variável: é a palavra que "
                                          "declara uma classe. Para a variável %2 use um tipo como "
                                          "int, double ou String.")
                               .arg(line)
                               .arg(name.text)),
                          t);
    }
    return std::nullopt;
}

std::optional<FoundMistake> spaceInName(const MistakeContext &c)
{
    if (!c.isSyntaxError())
        return std::nullopt;
    const int line = c.line();
    const QList<int> onLine = c.tokens.onLine(line);
    for (const int i : onLine) {
        const SourceToken &a = c.tokens.at(i);
        const SourceToken b = c.tokens.get(i + 1);
        if (!a.isName() || !b.isName() || b.line != line || b.column <= a.endColumn())
            continue;
        const QString joined = a.text + b.text;
        const bool known = c.finder.isKnownName(joined);
        // Either the message points between the two, or together they make
        // a name the program knows (mai n, print ln).
        if (!known && !(i == c.before && i + 1 == c.at))
            continue;
        if (!known && startsUpper(a.text) && !startsUpper(b.text))
            continue; // String nome: a type and a name, as it should be
        // An unknown pair is a name with a space only where a name is
        // declared: int minha Idade = ..., class Meu Programa {, void calcular Media(.
        const SourceToken before = c.tokens.get(i - 1);
        int next = i + 2;
        while (c.tokens.get(next).isName() && c.tokens.get(next).line == line)
            ++next; // quantidade em estoque
        const SourceToken after = c.tokens.get(next);
        const bool declared = (before.kind == tkKey || before.isName() || before.is("]") || before.is(">"))
                              && before.line == line
                              && (after.is("=") || after.is(";") || after.is(",") || after.is("(")
                                  || after.is("{") || after.is(")"));
        if (!known && !declared)
            continue;
        return placed(mistake("espaco_no_nome",
                       QStringLiteral("Na linha %1 há um espaço no meio do nome \"%2 %3\": um nome "
                                      "não pode ter espaços. Junte as partes: %4%5.")
                           .arg(line)
                           .arg(a.text, b.text, joined,
                                known ? QString()
                                      : QStringLiteral(" (ou %1_%2)").arg(a.text, b.text))),
                      a, b);
    }
    return std::nullopt;
}

} // namespace detectors

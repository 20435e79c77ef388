#include "javatools/code_warnings.h"

#include "javatools/source_declarations.h"
#include "javatools/source_tokens.h"

#include <QRegularExpression>
#include <QSet>

namespace {

struct Reader
{
    const SourceTokens &tokens;
    const SourceDeclarations &declared;
    QList<CodeWarning> found;

    void warn(const char *id, const SourceToken &at, int length, const QString &text)
    {
        found.append({QString::fromLatin1(id), at.line, at.column, qMax(1, length), text});
    }

    // Whether token `i` begins a statement.
    bool startsStatement(int i) const
    {
        const SourceToken before = tokens.get(i - 1);
        return i == 0 || before.is(";") || before.is("{") || before.is("}") || before.isKeyword("else");
    }

    // The "{" that the "}" at `close` closes, or -1.
    int openingOf(int close) const
    {
        for (int i = close, depth = 0; i >= 0; --i) {
            depth += tokens.at(i).is("}") ? 1 : tokens.at(i).is("{") ? -1 : 0;
            if (depth == 0)
                return i;
        }
        return -1;
    }

    // The first token of the statement that ends with the ";" at `end`.
    int statementStartOf(int end) const
    {
        int i = end - 1;
        for (int depth = 0; i >= 0; --i) {
            const SourceToken &t = tokens.at(i);
            depth += t.is(")") || t.is("]") ? 1 : t.is("(") || t.is("[") ? -1 : 0;
            if (depth == 0 && (t.is(";") || t.is("{") || t.is("}") || t.is(":")))
                break;
        }
        return i + 1;
    }

    QString typeOf(const SourceToken &t) const
    {
        return t.isName() ? declared.onlyTypeOf(t.text) : QString();
    }

    void semicolonAfterCondition();
    void stringsCompared();
    void resultThrownAway();
    void integerDivision();
    void assignmentInCondition();
    void caseRunsOn();
    void selfAssignment();
    void nextLineAfterNumber();
};

void Reader::semicolonAfterCondition()
{
    for (int i = 0; i + 1 < tokens.size(); ++i) {
        const SourceToken &t = tokens.at(i);
        if (!(t.isKeyword("if") || t.isKeyword("for") || t.isKeyword("while")) || !tokens.at(i + 1).is("("))
            continue;
        const int close = tokens.closing(i + 1);
        if (close < 0 || !tokens.get(close + 1).is(";"))
            continue;
        // A ";" on a line of its own, or a loop whose condition does the
        // work followed by the next statement at its own level, is meant:
        // the slip is a ";" before what the student took for the body.
        const SourceToken semicolon = tokens.at(close + 1);
        const SourceToken next = tokens.get(close + 2);
        const bool bodyBelow = next.is("{") || tokens.indentOf(next.line) > tokens.indentOf(t.line);
        if (semicolon.line != tokens.at(close).line || (!t.isKeyword("if") && !bodyBelow))
            continue;
        // do { ... } while (...); and do x++; while (...); end so.
        if (t.isKeyword("while")) {
            const SourceToken before = tokens.get(i - 1);
            if (before.is("}") && tokens.get(openingOf(i - 1) - 1).isKeyword("do"))
                continue;
            if (before.is(";") && tokens.get(statementStartOf(i - 1)).isKeyword("do"))
                continue;
        }
        const QString what = t.isKeyword("if") ? QStringLiteral("o if só decide esse nada, e a instrução "
                                                                "de baixo roda sempre")
                                               : QStringLiteral("o laço repete esse nada, e a instrução de "
                                                                "baixo roda uma vez só, depois dele");
        warn("aviso_ponto_e_virgula_na_condicao", tokens.at(close + 1), 1,
             QStringLiteral("Na linha %1 há um ; logo depois da condição do %2: ele encerra o %2 ali "
                            "mesmo, %3. Apague esse ;.")
                 .arg(tokens.at(close + 1).line)
                 .arg(t.text, what));
    }
}

void Reader::stringsCompared()
{
    const auto literal = [](const SourceToken &t) { return t.isString() && t.text.startsWith(u'"'); };
    for (int i = 1; i + 1 < tokens.size(); ++i) {
        const SourceToken &op = tokens.at(i);
        if (!op.is("==") && !op.is("!="))
            continue;
        const SourceToken left = tokens.at(i - 1);
        const SourceToken right = tokens.at(i + 1);
        // Each side a whole operand: no member, call or index around it.
        const SourceToken farLeft = tokens.get(i - 2);
        const SourceToken farRight = tokens.get(i + 2);
        const bool leftWhole = !farLeft.is(".") && !farLeft.is("+");
        const bool rightWhole = !farRight.is(".") && !farRight.is("(") && !farRight.is("[")
                                && !farRight.is("+");
        const auto text = [&](const SourceToken &t) { return literal(t) || typeOf(t) == QLatin1String("String"); };
        if (!leftWhole || !rightWhole || !text(left) || !text(right))
            continue;
        // "sim".equals(resposta) reads better with the literal first.
        const SourceToken object = literal(right) ? right : left;
        const SourceToken argument = literal(right) ? left : right;
        const QString call = QStringLiteral("%1%2.equals(%3)")
                                 .arg(op.is("!=") ? QStringLiteral("!") : QString(), object.text, argument.text);
        warn("aviso_texto_com_igual", op, 2,
             QStringLiteral("Na linha %1, %2 compara textos com %3, que vê se são o mesmo objeto na "
                            "memória, não se têm as mesmas letras: dois textos iguais podem dar %4. "
                            "Compare com %5.")
                 .arg(op.line)
                 .arg(tokens.written(i - 1, i + 1), op.text,
                      op.is("==") ? QStringLiteral("false") : QStringLiteral("true"), call));
    }
}

void Reader::resultThrownAway()
{
    static const QSet<QString> methods = {"toUpperCase", "toLowerCase", "trim", "strip", "replace",
                                          "replaceAll", "concat", "substring", "repeat"};
    for (int i = 0; i + 3 < tokens.size(); ++i) {
        const SourceToken &name = tokens.at(i);
        const SourceToken &method = tokens.at(i + 2);
        if (!startsStatement(i) || typeOf(name) != QLatin1String("String") || !tokens.at(i + 1).is(".")
            || !methods.contains(method.text) || !tokens.at(i + 3).is("("))
            continue;
        const int close = tokens.closing(i + 3);
        if (close < 0 || !tokens.get(close + 1).is(";"))
            continue;
        const QString call = tokens.written(i, close);
        warn("aviso_resultado_perdido", method, int(method.text.size()),
             QStringLiteral("Na linha %1, o resultado de %2 se perde: um String nunca muda, o método "
                            "devolve um texto novo. Guarde esse texto: %3 = %2;")
                 .arg(name.line)
                 .arg(call, name.text));
    }
}

void Reader::integerDivision()
{
    static const QRegularExpression integer(QStringLiteral("^[0-9]+[lL]?$"));
    static const QSet<QString> integral = {"int", "long", "short", "byte"};
    static const QSet<QString> arithmetic = {"+", "-", "*", "/", "%", "(", ")"};
    for (int i = 0; i + 2 < tokens.size(); ++i) {
        // double media = ...; or media = ...; with media a double.
        const SourceToken &name = tokens.at(i);
        if (!name.isName() || !tokens.at(i + 1).is("="))
            continue;
        const SourceToken type = tokens.get(i - 1);
        const bool declared = (type.isKeyword("double") || type.isKeyword("float")) && startsStatement(i - 1);
        const QString known = typeOf(name);
        const bool assigned = startsStatement(i) && (known == QLatin1String("double") || known == QLatin1String("float"));
        if (!declared && !assigned)
            continue;
        int division = -1;
        int end = i + 2;
        bool integers = true;
        for (; end < tokens.size() && !tokens.at(end).is(";") && integers; ++end) {
            const SourceToken &t = tokens.at(end);
            if (t.is("/"))
                division = division < 0 ? end : division;
            integers = arithmetic.contains(t.text) || (t.isNumber() && integer.match(t.text).hasMatch())
                       || (t.isName() && integral.contains(typeOf(t)) && !tokens.get(end + 1).is("(")
                           && !tokens.get(end + 1).is("["));
        }
        if (!integers || division < 0 || !tokens.get(end).is(";"))
            continue;
        const SourceToken &slash = tokens.at(division);
        warn("aviso_divisao_inteira", slash, 1,
             QStringLiteral("Na linha %1, %2 divide números inteiros, e a divisão de inteiros corta "
                            "a parte decimal antes de o valor ir para o %3 (7 / 2 dá 3, não 3.5). "
                            "Para guardar as casas decimais, converta um dos lados: (double) %4, "
                            "ou divida por um número com ponto, como 2.0.")
                 .arg(slash.line)
                 .arg(tokens.written(i + 2, end - 1), declared ? type.text : known,
                      tokens.written(i + 2, end - 1)));
    }
}

void Reader::assignmentInCondition()
{
    for (int i = 0; i + 5 < tokens.size(); ++i) {
        const SourceToken &keyword = tokens.at(i);
        if (!(keyword.isKeyword("if") || keyword.isKeyword("while")) || !tokens.at(i + 1).is("("))
            continue;
        // (name = value): the whole condition.
        const SourceToken &name = tokens.at(i + 2);
        const SourceToken &value = tokens.at(i + 4);
        if (!name.isName() || !tokens.at(i + 3).is("=") || tokens.closing(i + 1) != i + 5)
            continue;
        const bool constant = value.isKeyword("true") || value.isKeyword("false");
        if (!constant && typeOf(name) != QLatin1String("boolean"))
            continue;
        const QString simpler = value.isKeyword("true")    ? QStringLiteral(" (ou só %1)").arg(name.text)
                                : value.isKeyword("false") ? QStringLiteral(" (ou !%1)").arg(name.text)
                                                           : QString();
        warn("aviso_atribuicao_na_condicao", tokens.at(i + 3), 1,
             QStringLiteral("Na linha %1, a condição usa = (que guarda um valor) no lugar de == (que "
                            "compara): %2 = %3 guarda %3 em %2, e o %4 decide pelo valor guardado. "
                            "Escreva %2 == %3%5.")
                 .arg(name.line)
                 .arg(name.text, value.text, keyword.text, simpler));
    }
}

void Reader::caseRunsOn()
{
    for (int s = 0; s + 1 < tokens.size(); ++s) {
        if (!tokens.at(s).isKeyword("switch") || !tokens.at(s + 1).is("("))
            continue;
        const int header = tokens.closing(s + 1);
        if (header < 0 || !tokens.get(header + 1).is("{"))
            continue;
        const int open = header + 1;
        const int close = tokens.closing(open);
        if (close < 0)
            continue;
        bool arrows = false;
        QList<int> labels; // the "case" and "default" tokens of this switch
        for (int i = open + 1, depth = 0; i < close; ++i) {
            const SourceToken &t = tokens.at(i);
            depth += t.is("{") || t.is("(") ? 1 : t.is("}") || t.is(")") ? -1 : 0;
            if (depth != 0 || !(t.isKeyword("case") || (t.isKeyword("default") && tokens.get(i + 1).is(":"))))
                continue;
            labels.append(i);
            for (int j = i + 1; j < close && !tokens.at(j).is(":"); ++j)
                arrows = arrows || tokens.at(j).is("->")
                         || (tokens.at(j).is("-") && tokens.at(j + 1).is(">")
                             && tokens.at(j + 1).column == tokens.at(j).endColumn());
        }
        if (arrows)
            continue;
        static const QSet<QString> leaving = {"break", "return", "throw", "continue", "yield"};
        static const QRegularExpression meant(QStringLiteral("(//|/\\*).*(fall|through|passa|segue|continua|cai)"),
                                              QRegularExpression::CaseInsensitiveOption);
        for (qsizetype l = 1; l < labels.size(); ++l) {
            const int label = labels.at(l);
            const SourceToken before = tokens.get(label - 1);
            // Labels together share their statements; a block may end in a return.
            if (!before.is(";"))
                continue;
            // The last statement, back to a ";" or brace (a ternary's ":" is
            // no label's), no further than the case above.
            int start = label - 1;
            for (int depth = 0; start - 1 > labels.at(l - 1); --start) {
                const SourceToken &t = tokens.at(start - 1);
                depth += t.is(")") || t.is("]") ? 1 : t.is("(") || t.is("[") ? -1 : 0;
                if (depth == 0 && (t.is(";") || t.is("{") || t.is("}")))
                    break;
            }
            while (start < label && !tokens.at(start - 1).is(";") && !tokens.at(start - 1).is("{")
                   && !tokens.at(start - 1).is("}") && !tokens.at(start).is(":"))
                ++start; // past the label above: case X:
            if (tokens.at(start).is(":"))
                ++start;
            const SourceToken first = tokens.get(start);
            // if (...) return; else throw ...; may leave on every road.
            if (leaving.contains(first.text) || first.isKeyword("else") || first.isKeyword("if")
                || (first.is("System") && tokens.get(start + 2).is("exit")))
                continue;
            // A comment between says the fall is meant, as does one that
            // says so anywhere in the case above.
            bool commented = false;
            for (int line = before.line; line <= tokens.at(label).line; ++line)
                commented = commented || tokens.lineText(line).contains(QLatin1String("//"))
                            || tokens.lineText(line).contains(QLatin1String("/*"));
            for (int line = tokens.at(labels.at(l - 1)).line; line < tokens.at(label).line; ++line)
                commented = commented || meant.match(tokens.lineText(line)).hasMatch();
            if (commented)
                continue;
            const SourceToken &at = tokens.at(label);
            warn("aviso_case_sem_break", at, int(at.text.size()),
                 QStringLiteral("Na linha %1, o case de cima não termina com break: depois das "
                                "instruções dele, o programa continua nas deste %2. Se cada case deve "
                                "rodar sozinho, ponha break; antes da linha %1.")
                     .arg(at.line)
                     .arg(at.text));
        }
    }
}

void Reader::selfAssignment()
{
    for (int i = 0; i + 3 < tokens.size(); ++i) {
        const SourceToken &name = tokens.at(i);
        if (!name.isName() || !startsStatement(i) || !tokens.at(i + 1).is("=") || tokens.at(i + 2).text != name.text
            || !tokens.at(i + 3).is(";"))
            continue;
        warn("aviso_atribuicao_a_si_mesma", name, int(tokens.at(i + 2).endColumn() - name.column),
             QStringLiteral("Na linha %1, %2 = %2 guarda a variável nela mesma e não muda nada. Se um "
                            "parâmetro ou variável de mesmo nome esconde o atributo %2 da classe, "
                            "escreva this.%2 = %2;")
                 .arg(name.line)
                 .arg(name.text));
    }
}

void Reader::nextLineAfterNumber()
{
    static const QSet<QString> numbers = {"nextInt", "nextDouble", "nextFloat", "nextLong",
                                          "nextShort", "nextByte", "nextBoolean", "next"};
    const auto readAt = [this](int i) {
        return tokens.at(i).isName() && tokens.get(i + 1).is(".") && tokens.get(i + 3).is("(")
               && tokens.get(i + 2).isName() && typeOf(tokens.at(i)) == QLatin1String("Scanner");
    };
    for (int i = 0; i + 3 < tokens.size(); ++i) {
        if (!readAt(i) || !numbers.contains(tokens.at(i + 2).text))
            continue;
        // The next read of the same Scanner, with no block between.
        for (int j = i + 4; j + 3 < tokens.size(); ++j) {
            const SourceToken &t = tokens.at(j);
            if (t.is("{") || t.is("}"))
                break;
            if (!readAt(j) || t.text != tokens.at(i).text)
                continue;
            // scanner.nextLine(); alone throws the rest of the line away, as meant.
            if (tokens.at(j + 2).is("nextLine") && !startsStatement(j)) {
                const SourceToken &call = tokens.at(j + 2);
                warn("aviso_nextline_depois_de_numero", call, int(call.text.size()),
                     QStringLiteral("Na linha %1, %2.nextLine() lê o resto da linha do número lido "
                                    "por %2.%3() na linha %4: o Enter ficou na entrada, e nextLine() "
                                    "devolve um texto vazio. Ponha um %2.nextLine(); sozinho logo "
                                    "depois do %3(), para consumir esse Enter.")
                         .arg(call.line)
                         .arg(t.text, tokens.at(i + 2).text)
                         .arg(tokens.at(i).line));
            }
            break;
        }
    }
}

} // namespace

namespace codewarnings {

QList<CodeWarning> find(const QStringList &sourceLines)
{
    const SourceTokens tokens(sourceLines);
    const SourceDeclarations declared(tokens);
    Reader reader{tokens, declared, {}};
    reader.semicolonAfterCondition();
    reader.stringsCompared();
    reader.resultThrownAway();
    reader.integerDivision();
    reader.assignmentInCondition();
    reader.caseRunsOn();
    reader.selfAssignment();
    reader.nextLineAfterNumber();
    std::sort(reader.found.begin(), reader.found.end(), [](const CodeWarning &a, const CodeWarning &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return reader.found;
}

const QStringList &ids()
{
    static const QStringList all = {
        "aviso_ponto_e_virgula_na_condicao", "aviso_texto_com_igual",        "aviso_resultado_perdido",
        "aviso_divisao_inteira",             "aviso_atribuicao_na_condicao", "aviso_case_sem_break",
        "aviso_atribuicao_a_si_mesma",       "aviso_nextline_depois_de_numero",
    };
    return all;
}

} // namespace codewarnings

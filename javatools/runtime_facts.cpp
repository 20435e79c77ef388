#include "javatools/runtime_facts.h"

#include "javatools/source_blocks.h"
#include "javatools/source_tokens.h"

#include <QRegularExpression>
#include <QSet>

namespace runtimefacts {

namespace {

// The receiver written before the "." at `dot`: nomes, this.nomes, p.nome.
int receiverStart(const SourceTokens &tokens, int dot)
{
    int i = dot - 1;
    while (i > 1 && tokens.at(i - 1).is(".") && tokens.at(i - 2).isName())
        i -= 2;
    return i;
}

// One place on a line that asks for a position: v[i], s.charAt(i), lista.get(i).
struct Access
{
    QString whole;      // nomes[i]
    QString collection; // nomes
    QString index;      // i
    QString variable;   // the first name in the index, if any
};

QList<Access> accessesOn(const SourceTokens &tokens, int line)
{
    static const QSet<QString> positional = {"charAt", "substring", "get", "set", "remove",
                                             "deleteCharAt", "setCharAt", "codePointAt"};
    QList<Access> result;
    for (const int i : tokens.onLine(line)) {
        const SourceToken &t = tokens.at(i);
        int open = -1;
        int from = -1;
        if (t.is("[") && (tokens.get(i - 1).isName() || tokens.get(i - 1).is("]"))
            && !tokens.get(i - 2).isKeyword("new") && !tokens.get(i + 1).is("]")) {
            open = i;
            // m[i][j]: back over the brackets before this one to the name.
            int j = i - 1;
            while (j > 0 && tokens.at(j).is("]")) {
                for (int depth = 0; j >= 0; --j) {
                    depth += tokens.at(j).is("]") ? 1 : tokens.at(j).is("[") ? -1 : 0;
                    if (depth == 0)
                        break;
                }
                --j;
            }
            if (j < 0 || !tokens.at(j).isName())
                continue;
            from = receiverStart(tokens, j + 1);
        } else if (t.isName() && positional.contains(t.text) && tokens.get(i - 1).is(".")
                   && tokens.get(i + 1).is("(")) {
            open = i + 1;
            from = receiverStart(tokens, i - 1);
        }
        if (open < 0)
            continue;
        const int close = tokens.closing(open);
        if (close < 0)
            continue;
        // The index is the first argument: substring(a, b) has two.
        int end = close - 1;
        for (int j = open + 1, depth = 0; j < close; ++j) {
            depth += tokens.at(j).is("(") || tokens.at(j).is("[") ? 1 : tokens.at(j).is(")") || tokens.at(j).is("]") ? -1 : 0;
            if (depth == 0 && tokens.at(j).is(",")) {
                end = j - 1;
                break;
            }
        }
        Access access;
        access.whole = tokens.written(from, close);
        access.collection = tokens.written(from, t.is("[") ? open - 1 : open - 3);
        access.index = tokens.written(open + 1, end);
        for (int j = open + 1; j <= end; ++j) {
            if (tokens.at(j).isName() && !tokens.get(j - 1).is(".")) {
                access.variable = tokens.at(j).text;
                break;
            }
        }
        result.append(access);
    }
    return result;
}

// The loop (for or while) whose body holds `line` and whose header names
// `variable`, the innermost one: its line, condition and the start of its
// counter.
struct Loop
{
    int line = 0;
    QString condition;
    QString start; // i = 1
};

std::optional<Loop> loopAround(const SourceTokens &tokens, const Braces &braces, int line, const QString &variable)
{
    std::optional<Loop> found;
    for (int k = 0; k + 1 < tokens.size() && tokens.at(k).line <= line; ++k) {
        const SourceToken &keyword = tokens.at(k);
        if (!(keyword.isKeyword("for") || keyword.isKeyword("while")) || !tokens.at(k + 1).is("("))
            continue;
        const int close = tokens.closing(k + 1);
        if (close < 0)
            continue;
        // The body: a block, or one statement.
        int last = -1;
        if (tokens.get(close + 1).is("{")) {
            for (const Braces::Pair &pair : braces.pairs) {
                if (pair.open == close + 1)
                    last = pair.close;
            }
        } else {
            for (int j = close + 1; j < tokens.size() && last < 0; ++j)
                last = tokens.at(j).is(";") ? j : -1;
        }
        if (last < 0 || tokens.at(last).line < line || keyword.line > line)
            continue;
        // for (init; condition; step), while (condition)
        QList<int> parts{k + 1};
        for (int j = k + 2, depth = 0; j < close; ++j) {
            depth += tokens.at(j).is("(") ? 1 : tokens.at(j).is(")") ? -1 : 0;
            if (depth == 0 && tokens.at(j).is(";"))
                parts.append(j);
        }
        parts.append(close);
        const bool isFor = keyword.isKeyword("for") && parts.size() == 4;
        const int conditionPart = isFor ? 1 : 0;
        Loop loop;
        loop.line = keyword.line;
        loop.condition = tokens.written(parts.at(conditionPart) + 1, parts.at(conditionPart + 1) - 1);
        if (isFor)
            loop.start = tokens.written(parts.at(0) + 1, parts.at(1) - 1);
        // The loop that moves the index: a for that starts or steps it, a
        // while whose condition begins with it (j < v[i].length moves j, not i).
        const QRegularExpression named(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(variable)));
        const QString step = isFor ? tokens.written(parts.at(2) + 1, parts.at(3) - 1) : QString();
        const bool moves = isFor ? named.match(loop.start).hasMatch() || named.match(step).hasMatch()
                                 : loop.condition.startsWith(variable);
        if (!variable.isEmpty() && moves && named.match(loop.condition).hasMatch())
            found = loop;
    }
    return found;
}

QString positions(int count)
{
    return count == 1 ? QStringLiteral("1 posição") : QStringLiteral("%1 posições").arg(count);
}

QString simpleName(const QString &className)
{
    return className.mid(className.lastIndexOf(QLatin1Char('.')) + 1);
}

void indexFacts(QStringList &facts, const Error &error, const SourceTokens &tokens, int line)
{
    static const QRegularExpression bounds(QStringLiteral("Index (-?\\d+) out of bounds for length (\\d+)"));
    static const QRegularExpression range(QStringLiteral("String index out of range: (-?\\d+)"));
    QString index;
    int length = -1;
    if (const QRegularExpressionMatch m = bounds.match(error.message); m.hasMatch()) {
        index = m.captured(1);
        length = m.captured(2).toInt();
    } else if (const QRegularExpressionMatch m = range.match(error.message); m.hasMatch()) {
        index = m.captured(1);
    } else {
        return;
    }
    if (length == 0)
        facts << QStringLiteral("vazio: sim");
    else if (length > 0)
        facts << QStringLiteral("posições: ") + positions(length) << QStringLiteral("última: %1").arg(length - 1);
    if (index.startsWith(QLatin1Char('-')))
        facts << QStringLiteral("índice negativo: ") + index;
    const QList<Access> accesses = accessesOn(tokens, line);
    if (accesses.isEmpty())
        return;
    // The access whose index is that number; else one whose loop goes up
    // to the length with <=, the usual slip; else the first with a variable.
    const Braces braces(tokens);
    Access access = accesses.first();
    std::optional<Loop> loop;
    bool chosen = false;
    for (const Access &each : accesses) {
        const std::optional<Loop> around = loopAround(tokens, braces, line, each.variable);
        if (each.index == index) {
            access = each;
            loop = around;
            break;
        }
        const bool suspicious = around && around->condition.contains(QLatin1String("<="));
        if ((!each.variable.isEmpty() && !chosen) || (suspicious && !(loop && loop->condition.contains(QLatin1String("<="))))) {
            access = each;
            loop = around;
            chosen = true;
        }
    }
    facts << QStringLiteral("acesso: ") + access.whole << QStringLiteral("coleção: ") + access.collection
          << QStringLiteral("expressão do índice: ") + access.index;
    if (loop) {
        facts << QStringLiteral("laço: ") + loop->condition
              << QStringLiteral("linha do laço: %1").arg(loop->line);
        if (loop->condition.contains(QLatin1String("<=")))
            facts << QStringLiteral("laço com <=: ") + loop->condition;
        static const QRegularExpression fromOne(QStringLiteral("=\\s*1$"));
        if (fromOne.match(loop->start).hasMatch())
            facts << QStringLiteral("começa em 1: ") + loop->start;
    }
}

// The locals of the constructors that hide a field of their class, by the
// field's name, with the line of the local.
QHash<QString, int> hiddenFields(const SourceTokens &tokens)
{
    const Braces braces(tokens);
    QSet<QString> fields;
    QHash<QString, int> hidden;
    for (int p = 0; p < braces.pairs.size(); ++p) {
        const Braces::Pair &body = braces.pairs.at(p);
        if (!isClassBody(tokens, body.open) || body.close < 0)
            continue;
        const QString cls = tokens.get(body.open - 1).text;
        // Fields: declarations directly in the class body.
        for (int i = body.open + 1; i < body.close; ++i) {
            if (braces.around(i) != p)
                continue;
            const SourceToken next = tokens.get(i + 1);
            if (tokens.at(i).isName() && (next.is(";") || next.is("=") || next.is(","))
                && (tokens.get(i - 1).isName() || tokens.get(i - 1).kind == tkKey || tokens.get(i - 1).is("]")))
                fields.insert(tokens.at(i).text);
        }
        // Constructors: the class's name and "(" in its body.
        for (int i = body.open + 1; i < body.close; ++i) {
            if (braces.around(i) != p || tokens.at(i).text != cls || !tokens.get(i + 1).is("("))
                continue;
            const int close = tokens.closing(i + 1);
            const SourceToken open = tokens.get(close + 1);
            if (!open.is("{"))
                continue;
            int end = -1;
            for (const Braces::Pair &pair : braces.pairs) {
                if (pair.open == close + 1)
                    end = pair.close;
            }
            for (int j = close + 2; j < end; ++j) {
                const SourceToken &t = tokens.at(j);
                const SourceToken before = tokens.get(j - 1);
                const SourceToken after = tokens.get(j + 1);
                if (t.isName() && fields.contains(t.text) && (after.is(";") || after.is("="))
                    && (before.kind == tkKey || before.is("]") || (before.isName() && !tokens.get(j - 2).is("."))))
                    hidden.insert(t.text, t.line);
            }
        }
    }
    return hidden;
}

void nullFacts(QStringList &facts, const Error &error, const SourceTokens &tokens)
{
    static const QRegularExpression because(QStringLiteral("because (?:the return value of )?\"([^\"]+)\" is null"));
    const QRegularExpressionMatch m = because.match(error.message);
    if (!m.hasMatch())
        return;
    const QString what = m.captured(1);
    static const QRegularExpression element(QStringLiteral("^([\\w.$]+)\\[(.+)\\]$"));
    if (const QRegularExpressionMatch e = element.match(what); e.hasMatch())
        facts << QStringLiteral("elemento: ") + what << QStringLiteral("vetor: ") + e.captured(1);
    static const QRegularExpression unboxing(
        QStringLiteral("^Cannot invoke \"java\\.lang\\.(Integer|Double|Long|Float|Short|Byte|Character|Boolean)\\.(int|double|long|float|short|byte|char|boolean)Value\\(\\)\""));
    if (const QRegularExpressionMatch u = unboxing.match(error.message); u.hasMatch())
        facts << QStringLiteral("número null: ") + what << QStringLiteral("tipo do número: ") + u.captured(1);
    // this.nome, or the getter that returns it: a field of the class.
    static const QRegularExpression field(QStringLiteral("^this\\.(\\w+)$"));
    static const QRegularExpression getter(QStringLiteral("^[\\w.$]*\\.get(\\w+)\\(\\)$"));
    QString name;
    if (const QRegularExpressionMatch f = field.match(what); f.hasMatch()) {
        name = f.captured(1);
        facts << QStringLiteral("atributo: ") + name;
    } else if (const QRegularExpressionMatch g = getter.match(what); g.hasMatch()) {
        name = g.captured(1).left(1).toLower() + g.captured(1).mid(1);
    } else if (!what.contains(QLatin1Char('['))) {
        name = what.section(QLatin1Char('.'), -1); // nomes, turma.nomes
    }
    const QHash<QString, int> hidden = hiddenFields(tokens);
    if (!name.isEmpty() && hidden.contains(name))
        facts << QStringLiteral("atributo escondido: ") + name
              << QStringLiteral("linha da variável local: %1").arg(hidden.value(name));
}

void castFacts(QStringList &facts, const Error &error)
{
    static const QRegularExpression cast(QStringLiteral("^class (\\S+) cannot be cast to class (\\S+)"));
    const QRegularExpressionMatch m = cast.match(error.message);
    if (!m.hasMatch())
        return;
    const QString from = simpleName(m.captured(1));
    const QString to = simpleName(m.captured(2));
    facts << QStringLiteral("de: ") + from << QStringLiteral("para: ") + to;
    static const QSet<QString> numbers = {"Integer", "Double", "Long", "Float", "Short", "Byte"};
    if (from == QLatin1String("String") && numbers.contains(to))
        facts << QStringLiteral("texto para número: %1 para %2").arg(from, to);
}

void inputFacts(QStringList &facts, const std::optional<QString> &lastInput)
{
    if (!lastInput)
        return;
    static const QRegularExpression dotted(QStringLiteral("^[+-]?\\d+\\.\\d+$"));
    for (const QString &word : lastInput->split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (dotted.match(word).hasMatch()) {
            facts << QStringLiteral("número com ponto: ") + word
                  << QStringLiteral("com vírgula: ") + QString(word).replace(QLatin1Char('.'), QLatin1Char(','));
            return;
        }
    }
}

void emptyTextFacts(QStringList &facts, const SourceTokens &tokens, int line)
{
    facts << QStringLiteral("texto vazio: sim");
    // parseInt(entrada.nextLine()) after entrada.nextInt(): the rest of that line.
    for (const int i : tokens.onLine(line)) {
        if (!tokens.at(i).is("nextLine") || !tokens.get(i - 1).is("."))
            continue;
        const QString reader = tokens.get(i - 2).text;
        static const QSet<QString> tokenReads = {"nextInt", "nextDouble", "next", "nextLong", "nextFloat", "nextBoolean"};
        int earlier = 0;
        QString read;
        for (int j = 0; j + 2 < tokens.size() && tokens.at(j).line < line; ++j) {
            if (tokens.at(j).text == reader && tokens.at(j + 1).is(".") && tokenReads.contains(tokens.at(j + 2).text)) {
                earlier = tokens.at(j).line;
                read = tokens.at(j + 2).text;
            }
        }
        if (earlier > 0)
            facts << QStringLiteral("nextLine depois de: %1.%2() (linha %3)").arg(reader, read).arg(earlier);
    }
}

void divisionFacts(QStringList &facts, const SourceTokens &tokens, int line)
{
    // a / b with b a variable that is multiplied over and over elsewhere:
    // an int that passes its limit wraps around, and may reach 0.
    for (const int i : tokens.onLine(line)) {
        if (!(tokens.at(i).is("/") || tokens.at(i).is("%")) || !tokens.get(i + 1).isName())
            continue;
        const QString divisor = tokens.at(i + 1).text;
        if (tokens.get(i + 2).is(".") || tokens.get(i + 2).is("("))
            continue;
        for (int j = 0; j + 2 < tokens.size(); ++j) {
            const bool times = tokens.at(j).text == divisor
                               && (tokens.at(j + 1).is("*=")
                                   || (tokens.at(j + 1).is("=") && tokens.at(j + 2).text == divisor
                                       && tokens.get(j + 3).is("*")));
            if (times) {
                facts << QStringLiteral("divisor multiplicado: %1 (linha %2)").arg(divisor).arg(tokens.at(j).line);
                return;
            }
        }
        return;
    }
}

void mainFacts(QStringList &facts, const SourceTokens &tokens)
{
    // A method taking String[] whose name is almost main.
    for (int i = 0; i + 3 < tokens.size(); ++i) {
        const SourceToken &name = tokens.at(i);
        if (!name.isName() || !tokens.at(i + 1).is("(") || !tokens.at(i + 2).is("String") || name.text == QLatin1String("main"))
            continue;
        const QString lower = name.text.toLower();
        const bool close = lower == QLatin1String("main") || lower == QLatin1String("man")
                           || lower == QLatin1String("mian") || lower == QLatin1String("mai")
                           || lower == QLatin1String("maim") || lower == QLatin1String("mains");
        if (close) {
            facts << QStringLiteral("parecido com main: ") + name.text
                  << QStringLiteral("linha do método: %1").arg(name.line);
            return;
        }
    }
}

} // namespace

Error split(const QString &exceptionLine)
{
    const qsizetype colon = exceptionLine.indexOf(QLatin1String(": "));
    if (colon < 0)
        return {exceptionLine.trimmed(), QString()};
    return {exceptionLine.left(colon).trimmed(), exceptionLine.mid(colon + 2)};
}

QStringList about(const Error &error, const QStringList &source, int line, const std::optional<QString> &lastInput)
{
    QStringList facts;
    const SourceTokens tokens(source);
    const QString &type = error.type;
    if (type.endsWith(QLatin1String("IndexOutOfBoundsException")) && line > 0)
        indexFacts(facts, error, tokens, line);
    else if (type == QLatin1String("java.lang.NullPointerException"))
        nullFacts(facts, error, tokens);
    else if (type == QLatin1String("java.lang.ClassCastException"))
        castFacts(facts, error);
    else if (type == QLatin1String("java.util.InputMismatchException"))
        inputFacts(facts, lastInput);
    else if (type == QLatin1String("java.lang.NumberFormatException") && error.message.endsWith(QLatin1String("\"\"")) && line > 0)
        emptyTextFacts(facts, tokens, line);
    else if (type == QLatin1String("java.lang.ArithmeticException") && line > 0)
        divisionFacts(facts, tokens, line);
    else if (type == QLatin1String("Error") && error.message.startsWith(QLatin1String("Main method not found")))
        mainFacts(facts, tokens);
    return facts;
}

} // namespace runtimefacts

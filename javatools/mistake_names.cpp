// The detectors of the mistake finder that look at names: a method called
// without parentheses, without new or without its object, a variable never
// declared or used outside its block, a misspelt name.
#include "javatools/mistake_detectors.h"

#include "javatools/jdk_names.h"

#include <QRegularExpression>
#include <QSet>

namespace {

// The type a "location:" detail names: "variable sc of type Scanner", "class Math".
QString locationType(const QString &location)
{
    static const QRegularExpression ofType(QStringLiteral("of type (\\S+)$"));
    if (const QRegularExpressionMatch m = ofType.match(location); m.hasMatch())
        return m.captured(1);
    if (location.startsWith(QLatin1String("class ")))
        return location.mid(6).section(QLatin1Char('<'), 0, 0);
    return {};
}

// The token of `name` on `line`: the first one.
int tokenNamed(const SourceTokens &tokens, int line, const QString &name)
{
    for (const int i : tokens.onLine(line)) {
        if (tokens.at(i).text == name)
            return i;
    }
    return -1;
}

// The token of the unknown `name` the message points at, else the first on its line.
int messageToken(const MistakeContext &c, const QString &name)
{
    // javac points at a member's dot: o.getNome
    for (const int i : {c.at, c.at + 1}) {
        if (i >= 0 && i < c.tokens.size() && c.tokens.at(i).text == name && (i == c.at || c.tokens.at(c.at).is(".")))
            return i;
    }
    return tokenNamed(c.tokens, c.line(), name);
}

// Whether `name` is a method here: declared in the source, of the JDK, or
// named as Java names methods (getNome, isVazio, toString).
bool isMethodName(const MistakeContext &c, const QString &name)
{
    static const QRegularExpression accessor(QStringLiteral("^(get|set|is|has|to)[A-Z]"));
    return c.declared.methods.contains(name) || JdkNames::standard().isMethod(name)
           || (!c.declared.declaresVariable(name) && accessor.match(name).hasMatch());
}

// A variable's likely type from the value it is given (the tokens after "=").
QString typeOfValue(const SourceTokens &tokens, int value)
{
    const SourceToken first = tokens.get(value);
    if (first.isNumber())
        return first.text.contains(QLatin1Char('.')) ? QStringLiteral("double") : QStringLiteral("int");
    if (first.isString())
        return first.text.startsWith(QLatin1Char('\'')) ? QStringLiteral("char") : QStringLiteral("String");
    if (first.isKeyword("true") || first.isKeyword("false"))
        return QStringLiteral("boolean");
    if (first.isKeyword("new") && tokens.get(value + 1).isName())
        return tokens.get(value + 1).text;
    static const QHash<QString, QString> reads = {
        {"nextInt", "int"},       {"nextDouble", "double"},   {"nextLine", "String"},
        {"next", "String"},       {"nextBoolean", "boolean"}, {"nextFloat", "float"},
        {"nextLong", "long"},     {"parseInt", "int"},        {"parseDouble", "double"},
        {"showInputDialog", "String"}, {"sqrt", "double"},    {"pow", "double"},
    };
    for (int i = value; i < tokens.size() && !tokens.at(i).is(";"); ++i) {
        if (tokens.at(i).isName() && tokens.get(i + 1).is("(") && reads.contains(tokens.at(i).text))
            return reads.value(tokens.at(i).text);
    }
    return {};
}

// The end of the region where the variable declared at token `declaration`
// exists: the "}" of its block; for one declared between the parentheses of
// a for, a catch or a method's header, the end of the body that follows.
int scopeEnd(const SourceTokens &tokens, const Braces &braces, int declaration)
{
    int depth = 0;
    for (int i = declaration; i >= 0; --i) {
        depth += tokens.at(i).is(")") ? 1 : tokens.at(i).is("(") ? -1 : 0;
        if (tokens.at(i).is("{") || tokens.at(i).is("}") || (depth == 0 && tokens.at(i).is(";")))
            break;
        if (depth >= 0)
            continue;
        int close = i;
        for (int d = 0; close < tokens.size(); ++close) {
            d += tokens.at(close).is("(") ? 1 : tokens.at(close).is(")") ? -1 : 0;
            if (d == 0)
                break;
        }
        int body = close + 1;
        while (body < tokens.size() && !tokens.at(body).is("{") && !tokens.at(body).is(";"))
            ++body;
        if (tokens.get(body).is("{")) {
            for (const Braces::Pair &pair : braces.pairs) {
                if (pair.open == body)
                    return pair.close;
            }
        }
        // for (...) statement; without braces.
        for (int j = close + 1; j < tokens.size(); ++j) {
            if (tokens.at(j).is(";"))
                return j;
        }
        return -1;
    }
    const int pair = braces.around(declaration);
    return pair < 0 ? -1 : braces.pairs.at(pair).close;
}

// The token of each declaration of `name`: the name right after its type.
QList<int> declarationsOf(const SourceTokens &tokens, const SourceDeclarations &declared, const QString &name)
{
    QList<int> result;
    for (const int line : declared.variableLines.values(name)) {
        for (const int i : tokens.onLine(line)) {
            const SourceToken before = tokens.get(i - 1);
            if (tokens.at(i).text == name && (before.isName() || before.kind == tkKey || before.is("]")
                                               || before.is(">") || before.is(",")))
                result.append(i);
        }
    }
    return result;
}

} // namespace

namespace detectors {

std::optional<FoundMistake> callWithoutParentheses(const MistakeContext &c)
{
    QString method;
    int token = -1;
    if (c.says("not a statement")) {
        // recebe.nextLine; — the statement's last name before its ";".
        int end = c.at;
        while (end < c.tokens.size() && !c.tokens.at(end).is(";") && c.tokens.at(end).line == c.line())
            ++end;
        // (x.nome; does nothing as a statement: only a call would.)
        const SourceToken last = c.tokens.get(end - 1);
        const bool member = c.tokens.get(end - 2).is(".");
        if (end > c.at && c.tokens.get(end).is(";") && last.isName() && (member || isMethodName(c, last.text))) {
            method = last.text;
            token = end - 1;
        }
    } else {
        // An unknown variable, or a private field of the JDK's (ArrayList's
        // size), named like one of the type's methods.
        static const QRegularExpression privateField(QStringLiteral("^(\\w+) has private access in (\\S+)$"));
        const QRegularExpressionMatch field = privateField.match(c.message.text);
        const bool variable = c.unknownKind == QLatin1String("variable");
        if (!variable && !field.hasMatch())
            return std::nullopt;
        const QString name = variable ? c.unknownName : field.captured(1);
        const QString type = variable ? locationType(c.location) : field.captured(2).section(QLatin1Char('<'), 0, 0);
        // A text's length has an entry of its own in the table.
        if (name == QLatin1String("length") && type == QLatin1String("String"))
            return std::nullopt;
        const QList<JdkNames::Member> members = JdkNames::standard().membersNamed(name);
        const bool ofType = std::any_of(members.begin(), members.end(), [&type](const JdkNames::Member &m) {
            return m.isMethod && (m.owner == type || type.isEmpty());
        });
        const bool typeKnown = JdkNames::standard().isClass(type) && !c.declared.classes.contains(type);
        token = messageToken(c, name);
        const bool named = ofType || (!typeKnown && isMethodName(c, name) && !c.tokens.get(token - 1).is("("));
        if (named && token >= 0 && !c.tokens.get(token + 1).is("(") && c.tokens.get(token - 1).is("."))
            method = name;
    }
    if (method.isEmpty() || token < 0)
        return std::nullopt;
    QString receiver;
    for (int j = token - 1; j >= 0 && (c.tokens.at(j).is(".") || c.tokens.at(j).isName()); --j)
        receiver.prepend(c.tokens.at(j).text);
    return placed(mistake("chamada_sem_parenteses",
                   QStringLiteral("Na linha %1, %2 é um método, e um método se chama com parênteses, "
                                  "mesmo sem argumentos: escreva %3%2().")
                       .arg(c.tokens.at(token).line)
                       .arg(method, receiver)),
                  c.tokens.at(token));
}

std::optional<FoundMistake> newMissing(const MistakeContext &c)
{
    if (c.unknownKind != QLatin1String("method"))
        return std::nullopt;
    const QString &name = c.unknownName;
    // A class of the JDK's or the file's, or a name written as Java writes
    // classes (methods start with a small letter) that is close to no method.
    const bool looksLikeClass = name.at(0).isUpper() && std::none_of(c.declared.methods.begin(),
        c.declared.methods.end(), [&name](const QString &m) { return m.compare(name, Qt::CaseInsensitive) == 0; });
    if (!JdkNames::standard().isClass(name) && !c.declared.classes.contains(name) && !looksLikeClass)
        return std::nullopt;
    const int token = tokenNamed(c.tokens, c.line(), name);
    if (token < 0 || c.tokens.get(token - 1).isKeyword("new") || c.tokens.get(token - 1).is("."))
        return std::nullopt;
    return placed(mistake("falta_new",
                   QStringLiteral("Na linha %1, para criar um objeto da classe %2 escreva new antes do "
                                  "nome dela: new %2(...). Sem o new, o Java procura um método chamado "
                                  "%2.")
                       .arg(c.line())
                       .arg(name)),
                  c.tokens.at(token));
}

std::optional<FoundMistake> methodWithoutObject(const MistakeContext &c)
{
    if (c.unknownKind != QLatin1String("method") || c.declared.methods.contains(c.unknownName))
        return std::nullopt;
    const int token = tokenNamed(c.tokens, c.line(), c.unknownName);
    if (token < 0 || c.tokens.get(token - 1).is("."))
        return std::nullopt;
    const JdkNames &jdk = JdkNames::standard();
    const QList<JdkNames::Member> members = jdk.membersNamed(c.unknownName);
    const auto method = std::find_if(members.begin(), members.end(), [](const JdkNames::Member &m) {
        return m.isMethod;
    });
    if (method == members.end())
        return std::nullopt;
    QString receiver = method->isStatic ? method->owner : c.declared.variableOfType(method->owner);
    if (receiver.isEmpty() && jdk.objectOf(method->owner).startsWith(QLatin1String("System.")))
        receiver = jdk.objectOf(method->owner);
    const QString fix = receiver.isEmpty()
                            ? QStringLiteral("chame-o por %1: %2.%3(...)")
                                  .arg(jdk.objectOf(method->owner),
                                       jdk.objectOf(method->owner).section(QLatin1Char(' '), -1),
                                       c.unknownName)
                            : QStringLiteral("escreva %1.%2(...)").arg(receiver, c.unknownName);
    return placed(mistake("metodo_sem_objeto",
                   QStringLiteral("Na linha %1, %2 é um método de %3 e não existe sozinho: %4.")
                       .arg(c.line())
                       .arg(c.unknownName, method->owner, fix)),
                  c.tokens.at(token));
}

std::optional<FoundMistake> undeclaredVariable(const MistakeContext &c)
{
    if (c.unknownKind != QLatin1String("variable") || JdkNames::standard().isClass(c.unknownName))
        return std::nullopt;
    const QString &name = c.unknownName;
    const int use = messageToken(c, name);
    // x.nome is a member of x, not a variable of this program.
    if (use > 0 && c.tokens.at(use - 1).is("."))
        return std::nullopt;
    // Declared, but in a block that closed before this use.
    bool declaredElsewhere = false;
    if (c.declared.declaresVariable(name)) {
        int ended = -1; // the last declaration before the use, whose region is over
        for (const int declaration : declarationsOf(c.tokens, c.declared, name)) {
            const int end = scopeEnd(c.tokens, c.braces, declaration);
            if (use < 0 || end < 0 || (declaration < use && use <= end))
                return std::nullopt; // in its region after all: another mistake
            if (declaration < use)
                ended = qMax(ended, declaration);
        }
        if (ended >= 0) {
            const int end = scopeEnd(c.tokens, c.braces, ended);
            return placed(mistake("variavel_nao_declarada",
                           QStringLiteral("Na linha %1, a variável %2 não existe mais: ela foi declarada "
                                          "na linha %3, dentro de um bloco que termina na linha %4, e só "
                                          "existe dentro dele. Declare %2 antes desse bloco para usá-la "
                                          "depois dele.")
                               .arg(c.line())
                               .arg(name)
                               .arg(c.tokens.at(ended).line)
                               .arg(c.tokens.at(end).line)),
                          c.tokens.at(use));
        }
        declaredElsewhere = true;
    }
    // Never declared: a value given at the start of a statement is where
    // its declaration belongs.
    int first = -1;
    int uses = 0;
    for (int i = 0; i < c.tokens.size(); ++i) {
        if (c.tokens.at(i).isName() && c.tokens.at(i).text == name && !c.tokens.get(i - 1).is(".")) {
            first = first < 0 ? i : first;
            ++uses;
        }
    }
    // Declared in another method: this use is where it needs one.
    if (declaredElsewhere)
        first = use;
    if (first < 0)
        return std::nullopt;
    const SourceToken before = c.tokens.get(first - 1);
    const bool assigned = c.tokens.get(first + 1).is("=")
                          && (before.is(";") || before.is("{") || before.is("}") || before.is("("));
    // Used once and close to a known name: more likely a typing slip.
    if (!assigned && (declaredElsewhere || (uses < 2 && !c.finder.closestNames(name).isEmpty())))
        return std::nullopt;
    const SourceToken &at = c.tokens.at(first);
    if (assigned) {
        const QString type = typeOfValue(c.tokens, first + 2);
        return placed(mistake("variavel_nao_declarada",
                       QStringLiteral("Na linha %1, a variável %2 recebe um valor, mas não foi "
                                      "declarada antes: declare-a ali com o tipo antes do nome, como em "
                                      "%3 %2 = ...; (cada variável só existe no bloco em que foi "
                                      "declarada).")
                           .arg(at.line)
                           .arg(name, type.isEmpty() ? QStringLiteral("int") : type)),
                      at);
    }
    return placed(mistake("variavel_nao_declarada",
                   QStringLiteral("Na linha %1, %2 não foi declarada: nenhuma variável do programa tem "
                                  "esse nome. Declare-a antes de usá-la, com o tipo e um valor, como em "
                                  "int %2 = 0;.")
                       .arg(c.line())
                       .arg(name)),
                  use >= 0 ? c.tokens.at(use) : at);
}

std::optional<FoundMistake> misspeltName(const MistakeContext &c)
{
    if (c.unknownName.isEmpty())
        return std::nullopt;
    // A class of the JDK's that is not known here lacks its import.
    if (c.unknownKind == QLatin1String("class") && JdkNames::standard().isClass(c.unknownName))
        return std::nullopt;
    // A member of a type this program and the JDK list do not describe
    // (obj.negate of a Predicate): its own names are unknown here.
    const QString type = locationType(c.location);
    if (c.location.startsWith(QLatin1String("variable ")) && !type.isEmpty() && !type.endsWith(QLatin1String("[]"))
        && !JdkNames::standard().isClass(type.section(QLatin1Char('<'), 0, 0)) && !c.declared.classes.contains(type))
        return std::nullopt;
    QStringList closest = c.finder.closestNames(c.unknownName);
    if (closest.isEmpty() || closest.first() == c.unknownName)
        return std::nullopt;
    const int token = messageToken(c, c.unknownName);
    // Among the prints, the arguments tell: a format and values are printf's.
    static const QSet<QString> prints = {"println", "print", "printf"};
    if (closest.size() > 1 && prints.contains(closest.first()) && token >= 0) {
        const SourceToken argument = c.tokens.get(token + 2);
        const bool format = argument.isString() && argument.text.contains(QLatin1Char('%'));
        const QString preferred = format ? QStringLiteral("printf") : QStringLiteral("println");
        if (closest.contains(preferred)) {
            closest.removeAll(preferred);
            closest.prepend(preferred);
        }
    }
    const QString other = closest.size() > 1 ? QStringLiteral(" (ou %1)").arg(closest.at(1)) : QString();
    FoundMistake found = mistake("nome_parecido",
                                 QStringLiteral("Na linha %1, %2 não existe: você quis dizer %3%4? "
                                                "Troque %2 por %3 (confira as letras e as "
                                                "maiúsculas).")
                                     .arg(c.line())
                                     .arg(c.unknownName, closest.first(), other));
    return token >= 0 ? placed(found, c.tokens.at(token)) : found;
}

} // namespace detectors

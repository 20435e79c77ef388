#include "javatools/mistake_finder.h"

#include "javatools/jdk_names.h"
#include "javatools/mistake_detectors.h"
#include "javatools/name_distance.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// The same letters in another order: a swap, the likeliest slip of all.
bool sameLetters(QString a, QString b)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

const QStringList kSyntaxMessages = {
    "illegal start of expression", "illegal start of type", "not a statement",
    "reached end of file while parsing", "'else' without 'if'", "'catch' without 'try'",
    "invalid method declaration; return type required", "variable declaration not allowed here",
    "unclosed string literal", "unclosed character literal", "unclosed comment",
    "empty character literal", "illegal escape character", "'.class' expected",
};

} // namespace

MistakeFinder::MistakeFinder(const QStringList &sourceLines)
    : m_tokens(sourceLines), m_braces(m_tokens), m_declarations(m_tokens)
{
}

const QStringList &MistakeFinder::ids()
{
    static const QStringList kinds = {
        "aspas_faltando",
        "maiuscula_em_palavra_reservada",
        "espaco_no_nome",
        "numero_colado_no_nome",
        "x_como_vezes",
        "operador_invertido",
        "chaves_na_condicao",
        "colchete_no_lugar_do_parentese",
        "ponto_e_virgula_entre_argumentos",
        "falta_mais",
        "virgula_no_lugar_do_ponto",
        "virgula_no_fim",
        "virgula_no_for",
        "parenteses_na_classe",
        "ponto_e_virgula_no_cabecalho",
        "throws_na_classe",
        "corpo_entre_parenteses",
        "modificador_em_variavel_local",
        "falta_abre_chave",
        "ponto_e_virgula_depois_da_condicao",
        "sobra_fechamento",
        "falta_fechamento",
        "falta_chave",
        "sobra_chave",
        "fora_do_metodo",
        "chaves_desencontradas",
        "linha_incompleta",
        "igual_depois_do_metodo",
        "declaracao_sem_nome",
        "void_como_tipo",
        "class_como_tipo",
        "chamada_sem_parenteses",
        "igual_na_condicao",
        "texto_comparado_com_numero",
        "void_como_valor",
        "retorno_em_metodo_void",
        "retorno_de_outro_tipo",
        "construtor_com_outro_nome",
        "falta_new",
        "metodo_sem_objeto",
        "variavel_nao_declarada",
        "nome_parecido",
        "argumento_de_outro_tipo",
        "codigo_depois_do_fim",
    };
    return kinds;
}

bool MistakeFinder::isSyntaxError(const JavacMessage &message)
{
    if (message.kind != JavacMessage::Kind::Error)
        return false;
    const QString &text = message.text;
    return text.endsWith(QLatin1String(" expected")) || kSyntaxMessages.contains(text)
           || text.startsWith(QLatin1String("orphaned "))
           || text.startsWith(QLatin1String("illegal character"))
           || text.startsWith(QLatin1String("'try' without"));
}

QStringList MistakeFinder::closestNames(const QString &name) const
{
    if (name.size() < 2)
        return {};
    // The student's own classes, methods and variables first, then the
    // JDK's, then whatever else the source writes.
    QStringList candidates;
    QSet<QString> seen{name};
    const auto offer = [&](const QString &candidate) {
        if (!seen.contains(candidate)) {
            seen.insert(candidate);
            candidates.append(candidate);
        }
    };
    for (const SourceToken &t : m_tokens.all()) {
        if (t.isName() && (m_declarations.declaresVariable(t.text) || m_declarations.methods.contains(t.text)
                           || m_declarations.classes.contains(t.text)))
            offer(t.text);
    }
    for (const QString &jdk : JdkNames::standard().allNames())
        offer(jdk);
    const int allowed = name.size() <= 4 ? 1 : 2;
    QStringList best;
    int bestDistance = allowed + 1;
    for (const QString &candidate : std::as_const(candidates)) {
        // Only the capitals differ: nothing is closer.
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return {candidate};
        const int d = nameDistance(name, candidate);
        if (d < bestDistance) {
            best = {candidate};
            bestDistance = d;
        } else if (d == bestDistance && d <= allowed) {
            best.append(candidate);
        }
    }
    // Among equals, the same letters swapped beat a letter more or less.
    std::stable_partition(best.begin(), best.end(),
                          [&name](const QString &candidate) { return sameLetters(candidate, name); });
    return best;
}

bool MistakeFinder::isKnownName(const QString &name) const
{
    if (JdkNames::standard().allNames().contains(name))
        return true;
    return std::any_of(m_tokens.all().begin(), m_tokens.all().end(),
                       [&name](const SourceToken &t) { return t.isName() && t.text == name; });
}

std::optional<FoundMistake> MistakeFinder::find(const JavacMessage &message,
                                                const CompilerDiagnostic *data) const
{
    MistakeContext context{*this, message, data};
    const int line = context.line();
    const int column = data && data->column > 0 ? data->column : message.column;
    if (line <= 0)
        return std::nullopt;
    context.at = m_tokens.indexAt(line, qMax(column, 1));
    context.before = m_tokens.indexBefore(line, qMax(column, 1));
    static const QRegularExpression symbol(
        QStringLiteral("^symbol: (variable|class|method) ([A-Za-z_$][\\w$]*)(\\(.*\\))?"));
    for (const QString &detail : message.details) {
        if (const QRegularExpressionMatch match = symbol.match(detail); match.hasMatch()) {
            context.unknownKind = match.captured(1);
            context.unknownName = match.captured(2);
            context.unknownArguments = match.captured(3);
        } else if (detail.startsWith(QLatin1String("location: "))) {
            context.location = detail.mid(10);
        }
    }
    static const QRegularExpression package(QStringLiteral("^package ([\\w$.]+) does not exist$"));
    if (const QRegularExpressionMatch match = package.match(message.text); match.hasMatch()) {
        context.unknownName = match.captured(1);
        context.unknownKind = QStringLiteral("package");
    }

    using namespace detectors;
    static const Detector order[] = {
        missingQuote,          capitalKeyword,         badNumber,
        methodAssigned,        reversedOperator,       conditionInBraces,
        bracketForParenthesis, semicolonBetweenArguments, commasInFor,
        commaForDot,           missingPlus,            classHeader,
        methodHeader,          declarationWithoutName, voidVariable,
        spaceInName,           modifierOnLocal,        missingOpeningBrace,
        semicolonAfterCondition, closeMissingBeforeElse, parenthesesOnLine,
        extraClosingBrace,     unclosedBlock,          unfinishedLineAbove,
        codeOutsideMethod,     callWithoutParentheses, assignmentInCondition,
        textComparedByOrder,   voidAsValue,            wrongReturn,
        constructorName,       newMissing,             methodWithoutObject,
        undeclaredVariable,    misspeltName,           wrongArgumentType,
        unreachableAfter,
    };
    for (const Detector detector : order) {
        if (std::optional<FoundMistake> found = detector(context))
            return found;
    }
    return std::nullopt;
}

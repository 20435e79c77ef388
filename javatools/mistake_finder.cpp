#include "javatools/mistake_finder.h"

#include "javatools/mistake_detectors.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// The names of the JDK that first programs use.
const QStringList &jdkNames()
{
    static const QStringList names = {
        "System", "String", "Scanner", "Math", "Integer", "Double", "Boolean", "Character",
        "ArrayList", "List", "JOptionPane", "JFrame", "JButton", "JLabel", "JTextField",
        "JPanel", "Random", "Arrays", "Object", "StringBuilder", "Exception", "Thread",
        "Applet", "Graphics", "Color", "Font", "Frame", "Button", "Label", "TextField",
        "ActionListener", "ActionEvent", "Container", "out", "in", "err", "println", "print",
        "printf", "format", "length", "charAt", "equals", "equalsIgnoreCase", "substring",
        "indexOf", "toUpperCase", "toLowerCase", "trim", "split", "nextInt", "nextLine",
        "nextDouble", "next", "nextBoolean", "hasNext", "hasNextInt", "parseInt",
        "parseDouble", "valueOf", "toString", "sqrt", "pow", "abs", "max", "min", "random",
        "round", "floor", "ceil", "add", "get", "set", "size", "remove", "contains", "isEmpty",
        "showMessageDialog", "showInputDialog", "main", "args", "setText", "getText",
        "setVisible", "setSize", "setBounds", "close", "sleep", "start", "run", "drawString",
        "setColor", "repaint", "paint", "init", "nextFloat", "compareTo", "replace",
        "contentEquals", "getContentPane", "setLayout", "addActionListener",
    };
    return names;
}

// Optimal string alignment distance: edits, with a swap of two neighbours
// counting as one.
int distance(const QString &a, const QString &b)
{
    const int n = int(a.size());
    const int m = int(b.size());
    std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1));
    for (int i = 0; i <= n; ++i)
        d[i][0] = i;
    for (int j = 0; j <= m; ++j)
        d[0][j] = j;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= m; ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[n][m];
}

const QStringList kSyntaxMessages = {
    "illegal start of expression", "illegal start of type", "not a statement",
    "reached end of file while parsing", "'else' without 'if'", "'catch' without 'try'",
    "invalid method declaration; return type required", "variable declaration not allowed here",
    "unclosed string literal", "unclosed character literal", "unclosed comment",
    "empty character literal", "illegal escape character", "'.class' expected",
};

} // namespace

MistakeFinder::MistakeFinder(const QStringList &sourceLines) : m_tokens(sourceLines) {}

const QStringList &MistakeFinder::ids()
{
    static const QStringList kinds = {
        "maiuscula_em_palavra_reservada",
        "espaco_no_nome",
        "numero_colado_no_nome",
        "x_como_vezes",
        "falta_mais",
        "virgula_no_lugar_do_ponto",
        "virgula_no_fim",
        "virgula_no_for",
        "parenteses_na_classe",
        "ponto_e_virgula_no_cabecalho",
        "throws_na_classe",
        "corpo_entre_parenteses",
        "sobra_fechamento",
        "falta_fechamento",
        "falta_chave",
        "sobra_chave",
        "fora_do_metodo",
        "linha_incompleta",
        "igual_depois_do_metodo",
        "declaracao_sem_nome",
        "void_como_tipo",
        "class_como_tipo",
        "void_como_valor",
        "retorno_em_metodo_void",
        "retorno_de_outro_tipo",
        "nome_parecido",
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

QString MistakeFinder::closestName(const QString &name) const
{
    if (name.size() < 2)
        return {};
    // The source's own names first: the student's variables and methods.
    QStringList candidates;
    QSet<QString> seen{name};
    for (const SourceToken &t : m_tokens.all()) {
        if (t.isName() && !seen.contains(t.text)) {
            seen.insert(t.text);
            candidates.append(t.text);
        }
    }
    for (const QString &jdk : jdkNames()) {
        if (!seen.contains(jdk))
            candidates.append(jdk);
    }
    const int allowed = name.size() <= 4 ? 1 : 2;
    QString best;
    int bestDistance = allowed + 1;
    for (const QString &candidate : std::as_const(candidates)) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
        const int d = distance(name, candidate);
        if (d < bestDistance) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
}

bool MistakeFinder::isKnownName(const QString &name) const
{
    if (jdkNames().contains(name))
        return true;
    return std::any_of(m_tokens.all().begin(), m_tokens.all().end(),
                       [&name](const SourceToken &t) { return t.isName() && t.text == name; });
}

std::optional<FoundMistake> MistakeFinder::find(const JavacMessage &message,
                                                const CompilerDiagnostic *data) const
{
    MistakeContext context{m_tokens, message, data, QString(), -1, -1, {}, {}};
    const int line = context.line();
    const int column = data && data->column > 0 ? data->column : message.column;
    if (line <= 0)
        return std::nullopt;
    context.at = m_tokens.indexAt(line, qMax(column, 1));
    context.before = m_tokens.indexBefore(line, qMax(column, 1));
    static const QRegularExpression symbol(
        QStringLiteral("^symbol: (?:variable|class|method) ([A-Za-z_$][\\w$]*)"));
    for (const QString &detail : message.details) {
        const QRegularExpressionMatch match = symbol.match(detail);
        if (match.hasMatch())
            context.unknownName = match.captured(1);
    }
    static const QRegularExpression package(QStringLiteral("^package ([\\w$.]+) does not exist$"));
    if (const QRegularExpressionMatch match = package.match(message.text); match.hasMatch())
        context.unknownName = match.captured(1);
    context.closestName = [this](const QString &name) { return closestName(name); };
    context.isKnownName = [this](const QString &name) { return isKnownName(name); };

    static const Detector order[] = {
        detectors::capitalKeyword,   detectors::badNumber,        detectors::methodAssigned,
        detectors::commasInFor,      detectors::commaForDot,      detectors::missingPlus,
        detectors::classHeader,      detectors::methodHeader,     detectors::declarationWithoutName,
        detectors::voidVariable,     detectors::spaceInName,      detectors::parenthesesOnLine,
        detectors::extraClosingBrace, detectors::unclosedBlock,   detectors::unfinishedLineAbove,
        detectors::codeOutsideMethod, detectors::voidAsValue,     detectors::wrongReturn,
        detectors::misspeltName,
    };
    for (const Detector detector : order) {
        if (std::optional<FoundMistake> found = detector(context))
            return found;
    }
    return std::nullopt;
}

#include "javatools/compiler_explanations.h"

#include "javatools/compiler_diagnostic.h"
#include "javatools/compiler_messages.h"
#include "javatools/mistake_finder.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringDecoder>

#include <optional>

static void initExplanationResources()
{
    // The resource lives in a static library: register it explicitly.
    Q_INIT_RESOURCE(explanations);
}

// The fields of one "[name]" block of the table text, before they become an entry.
struct CompilerExplanations::Block
{
    int line = 0;
    QString id;
    QStringList keys;
    QStringList values;
    QList<int> lines;
};

namespace {

const QStringList builtInNames = {QStringLiteral("linha"), QStringLiteral("coluna"),
                                  QStringLiteral("local"), QStringLiteral("arquivo")};

const QRegularExpression &placeholder()
{
    static const QRegularExpression expression(QStringLiteral("\\{([^{}\\s]+)\\}"));
    return expression;
}

// "Explicação" and "explicacao" are the same key: teachers type either.
QString normalizedKey(const QString &key)
{
    QString result;
    for (const QChar c : key.trimmed().toLower().normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    return result;
}

QString atLine(int line, const QString &what)
{
    return QStringLiteral("linha %1: %2").arg(line).arg(what);
}

std::optional<JavacMessage::Kind> kindNamed(const QString &name)
{
    const QString key = normalizedKey(name);
    if (key == QLatin1String("erro") || key == QLatin1String("error"))
        return JavacMessage::Kind::Error;
    if (key == QLatin1String("aviso") || key == QLatin1String("warning"))
        return JavacMessage::Kind::Warning;
    if (key == QLatin1String("nota") || key == QLatin1String("note"))
        return JavacMessage::Kind::Note;
    return std::nullopt;
}

} // namespace

const CompilerExplanations &CompilerExplanations::standard()
{
    static const CompilerExplanations table = fromResource(standardTablePath());
    return table;
}

CompilerExplanations CompilerExplanations::fromResource(const QString &path)
{
    initExplanationResources();
    QFile file(path);
    QString text;
    if (file.open(QIODevice::ReadOnly))
        text = QStringDecoder(QStringDecoder::Utf8)(file.readAll());
    CompilerExplanations result(text);
    if (text.isEmpty())
        result.m_errors.prepend(QStringLiteral("a tabela %1 não pôde ser lida").arg(path));
    for (const QString &error : result.m_errors)
        qWarning("%s: %s", qPrintable(QFileInfo(path).fileName()), qPrintable(error));
    return result;
}

std::optional<CompilerExplanation> CompilerExplanations::explainMessage(const JavacMessage &message) const
{
    for (const Entry &entry : m_entries) {
        QHash<QString, QString> values;
        if (match(entry, message, values))
            return CompilerExplanation{entry.id, message.firstRow, message.lastRow, message.line,
                                       message.column, fill(entry.text, message, values)};
    }
    return std::nullopt;
}

QString CompilerExplanations::standardTablePath()
{
    return QStringLiteral(":/javatools/explicacoes.txt");
}

QString CompilerExplanations::linePrefix()
{
    return QStringLiteral("    → ");
}

CompilerExplanations::CompilerExplanations(const QString &tableText)
{
    parse(tableText);
}

void CompilerExplanations::parse(const QString &tableText)
{
    static const QRegularExpression header(QStringLiteral("^\\[([^\\]]*)\\]$"));
    static const QRegularExpression field(QStringLiteral("^([^:]+):(.*)$"));
    std::optional<Block> block;
    bool inTerms = false;
    const QStringList lines = tableText.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const QString raw = CompilerMessages::withoutLineEnd(lines.at(i));
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (const QRegularExpressionMatch match = header.match(line); match.hasMatch()) {
            if (block)
                finishBlock(*block);
            block.reset();
            const QString id = match.captured(1).trimmed();
            inTerms = normalizedKey(id) == QLatin1String("termos");
            if (inTerms)
                continue;
            block = Block{number, id, {}, {}, {}};
            continue;
        }
        if (inTerms) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals <= 0 || line.mid(equals + 1).trimmed().isEmpty())
                m_errors << atLine(number, QStringLiteral("um termo se escreve \"texto do javac = texto em português\""));
            else
                m_terms.append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
            continue;
        }
        if (!block) {
            m_errors << atLine(number, QStringLiteral("texto fora de uma explicação (falta o [nome] antes)"));
            continue;
        }
        // An indented line continues the field above it, so that long texts stay readable.
        if (CompilerMessages::isIndentedLine(raw) && !block->values.isEmpty()) {
            block->values.last() += QLatin1Char(' ') + line;
            continue;
        }
        const QRegularExpressionMatch match = field.match(line);
        if (!match.hasMatch()) {
            m_errors << atLine(number, QStringLiteral("esperava \"campo: valor\""));
            continue;
        }
        block->keys << normalizedKey(match.captured(1));
        block->values << match.captured(2).trimmed();
        block->lines << number;
    }
    if (block)
        finishBlock(*block);
}

namespace {

// A pattern is javac's text with {name} wherever any text may stand; runs of
// spaces match any run of spaces, since javac pads its detail lines.
std::optional<QPair<QRegularExpression, QStringList>> compilePattern(const QString &pattern)
{
    QString regex = QStringLiteral("^");
    QStringList names;
    qsizetype from = 0;
    const auto literal = [&](const QString &text) {
        const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (text.startsWith(QLatin1Char(' ')))
            regex += QStringLiteral("\\s+");
        for (qsizetype w = 0; w < words.size(); ++w) {
            if (w > 0)
                regex += QStringLiteral("\\s+");
            regex += QRegularExpression::escape(words.at(w));
        }
        if (text.endsWith(QLatin1Char(' ')) && !words.isEmpty())
            regex += QStringLiteral("\\s+");
    };
    const QString simplified = pattern.simplified();
    for (const auto &match : placeholder().globalMatch(simplified)) {
        literal(simplified.mid(from, match.capturedStart() - from));
        regex += QStringLiteral("(.*?)");
        names << match.captured(1);
        from = match.capturedEnd();
    }
    literal(simplified.mid(from));
    regex += QStringLiteral("$");
    QRegularExpression expression(regex);
    if (!expression.isValid())
        return std::nullopt;
    return qMakePair(expression, names);
}

} // namespace

void CompilerExplanations::finishBlock(const Block &block)
{
    const int errorsBefore = int(m_errors.size());
    const auto error = [&](int line, const QString &what) { m_errors << atLine(line, what); };
    static const QRegularExpression validId(QStringLiteral("^[a-z0-9_]+$"));
    if (!validId.match(block.id).hasMatch())
        error(block.line, QStringLiteral("o nome [%1] deve ter só letras minúsculas sem acento, algarismos e _").arg(block.id));
    for (const Entry &other : std::as_const(m_entries))
        if (other.id == block.id)
            error(block.line, QStringLiteral("o nome [%1] já foi usado").arg(block.id));

    Entry entry;
    entry.id = block.id;
    QStringList messageNamesCommon;
    QStringList detailNames;
    bool firstMessage = true;
    int texts = 0;
    for (qsizetype i = 0; i < block.keys.size(); ++i) {
        const QString &key = block.keys.at(i);
        const QString &value = block.values.at(i);
        const int line = block.lines.at(i);
        if (key == QLatin1String("tipo")) {
            if (const auto kind = kindNamed(value))
                entry.kind = *kind;
            else
                error(line, QStringLiteral("tipo \"%1\" desconhecido (use erro, aviso ou nota)").arg(value));
        } else if (key == QLatin1String("mensagem") || key == QLatin1String("detalhe")) {
            const auto compiled = compilePattern(value);
            if (value.isEmpty() || !compiled) {
                error(line, QStringLiteral("o padrão \"%1\" não pode ser usado").arg(value));
                continue;
            }
            for (const QString &name : compiled->second)
                if (builtInNames.contains(name))
                    error(line, QStringLiteral("{%1} é preenchido pelo programa; dê outro nome a esta parte").arg(name));
            if (key == QLatin1String("mensagem")) {
                entry.messages.append({compiled->first, compiled->second});
                if (firstMessage)
                    messageNamesCommon = compiled->second;
                else
                    messageNamesCommon.removeIf([&](const QString &n) { return !compiled->second.contains(n); });
                firstMessage = false;
            } else {
                entry.details.append({compiled->first, compiled->second});
                detailNames << compiled->second;
            }
        } else if (key == QLatin1String("explicacao")) {
            entry.text = value;
            ++texts;
        } else {
            error(line, QStringLiteral("campo \"%1\" desconhecido (use tipo, mensagem, detalhe ou explicação)").arg(key));
        }
    }
    if (entry.messages.isEmpty())
        error(block.line, QStringLiteral("[%1] não tem mensagem").arg(block.id));
    if (texts != 1)
        error(block.line, QStringLiteral("[%1] precisa de uma explicação, e só uma").arg(block.id));
    for (const auto &match : placeholder().globalMatch(entry.text)) {
        const QString name = match.captured(1);
        if (!builtInNames.contains(name) && !messageNamesCommon.contains(name) && !detailNames.contains(name))
            error(block.line, QStringLiteral("[%1]: {%2} não aparece na mensagem nem nos detalhes").arg(block.id, name));
    }
    if (m_errors.size() == errorsBefore)
        m_entries.append(entry);
}

bool CompilerExplanations::match(const Entry &entry, const JavacMessage &message,
                                 QHash<QString, QString> &values) const
{
    if (entry.kind != message.kind)
        return false;
    const auto capture = [&](const Pattern &pattern, const QRegularExpressionMatch &found) {
        for (qsizetype i = 0; i < pattern.names.size(); ++i)
            values.insert(pattern.names.at(i), found.captured(int(i + 1)));
    };
    bool matched = false;
    for (const Pattern &pattern : entry.messages) {
        const QRegularExpressionMatch found = pattern.regex.match(message.text);
        if (found.hasMatch()) {
            capture(pattern, found);
            matched = true;
            break;
        }
    }
    if (!matched)
        return false;
    for (const Pattern &pattern : entry.details) {
        bool detailFound = false;
        for (const QString &detail : message.details) {
            const QRegularExpressionMatch found = pattern.regex.match(detail);
            if (found.hasMatch()) {
                capture(pattern, found);
                detailFound = true;
                break;
            }
        }
        if (!detailFound)
            return false;
    }
    return true;
}

QString CompilerExplanations::fill(const QString &text, const JavacMessage &message,
                                   QHash<QString, QString> values) const
{
    for (QString &value : values)
        for (const Term &term : m_terms)
            value.replace(term.javac, term.portuguese);
    values.insert(QStringLiteral("linha"), QString::number(message.line));
    values.insert(QStringLiteral("coluna"), message.column > 0 ? QString::number(message.column) : QStringLiteral("?"));
    values.insert(QStringLiteral("arquivo"), message.file);
    QString where = QStringLiteral("linha %1").arg(message.line);
    if (message.column > 0)
        where += QStringLiteral(", coluna %1").arg(message.column);
    values.insert(QStringLiteral("local"), where);

    // One pass over the text: values that contain braces are never expanded again.
    QString result;
    qsizetype from = 0;
    for (const auto &match : placeholder().globalMatch(text)) {
        result += text.mid(from, match.capturedStart() - from);
        result += values.value(match.captured(1));
        from = match.capturedEnd();
    }
    result += text.mid(from);
    return result;
}

namespace {

// Whether `message` is about the compiled file ("A.java", "./A.java").
bool isAbout(const JavacMessage &message, const CompiledSource &source)
{
    QString file = message.file;
    if (file.startsWith(QLatin1String("./")))
        file = file.mid(2);
    return !file.isEmpty() && file == source.fileName;
}

// The helper's data for `message`: an error of the same line.
const CompilerDiagnostic *dataFor(const JavacMessage &message, const CompiledSource &source)
{
    for (const CompilerDiagnostic &d : source.diagnostics) {
        if (d.line == message.line && d.isError())
            return &d;
    }
    return nullptr;
}

} // namespace

QString CompilerExplanations::laterMessagesNote()
{
    return QStringLiteral(" As mensagens seguintes podem vir deste erro: corrija-o primeiro e "
                          "compile de novo.");
}

QList<CompilerExplanation> CompilerExplanations::explain(const QStringList &compilerLines,
                                                         const CompiledSource *source) const
{
    QList<CompilerExplanation> result;
    const QList<JavacMessage> messages = CompilerMessages::parse(compilerLines);
    const auto firstError = std::find_if(messages.begin(), messages.end(), [](const JavacMessage &m) {
        return m.kind == JavacMessage::Kind::Error;
    });
    // Read only when a message asks for it.
    std::optional<MistakeFinder> finder;
    for (auto message = messages.begin(); message != messages.end(); ++message) {
        CompilerExplanation explanation = explainMessage(*message).value_or(CompilerExplanation{
            QString(), message->firstRow, message->lastRow, message->line, message->column, QString()});
        // The real cause of the first error, and of every later error as long
        // as no error of syntax came before (those may be its consequences).
        const bool afterSyntax = std::any_of(firstError, message, [](const JavacMessage &m) {
            return MistakeFinder::isSyntaxError(m);
        });
        const bool diagnose = message->kind == JavacMessage::Kind::Error
                              && (message == firstError || !afterSyntax);
        if (diagnose && source && isAbout(*message, *source)) {
            if (!finder)
                finder.emplace(source->lines);
            if (const std::optional<FoundMistake> found = finder->find(*message, dataFor(*message, *source))) {
                explanation.id = found->id;
                explanation.text = found->text;
                explanation.causeLine = found->line;
                explanation.causeColumn = found->column;
                explanation.causeLength = found->length;
            }
            const bool moreErrors = std::any_of(message + 1, messages.end(), [](const JavacMessage &m) {
                return m.kind == JavacMessage::Kind::Error;
            });
            if (message == firstError && !explanation.text.isEmpty() && moreErrors
                && MistakeFinder::isSyntaxError(*message))
                explanation.text += laterMessagesNote();
        }
        if (!explanation.text.isEmpty())
            result.append(explanation);
    }
    return result;
}

QList<ExplainedLine> CompilerExplanations::interleave(const QStringList &compilerLines,
                                                      const CompiledSource *source) const
{
    return interleave(compilerLines, explain(compilerLines, source));
}

QList<ExplainedLine> CompilerExplanations::interleave(const QStringList &compilerLines,
                                                      const QList<CompilerExplanation> &explanations)
{
    QMultiMap<int, CompilerExplanation> below;
    for (const CompilerExplanation &explanation : explanations)
        below.insert(explanation.lastRow, explanation);
    QList<ExplainedLine> result;
    for (int row = 0; row < compilerLines.size(); ++row) {
        result.append({compilerLines.at(row), false, row});
        for (auto it = below.constFind(row); it != below.constEnd() && it.key() == row; ++it)
            result.append({linePrefix() + it->text, true, it->messageRow});
    }
    return result;
}

QStringList CompilerExplanations::ids() const
{
    QStringList result;
    for (const Entry &entry : m_entries)
        result << entry.id;
    return result;
}

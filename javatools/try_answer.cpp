#include "javatools/try_answer.h"

#include <QHash>
#include <QRegularExpression>

bool TryAnswer::has(TryItem::Kind kind) const
{
    return std::any_of(items.cbegin(), items.cend(), [kind](const TryItem &item) { return item.kind == kind; });
}

bool TryAnswer::take(const QList<QString> &fields)
{
    static const QHash<QString, TryItem::Kind> kinds = {
        {QStringLiteral("value"), TryItem::Kind::Value},         {QStringLiteral("var"), TryItem::Kind::Variable},
        {QStringLiteral("defined"), TryItem::Kind::Defined},     {QStringLiteral("unresolved"), TryItem::Kind::Unresolved},
        {QStringLiteral("error"), TryItem::Kind::Error},         {QStringLiteral("exception"), TryItem::Kind::Exception},
        {QStringLiteral("keyboard"), TryItem::Kind::Keyboard},   {QStringLiteral("cut"), TryItem::Kind::Cut},
        {QStringLiteral("stopped"), TryItem::Kind::Stopped},
    };
    if (fields.isEmpty() || !kinds.contains(fields.first()))
        return false;
    items.append(TryItem{kinds.value(fields.first()), fields.mid(1)});
    return true;
}

namespace tryanswer {

namespace {

// Skips a quoted string or char starting at `from` (its quote); returns the
// index just past its closing quote.
qsizetype pastQuoted(const QString &text, qsizetype from)
{
    const QChar quote = text.at(from);
    qsizetype i = from + 1;
    while (i < text.size() && text.at(i) != quote)
        i += text.at(i) == u'\\' ? 2 : 1;
    return qMin(i + 1, text.size());
}

} // namespace

QString valueText(const QString &value)
{
    // The session writes an array as its type and length, then its
    // elements in braces: "int[3] { 1, 2, 3 }", "String[2] { "a", "b" }",
    // nested ones inside; each such head goes and the braces become brackets.
    static const QRegularExpression head(QStringLiteral("\\G[\\w.$]+(?:<[^{}\"]*>)?\\[\\d+\\](?:\\[\\])* \\{ ?"));
    QString shown;
    qsizetype i = 0;
    while (i < value.size()) {
        const QChar c = value.at(i);
        if (c == u'"' || c == u'\'') {
            const qsizetype end = pastQuoted(value, i);
            shown += value.mid(i, end - i);
            i = end;
            continue;
        }
        const QRegularExpressionMatch match = head.match(value, i);
        if (match.hasMatch() && (i == 0 || !value.at(i - 1).isLetterOrNumber())) {
            shown += u'[';
            i = match.capturedEnd();
            continue;
        }
        if (c == u' ' && value.mid(i, 2) == QLatin1String(" }")) {
            shown += u']';
            i += 2;
            continue;
        }
        if (c == u'}' && (i == 0 || value.at(i - 1) == u'{')) {
            shown += u']';
            ++i;
            continue;
        }
        shown += c;
        ++i;
    }
    return shown;
}

QString typeText(const QString &type)
{
    static const QRegularExpression packages(QStringLiteral("\\b(?:[a-z_][\\w]*\\.)+(?=[A-Z_$])"));
    QString simple = type;
    simple.replace(packages, QString());
    return simple;
}

namespace {

QString withType(const QString &value, const QString &type)
{
    const QString shownType = typeText(type);
    return shownType.isEmpty() ? valueText(value) : QStringLiteral("%1 (%2)").arg(valueText(value), shownType);
}

// "method g()", "variable x", "class Ponto", as the session names what is missing.
QString missingText(const QString &missing)
{
    static const QList<QPair<QString, QString>> words = {
        {QStringLiteral("method "), QStringLiteral("o método ")},
        {QStringLiteral("variable "), QStringLiteral("a variável ")},
        {QStringLiteral("class "), QStringLiteral("a classe ")},
        {QStringLiteral("interface "), QStringLiteral("a interface ")},
    };
    for (const auto &[english, portuguese] : words)
        if (missing.startsWith(english))
            return portuguese + missing.mid(english.size());
    return missing;
}

QString declaredText(const QStringList &fields)
{
    const QString kind = fields.value(0);
    const QString name = fields.value(1);
    const bool replaced = fields.value(3) == QLatin1String("replaced");
    if (kind == QLatin1String("METHOD")) {
        const QString parameters = fields.value(2).split(u',', Qt::SkipEmptyParts).join(QStringLiteral(", "));
        return QStringLiteral("Método %1(%2) %3.").arg(name, typeText(parameters),
                                                      replaced ? QStringLiteral("substituído") : QStringLiteral("criado"));
    }
    return QStringLiteral("Classe %1 %2.").arg(name, replaced ? QStringLiteral("substituída") : QStringLiteral("criada"));
}

QString unresolvedText(const QStringList &fields)
{
    QStringList missing;
    for (const QString &name : fields.mid(2))
        missing.append(missingText(name));
    const QString what = fields.value(0) == QLatin1String("METHOD") ? QStringLiteral("O método %1 foi criado")
                         : fields.value(0) == QLatin1String("VAR")  ? QStringLiteral("A variável %1 foi criada")
                                                                    : QStringLiteral("A classe %1 foi criada");
    return what.arg(fields.value(1))
           + QStringLiteral(", mas só pode ser usado depois que existir %1.").arg(missing.join(QStringLiteral(" e ")));
}

} // namespace

QList<TryRow> rows(const TryAnswer &answer, bool byTimeLimit, int timeLimitSeconds)
{
    QList<TryRow> shown;
    const bool keyboard = answer.has(TryItem::Kind::Keyboard);
    bool explainedError = false;
    for (const TryItem &item : answer.items) {
        const QStringList &f = item.fields;
        switch (item.kind) {
        case TryItem::Kind::Value:
            shown.append({TryRow::Role::Value, withType(f.value(0), f.value(1))});
            break;
        case TryItem::Kind::Variable:
            shown.append({TryRow::Role::Variable,
                          QStringLiteral("%1 = %2").arg(f.value(0), withType(f.value(1), f.value(2)))});
            break;
        case TryItem::Kind::Defined:
            shown.append({TryRow::Role::Declared, declaredText(f)});
            break;
        case TryItem::Kind::Unresolved:
            shown.append({TryRow::Role::Declared, unresolvedText(f)});
            break;
        case TryItem::Kind::Error:
            // The first error of a text is the one to mend; the others
            // often follow from it.
            if (!explainedError)
                shown.append({TryRow::Role::Mistake, explainError(f)});
            explainedError = true;
            break;
        case TryItem::Kind::Exception:
            // Reading the keyboard here ends in an exception that is not
            // the student's mistake; the keyboard note says what happened.
            if (!keyboard && !answer.has(TryItem::Kind::Stopped))
                shown.append({TryRow::Role::Mistake, explainException(f)});
            break;
        case TryItem::Kind::Keyboard:
            shown.append({TryRow::Role::Note,
                          QStringLiteral("Esta linha quer ler o teclado, e aqui não há entrada: escreva o valor na "
                                         "própria linha (int n = 5;) ou rode o programa com \"Executar no Tavessa\".")});
            break;
        case TryItem::Kind::Cut:
            shown.append({TryRow::Role::Note, QStringLiteral("A saída passou de 1 MB; o resto não é mostrado.")});
            break;
        case TryItem::Kind::Stopped:
            shown.append({TryRow::Role::Note,
                          byTimeLimit ? QStringLiteral("Parado: a linha rodou por mais de %1 segundos (um laço que "
                                                       "não termina?).")
                                            .arg(timeLimitSeconds)
                                      : QStringLiteral("Parado.")});
            break;
        }
    }
    return shown;
}

bool isUnfinished(const QString &text)
{
    int depth = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (text.mid(i, 3) == QLatin1String("\"\"\"")) {
            const qsizetype end = text.indexOf(QLatin1String("\"\"\""), i + 3);
            if (end < 0)
                return true;
            i = end + 3;
        } else if (c == u'"' || c == u'\'') {
            // An unclosed quote is a mistake the compiler explains.
            const qsizetype lineEnd = text.indexOf(u'\n', i);
            const qsizetype end = pastQuoted(text, i);
            i = lineEnd >= 0 && lineEnd < end ? lineEnd : end;
        } else if (text.mid(i, 2) == QLatin1String("//")) {
            const qsizetype end = text.indexOf(u'\n', i);
            i = end < 0 ? text.size() : end;
        } else if (text.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = text.indexOf(QLatin1String("*/"), i + 2);
            if (end < 0)
                return true;
            i = end + 2;
        } else {
            if (c == u'(' || c == u'[' || c == u'{')
                ++depth;
            else if (c == u')' || c == u']' || c == u'}')
                --depth;
            ++i;
        }
    }
    return depth > 0;
}

} // namespace tryanswer

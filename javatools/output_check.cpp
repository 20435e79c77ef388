#include "javatools/output_check.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

// Line breaks as \n, and the last line's break neither required nor counted.
QString normalised(QString text)
{
    text.remove(QLatin1Char('\r'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QString withoutBlanks(const QString &text)
{
    QString squeezed;
    for (const QChar c : text)
        if (!c.isSpace())
            squeezed.append(c.toLower());
    return squeezed;
}

int firstDifference(const QString &a, const QString &b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (a.at(i) != b.at(i))
            return int(i);
    return a.size() == b.size() ? -1 : int(n);
}

QString quoted(const QString &text)
{
    return QStringLiteral("«%1»").arg(text.size() > 60 ? text.left(57) + QStringLiteral("...") : text);
}

// The last word before `at` in `text`: what a sentence can point at.
QString wordBefore(const QString &text, int at)
{
    int end = at;
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    int start = end;
    while (start > 0 && !text.at(start - 1).isSpace())
        --start;
    return text.mid(start, end - start);
}

// Why an exact comparison failed, in one sentence about the first difference.
QString whyDifferent(const QString &expected, const QString &obtained, int at)
{
    static const QRegularExpression decimalComma(QStringLiteral("\\d,\\d"));
    static const QRegularExpression decimalPoint(QStringLiteral("\\d\\.\\d"));
    const QStringList wanted = expected.split(QLatin1Char('\n'));
    const QStringList got = obtained.split(QLatin1Char('\n'));
    if (expected.contains(decimalPoint) && obtained.contains(decimalComma) && !obtained.contains(decimalPoint))
        return QStringLiteral("sua saída usa vírgula decimal; o exercício espera ponto (o programa roda no "
                              "idioma do computador: use Locale.US no printf ou no String.format)");
    if (expected.contains(decimalComma) && obtained.contains(decimalPoint) && !obtained.contains(decimalComma))
        return QStringLiteral("sua saída usa ponto decimal; o exercício espera vírgula");
    if (obtained.isEmpty())
        return QStringLiteral("o programa não escreveu nada");
    const QChar e = at < expected.size() ? expected.at(at) : QChar();
    const QChar o = at < obtained.size() ? obtained.at(at) : QChar();
    if (e == u'\n' && o != u'\n')
        return QStringLiteral("falta a quebra de linha depois de %1").arg(quoted(wordBefore(expected, at)));
    if (o == u'\n' && e != u'\n' && !e.isNull())
        return QStringLiteral("há uma quebra de linha a mais depois de %1").arg(quoted(wordBefore(obtained, at)));
    if (e.isNull())
        return got.size() > wanted.size() ? (got.size() - wanted.size() == 1
                                                   ? QStringLiteral("a saída tem uma linha a mais")
                                                   : QStringLiteral("a saída tem %1 linhas a mais").arg(got.size() - wanted.size()))
                                          : QStringLiteral("a saída continua depois do que era esperado: %1")
                                                .arg(quoted(obtained.mid(at)));
    if (o.isNull())
        return wanted.size() > got.size() ? QStringLiteral("falta %1 no fim da saída")
                                                .arg(wanted.size() - got.size() == 1
                                                         ? QStringLiteral("uma linha")
                                                         : QStringLiteral("%1 linhas").arg(wanted.size() - got.size()))
                                          : QStringLiteral("falta o fim da saída: %1").arg(quoted(expected.mid(at)));
    if (e.isSpace() != o.isSpace())
        return e.isSpace() ? QStringLiteral("falta um espaço depois de %1").arg(quoted(wordBefore(expected, at)))
                           : QStringLiteral("há um espaço a mais depois de %1").arg(quoted(wordBefore(obtained, at)));
    if (e.toLower() == o.toLower())
        return QStringLiteral("as letras maiúsculas e minúsculas diferem: o exercício espera %1, a saída tem %2")
            .arg(quoted(QString(e)), quoted(QString(o)));
    const int line = int(expected.left(at).count(QLatin1Char('\n')));
    return QStringLiteral("a linha %1 difere: o exercício espera %2, a saída tem %3")
        .arg(line + 1)
        .arg(quoted(wanted.value(line)), quoted(got.value(line)));
}

QStringList numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("[-+]?(\\d+([.,]\\d+)?|[.,]\\d+)([eE][-+]?\\d+)?"));
    QStringList found;
    for (const QRegularExpressionMatch &m : number.globalMatch(text))
        found.append(m.captured(0));
    return found;
}

QStringList wordsIn(const QString &text)
{
    return text.toLower().split(QRegularExpression(QStringLiteral("[^\\w]+"), QRegularExpression::UseUnicodePropertiesOption),
                                Qt::SkipEmptyParts);
}

} // namespace

QString verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Correct: return QStringLiteral("Correto");
    case Verdict::WrongAnswer: return QStringLiteral("Resposta errada");
    case Verdict::PresentationError: return QStringLiteral("Erro de apresentação");
    case Verdict::TimeLimit: return QStringLiteral("Tempo limite excedido");
    case Verdict::RuntimeError: return QStringLiteral("Erro de execução");
    case Verdict::CompileError: return QStringLiteral("Erro de compilação");
    }
    return {};
}

namespace outputcheck {

OutputCheck compare(const ExpectedOutput &expected, const QString &obtainedText)
{
    OutputCheck check;
    const QString wanted = normalised(expected.text);
    const QString got = normalised(obtainedText);
    switch (expected.comparison) {
    case OutputComparison::Exact: {
        const int at = firstDifference(wanted, got);
        if (at < 0) {
            check.verdict = Verdict::Correct;
            return check;
        }
        check.expectedAt = check.obtainedAt = at;
        check.verdict = withoutBlanks(wanted) == withoutBlanks(got) ? Verdict::PresentationError : Verdict::WrongAnswer;
        check.why = whyDifferent(wanted, got, at);
        return check;
    }
    case OutputComparison::Text:
        check.verdict = got == wanted ? Verdict::Correct : Verdict::WrongAnswer;
        if (check.verdict != Verdict::Correct) {
            check.expectedAt = check.obtainedAt = firstDifference(wanted, got);
            check.why = whyDifferent(wanted, got, check.expectedAt);
        }
        return check;
    case OutputComparison::Pattern: {
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(expected.text),
                                         expected.ignoreCase ? QRegularExpression::CaseInsensitiveOption
                                                             : QRegularExpression::NoPatternOption);
        check.verdict = pattern.match(got).hasMatch() ? Verdict::Correct : Verdict::WrongAnswer;
        if (check.verdict != Verdict::Correct)
            check.why = QStringLiteral("a saída não tem a forma que o exercício pede");
        return check;
    }
    case OutputComparison::Numbers: {
        const QStringList want = numbersIn(wanted);
        const QStringList have = numbersIn(got);
        for (qsizetype i = 0; i < qMax(want.size(), have.size()); ++i) {
            if (i >= want.size()) {
                check.why = QStringLiteral("a saída tem números a mais: %1").arg(quoted(have.at(i)));
                return check;
            }
            if (i >= have.size()) {
                check.why = QStringLiteral("faltam números na saída: o próximo esperado é %1").arg(quoted(want.at(i)));
                return check;
            }
            const double a = QString(want.at(i)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
            const double b = QString(have.at(i)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
            if (std::abs(a - b) > 1e-6 * qMax(1.0, std::abs(a))) {
                check.why = QStringLiteral("o %1º número difere: o exercício espera %2, a saída tem %3")
                                .arg(i + 1)
                                .arg(quoted(want.at(i)), quoted(have.at(i)));
                return check;
            }
        }
        check.verdict = Verdict::Correct;
        return check;
    }
    case OutputComparison::Words: {
        const QStringList want = wordsIn(wanted);
        const QStringList have = wordsIn(got);
        for (qsizetype i = 0; i < qMax(want.size(), have.size()); ++i) {
            if (want.value(i) != have.value(i)) {
                check.why = i >= have.size()   ? QStringLiteral("faltam palavras na saída: a próxima esperada é %1").arg(quoted(want.at(i)))
                            : i >= want.size() ? QStringLiteral("a saída tem palavras a mais: %1").arg(quoted(have.at(i)))
                                               : QStringLiteral("a %1ª palavra difere: o exercício espera %2, a saída tem %3")
                                                     .arg(i + 1)
                                                     .arg(quoted(want.at(i)), quoted(have.at(i)));
                return check;
            }
        }
        check.verdict = Verdict::Correct;
        return check;
    }
    }
    return check;
}

OutputCheck compare(const ExerciseCase &exerciseCase, const QString &obtained)
{
    OutputCheck best;
    for (const ExpectedOutput &expected : exerciseCase.outputs) {
        const OutputCheck check = compare(expected, obtained);
        if (check.verdict == Verdict::Correct)
            return check;
        // A presentation error is nearer than a wrong answer.
        if (best.why.isEmpty() || (check.verdict == Verdict::PresentationError && best.verdict != Verdict::PresentationError))
            best = check;
    }
    return best;
}

QString visible(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        if (c == u' ')
            shown += QChar(0x00B7);
        else if (c == u'\t')
            shown += QChar(0x2192);
        else if (c == u'\n')
            shown += QStringLiteral("↵\n");
        else if (c != u'\r')
            shown += c;
    }
    return shown;
}

} // namespace outputcheck

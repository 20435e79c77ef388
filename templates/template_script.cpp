#include "templates/template_script.h"

#include <QRegularExpression>

namespace {

constexpr QChar literalOpen(0x00AB);  // «
constexpr QChar literalClose(0x00BB); // »
constexpr QChar stepSeparator(0x00B7); // ·
constexpr QChar repeatMark(0x00D7);   // ×

// The print line's delimiter is kept as its character code.
constexpr char16_t printDelimiterCode = 34;

// Splits `text` at every `separator` that stands outside «...».
// Returns false when a literal is left open.
bool splitOutsideLiterals(const QString &text, QChar separator, QStringList &parts)
{
    bool inLiteral = false;
    QString current;
    for (const QChar c : text) {
        if (c == literalOpen && !inLiteral)
            inLiteral = true;
        else if (c == literalClose && inLiteral)
            inLiteral = false;
        if (c == separator && !inLiteral) {
            parts.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    parts.append(current);
    return !inLiteral;
}

bool parsePiece(const QString &source, TextPiece &piece, QString &error)
{
    const QString text = source.trimmed();
    if (text.size() >= 2 && text.front() == literalOpen && text.back() == literalClose) {
        const QString inside = text.mid(1, text.size() - 2);
        if (inside.contains(literalOpen) || inside.contains(literalClose)) {
            error = QStringLiteral("two literals without + between them: %1").arg(text);
            return false;
        }
        piece = {TextPiece::Kind::Literal, inside};
        return true;
    }
    if (text == QLatin1String("answer")) {
        piece = {TextPiece::Kind::Answer, {}};
        return true;
    }
    if (text == QLatin1String("delimiter")) {
        piece = {TextPiece::Kind::Delimiter, {}};
        return true;
    }
    if (text == QLatin1String("empty")) {
        piece = {TextPiece::Kind::Literal, {}};
        return true;
    }
    static const QRegularExpression spaces(QStringLiteral("^(\\d+) spaces?$"));
    const QRegularExpressionMatch match = spaces.match(text);
    if (match.hasMatch()) {
        piece = {TextPiece::Kind::Literal, QString(match.captured(1).toInt(), QLatin1Char(' '))};
        return true;
    }
    error = QStringLiteral("unknown piece: '%1'").arg(text);
    return false;
}

bool parseStep(const QString &source, ScriptStep &step, QString &error)
{
    QString text = source.trimmed();
    static const QRegularExpression advance(QStringLiteral("^\\+(\\d+)$"));
    if (const QRegularExpressionMatch match = advance.match(text); match.hasMatch()) {
        step = {ScriptStep::Kind::Advance, {}, match.captured(1).toInt()};
        return true;
    }
    if (text == QLatin1String("(+1)")) {
        step = {ScriptStep::Kind::AdvanceUnlessFirstLine, {}, 1};
        return true;
    }

    step = {ScriptStep::Kind::Text, {}, 1};
    QStringList repeated;
    splitOutsideLiterals(text, repeatMark, repeated);
    if (repeated.size() > 2) {
        error = QStringLiteral("more than one repeat in: %1").arg(text);
        return false;
    }
    if (repeated.size() == 2) {
        bool number = false;
        step.count = repeated.at(1).trimmed().toInt(&number);
        if (!number || step.count < 1) {
            error = QStringLiteral("bad repeat count in: %1").arg(text);
            return false;
        }
        text = repeated.at(0);
    }

    QStringList pieces;
    splitOutsideLiterals(text, QLatin1Char('+'), pieces);
    for (const QString &pieceText : pieces) {
        TextPiece piece;
        if (!parsePiece(pieceText, piece, error))
            return false;
        step.pieces.append(piece);
    }
    return true;
}

} // namespace

QChar printDelimiter()
{
    return QChar(printDelimiterCode);
}

QString composeText(const ScriptStep &step, const QString &answer)
{
    QString text;
    for (const TextPiece &piece : step.pieces) {
        switch (piece.kind) {
        case TextPiece::Kind::Literal:
            text += piece.literal;
            break;
        case TextPiece::Kind::Answer:
            text += answer;
            break;
        case TextPiece::Kind::Delimiter:
            text += printDelimiter();
            break;
        }
    }
    return text;
}

bool usesAnswer(const Script &script)
{
    for (const ScriptStep &step : script) {
        for (const TextPiece &piece : step.pieces) {
            if (piece.kind == TextPiece::Kind::Answer)
                return true;
        }
    }
    return false;
}

ScriptParse parseScript(const QString &notation)
{
    ScriptParse result;
    if (notation.trimmed().isEmpty()) {
        result.error = QStringLiteral("empty script");
        return result;
    }
    QStringList steps;
    if (!splitOutsideLiterals(notation, stepSeparator, steps)) {
        result.error = QStringLiteral("a literal is not closed: %1").arg(notation);
        return result;
    }
    for (const QString &stepText : steps) {
        if (stepText.trimmed().isEmpty()) {
            result.error = QStringLiteral("empty step in: %1").arg(notation);
            result.script.clear();
            return result;
        }
        ScriptStep step;
        if (!parseStep(stepText, step, result.error)) {
            result.script.clear();
            return result;
        }
        result.script.append(step);
    }
    return result;
}

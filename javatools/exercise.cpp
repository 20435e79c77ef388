#include "javatools/exercise.h"

#include "editor/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString failure(const QString &file, int line, const QString &what)
{
    return line > 0 ? QStringLiteral("O exercício \"%1\" não pôde ser aberto: na linha %2, %3.")
                          .arg(QDir::toNativeSeparators(file))
                          .arg(line)
                          .arg(what)
                    : QStringLiteral("O exercício \"%1\" não pôde ser aberto: %2.")
                          .arg(QDir::toNativeSeparators(file), what);
}

exercises::Reading failed(const QString &file, int line, const QString &what)
{
    return {std::nullopt, failure(file, line, what)};
}

// A file's text, UTF-8 or Windows-1252, without its line breaks' carriage returns.
std::optional<QString> readText(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = failure(path, 0, QStringLiteral("o arquivo não pôde ser lido (%1)").arg(file.errorString()));
        return std::nullopt;
    }
    if (file.size() > exercises::MaxBytes) {
        *error = failure(path, 0, QStringLiteral("o arquivo tem mais de %1 MB").arg(exercises::MaxBytes >> 20));
        return std::nullopt;
    }
    const TextFile text = TextFile::fromBytes(file.readAll());
    return text.lines.join(QLatin1Char('\n'));
}

// "título" and "titulo", "Saída" and "saida" alike.
QString plainKey(QString key)
{
    key = key.trimmed().toLower();
    static const QString accented = QStringLiteral("áâãàéêíóôõúç");
    static const QString plain = QStringLiteral("aaaaeeiooouc");
    for (QChar &c : key) {
        const qsizetype at = accented.indexOf(c);
        if (at >= 0)
            c = plain.at(at);
    }
    return key;
}

std::optional<OutputComparison> comparisonNamed(const QString &name)
{
    const QString key = plainKey(name);
    if (key == QLatin1String("exata") || key == QLatin1String("exato"))
        return OutputComparison::Exact;
    if (key == QLatin1String("numeros"))
        return OutputComparison::Numbers;
    if (key == QLatin1String("palavras"))
        return OutputComparison::Words;
    if (key == QLatin1String("texto"))
        return OutputComparison::Text;
    if (key == QLatin1String("regex") || key == QLatin1String("expressao"))
        return OutputComparison::Pattern;
    return std::nullopt;
}

QString comparisonName(OutputComparison comparison)
{
    switch (comparison) {
    case OutputComparison::Exact: return QStringLiteral("exata");
    case OutputComparison::Numbers: return QStringLiteral("números");
    case OutputComparison::Words: return QStringLiteral("palavras");
    case OutputComparison::Text: return QStringLiteral("texto");
    case OutputComparison::Pattern: return QStringLiteral("regex");
    }
    return {};
}

} // namespace

namespace exercises {

// Tavessa's own form: "chave: valor" lines, and blocks of lines that each
// begin with "| " (a lone "|" is an empty line), so that any text, blank
// lines and trailing blanks included, can be written down:
//
//   título: Soma de dois números
//   idioma: pt_BR
//   enunciado:
//   | <p>Leia dois inteiros e escreva a soma.</p>
//   caso: exemplo
//   entrada:
//   | 2
//   | 3
//   saída:
//   | 5
//   comparação: exata        (números, palavras, texto, regex)
//   tempo: 2                 (segundos)
//   oculto: sim
//   dica: some os dois números, não os junte como texto
Reading readTavessa(const QString &text, const QString &fileName)
{
    Exercise exercise;
    exercise.origin = fileName;
    const QStringList lines = text.split(QLatin1Char('\n'));
    QString *block = nullptr; // where "| " lines go
    bool blockStarted = false;
    ExerciseCase *current = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const int number = int(i + 1);
        if (line.startsWith(QLatin1Char('|'))) {
            if (!block)
                return failed(fileName, number, QStringLiteral("uma linha com | não pertence a nenhum bloco "
                                                               "(enunciado:, entrada: ou saída:)"));
            if (blockStarted)
                block->append(QLatin1Char('\n'));
            block->append(line.mid(line.startsWith(QLatin1String("| ")) ? 2 : 1));
            blockStarted = true;
            continue;
        }
        block = nullptr;
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return failed(fileName, number, QStringLiteral("falta o \":\" depois do nome do campo"));
        const QString key = plainKey(line.left(colon));
        const QString value = line.mid(colon + 1).trimmed();
        const auto needsCase = [&]() -> bool { return current != nullptr; };
        if (key == QLatin1String("titulo")) {
            exercise.title = value;
        } else if (key == QLatin1String("idioma")) {
            exercise.locale = value;
        } else if (key == QLatin1String("enunciado")) {
            block = &exercise.statementHtml;
        } else if (key == QLatin1String("caso")) {
            if (exercise.cases.size() >= MaxCases)
                return failed(fileName, number, QStringLiteral("o exercício tem mais de %1 casos").arg(MaxCases));
            exercise.cases.append(ExerciseCase());
            current = &exercise.cases.last();
            current->name = value.isEmpty() ? QString::number(exercise.cases.size()) : value;
            current->outputs.append(ExpectedOutput());
        } else if (!needsCase()) {
            return failed(fileName, number,
                          QStringLiteral("o campo \"%1\" vem antes de qualquer \"caso:\"").arg(line.left(colon).trimmed()));
        } else if (key == QLatin1String("entrada")) {
            block = &current->input;
        } else if (key == QLatin1String("saida")) {
            block = &current->outputs.first().text;
        } else if (key == QLatin1String("comparacao")) {
            const std::optional<OutputComparison> comparison = comparisonNamed(value);
            if (!comparison)
                return failed(fileName, number, QStringLiteral("a comparação \"%1\" não existe (use exata, "
                                                               "números, palavras, texto ou regex)").arg(value));
            current->outputs.first().comparison = *comparison;
        } else if (key == QLatin1String("tempo")) {
            bool ok = false;
            const double seconds = QString(value).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok || seconds <= 0 || seconds > 60)
                return failed(fileName, number, QStringLiteral("o tempo \"%1\" não é um número de segundos "
                                                               "entre 0 e 60").arg(value));
            current->timeLimitMs = int(seconds * 1000);
        } else if (key == QLatin1String("oculto")) {
            current->hidden = plainKey(value) == QLatin1String("sim");
        } else if (key == QLatin1String("dica")) {
            current->hint = value;
        } else {
            return failed(fileName, number, QStringLiteral("o campo \"%1\" não existe").arg(line.left(colon).trimmed()));
        }
        blockStarted = false;
    }
    if (exercise.cases.isEmpty())
        return failed(fileName, 0, QStringLiteral("ele não tem nenhum caso (\"caso:\")"));
    if (exercise.title.isEmpty())
        exercise.title = QFileInfo(fileName).completeBaseName();
    return {exercise, {}};
}

// Moodle's lab cases: "case = name", then "input =", "output =" (again for
// each accepted output), "grade reduction =", "fail message =", "timeout =";
// a value runs on over the following lines up to the next field.
Reading readVpl(const QString &text, const QString &fileName)
{
    static const QRegularExpression field(
        QStringLiteral("^\\s*(case|input|output|grade reduction|fail message|timeout|program to run|"
                       "program arguments|expected exit code|variation)\\s*=(.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    Exercise exercise;
    exercise.origin = fileName;
    exercise.title = QFileInfo(fileName).dir().dirName();
    QString *value = nullptr;
    QString ignored;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = field.match(lines.at(i));
        if (!match.hasMatch()) {
            if (value) {
                value->append(QLatin1Char('\n'));
                value->append(lines.at(i));
            } else if (!lines.at(i).trimmed().isEmpty()) {
                return failed(fileName, int(i + 1), QStringLiteral("esperava \"case =\""));
            }
            continue;
        }
        const QString key = match.captured(1).toLower();
        QString rest = match.captured(2);
        if (rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
        if (key == QLatin1String("case")) {
            if (exercise.cases.size() >= MaxCases)
                return failed(fileName, int(i + 1), QStringLiteral("o exercício tem mais de %1 casos").arg(MaxCases));
            exercise.cases.append(ExerciseCase());
            exercise.cases.last().name = rest.trimmed();
            value = &ignored;
            continue;
        }
        if (exercise.cases.isEmpty())
            return failed(fileName, int(i + 1), QStringLiteral("o campo \"%1\" vem antes de \"case =\"").arg(key));
        ExerciseCase &c = exercise.cases.last();
        if (key == QLatin1String("input")) {
            c.input = rest;
            value = &c.input;
        } else if (key == QLatin1String("output")) {
            c.outputs.append({rest, OutputComparison::Words, false});
            value = &c.outputs.last().text;
        } else if (key == QLatin1String("fail message")) {
            c.failMessage = rest;
            value = &c.failMessage;
        } else if (key == QLatin1String("timeout")) {
            bool ok = false;
            const double seconds = rest.trimmed().toDouble(&ok);
            if (!ok || seconds <= 0)
                return failed(fileName, int(i + 1), QStringLiteral("o timeout \"%1\" não é um número de segundos").arg(rest.trimmed()));
            c.timeLimitMs = int(qMin(seconds, 60.0) * 1000);
            value = &ignored;
        } else if (key == QLatin1String("grade reduction")) {
            c.gradeReduction = rest.trimmed().remove(QLatin1Char('%')).toDouble();
            value = &ignored;
        } else {
            value = &ignored; // program to run, arguments, exit code: not for Java exercises here
        }
    }
    // Each output's form: "exact", /pattern/, only numbers, or words.
    static const QRegularExpression number(QStringLiteral("^[-+]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][-+]?\\d+)?$"));
    for (ExerciseCase &c : exercise.cases) {
        if (c.input.endsWith(QLatin1Char('\n')))
            c.input.chop(1);
        for (ExpectedOutput &o : c.outputs) {
            const QString trimmed = o.text.trimmed();
            if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('"')) && trimmed.endsWith(QLatin1Char('"'))) {
                o.text = trimmed.mid(1, trimmed.size() - 2);
                o.comparison = OutputComparison::Text;
            } else if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('/'))
                       && (trimmed.endsWith(QLatin1Char('/')) || trimmed.endsWith(QLatin1String("/i")))) {
                o.ignoreCase = trimmed.endsWith(QLatin1String("/i"));
                o.text = trimmed.mid(1, trimmed.size() - (o.ignoreCase ? 3 : 2));
                o.comparison = OutputComparison::Pattern;
                if (!QRegularExpression(o.text).isValid())
                    return failed(fileName, 0, QStringLiteral("a expressão regular da saída do caso \"%1\" não é "
                                                              "válida").arg(c.name));
            } else {
                const QStringList tokens = trimmed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
                const bool numbers = !tokens.isEmpty() && std::all_of(tokens.begin(), tokens.end(), [](const QString &t) {
                    return number.match(t).hasMatch();
                });
                o.comparison = numbers ? OutputComparison::Numbers : OutputComparison::Words;
            }
        }
        if (c.outputs.isEmpty())
            return failed(fileName, 0, QStringLiteral("o caso \"%1\" não tem \"output =\"").arg(c.name));
    }
    if (exercise.cases.isEmpty())
        return failed(fileName, 0, QStringLiteral("ele não tem nenhum caso (\"case =\")"));
    return {exercise, {}};
}

Reading read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failed(path, 0, QStringLiteral("ele não existe"));
    QString error;
    if (!info.isDir()) {
        const std::optional<QString> text = readText(path, &error);
        if (!text)
            return {std::nullopt, error};
        return info.fileName().compare(QLatin1String("vpl_evaluate.cases"), Qt::CaseInsensitive) == 0
                   ? readVpl(*text, path)
                   : readTavessa(*text, path);
    }
    // A judge's folder: N.in beside N.out (or N.sol), in the order of N.
    const QDir folder(path);
    QStringList inputs = folder.entryList({QStringLiteral("*.in")}, QDir::Files);
    // 2.in before 10.in; names that are no numbers after them, by name.
    std::sort(inputs.begin(), inputs.end(), [](const QString &a, const QString &b) {
        bool aNumber = false;
        bool bNumber = false;
        const qlonglong x = QFileInfo(a).completeBaseName().toLongLong(&aNumber);
        const qlonglong y = QFileInfo(b).completeBaseName().toLongLong(&bNumber);
        if (aNumber != bNumber)
            return aNumber;
        return aNumber && x != y ? x < y : a < b;
    });
    if (inputs.size() > MaxCases)
        return failed(path, 0, QStringLiteral("a pasta tem mais de %1 casos").arg(MaxCases));
    Exercise exercise;
    exercise.origin = path;
    exercise.title = folder.dirName();
    for (const QString &input : std::as_const(inputs)) {
        const QString base = QFileInfo(input).completeBaseName();
        QString expected = folder.filePath(base + QStringLiteral(".out"));
        if (!QFileInfo::exists(expected))
            expected = folder.filePath(base + QStringLiteral(".sol"));
        if (!QFileInfo::exists(expected))
            return failed(path, 0, QStringLiteral("a entrada %1 não tem a saída %2.out (nem %2.sol)").arg(input, base));
        const std::optional<QString> in = readText(folder.filePath(input), &error);
        const std::optional<QString> out = in ? readText(expected, &error) : std::nullopt;
        if (!in || !out)
            return {std::nullopt, error};
        ExerciseCase c;
        c.name = base;
        c.input = *in;
        c.outputs.append({*out, OutputComparison::Exact, false});
        exercise.cases.append(c);
    }
    if (exercise.cases.isEmpty())
        return failed(path, 0, QStringLiteral("a pasta não tem nenhum arquivo .in"));
    for (const QString &page : folder.entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files)) {
        if (const std::optional<QString> html = readText(folder.filePath(page), &error)) {
            exercise.statementHtml = *html;
            break;
        }
    }
    return {exercise, {}};
}

QString writeTavessa(const Exercise &exercise)
{
    QString text = QStringLiteral("# Exercício do Tavessa\n");
    const auto block = [&text](const QString &key, const QString &content) {
        text += key + QStringLiteral(":\n");
        for (const QString &line : content.split(QLatin1Char('\n')))
            text += line.isEmpty() ? QStringLiteral("|\n") : QStringLiteral("| ") + line + QLatin1Char('\n');
    };
    text += QStringLiteral("título: %1\n").arg(exercise.title);
    if (!exercise.locale.isEmpty())
        text += QStringLiteral("idioma: %1\n").arg(exercise.locale);
    if (!exercise.statementHtml.isEmpty())
        block(QStringLiteral("enunciado"), exercise.statementHtml);
    for (const ExerciseCase &c : exercise.cases) {
        text += QStringLiteral("\ncaso: %1\n").arg(c.name);
        block(QStringLiteral("entrada"), c.input);
        const ExpectedOutput expected = c.outputs.value(0);
        block(QStringLiteral("saída"), expected.text);
        if (expected.comparison != OutputComparison::Exact)
            text += QStringLiteral("comparação: %1\n").arg(comparisonName(expected.comparison));
        if (c.timeLimitMs != 2000)
            text += QStringLiteral("tempo: %1\n").arg(c.timeLimitMs / 1000.0);
        if (c.hidden)
            text += QStringLiteral("oculto: sim\n");
        if (!c.hint.isEmpty())
            text += QStringLiteral("dica: %1\n").arg(c.hint);
    }
    return text;
}

} // namespace exercises

#include "grading.h"

#include "editor/text_file.h"
#include "javatools/compiler_explanations.h"
#include "javatools/javac_compiler.h"
#include "javatools/mistake_finder.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

// Table entries that only restate the compiler's message, or list the usual
// causes without choosing one: when they are not the mistake they tell the
// student nothing false. Every other entry (and every cause the finder
// names) is a wrong answer when it is not the mistake.
const QSet<QString> &restatingEntries()
{
    static const QSet<QString> ids = {
        "simbolo",           "simbolo_variavel",     "simbolo_metodo",    "simbolo_classe",
        "pacote_inexistente", "inicio_ilegal_de_expressao", "nao_e_instrucao", "fora_da_classe",
        "else_sem_if",       "tipos_incompativeis",  "operador_entre_tipos", "nenhum_metodo_serve",
        "nenhum_construtor_serve", "argumentos_do_metodo", "argumentos_do_construtor",
        "metodo_sem_tipo",   "caractere_ilegal",     "codigo_inalcancavel", "condicao_nao_booleana",
        "fim_de_arquivo",    "chaves_desencontradas",
    };
    return ids;
}

// The line numbers a Portuguese text names: "linha 12", "linhas 3 e 5".
QList<int> namedLines(const QString &text)
{
    static const QRegularExpression named(QStringLiteral("\\blinhas? (\\d+)(?: e (\\d+))?"));
    QList<int> lines;
    for (const QRegularExpressionMatch &m : named.globalMatch(text)) {
        lines << m.captured(1).toInt();
        if (!m.captured(2).isEmpty())
            lines << m.captured(2).toInt();
    }
    return lines;
}

} // namespace

QString gradeName(Grade grade)
{
    switch (grade) {
    case Grade::Right: return QStringLiteral("right");
    case Grade::Wrong: return QStringLiteral("wrong");
    case Grade::Literal: return QStringLiteral("literal");
    case Grade::None: return QStringLiteral("none");
    }
    return {};
}

Grade grade(const Expected &expected, const QString &id, const QString &text, int markedLine,
            int messageLine)
{
    if (id.isEmpty())
        return Grade::None;
    QList<int> lines = namedLines(text);
    if (markedLine > 0)
        lines << markedLine;
    if (lines.isEmpty())
        lines << messageLine;
    bool placed = lines.contains(expected.line);
    for (const int other : expected.otherLines)
        placed = placed || lines.contains(other);
    const bool misleads = !expected.avoid.isEmpty() && text.contains(expected.avoid);
    // An entry accepts its variants: indice_fora_do_vetor, indice_fora_do_vetor_no_laco.
    const bool named = std::any_of(expected.accepted.begin(), expected.accepted.end(), [&id](const QString &a) {
        return id == a || id.startsWith(a + QLatin1Char('_'));
    });
    const bool accepted = named && placed && !misleads;
    if (accepted && text.contains(expected.word))
        return Grade::Right;
    // The right cause in general words, without the facts that make it
    // this program's, is no wrong road either.
    if (accepted || restatingEntries().contains(id))
        return Grade::Literal;
    return Grade::Wrong;
}

Graded gradeCompile(JavacCompiler &compiler, const QString &path, const QStringList &lines,
                    const Expected &expected)
{
    Graded graded;
    const JavacCompiler::Result result = compiler.compile(path, "UTF-8");
    if (result.verdict == JavacCompiler::Verdict::Succeeded) {
        graded.compiled = true;
        return graded;
    }
    const CompiledSource source{QFileInfo(path).fileName(), TextFile::splitLines(lines.join('\n')),
                                result.diagnostics};
    const QList<JavacMessage> messages = CompilerMessages::parse(result.messages);
    const auto first = std::find_if(messages.begin(), messages.end(), [](const JavacMessage &m) {
        return m.kind == JavacMessage::Kind::Error;
    });
    if (first == messages.end()) {
        graded.message = result.messages.join(QLatin1String(" / "));
        return graded;
    }
    graded.message = QStringLiteral("%1: %2").arg(first->line).arg(first->text);
    for (const CompilerExplanation &e : CompilerExplanations::standard().explain(result.messages, &source)) {
        if (e.messageRow != first->firstRow)
            continue;
        graded.id = e.id;
        graded.text = e.text;
        graded.grade = grade(expected, e.id, e.text, e.causeLine, e.line);
    }
    return graded;
}

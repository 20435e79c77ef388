#pragma once

#include "javatools/exercise.h"

#include <QString>

// What a case's run came to.
enum class Verdict { Correct, WrongAnswer, PresentationError, TimeLimit, RuntimeError, CompileError };

// "Correto", "Resposta errada", "Erro de apresentação"...
QString verdictName(Verdict verdict);

// How a program's output compares with what a case expects.
struct OutputCheck
{
    Verdict verdict = Verdict::WrongAnswer;
    // Why, in Portuguese, when it is not Correct: "falta a quebra de linha
    // depois de 42", "a saída tem uma linha a mais"...
    QString why;
    // Where the texts first differ (character offsets), -1 when they do not.
    int expectedAt = -1;
    int obtainedAt = -1;
};

namespace outputcheck {

OutputCheck compare(const ExerciseCase &exerciseCase, const QString &obtained);
OutputCheck compare(const ExpectedOutput &expected, const QString &obtained);

// `text` with its blanks and line breaks made visible (· for a blank, → for
// a tab, ↵ at each line's end).
QString visible(const QString &text);

} // namespace outputcheck

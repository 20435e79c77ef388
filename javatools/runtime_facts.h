#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the student's source says about a run-time error at the line where
// it happened, as facts the table of run-time explanations can match
// ("acesso: nomes[i]", "laço com <=: i <= nomes.length", "elemento:
// notas[3]"...): the index and the loop that produced it, the element or
// the field that was null and why, the two types of a cast, the decimal
// separator the program reads, a method named almost main. Each fact is
// "name: value"; there is none when the source shows nothing certain.
namespace runtimefacts {

struct Error
{
    QString type;    // "java.lang.ArrayIndexOutOfBoundsException"
    QString message; // what follows the type and ": "
};

Error split(const QString &exceptionLine);

// Facts of `error`, raised at `line` (1-based; 0 for none) of `source`, with
// the last line typed.
QStringList about(const Error &error, const QStringList &source, int line,
                  const std::optional<QString> &lastInput);

} // namespace runtimefacts

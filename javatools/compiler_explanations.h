#pragma once

#include "javatools/compiler_messages.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>

// A compiler message that the table explains, and the explanation that goes
// right below it.
struct CompilerExplanation
{
    QString id;          // the table entry; also the anchor of its section in the help
    int messageRow = -1; // the message's first row in the compiler's lines
    int lastRow = -1;    // its last row: the explanation is shown below this one
    int line = 0;        // source line the message names, 0 for none
    int column = 0;      // 1-based caret column, 0 when javac shows none
    QString text;        // the Portuguese explanation with its placeholders filled in
    // Where the real cause stands when it was found elsewhere than the
    // message points (1-based; 0 when it was not).
    int causeLine = 0;
    int causeColumn = 0;
    int causeLength = 0;
};

// A row of the log once the explanations sit below their messages.
struct ExplainedLine
{
    QString text;
    bool explanation = false; // false: a line exactly as javac wrote it
    // The compiler row this line is; for an explanation, its message's first row.
    int compilerRow = -1;
};

// The source that was compiled, for explanations that look at it: its file
// name as the compiler names it, its lines, and the compile's diagnostics as
// data when the compile helper gave them.
struct CompiledSource
{
    QString fileName;
    QStringList lines;
    QList<struct CompilerDiagnostic> diagnostics;
};

// The table of Portuguese explanations of javac's messages (a text file a
// teacher can read and extend, see explicacoes.txt) and the matching of a
// compile's output against it.
class CompilerExplanations
{
public:
    // The table built into the program.
    static const CompilerExplanations &standard();
    // Resource path of the built-in table.
    static QString standardTablePath();
    // What goes in front of an explanation shown as a log line.
    static QString linePrefix();

    explicit CompilerExplanations(const QString &tableText);
    // A table of the same form kept as a resource; its faults are warned of.
    static CompilerExplanations fromResource(const QString &path);

    // For every message of `compilerLines` that an entry matches (the first
    // matching entry wins), its explanation, in the order of the messages.
    // With the `source`, the first error about it is explained by its real
    // cause when the source shows one (MistakeFinder), and a first error of
    // syntax says that the later messages may come from it.
    QList<CompilerExplanation> explain(const QStringList &compilerLines,
                                       const CompiledSource *source = nullptr) const;
    // The explanation of one message by the first entry that matches it.
    std::optional<CompilerExplanation> explainMessage(const JavacMessage &message) const;
    // The compiler's lines with each explanation, prefixed by linePrefix(),
    // inserted below the last line of its message.
    QList<ExplainedLine> interleave(const QStringList &compilerLines,
                                    const CompiledSource *source = nullptr) const;
    static QList<ExplainedLine> interleave(const QStringList &compilerLines,
                                           const QList<CompilerExplanation> &explanations);

    // What the explanation of a first syntax error adds when more messages follow.
    static QString laterMessagesNote();

    QStringList ids() const;
    // Faults of the table text, one per line ("linha 12: …"); empty when sound.
    QStringList errors() const { return m_errors; }

private:
    struct Pattern
    {
        QRegularExpression regex;
        QStringList names; // the placeholder of each capture group, in order
    };
    struct Entry
    {
        QString id;
        JavacMessage::Kind kind = JavacMessage::Kind::Error;
        QList<Pattern> messages; // alternatives: one of them must match
        QList<Pattern> details;  // each must match one detail line
        QString text;
    };
    struct Term
    {
        QString javac;
        QString portuguese;
    };
    struct Block;

    void parse(const QString &tableText);
    void finishBlock(const Block &block);
    bool match(const Entry &entry, const JavacMessage &message, QHash<QString, QString> &values) const;
    QString fill(const QString &text, const JavacMessage &message, QHash<QString, QString> values) const;

    QList<Entry> m_entries;
    QList<Term> m_terms;
    QStringList m_errors;
};

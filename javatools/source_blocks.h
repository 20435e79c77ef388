#pragma once

#include "javatools/source_tokens.h"

#include <QList>
#include <QString>

// How the braces of a source pair up, as the compiler pairs them.
struct Braces
{
    struct Pair
    {
        int open = -1;  // token index of "{"
        int close = -1; // of its "}", -1 when it never closes
    };
    QList<Pair> pairs;    // in the order of the "{"
    QList<int> unmatched; // "}" tokens with nothing to close
    QList<int> openAtEnd; // pairs (indexes) still open at the end, outermost first
    // The writer's habit, seen in the innermost blocks: each "}" under the
    // line that opened its block, or at the body's indentation; unclear
    // when too few blocks show it.
    enum class Habit { UnderOpening, AtBody, Unclear };
    Habit habit = Habit::UnderOpening;

    explicit Braces(const SourceTokens &tokens);
    // The innermost pair open around token `index`, or -1.
    int around(int index) const;
};

// Whether the "{" at token `open` begins the body of a class: a named one
// (class Name extends A implements B {) or an anonymous one (new Name() {).
bool isClassBody(const SourceTokens &tokens, int open);

// The method whose body holds a token: its name, declared type and header
// line; empty when the token is in no method.
struct MethodHeader
{
    QString name;
    QString type;
    int line = 0;
    int open = -1; // the body's "{"
};
MethodHeader enclosingMethod(const SourceTokens &tokens, const Braces &braces, int index);

// Blocks whose braces the indentation contradicts: a student writes each
// "}" under the line that opened its block (or, by habit, each at its
// body's indentation), so a "}" paired with a "{" elsewhere shows where one
// is missing or too many.
namespace blocks {

// The line that opens the block of the "{" at token `open`: its own, or the
// header above it when the "{" stands alone on its line.
int openingLine(const SourceTokens &tokens, int open);

// The indentation of the first line of a block's body, or -1 when the body
// has no line of its own.
int bodyIndent(const SourceTokens &tokens, const Braces::Pair &pair);

// Where the file's habit puts the "}" of `pair`: under its opening line, or
// at its body's indentation.
int expectedCloseIndent(const SourceTokens &tokens, const Braces &braces, const Braces::Pair &pair);

// Whether the source's indentation can be trusted: nearly every block that
// opens and closes on different lines has its body indented and its "}"
// where the file's habit puts it.
bool indentationIsReliable(const SourceTokens &tokens, const Braces &braces);

// The innermost block that a "}" up to `beforeLine` closes although it is
// written further left than the file's habit puts it: that block most
// likely lacks its own "}". -1 when the indentation tells nothing.
int missingItsClose(const SourceTokens &tokens, const Braces &braces, int beforeLine);

// The first "}" (token index) up to `beforeLine` written further right than
// the file's habit puts the "}" of the block it closes: it was meant for an
// inner block. -1 when there is none.
int closesTooFarOut(const SourceTokens &tokens, const Braces &braces, int beforeLine);

// Whether `line` declares a method: modifiers and a type, a name and its
// parameters (an annotation before them, a throws clause after them).
bool isMethodHeader(const SourceTokens &tokens, int line);

// A header (if, for, while, else, do, a method) whose body is written
// indented below it, closed by the "}" at `close` (a token index) under it
// or at the body's indentation,
// but that has no "{" of its own: its line, or 0. `statements` receives how
// many lines of the body lie between them.
int headerWithoutBrace(const SourceTokens &tokens, int close, int *statements = nullptr);

} // namespace blocks

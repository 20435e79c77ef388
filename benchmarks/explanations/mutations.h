#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One typical beginner's mistake injected into a correct program, and what
// its first explanation must say to be right: one of the accepted entries,
// naming the line (or one of the other lines that show the same mistake) and
// containing the word.
struct Mutant
{
    QStringList lines; // the program with the mistake; as many lines as before
    int line = 0;      // where the mistake was made (1-based)
    QList<int> otherLines; // lines an explanation may name instead (where the block opened...)
    QString word;      // what a right explanation contains
};

// A kind of mistake: how it is made and which explanations name it.
struct MutationKind
{
    QString id;
    QStringList accepted;
    QList<Mutant> (*make)(const QStringList &lines);
};

// Every kind the benchmark injects, in the order of its table.
const QList<MutationKind> &mutationKinds();

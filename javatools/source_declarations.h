#pragma once

#include "javatools/source_tokens.h"

#include <QHash>
#include <QSet>
#include <QString>

// What a source declares, as far as its tokens show: its classes, its
// methods, and its variables (fields, parameters, locals) with their types
// and the line of each declaration.
struct SourceDeclarations
{
    explicit SourceDeclarations(const SourceTokens &tokens);

    QSet<QString> classes;
    QSet<QString> methods;
    QHash<QString, QString> variableTypes; // the last declaration's type wins
    QMultiHash<QString, int> variableLines; // the line of each declaration
    QSet<QString> typeVaries;               // names declared with more than one type

    bool declaresVariable(const QString &name) const { return variableTypes.contains(name); }
    // A variable of `type` declared in the source ("entrada" for Scanner), or empty.
    QString variableOfType(const QString &type) const;
    // The type of every declaration of `name`, or empty when they differ.
    QString onlyTypeOf(const QString &name) const;

private:
    void addVariable(const QString &name, const QString &type);
};

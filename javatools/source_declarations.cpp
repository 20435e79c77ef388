#include "javatools/source_declarations.h"

namespace {

bool isPrimitive(const SourceToken &t)
{
    static const QSet<QString> types = {"int", "double", "float", "long", "short", "byte",
                                        "char", "boolean", "var"};
    return t.kind == tkKey && types.contains(t.text);
}

// Whether token `i` ends a type: int, String, int[], List<String>, a.b.C.
bool endsType(const SourceTokens &tokens, int i)
{
    const SourceToken t = tokens.get(i);
    if (isPrimitive(t) || (t.isName() && !tokens.get(i - 1).is(".")))
        return true;
    if (t.is("]"))
        return tokens.get(i - 1).is("[") && endsType(tokens, i - 2);
    return t.is(">") || (t.isName() && tokens.get(i - 1).is("."));
}

QString typeEndingAt(const SourceTokens &tokens, int i)
{
    QString suffix;
    while (tokens.get(i).is("]") && tokens.get(i - 1).is("[")) {
        suffix += QStringLiteral("[]");
        i -= 2;
    }
    int first = i;
    if (tokens.get(i).is(">")) {
        // List<String>: back to the name before the "<" that opens it.
        int depth = 0;
        for (; first >= 0; --first) {
            depth += tokens.at(first).is(">") ? 1 : tokens.at(first).is("<") ? -1 : 0;
            if (depth == 0)
                break;
        }
        --first;
    }
    QString type;
    for (int j = qMax(first, 0); j <= i; ++j)
        type += tokens.get(j).text;
    return type + suffix;
}

} // namespace

void SourceDeclarations::addVariable(const QString &name, const QString &type)
{
    const auto known = variableTypes.constFind(name);
    if (known != variableTypes.cend() && *known != type)
        typeVaries.insert(name);
    variableTypes.insert(name, type);
}

QString SourceDeclarations::onlyTypeOf(const QString &name) const
{
    return typeVaries.contains(name) ? QString() : variableTypes.value(name);
}

SourceDeclarations::SourceDeclarations(const SourceTokens &tokens)
{
    for (int i = 0; i + 1 < tokens.size(); ++i) {
        const SourceToken &t = tokens.at(i);
        const SourceToken next = tokens.get(i + 1);
        if ((t.isKeyword("class") || t.isKeyword("interface") || t.isKeyword("enum")) && next.isName()) {
            classes.insert(next.text);
            continue;
        }
        if (!t.isName() || !endsType(tokens, i - 1) || tokens.get(i - 1).isKeyword("new")
            || tokens.get(i - 1).isKeyword("return"))
            continue;
        if (next.is("(")) {
            methods.insert(t.text);
            continue;
        }
        static const QSet<QString> after = {"=", ";", ",", ")", ":", "["};
        if (!after.contains(next.text))
            continue;
        // `a, b` in a call are values, not declarations: a declaration's type
        // follows a statement's start, a "(" or a ",", and is no value itself.
        const SourceToken before = tokens.get(i - 2);
        if (tokens.get(i - 1).isName() && (before.isName() || before.isNumber() || before.isString()))
            continue;
        addVariable(t.text, typeEndingAt(tokens, i - 1));
        variableLines.insert(t.text, t.line);
        // int a = 1, b = 2; and int a, b;
        if (next.is(",") || next.is("=")) {
            int depth = 0;
            for (int j = i + 1; j < tokens.size(); ++j) {
                const SourceToken &u = tokens.at(j);
                depth += u.is("(") || u.is("{") || u.is("[") ? 1 : u.is(")") || u.is("}") || u.is("]") ? -1 : 0;
                if (depth < 0 || u.is(";"))
                    break;
                if (depth == 0 && u.is(",") && tokens.get(j + 1).isName()
                    && (tokens.get(j + 2).is("=") || tokens.get(j + 2).is(",") || tokens.get(j + 2).is(";"))) {
                    addVariable(tokens.get(j + 1).text, typeEndingAt(tokens, i - 1));
                    variableLines.insert(tokens.get(j + 1).text, tokens.get(j + 1).line);
                }
            }
        }
    }
}

QString SourceDeclarations::variableOfType(const QString &type) const
{
    for (auto it = variableTypes.begin(); it != variableTypes.end(); ++it) {
        if (it.value() == type)
            return it.key();
    }
    return {};
}

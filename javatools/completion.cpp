#include "javatools/completion.h"

#include "javatools/name_distance.h"
#include "javatools/source_declarations.h"
#include "javatools/source_tokens.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

struct Member
{
    bool isStatic = false;
    Suggestion suggestion;
};

// The data file's classes and their members, in the file's order.
const QHash<QString, QList<Member>> &jdkClasses()
{
    static const QHash<QString, QList<Member>> classes = [] {
        QHash<QString, QList<Member>> read;
        QFile file(QStringLiteral(":/javatools/membros_do_java.txt"));
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("membros_do_java.txt could not be read");
            return read;
        }
        QString current;
        for (const QString &raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
                current = line.mid(1, line.size() - 2);
                continue;
            }
            const QStringList fields = line.split(QLatin1Char('|'));
            if (current.isEmpty() || fields.size() != 3)
                continue;
            Member member;
            QString signature = fields.at(0).trimmed();
            member.isStatic = signature.startsWith(QLatin1String("static "));
            if (member.isStatic)
                signature = signature.mid(7);
            const qsizetype open = signature.indexOf(QLatin1Char('('));
            Suggestion &s = member.suggestion;
            s.kind = Suggestion::Member;
            s.name = open < 0 ? signature : signature.left(open);
            s.parameters = open < 0 ? QString() : signature.mid(open);
            s.type = fields.at(1).trimmed();
            s.description = fields.at(2).trimmed();
            read[current].append(member);
        }
        return read;
    }();
    return classes;
}

const QStringList &keywords()
{
    static const QStringList words = {
        "abstract", "boolean", "break",     "byte",      "case",    "catch",      "char",     "class",
        "continue", "default", "do",        "double",    "else",    "enum",       "extends",  "false",
        "final",    "finally", "float",     "for",       "if",      "implements", "import",   "instanceof",
        "int",      "interface", "long",    "new",       "null",    "package",    "private",  "protected",
        "public",   "return",  "short",     "static",    "super",   "switch",     "this",     "throw",
        "throws",   "true",    "try",       "void",      "while",   "var",
    };
    return words;
}

// A type's own name: java.util.ArrayList<String> gives ArrayList.
QString baseName(QString type)
{
    const qsizetype generic = type.indexOf(QLatin1Char('<'));
    if (generic >= 0)
        type.truncate(generic);
    const qsizetype dot = type.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? type.mid(dot + 1) : type;
}

// The interfaces beginners declare, answered by the class behind them.
QString dataClassOf(const QString &type)
{
    static const QHash<QString, QString> behind = {
        {"List", "ArrayList"}, {"LinkedList", "ArrayList"}, {"Collection", "ArrayList"},
        {"Map", "HashMap"},    {"TreeMap", "HashMap"},      {"Integer", "Integer"},
    };
    const QString base = baseName(type);
    return behind.value(base, base);
}

// E, K, V and T of a member replaced by the declaration's own types:
// ArrayList<String>'s get gives String.
QString substituted(QString text, const QString &type)
{
    const qsizetype open = type.indexOf(QLatin1Char('<'));
    if (open < 0 || !type.endsWith(QLatin1Char('>')))
        return text;
    const QStringList arguments = type.mid(open + 1, type.size() - open - 2).split(QLatin1Char(','));
    const QString first = arguments.value(0).trimmed();
    const QString second = arguments.value(1).trimmed();
    const auto replace = [&text](const char *letter, const QString &by) {
        if (!by.isEmpty())
            text.replace(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(letter))), by);
    };
    replace("E", first);
    replace("T", first);
    replace("K", first);
    replace("V", second.isEmpty() ? first : second);
    return text;
}

// The members declared in each class of the source: fields and methods at
// the first level of its body.
QHash<QString, QList<Member>> sourceClasses(const SourceTokens &tokens)
{
    QHash<QString, QList<Member>> classes;
    for (int c = 0; c + 1 < tokens.size(); ++c) {
        if (!(tokens.at(c).isKeyword("class") || tokens.at(c).isKeyword("enum")) || !tokens.at(c + 1).isName())
            continue;
        const QString name = tokens.at(c + 1).text;
        int open = c + 2;
        while (open < tokens.size() && !tokens.at(open).is("{"))
            ++open;
        const int close = tokens.closing(open);
        if (close < 0)
            continue;
        int statementStart = open + 1;
        for (int i = open + 1, depth = 0; i < close; ++i) {
            const SourceToken &t = tokens.at(i);
            if (depth == 0 && t.isName() && i > statementStart) {
                const SourceToken next = tokens.get(i + 1);
                const SourceToken type = tokens.at(i - 1);
                const bool typed = type.isName() || type.kind == tkKey || type.is("]") || type.is(">");
                if (typed && !type.isKeyword("new") && !type.isKeyword("return")
                    && (next.is("(") || next.is("=") || next.is(";") || next.is(","))) {
                    Member member;
                    for (int m = statementStart; m < i; ++m)
                        member.isStatic = member.isStatic || tokens.at(m).isKeyword("static");
                    Suggestion &s = member.suggestion;
                    s.kind = Suggestion::Member;
                    s.name = t.text;
                    s.type = type.text;
                    if (next.is("(")) {
                        const int end = tokens.closing(i + 1);
                        s.parameters = end > 0 ? QStringLiteral("(%1)").arg(tokens.written(i + 2, end - 1))
                                               : QStringLiteral("()");
                    }
                    classes[name].append(member);
                }
            }
            depth += t.is("{") || t.is("(") ? 1 : t.is("}") || t.is(")") ? -1 : 0;
            if (depth == 0 && (t.is(";") || t.is("}") || t.is("{")))
                statementStart = i + 1;
        }
    }
    return classes;
}

// The pieces of the expression that ends `text` (before a "."): names,
// calls "name()", indexes "[]" and a string literal as "\"\"".
QStringList chainBefore(const QString &text, bool *created)
{
    QStringList pieces;
    qsizetype i = text.size();
    *created = false;
    const auto skipBack = [&text](qsizetype from, QChar open, QChar close) {
        for (int depth = 0; from > 0; --from) {
            const QChar c = text.at(from - 1);
            depth += c == close ? 1 : c == open ? -1 : 0;
            if (depth == 0)
                return from - 1;
        }
        return qsizetype(-1);
    };
    for (;;) {
        QString suffix;
        while (i > 0 && (text.at(i - 1) == u')' || text.at(i - 1) == u']')) {
            const bool call = text.at(i - 1) == u')';
            i = skipBack(i, call ? u'(' : u'[', call ? u')' : u']');
            if (i < 0)
                return {};
            suffix.prepend(call ? QStringLiteral("()") : QStringLiteral("[]"));
        }
        if (i > 0 && text.at(i - 1) == u'"') {
            const qsizetype quote = text.lastIndexOf(u'"', i - 2);
            if (quote < 0)
                return {};
            pieces.prepend(QStringLiteral("\"\"") + suffix);
            i = quote;
        } else {
            qsizetype start = i;
            while (start > 0 && (text.at(start - 1).isLetterOrNumber() || text.at(start - 1) == u'_'))
                --start;
            if (start == i)
                return {};
            pieces.prepend(text.mid(start, i - start) + suffix);
            i = start;
        }
        if (i > 0 && text.at(i - 1) == u'.') {
            --i;
            continue;
        }
        *created = text.left(i).trimmed().endsWith(QLatin1String("new"));
        return pieces;
    }
}

struct Resolver
{
    const SourceDeclarations &declared;
    const QHash<QString, QList<Member>> &own;

    // A type known here: its members are the data's or the source's.
    bool knows(const QString &type) const
    {
        return jdkClasses().contains(dataClassOf(type)) || own.contains(baseName(type));
    }

    QList<Member> membersOf(const QString &type) const
    {
        if (own.contains(baseName(type)))
            return own.value(baseName(type));
        QList<Member> members = jdkClasses().value(dataClassOf(type));
        for (Member &m : members) {
            m.suggestion.type = substituted(m.suggestion.type, type);
            m.suggestion.parameters = substituted(m.suggestion.parameters, type);
        }
        return members;
    }

    // The type of `pieces` (each but the first a member of the one before),
    // and whether it names a class rather than a value. Empty when unknown.
    QString typeOf(const QStringList &pieces, bool created, const QString &enclosing, bool *isClass) const
    {
        *isClass = false;
        QString type;
        for (qsizetype p = 0; p < pieces.size(); ++p) {
            QString piece = pieces.at(p);
            int indexes = 0;
            while (piece.endsWith(QLatin1String("[]"))) {
                piece.chop(2);
                ++indexes;
            }
            const bool call = piece.endsWith(QLatin1String("()"));
            if (call)
                piece.chop(2);
            if (p == 0) {
                if (piece == QLatin1String("\"\"")) {
                    type = QStringLiteral("String");
                } else if (piece == QLatin1String("this")) {
                    type = enclosing;
                } else if (call && created) {
                    type = piece;
                } else if (!call && declared.variableTypes.contains(piece)) {
                    type = declared.onlyTypeOf(piece);
                } else if (!call && (jdkClasses().contains(piece) || own.contains(piece))) {
                    type = piece;
                    *isClass = true;
                } else {
                    return {};
                }
            } else {
                QString found;
                for (const Member &m : membersOf(type)) {
                    if (m.suggestion.name == piece && m.suggestion.isCall() == call) {
                        found = m.suggestion.type;
                        break;
                    }
                }
                if (found.isEmpty())
                    return {};
                type = found;
                *isClass = false;
            }
            for (; indexes > 0 && type.endsWith(QLatin1String("[]")); --indexes)
                type.chop(2);
            if (indexes > 0)
                return {};
        }
        return type;
    }
};

// Whether column `column` of `text` lies in a string, a character or a
// line comment.
bool inTextOrComment(const QString &text)
{
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == u'\\')
                ++i;
            else if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'/' && i + 1 < text.size() && text.at(i + 1) == u'/') {
            return true;
        }
    }
    return !quote.isNull();
}

// The class whose body holds 0-based `line`: the last one opened before it.
QString enclosingClass(const SourceTokens &tokens, int line)
{
    QString name;
    for (int i = 0; i + 1 < tokens.size() && tokens.at(i).line <= line + 1; ++i) {
        if (tokens.at(i).isKeyword("class") && tokens.at(i + 1).isName())
            name = tokens.at(i + 1).text;
    }
    return name;
}

} // namespace

QString Suggestion::label() const
{
    QString text = name + parameters;
    if (!type.isEmpty())
        text += QStringLiteral("  : ") + type;
    return text;
}

namespace completion {

QList<Suggestion> membersOf(const QString &className, bool statics)
{
    QList<Suggestion> found;
    for (const Member &m : jdkClasses().value(className))
        if (m.isStatic == statics)
            found.append(m.suggestion);
    return found;
}

Completion at(const QStringList &lines, int line, int column, const QList<Suggestion> &structures)
{
    Completion result;
    const QString before = lines.value(line).left(column);
    if (inTextOrComment(before))
        return result;
    qsizetype start = before.size();
    while (start > 0 && (before.at(start - 1).isLetterOrNumber() || before.at(start - 1) == u'_'))
        --start;
    result.start = int(start);
    result.prefix = before.mid(start);

    const SourceTokens tokens(lines);
    const SourceDeclarations declared(tokens);
    const QHash<QString, QList<Member>> own = sourceClasses(tokens);
    const Resolver resolver{declared, own};

    if (start > 0 && before.at(start - 1) == u'.') {
        result.member = true;
        bool created = false;
        const QStringList chain = chainBefore(before.left(start - 1), &created);
        bool isClass = false;
        const QString type = resolver.typeOf(chain, created, enclosingClass(tokens, line), &isClass);
        if (type.isEmpty())
            return result;
        result.typeName = type;
        if (type.endsWith(QLatin1String("[]"))) {
            Suggestion length;
            length.kind = Suggestion::Member;
            length.name = QStringLiteral("length");
            length.type = QStringLiteral("int");
            length.description = QStringLiteral("quantos elementos o vetor tem");
            result.all = {length};
            return result;
        }
        if (!resolver.knows(type))
            return result;
        for (const Member &m : resolver.membersOf(type)) {
            // A class's statics by its name; on a value, everything but them.
            if (m.isStatic == isClass || (!isClass && own.contains(baseName(type))))
                result.all.append(m.suggestion);
        }
        return result;
    }

    // A word of its own: what the source declares up to here, the JDK's
    // classes, the keywords and the structures.
    QSet<QString> seen;
    const auto add = [&result, &seen](Suggestion s) {
        if (!s.name.isEmpty() && !seen.contains(s.name + s.parameters)) {
            seen.insert(s.name + s.parameters);
            result.all.append(s);
        }
    };
    for (auto it = declared.variableTypes.cbegin(); it != declared.variableTypes.cend(); ++it) {
        const QList<int> declaredAt = declared.variableLines.values(it.key());
        if (std::none_of(declaredAt.begin(), declaredAt.end(), [line](int l) { return l <= line + 1; }))
            continue;
        Suggestion s;
        s.kind = Suggestion::Variable;
        s.name = it.key();
        s.type = declared.onlyTypeOf(it.key());
        add(s);
    }
    const QString enclosing = enclosingClass(tokens, line);
    for (const Member &m : own.value(enclosing)) {
        if (m.suggestion.isCall()) {
            Suggestion s = m.suggestion;
            s.kind = Suggestion::Method;
            add(s);
        }
    }
    QStringList classes = jdkClasses().keys() + own.keys();
    classes.sort();
    for (const QString &name : std::as_const(classes)) {
        Suggestion s;
        s.kind = Suggestion::Class;
        s.name = name;
        add(s);
    }
    for (const Suggestion &s : structures)
        add(s);
    for (const QString &word : keywords()) {
        Suggestion s;
        s.kind = Suggestion::Keyword;
        s.name = word;
        add(s);
    }
    return result;
}

QList<Suggestion> filtered(const QList<Suggestion> &all, const QString &prefix)
{
    if (prefix.isEmpty())
        return all;
    QList<Suggestion> groups[4];
    const QString typed = prefix.toLower();
    for (const Suggestion &s : all) {
        if (s.name.startsWith(prefix))
            groups[0].append(s);
        else if (s.name.startsWith(prefix, Qt::CaseInsensitive))
            groups[1].append(s);
        else if (s.name.contains(prefix, Qt::CaseInsensitive))
            groups[2].append(s);
        else if (prefix.size() >= 3
                 && (nameDistance(typed, s.name.left(prefix.size()).toLower()) <= 1
                     || nameDistance(typed, s.name.toLower()) <= 1))
            groups[3].append(s);
    }
    // Within a group, in the order given: the data file lists the likeliest first.
    QList<Suggestion> result;
    for (const QList<Suggestion> &group : groups)
        result += group;
    return result;
}

} // namespace completion

// The formatter on real Java files: whether what it writes keeps the rules of
// indentation that hold in any style, how often the files' own layout breaks
// the same rules (the reference), whether it changes only leading blanks, and
// whether a second pass changes nothing. Usage: bench_formatter FOLDER...
// (the JDK's sources from Debian's openjdk-17-source, for example). With -v
// it prints the first cases of each broken rule.
//
// The rules, checked on the code's tokens:
//  closing    a line starting with } is at the indentation of the line where
//             the statement that its { ends began (a header, a declaration),
//             or of the line holding its { when that stands inside
//             parentheses (a lambda's, an anonymous class's)
//  body       the line after a brace-less if/for/while/else/do header is
//             indented past the header
//  continued  a line inside a statement that began on an earlier line (no ;
//             { } or label between) is indented past the statement's first
//             line; lines starting with { } or ) and items of a list are not
//             asked to
//  annotation the line after a multi-line annotation is at the annotation's
//             indentation
//  comment    a comment line is at the indentation of the code line below
//             it, unless that line starts with } or is a case label
#include "bench_support.h"

#include "editor/code_formatter.h"
#include "editor/java_scanner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Token
{
    TtkTokenKind kind;
    QString text;
    bool is(const char *s) const { return text == QLatin1String(s); }
};

struct Line
{
    int indent = 0; // columns, a tab counting four
    std::vector<Token> code; // tokens other than blanks and comments
    bool comment = false; // a comment and nothing else (or inside a block comment)
    bool textBlock = false; // starts inside a text block
    bool insideComment = false; // starts inside a block comment
};

int indentOf(const QString &line)
{
    int columns = 0;
    for (const QChar c : line) {
        if (c == QLatin1Char(' '))
            ++columns;
        else if (c == QLatin1Char('\t'))
            columns += 4;
        else
            break;
    }
    return columns;
}

std::vector<Line> scan(const QStringList &text)
{
    JavaScanner scanner;
    scanner.ResetRange();
    std::vector<Line> lines;
    for (int n = 0; n < text.size(); ++n) {
        Line line;
        line.indent = indentOf(text.at(n));
        line.textBlock = scanner.GetRange() == rsTextBlock;
        line.insideComment = scanner.GetRange() == rsComment || scanner.GetRange() == rsDocument;
        bool anyComment = false;
        for (scanner.SetLine(text.at(n), n); !scanner.GetEol(); scanner.Next()) {
            const TtkTokenKind kind = scanner.GetTokenID();
            if (kind == tkSpace)
                continue;
            if (kind == tkComment || kind == tkDocument)
                anyComment = true;
            else
                line.code.push_back({kind, scanner.GetToken()});
        }
        line.comment = anyComment && line.code.empty();
        lines.push_back(std::move(line));
    }
    return lines;
}

bool isControl(const Token &t)
{
    return t.kind == tkKey && (t.is("if") || t.is("for") || t.is("while") || t.is("else") || t.is("do"));
}

struct Breaks
{
    std::map<QString, int> counts;
    std::map<QString, std::vector<int>> where; // first line numbers, 1-based
    void add(const char *rule, int line)
    {
        const QString name = QString::fromLatin1(rule);
        ++counts[name];
        if (where[name].size() < 3)
            where[name].push_back(line + 1);
    }
};

Breaks check(const std::vector<Line> &lines)
{
    Breaks breaks;
    struct Open
    {
        int line; // where its } lines up
        int parenthesesOutside;
        int statementLine;
        bool annotationOutside;
    };
    std::vector<Open> braces;
    int parentheses = 0;
    int statementLine = -1; // where the statement under way began
    bool annotationOnly = false;
    int annotationLine = -1;
    int questions = 0; // ternaries awaiting their ':'
    int bodyOf = -1; // a brace-less header waiting for its body
    for (int n = 0; n < int(lines.size()); ++n) {
        const Line &line = lines[n];
        if (line.textBlock || line.code.empty())
            continue;
        const Token &first = line.code.front();
        if (bodyOf >= 0) {
            if (!first.is("{") && line.indent <= lines[bodyOf].indent)
                breaks.add("body", n);
            bodyOf = -1;
        }
        if (annotationLine >= 0) {
            if (line.indent != lines[annotationLine].indent)
                breaks.add("annotation", n);
            annotationLine = -1;
        }
        if (statementLine >= 0 && statementLine != n && !first.is("{") && !first.is("}")
            && !first.is(")") && line.indent <= lines[statementLine].indent)
            breaks.add("continued", n);
        if (first.is("}") && !braces.empty() && line.indent != lines[braces.back().line].indent)
            breaks.add("closing", n);
        for (size_t i = 0; i < line.code.size(); ++i) {
            const Token &t = line.code[i];
            if (statementLine < 0) {
                statementLine = n;
                annotationOnly = t.text.startsWith(QLatin1Char('@'));
                questions = t.is("assert") ? 1 : 0; // its ':' goes on with the statement
            }
            if (t.is("(") || t.is("[")) {
                ++parentheses;
            } else if (t.is(")") || t.is("]")) {
                parentheses = std::max(0, parentheses - 1);
            } else if (t.is("{")) {
                const int lineUp = parentheses == 0 && statementLine >= 0 ? statementLine : n;
                braces.push_back({lineUp, parentheses, statementLine, annotationOnly});
                parentheses = 0;
                statementLine = -1;
                questions = 0;
            } else if (t.is("}")) {
                if (!braces.empty()) {
                    parentheses = braces.back().parenthesesOutside;
                    // After a block inside a statement (a lambda's, an
                    // anonymous class's) the statement goes on.
                    statementLine = parentheses > 0 ? braces.back().statementLine : -1;
                    annotationOnly = braces.back().annotationOutside;
                    braces.pop_back();
                } else {
                    statementLine = -1;
                }
            } else if (t.is(";") && parentheses == 0) {
                statementLine = -1;
                questions = 0;
            } else if (t.is("?")) {
                ++questions;
            } else if (t.is(":") && parentheses == 0 && !(i + 1 < line.code.size() && line.code[i + 1].is(":"))
                       && !(i > 0 && line.code[i - 1].is(":"))) { // not a method reference's ::
                if (questions > 0)
                    --questions;
                else
                    statementLine = -1; // a label or a case
            }
            if (annotationOnly && statementLine >= 0 && parentheses == 0 && !t.text.startsWith(QLatin1Char('@'))
                && !t.is(")") && !(t.kind == tkIdentifier && i > 0 && line.code[i - 1].text.startsWith(QLatin1Char('@')))
                && !t.is(".") && !(i > 0 && line.code[i - 1].is(".")))
                annotationOnly = false;
        }
        // A line that ends an item of a list at the statement's own level
        // (enum constants, an array's values) leaves the next item at the
        // same indentation.
        const Token &last = line.code.back();
        if (statementLine >= 0 && last.is(",") && parentheses == 0)
            statementLine = -1;
        // An annotation that ends with the line ends its "statement".
        if (statementLine >= 0 && annotationOnly && parentheses == 0) {
            if (statementLine != n)
                annotationLine = statementLine;
            statementLine = -1;
        }
        // A control header whose body is not a block.
        if (isControl(first) || (first.is("}") && line.code.size() > 1 && isControl(line.code[1]))) {
            if ((last.is(")") && parentheses == 0) || last.is("else") || last.is("do")) {
                bodyOf = n;
                statementLine = -1; // the body is a statement of its own
            }
        }
    }
    // Comment lines against the code line below them.
    for (int n = 0; n < int(lines.size()); ++n) {
        if (!lines[n].comment || lines[n].textBlock || lines[n].insideComment)
            continue;
        if (n > 0 && lines[n - 1].comment)
            continue; // the inside of a comment, or a second comment line
        int next = n + 1;
        while (next < int(lines.size()) && (lines[next].comment || lines[next].code.empty()))
            ++next;
        if (next >= int(lines.size()))
            continue;
        const Token &first = lines[next].code.front();
        if (first.is("}") || (first.kind == tkKey && (first.is("case") || first.is("default"))))
            continue;
        if (lines[n].indent != lines[next].indent)
            breaks.add("comment", n);
    }
    return breaks;
}

bool sameApartFromLeadingBlanks(const QStringList &a, const QStringList &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a.at(i).trimmed() != b.at(i).trimmed())
            return false;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList folders = app.arguments().mid(1);
    const bool verbose = folders.removeAll(QStringLiteral("-v")) > 0;
    std::map<QString, int> before, after;
    std::map<QString, std::vector<QString>> examples;
    int files = 0, changedMeaning = 0, notIdempotent = 0;
    qint64 lines = 0, changedLines = 0;
    qint64 formatting = 0;
    QElapsedTimer clock;
    forEachJavaFile(folders, [&](const QString &path, const QStringList &original) {
        clock.start();
        const QStringList formatted = codeformat::format(original, QStringLiteral("    "));
        formatting += clock.nsecsElapsed();
        ++files;
        lines += original.size();
        for (int i = 0; i < original.size(); ++i)
            changedLines += original.at(i) != formatted.at(i);
        if (!sameApartFromLeadingBlanks(original, formatted))
            ++changedMeaning;
        if (codeformat::format(formatted, QStringLiteral("    ")) != formatted)
            ++notIdempotent;
        const Breaks reference = check(scan(original));
        const Breaks ours = check(scan(formatted));
        for (const auto &[rule, count] : reference.counts)
            before[rule] += count;
        for (const auto &[rule, count] : ours.counts) {
            after[rule] += count;
            for (int where : ours.where.at(rule))
                if (examples[rule].size() < 8)
                    examples[rule].push_back(QStringLiteral("%1:%2").arg(path).arg(where));
        }
    });
    std::printf("%d files, %lld lines; %lld lines re-indented; text other than leading blanks changed in %d files; "
                "a second pass changed %d files; formatting took %.0f ms (%.1f ms per 20,000 lines)\n",
                files, static_cast<long long>(lines), static_cast<long long>(changedLines), changedMeaning,
                notIdempotent, formatting / 1e6, lines ? formatting / 1e6 * 20000.0 / double(lines) : 0.0);
    std::printf("%-12s %10s %10s\n", "rule broken", "files' own", "formatted");
    for (const char *rule : {"closing", "body", "continued", "annotation", "comment"}) {
        const QString name = QString::fromLatin1(rule);
        std::printf("%-12s %10d %10d\n", rule, before[name], after[name]);
        if (verbose)
            for (const QString &where : examples[name])
                std::printf("    %s\n", qPrintable(where));
    }
    return 0;
}

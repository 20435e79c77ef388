#include "javatools/source_tokens.h"

SourceTokens::SourceTokens(const QStringList &lines) : m_lines(lines)
{
    JavaScanner scanner;
    for (int i = 0; i < lines.size(); ++i) {
        scanner.SetLine(lines.at(i), i);
        while (!scanner.GetEol()) {
            const TtkTokenKind kind = scanner.GetTokenID();
            if (kind != tkSpace && kind != tkComment && kind != tkDocument) {
                SourceToken token;
                token.kind = kind;
                token.symbol = scanner.GetExtTokenID();
                token.text = scanner.GetToken();
                token.line = i + 1;
                token.column = scanner.GetTokenPos() + 1;
                m_tokens.append(token);
            }
            scanner.Next();
        }
    }
}

int SourceTokens::indexAt(int line, int column) const
{
    for (int i = 0; i < m_tokens.size(); ++i) {
        const SourceToken &t = m_tokens.at(i);
        if (t.line > line || (t.line == line && t.endColumn() > column))
            return i;
    }
    return int(m_tokens.size());
}

int SourceTokens::indexBefore(int line, int column) const
{
    int found = -1;
    for (int i = 0; i < m_tokens.size(); ++i) {
        const SourceToken &t = m_tokens.at(i);
        if (t.line > line || (t.line == line && t.column >= column))
            break;
        found = i;
    }
    return found;
}

QList<int> SourceTokens::onLine(int line) const
{
    QList<int> indexes;
    for (int i = 0; i < m_tokens.size(); ++i) {
        if (m_tokens.at(i).line == line)
            indexes.append(i);
        else if (m_tokens.at(i).line > line)
            break;
    }
    return indexes;
}

int SourceTokens::closing(int open) const
{
    const QString opener = get(open).text;
    const QString closer = opener == QLatin1String("(") ? QStringLiteral(")")
                           : opener == QLatin1String("[") ? QStringLiteral("]")
                                                          : QStringLiteral("}");
    int depth = 0;
    for (int i = qMax(open, 0); i < m_tokens.size(); ++i) {
        depth += m_tokens.at(i).text == opener ? 1 : m_tokens.at(i).text == closer ? -1 : 0;
        if (depth == 0)
            return i;
    }
    return -1;
}

QString SourceTokens::written(int from, int to) const
{
    QString text;
    for (int i = qMax(from, 0); i <= to && i < m_tokens.size(); ++i) {
        if (!text.isEmpty() && m_tokens.at(i).column > m_tokens.at(i - 1).endColumn())
            text += QLatin1Char(' ');
        text += m_tokens.at(i).text;
    }
    return text;
}

int SourceTokens::indentOf(int line) const
{
    int indent = 0;
    for (const QChar c : lineText(line)) {
        if (c == QLatin1Char(' '))
            ++indent;
        else if (c == QLatin1Char('\t'))
            indent = (indent / 4 + 1) * 4;
        else
            break;
    }
    return indent;
}

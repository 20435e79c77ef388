#include "editor/java_scanner.h"

#include "common/java_words.h"

#include <QStringList>
#include <string_view>

namespace {

constexpr int kMaxKeywordHash = 172;
// Hash value of an identifier character outside the keywords' alphabet: it
// pushes the hash past every keyword at once.
constexpr int kForeignHash = kMaxKeywordHash + 1;

const auto &kKeywords = kJavaKeywords;

// The 8-bit character classes; Unicode beyond U+00FF is decided by QChar.
struct CharClasses
{
    bool ident[256] = {};
    bool identStart[256] = {};
    bool blank[256] = {};
    bool numberPart[256] = {};
    unsigned char hash[256] = {};
};

constexpr CharClasses makeClasses()
{
    CharClasses c;
    for (int i = 0; i < 256; ++i) {
        const bool upper = i >= 'A' && i <= 'Z';
        const bool lower = i >= 'a' && i <= 'z';
        const bool digit = i >= '0' && i <= '9';
        const bool accented = i >= 192 && i != 215 && i != 247;
        c.ident[i] = upper || lower || digit || accented || i == '$' || i == '_';
        c.identStart[i] = c.ident[i] && !digit;
        c.blank[i] = i >= 1 && i <= 32 && i != 10 && i != 13;
        c.numberPart[i] = digit || (i >= 'A' && i <= 'F') || (i >= 'a' && i <= 'f')
                || i == '-' || i == '.' || i == 'L' || i == 'l' || i == 'X' || i == 'x';
        c.hash[i] = upper ? i - 'A' + 1 : lower ? i - 'a' + 2 : accented ? i - 95 : 0;
    }
    return c;
}

constexpr CharClasses kClasses = makeClasses();

constexpr bool isLineEnd(char16_t c) { return c == 0 || c == '\n' || c == '\r'; }

constexpr int keywordHash(const char *word)
{
    int hash = 0;
    for (; *word; ++word)
        hash += kClasses.hash[static_cast<unsigned char>(*word)];
    return hash;
}

} // namespace

JavaScanner::JavaScanner()
{
    for (int c = 0; c < 256; ++c) {
        Proc proc = &JavaScanner::unknownProc;
        if (c == 0)
            proc = &JavaScanner::nullProc;
        else if (c == '\n')
            proc = &JavaScanner::lfProc;
        else if (c == '\r')
            proc = &JavaScanner::crProc;
        else if (kClasses.blank[c])
            proc = &JavaScanner::spaceProc;
        else if (kClasses.identStart[c])
            proc = &JavaScanner::identProc;
        else if (c >= '0' && c <= '9')
            proc = &JavaScanner::numberProc;
        else if (c == '.')
            proc = &JavaScanner::pointProc;
        else if (c == '"')
            proc = &JavaScanner::stringProc;
        else if (c == '\'')
            proc = &JavaScanner::charLiteralProc;
        else if (c == '/')
            proc = &JavaScanner::slashProc;
        else if (c == '#' || c == '@')
            proc = &JavaScanner::invalidProc;
        else if (std::string_view("+-*%&^=!<>|~?:;,()[]{}").find(char(c)) != std::string_view::npos)
            proc = &JavaScanner::symbolProc;
        m_procTable[c] = proc;
    }
    buildKeywordTable();
}

void JavaScanner::buildKeywordTable()
{
    // Counting sort of the keyword indexes by hash value.
    for (const char *word : kKeywords)
        ++m_slotCount[keywordHash(word)];
    int first = 0;
    for (int h = 0; h <= kMaxKeywordHash; ++h) {
        m_slotFirst[h] = std::uint8_t(first);
        first += m_slotCount[h];
    }
    std::array<int, 173> filled{};
    for (int i = 0; i < int(kKeywords.size()); ++i) {
        const int h = keywordHash(kKeywords[i]);
        m_slotKeywords[m_slotFirst[h] + filled[h]++] = std::uint8_t(i);
    }
}

TtkTokenKind JavaScanner::keywordKind(int hash, int start, int length) const
{
    if (hash > kMaxKeywordHash)
        return tkIdentifier;
    const char16_t *text = m_line + start;
    for (int k = 0; k < m_slotCount[hash]; ++k) {
        const char *word = kKeywords[m_slotKeywords[m_slotFirst[hash] + k]];
        int i = 0;
        while (i < length && word[i] && text[i] == char16_t(word[i]))
            ++i;
        if (i == length && word[i] == 0)
            return tkKey;
    }
    return tkIdentifier;
}

void JavaScanner::SetLine(const QString &text, int lineNumber)
{
    // utf16() guarantees the terminating NUL the rules stop at; it copies only
    // text that does not own its buffer, and an empty line needs no buffer.
    m_lineText = text;
    m_line = text.isEmpty() ? u"" : reinterpret_cast<const char16_t *>(m_lineText.utf16());
    m_run = 0;
    m_eol = false;
    m_lineNumber = lineNumber;
    Next();
}

void JavaScanner::Next()
{
    m_tokenPos = m_run;
    if (m_range == rsComment || m_range == rsDocument) {
        rangeContinuation(m_range == rsComment ? tkComment : tkDocument, &JavaScanner::scanBlockComment);
        return;
    }
    if (m_range == rsTextBlock) {
        rangeContinuation(tkString, &JavaScanner::scanTextBlock);
        return;
    }
    m_range = rsUnknown;
    const char16_t c = m_line[m_run];
    if (c < 256)
        (this->*m_procTable[c])();
    else
        unicodeProc();
}

QString JavaScanner::GetToken() const
{
    return QString(reinterpret_cast<const QChar *>(m_line + m_tokenPos), GetTokenLength());
}

QString JavaScanner::GetIdentChars() const
{
    QString chars;
    for (int c = 1; c < 256; ++c)
        if (kClasses.ident[c])
            chars += QChar(c);
    return chars;
}

bool JavaScanner::IsIdentChar(QChar c)
{
    return c.unicode() < 256 ? kClasses.ident[c.unicode()] : c.isLetterOrNumber();
}

// --- token rules -------------------------------------------------------------

void JavaScanner::symbol(int length, TxtkTokenKind kind)
{
    m_run += length;
    m_tokenID = tkSymbol;
    m_extTokenID = kind;
}

void JavaScanner::nullProc()
{
    m_tokenID = tkNull;
    m_eol = true;
}

void JavaScanner::lfProc()
{
    m_tokenID = tkSpace;
    ++m_run;
}

void JavaScanner::crProc()
{
    m_tokenID = tkSpace;
    m_run += at(1) == '\n' ? 2 : 1;
}

void JavaScanner::spaceProc()
{
    m_tokenID = tkSpace;
    do
        ++m_run;
    while (at(0) < 256 && kClasses.blank[at(0)]);
}

void JavaScanner::identProc()
{
    // The hash is summed while scanning; it only shortcuts the keyword check.
    int hash = 0;
    for (;;) {
        const char16_t c = at(0);
        if (c < 256) {
            if (!kClasses.ident[c])
                break;
            hash += kClasses.hash[c];
            ++m_run;
        } else if (QChar::isHighSurrogate(c) && QChar::isLowSurrogate(at(1))) {
            if (!QChar::isLetterOrNumber(QChar::surrogateToUcs4(c, at(1))))
                break;
            hash = kForeignHash;
            m_run += 2;
        } else {
            if (!QChar::isLetterOrNumber(c))
                break;
            hash = kForeignHash;
            ++m_run;
        }
        if (hash > kMaxKeywordHash)
            hash = kForeignHash;
    }
    m_tokenID = keywordKind(hash, m_tokenPos, m_run - m_tokenPos);
}

void JavaScanner::numberProc()
{
    m_tokenID = tkNumber;
    ++m_run;
    while (at(0) < 256 && kClasses.numberPart[at(0)]) {
        if (at(0) == '.' && at(1) == '.')
            break;
        ++m_run;
    }
}

void JavaScanner::pointProc()
{
    if (at(1) >= '0' && at(1) <= '9')
        numberProc();
    else
        symbol(1, xtkPoint);
}

void JavaScanner::scanQuoted(char16_t quote)
{
    // Stops after the closing quote or before the line end; a backslash
    // escapes the next character unless that is the line end.
    ++m_run;
    for (;;) {
        const char16_t c = at(0);
        if (isLineEnd(c))
            return;
        ++m_run;
        if (c == quote)
            return;
        if (c == '\\' && !isLineEnd(at(0)))
            ++m_run;
    }
}

void JavaScanner::stringProc()
{
    m_tokenID = tkString;
    if (at(1) == '"' && at(2) == '"') {
        // A text block: a string across lines up to the next unescaped """.
        m_run += 3;
        m_range = rsTextBlock;
        scanTextBlock();
        return;
    }
    scanQuoted('"');
}

void JavaScanner::scanTextBlock()
{
    while (!isLineEnd(at(0))) {
        if (at(0) == '\\' && !isLineEnd(at(1))) {
            m_run += 2;
            continue;
        }
        if (at(0) == '"' && at(1) == '"' && at(2) == '"') {
            m_run += 3;
            m_range = rsUnknown;
            return;
        }
        ++m_run;
    }
}


void JavaScanner::charLiteralProc()
{
    m_tokenID = tkString;
    scanQuoted('\'');
}

void JavaScanner::scanBlockComment()
{
    while (!isLineEnd(at(0))) {
        if (at(0) == '*' && at(1) == '/') {
            m_run += 2;
            m_range = rsUnknown;
            return;
        }
        ++m_run;
    }
}

void JavaScanner::slashProc()
{
    switch (at(1)) {
    case '*':
        if (at(2) == '*' && at(3) != '/') {
            m_tokenID = tkDocument;
            m_range = rsDocument;
            m_run += 3;
        } else {
            m_tokenID = tkComment;
            m_range = rsComment;
            m_run += 2;
        }
        scanBlockComment();
        break;
    case '/':
        m_tokenID = tkComment;
        m_run += 2;
        while (!isLineEnd(at(0)))
            ++m_run;
        break;
    case '=':
        symbol(2, xtkDivideAssign);
        break;
    default:
        symbol(1, xtkDivide);
    }
}

// A line inside a block comment or a text block: its line end is a token of
// its own, the rest goes on with `scan`.
void JavaScanner::rangeContinuation(TtkTokenKind kind, void (JavaScanner::*scan)())
{
    const char16_t c = at(0);
    if (c == 0)
        return nullProc();
    if (c == '\n')
        return lfProc();
    if (c == '\r')
        return crProc();
    m_tokenID = kind;
    (this->*scan)();
}

void JavaScanner::invalidProc()
{
    m_tokenID = tkInvalid;
    ++m_run;
}

void JavaScanner::unknownProc()
{
    m_tokenID = tkUnknown;
    ++m_run;
}

void JavaScanner::unicodeProc()
{
    const char16_t c = at(0);
    if (QChar::isHighSurrogate(c) && QChar::isLowSurrogate(at(1))) {
        if (QChar::isLetter(QChar::surrogateToUcs4(c, at(1))))
            return identProc();
        m_tokenID = tkUnknown;
        m_run += 2;
        return;
    }
    if (QChar::isLetter(c))
        return identProc();
    unknownProc();
}

void JavaScanner::symbolProc()
{
    // The longest listed form wins; a later character is read only when the
    // earlier ones matched, so the scan never passes the terminating NUL.
    const char16_t n1 = at(1);
    switch (at(0)) {
    case '+':
        return n1 == '=' ? symbol(2, xtkAddAssign) : n1 == '+' ? symbol(2, xtkIncrement) : symbol(1, xtkAdd);
    case '-':
        return n1 == '=' ? symbol(2, xtkSubtractAssign) : n1 == '-' ? symbol(2, xtkDecrement) : symbol(1, xtkSubtract);
    case '*':
        return n1 == '=' ? symbol(2, xtkMultiplyAssign) : symbol(1, xtkMultiply);
    case '%':
        return n1 == '=' ? symbol(2, xtkRemainderAssign) : symbol(1, xtkRemainder);
    case '&':
        return n1 == '=' ? symbol(2, xtkAndAssign) : n1 == '&' ? symbol(2, xtkCondAnd) : symbol(1, xtkAnd);
    case '|':
        return n1 == '=' ? symbol(2, xtkIncOrAssign) : n1 == '|' ? symbol(2, xtkCondOr) : symbol(1, xtkIncOr);
    case '^':
        return n1 == '=' ? symbol(2, xtkXorAssign) : symbol(1, xtkXor);
    case '=':
        return n1 == '=' ? symbol(2, xtkLogEqual) : symbol(1, xtkAssign);
    case '!':
        return n1 == '=' ? symbol(2, xtkNotEqual) : symbol(1, xtkLogComplement);
    case '<':
        if (n1 == '<')
            return at(2) == '=' ? symbol(3, xtkShiftLeftAssign) : symbol(2, xtkShiftLeft);
        return n1 == '=' ? symbol(2, xtkLessThanEqual) : symbol(1, xtkLessThan);
    case '>':
        if (n1 == '>' && at(2) == '>')
            return at(3) == '=' ? symbol(4, xtkUnsignShiftRightAssign) : symbol(3, xtkUnsignShiftRight);
        if (n1 == '>')
            return at(2) == '=' ? symbol(3, xtkShiftRightAssign) : symbol(2, xtkShiftRight);
        return n1 == '=' ? symbol(2, xtkGreaterThanEqual) : symbol(1, xtkGreaterThan);
    case '~': return symbol(1, xtkBitComplement);
    case '?': return symbol(1, xtkQuestion);
    case ':': return symbol(1, xtkColon);
    case ';': return symbol(1, xtkSemiColon);
    case ',': return symbol(1, xtkComma);
    case '(': return symbol(1, xtkRoundOpen);
    case ')': return symbol(1, xtkRoundClose);
    case '[': return symbol(1, xtkSquareOpen);
    case ']': return symbol(1, xtkSquareClose);
    case '{': return symbol(1, xtkBraceOpen);
    case '}': return symbol(1, xtkBraceClose);
    default: return unknownProc();
    }
}

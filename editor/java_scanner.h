#pragma once

#include <QString>
#include <array>
#include <cstdint>

enum TtkTokenKind {
    tkComment, tkDocument, tkIdentifier, tkInvalid, tkKey, tkNull, tkNumber,
    tkSpace, tkString, tkSymbol, tkUnknown
};

enum TxtkTokenKind {
    xtkAdd, xtkAddAssign, xtkAnd, xtkAndAssign, xtkAssign, xtkBitComplement,
    xtkBraceClose, xtkBraceOpen, xtkColon, xtkCondAnd, xtkCondOr, xtkDecrement,
    xtkDivide, xtkDivideAssign, xtkGreaterThan, xtkGreaterThanEqual, xtkIncOr,
    xtkIncOrAssign, xtkIncrement, xtkLessThan, xtkLessThanEqual,
    xtkLogComplement, xtkLogEqual, xtkMultiply, xtkMultiplyAssign, xtkNotEqual,
    xtkPoint, xtkQuestion, xtkRemainder, xtkRemainderAssign, xtkRoundClose,
    xtkRoundOpen, xtkSemiColon, xtkShiftLeft, xtkShiftLeftAssign, xtkShiftRight,
    xtkShiftRightAssign, xtkSquareClose, xtkSquareOpen, xtkSubtract,
    xtkSubtractAssign, xtkUnsignShiftRight, xtkUnsignShiftRightAssign, xtkXor,
    xtkXorAssign, xtkComma
};

enum TRangeState { rsANil, rsComment, rsDocument, rsUnknown, rsTextBlock };

// Splits one line of Java source at a time into tokens with a kind; the
// range carries an open block comment or text block ("""...""") from line
// to line. How tokens look is
// the highlighter's business (TSynJavaSyn).
class JavaScanner
{
public:
    JavaScanner();
    JavaScanner(const JavaScanner &) = delete;
    JavaScanner &operator=(const JavaScanner &) = delete;

    // Starts a new line (keeping the range) and scans its first token. The
    // scanner keeps a shallow copy of `text`.
    void SetLine(const QString &text, int lineNumber);
    void Next();
    bool GetEol() const { return m_eol; }

    QString GetToken() const;
    int GetTokenPos() const { return m_tokenPos; }
    int GetTokenLength() const { return m_run - m_tokenPos; }
    TtkTokenKind GetTokenID() const { return m_tokenID; }
    TtkTokenKind GetTokenKind() const { return m_tokenID; }
    // Meaningful for tkSymbol tokens only.
    TxtkTokenKind GetExtTokenID() const { return m_extTokenID; }
    int GetLineNumber() const { return m_lineNumber; }

    TRangeState GetRange() const { return m_range; }
    void SetRange(TRangeState range) { m_range = range; }
    void ResetRange() { m_range = rsUnknown; }

    // The 8-bit word characters; IsIdentChar also knows Unicode letters.
    QString GetIdentChars() const;
    static bool IsIdentChar(QChar c);

private:
    using Proc = void (JavaScanner::*)();

    char16_t at(int offset) const { return m_line[m_run + offset]; }
    void symbol(int length, TxtkTokenKind kind);
    TtkTokenKind keywordKind(int hash, int start, int length) const;
    void buildKeywordTable();

    void nullProc();
    void lfProc();
    void crProc();
    void spaceProc();
    void identProc();
    void numberProc();
    void pointProc();
    void stringProc();
    void charLiteralProc();
    void slashProc();
    void invalidProc();
    void symbolProc();
    void unknownProc();
    void unicodeProc();
    void rangeContinuation(TtkTokenKind kind, void (JavaScanner::*scan)());
    void scanTextBlock();
    void scanQuoted(char16_t quote);
    void scanBlockComment();

    std::array<Proc, 256> m_procTable{};
    // Keywords by hash value: m_slotCount[h] keywords from m_slotKeywords[m_slotFirst[h]].
    std::array<std::uint8_t, 173> m_slotFirst{};
    std::array<std::uint8_t, 173> m_slotCount{};
    std::array<std::uint8_t, 53> m_slotKeywords{};

    QString m_lineText;
    const char16_t *m_line = u"";
    int m_run = 0;
    int m_tokenPos = 0;
    TtkTokenKind m_tokenID = tkNull;
    TxtkTokenKind m_extTokenID = xtkAdd;
    bool m_eol = false;
    TRangeState m_range = rsUnknown;
    int m_lineNumber = 0;
};

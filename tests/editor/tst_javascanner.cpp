#include "editor/syn_java_syn.h"

#include <QtTest>

Q_DECLARE_METATYPE(TRangeState)
Q_DECLARE_METATYPE(TxtkTokenKind)

namespace {

const char *const kKindNames[] = {"Comment", "Document", "Identifier", "Invalid", "Key", "Null",
                                  "Number", "Space", "String", "Symbol", "Unknown"};

// The tokens of one line as "Kind text" up to the end of the line.
QStringList scan(TSynJavaSyn &scanner, const QString &line)
{
    QStringList tokens;
    for (scanner.SetLine(line, 0); !scanner.GetEol(); scanner.Next()) {
        tokens << QString::fromLatin1(kKindNames[scanner.GetTokenID()]) + QLatin1Char(' ') + scanner.GetToken();
        if (tokens.size() > 100)
            break; // a scanner that stops moving
    }
    return tokens;
}

const QStringList kKeywords = QStringLiteral(
    "abstract assert boolean break byte case catch char class const continue default do double "
    "else enum extends false final finally float for goto if implements import instanceof int "
    "interface long native new null package private protected public return short static "
    "strictfp super switch synchronized this throw throws transient true try void volatile while")
    .split(QLatin1Char(' '));

} // namespace

class TestJavaScanner : public QObject
{
    Q_OBJECT

private slots:
    void tokens_data();
    void tokens();
    void symbols_data();
    void symbols();
    void hashAgreesWithExactKeywordComparison();
    void emptyLineInsideCommentIsNull();
    void tokensCoverTheLine();
    void attributesAndDescription();
};

void TestJavaScanner::tokens_data()
{
    QTest::addColumn<TRangeState>("rangeBefore");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<TRangeState>("rangeAfter");

    const TRangeState out = rsUnknown;
    QTest::newRow("If and NULL are identifiers")
        << out << "If NULL" << QStringList{"Identifier If", "Space  ", "Identifier NULL"} << out;
    QTest::newRow("if and null are keywords")
        << out << "if null" << QStringList{"Key if", "Space  ", "Key null"} << out;
    QTest::newRow("keyword look-alikes")
        << out << "iff _if if2 fi od Class"
        << QStringList{"Identifier iff", "Space  ", "Identifier _if", "Space  ", "Identifier if2", "Space  ",
                       "Identifier fi", "Space  ", "Identifier od", "Space  ", "Identifier Class"}
        << out;

    QTest::newRow("slash star star slash is a plain comment")
        << out << "/**/x" << QStringList{"Comment /**/", "Identifier x"} << out;
    QTest::newRow("slash star star and text is documentation")
        << out << "/** x" << QStringList{"Document /** x"} << rsDocument;
    QTest::newRow("documentation closed on its line")
        << out << "/** x */ y" << QStringList{"Document /** x */", "Space  ", "Identifier y"} << out;
    QTest::newRow("block comment opened at line end")
        << out << "a /*" << QStringList{"Identifier a", "Space  ", "Comment /*"} << rsComment;
    QTest::newRow("slash star slash does not close")
        << out << "/*/ x" << QStringList{"Comment /*/ x"} << rsComment;
    QTest::newRow("comment continues and closes")
        << rsComment << "still */ b" << QStringList{"Comment still */", "Space  ", "Identifier b"} << out;
    QTest::newRow("comment continues to line end")
        << rsComment << "int x; /* nested" << QStringList{"Comment int x; /* nested"} << rsComment;
    QTest::newRow("documentation continues")
        << rsDocument << " * @param x" << QStringList{"Document  * @param x"} << rsDocument;
    QTest::newRow("line comment")
        << out << "x // y */" << QStringList{"Identifier x", "Space  ", "Comment // y */"} << out;
    QTest::newRow("range nil scans as normal code")
        << rsANil << "x" << QStringList{"Identifier x"} << out;

    QTest::newRow("string ends at a trailing backslash")
        << out << "s = \"abc\\" << QStringList{"Identifier s", "Space  ", "Symbol =", "Space  ", "String \"abc\\"} << out;
    QTest::newRow("escaped quotation mark continues the string")
        << out << "\"a\\\"b\" c" << QStringList{"String \"a\\\"b\"", "Space  ", "Identifier c"} << out;
    QTest::newRow("unterminated string ends at line end")
        << out << "\"abc" << QStringList{"String \"abc"} << out;
    QTest::newRow("empty string") << out << "\"\";" << QStringList{"String \"\"", "Symbol ;"} << out;
    QTest::newRow("three quotation marks open a text block")
        << out << "\"\"\"x\" y" << QStringList{"String \"\"\"x\" y"} << rsTextBlock;
    QTest::newRow("character literals")
        << out << "'\\'' 'a'" << QStringList{"String '\\''", "Space  ", "String 'a'"} << out;

    QTest::newRow("1..2") << out << "1..2" << QStringList{"Number 1", "Symbol .", "Number .2"} << out;
    QTest::newRow("number forms")
        << out << "1.5e-3 0x1F 10L 5-3"
        << QStringList{"Number 1.5e-3", "Space  ", "Number 0x1F", "Space  ", "Number 10L", "Space  ", "Number 5-3"}
        << out;
    QTest::newRow("member access") << out << "a.b" << QStringList{"Identifier a", "Symbol .", "Identifier b"} << out;
    QTest::newRow("a>>>=b") << out << "a>>>=b" << QStringList{"Identifier a", "Symbol >>>=", "Identifier b"} << out;
    QTest::newRow("longest form, then the rest")
        << out << "a&&=b" << QStringList{"Identifier a", "Symbol &&", "Symbol =", "Identifier b"} << out;
    QTest::newRow("divide forms") << out << "a/=b/c"
                                  << QStringList{"Identifier a", "Symbol /=", "Identifier b", "Symbol /", "Identifier c"} << out;

    QTest::newRow("annotation") << out << "@Override" << QStringList{"Invalid @", "Identifier Override"} << out;
    QTest::newRow("hash sign") << out << "#x" << QStringList{"Invalid #", "Identifier x"} << out;
    QTest::newRow("backslash, grave accent, section sign")
        << out << QString::fromUtf8("\\`§") << QStringList{"Unknown \\", "Unknown `", QString::fromUtf8("Unknown §")} << out;

    QTest::newRow("accented identifiers")
        << out << QString::fromUtf8("ação São")
        << QStringList{QString::fromUtf8("Identifier ação"), "Space  ", QString::fromUtf8("Identifier São")} << out;
    QTest::newRow("multiplication and division signs")
        << out << QString::fromUtf8("a×b÷c")
        << QStringList{"Identifier a", QString::fromUtf8("Unknown ×"), "Identifier b", QString::fromUtf8("Unknown ÷"),
                       "Identifier c"}
        << out;
    QTest::newRow("Greek letters in identifiers")
        << out << QString::fromUtf8("αβ xλ2 ifα")
        << QStringList{QString::fromUtf8("Identifier αβ"), "Space  ", QString::fromUtf8("Identifier xλ2"), "Space  ",
                       QString::fromUtf8("Identifier ifα")}
        << out;
    QTest::newRow("other characters beyond U+00FF")
        << out << QString::fromUtf8("a→b") << QStringList{"Identifier a", QString::fromUtf8("Unknown →"), "Identifier b"}
        << out;
    QTest::newRow("letter and symbol outside the basic plane")
        << out << QString::fromUtf8("x𝑥 😀")
        << QStringList{QString::fromUtf8("Identifier x𝑥"), "Space  ", QString::fromUtf8("Unknown 😀")} << out;

    QTest::newRow("blanks include control characters")
        << out << QString::fromLatin1("\t\x01 x") << QStringList{QString::fromLatin1("Space \t\x01 "), "Identifier x"} << out;
    QTest::newRow("line breaks inside the line")
        << out << "a\r\nb\rc\nd"
        << QStringList{"Identifier a", "Space \r\n", "Identifier b", "Space \r", "Identifier c", "Space \n", "Identifier d"}
        << out;
    QTest::newRow("text block opens")
        << out << "printf(\"\"\"" << QStringList{"Identifier printf", "Symbol (", "String \"\"\""} << rsTextBlock;
    QTest::newRow("text block holds brackets, quotes and escaped delimiters")
        << rsTextBlock << "  ({ \"x\" \\\"\"\" }" << QStringList{"String   ({ \"x\" \\\"\"\" }"} << rsTextBlock;
    QTest::newRow("text block closes and code follows")
        << rsTextBlock << "  fim\"\"\", x);" << QStringList{"String   fim\"\"\"", "Symbol ,", "Space  ",
                                                         "Identifier x", "Symbol )", "Symbol ;"} << out;
    QTest::newRow("an empty string is no text block")
        << out << "\"\" + a" << QStringList{"String \"\"", "Space  ", "Symbol +", "Space  ", "Identifier a"} << out;
    QTest::newRow("line break inside a comment")
        << rsComment << "x\ny */" << QStringList{"Comment x", "Space \n", "Comment y */"} << out;
    QTest::newRow("line comment and string stop at a line break")
        << out << "// c\n\"s\nx"
        << QStringList{"Comment // c", "Space \n", "String \"s", "Space \n", "Identifier x"} << out;
}

void TestJavaScanner::tokens()
{
    QFETCH(TRangeState, rangeBefore);
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    QFETCH(TRangeState, rangeAfter);

    TSynJavaSyn scanner;
    scanner.SetRange(rangeBefore);
    QCOMPARE(scan(scanner, line), expected);
    QCOMPARE(scanner.GetRange(), rangeAfter);
}

void TestJavaScanner::symbols_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TxtkTokenKind>("kind");

    const std::pair<const char *, TxtkTokenKind> forms[] = {
        {"+", xtkAdd}, {"+=", xtkAddAssign}, {"++", xtkIncrement}, {"-", xtkSubtract},
        {"-=", xtkSubtractAssign}, {"--", xtkDecrement}, {"*", xtkMultiply}, {"*=", xtkMultiplyAssign},
        {"%", xtkRemainder}, {"%=", xtkRemainderAssign}, {"&", xtkAnd}, {"&=", xtkAndAssign},
        {"&&", xtkCondAnd}, {"^", xtkXor}, {"^=", xtkXorAssign}, {"=", xtkAssign}, {"==", xtkLogEqual},
        {"!", xtkLogComplement}, {"!=", xtkNotEqual}, {"<", xtkLessThan}, {"<=", xtkLessThanEqual},
        {"<<", xtkShiftLeft}, {"<<=", xtkShiftLeftAssign}, {">", xtkGreaterThan},
        {">=", xtkGreaterThanEqual}, {">>", xtkShiftRight}, {">>=", xtkShiftRightAssign},
        {">>>", xtkUnsignShiftRight}, {">>>=", xtkUnsignShiftRightAssign}, {"~", xtkBitComplement},
        {"?", xtkQuestion}, {":", xtkColon}, {";", xtkSemiColon}, {",", xtkComma}, {".", xtkPoint},
        {"(", xtkRoundOpen}, {")", xtkRoundClose}, {"[", xtkSquareOpen}, {"]", xtkSquareClose},
        {"{", xtkBraceOpen}, {"}", xtkBraceClose}, {"|", xtkIncOr}, {"|=", xtkIncOrAssign},
        {"||", xtkCondOr}, {"/", xtkDivide}, {"/=", xtkDivideAssign}};
    for (const auto &[text, kind] : forms)
        QTest::newRow(text) << QString::fromLatin1(text) << kind;
}

void TestJavaScanner::symbols()
{
    QFETCH(QString, text);
    QFETCH(TxtkTokenKind, kind);

    TSynJavaSyn scanner;
    // Alone on the line and followed by an identifier: the same single token.
    for (const QString &line : {text, text + QLatin1Char('x')}) {
        scanner.SetLine(line, 1);
        QCOMPARE(scanner.GetTokenID(), tkSymbol);
        QCOMPARE(scanner.GetToken(), text);
        QCOMPARE(scanner.GetExtTokenID(), kind);
        QCOMPARE(scanner.GetTokenAttribute(), &scanner.SymbolAttri);
    }
}

void TestJavaScanner::hashAgreesWithExactKeywordComparison()
{
    // Keywords and near misses: same letters reordered (often the same hash),
    // other case, one letter less or more, accented or foreign letters.
    QStringList words = kKeywords;
    for (const QString &keyword : kKeywords) {
        QString reversed = keyword;
        std::reverse(reversed.begin(), reversed.end());
        QString rotated = keyword.mid(1) + keyword.left(1);
        words << reversed << rotated << keyword.toUpper() << keyword.left(1).toUpper() + keyword.mid(1)
              << keyword.chopped(1) << keyword + QLatin1Char('s') << keyword + QLatin1Char('0')
              << QLatin1Char('_') + keyword << keyword + QChar(0xE9) << keyword + QChar(0x3B1);
    }
    TSynJavaSyn scanner;
    for (const QString &word : std::as_const(words)) {
        if (word.isEmpty())
            continue;
        scanner.SetLine(word, 0);
        QCOMPARE(scanner.GetToken(), word);
        QCOMPARE(scanner.GetTokenID(), kKeywords.contains(word) ? tkKey : tkIdentifier);
    }
}

void TestJavaScanner::emptyLineInsideCommentIsNull()
{
    TSynJavaSyn scanner;
    scanner.SetRange(rsComment);
    scanner.SetLine(QString(), 3);
    QVERIFY(scanner.GetEol());
    QCOMPARE(scanner.GetTokenID(), tkNull);
    QCOMPARE(scanner.GetTokenAttribute(), nullptr);
    QCOMPARE(scanner.GetRange(), rsComment);
    scanner.Next(); // at the end, Next stays there
    QVERIFY(scanner.GetEol());
}

void TestJavaScanner::tokensCoverTheLine()
{
    // Every character belongs to exactly one token, in order, on every line:
    // the sample source and random lines of the characters that end or
    // extend tokens (a token running past the line end shows here).
    TSynJavaSyn scanner;
    scanner.ResetRange();
    const QStringList sample = scanner.GetSampleSource().split(QStringLiteral("\r\n"));
    QCOMPARE(sample.size(), 11);
    QCOMPARE(sample.at(8), QStringLiteral("      System.out.println(\"Hello world\");"));

    const QString alphabet = QString::fromUtf8("/*\"'\\.0x1e>=<&|+-@# \t\n\ra\u00e9\u00d7\u03b1\U0001d465");
    QRandomGenerator random(7);
    QStringList lines = sample;
    for (int i = 0; i < 3000; ++i) {
        QString line;
        for (int n = int(random.bounded(12)); n > 0; --n)
            line += alphabet.at(int(random.bounded(alphabet.size())));
        lines << line;
    }
    for (const QString &line : std::as_const(lines)) {
        int expected = 0;
        for (scanner.SetLine(line, 0); !scanner.GetEol(); scanner.Next()) {
            QCOMPARE(scanner.GetTokenPos(), expected);
            QVERIFY(scanner.GetTokenLength() > 0);
            expected += scanner.GetTokenLength();
        }
        QCOMPARE(expected, line.size());
    }
}

void TestJavaScanner::attributesAndDescription()
{
    TSynJavaSyn scanner;
    QCOMPARE(scanner.GetLanguageName(), QStringLiteral("Java"));
    QVERIFY(!scanner.IsFilterStored());
    scanner.SetDefaultFilter(QStringLiteral("Java (*.java)|*.java"));
    QVERIFY(scanner.IsFilterStored());

    QCOMPARE(scanner.GetDefaultAttribute(0), &scanner.CommentAttri);
    QCOMPARE(scanner.GetDefaultAttribute(4), &scanner.SpaceAttri);
    QCOMPARE(scanner.GetDefaultAttribute(6), nullptr);
    QCOMPARE(scanner.GetDefaultAttribute(-1), nullptr);
    QVERIFY(scanner.CommentAttri.italic && scanner.DocumentAttri.italic && scanner.KeyAttri.bold);
    QCOMPARE(scanner.KeyAttri.name, QStringLiteral("Reserved Word"));

    scanner.SetLine(QString::fromUtf8("×"), 0);
    QCOMPARE(scanner.GetTokenID(), tkUnknown);
    QCOMPARE(scanner.GetTokenAttribute(), &scanner.InvalidAttri);

    const QString identChars = scanner.GetIdentChars();
    QVERIFY(identChars.contains(QLatin1Char('$')) && identChars.contains(QChar(0xE7)));
    QVERIFY(!identChars.contains(QChar(0xD7)) && !identChars.contains(QChar(0xF7)));
    QVERIFY(!identChars.contains(QLatin1Char('-')));
}

QTEST_MAIN(TestJavaScanner)
#include "tst_javascanner.moc"

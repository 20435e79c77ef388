#pragma once

#include "editor/java_scanner.h"

#include <QColor>
#include <QString>

// How one kind of token is shown: a colour and a font style.
struct TokenAttribute
{
    QString name;       // display name
    QColor foreground;  // invalid: the editor's text colour
    bool bold = false;
    bool italic = false;
};

// The Java highlighter: the scanner with a display attribute for each token
// kind. One instance serves every editor of the program.
class TSynJavaSyn : public JavaScanner
{
public:
    TSynJavaSyn();
    // The attributes take the colours of the theme in use.
    void ApplyColours();

    // Null for tkNull.
    const TokenAttribute *GetTokenAttribute() const;
    // 0 comment, 1 identifier, 2 keyword, 3 string, 4 whitespace, 5 symbol.
    const TokenAttribute *GetDefaultAttribute(int index) const;

    QString GetLanguageName() const { return QStringLiteral("Java"); }
    QString GetDefaultFilter() const { return m_defaultFilter; }
    void SetDefaultFilter(const QString &filter) { m_defaultFilter = filter; }
    bool IsFilterStored() const;
    QString GetSampleSource() const;

    TokenAttribute CommentAttri;
    TokenAttribute DocumentAttri;
    TokenAttribute IdentifierAttri;
    TokenAttribute InvalidAttri;
    TokenAttribute KeyAttri;
    TokenAttribute NumberAttri;
    TokenAttribute SpaceAttri;
    TokenAttribute StringAttri;
    TokenAttribute SymbolAttri;

private:
    QString m_defaultFilter;
};

#include "editor/syn_java_syn.h"

#include "common/colours.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStringList>

namespace {

TokenAttribute attribute(const char *name, QColor foreground, bool bold = false, bool italic = false)
{
    return TokenAttribute{QString::fromLatin1(name), foreground, bold, italic};
}

QColor windowBackground()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QGuiApplication::palette().color(QPalette::Base);
    return QColor(Qt::white);
}

} // namespace

TSynJavaSyn::TSynJavaSyn()
    : CommentAttri(attribute("Comment", colours::of(ColourRole::CodeComment), false, true))
    , DocumentAttri(attribute("Documentation", colours::of(ColourRole::CodeDocumentation), false, true))
    , IdentifierAttri(attribute("Identifier", colours::of(ColourRole::CodeText)))
    , InvalidAttri(attribute("Invalid Symbol", colours::of(ColourRole::CodeInvalid)))
    , KeyAttri(attribute("Reserved Word", colours::of(ColourRole::CodeKeyword), true))
    , NumberAttri(attribute("Number", colours::of(ColourRole::CodeNumber)))
    , SpaceAttri(attribute("Space", windowBackground()))
    , StringAttri(attribute("String", colours::of(ColourRole::CodeString)))
    , SymbolAttri(attribute("Symbol", QColor()))
    , m_defaultFilter(QStringLiteral("Java Files (*.java)|*.java"))
{
}

void TSynJavaSyn::ApplyColours()
{
    CommentAttri.foreground = colours::of(ColourRole::CodeComment);
    DocumentAttri.foreground = colours::of(ColourRole::CodeDocumentation);
    IdentifierAttri.foreground = colours::of(ColourRole::CodeText);
    InvalidAttri.foreground = colours::of(ColourRole::CodeInvalid);
    KeyAttri.foreground = colours::of(ColourRole::CodeKeyword);
    NumberAttri.foreground = colours::of(ColourRole::CodeNumber);
    SpaceAttri.foreground = windowBackground();
    StringAttri.foreground = colours::of(ColourRole::CodeString);
}

const TokenAttribute *TSynJavaSyn::GetTokenAttribute() const
{
    switch (GetTokenID()) {
    case tkComment: return &CommentAttri;
    case tkDocument: return &DocumentAttri;
    case tkIdentifier: return &IdentifierAttri;
    case tkInvalid:
    case tkUnknown: return &InvalidAttri;
    case tkKey: return &KeyAttri;
    case tkNumber: return &NumberAttri;
    case tkSpace: return &SpaceAttri;
    case tkString: return &StringAttri;
    case tkSymbol: return &SymbolAttri;
    case tkNull: break;
    }
    return nullptr;
}

const TokenAttribute *TSynJavaSyn::GetDefaultAttribute(int index) const
{
    switch (index) {
    case 0: return &CommentAttri;
    case 1: return &IdentifierAttri;
    case 2: return &KeyAttri;
    case 3: return &StringAttri;
    case 4: return &SpaceAttri;
    case 5: return &SymbolAttri;
    default: return nullptr;
    }
}

bool TSynJavaSyn::IsFilterStored() const
{
    return m_defaultFilter != QLatin1String("Java Files (*.java)|*.java");
}

QString TSynJavaSyn::GetSampleSource() const
{
    return QStringList{
        QStringLiteral("/* Java syntax highlighting */"),
        QStringLiteral("import java.util.*;"),
        QString(),
        QStringLiteral("/** Example class */"),
        QStringLiteral("public class Sample {"),
        QStringLiteral("  public static void main(String[] args) {"),
        QStringLiteral("    int i = 0;"),
        QStringLiteral("    for(i = 0; i < 10; i++)"),
        QStringLiteral("      System.out.println(\"Hello world\");"),
        QStringLiteral("  }"),
        QStringLiteral("}"),
    }.join(QLatin1String("\r\n"));
}

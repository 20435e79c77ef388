#include "common/colours.h"

#include <array>
#include <cmath>

namespace {

using R = ColourRole;

struct Entry
{
    ColourRole role;
    const char *name;
    QColor claro;
    QColor escuro;
    QColor altoContraste;
};

// Each role in the three themes. Claro keeps the program's original colours
// (the code's, the active line's, the handles'); Escuro and Alto contraste
// keep every text at 4.5:1 or more against each background it sits on.
const std::array<Entry, size_t(ColourRole::Count)> kTable = {{
    {R::CodeComment, "comentário", QColor(0, 128, 0), QColor(110, 190, 100), QColor(0, 255, 0)},
    {R::CodeDocumentation, "documentação", QColor(255, 0, 0), QColor(240, 140, 130), QColor(255, 150, 150)},
    {R::CodeText, "texto do código", QColor(0, 0, 0), QColor(220, 220, 220), QColor(255, 255, 255)},
    {R::CodeInvalid, "símbolo inválido", QColor(128, 0, 0), QColor(255, 140, 140), QColor(255, 140, 140)},
    {R::CodeKeyword, "palavra reservada", QColor(0, 0, 0), QColor(140, 180, 255), QColor(255, 255, 0)},
    {R::CodeNumber, "número", QColor(0, 0, 128), QColor(180, 210, 150), QColor(0, 255, 255)},
    {R::CodeString, "texto entre aspas", QColor(0, 0, 128), QColor(220, 170, 120), QColor(0, 255, 255)},
    {R::ActiveLine, "linha do cursor", QColor(240, 240, 240), QColor(42, 42, 46), QColor(0, 0, 70)},
    {R::BracketPair, "par de colchetes", QColor(180, 225, 180), QColor(40, 85, 50), QColor(0, 100, 0)},
    {R::BracketLone, "colchete sem par", QColor(255, 160, 160), QColor(120, 35, 35), QColor(150, 0, 0)},
    {R::MessageMark, "marca de mensagem", QColor(200, 0, 0), QColor(240, 90, 90), QColor(255, 60, 60)},
    {R::WarningMark, "marca de aviso", QColor(215, 150, 0), QColor(230, 180, 40), QColor(255, 255, 0)},
    {R::Breakpoint, "ponto de parada", QColor(210, 30, 30), QColor(230, 70, 70), QColor(255, 60, 60)},
    {R::ExecutionLine, "linha em execução", QColor(255, 246, 200), QColor(58, 50, 14), QColor(56, 42, 0)},
    {R::ExecutionArrow, "seta da execução", QColor(230, 150, 0), QColor(240, 170, 40), QColor(255, 200, 0)},
    {R::LogExplanation, "explicação no registro", QColor(0, 90, 160), QColor(120, 180, 255), QColor(0, 255, 255)},
    {R::LogWarning, "aviso no registro", QColor(138, 75, 0), QColor(230, 180, 90), QColor(255, 255, 0)},
    {R::ConsoleError, "erro no console", QColor(180, 20, 20), QColor(255, 125, 125), QColor(255, 120, 120)},
    {R::ConsoleInput, "entrada no console", QColor(0, 120, 40), QColor(110, 210, 130), QColor(0, 255, 0)},
    {R::ConsoleExplanation, "explicação no console", QColor(0, 90, 160), QColor(120, 180, 255), QColor(0, 255, 255)},
    {R::ConsoleNote, "aviso no console", QColor(110, 110, 110), QColor(170, 170, 170), QColor(230, 230, 230)},
    {R::ChangedValue, "valor alterado", QColor(255, 228, 120), QColor(85, 75, 20), QColor(0, 0, 150)},
    {R::DebugWarning, "aviso da depuração", QColor(138, 75, 0), QColor(230, 180, 90), QColor(255, 255, 0)},
    {R::HandlePrimary, "alça de seleção", QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0)},
    {R::HandleSecondary, "alça das outras seleções", QColor(128, 128, 128), QColor(128, 128, 128),
     QColor(128, 128, 128)},
    {R::DialogFace, "fundo dos diálogos clássicos", QColor(212, 208, 200), QColor(60, 60, 60), QColor(0, 0, 0)},
    {R::Window, "fundo da janela", QColor(239, 239, 239), QColor(45, 45, 48), QColor(0, 0, 0)},
    {R::WindowText, "texto da janela", QColor(0, 0, 0), QColor(222, 222, 222), QColor(255, 255, 255)},
    {R::Base, "fundo do código e das listas", QColor(255, 255, 255), QColor(30, 30, 30), QColor(0, 0, 0)},
    {R::AlternateBase, "fundo alternado das listas", QColor(247, 247, 247), QColor(38, 38, 40), QColor(20, 20, 20)},
    {R::Text, "texto das listas", QColor(0, 0, 0), QColor(220, 220, 220), QColor(255, 255, 255)},
    {R::Button, "botão", QColor(239, 239, 239), QColor(55, 55, 58), QColor(0, 0, 0)},
    {R::ButtonText, "texto do botão", QColor(0, 0, 0), QColor(222, 222, 222), QColor(255, 255, 255)},
    {R::Highlight, "seleção", QColor(25, 100, 165), QColor(38, 79, 120), QColor(255, 255, 0)},
    {R::HighlightedText, "texto selecionado", QColor(255, 255, 255), QColor(255, 255, 255), QColor(0, 0, 0)},
    {R::ToolTipBase, "fundo da dica", QColor(255, 255, 220), QColor(60, 60, 64), QColor(0, 0, 0)},
    {R::ToolTipText, "texto da dica", QColor(0, 0, 0), QColor(230, 230, 230), QColor(255, 255, 255)},
    {R::Link, "ligação", QColor(0, 0, 255), QColor(120, 180, 255), QColor(0, 255, 255)},
    {R::DisabledText, "texto desativado", QColor(190, 190, 190), QColor(120, 120, 120), QColor(150, 150, 150)},
}};

Theme g_theme = Theme::Claro;

const Entry &entry(ColourRole role)
{
    const Entry &e = kTable.at(size_t(role));
    Q_ASSERT(e.role == role); // the table is in the order of the roles
    return e;
}

double luminance(const QColor &colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

} // namespace

namespace colours {

QColor of(ColourRole role)
{
    return of(role, g_theme);
}

QColor of(ColourRole role, Theme theme)
{
    const Entry &e = entry(role);
    switch (theme) {
    case Theme::Claro:
        return e.claro;
    case Theme::Escuro:
        return e.escuro;
    case Theme::AltoContraste:
        return e.altoContraste;
    }
    return e.claro;
}

QString roleName(ColourRole role)
{
    return QString::fromUtf8(entry(role).name);
}

Theme theme()
{
    return g_theme;
}

void setTheme(Theme theme)
{
    g_theme = theme;
}

QList<Theme> themes()
{
    return {Theme::Claro, Theme::Escuro, Theme::AltoContraste};
}

QString themeName(Theme theme)
{
    switch (theme) {
    case Theme::Claro:
        return QStringLiteral("Claro");
    case Theme::Escuro:
        return QStringLiteral("Escuro");
    case Theme::AltoContraste:
        return QStringLiteral("Alto contraste");
    }
    return QString();
}

std::optional<Theme> themeNamed(const QString &name)
{
    for (Theme theme : themes())
        if (themeName(theme) == name)
            return theme;
    return std::nullopt;
}

QPalette palette(Theme theme)
{
    const auto c = [theme](ColourRole role) { return of(role, theme); };
    // The shades (light, dark, mid...) that the style draws frames and the
    // design area with are worked out from the button's colour.
    QPalette p(c(R::Button), c(R::Window));
    p.setColor(QPalette::WindowText, c(R::WindowText));
    p.setColor(QPalette::Base, c(R::Base));
    p.setColor(QPalette::AlternateBase, c(R::AlternateBase));
    p.setColor(QPalette::Text, c(R::Text));
    p.setColor(QPalette::ButtonText, c(R::ButtonText));
    p.setColor(QPalette::BrightText, c(R::MessageMark));
    p.setColor(QPalette::Highlight, c(R::Highlight));
    p.setColor(QPalette::HighlightedText, c(R::HighlightedText));
    p.setColor(QPalette::ToolTipBase, c(R::ToolTipBase));
    p.setColor(QPalette::ToolTipText, c(R::ToolTipText));
    p.setColor(QPalette::Link, c(R::Link));
    p.setColor(QPalette::LinkVisited, c(R::Link));
    p.setColor(QPalette::PlaceholderText, c(R::DisabledText));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, c(R::DisabledText));
    if (theme == Theme::AltoContraste) {
        // Frames and separators stand out as much as the text does.
        p.setColor(QPalette::Light, Qt::white);
        p.setColor(QPalette::Midlight, Qt::white);
        p.setColor(QPalette::Mid, QColor(200, 200, 200));
        p.setColor(QPalette::Dark, QColor(170, 170, 170));
        p.setColor(QPalette::Shadow, Qt::white);
    }
    return p;
}

const QList<TextPair> &textPairs()
{
    static const QList<TextPair> pairs = [] {
        QList<TextPair> all;
        const QList<R> code = {R::CodeComment, R::CodeDocumentation, R::CodeText, R::CodeInvalid,
                               R::CodeKeyword, R::CodeNumber, R::CodeString};
        for (R text : code)
            for (R background : {R::Base, R::ActiveLine, R::ExecutionLine})
                all.append({text, background});
        // A bracket's pair and a lone bracket light the bracket, a symbol.
        all.append({R::CodeText, R::BracketPair});
        all.append({R::CodeText, R::BracketLone});
        for (R text : {R::LogExplanation, R::LogWarning, R::ConsoleError, R::ConsoleInput, R::ConsoleExplanation,
                       R::ConsoleNote, R::Text, R::Link})
            all.append({text, R::Base});
        all.append({R::Text, R::AlternateBase});
        all.append({R::Text, R::ChangedValue});
        all.append({R::DebugWarning, R::Window});
        all.append({R::WindowText, R::Window});
        all.append({R::ButtonText, R::Button});
        all.append({R::HighlightedText, R::Highlight});
        all.append({R::ToolTipText, R::ToolTipBase});
        all.append({R::CodeText, R::DialogFace});
        return all;
    }();
    return pairs;
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace colours

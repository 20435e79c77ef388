#include "common/colours.h"

#include <array>

namespace {

struct Entry
{
    ColourRole role;
    const char *name;
    QColor colour;
};

// The light look, the default.
const std::array<Entry, size_t(ColourRole::Count)> kClaro = {{
    {ColourRole::CodeComment, "comentário", QColor(0, 128, 0)},
    {ColourRole::CodeDocumentation, "documentação", QColor(255, 0, 0)},
    {ColourRole::CodeText, "texto do código", QColor(0, 0, 0)},
    {ColourRole::CodeInvalid, "símbolo inválido", QColor(128, 0, 0)},
    {ColourRole::CodeKeyword, "palavra reservada", QColor(0, 0, 0)},
    {ColourRole::CodeNumber, "número", QColor(0, 0, 128)},
    {ColourRole::CodeString, "texto entre aspas", QColor(0, 0, 128)},
    {ColourRole::ActiveLine, "linha do cursor", QColor(240, 240, 240)},
    {ColourRole::BracketPair, "par de colchetes", QColor(180, 225, 180)},
    {ColourRole::BracketLone, "colchete sem par", QColor(255, 160, 160)},
    {ColourRole::MessageMark, "marca de mensagem", QColor(200, 0, 0)},
    {ColourRole::WarningMark, "marca de aviso", QColor(215, 150, 0)},
    {ColourRole::Breakpoint, "ponto de parada", QColor(210, 30, 30)},
    {ColourRole::ExecutionLine, "linha em execução", QColor(255, 232, 130)},
    {ColourRole::ExecutionArrow, "seta da execução", QColor(230, 150, 0)},
    {ColourRole::LogExplanation, "explicação no registro", QColor(0, 90, 160)},
    {ColourRole::LogWarning, "aviso no registro", QColor(138, 75, 0)},
    {ColourRole::ConsoleError, "erro no console", QColor(180, 20, 20)},
    {ColourRole::ConsoleInput, "entrada no console", QColor(0, 120, 40)},
    {ColourRole::ConsoleExplanation, "explicação no console", QColor(0, 90, 160)},
    {ColourRole::ConsoleNote, "aviso no console", QColor(110, 110, 110)},
    {ColourRole::ChangedValue, "valor alterado", QColor(255, 228, 120)},
    {ColourRole::DebugWarning, "aviso da depuração", QColor(138, 75, 0)},
    {ColourRole::HandlePrimary, "alça de seleção", QColor(0, 0, 0)},
    {ColourRole::HandleSecondary, "alça das outras seleções", QColor(128, 128, 128)},
    {ColourRole::DialogFace, "fundo dos diálogos clássicos", QColor(212, 208, 200)},
}};

const Entry &entry(ColourRole role)
{
    const Entry &e = kClaro.at(size_t(role));
    Q_ASSERT(e.role == role); // the table is in the order of the roles
    return e;
}

} // namespace

namespace colours {

QColor of(ColourRole role)
{
    return entry(role).colour;
}

} // namespace colours

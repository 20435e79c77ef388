#include "designer/designer_model.h"

namespace {

using K = ComponentKind;
using P = PreviewType;
using S = SelectTrigger;

// Default sizes are those of the native controls the preview stands for.
const std::array<ComponentKindInfo, kComponentKindCount> kKinds{{
    {K::JButton, "JButton", "Botão", P::PushButton, "TButton(1)", "jButton", "jButton", 75, 25,
     S::Press},
    {K::JTextField, "JTextField", "Campo de texto", P::SingleLineEdit, "TEdit(2)", "jTextField",
     "jTextField", 121, 21, S::Press},
    {K::JLabel, "JLabel", "Rótulo", P::Label, "TLabel(3)", "jLabel", "jLabel", 65, 17, S::Press},
    {K::JRadioButton, "JRadioButton", "Botão de Opção", P::RadioButton, "TRadioButton(4)",
     "jRadioButton", "jRadioButton", 113, 17, S::Press},
    {K::JCheckBox, "JCheckBox", "Caixa de Seleção", P::CheckBox, "TCheckBox(5)", "jCheckBox",
     "jCheckBox", 97, 17, S::Press},
    {K::JComboBox, "JComboBox", "Caixa de Combinação", P::ComboBox, "TComboBox(6)", "jComboBox",
     "jComboBox", 145, 21, S::Focus},
    {K::JList, "JList", "Lista", P::ListBox, "TListBox(7)", "List", "list", 121, 97, S::Press},
    {K::JToggleButton, "JToggleButton", "Botão Alternar", P::PushButton, "TButton(8)",
     "ToggleButton", "toggle", 75, 25, S::Press},
    {K::JPasswordField, "JPasswordField", "Campo de Senha", P::SingleLineEdit, "TEdit(9)", "Senha",
     "password", 121, 21, S::Press},
    {K::JFormattedTextField, "JFormattedTextField", "Campo Formatado", P::SingleLineEdit,
     "TEdit(10)", "Mask", "mask", 121, 21, S::Press},
    {K::JTextArea, "JTextArea", "Área de Texto", P::MultiLineEdit, "TMemo(11)", "Area de texto",
     "areatexto", 185, 89, S::Press},
    {K::JProgressBar, "JProgressBar", "Barra de Progresso", P::ProgressBar, "TProgressBar(12)", "",
     "progressbar", 150, 16, S::Press},
    {K::JScrollBar, "JScrollBar", "Barra de Rolagem", P::ScrollBar, "TScrollBar(13)", "", "scroll",
     121, 16, S::Focus},
    {K::JSlider, "JSlider", "Controle Deslizante", P::TrackBar, "TTrackBar(14)", "", "track", 150,
     45, S::Focus},
    {K::ButtonGroup, "ButtonGroup", "Grupo de Opções", P::GroupBox, "TGroupBox(15)",
     "Grupo de Opções", "group", 185, 105, S::Press},
}};

} // namespace

const std::array<ComponentKindInfo, kComponentKindCount> &componentKinds()
{
    return kKinds;
}

const ComponentKindInfo &kindInfo(ComponentKind kind)
{
    return kKinds[kindCode(kind) - 1];
}

int kindCode(ComponentKind kind)
{
    return static_cast<int>(kind);
}

std::optional<ComponentKind> kindFromCode(int code)
{
    if (code < 1 || code > kComponentKindCount)
        return std::nullopt;
    return static_cast<ComponentKind>(code);
}

std::optional<ComponentKind> kindFromHint(const QString &hint)
{
    bool ok = false;
    const int code = hint.toInt(&ok);
    return ok ? kindFromCode(code) : std::nullopt;
}

std::optional<ComponentKind> kindFromToken(const QString &token)
{
    for (const ComponentKindInfo &info : kKinds) {
        if (token == QLatin1String(info.objectsToken))
            return info.kind;
    }
    return std::nullopt;
}

bool kindHasText(ComponentKind kind)
{
    return kind != K::JProgressBar && kind != K::JScrollBar && kind != K::JSlider;
}

bool kindHasItems(ComponentKind kind)
{
    return kind == K::JComboBox || kind == K::JList;
}

bool isValidComponentName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const bool letter = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                            || c == QLatin1Char('_');
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}

DesignedComponent newComponent(ComponentKind kind, NamingCounters &counters, int left, int top)
{
    const ComponentKindInfo &info = kindInfo(kind);
    const QString n = QString::number(counters.take(kind));
    DesignedComponent component;
    component.kind = kind;
    component.name = QString::fromUtf8(info.defaultName) + n;
    if (kindHasText(kind) && kind != K::JList)
        component.text = QString::fromUtf8(info.defaultText) + n;
    if (kind == K::JList) {
        component.items = {QString::fromUtf8(info.defaultText) + n};
        component.text = component.items.first();
    }
    component.left = left;
    component.top = top;
    component.width = info.defaultWidth;
    component.height = info.defaultHeight;
    return component;
}

DesignWindowData newDesignWindow(NamingCounters &counters)
{
    DesignWindowData window;
    window.name = QStringLiteral("Form") + QString::number(counters.takeWindow());
    window.title = window.name;
    return window;
}

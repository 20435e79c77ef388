#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The fifteen kinds of Swing component the designer places; the value is the
// kind code that the preview control's hint and the objects file carry.
enum class ComponentKind {
    JButton = 1,
    JTextField,
    JLabel,
    JRadioButton,
    JCheckBox,
    JComboBox,
    JList,
    JToggleButton,
    JPasswordField,
    JFormattedTextField,
    JTextArea,
    JProgressBar,
    JScrollBar,
    JSlider,
    ButtonGroup,
};

inline constexpr int kComponentKindCount = 15;

// The native control that stands for a kind on the design page.
enum class PreviewType {
    PushButton,
    SingleLineEdit,
    Label,
    RadioButton,
    CheckBox,
    ComboBox,
    ListBox,
    MultiLineEdit,
    ProgressBar,
    ScrollBar,
    TrackBar,
    GroupBox,
};

// How a kind is selected on the design page: most on a mouse press, a few
// when they receive the keyboard focus.
enum class SelectTrigger { Press, Focus };

// One row of the kind table: everything about a kind that never changes.
struct ComponentKindInfo
{
    ComponentKind kind;
    const char *swingClass;     // the Swing class that the generated code uses
    const char *paletteCaption; // caption of the palette button
    PreviewType preview;
    const char *objectsToken;   // class token of the objects file, code included
    const char *defaultText;    // + n; empty when the kind shows no text
    const char *defaultName;    // + n
    int defaultWidth;
    int defaultHeight;
    SelectTrigger trigger;
};

const std::array<ComponentKindInfo, kComponentKindCount> &componentKinds();
const ComponentKindInfo &kindInfo(ComponentKind kind);
int kindCode(ComponentKind kind);
// The kind of a code 1..15 (hint text or number); nothing for anything else.
std::optional<ComponentKind> kindFromCode(int code);
std::optional<ComponentKind> kindFromHint(const QString &hint);
std::optional<ComponentKind> kindFromToken(const QString &token);

// Kinds that show a text of their own (all but the progress bar, the scroll
// bar and the slider).
bool kindHasText(ComponentKind kind);
// Kinds whose preview holds a list of items (combo box and list).
bool kindHasItems(ComponentKind kind);

// A name the generated Java code and the preview control both accept:
// a letter or underscore first, then letters, digits or underscores.
bool isValidComponentName(const QString &name);

// The naming counters: one per kind and one for design windows, shared by
// every document, incremented before each use and never decreased.
struct NamingCounters
{
    std::array<int, kComponentKindCount> kinds{};
    int windows = 0;

    // Increments the counter of `kind` and returns its new value.
    int take(ComponentKind kind) { return ++kinds[kindCode(kind) - 1]; }
    int takeWindow() { return ++windows; }
    int value(ComponentKind kind) const { return kinds[kindCode(kind) - 1]; }
};

// A placed component: what its preview control carries and what the objects
// file and the code generator read. Bounds are relative to the client area
// of the design window.
struct DesignedComponent
{
    ComponentKind kind = ComponentKind::JButton;
    QString name;
    // Caption or text; for a list its first item; empty for kinds 12 to 14.
    QString text;
    // Items of a combo box or a list, in order.
    QStringList items;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool enabled = true;

    // The kind code as the preview control's hint holds it ("1" ... "15").
    QString hint() const { return QString::number(kindCode(kind)); }

    bool operator==(const DesignedComponent &) const = default;
};

// A new component of `kind` with its default name and text (taking the next
// number from the kind's counter), its top-left corner at `topLeft` and the
// kind's default size.
DesignedComponent newComponent(ComponentKind kind, NamingCounters &counters, int left, int top);

// The designed window: its name ("Form" + m for a new design, empty for one
// read from a file), its title, its outer bounds and its components in
// z-order.
struct DesignWindowData
{
    QString name;
    QString title;
    int left = 0;
    int top = 0;
    int width = 400;
    int height = 300;
    bool visible = true;
    bool enabled = true;
    QList<DesignedComponent> components;

    bool operator==(const DesignWindowData &) const = default;
};

// A new design window "Form" + m, 400 x 300, taking m from the window counter.
DesignWindowData newDesignWindow(NamingCounters &counters);

#include "designer/event_listeners.h"

#include "designer/block_depth.h"
#include "designer/code_lines.h"
#include "designer/swing_codegen.h"
#include "editor/java_scanner.h"

namespace {

constexpr int kChangeEvent = 3;
constexpr const char *kSwingEventImport = "import javax.swing.event.*;";
constexpr const char *kAwtEventImport = "import java.awt.event.*;";

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// The first place where `text` stands in `all` as the start of a name (not
// inside a longer one), from `from` on; -1 when there is none.
qsizetype findAfterNameStart(const QString &all, const QString &text, qsizetype from = 0)
{
    for (qsizetype at = all.indexOf(text, from); at >= 0; at = all.indexOf(text, at + 1)) {
        if (at == 0 || !JavaScanner::IsIdentChar(all.at(at - 1)))
            return at;
    }
    return -1;
}

// Where the name ends there too, so "public semnome1" is not found in
// "public semnome10".
qsizetype findWholeName(const QString &all, const QString &text)
{
    for (qsizetype at = findAfterNameStart(all, text); at >= 0;
         at = findAfterNameStart(all, text, at + 1)) {
        const qsizetype end = at + text.size();
        if (end >= all.size() || !JavaScanner::IsIdentChar(all.at(end)))
            return at;
    }
    return -1;
}

// The handler's header line inside the component's first listener of the
// event: the listener is found by `lineOne`, the header by `header` within
// the lines that the listener statement spans.
int findHeaderLine(const CodeLines &code, const QString &lineOne, const QString &header)
{
    const qsizetype at = findAfterNameStart(code.Text(), lineOne);
    if (at < 0)
        return -1;
    const int first = code.LineOfOffset(int(at));
    const int span = BlockLineCount(code, first, QStringLiteral("("), QStringLiteral(")"));
    for (int line = first; line < first + span; ++line) {
        if (code.Get(line).contains(header))
            return line;
    }
    return -1;
}

// After the last import line (or at the top when there is none).
int importInsertionLine(const CodeLines &code)
{
    int after = 0;
    const int count = code.Count();
    for (int i = 0; i < count; ++i) {
        const QString line = code.Get(i).trimmed();
        if (line.startsWith(QLatin1String("import ")) || line.startsWith(QLatin1String("package ")))
            after = i + 1;
    }
    return after;
}

} // namespace

const std::array<EventTemplate, kEventCount> &eventTemplates()
{
    static const std::array<EventTemplate, kEventCount> table = {{
        {"Click", ".addMouseListener( new MouseAdapter() {", 12,
         "public void mouseClicked(MouseEvent evento) {", 13, 12},
        {"MouseMove", ".addMouseMotionListener(new MouseMotionAdapter() {", 12,
         "public void mouseMoved(MouseEvent e) {", 16, 12},
        {"MouseDown", ".addMouseListener(new MouseAdapter() {", 12,
         "public void mousePressed(MouseEvent evento) {", 16, 8},
        {"Change", ".addCaretListener(new CaretListener() {", 8,
         "public void caretUpdate(CaretEvent e) {", 16, 8, kSwingEventImport},
        {"Focus", ".addFocusListener(new FocusAdapter() {", 4,
         "public void focusGained(FocusEvent e) {", 9, 4},
        {"LostFocus", ".addFocusListener(new FocusAdapter() {", 12,
         "public void focusLost(FocusEvent evt) {", 16, 12},
        {"KeyPress", ".addKeyListener(new KeyAdapter() {", 8,
         "public void keyPressed(KeyEvent event) {", 16, 8},
    }};
    return table;
}

std::optional<EventTemplate> eventTemplate(int event, ComponentKind kind)
{
    if (event < 0 || event >= kEventCount || kind == ComponentKind::ButtonGroup)
        return std::nullopt;
    EventTemplate t = eventTemplates().at(event);
    if (event != kChangeEvent)
        return t;
    const auto change = [&t](const char *opening, const char *header, const char *import) {
        t.opening = opening;
        t.header = header;
        t.import = import;
        return t;
    };
    switch (kind) {
    case ComponentKind::JTextField:
    case ComponentKind::JPasswordField:
    case ComponentKind::JFormattedTextField:
    case ComponentKind::JTextArea:
        return t;
    case ComponentKind::JButton:
    case ComponentKind::JRadioButton:
    case ComponentKind::JCheckBox:
    case ComponentKind::JToggleButton:
    case ComponentKind::JProgressBar:
    case ComponentKind::JSlider:
        return change(".addChangeListener(new ChangeListener() {",
                      "public void stateChanged(ChangeEvent e) {", kSwingEventImport);
    case ComponentKind::JComboBox:
        return change(".addItemListener(new ItemListener() {",
                      "public void itemStateChanged(ItemEvent e) {", kAwtEventImport);
    case ComponentKind::JList:
        return change(".addListSelectionListener(new ListSelectionListener() {",
                      "public void valueChanged(ListSelectionEvent e) {", kSwingEventImport);
    case ComponentKind::JScrollBar:
        return change(".addAdjustmentListener(new AdjustmentListener() {",
                      "public void adjustmentValueChanged(AdjustmentEvent e) {", kAwtEventImport);
    case ComponentKind::JLabel:
    case ComponentKind::ButtonGroup:
        break;
    }
    return std::nullopt;
}

QStringList eventTemplateLines(int event, const QString &name, ComponentKind kind)
{
    const std::optional<EventTemplate> t = eventTemplate(event, kind);
    if (!t)
        return {};
    return {
        name + QString::fromUtf8(t->opening),
        blanks(t->headerIndent) + QString::fromUtf8(t->header),
        blanks(t->markerIndent) + kCodeMarker,
        blanks(t->closingIndent) + QStringLiteral("}});"),
    };
}

std::optional<LoadedHandler> loadHandler(const CodeLines &code, int event, const QString &name,
                                        ComponentKind kind)
{
    const std::optional<EventTemplate> t = eventTemplate(event, kind);
    if (!t || name.isEmpty())
        return std::nullopt;
    const QString lineOne = name + QString::fromUtf8(t->opening);
    // Found without its blanks, so a header indented by hand is still shown.
    const int header = findHeaderLine(code, lineOne, QString::fromUtf8(t->header));
    if (header < 0)
        return std::nullopt;
    const int span = BlockLineCount(code, header, QStringLiteral("{"), QStringLiteral("}"));
    LoadedHandler loaded;
    loaded.headerLine = header;
    for (int line = header + 1; line <= header + span - 2; ++line)
        loaded.body.append(code.Get(line));
    return loaded;
}

std::optional<int> blockClosingLine(const CodeLines &code, int firstLine, const QString &open,
                                    const QString &close, int *openingLine)
{
    if (open.isEmpty() || close.isEmpty())
        return std::nullopt;
    BlockDepth block(open, close);
    const int count = code.Count();
    for (int i = std::max(firstLine, 0); i < count; ++i) {
        const bool wasOpened = block.opened();
        block.takeLine(code.Get(i));
        if (!block.opened()) {
            // A line that only closes before anything opened is no block.
            if (block.closedFirst())
                return std::nullopt;
            continue;
        }
        if (!wasOpened && openingLine)
            *openingLine = i;
        if (block.depth() <= 0)
            return i;
    }
    return std::nullopt;
}

ListenerWrite writeListener(CodeLines &code, int event, const QString &name, ComponentKind kind,
                            const QStringList &statements)
{
    ListenerWrite write;
    if (event < 0 || event >= kEventCount || name.isEmpty())
        return write;
    const std::optional<EventTemplate> t = eventTemplate(event, kind);
    if (!t) {
        write.result = ListenerResult::NoSuchEvent;
        return write;
    }
    const QStringList lines = eventTemplateLines(event, name, kind);

    // An existing handler with at least one body line gets the new body;
    // its header is looked for with its blanks here.
    const int header = findHeaderLine(code, lines.at(0), lines.at(1));
    const int span =
        header < 0 ? 0 : BlockLineCount(code, header, QStringLiteral("{"), QStringLiteral("}"));
    if (header >= 0 && span - 2 >= 1) {
        for (int i = 0; i < span - 2; ++i)
            code.Delete(header + 1);
        int line = header;
        for (const QString &statement : statements)
            code.Insert(++line, statement);
        write.result = ListenerResult::Replaced;
        write.caretLine = line;
    } else {
        int classLine = -1;
        for (int i = 0; i < code.Count(); ++i) {
            if (code.Get(i).contains(QLatin1String("extends JFrame"))) {
                classLine = i;
                break;
            }
        }
        const QString head = QStringLiteral("public class ");
        const qsizetype headAt = classLine < 0 ? -1 : code.Get(classLine).indexOf(head);
        if (headAt < 0)
            return write;
        QString className = code.Get(classLine).mid(headAt + head.size()).trimmed();
        const qsizetype blank = className.indexOf(QLatin1Char(' '));
        const qsizetype brace = className.indexOf(QLatin1Char('{'));
        if (blank >= 0)
            className.truncate(blank);
        else if (brace >= 0)
            className.truncate(brace);
        if (className.isEmpty())
            return write;

        const qsizetype constructorAt =
            findWholeName(code.Text(), QLatin1String("public ") + className);
        if (constructorAt < 0) {
            write.result = ListenerResult::MissingConstructor;
            return write;
        }
        const int constructorLine = code.LineOfOffset(int(constructorAt));
        int openingLine = -1;
        const std::optional<int> closing = blockClosingLine(
            code, constructorLine, QStringLiteral("{"), QStringLiteral("}"), &openingLine);
        if (!closing) {
            write.result = ListenerResult::OpenConstructor;
            return write;
        }
        // Lines go in above the closing line, which must not be the opening one.
        if (*closing == openingLine) {
            write.result = ListenerResult::OneLineConstructor;
            return write;
        }
        int line = *closing;
        for (const QString &templateLine : lines) {
            if (templateLine.trimmed() == kCodeMarker) {
                for (const QString &statement : statements)
                    code.Insert(line++, statement);
            } else {
                code.Insert(line++, templateLine);
            }
        }
        write.result = ListenerResult::Created;
    }

    // Some listeners and their events live in a package of their own.
    const QString import = QString::fromUtf8(t->import ? t->import : "");
    if (!import.isEmpty() && !code.Text().contains(import)) {
        const int at = importInsertionLine(code);
        code.Insert(at, import);
        write.importAdded = true;
        if (write.caretLine >= at)
            ++write.caretLine;
    }
    return write;
}

QString listenerMessage(ListenerResult result)
{
    switch (result) {
    case ListenerResult::MissingClass:
        return codegenMessage(CodegenResult::MissingClass);
    case ListenerResult::MissingConstructor:
        return codegenMessage(CodegenResult::MissingConstructor);
    case ListenerResult::OpenConstructor:
        return QStringLiteral("O bloco do método construtor não está fechado: falta \"}\"!");
    case ListenerResult::OneLineConstructor:
        return QStringLiteral("O método construtor abre e fecha na mesma linha: coloque o \"}\" "
                              "final numa linha própria!");
    case ListenerResult::NoSuchEvent:
        return QStringLiteral("Este componente não tem esse evento: um rótulo (JLabel) não muda "
                              "sozinho e um grupo de botões (ButtonGroup) não recebe eventos. "
                              "Escolha outro evento ou outro componente!");
    case ListenerResult::Replaced:
    case ListenerResult::Created:
        break;
    }
    return {};
}

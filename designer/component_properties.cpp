#include "designer/component_properties.h"

#include "designer/code_lines.h"
#include "designer/java_names.h"

namespace {

// Digits only; a leading minus sign where `signAllowed` (a component may
// stand partly left of or above the window).
bool isDecimal(const QString &text, bool signAllowed)
{
    const bool signed_ = signAllowed && text.startsWith(QLatin1Char('-'));
    const QStringView digits = QStringView(text).mid(signed_ ? 1 : 0);
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    bool fits = false;
    text.toInt(&fits);
    return fits;
}

int firstLineContaining(const CodeLines &code, const QString &text)
{
    const int count = code.Count();
    for (int i = 0; i < count; ++i) {
        if (code.Get(i).contains(text))
            return i;
    }
    return -1;
}

} // namespace

std::optional<PropertiesRefusal> validateProperties(const PropertiesInput &input,
                                                    const QString &currentName,
                                                    const QStringList &windowNames)
{
    using F = PropertiesField;
    if (input.name.isEmpty())
        return PropertiesRefusal{QStringLiteral("Digite um nome para o objeto!"), F::Nome};
    if (!isValidComponentName(input.name))
        return PropertiesRefusal{
            QStringLiteral("O nome do objeto deve começar com uma letra ou \"_\" e ter apenas "
                           "letras sem acento, algarismos ou \"_\"!"),
            F::Nome};
    if (isJavaKeyword(input.name))
        return PropertiesRefusal{
            QStringLiteral("O nome do objeto não pode ser uma palavra reservada do Java!"), F::Nome};

    struct NumberField
    {
        const QString &text;
        const char *what;
        F field;
        bool signAllowed;
    };
    const NumberField numbers[] = {
        {input.left, "o posicionamento horizontal do objeto", F::Esquerda, true},
        {input.top, "o posicionamento vertical do objeto", F::Topo, true},
        {input.height, "altura do objeto", F::Altura, false},
        {input.width, "largura do objeto", F::Largura, false},
    };
    for (const NumberField &number : numbers) {
        const QString what = QString::fromUtf8(number.what);
        if (number.text.isEmpty())
            return PropertiesRefusal{QStringLiteral("Digite um valor para %1!").arg(what),
                                     number.field};
        if (!isDecimal(number.text, number.signAllowed))
            return PropertiesRefusal{
                QStringLiteral("Digite apenas algarismos para %1!").arg(what), number.field};
    }

    if (input.name != currentName) {
        for (const QString &name : windowNames) {
            if (name.compare(input.name, Qt::CaseInsensitive) == 0)
                return PropertiesRefusal{QStringLiteral("Nome já existe!"), F::None};
        }
    }
    return std::nullopt;
}

std::optional<QString> titleForShowing(const DesignedComponent &component)
{
    switch (component.kind) {
    case ComponentKind::JTextField:
    case ComponentKind::JLabel:
        return component.text;
    case ComponentKind::JComboBox:
    case ComponentKind::JList:
        return std::nullopt;
    default:
        return component.text.left(98);
    }
}

DesignedComponent updatedComponent(const DesignedComponent &current, const PropertiesInput &input)
{
    DesignedComponent c = current;
    c.name = input.name;
    c.left = input.left.toInt();
    c.top = input.top.toInt();
    c.width = input.width.toInt();
    c.height = input.height.toInt();
    if (kindHasItems(c.kind))
        c.items = input.items;
    // A list shows its first item; kinds without a text keep none.
    if (c.kind == ComponentKind::JList)
        c.text = c.items.value(0);
    else if (kindHasText(c.kind))
        c.text = input.title;
    return c;
}

CodegenResult writePropertiesCode(CodeLines &code, const DesignedComponent &current,
                                  const DesignedComponent &updated, const QString &enabledFlag,
                                  const QString &visibleFlag)
{
    // The old lines are found by the old name, text and bounds, so they go
    // before anything else changes.
    RemoveComponentCode(code, current, true);
    if (updated.name != current.name) {
        renameIdentifier(code, current.name, updated.name);
        if (current.kind == ComponentKind::JList) {
            // The list's model and scroll pane are named after it.
            renameIdentifier(code, QLatin1String("model") + current.name,
                             QLatin1String("model") + updated.name);
            renameIdentifier(code, QLatin1String("scr") + current.name,
                             QLatin1String("scr") + updated.name);
        }
    }
    const CodegenResult result = WriteComponentCode(code, updated, enabledFlag, visibleFlag);
    if (result != CodegenResult::Written)
        return result;

    const QString &N = updated.name;
    if (updated.kind == ComponentKind::JList) {
        const QString model =
            QLatin1String("DefaultListModel model") + N + QLatin1String(" = new DefaultListModel();");
        int line = firstLineContaining(code, model);
        if (line >= 0) {
            code.Delete(line);
            code.Insert(line, model);
            for (const QString &item : updated.items)
                code.Insert(++line, QLatin1String("model") + N + QLatin1String(".addElement(")
                                        + javaStringLiteral(item) + QLatin1String(");"));
        }
    } else if (updated.kind == ComponentKind::JComboBox) {
        int line = firstLineContaining(code, N + QLatin1String(" = new JComboBox();"));
        if (line >= 0) {
            for (const QString &item : updated.items)
                code.Insert(++line, N + QLatin1String(".addItem(") + javaStringLiteral(item)
                                        + QLatin1String(");"));
        }
    }
    return result;
}

#pragma once

#include "designer/designer_model.h"
#include "designer/swing_codegen.h"

#include <QString>
#include <QStringList>
#include <optional>

class CodeLines;

// What the properties dialog does to a component and its code, apart from
// the widgets: the checks before anything changes, the new component data,
// and the rewriting of its lines (rename, code, list and combo items).

// The dialog's fields as the student left them.
struct PropertiesInput
{
    QString name;
    QString title;
    QString left;
    QString top;
    QString height;
    QString width;
    // "true", "false" or empty (no choice).
    QString enabled;
    QString visible;
    // One item per line of the items memo (combo box and list only).
    QStringList items;
};

// The field that takes the focus after a refusal.
enum class PropertiesField { None, Nome, Esquerda, Topo, Altura, Largura };

struct PropertiesRefusal
{
    QString message;
    PropertiesField focus = PropertiesField::None;
};

// The first check that `input` fails, or nothing. `windowNames` are the
// names of every component of the component's window, its own included.
std::optional<PropertiesRefusal> validateProperties(const PropertiesInput &input,
                                                    const QString &currentName,
                                                    const QStringList &windowNames);

// What the title field shows for `component` when the dialog opens; nothing
// for the combo box and the list, whose title field keeps what it held.
std::optional<QString> titleForShowing(const DesignedComponent &component);

// `current` with the validated `input` applied: name, bounds, text, items.
DesignedComponent updatedComponent(const DesignedComponent &current, const PropertiesInput &input);

// Rewrites the component's code from `current` to `updated`: removes its
// generated lines (listeners kept), renames every use of the old name,
// writes the lines again with the flags and, for a list or a combo box, its
// items below the model or construction line.
CodegenResult writePropertiesCode(CodeLines &code, const DesignedComponent &current,
                                  const DesignedComponent &updated, const QString &enabledFlag,
                                  const QString &visibleFlag);

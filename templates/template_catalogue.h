#pragma once

#include "templates/template_command.h"

#include <QList>
#include <QStringList>
#include <optional>

// The template commands, read from the catalogue text (compiled in as a
// resource): every menu entry and toolbar button with its template.
class TemplateCatalogue
{
public:
    // Reads catalogue text; on failure `error` (when given) names the line and
    // the fault.
    static std::optional<TemplateCatalogue> parse(const QString &text, QString *error = nullptr);
    // The program's own catalogue.
    static const TemplateCatalogue &standard();

    const QList<TemplateCommand> &commands() const { return m_commands; }
    // Submenus to create before any entry, in this order (caption paths).
    const QList<QStringList> &submenus() const { return m_submenus; }

    // The buttons of toolbar row `rowName`, in order.
    QList<const TemplateCommand *> buttons(const QString &rowName) const;
    // Commands reached from a menu, in order.
    QList<const TemplateCommand *> menuEntries() const;

private:
    TemplateCatalogue() = default;

    QList<TemplateCommand> m_commands;
    QList<QStringList> m_submenus;
};

// Joins and splits the caption paths of menu entries ("&Java › Swing").
QString menuPathSeparator();

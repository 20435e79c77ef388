#include "templates/declaration_counters.h"

namespace {

constexpr std::array<const char *, counterCount> names = {
    "button", "checkbox", "radio",  "group", "choice",  "list",        "textfield",
    "image",  "label",    "panel", "menubar", "subitem", "primaryitem",
};

} // namespace

QString counterName(Counter counter)
{
    return QString::fromLatin1(names[static_cast<std::size_t>(counter)]);
}

std::optional<Counter> counterFromName(const QString &name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == QLatin1String(names[i]))
            return static_cast<Counter>(i);
    }
    return std::nullopt;
}

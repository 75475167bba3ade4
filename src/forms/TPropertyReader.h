#pragma once

#include "forms/TColor.h"

#include <QString>

#include <functional>
#include <map>
#include <utility>
#include <vector>

// Parsing of property values as descriptions store them. Every parser raises
// EReadError "Invalid property value" for a text it cannot take.
namespace PropertyText {

int ToInt(const QString& value);
// A position, size, bevel or border width or font height in pixels: an int
// clamped to at most QWIDGETSIZE_MAX either way.
int ToPixels(const QString& value);
bool ToBool(const QString& value);
TColor ToColor(const QString& value);
// An identifier out of a table, such as "alClient".
int ToIdent(const QString& value, const std::vector<std::pair<const char*, int>>& idents);
// A set such as "[biSystemMenu,biMinimize]": the flags of the table or-ed together.
unsigned ToSet(const QString& value, const std::vector<std::pair<const char*, unsigned>>& flags);

[[noreturn]] void Invalid();

// A bound handler for an event property, which must be of the event's kind.
template <class Handler> const Handler& Required(const Handler& handler)
{
    if (!handler)
        Invalid();
    return handler;
}

} // namespace PropertyText

// The properties one control class adds, by name.
template <class T>
using TPropertySetters = std::map<QString, std::function<void(T&, const QString&)>>;

// Applies a property from a class's table; false when the class has no such property.
template <class T>
bool ApplyProperty(const TPropertySetters<T>& setters, T& target, const QString& name,
                   const QString& value)
{
    const auto found = setters.find(name);
    if (found == setters.end())
        return false;
    found->second(target, value);
    return true;
}

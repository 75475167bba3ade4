#pragma once

#include "forms/TColor.h"

#include <QMetaEnum>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

class TControl;

// Parsing of property values as descriptions store them. Every parser raises
// EReadError "Invalid property value" for a text it cannot take.
namespace PropertyText {

int ToInt(const QString& value);
// A position, size, bevel or border width or font height in pixels: an int
// clamped to at most QWIDGETSIZE_MAX either way.
int ToPixels(const QString& value);
bool ToBool(const QString& value);
TColor ToColor(const QString& value);
[[noreturn]] void Invalid();

// The value of one of the enumeration's names, exactly as declared.
int ToIdent(const QString& value, const QMetaEnum& names);
// A set such as "[biSystemMenu,biMinimize]": the named flags or-ed together.
unsigned ToSet(const QString& value, const QMetaEnum& names);

template <class Enum> Enum ToIdent(const QString& value)
{
    return static_cast<Enum>(ToIdent(value, QMetaEnum::fromType<Enum>()));
}

template <class Kind> unsigned ToSet(const QString& value)
{
    return ToSet(value, QMetaEnum::fromType<Kind>());
}

// A bound handler for an event property, which must be of the event's kind.
template <class Handler> const Handler& Required(const Handler& handler)
{
    if (!handler)
        Invalid();
    return handler;
}

} // namespace PropertyText

// What a control takes from a description: a setter by property name.
using TPropertySetters = std::map<QString, std::function<void(TControl&, const QString&)>>;

// Adds setters written for class T, a TControl: add("Name", setter).
template <class T> class TSettersOf {
public:
    explicit TSettersOf(TPropertySetters& setters) : FSetters(setters) {}

    template <class Set> void operator()(const char* name, Set set)
    {
        FSetters[QString::fromLatin1(name)] = [set](TControl& control, const QString& value) {
            set(static_cast<T&>(control), value);
        };
    }

private:
    TPropertySetters& FSetters;
};

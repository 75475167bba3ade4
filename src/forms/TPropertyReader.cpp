#include "forms/TPropertyReader.h"

#include "forms/Exceptions.h"
#include "forms/TControl.h"
#include "forms/TPicture.h"

#include <QMetaEnum>
#include <QMetaProperty>

#include <algorithm>

namespace PropertyText {

void Invalid()
{
    throw EReadError(QStringLiteral("Invalid property value"));
}

void NoSuchProperty(const QString& name)
{
    throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
}

namespace {

// The property of that name, compared whole, among those of type from index
// first on: a class's own before its bases', as Qt looks properties up.
QMetaProperty Named(const QMetaObject& type, int first, const QString& name)
{
    for (int i = type.propertyCount() - 1; i >= first; --i)
        if (name == QLatin1String(type.property(i).name()))
            return type.property(i);
    return QMetaProperty();
}

// A control's own property: TControl's and its subclasses', not Qt's.
QMetaProperty ControlProperty(const TControl& target, const QString& name)
{
    return Named(*target.metaObject(), TControl::staticMetaObject.propertyOffset(), name);
}

int ToInt(const QString& text)
{
    bool ok = false;
    const int result = text.toInt(&ok);
    if (!ok)
        Invalid();
    return result;
}

// A description's numbers are bounded here, where they are read, to the range
// of Qt's widget sizes either way: clamped rather than refused, so that every
// description that loaded still loads. Negative sizes and widths keep their
// meaning (no size, or the least a setter allows), and no screen shows a font
// that many pixels high. With every input within 2^24, the sums of a few of
// them that layout and painting work out stay far inside int. A text that is
// no int is still an invalid value.
int ToPixels(const QString& text)
{
    return std::clamp(ToInt(text), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool ToBool(const QString& text)
{
    if (text == QLatin1String("True"))
        return true;
    if (text == QLatin1String("False"))
        return false;
    Invalid();
}

TColor ToColor(const QString& text)
{
    const std::optional<TColor> color = ColorFromText(text);
    if (!color)
        Invalid();
    return *color;
}

int ToIdent(const QString& text, const QMetaEnum& names)
{
    // Compared name by name: QMetaEnum::keyToValue would also take a scoped
    // name, and stop at a NUL.
    for (int i = 0; i < names.keyCount(); ++i)
        if (text == QLatin1String(names.key(i)))
            return names.value(i);
    Invalid();
}

int ToSet(const QString& text, const QMetaEnum& names)
{
    if (!text.startsWith(u'[') || !text.endsWith(u']'))
        Invalid();
    int result = 0;
    const QString inner = text.mid(1, text.size() - 2);
    for (const QString& part : inner.split(u',', Qt::SkipEmptyParts))
        result |= ToIdent(part.trimmed(), names);
    return result;
}

// The value a text gives a property of that type; none where descriptions
// set no property of that type.
QVariant FromText(const QMetaProperty& property, const QString& text)
{
    if (property.isEnumType()) {
        const QMetaEnum names = property.enumerator();
        return names.isFlag() ? ToSet(text, names) : ToIdent(text, names);
    }
    const QMetaType type = property.metaType();
    if (type == QMetaType::fromType<TColor>())
        return QVariant::fromValue(ToColor(text));
    if (type == QMetaType::fromType<int>())
        return ToPixels(text);
    if (type == QMetaType::fromType<bool>())
        return ToBool(text);
    if (type == QMetaType::fromType<QString>())
        return text;
    return QVariant();
}

} // namespace

void Write(TControl& target, const QString& name, const QString& text)
{
    // "Font.Name": the member Name of the gadget in the property Font.
    const qsizetype dot = name.indexOf(u'.');
    const QMetaProperty property = ControlProperty(target, name.left(dot));
    if (!property.isWritable())
        NoSuchProperty(name);
    if (dot < 0) {
        const QVariant value = FromText(property, text);
        if (!value.isValid())
            NoSuchProperty(name);
        if (!property.write(&target, value))
            Invalid();
        return;
    }
    const QMetaObject* gadget = property.metaType().flags().testFlag(QMetaType::IsGadget)
                                    ? property.metaType().metaObject()
                                    : nullptr;
    const QMetaProperty member = gadget ? Named(*gadget, 0, name.mid(dot + 1)) : QMetaProperty();
    const QVariant value = member.isValid() ? FromText(member, text) : QVariant();
    if (!value.isValid())
        NoSuchProperty(name);
    QVariant whole = property.read(&target);
    if (!member.writeOnGadget(whole.data(), value) || !property.write(&target, whole))
        Invalid();
}

TPicture& PictureOf(TControl& target, const QString& name)
{
    TPicture* picture = ControlProperty(target, name).read(&target).value<TPicture*>();
    if (!picture)
        NoSuchProperty(name);
    return *picture;
}

} // namespace PropertyText

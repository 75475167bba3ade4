#include "forms/TPropertyReader.h"

#include "forms/Exceptions.h"

#include <QWidget>

#include <algorithm>

namespace PropertyText {

void Invalid()
{
    throw EReadError(QStringLiteral("Invalid property value"));
}

int ToInt(const QString& value)
{
    bool ok = false;
    const int result = value.toInt(&ok);
    if (!ok)
        Invalid();
    return result;
}

// A description's numbers of pixels are bounded here, where they are read, to
// the range of Qt's widget sizes either way: clamped rather than refused, so
// that every description that loaded still loads. Negative sizes and widths
// keep their meaning (no size, or the least a setter allows), and no screen
// shows a font that many pixels high. With every input within 2^24, the sums
// of a few of them that layout and painting work out stay far inside int. A
// text that is no int is still an invalid value.
int ToPixels(const QString& value)
{
    return std::clamp(ToInt(value), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool ToBool(const QString& value)
{
    if (value == QLatin1String("True"))
        return true;
    if (value == QLatin1String("False"))
        return false;
    Invalid();
}

TColor ToColor(const QString& value)
{
    const std::optional<TColor> color = ColorFromText(value);
    if (!color)
        Invalid();
    return *color;
}

int ToIdent(const QString& value, const QMetaEnum& names)
{
    // Compared name by name: QMetaEnum::keyToValue would also take a scoped
    // name, and stop at a NUL.
    for (int i = 0; i < names.keyCount(); ++i)
        if (value == QLatin1String(names.key(i)))
            return names.value(i);
    Invalid();
}

unsigned ToSet(const QString& value, const QMetaEnum& names)
{
    if (!value.startsWith(u'[') || !value.endsWith(u']'))
        Invalid();
    unsigned result = 0;
    const QString inner = value.mid(1, value.size() - 2);
    for (const QString& part : inner.split(u',', Qt::SkipEmptyParts))
        result |= static_cast<unsigned>(ToIdent(part.trimmed(), names));
    return result;
}

} // namespace PropertyText

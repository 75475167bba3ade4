#include "forms/StrToInt.h"

#include "forms/Exceptions.h"

#include <QRegularExpression>

#include <optional>

namespace {

std::optional<int> Parse(const QString& text)
{
    // Spaces, then a decimal number with an optional sign, or a hexadecimal
    // one after "$", "x" or "0x".
    static const QRegularExpression syntax(
        QStringLiteral(R"(^ *(?:([+-]?[0-9]+)|(?:\$|0?[xX])([0-9A-Fa-f]+))\z)"));
    const QRegularExpressionMatch match = syntax.match(text);
    bool ok = false;
    int value = 0;
    if (match.hasCaptured(1))
        value = match.captured(1).toInt(&ok);
    else if (match.hasCaptured(2))
        // Eight digits at most, beyond leading zeros; the top bit is the sign.
        value = static_cast<int>(match.captured(2).toUInt(&ok, 16));
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A message box holding a value of thousands of characters would be wider
// than the screen: the middle of a long value gives way to an ellipsis.
QString ShownValue(const QString& text)
{
    constexpr int longest = 60;
    if (text.size() <= longest)
        return text;
    const int head = (longest - 1) / 2 + (longest - 1) % 2;
    const int tail = longest - 1 - head;
    return text.left(head) + QChar(0x2026) + text.right(tail);
}

} // namespace

int StrToInt(const QString& text)
{
    const std::optional<int> value = Parse(text);
    if (!value)
        throw EConvertError(
            QStringLiteral("'%1' is not a valid integer value").arg(ShownValue(text)));
    return *value;
}

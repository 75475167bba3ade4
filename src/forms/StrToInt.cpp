#include "forms/StrToInt.h"

#include "forms/Exceptions.h"

#include <cstdint>
#include <optional>

namespace {

std::optional<int> HexDigit(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return std::nullopt;
}

std::optional<int> ParseHex(const QString& text, int pos)
{
    if (pos >= text.size())
        return std::nullopt;
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const std::optional<int> digit = HexDigit(text[pos]);
        if (!digit)
            return std::nullopt;
        value = value * 16 + *digit;
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

std::optional<int> ParseDecimal(const QString& text, int pos)
{
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (pos >= text.size())
        return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<int> Parse(const QString& text)
{
    int pos = 0;
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    const QStringView rest = QStringView(text).mid(pos);
    if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X'))
        return ParseHex(text, pos + 1);
    if (rest.startsWith(u"0x") || rest.startsWith(u"0X"))
        return ParseHex(text, pos + 2);
    return ParseDecimal(text, pos);
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

// StrToInt on any text, checked against a second reading of the same rules,
// character by character.
#include "FuzzApplication.h"

#include "forms/Exceptions.h"
#include "forms/StrToInt.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// The number the digits from pos on spell in base 10 (after an optional sign,
// within the int range) or in base 16 (within 32 bits).
std::optional<long long> Digits(const QString& text, int pos, int base)
{
    bool negative = false;
    if (base == 10 && pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        negative = text[pos++] == u'-';
    if (pos >= text.size())
        return std::nullopt;
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        const int digit = c >= u'0' && c <= u'9'                 ? c - u'0'
                          : base == 16 && c >= u'a' && c <= u'f' ? c - u'a' + 10
                          : base == 16 && c >= u'A' && c <= u'F' ? c - u'A' + 10
                                                                 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > (base == 16 ? 0xFFFFFFFFLL : negative ? 2147483648LL : 2147483647LL))
            return std::nullopt;
    }
    return negative ? -value : value;
}

// What StrToInt should make of the text, read character by character.
std::optional<int> Expected(const QString& text)
{
    int pos = 0;
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    const QStringView rest = QStringView(text).mid(pos);
    std::optional<long long> value;
    if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X'))
        value = Digits(text, pos + 1, 16);
    else if (rest.startsWith(u"0x") || rest.startsWith(u"0X"))
        value = Digits(text, pos + 2, 16);
    else
        value = Digits(text, pos, 10);
    if (!value)
        return std::nullopt;
    return static_cast<int>(static_cast<std::uint32_t>(*value));
}

// The message names the text, a text of more than 60 characters by its
// start and end around an ellipsis, 60 characters in all.
bool NamesText(const QString& message, const QString& text)
{
    const QString suffix = QStringLiteral("' is not a valid integer value");
    if (!message.startsWith(u'\'') || !message.endsWith(suffix))
        return false;
    const QString shown = message.mid(1, message.size() - 1 - suffix.size());
    if (text.size() <= 60)
        return shown == text;
    if (shown.size() != 60)
        return false;
    for (int head : {29, 30})
        if (shown[head] == QChar(0x2026) && shown.left(head) == text.left(head) &&
            shown.right(59 - head) == text.right(59 - head))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<int> expected = Expected(text);
    try {
        const int value = StrToInt(text);
        if (!expected)
            FuzzFailure("StrToInt took a text that is no integer");
        if (value != *expected)
            FuzzFailure("StrToInt gave another value");
    } catch (const EConvertError& error) {
        if (expected)
            FuzzFailure("StrToInt refused an integer");
        if (!NamesText(error.Message(), text))
            FuzzFailure("StrToInt refused with another message");
    }
    return 0;
}

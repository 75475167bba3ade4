// StrToInt on any text, checked against a second reading of the same rules:
// a regular expression for the grammar and Qt's own conversion for the value.
#include "FuzzApplication.h"

#include "forms/Exceptions.h"
#include "forms/StrToInt.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

std::optional<int> Expected(const QString& text)
{
    static const QRegularExpression grammar(QStringLiteral(
        "\\A *(?:(?<decimal>[+-]?[0-9]+)|(?:\\$|x|X|0x|0X)(?<hex>[0-9A-Fa-f]+))\\z"));
    const QRegularExpressionMatch match = grammar.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    if (match.hasCaptured(QStringLiteral("hex"))) {
        const qulonglong value = match.capturedView(QStringLiteral("hex")).toULongLong(&ok, 16);
        if (!ok || value > 0xFFFFFFFFull)
            return std::nullopt;
        return static_cast<int>(static_cast<std::uint32_t>(value));
    }
    const qlonglong value = match.capturedView(QStringLiteral("decimal")).toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
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

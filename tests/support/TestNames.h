#pragma once

#include <QString>

#include <string>

// A readable test name for a text parameter: letters and digits as they are,
// everything else spelt out ("-5" is "Minus5", "" is "Empty").
inline std::string TestNameOf(const QString& text)
{
    if (text.isEmpty())
        return "Empty";
    std::string name;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            name += static_cast<char>(c);
        else if (c == u' ')
            name += "Space";
        else if (c == u'+')
            name += "Plus";
        else if (c == u'-')
            name += "Minus";
        else if (c == u'$')
            name += "Dollar";
        else if (c == u'.')
            name += "Dot";
        else if (c == u'\t')
            name += "Tab";
        else
            name += "U" + QString::number(c, 16).toUpper().toStdString();
    }
    // Very long texts keep their start and their length.
    if (name.size() > 40)
        name = name.substr(0, 24) + "_" + std::to_string(text.size()) + "Chars";
    return name;
}

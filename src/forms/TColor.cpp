#include "forms/TColor.h"

#include <map>

namespace {

const std::map<TColor, TColor>& SystemColors()
{
    static const std::map<TColor, TColor> colors = {
        {clBtnFace, 0xF0F0F0}, {clBtnHighlight, 0xFFFFFF}, {clBtnShadow, 0xA0A0A0},
        {clWindow, 0xFFFFFF},  {clWindowText, 0x000000},   {clInfoBk, 0xE1FFFF},
    };
    return colors;
}

} // namespace

TColor SystemColorToRGB(TColor color)
{
    const auto found = SystemColors().find(color);
    return found != SystemColors().end() ? found->second : clBlack;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

std::optional<TColor> ColorFromText(const QString& text)
{
    static const std::map<QString, TColor> names = {
        {"clBlack", clBlack},     {"clWhite", clWhite},         {"clBlue", clBlue},
        {"clBtnFace", clBtnFace}, {"clWindow", clWindow},       {"clWindowText", clWindowText},
        {"clInfoBk", clInfoBk},   {"clBtnShadow", clBtnShadow}, {"clBtnHighlight", clBtnHighlight},
    };
    const auto found = names.find(text);
    if (found != names.end())
        return found->second;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > UINT32_MAX)
        return std::nullopt;
    return static_cast<TColor>(value);
}

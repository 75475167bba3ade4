#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

// A colour laid out 0x00BBGGRR; values with the top byte 0xFF name a system
// colour. A type of its own, so that a description's reader tells a colour
// property from a number; it converts to and from its value.
struct TColor {
    constexpr TColor(std::uint32_t value = 0) : Value(value) {}
    constexpr operator std::uint32_t() const { return Value; }

    std::uint32_t Value;
};

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clInfoBk = 0xFF000018;
// What a pixel read outside a raster returns; equal to no colour.
constexpr TColor CLR_INVALID = 0xFFFFFFFF;

TColor SystemColorToRGB(TColor color);

// Resolves system colours to their 0x00BBGGRR value.
inline TColor ColorToRGB(TColor color)
{
    const bool system = (color & 0xFF000000) == 0xFF000000 && color != CLR_INVALID;
    return system ? SystemColorToRGB(color) : TColor(color & 0xFFFFFF);
}
QColor ToQColor(TColor color);
// Reads "clBtnFace", "clBlue", … or a decimal number; nullopt when it is neither.
std::optional<TColor> ColorFromText(const QString& text);

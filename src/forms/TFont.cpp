#include "forms/TFont.h"

#include <algorithm>
#include <cstdlib>

QFont TFont::ToQFont() const
{
    QFont font(Name);
    // The size is the height's magnitude.
    font.setPixelSize(std::max(std::abs(Height), 1));
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    // Small Song-style text reads best in crisp pixels, as bitmap fonts draw it.
    // Text that needs no shaping (Chinese, digits, Latin) is set glyph by
    // glyph without kerning: cheaper to lay out for a status line that
    // changes every frame, and scripts that need shaping still get it.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    return font;
}

void InstallFontSubstitutions()
{
    const QStringList songFonts = {QStringLiteral("AR PL UMing CN"),
                                   QStringLiteral("WenQuanYi Zen Hei")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), songFonts);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans")});
}

#pragma once

#include "forms/Enums.h"
#include "forms/TColor.h"

#include <QFont>
#include <QString>

// A control's font as descriptions give it: a negative Height is the
// character height in pixels.
struct TFont {
    QString Name = QStringLiteral("Tahoma");
    int Height = -11;
    QString Charset = QStringLiteral("DEFAULT_CHARSET");
    TColor Color = clWindowText;
    TFontStyles Style = 0;

    QFont ToQFont() const;
};

// Maps the interface's font names onto the fonts installed here ("宋体" onto a
// Song-style CJK font). Called once at start-up.
void InstallFontSubstitutions();

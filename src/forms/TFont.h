#pragma once

#include "forms/Enums.h"
#include "forms/TColor.h"

#include <QFont>
#include <QString>

// A control's font as descriptions give it: a negative Height is the
// character height in pixels. Its members are properties of their own, so a
// description sets them one by one ("Font.Name").
struct TFont {
    Q_GADGET
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(int Height MEMBER Height)
    Q_PROPERTY(QString Charset MEMBER Charset)
    Q_PROPERTY(TColor Color MEMBER Color)
    Q_PROPERTY(Forms::TFontStyles Style MEMBER Style)

public:
    QString Name = QStringLiteral("Tahoma");
    int Height = -11;
    QString Charset = QStringLiteral("DEFAULT_CHARSET");
    TColor Color = clWindowText;
    TFontStyles Style;

    QFont ToQFont() const;
};

// Maps the interface's font names onto the fonts installed here ("宋体" onto a
// Song-style CJK font). Called once at start-up.
void InstallFontSubstitutions();

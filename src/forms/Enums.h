#pragma once

#include <QObject>

// The enumerations and sets that descriptions name ("alClient",
// "[akLeft,akTop]"). Qt's meta-object system knows their names, so a
// description is read through QMetaEnum rather than tables of our own; a set
// is a QFlags of its kinds.
namespace Forms {
Q_NAMESPACE

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TCursor {
    crDefault = 0,
    crArrow = -2,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crHandPoint = -21,
};
Q_ENUM_NS(TCursor)

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TBorderStyle)

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_FLAG_NS(TBorderIcons)

enum TPosition { poDesigned, poScreenCenter };
Q_ENUM_NS(TPosition)

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)

} // namespace Forms

Q_DECLARE_OPERATORS_FOR_FLAGS(Forms::TAnchors)
Q_DECLARE_OPERATORS_FOR_FLAGS(Forms::TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(Forms::TBorderIcons)

// The framework's code and its users name these unqualified.
using namespace Forms;

#pragma once

#include <QString>

class TControl;
class TPicture;

// Sets a control's properties from the texts a description stores. A
// property a description may set is a Q_PROPERTY that TControl or a class
// derived from it declares (not one of Qt's own), or a member of such a
// property's Q_GADGET ("Font.Name"). The text is read by the property's type:
//
//   int            a number of pixels, an order: clamped to QWIDGETSIZE_MAX either way
//   bool           "True" or "False"
//   QString        as it stands
//   TColor         "clBtnFace" and the other colour names, or a number
//   a Q_ENUM       one of its names, exactly as declared ("alClient")
//   a Q_FLAG       a set of its names ("[biSystemMenu,biMinimize]")
//
// and written through QMetaProperty.
namespace PropertyText {

// Raises EReadError "Property %1 does not exist" for a name that names no
// such property, and "Invalid property value" for a text it cannot read or a
// value the property does not take.
void Write(TControl& target, const QString& name, const QString& text);
// The picture a picture property of that name loads into; raises
// "Property %1 does not exist" where there is none.
TPicture& PictureOf(TControl& target, const QString& name);

// The two failures of a property: a text it cannot take, a name it lacks.
[[noreturn]] void Invalid();
[[noreturn]] void NoSuchProperty(const QString& name);

} // namespace PropertyText

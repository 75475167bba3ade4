#pragma once

#include <QString>

// Converts an integer text: optional leading spaces, then either an optional
// sign and decimal digits within the signed 32-bit range, or a hexadecimal
// number after "$", "x", "X", "0x" or "0X" read as a 32-bit pattern
// ("$FFFFFFFF" is -1). Anything else, trailing spaces included, raises
// EConvertError "'<text>' is not a valid integer value", a text longer
// than 60 characters shown with its middle elided.
int StrToInt(const QString& text);

#pragma once
// Numbers as text, both ways: typed text becomes a number only when all of it reads as one (a
// mistyped value must fail, not be half-read), and a number shows as the shortest text that
// reads back the same.

#include <QString>

namespace mox {

// An optional sign, then decimal digits, fitting in 32 bits; EConvertError otherwise.
int StrToIntStrict(const QString& text);
// A decimal number with "." as separator and an optional exponent; EConvertError otherwise.
double StrToFloatStrict(const QString& text);
// The shown text of a floating value: the shortest general format that reads back the same.
QString FloatToText(double value);

}  // namespace mox

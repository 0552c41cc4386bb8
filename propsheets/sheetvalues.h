#pragma once
// How a sheet's typed text becomes a property value. The conversions are strict: a value the
// user mistyped must fail, not be half-read.

#include <QString>

namespace mox {

// An optional sign, then decimal digits, fitting in 32 bits; EConvertError otherwise.
int StrToIntStrict(const QString& text);
// A decimal number with "." as separator and an optional exponent; EConvertError otherwise.
double StrToFloatStrict(const QString& text);
// The shown text of a floating value: the shortest general format that reads back the same.
QString FloatToText(double value);

}  // namespace mox

#pragma once
// The rules an instrument's MinValue and MaxValue setters share, for integer and floating
// ranges alike: an equal value changes nothing, a value that would cross the other end is
// refused outside loading (a file sets the ends in either order), and the position follows a
// narrowed range. Each returns whether the end changed, so the instrument redraws.

#include <QString>

#include "instruments/base/vrexceptions.h"

namespace mox {

template <class T>
bool StoreRangeMax(T value, T& maxValue, T minValue, T& position, bool loading) {
    if (value == maxValue) return false;
    if (value < minValue && !loading) throw EVrException(QStringLiteral("Value out of range."));
    maxValue = value;
    if (position > value) position = value;
    return true;
}

template <class T>
bool StoreRangeMin(T value, T& minValue, T maxValue, T& position, bool loading) {
    if (value == minValue) return false;
    if (value > maxValue && !loading) throw EVrException(QStringLiteral("Value out of range."));
    minValue = value;
    if (position < value) position = value;
    return true;
}

}  // namespace mox

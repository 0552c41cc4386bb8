#pragma once
// Text cell metrics measured the way the classic platform does: ascent and descent are each
// rounded up, so "MS Sans Serif" at height -11 gives the 13-pixel line racks expect.

#include <QFont>

namespace mox {

struct TTextMetric {
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};

TTextMetric TextMetricOf(const QFont& font);

}  // namespace mox

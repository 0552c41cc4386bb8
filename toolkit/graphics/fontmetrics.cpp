#include "toolkit/graphics/fontmetrics.h"

#include <QFontMetricsF>
#include <cmath>

namespace mox {

TTextMetric TextMetricOf(const QFont& font) {
    const QFontMetricsF m(font);
    return {static_cast<int>(std::ceil(m.ascent())), static_cast<int>(std::ceil(m.descent()))};
}

}  // namespace mox

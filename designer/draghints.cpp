#include "designer/draghints.h"

#include <cstdlib>

namespace mox {

namespace {
constexpr int kSizeHintOffset = 8;
constexpr int kMoveHintOffset = 18;
}  // namespace

QString SizeHintText(const TRect& rect) {
    return QStringLiteral("%1 x %2")
        .arg(std::abs(rect.Right - rect.Left))
        .arg(std::abs(rect.Bottom - rect.Top));
}

QString MoveHintText(TPoint leftTop) {
    return QStringLiteral("%1, %2").arg(leftTop.X).arg(leftTop.Y);
}

TPoint HintOrigin(TPoint cursor, bool sizing) {
    return {cursor.X, cursor.Y + (sizing ? kSizeHintOffset : kMoveHintOffset)};
}

}  // namespace mox

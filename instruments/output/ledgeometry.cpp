#include "instruments/output/ledgeometry.h"

#include <algorithm>

namespace mox {

TSize LampCellSize(int bitmapWidth, int bitmapHeight) {
    const TSize cell{std::max(bitmapWidth, 0) / 2, std::max(bitmapHeight, 0)};
    // A cell without pixels takes no room beside the caption either.
    if (cell.cx == 0 || cell.cy == 0) return {};
    return cell;
}

TRect LampSourceCell(TSize cell, bool active) {
    return Bounds(active ? cell.cx : 0, 0, cell.cx, cell.cy);
}

TColor SeeThroughKey(std::span<const TColor> taken) {
    // Never more candidates than taken colours plus one, however many are given.
    TColor key = clBlack;
    while (std::find(taken.begin(), taken.end(), key) != taken.end())
        ++key;
    return key;
}

}  // namespace mox

#pragma once
// Where an alignment puts each control along one direction, without windows: the controls are
// spans (left and width, or top and height) in selection order.

#include <vector>

#include "designer/designerenums.h"

namespace mox {

struct TSpan {
    int Start = 0;
    int Extent = 0;
};

// The new start of every span, in the order given. Edges, centres and equal spacing need two
// spans or more (fewer are left alone); centring in the window also moves a single span, within
// `windowExtent` (the parent's outer width or height). Results saturate at the ends of int.
std::vector<int> AlignedStarts(TAlignMode mode, const std::vector<TSpan>& spans, int windowExtent);

}  // namespace mox

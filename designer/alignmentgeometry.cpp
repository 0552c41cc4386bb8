#include "designer/alignmentgeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

namespace mox {

namespace {

int Saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::int64_t End(const TSpan& s) {
    return std::int64_t{s.Start} + s.Extent;
}

}  // namespace

std::vector<int> AlignedStarts(TAlignMode mode, const std::vector<TSpan>& spans, int windowExtent) {
    std::vector<int> starts;
    starts.reserve(spans.size());
    for (const TSpan& s : spans)
        starts.push_back(s.Start);
    const bool several = spans.size() >= 2;
    if (spans.empty()) return starts;
    std::int64_t lowest = spans.front().Start;
    std::int64_t highest = End(spans.front());
    for (const TSpan& s : spans) {
        lowest = std::min<std::int64_t>(lowest, s.Start);
        highest = std::max(highest, End(s));
    }
    switch (mode) {
        case TAlignMode::None:
            break;
        case TAlignMode::LowEdges:
            if (several) std::fill(starts.begin(), starts.end(), Saturated(lowest));
            break;
        case TAlignMode::Centres:
            if (several)
                for (std::size_t i = 0; i < spans.size(); ++i)
                    starts[i] = Saturated((lowest + highest) / 2 - spans[i].Extent / 2);
            break;
        case TAlignMode::HighEdges:
            if (several)
                for (std::size_t i = 0; i < spans.size(); ++i)
                    starts[i] = Saturated(highest - spans[i].Extent);
            break;
        case TAlignMode::SpaceEqually: {
            if (!several) break;
            // The starts become equally spaced, not the gaps; the step truncates, so the last
            // control may end up a few pixels before where it was.
            std::vector<std::size_t> order(spans.size());
            std::iota(order.begin(), order.end(), std::size_t{0});
            std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
                return spans[a].Start < spans[b].Start;
            });
            const std::int64_t first = spans[order.front()].Start;
            const std::int64_t step = (std::int64_t{spans[order.back()].Start} - first) /
                                      static_cast<std::int64_t>(spans.size() - 1);
            for (std::size_t k = 0; k < order.size(); ++k)
                starts[order[k]] = Saturated(first + step * static_cast<std::int64_t>(k));
            break;
        }
        case TAlignMode::CentreInWindow:
            for (std::size_t i = 0; i < spans.size(); ++i)
                starts[i] = Saturated((std::int64_t{windowExtent} - spans[i].Extent) / 2);
            break;
    }
    return starts;
}

}  // namespace mox

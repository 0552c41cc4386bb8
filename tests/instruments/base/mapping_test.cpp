// The value mappings every instrument shares, at ordinary values and at the ends of int, where a
// range's span needs 33 bits and products 63.

#include <gtest/gtest.h>

#include <limits>

#include "instruments/base/vrmapping.h"

namespace mox {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kTwoBillion = 2'000'000'000;

TEST(MappingTest, ValueToPixelSpreadsTheRangeOverTheTravel) {
    struct Row {
        const char* Name;
        int Value, MinValue, MaxValue, Start, Travel, Expected;
    };
    const Row rows[] = {
        {"minimum", 0, 0, 100, 3, 152, 3},
        {"middle", 50, 0, 100, 3, 152, 79},
        {"maximum", 100, 0, 100, 3, 152, 155},
        {"half a pixel rounds to even", 1, 0, 2, 0, 1, 0},
        {"one and a half round to even", 1, 0, 2, 0, 3, 2},
        {"wide range, minimum", -kTwoBillion, -kTwoBillion, kTwoBillion, 3, 152, 3},
        {"wide range, middle", 0, -kTwoBillion, kTwoBillion, 3, 152, 79},
        {"wide range, maximum", kTwoBillion, -kTwoBillion, kTwoBillion, 3, 152, 155},
        {"whole int, minimum", kMin, kMin, kMax, 3, 152, 3},
        {"whole int, maximum", kMax, kMin, kMax, 3, 152, 155},
        {"empty range", 7, 7, 7, 3, 152, 3},
        {"no travel", 50, 0, 100, 3, -4, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(ValueToPixel(row.Value, row.MinValue, row.MaxValue, row.Start, row.Travel),
                  row.Expected);
    }
}

TEST(MappingTest, PixelToValueRoundsAndPinsAtTheEnds) {
    struct Row {
        const char* Name;
        long long Offset;
        int Travel, MinValue, MaxValue, Expected;
    };
    const Row rows[] = {
        {"start", 0, 152, 0, 100, 0},
        {"middle", 76, 152, 0, 100, 50},
        {"end", 152, 152, 0, 100, 100},
        {"before the start", -40, 152, 0, 100, 0},
        {"past the end", 400, 152, 0, 100, 100},
        {"wide range, start", 0, 152, -kTwoBillion, kTwoBillion, -kTwoBillion},
        {"wide range, middle", 76, 152, -kTwoBillion, kTwoBillion, 0},
        {"wide range, end", 152, 152, -kTwoBillion, kTwoBillion, kTwoBillion},
        // 76 × (2^32 − 1) / 152 is 2^31 − 0.5, which rounds to the even 2^31.
        {"whole int, middle", 76, 152, kMin, kMax, 0},
        {"whole int, end", 152, 152, kMin, kMax, kMax},
        {"whole int, far past the end", 1LL << 40, 152, kMin, kMax, kMax},
        {"no travel", 5, 0, -3, 9, -3},
        {"minimum above maximum", 10, 152, 100, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(PixelToValue(row.Offset, row.Travel, row.MinValue, row.MaxValue), row.Expected);
    }
}

TEST(MappingTest, ValueToStepTruncatesAndReachesTheLastStepAtTheMaximum) {
    struct Row {
        const char* Name;
        int Value, MinValue, MaxValue, Steps, Expected;
    };
    const Row rows[] = {
        {"minimum", 0, 0, 100, 61, 0},
        {"middle truncates", 50, 0, 100, 61, 30},
        {"maximum", 100, 0, 100, 61, 61},
        {"negative range", -5, -10, 10, 61, 15},
        {"wide range, maximum", kTwoBillion, -kTwoBillion, kTwoBillion, 61, 61},
        {"wide range, middle", 0, -kTwoBillion, kTwoBillion, 61, 30},
        // The product needs 63 bits: the maximum must not fall one step short.
        {"whole int, every step", kMax, kMin, kMax, kMax, kMax},
        {"whole int, one below", kMax - 1, kMin, kMax, kMax, kMax - 1},
        {"empty range", 7, 7, 7, 61, 0},
        {"no steps", 50, 0, 100, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(ValueToStep(row.Value, row.MinValue, row.MaxValue, row.Steps), row.Expected);
    }
    EXPECT_DOUBLE_EQ(ValueToAngle(kTwoBillion, -kTwoBillion, kTwoBillion, 61, 310.0, 100.0 / 61),
                     410.0);
}

TEST(MappingTest, LabelValuesStepEvenlyWithoutWrapping) {
    struct Row {
        const char* Name;
        long long Index;
        int Intervals, MinValue, MaxValue;
        long long Expected;
    };
    const Row rows[] = {
        {"first", 0, 10, 0, 100, 0},
        {"halves round to even", 1, 4, 0, 10, 2},
        {"halves round to even, up", 3, 4, 0, 10, 8},
        {"wide range, first", 0, 10, -kTwoBillion, kTwoBillion, -kTwoBillion},
        {"wide range, second", 1, 10, -kTwoBillion, kTwoBillion, -1'600'000'000},
        {"wide range, last", 10, 10, -kTwoBillion, kTwoBillion, kTwoBillion},
        // Labels past the last interval go on counting beyond int.
        {"wide range, past the last", 11, 10, -kTwoBillion, kTwoBillion, 2'400'000'000LL},
        {"whole int, last", 1, 1, kMin, kMax, kMax},
        {"no intervals", 3, 0, 5, 9, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(LabelValue(row.Index, row.Intervals, row.MinValue, row.MaxValue), row.Expected);
    }
}

TEST(MappingTest, FarSegmentsAreClippedAlongTheirLineAndNearOnesKept) {
    const auto segment = [](TFarPoint from, TFarPoint to) { return SegmentWithinCoords(from, to); };
    const auto near = segment({10, 20}, {-30, 40});
    ASSERT_TRUE(near);
    EXPECT_EQ(near->first, (TPoint{10, 20}));
    EXPECT_EQ(near->second, (TPoint{-30, 40}));

    // Straight down from (5, 0) to far below: cut where the coordinate space ends.
    const auto down = segment({5, 0}, {5, 1LL << 40});
    ASSERT_TRUE(down);
    EXPECT_EQ(down->first, (TPoint{5, 0}));
    EXPECT_EQ(down->second, (TPoint{5, kCoordLimit}));

    // A diagonal keeps its direction: the cut end still lies on the line y = 2x.
    const auto diagonal = segment({0, 0}, {1LL << 35, 1LL << 36});
    ASSERT_TRUE(diagonal);
    EXPECT_EQ(diagonal->second, (TPoint{kCoordLimit / 2, kCoordLimit}));

    EXPECT_FALSE(segment({0, 1LL << 33}, {100, 1LL << 34}));  // wholly below
}

TEST(MappingTest, DialPointsTruncateTowardThePivotAndReachBeyondInt) {
    EXPECT_EQ(DialPoint({120, 125}, 310.0, 95), (TFarPoint{48, 64}));
    EXPECT_EQ(DialPoint({0, 0}, 90.0, 10.7), (TFarPoint{10, 0}));
    const TFarPoint far = DialPoint({0, std::int64_t{kMax} + 105}, 0.0, 10);
    EXPECT_EQ(far, (TFarPoint{0, std::int64_t{kMax} + 95}));
    EXPECT_EQ(DialPointLimited({0, std::int64_t{kMax} + 105}, 0.0, 10), (TPoint{0, kCoordLimit}));
}

TEST(MappingTest, SpreadKeepsEveryIndexUpToTheBudgetAndThinsEvenlyBeyond) {
    struct Row {
        const char* Name;
        int First, End, Step, Budget;
        std::vector<int> Expected;
    };
    const Row rows[] = {
        {"within the budget", 0, 5, 1, 5, {0, 1, 2, 3, 4}},
        {"stepped", 0, 11, 5, 3, {0, 5, 10}},
        {"thinned, last kept", 0, 10, 1, 4, {0, 3, 6, 9}},
        {"thinned, last added", 0, 11, 1, 4, {0, 3, 6, 9, 10}},
        {"empty", 4, 4, 1, 4, {}},
        {"no budget still draws the ends", 0, 5, 1, 0, {0, 4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        std::vector<int> indices;
        AppendSpread(indices, row.First, row.End, row.Step, row.Budget);
        EXPECT_EQ(indices, row.Expected);
    }
    std::vector<int> all;
    AppendSpread(all, 0, kMax, 1, 1000);
    EXPECT_LE(all.size(), 1001u);
    EXPECT_EQ(all.front(), 0);
    EXPECT_EQ(all.back(), kMax - 1);
}

}  // namespace
}  // namespace mox

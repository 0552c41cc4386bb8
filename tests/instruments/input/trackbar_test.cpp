// The track bar: its gutter and tick arithmetic, the default picture pixel by pixel, snapping to
// fixed points, its keys (Home is the maximum), and settings at the ends of int.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "instruments/input/vrtrackbar.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

// A new track bar: 175 × 45, horizontal, border 10, thumb 9 × 17.
TSliderMapping NewTrackBarMapping(int minValue = 0, int maxValue = 100,
                                  TVrSliderStyle style = TVrSliderStyle::ssBottomLeft) {
    return {SliderTrack({0, 0, 175, 45}, 10, 0, TVrOrientation::voHorizontal, 9, 17),
            TVrOrientation::voHorizontal,
            style,
            minValue,
            maxValue,
            9,
            17,
            45,
            175};
}

TEST(TrackBarGeometryTest, NewTrackBarHasElevenTicksEachSideLongerAtTheEnds) {
    const TSliderMapping m = NewTrackBarMapping();
    EXPECT_EQ(m.Track.Travel, 146);
    const TRect gutter = GutterRect({175, 45}, TVrOrientation::voHorizontal, 10, 9);
    EXPECT_EQ(gutter, (TRect{10, 18, 165, 27}));
    const auto ticks = TrackBarTicks(m, {gutter, 10, 5, TVrTickMarks::tmBoth});
    ASSERT_EQ(ticks.size(), 22u);
    // Top side 5 above the gutter running upward, bottom side 5 below it running downward; at
    // the thumb's centre for each value (left 10 + 4 at the minimum).
    EXPECT_EQ(ticks[0].Pixels, (TRect{14, 9, 15, 13}));
    EXPECT_EQ(ticks[1].Pixels, (TRect{14, 32, 15, 36}));
    EXPECT_EQ(ticks[2].Pixels, (TRect{29, 10, 30, 13}));  // 10 + round(14.6) + 4
    EXPECT_EQ(ticks[3].Pixels, (TRect{29, 32, 30, 35}));
    EXPECT_EQ(ticks[20].Pixels, (TRect{160, 9, 161, 13}));
    EXPECT_EQ(ticks[21].Pixels, (TRect{160, 32, 161, 36}));

    const auto top = TrackBarTicks(m, {gutter, 10, 5, TVrTickMarks::tmTopLeft});
    ASSERT_EQ(top.size(), 11u);
    EXPECT_EQ(top[0].Pixels.Bottom, 13);
    EXPECT_EQ(TrackBarTicks(m, {gutter, 10, 5, TVrTickMarks::tmBottomRight})[0].Pixels.Top, 32);
    EXPECT_TRUE(TrackBarTicks(m, {gutter, 10, 5, TVrTickMarks::tmNone}).empty());
}

TEST(TrackBarGeometryTest, DenseTicksThinOutToFourPixelsAndStillMarkTheMaximum) {
    struct Row {
        const char* Name;
        int Min, Max, Frequency;
        std::size_t Count;
    };
    const Row rows[] = {
        {"0..1000 step 1", 0, 1000, 1, 37},
        {"the whole int range step 1", kMin, kMax, 1, 37},
        {"the whole int range step 2^31 − 1", kMin, kMax, kMax, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TSliderMapping m = NewTrackBarMapping(row.Min, row.Max);
        const std::vector<int> values = TickValues(row.Min, row.Max, row.Frequency, 146);
        ASSERT_EQ(values.size(), row.Count);
        EXPECT_EQ(values.front(), row.Min);
        EXPECT_EQ(values.back(), row.Max);
        // The last tick marks the maximum wherever the steps end, so only the steps are spaced.
        for (std::size_t i = 1; i + 1 < values.size(); ++i)
            EXPECT_GE(ValueToOffset(m, values[i]) - ValueToOffset(m, values[i - 1]), 4) << i;
    }
}

// A track far longer than the control (a border below zero) lists only the ticks it shows.
TEST(TrackBarGeometryTest, TicksBeyondTheControlAreLeftOut) {
    for (TVrSliderStyle style : {TVrSliderStyle::ssBottomLeft, TVrSliderStyle::ssTopRight}) {
        SCOPED_TRACE(static_cast<int>(style));
        TSliderMapping m = NewTrackBarMapping(kMin, kMax, style);
        m.Track = SliderTrack({0, 0, 175, 45}, kMin, 0, TVrOrientation::voHorizontal, 9, 17);
        ASSERT_GT(m.Track.Travel, 1 << 27);
        const TRect gutter = GutterRect({175, 45}, TVrOrientation::voHorizontal, kMin, 9);
        const auto ticks = TrackBarTicks(m, {gutter, 1, 5, TVrTickMarks::tmTopLeft});
        ASSERT_FALSE(ticks.empty());
        EXPECT_LE(ticks.size(), 175u / 4 + 4);
        // Every tick inside the control is listed: from the left end 4 pixels apart. (Running
        // top-right, the track's far end lies beyond int and its ticks all left of the control.)
        int inside = 0;
        for (const TTickMark& tick : ticks)
            if (tick.Pixels.Left >= 0 && tick.Pixels.Left < 175) ++inside;
        EXPECT_GE(inside, style == TVrSliderStyle::ssBottomLeft ? 175 / 4 - 1 : 0);
    }
}

TEST(TrackBarGeometryTest, NothingToDivideByDrawsNoTicksOrOne) {
    EXPECT_TRUE(TickValues(0, 100, 0, 146).empty());
    EXPECT_TRUE(TickValues(0, 100, -10, 146).empty());
    EXPECT_TRUE(TickValues(0, 100, 10, 0).empty());
    EXPECT_TRUE(TickValues(0, 100, 10, -20).empty());
    EXPECT_TRUE(TickValues(100, 0, 10, 146).empty());
    EXPECT_EQ(TickValues(5, 5, 10, 146), std::vector<int>{5});
}

// Dragging with fixed points rests only on multiples of the frequency counted from the minimum
// end (from the maximum when it runs top-right), and the far end reaches the end value.
TEST(TrackBarGeometryTest, FixedPointsSnapFromTheMinimumEndAndReachTheEnd) {
    for (TVrSliderStyle style : {TVrSliderStyle::ssBottomLeft, TVrSliderStyle::ssTopRight}) {
        SCOPED_TRACE(static_cast<int>(style));
        const TSliderMapping m = NewTrackBarMapping(3, 98, style);
        const bool fromMin = style == TVrSliderStyle::ssBottomLeft;
        for (int p = 0; p <= 175; ++p) {
            const int v = TrackBarPointerValue(m, p, true, 10);
            const int counted = fromMin ? v - 3 : 98 - v;
            if (v == 3 || v == 98) continue;
            ASSERT_EQ(counted % 10, 0) << p;
        }
        EXPECT_EQ(TrackBarPointerValue(m, 156, true, 10), fromMin ? 98 : 3);
        EXPECT_EQ(TrackBarPointerValue(m, 10, true, 10), fromMin ? 3 : 98);
        EXPECT_EQ(TrackBarPointerValue(m, 80, false, 10), TrackBarPointerValue(m, 80, true, 0));
    }
}

struct TrackBarTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 220);
    TVrTrackBar* Bar = new TVrTrackBar(Form);
    int Changes = 0;

    TrackBarTest() {
        Bar->SetParent(Form);
        Bar->SetColor(clSilver);
        Bar->OnChange = [this](TObject*) { ++Changes; };
    }
    const TBitmap& Painted() {
        Bar->Repaint();
        TApplication::Instance().ProcessMessages();
        return Bar->Image();
    }
    void Send(UINT message, int x, int y, WPARAM keys = 0) {
        Bar->Perform(message, keys, MakeLParam(x, y));
    }
    void Key(WPARAM key) { Bar->Perform(WM_KEYDOWN, key, 0); }
};

TEST_F(TrackBarTest, DefaultPictureShowsGutterTicksAndThumb) {
    EXPECT_EQ(Bar->Width(), 175);
    EXPECT_EQ(Bar->Height(), 45);
    EXPECT_EQ(Bar->Thumb().Width(), 9);
    EXPECT_EQ(Bar->Thumb().Height(), 17);
    EXPECT_EQ(Bar->ThumbRect(), (TRect{10, 14, 19, 31}));
    const TBitmap& image = Painted();
    struct Pixel {
        const char* Name;
        int X, Y;
        TColor Expected;
    };
    const Pixel pixels[] = {
        {"background", 80, 3, clSilver},
        {"gutter fill", 80, 22, clBlack},
        {"end tick, top, outer pixel", 160, 9, clBlack},
        {"end tick, bottom, outer pixel", 160, 35, clBlack},
        {"inner tick, top", 29, 10, clBlack},
        {"beyond an inner tick", 29, 9, clSilver},
        {"beyond an inner tick, bottom", 29, 35, clSilver},
        {"between ticks", 22, 11, clSilver},
        {"gap to the gutter", 29, 13, clSilver},
    };
    for (const Pixel& p : pixels) {
        SCOPED_TRACE(p.Name);
        EXPECT_EQ(image.Pixels(p.X, p.Y), p.Expected);
    }
    const TBitmap& thumb = Bar->Thumb();
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(image.Pixels(10 + x, 14 + y), thumb.Pixels(x, y)) << x << "," << y;
}

TEST_F(TrackBarTest, HiddenGutterBevelLeavesTheGutterUnpainted) {
    Bar->GutterBevel()->SetVisible(false);
    const TBitmap& image = Painted();
    EXPECT_EQ(image.Pixels(80, 22), clSilver);
    EXPECT_EQ(image.Pixels(80, 18), clSilver);
    EXPECT_EQ(image.Pixels(160, 9), clBlack);  // the ticks stay
}

TEST_F(TrackBarTest, FocusRectangleFollowsFocusOffsetAndANegativeOneHidesIt) {
    Bar->SetTabStop(true);
    Bar->SetFocusColor(clRed);
    Bar->SetFocus();
    TApplication::Instance().ProcessMessages();
    ASSERT_TRUE(Bar->Focused());
    struct Row {
        int Offset;
        TColor AtEdge, AtTwo;
    };
    const Row rows[] = {{0, clRed, clSilver}, {2, clSilver, clRed}, {-1, clSilver, clSilver}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Offset);
        Bar->SetFocusOffset(row.Offset);
        const TBitmap& image = Painted();
        EXPECT_EQ(image.Pixels(80, 0), row.AtEdge);
        EXPECT_EQ(image.Pixels(80, 2), row.AtTwo);
        EXPECT_EQ(image.Pixels(172, 30), row.AtTwo);
    }
}

TEST_F(TrackBarTest, HomeIsTheMaximumAndArrowsStepByTheFrequency) {
    Key(VK_HOME);
    EXPECT_EQ(Bar->Position(), 100);
    Key(VK_END);
    EXPECT_EQ(Bar->Position(), 0);
    Key(VK_RIGHT);
    EXPECT_EQ(Bar->Position(), 10);
    Key(VK_UP);  // not an arrow of a horizontal bar
    EXPECT_EQ(Bar->Position(), 10);
    Bar->SetStyle(TVrProgressStyle::psTopRight);
    Key(VK_RIGHT);
    EXPECT_EQ(Bar->Position(), 0);
    EXPECT_EQ(Changes, 4);
    Bar->SetOrientation(TVrOrientation::voVertical);
    Bar->SetStyle(TVrProgressStyle::psBottomLeft);
    Key(VK_UP);
    EXPECT_EQ(Bar->Position(), 10);

    // Steps from the ends of int neither wrap nor stop short.
    Bar->SetMinValue(kMin);
    Bar->SetMaxValue(kMax);
    Bar->SetFrequency(kMin);
    Key(VK_DOWN);  // a step of +2^31
    EXPECT_EQ(Bar->Position(), kMax);
}

// A range moved past the old one from either end, minimum first as the sheet sets it, keeps the
// position inside.
TEST_F(TrackBarTest, PositionFollowsARangeMovedPastTheOldOne) {
    Bar->SetPosition(50);
    Bar->SetMinValue(200);
    Bar->SetMaxValue(300);
    EXPECT_EQ(Bar->Position(), 200);
    Bar->SetMinValue(-300);
    Bar->SetMaxValue(-200);
    EXPECT_EQ(Bar->Position(), -200);
    Bar->SetMinValue(0);  // crossed: the position settles on the maximum
    EXPECT_EQ(Bar->Position(), -200);
}

TEST_F(TrackBarTest, OrientationSwapsTheSizeAndTakesTheOtherThumb) {
    Bar->SetOrientation(TVrOrientation::voVertical);
    EXPECT_EQ(Bar->Width(), 45);
    EXPECT_EQ(Bar->Height(), 175);
    EXPECT_EQ(Bar->Thumb().Width(), 17);
    EXPECT_EQ(Bar->Thumb().Height(), 9);
    EXPECT_EQ(Bar->ThumbRect(), (TRect{14, 156, 31, 165}));  // the minimum at the bottom
    EXPECT_EQ(Bar->Gutter(), (TRect{18, 10, 27, 165}));
}

TEST_F(TrackBarTest, ClickBesideTheThumbJumpsAndDraggingSnapsToFixedPoints) {
    Send(WM_LBUTTONDOWN, 87, 22, MK_LBUTTON);  // centre of the thumb at 50
    Send(WM_LBUTTONUP, 87, 22);
    EXPECT_EQ(Bar->Position(), 50);
    EXPECT_FALSE(Bar->Dragging());

    Bar->SetOptions(Bar->Options() + TVrTrackBarOptions{TVrTrackBarOption::toFixedPoints});
    const TRect thumb = Bar->ThumbRect();
    Send(WM_LBUTTONDOWN, thumb.Left + 2, 22, MK_LBUTTON);
    EXPECT_TRUE(Bar->Dragging());
    for (int x = thumb.Left + 2; x < 175; x += 3) {
        Send(WM_MOUSEMOVE, x, 22, MK_LBUTTON);
        ASSERT_EQ(Bar->Position() % 10, 0) << x;
    }
    EXPECT_EQ(Bar->Position(), 100);
    Send(WM_MOUSEMOVE, -300, 22, MK_LBUTTON);
    EXPECT_EQ(Bar->Position(), 0);
    Send(WM_LBUTTONUP, -300, 22);
    EXPECT_FALSE(Bar->Dragging());
}

// Settings a rack file can hold at the ends of int: each paints, and a click and a key land
// without overflowing.
TEST_F(TrackBarTest, SettingsAtTheEndsOfIntPaintAndTakeInput) {
    struct Row {
        const char* Name;
        std::function<void(TVrTrackBar*)> Set;
    };
    const Row rows[] = {
        {"whole range, frequency 1",
         [](TVrTrackBar* b) {
             b->SetMinValue(kMin);
             b->SetMaxValue(kMax);
             b->SetFrequency(1);
         }},
        {"reversed range", [](TVrTrackBar* b) { b->SetMinValue(kMax); }},
        {"frequency 0 with fixed points",
         [](TVrTrackBar* b) {
             b->SetFrequency(0);
             b->SetOptions(TVrTrackBarOptions{TVrTrackBarOption::toFixedPoints,
                                              TVrTrackBarOption::toActiveClick});
         }},
        {"border at the top of int", [](TVrTrackBar* b) { b->SetBorderWidth(kMax); }},
        {"border at the bottom of int", [](TVrTrackBar* b) { b->SetBorderWidth(kMin); }},
        {"a track far beyond the control, ticks every step of the whole range",
         [](TVrTrackBar* b) {
             b->SetBorderWidth(kMin);
             b->SetMinValue(kMin);
             b->SetMaxValue(kMax);
             b->SetFrequency(1);
         }},
        {"gutter widths", [](TVrTrackBar* b) { b->SetGutterWidth(kMin); }},
        {"huge gutter", [](TVrTrackBar* b) { b->SetGutterWidth(kMax); }},
        {"scale offsets", [](TVrTrackBar* b) { b->SetScaleOffset(kMin); }},
        {"focus offset", [](TVrTrackBar* b) { b->SetFocusOffset(kMax); }},
        {"a track shorter than the thumb", [](TVrTrackBar* b) { b->SetBorderWidth(85); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        auto* bar = new TVrTrackBar(Form);
        bar->SetParent(Form);
        row.Set(bar);
        bar->Repaint();
        TApplication::Instance().ProcessMessages();
        bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(120, 22));
        bar->Perform(WM_LBUTTONUP, 0, MakeLParam(120, 22));
        bar->Perform(WM_KEYDOWN, VK_RIGHT, 0);
        EXPECT_GE(bar->Position(), std::min(bar->MinValue(), bar->MaxValue()));
        bar->Repaint();
        TApplication::Instance().ProcessMessages();
        delete bar;
    }
}

}  // namespace
}  // namespace mox

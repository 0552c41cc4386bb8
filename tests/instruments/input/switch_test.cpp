// The switch: slots one thumb long, its size that follows them, the slot mapping both ways, its
// keys and mouse, the thumb's see-through key colour, and slot counts a rack file may hold.
#include <gtest/gtest.h>

#include <limits>

#include "instruments/input/vrswitch.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();

TEST(SwitchGeometryTest, SizeFitsTheSlotsAndOnlyEverGrowsAcross) {
    using enum TVrOrientation;
    struct Row {
        const char* Name;
        TSize Current;
        TVrOrientation Orientation;
        TSize Thumb;
        int Slots, Border;
        TSize Expected;
    };
    const Row rows[] = {
        {"a new switch", {29, 60}, voVertical, {24, 12}, 4, 1, {29, 50}},
        {"narrower than the thumb", {10, 60}, voVertical, {24, 12}, 4, 1, {26, 50}},
        {"horizontal at the old size", {29, 50}, voHorizontal, {12, 24}, 4, 1, {50, 50}},
        {"more slots than a window holds", {29, 50}, voVertical, {24, 12}, kMax, 1, {29, 32767}},
        {"a border at the top of int", {29, 50}, voHorizontal, {12, 24}, 4, kMax, {32767, 32767}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(SwitchSize(row.Current, row.Orientation, row.Thumb, row.Slots, row.Border),
                  row.Expected);
    }
}

struct SwitchTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 220);
    TVrSwitch* Switch = new TVrSwitch(Form);
    int Changes = 0;

    SwitchTest() {
        Switch->SetParent(Form);
        Switch->OnChange = [this](TObject*) { ++Changes; };
    }
    const TBitmap& Painted() {
        Switch->Repaint();
        TApplication::Instance().ProcessMessages();
        return Switch->Image();
    }
    void Send(UINT message, int x, int y, WPARAM keys = 0) {
        Switch->Perform(message, keys, MakeLParam(x, y));
    }
    void Key(WPARAM key) { Switch->Perform(WM_KEYDOWN, key, 0); }
};

TEST_F(SwitchTest, NewSwitchHasFourSlotsFromTheBottom) {
    EXPECT_EQ(Switch->Width(), 29);
    EXPECT_EQ(Switch->Height(), 50);
    EXPECT_EQ(Switch->Thumb().Width(), 24);
    EXPECT_EQ(Switch->Thumb().Height(), 12);
    const TSliderMapping m = Switch->Mapping();
    EXPECT_EQ(m.Track.Track, (TRect{2, 2, 27, 48}));
    EXPECT_EQ(m.Track.Travel, 34);
    const int tops[] = {36, 25, 13, 2};
    for (int slot = 0; slot < 4; ++slot) {
        SCOPED_TRACE(slot);
        Switch->SetOffset(slot);
        EXPECT_EQ(Switch->ThumbRect(), (TRect{2, tops[slot], 26, tops[slot] + 12}));
        EXPECT_EQ(OffsetToValue(m, tops[slot]), slot);
        const TBitmap& image = Painted();
        ASSERT_EQ(image.Pixels(2, tops[slot]), Switch->Thumb().Pixels(0, 0));
    }
}

TEST_F(SwitchTest, OffsetIsClampedAndRaisesOnChangeOnce) {
    Switch->SetOffset(7);
    EXPECT_EQ(Switch->Offset(), 3);
    EXPECT_EQ(Changes, 1);
    Switch->SetOffset(3);
    EXPECT_EQ(Changes, 1);
    Switch->SetOffset(-5);
    EXPECT_EQ(Switch->Offset(), 0);
}

TEST_F(SwitchTest, EndAndHomeMoveToTheTopAndBottomSlots) {
    Key(VK_END);
    EXPECT_EQ(Switch->Offset(), 3);
    EXPECT_EQ(Switch->ThumbRect().Top, 2);
    Key(VK_HOME);
    EXPECT_EQ(Switch->Offset(), 0);
    EXPECT_EQ(Switch->ThumbRect().Top, 36);
    Key(VK_UP);
    EXPECT_EQ(Switch->Offset(), 1);
    Switch->SetStyle(TVrProgressStyle::psTopRight);
    Key(VK_UP);
    EXPECT_EQ(Switch->Offset(), 0);
    EXPECT_EQ(Switch->ThumbRect().Top, 2);  // slot 0 at the top
}

TEST_F(SwitchTest, TurningItKeepsTheCrossAxisThatOnlyGrows) {
    Switch->SetOrientation(TVrOrientation::voHorizontal);
    EXPECT_EQ(Switch->Width(), 50);
    EXPECT_EQ(Switch->Height(), 50);
    EXPECT_EQ(Switch->Thumb().Width(), 12);
    Switch->SetOrientation(TVrOrientation::voVertical);
    EXPECT_EQ(Switch->Width(), 50);
    EXPECT_EQ(Switch->Height(), 50);
    EXPECT_EQ(Switch->ThumbRect().Left, 13);
}

TEST_F(SwitchTest, ResizingAlongTheAxisIsUndone) {
    Switch->SetBounds(Switch->Left(), Switch->Top(), 40, 90);
    EXPECT_EQ(Switch->Width(), 40);
    EXPECT_EQ(Switch->Height(), 50);
    Switch->SetPositions(6);
    EXPECT_EQ(Switch->Height(), 74);
    Switch->SetBorderWidth(3);
    EXPECT_EQ(Switch->Height(), 78);
    Switch->SetBorderWidth(-1);
    EXPECT_EQ(Switch->BorderWidth(), 3);
}

TEST_F(SwitchTest, DraggingRestsInTheNearerSlotAndClicksPickASlot) {
    Painted();
    Send(WM_LBUTTONDOWN, 14, 40, MK_LBUTTON);  // on the thumb in slot 0, 4 below its top
    EXPECT_TRUE(Switch->Dragging());
    Send(WM_MOUSEMOVE, 14, 40 - 7, MK_LBUTTON);  // 7 of the 11 pixels up to slot 1
    EXPECT_EQ(Switch->Offset(), 1);
    Send(WM_MOUSEMOVE, 14, 40 - 15, MK_LBUTTON);  // 4 of the 12 up to slot 2
    EXPECT_EQ(Switch->Offset(), 1);
    Send(WM_LBUTTONUP, 14, 25);
    EXPECT_FALSE(Switch->Dragging());

    Send(WM_LBUTTONDOWN, 14, 8, MK_LBUTTON);  // beside the thumb, in the top slot
    Send(WM_LBUTTONUP, 14, 8);
    EXPECT_EQ(Switch->Offset(), 3);
    EXPECT_EQ(Changes, 2);
}

// Too few slots are refused, fewer slots pull the selection in, and more slots than a window
// can be long keep the longest window.
TEST_F(SwitchTest, SlotCountsAtTheEndsStaySafe) {
    Switch->SetOffset(3);
    Changes = 0;
    Switch->SetPositions(0);
    Switch->SetPositions(-4);
    EXPECT_EQ(Switch->Positions(), 4);
    Switch->SetPositions(2);
    EXPECT_EQ(Switch->Offset(), 1);
    EXPECT_EQ(Changes, 1);
    Switch->SetPositions(1);
    EXPECT_EQ(Switch->Offset(), 0);
    EXPECT_EQ(Switch->Height(), 14);
    Key(VK_END);
    Send(WM_LBUTTONDOWN, 14, 1, MK_LBUTTON);
    Send(WM_MOUSEMOVE, 14, -40, MK_LBUTTON);
    Send(WM_LBUTTONUP, 14, -40);
    EXPECT_EQ(Switch->Offset(), 0);
    EXPECT_NO_THROW(Painted());

    Switch->SetPositions(kMax);
    EXPECT_EQ(Switch->Height(), kMaxSwitchExtent);
    Key(VK_END);
    EXPECT_EQ(Switch->Offset(), kMax - 1);
    EXPECT_EQ(Switch->ThumbRect().Top, 2);
    EXPECT_NO_THROW(Painted());
}

// The thumb's key colour (its bottom-left pixel) is kept with soThumbOpaque and shows the
// background through it without.
TEST_F(SwitchTest, ThumbOpaqueDecidesWhetherTheKeyColourShows) {
    auto* list = new TVrBitmapList(Form);
    TBitmap keyOnly;
    keyOnly.SetSize(24, 12);
    keyOnly.Canvas()->Brush()->SetColor(clFuchsia);
    keyOnly.Canvas()->FillRect({0, 0, 24, 12});
    list->Bitmaps()->Add(&keyOnly);
    Switch->SetBitmapList(list);
    Switch->SetThumbImageIndex(0);
    for (const bool opaque : {true, false}) {
        SCOPED_TRACE(opaque);
        TVrSwitchOptions options =
            Switch->Options() - TVrSwitchOptions{TVrSwitchOption::soThumbOpaque};
        if (opaque) options = options + TVrSwitchOptions{TVrSwitchOption::soThumbOpaque};
        Switch->SetOptions(options);
        const TBitmap& image = Painted();
        EXPECT_EQ(image.Pixels(14, 42), opaque ? clFuchsia : clBlack);
    }
    delete list;
    EXPECT_EQ(Switch->Thumb().Width(), 24);
}

}  // namespace
}  // namespace mox

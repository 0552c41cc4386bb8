// The slider: the value/pixel mapping both ways, its default picture, its setters, and its
// own mouse and keyboard handling driven by messages sent to the control.
#include <gtest/gtest.h>

#include "instruments/input/vrslider.h"
#include "toolkit/testwindows.h"

namespace mox {
namespace {

TSliderMapping DefaultMapping(TVrSliderStyle style = TVrSliderStyle::ssBottomLeft) {
    return {SliderTrack({0, 0, 36, 171}, 1, 2, TVrOrientation::voVertical, 30, 13),
            TVrOrientation::voVertical,
            style,
            0,
            100,
            30,
            13,
            171};
}

TEST(SliderGeometryTest, DefaultTrackMapsBothWaysWithTheMinimumAtTheBottom) {
    const TSliderMapping m = DefaultMapping();
    EXPECT_EQ(m.Track.Track, (TRect{3, 3, 33, 168}));
    EXPECT_EQ(m.Track.Travel, 152);
    EXPECT_EQ(ValueToOffset(m, 0), 155);
    EXPECT_EQ(ValueToOffset(m, 50), 79);
    EXPECT_EQ(ValueToOffset(m, 100), 3);
    for (int value : {0, 13, 50, 99, 100})
        EXPECT_EQ(OffsetToValue(m, ValueToOffset(m, value)), value);
    // Past either end of the track the value is pinned.
    EXPECT_EQ(OffsetToValue(m, -40), 100);
    EXPECT_EQ(OffsetToValue(m, 400), 0);

    const TSliderMapping top = DefaultMapping(TVrSliderStyle::ssTopRight);
    EXPECT_EQ(ValueToOffset(top, 0), 3);
    EXPECT_EQ(OffsetToValue(top, 3), 0);
    EXPECT_EQ(OffsetToValue(top, 155), 100);
}

TEST(SliderGeometryTest, HorizontalMirrorsOnlyWhenTheMinimumIsAtTheRight) {
    TSliderMapping m{SliderTrack({0, 0, 171, 36}, 1, 2, TVrOrientation::voHorizontal, 13, 30),
                     TVrOrientation::voHorizontal,
                     TVrSliderStyle::ssBottomLeft,
                     0,
                     100,
                     13,
                     30,
                     36};
    EXPECT_EQ(ValueToOffset(m, 0), 3);
    EXPECT_EQ(ValueToOffset(m, 100), 155);
    EXPECT_EQ(OffsetToValue(m, 155), 100);
    m.Style = TVrSliderStyle::ssTopRight;
    EXPECT_EQ(ValueToOffset(m, 0), 155);
    EXPECT_EQ(OffsetToValue(m, 155), 0);
}

TEST(SliderGeometryTest, EmptyRangeOrNoTravelPutsTheThumbAtTheMinimumEnd) {
    TSliderMapping m = DefaultMapping();
    m.MaxValue = 0;
    EXPECT_EQ(ValueToOffset(m, 0), 155);
    m = DefaultMapping();
    m.Track = SliderTrack({0, 0, 36, 16}, 1, 2, TVrOrientation::voVertical, 30, 13);
    EXPECT_LE(m.Track.Travel, 0);
    EXPECT_EQ(OffsetToValue(m, 5), 0);
    EXPECT_NO_THROW(ValueToOffset(m, 50));
}

struct SliderTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 220);
    TVrSlider* Slider = new TVrSlider(Form);
    int Changes = 0;

    SliderTest() {
        Slider->SetName(QStringLiteral("slider1"));
        Slider->SetParent(Form);
        Slider->OnChange = [this](TObject*) { ++Changes; };
    }
    const TBitmap& Painted() {
        Slider->Repaint();
        TApplication::Instance().ProcessMessages();
        return Slider->Image();
    }
    void Send(UINT message, int x, int y, WPARAM keys = 0) {
        TMessage m{message, keys, MakeLParam(x, y), 0};
        Slider->Perform(m.Msg, m.WParam, m.LParam);
    }
    void Key(WPARAM key) { Slider->Perform(WM_KEYDOWN, key, 0); }
};

TEST_F(SliderTest, DefaultPictureLightsOnlyTheTicksBelowTheThumbsCentre) {
    EXPECT_EQ(Slider->Width(), 36);
    EXPECT_EQ(Slider->Height(), 171);
    EXPECT_EQ(Slider->Thumb().Width(), 30);
    EXPECT_EQ(Slider->Thumb().Height(), 13);
    Painted();
    EXPECT_EQ(Slider->ThumbRect(), (TRect{3, 155, 33, 168}));

    // A see-through thumb of the same size shows the ticks under it: from the bottom, tick
    // rows every second row, lit up to the thumb's centre line (row 161).
    auto* list = new TVrBitmapList(Form);
    TBitmap clear;
    clear.SetSize(30, 13);
    clear.Canvas()->Brush()->SetColor(clFuchsia);
    clear.Canvas()->FillRect({0, 0, 30, 13});
    list->Bitmaps()->Add(&clear);
    Slider->SetBitmapList(list);
    Slider->SetThumbImageIndex(0);
    Slider->SetOptions(Slider->Options() - TVrSliderOptions{TVrSliderOption::soThumbOpaque});
    const TBitmap& image = Painted();
    EXPECT_EQ(image.Pixels(18, 164), clLime);
    EXPECT_EQ(image.Pixels(18, 162), clLime);
    EXPECT_EQ(image.Pixels(18, 163), clBlack);
    EXPECT_EQ(image.Pixels(18, 160), clGreen);
    EXPECT_EQ(image.Pixels(18, 100), clGreen);

    Slider->SetPosition(50);
    Painted();
    EXPECT_EQ(Slider->ThumbRect().Top, 79);
    EXPECT_EQ(Changes, 1);
    // Freeing the list brings the built-in thumb back.
    delete list;
    EXPECT_EQ(Slider->BitmapList(), nullptr);
    EXPECT_EQ(Slider->Thumb().Width(), 30);
}

TEST_F(SliderTest, PositionIsClampedAndChangesRaiseOnChangeOnce) {
    Slider->SetPosition(150);
    EXPECT_EQ(Slider->Position(), 100);
    EXPECT_EQ(Changes, 1);
    Slider->SetPosition(100);
    EXPECT_EQ(Changes, 1);
    Painted();
    EXPECT_EQ(Slider->ThumbRect().Top, 3);
    Slider->SetSpacing(-1);
    Slider->SetTickWidth(0);
    Slider->SetBorderWidth(-2);
    Slider->SetThumbIndent(-1);
    EXPECT_EQ(Slider->Spacing(), 1);
    EXPECT_EQ(Slider->TickWidth(), 1);
    EXPECT_EQ(Slider->BorderWidth(), 1);
    EXPECT_EQ(Slider->ThumbIndent(), 2);
}

TEST_F(SliderTest, OrientationSwapsTheSizeAndTakesTheOtherThumb) {
    Slider->SetOrientation(TVrOrientation::voHorizontal);
    EXPECT_EQ(Slider->Width(), 171);
    EXPECT_EQ(Slider->Height(), 36);
    EXPECT_EQ(Slider->Thumb().Width(), 13);
    EXPECT_EQ(Slider->Thumb().Height(), 30);
    EXPECT_EQ(Slider->ThumbRect().Top, 3);
}

TEST_F(SliderTest, ThumbStatesBeyondTheBitmapFallBackToTheNormalImage) {
    Slider->SetThumbStates(2);
    EXPECT_EQ(Slider->Mapping().ThumbWidth, 15);
    Send(WM_MOUSEMOVE, 10, 160);
    EXPECT_TRUE(Slider->Hot());
    EXPECT_NO_THROW(Painted());
}

TEST_F(SliderTest, KeysStepByTheIncrementAndTopRightRunsTheOtherWay) {
    Key(VK_UP);
    EXPECT_EQ(Slider->Position(), 5);
    Key(VK_END);
    EXPECT_EQ(Slider->Position(), 100);
    Key(VK_LEFT);  // not an arrow of a vertical slider
    EXPECT_EQ(Slider->Position(), 100);
    Key(VK_HOME);
    EXPECT_EQ(Slider->Position(), 0);
    Slider->SetStyle(TVrSliderStyle::ssTopRight);
    Slider->SetPosition(50);
    Key(VK_UP);
    EXPECT_EQ(Slider->Position(), 45);
}

TEST_F(SliderTest, ClickBesideTheThumbNeedsActiveClickAndDraggingPinsAtTheEnds) {
    Send(WM_LBUTTONDOWN, 18, 40, MK_LBUTTON);
    Send(WM_LBUTTONUP, 18, 40);
    EXPECT_EQ(Slider->Position(), 0);
    EXPECT_EQ(Changes, 0);

    Slider->SetOptions(Slider->Options() + TVrSliderOptions{TVrSliderOption::soActiveClick});
    Send(WM_LBUTTONDOWN, 18, 85, MK_LBUTTON);  // thumb centre under the pointer: top 79
    Send(WM_LBUTTONUP, 18, 85);
    EXPECT_EQ(Slider->Position(), 50);
    EXPECT_FALSE(Slider->Dragging());

    Painted();
    Send(WM_LBUTTONDOWN, 18, 82, MK_LBUTTON);  // on the thumb, 3 below its top
    EXPECT_TRUE(Slider->Dragging());
    Send(WM_MOUSEMOVE, 18, -500, MK_LBUTTON);
    EXPECT_EQ(Slider->Position(), 100);
    Send(WM_MOUSEMOVE, 18, 900, MK_LBUTTON);
    EXPECT_EQ(Slider->Position(), 0);
    Send(WM_LBUTTONUP, 18, 900);
    EXPECT_FALSE(Slider->Dragging());
}

}  // namespace
}  // namespace mox

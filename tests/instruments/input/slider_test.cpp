// The slider: the value/pixel mapping both ways, its default picture, its setters, and its
// own mouse and keyboard handling driven by messages sent to the control.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <functional>
#include <limits>

#include "instruments/input/vrslider.h"
#include "rackfile/rackio.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kTwoBillion = 2'000'000'000;

TSliderMapping DefaultMapping(TVrSliderStyle style = TVrSliderStyle::ssBottomLeft) {
    return {SliderTrack({0, 0, 36, 171}, 1, 2, TVrOrientation::voVertical, 30, 13),
            TVrOrientation::voVertical,
            style,
            0,
            100,
            30,
            13,
            171,
            36};
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
                     36,
                     171};
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

// The thumb is found where it is drawn, without a paint first, also after a resize.
TEST_F(SliderTest, ThumbIsTakenBeforeAnyPaint) {
    Slider->SetBounds(Slider->Left(), Slider->Top(), 60, 171);
    EXPECT_EQ(Slider->ThumbRect(), (TRect{15, 155, 45, 168}));
    Send(WM_LBUTTONDOWN, 40, 160, MK_LBUTTON);
    EXPECT_TRUE(Slider->Dragging());
    Send(WM_MOUSEMOVE, 40, 160 - 76, MK_LBUTTON);
    EXPECT_EQ(Slider->Position(), 50);
    Send(WM_LBUTTONUP, 40, 84);
    EXPECT_FALSE(Slider->Dragging());
}

// A range of two billion each way spans more than an int holds.
TEST_F(SliderTest, WideRangeKeepsTheThumbOnTheTrack) {
    Slider->SetMaxValue(kTwoBillion);
    Slider->SetMinValue(-kTwoBillion);
    const struct { int Position, Top; } rows[] = {{-kTwoBillion, 155}, {kTwoBillion, 3}, {0, 79}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Position);
        Slider->SetPosition(row.Position);
        Painted();
        EXPECT_EQ(Slider->ThumbRect(), (TRect{3, row.Top, 33, row.Top + 13}));
    }
    const TBitmap& image = Slider->Image();
    // The opaque thumb is there, pixel for pixel.
    const TBitmap& thumb = Slider->Thumb();
    for (int y = 0; y < thumb.Height(); ++y)
        for (int x = 0; x < thumb.Width(); ++x)
            ASSERT_EQ(image.Pixels(3 + x, 79 + y), thumb.Pixels(x, y)) << x << "," << y;

    // Keys step from either end of int without wrapping.
    Slider->SetMaxValue(kMax);
    Slider->SetKeyIncrement(kMax);
    Slider->SetPosition(kMax);
    Key(VK_UP);
    EXPECT_EQ(Slider->Position(), kMax);
    Slider->SetMinValue(kMin);
    Slider->SetKeyIncrement(kMin);
    Key(VK_UP);  // a step of −2^31
    EXPECT_EQ(Slider->Position(), -1);
    Key(VK_DOWN);  // and one of +2^31, which only int64 holds
    EXPECT_EQ(Slider->Position(), kMax);
}

TEST_F(SliderTest, ThumbOpaqueDecidesWhetherTheThumbsKeyColourShows) {
    // A thumb of nothing but its key colour (the bottom-left pixel) over the lit ticks.
    auto* list = new TVrBitmapList(Form);
    TBitmap keyOnly;
    keyOnly.SetSize(30, 13);
    keyOnly.Canvas()->Brush()->SetColor(clFuchsia);
    keyOnly.Canvas()->FillRect({0, 0, 30, 13});
    list->Bitmaps()->Add(&keyOnly);
    Slider->SetBitmapList(list);
    Slider->SetThumbImageIndex(0);
    struct Row {
        const char* Name;
        bool Opaque;
        TColor TickRow, GapRow;
    };
    const Row rows[] = {
        {"opaque", true, clFuchsia, clFuchsia},
        {"see-through", false, clLime, clBlack},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TVrSliderOptions options =
            Slider->Options() - TVrSliderOptions{TVrSliderOption::soThumbOpaque};
        if (row.Opaque) options = options + TVrSliderOptions{TVrSliderOption::soThumbOpaque};
        Slider->SetOptions(options);
        const TBitmap& image = Painted();
        EXPECT_EQ(image.Pixels(18, 164), row.TickRow);
        EXPECT_EQ(image.Pixels(18, 163), row.GapRow);
    }
}

// A checkered tick is filled from its own corner: its first pixel takes the tick colour, then
// colours alternate along rows and columns, whatever the spacing and the end the ticks start at.
TEST_F(SliderTest, CheckeredTicksTakeTheirPatternFromTheirOwnCorner) {
    struct Row {
        const char* Name;
        TVrOrientation Orientation;
        TVrSliderStyle Style;
        int TickWidth, Spacing;
    };
    using enum TVrOrientation;
    using enum TVrSliderStyle;
    const Row rows[] = {
        {"vertical from the bottom, spacing 1", voVertical, ssBottomLeft, 1, 1},
        {"vertical from the bottom, spacing 2", voVertical, ssBottomLeft, 1, 2},
        {"vertical from the bottom, thick ticks", voVertical, ssBottomLeft, 2, 2},
        {"vertical from the top, spacing 2", voVertical, ssTopRight, 1, 2},
        {"horizontal from the left, spacing 2", voHorizontal, ssBottomLeft, 1, 2},
        {"horizontal from the right, thick ticks", voHorizontal, ssTopRight, 3, 2},
    };
    Slider->SetSolidFill(false);
    constexpr int kInset = 6;          // frame 1 and bevel 5
    constexpr int kExtent = 159;       // the tick area along the travel axis
    constexpr int kAcross = 24;        // and across it
    constexpr int kClearOfThumb = 24;  // the thumb and the lit ticks stay at the minimum end
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Slider->SetOrientation(row.Orientation);
        Slider->SetStyle(row.Style);
        Slider->SetTickWidth(row.TickWidth);
        Slider->SetSpacing(row.Spacing);
        const TBitmap& image = Painted();
        const bool vertical = row.Orientation == voVertical;
        // The minimum end is the bottom of a vertical slider, the left of a horizontal one.
        const bool fromStart = vertical == (row.Style == ssTopRight);
        const int pitch = row.TickWidth + row.Spacing;
        for (int i = 0; i < kExtent / pitch; ++i) {
            const int lead = fromStart ? i * pitch : kExtent - row.TickWidth - i * pitch;
            const bool nearMinimum = (vertical == (row.Style == ssBottomLeft))
                                         ? lead + row.TickWidth > kExtent - kClearOfThumb
                                         : lead < kClearOfThumb;
            if (nearMinimum) continue;
            for (int along = 0; along < row.TickWidth; ++along)
                for (int across = 0; across < kAcross; ++across) {
                    const int a = kInset + lead + along, b = kInset + across;
                    const TColor pixel = vertical ? image.Pixels(b, a) : image.Pixels(a, b);
                    ASSERT_EQ(pixel, (along + across) % 2 == 0 ? clGreen : clBlack)
                        << "tick " << i << " at " << along << "," << across;
                }
        }
    }
}

// The image and the tick pictures are made at the first paint, from the settings of that
// moment: a slider changed before it was ever painted shows what a slider painted before and
// after the same change shows.
TEST_F(SliderTest, TickPicturesAreMadeAtTheFirstPaintAndMatchOnesRebuiltAlong) {
    using enum TVrOrientation;
    struct Row {
        const char* Name;
        std::function<void(TVrSlider*)> Setup, Change;
    };
    const auto none = [](TVrSlider*) {};
    const Row rows[] = {
        {"resize", none, [](TVrSlider* s) { s->SetBounds(s->Left(), s->Top(), 50, 190); }},
        {"tick width", none, [](TVrSlider* s) { s->SetTickWidth(3); }},
        {"spacing", none, [](TVrSlider* s) { s->SetSpacing(2); }},
        {"border width", none, [](TVrSlider* s) { s->SetBorderWidth(4); }},
        {"checkered", none, [](TVrSlider* s) { s->SetSolidFill(false); }},
        {"style", none, [](TVrSlider* s) { s->SetStyle(TVrSliderStyle::ssTopRight); }},
        {"palette", none, [](TVrSlider* s) { s->Palette()->SetLow(clMaroon); }},
        {"bevel", none, [](TVrSlider* s) { s->Bevel()->SetInnerWidth(5); }},
        {"colour", none, [](TVrSlider* s) { s->SetColor(clNavy); }},
        {"orientation of a square", [](TVrSlider* s) { s->SetBounds(s->Left(), s->Top(), 80, 80); },
         [](TVrSlider* s) { s->SetOrientation(voHorizontal); }},
    };
    TComponent owner(nullptr);
    auto* hidden = new TForm(&owner);
    hidden->SetBounds(10, 10, 300, 220);
    TClassRegistry registry;
    registry.RegisterClass(TVrSlider::StaticClass());
    auto* loaded = new TForm(&owner);
    rack::LoadRackFile(
        QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../data/extreme_sliders.res",
        *loaded, registry);
    ASSERT_GT(loaded->ComponentCount(), 0);
    for (int i = 0; i < loaded->ComponentCount(); ++i) {
        const auto* s = dynamic_cast<const TVrSlider*>(loaded->Components(i));
        ASSERT_TRUE(s);
        EXPECT_FALSE(s->HasImage());
        EXPECT_TRUE(s->UnlitTicks().Empty());
    }

    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        auto* eager = new TVrSlider(Form);
        auto* late = new TVrSlider(hidden);
        eager->SetParent(Form);
        late->SetParent(hidden);
        for (TVrSlider* s : {eager, late}) {
            s->SetPosition(30);
            row.Setup(s);
        }
        eager->Repaint();
        TApplication::Instance().ProcessMessages();
        row.Change(eager);
        row.Change(late);
        EXPECT_FALSE(late->HasImage());
        EXPECT_TRUE(late->UnlitTicks().Empty());
        EXPECT_TRUE(late->LitTicks().Empty());

        eager->Repaint();
        late->SetParent(Form);
        late->Repaint();
        TApplication::Instance().ProcessMessages();
        EXPECT_FALSE(late->UnlitTicks().Empty());
        EXPECT_TRUE(late->Image().Image() == eager->Image().Image());
        delete eager;
        delete late;
    }
}

// The face kept across value changes: a new position paints what a face made afresh paints, for
// each way a slider can run and look.
TEST_F(SliderTest, ValueChangesPaintWhatAFullPaintPaintsAcrossASweep) {
    using enum TVrOrientation;
    using enum TVrSliderStyle;
    struct Row {
        const char* Name;
        std::function<void(TVrSlider*)> Setup;
    };
    const Row rows[] = {
        {"vertical from the bottom", [](TVrSlider*) {}},
        {"vertical from the top", [](TVrSlider* s) { s->SetStyle(ssTopRight); }},
        {"horizontal from the left", [](TVrSlider* s) { s->SetOrientation(voHorizontal); }},
        {"horizontal from the right",
         [](TVrSlider* s) {
             s->SetOrientation(voHorizontal);
             s->SetStyle(ssTopRight);
         }},
        {"checkered thick ticks, see-through thumb",
         [](TVrSlider* s) {
             s->SetSolidFill(false);
             s->SetTickWidth(3);
             s->SetSpacing(2);
             s->SetOptions(TVrSliderOptions{});
         }},
        {"disabled, wide range",
         [](TVrSlider* s) {
             s->SetEnabled(false);
             s->SetMinValue(-kTwoBillion);
             s->SetMaxValue(kTwoBillion);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        auto* slider = new TVrSlider(Form);
        auto* twin = new TVrSlider(Form);
        slider->SetParent(Form);
        twin->SetParent(Form);
        twin->SetTop(40);
        for (TVrSlider* s : {slider, twin})
            row.Setup(s);
        slider->Repaint();
        TApplication::Instance().ProcessMessages();
        const std::int64_t low = slider->MinValue(), high = slider->MaxValue();
        for (int step = 0; step <= 16; ++step) {
            const auto v = static_cast<int>(low + (high - low) * step / 16);
            SCOPED_TRACE(v);
            const qint64 face = slider->Face().Image().Image().cacheKey();
            slider->SetPosition(v);
            twin->SetPosition(v);
            TApplication::Instance().ProcessMessages();
            ASSERT_TRUE(slider->Face().Valid());
            EXPECT_EQ(slider->Face().Image().Image().cacheKey(), face);  // copied, not made again
            // The twin's face made afresh, through the repaints a setting asks for.
            twin->SetBorderColor(clRed);
            twin->SetBorderColor(clBtnFace);
            ASSERT_TRUE(slider->Image().Image() == twin->Image().Image());
        }
        delete slider;
        delete twin;
    }
}

// Whatever changes the look after a value change shows at the next paint, as on a slider that
// had that look all along.
TEST_F(SliderTest, ChangesOtherThanTheValueRepaintTheNewFace) {
    struct Row {
        const char* Name;
        std::function<void(TVrSlider*)> Alter;
    };
    const Row rows[] = {
        {"border colour", [](TVrSlider* s) { s->SetBorderColor(clRed); }},
        {"border width", [](TVrSlider* s) { s->SetBorderWidth(3); }},
        {"colour", [](TVrSlider* s) { s->SetColor(clNavy); }},
        {"palette", [](TVrSlider* s) { s->Palette()->SetHigh(clYellow); }},
        {"bevel", [](TVrSlider* s) { s->Bevel()->SetOuterStyle(TVrBevelStyle::bsLowered); }},
        {"tick width", [](TVrSlider* s) { s->SetTickWidth(2); }},
        {"style", [](TVrSlider* s) { s->SetStyle(TVrSliderStyle::ssTopRight); }},
        {"orientation", [](TVrSlider* s) { s->SetOrientation(TVrOrientation::voHorizontal); }},
        {"size", [](TVrSlider* s) { s->SetBounds(s->Left(), s->Top(), 40, 120); }},
        {"thumb indent", [](TVrSlider* s) { s->SetThumbIndent(6); }},
        {"range", [](TVrSlider* s) { s->SetMaxValue(400); }},
        {"enabled", [](TVrSlider* s) { s->SetEnabled(false); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        auto* slider = new TVrSlider(Form);
        slider->SetParent(Form);
        slider->SetPosition(30);
        slider->Repaint();
        TApplication::Instance().ProcessMessages();
        slider->SetPosition(60);
        row.Alter(slider);
        slider->Repaint();

        auto* twin = new TVrSlider(Form);
        twin->SetPosition(60);
        row.Alter(twin);
        twin->SetLeft(100);
        twin->SetParent(Form);
        twin->Repaint();
        TApplication::Instance().ProcessMessages();
        EXPECT_TRUE(slider->Image().Image() == twin->Image().Image());
        delete slider;
        delete twin;
    }
}

TEST_F(SliderTest, ThumbShowsHotOverDraggedOverDisabledAndNormalWithoutThePicture) {
    using enum TVrThumbState;
    Slider->SetThumbStates(kMaxThumbStates);
    EXPECT_EQ(Slider->ThumbState(), Normal);
    Slider->SetEnabled(false);
    EXPECT_EQ(Slider->ThumbState(), Disabled);
    Slider->SetEnabled(true);
    Painted();
    Send(WM_MOUSEMOVE, 18, 160);
    EXPECT_EQ(Slider->ThumbState(), Hot);
    Send(WM_LBUTTONDOWN, 18, 160, MK_LBUTTON);
    EXPECT_EQ(Slider->ThumbState(), Dragging);
    Send(WM_LBUTTONUP, 18, 160);
    Slider->SetThumbStates(3);  // no picture for the hot thumb
    EXPECT_EQ(Slider->ThumbState(), Normal);
    Slider->SetThumbStates(kMaxThumbStates + 1);
    EXPECT_EQ(Slider->ThumbStates(), kMaxThumbStates);
}

// A rack whose sliders hold values at the ends of int, as a rack file holds them: it loads, and
// every slider paints and takes keys without overflowing.
TEST(SliderRackFileTest, SettingsAtTheEndsOfIntLoadAndPaint) {
    const QString data = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../data/";
    {
        QFile text(data + "extreme_sliders.txt"), binary(data + "extreme_sliders.res");
        ASSERT_TRUE(text.open(QIODevice::ReadOnly));
        ASSERT_TRUE(binary.open(QIODevice::ReadOnly));
        EXPECT_EQ(rack::WriteObjectText(rack::ReadObjectText(text.readAll())),
                  rack::WriteObjectText(rack::ReadRackTree(binary.readAll())));
    }
    TClassRegistry registry;
    registry.RegisterClass(TVrSlider::StaticClass());
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 400, 400);
    rack::LoadRackFile(data + "extreme_sliders.res", *form, registry);
    const auto slider = [form](const char* name) {
        return dynamic_cast<TVrSlider*>(form->FindComponent(QString::fromLatin1(name)));
    };
    const auto paint = [](TVrSlider* s) {
        s->Repaint();
        TApplication::Instance().ProcessMessages();
    };
    TVrSlider* wide = slider("slider1");
    ASSERT_TRUE(wide);
    paint(wide);
    EXPECT_EQ(wide->ThumbRect().Top, 79);

    TVrSlider* whole = slider("slider2");
    ASSERT_TRUE(whole);
    paint(whole);
    EXPECT_EQ(whole->ThumbRect().Top, 3);
    // One tick as thick as int from the bottom fills the tick area with its pattern, counted
    // from the tick's corner far above (an even number of rows above row 6 + 159).
    ASSERT_EQ((159 - kMax) % 2, 0);
    EXPECT_EQ(whole->Image().Pixels(6, 100), clLime);
    EXPECT_EQ(whole->Image().Pixels(7, 100), clBlack);
    EXPECT_EQ(whole->Image().Pixels(6, 101), clBlack);
    whole->Perform(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(whole->Position(), kMax);

    for (const char* name : {"slider3", "slider4"}) {
        SCOPED_TRACE(name);
        TVrSlider* s = slider(name);
        ASSERT_TRUE(s);
        paint(s);
        s->Perform(WM_KEYDOWN, VK_RIGHT, 0);
        s->Perform(WM_KEYDOWN, VK_LEFT, 0);
        paint(s);
    }
    EXPECT_EQ(slider("slider3")->Position(), kMin);
}

}  // namespace
}  // namespace mox

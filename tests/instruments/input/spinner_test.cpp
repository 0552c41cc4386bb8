// The spinner: where its buttons go for any size, how each arrow is drawn and hit, clicks from
// the mouse (also fast ones), auto-repeat driven tick by tick through the button's timer, its
// stop on release, capture loss and destruction, the keyboard, FocusControl, and rack files.
#include <gtest/gtest.h>

#include <QWidget>
#include <limits>
#include <optional>

#include "instruments/base/vrtimer.h"
#include "instruments/input/vrspinner.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/testwindows.h"
#include "toolkit/core/classregistry.h"
#include "toolkit/stdctrls/edit.h"

namespace mox {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
using enum TVrOrientation;

TEST(SpinnerGeometryTest, ButtonsShareTheSpinnerAsItsPartsSay) {
    struct Row {
        const char* Name;
        int Width, Height;
        TVrOrientation Orientation;
        TSpinnerLayout Expected;
    };
    const Row rows[] = {
        {"new spinner", 35, 40, voVertical, {{35, 40}, {0, 0, 35, 20}, {0, 19, 35, 40}}},
        {"odd height", 35, 41, voVertical, {{35, 41}, {0, 0, 35, 20}, {0, 19, 35, 41}}},
        {"too narrow", 10, 40, voVertical, {{15, 40}, {0, 0, 15, 20}, {0, 19, 15, 40}}},
        {"side by side", 40, 35, voHorizontal, {{40, 35}, {0, 0, 20, 35}, {20, 0, 40, 35}}},
        {"odd width", 41, 35, voHorizontal, {{41, 35}, {0, 0, 20, 35}, {20, 0, 40, 35}}},
        {"no height", 35, 0, voVertical, {{35, 0}, {0, 0, 35, 0}, {0, -1, 35, 0}}},
        {"negative height", 35, -9, voVertical, {{35, 0}, {0, 0, 35, 0}, {0, -1, 35, 0}}},
        {"largest",
         kIntMax,
         kIntMax,
         voVertical,
         {{kIntMax, kIntMax},
          {0, 0, kIntMax, kIntMax / 2},
          {0, kIntMax / 2 - 1, kIntMax, kIntMax}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TSpinnerLayout layout = SpinnerLayout(row.Width, row.Height, row.Orientation);
        EXPECT_EQ(layout.Size, row.Expected.Size);
        EXPECT_EQ(layout.First, row.Expected.First);
        EXPECT_EQ(layout.Second, row.Expected.Second);
    }
}

TEST(SpinnerGeometryTest, ArrowsAreCentredTruncatingTowardZero) {
    EXPECT_EQ(SpinGlyphSize(TSpinButtonKind::Down), (TSize{21, 16}));
    EXPECT_EQ(SpinGlyphSize(TSpinButtonKind::Right), (TSize{17, 21}));
    EXPECT_EQ(SpinGlyphRect({35, 20}, {21, 16}), (TRect{7, 2, 28, 18}));
    // Truncated toward zero when the arrow is the larger.
    EXPECT_EQ(SpinGlyphRect({15, 5}, {21, 16}), (TRect{-3, -5, 18, 11}));
    EXPECT_EQ(SpinGlyphRect({kIntMax, kIntMax}, {17, 21}).Left, (kIntMax - 17) / 2);
}

struct SpinnerTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 200);
    TVrSpinner* Spinner = new TVrSpinner(Form);
    int Ups = 0;
    int Downs = 0;

    SpinnerTest() {
        Spinner->SetName(QStringLiteral("spinner1"));
        Spinner->SetParent(Form);
        Spinner->OnUpClick = [this](TObject* sender) {
            EXPECT_EQ(sender, Spinner);
            ++Ups;
        };
        Spinner->OnDownClick = [this](TObject*) { ++Downs; };
    }
    ~SpinnerTest() override { TApplication::Instance().SetCaptureControl(nullptr); }

    // A point on `button`'s arrow, in spinner coordinates.
    static TPoint OnArrowOf(const TVrSpinButton* button) {
        for (int y = 0; y < button->Height(); ++y)
            for (int x = 0; x < button->Width(); ++x)
                if (button->OnArrow(x, y)) return {button->Left() + x, button->Top() + y};
        ADD_FAILURE() << "no point on the arrow";
        return {};
    }
    void Send(UINT message, TPoint p, WPARAM keys = 0) {
        Spinner->Perform(message, keys, MakeLParam(p.X, p.Y));
    }
    void Click(TPoint p) {
        Send(WM_LBUTTONDOWN, p, MK_LBUTTON);
        Send(WM_LBUTTONUP, p);
    }
    void Key(WPARAM key) { Spinner->Perform(WM_KEYDOWN, key, 0); }
    QImage Shown() {
        TApplication::Instance().ProcessMessages();
        return Spinner->Handle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(SpinnerTest, NewSpinnerHasItsButtonsLaidOut) {
    EXPECT_EQ(Spinner->BoundsRect(), (TRect{0, 0, 35, 40}));
    EXPECT_TRUE(Spinner->ParentColor());
    EXPECT_FALSE(Spinner->TabStop());
    EXPECT_EQ(Spinner->Caption(), "");
    EXPECT_EQ(Spinner->FirstButton()->Kind(), TSpinButtonKind::Up);
    EXPECT_EQ(Spinner->SecondButton()->Kind(), TSpinButtonKind::Down);
    EXPECT_EQ(Spinner->FirstButton()->BoundsRect(), (TRect{0, 0, 35, 20}));
    EXPECT_EQ(Spinner->SecondButton()->BoundsRect(), (TRect{0, 19, 35, 40}));
    EXPECT_EQ(Spinner->FocusedButton(), Spinner->FirstButton());
    Spinner->SetWidth(10);
    EXPECT_EQ(Spinner->Width(), 15);
    EXPECT_EQ(Spinner->SecondButton()->Width(), 15);
}

TEST_F(SpinnerTest, ArrowsAreDrawnCentredInThePaletteColours) {
    Spinner->Palette()->SetHigh(clRed);
    const QImage shown = Shown();
    const TVrSpinButton* up = Spinner->FirstButton();
    const TRect g = up->GlyphRect();
    // Every drawn pixel of the normal arrow is where the button shows it.
    int lit = 0;
    for (int y = 0; y < g.Height(); ++y)
        for (int x = 0; x < g.Width(); ++x) {
            const TColor pixel = up->Glyphs().Pixel(1, x, y);
            if (pixel == clInvalidPixel) continue;
            EXPECT_EQ(FromQColor(shown.pixelColor(g.Left + x, g.Top + y)), pixel);
            lit += pixel == clRed;
        }
    EXPECT_GT(lit, 0);
    // Outside the arrow the button shows its colour.
    EXPECT_EQ(FromQColor(shown.pixelColor(1, 1)), ColorToRGB(Spinner->FirstButton()->Color()));
}

TEST_F(SpinnerTest, DisabledSpinnerShowsTheUnlitArrowsInTheLowColour) {
    Spinner->Palette()->SetLow(clNavy);
    Spinner->SetEnabled(false);
    EXPECT_FALSE(Spinner->FirstButton()->Enabled());
    EXPECT_FALSE(Spinner->SecondButton()->Enabled());
    const QImage shown = Shown();
    int navy = 0, lime = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            navy += FromQColor(shown.pixelColor(x, y)) == clNavy;
            lime += FromQColor(shown.pixelColor(x, y)) == clLime;
        }
    EXPECT_GT(navy, 20);
    EXPECT_EQ(lime, 0);
    // A disabled button takes no press.
    Click(OnArrowOf(Spinner->FirstButton()));
    EXPECT_EQ(Ups, 0);
}

TEST_F(SpinnerTest, EachClickStepsOnceAlsoWhenClicksComeFast) {
    const TPoint up = OnArrowOf(Spinner->FirstButton());
    const TPoint down = OnArrowOf(Spinner->SecondButton());
    Click(up);
    EXPECT_EQ(Ups, 1);
    // The second press of a quick pair arrives as a double click.
    Send(WM_LBUTTONDBLCLK, up, MK_LBUTTON);
    Send(WM_LBUTTONUP, up);
    EXPECT_EQ(Ups, 2);
    Click(down);
    Click(down);
    EXPECT_EQ((std::pair{Ups, Downs}), (std::pair{2, 2}));
    EXPECT_FALSE(Spinner->FirstButton()->Pressed());
}

TEST_F(SpinnerTest, HeldArrowRepeatsAfterTheDelayThenEveryPeriod) {
    const TPoint up = OnArrowOf(Spinner->FirstButton());
    TVrTimerSpinButton* button = Spinner->FirstButton();
    Send(WM_LBUTTONDOWN, up, MK_LBUTTON);
    ASSERT_NE(button->RepeatTimer(), nullptr);
    TVrTimer& timer = *button->RepeatTimer();
    EXPECT_TRUE(button->Pressed());
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.TimerType(), TVrTimerType::ttSystem);
    EXPECT_EQ(timer.Interval(), 400u);
    EXPECT_EQ(Ups, 0);
    // Held for 1 s: ticks at 400, 500, ..., 1000 ms.
    for (int tick = 0; tick < 7; ++tick)
        timer.Timer();
    EXPECT_EQ(timer.Interval(), 100u);
    EXPECT_EQ(Ups, 7);
    Send(WM_LBUTTONUP, up);
    EXPECT_EQ(Ups, 8);
    EXPECT_FALSE(timer.Enabled());
    timer.Timer();
    EXPECT_EQ(Ups, 8);
    // The next press starts again with the delay.
    Send(WM_LBUTTONDOWN, up, MK_LBUTTON);
    EXPECT_EQ(timer.Interval(), 400u);
    EXPECT_TRUE(timer.Enabled());
}

TEST_F(SpinnerTest, ReleaseOffTheArrowDoesNotClick) {
    Send(WM_LBUTTONDOWN, OnArrowOf(Spinner->SecondButton()), MK_LBUTTON);
    Send(WM_LBUTTONUP, {1, 38});
    EXPECT_EQ(Downs, 0);
    EXPECT_FALSE(Spinner->SecondButton()->Pressed());
    EXPECT_FALSE(Spinner->SecondButton()->RepeatTimer()->Enabled());
    // A press beside the arrow does nothing at all.
    Click({1, 1});
    EXPECT_EQ(Ups, 0);
    EXPECT_EQ(Spinner->FirstButton()->RepeatTimer(), nullptr);
}

TEST_F(SpinnerTest, LosingTheCaptureStopsTheRepeat) {
    Send(WM_LBUTTONDOWN, OnArrowOf(Spinner->FirstButton()), MK_LBUTTON);
    TVrTimer& timer = *Spinner->FirstButton()->RepeatTimer();
    timer.Timer();
    EXPECT_EQ(Ups, 1);
    TApplication::Instance().SetCaptureControl(Form);
    timer.Timer();
    EXPECT_EQ(Ups, 1);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(Spinner->FirstButton()->Pressed());
}

TEST_F(SpinnerTest, ASpinnerDestroyedWhileHeldLeavesNothingRunning) {
    Send(WM_LBUTTONDOWN, OnArrowOf(Spinner->FirstButton()), MK_LBUTTON);
    EXPECT_TRUE(Spinner->FirstButton()->RepeatTimer()->Running());
    delete Spinner;
    EXPECT_EQ(TApplication::Instance().CaptureControl(), nullptr);
    TApplication::Instance().ProcessMessages();
    EXPECT_EQ(Ups, 0);
}

TEST_F(SpinnerTest, KeysClickTheButtonsOfTheOrientationOnly) {
    Spinner->SetTabStop(true);
    Spinner->SetOrientation(voHorizontal);
    EXPECT_EQ(Spinner->FirstButton()->Kind(), TSpinButtonKind::Left);
    EXPECT_EQ(Spinner->SecondButton()->Kind(), TSpinButtonKind::Right);
    Key(VK_DOWN);
    Key(VK_UP);
    EXPECT_EQ((std::pair{Ups, Downs}), (std::pair{0, 0}));
    Key(VK_RIGHT);
    EXPECT_EQ(Downs, 1);
    EXPECT_EQ(Spinner->FocusedButton(), Spinner->SecondButton());
    Key(VK_SPACE);
    EXPECT_EQ(Downs, 2);
    Key(VK_LEFT);
    EXPECT_EQ(Ups, 1);
    EXPECT_EQ(Spinner->FocusedButton(), Spinner->FirstButton());
}

TEST_F(SpinnerTest, FocusedButtonShowsItsFrameWhileTheSpinnerHasTheFocus) {
    Spinner->SetTabStop(true);
    Spinner->SetFocus();
    TApplication::Instance().ProcessMessages();
    ASSERT_TRUE(Spinner->Focused());
    EXPECT_TRUE(Spinner->FirstButton()->FocusFlag());
    Key(VK_DOWN);
    EXPECT_FALSE(Spinner->FirstButton()->FocusFlag());
    EXPECT_TRUE(Spinner->SecondButton()->FocusFlag());
    const QImage shown = Shown();
    const TRect frame = SpinFocusRect({35, 21});
    EXPECT_EQ(FromQColor(shown.pixelColor(frame.Left, 19 + frame.Top)), clBlack);
    EXPECT_EQ(FromQColor(shown.pixelColor(frame.Right - 1, 19 + frame.Bottom - 1)), clBlack);
}

TEST_F(SpinnerTest, PressHandsTheFocusToFocusControlAndStillClicks) {
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(100, 10, 80, 21);
    edit->SetTabStop(true);
    Spinner->SetFocusControl(edit);
    Click(OnArrowOf(Spinner->SecondButton()));
    TApplication::Instance().ProcessMessages();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(Downs, 1);
    delete edit;
    EXPECT_EQ(Spinner->FocusControl(), nullptr);
}

TEST_F(SpinnerTest, PaletteReachesBothButtons) {
    TVrPalette palette;
    palette.SetLow(clMaroon);
    palette.SetHigh(clYellow);
    Spinner->SetPalette(&palette);
    for (const TVrSpinButton* button : {static_cast<TVrSpinButton*>(Spinner->FirstButton()),
                                        static_cast<TVrSpinButton*>(Spinner->SecondButton())}) {
        EXPECT_EQ(button->Palette()->High(), clYellow);
        EXPECT_EQ(button->Palette()->Low(), clMaroon);
    }
}

// --- Rack files -----------------------------------------------------------------------------

TEST(SpinnerStreamTest, NewSpinnerStoresItsBoundsAndPaletteOnly) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* spinner = new TVrSpinner(form);
    spinner->SetName(QStringLiteral("spinner1"));
    spinner->SetParent(form);
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    ASSERT_EQ(root.Children.size(), 1u);
    QStringList names;
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names, (QStringList{"Left", "Top", "Width", "Height", "Palette.Low", "Palette.High",
                                  "TabOrder"}));
}

TEST(SpinnerStreamTest, OrientationPaletteAndHintSurviveARoundTrip) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* spinner = new TVrSpinner(form);
    spinner->SetName(QStringLiteral("s"));
    spinner->SetParent(form);
    spinner->SetOrientation(voHorizontal);
    spinner->SetBounds(4, 5, 60, 22);
    spinner->Palette()->SetHigh(clAqua);
    spinner->SetHint(QStringLiteral("num1"));
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*form));

    TForm* again = test::ShowForm(&owner);
    TClassRegistry registry;
    registry.RegisterClass(TVrSpinner::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText(text), *again, registry);
    auto* loaded = dynamic_cast<TVrSpinner*>(again->FindComponent(QStringLiteral("s")));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Orientation(), voHorizontal);
    EXPECT_EQ(loaded->BoundsRect(), (TRect{4, 5, 64, 27}));
    EXPECT_EQ(loaded->Hint(), "num1");
    EXPECT_EQ(loaded->SecondButton()->Kind(), TSpinButtonKind::Right);
    EXPECT_EQ(loaded->SecondButton()->BoundsRect(), (TRect{30, 0, 60, 22}));
    EXPECT_EQ(loaded->FirstButton()->Palette()->High(), clAqua);
}

}  // namespace
}  // namespace mox

// The gradient panel: the step each direction gives a pixel (also for band widths and sizes at
// the ends of int), the colours it paints at the start, middle and end of each direction, swapped
// colours and wide bands, the setters' rules, dragging the window by the panel, and what a rack
// file gives back.
#include <gtest/gtest.h>

#include <limits>

#include "instruments/output/vrgradient.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/testwindows.h"
#include "toolkit/core/classregistry.h"

namespace mox {
namespace {

using enum TVrGradDirection;
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
// Channels that divide evenly enough to read the steps off the colours.
constexpr TColor kFrom = RGB(0, 0, 0);
constexpr TColor kTo = RGB(250, 100, 0);

TGradientSettings Settings(TVrGradDirection d, int w, int h, int band = 1) {
    return {.Direction = d, .Width = w, .Height = h, .BandWidth = band};
}

TEST(GradientGeometryTest, StepOfEachDirectionAtItsStartMiddleAndEnd) {
    // A 100 × 50 panel, bands of one pixel.
    struct Row {
        const char* Name;
        TVrGradDirection Direction;
        TPoint Pixel;
        TGradientStep Expected;
    };
    const Row rows[] = {
        {"down: top", gdUpDown, {7, 0}, {0, 50}},
        {"down: middle", gdUpDown, {7, 25}, {25, 50}},
        {"down: bottom", gdUpDown, {7, 49}, {49, 50}},
        {"across: left", gdLeftRight, {0, 9}, {0, 100}},
        {"across: right", gdLeftRight, {99, 9}, {99, 100}},
        // Up to the middle, then back: the middle row takes step n, the edges come back to 0.
        {"down half: top", gdUpDownHalf, {3, 0}, {0, 25}},
        {"down half: middle", gdUpDownHalf, {3, 25}, {25, 25}},
        {"down half: below the middle", gdUpDownHalf, {3, 26}, {24, 25}},
        {"down half: bottom", gdUpDownHalf, {3, 49}, {1, 25}},
        {"across half: left", gdLeftRightHalf, {0, 3}, {0, 50}},
        {"across half: middle", gdLeftRightHalf, {50, 3}, {50, 50}},
        {"across half: right", gdLeftRightHalf, {99, 3}, {1, 50}},
        {"chord1: top-left", gdChord1, {0, 0}, {0, 150}},
        {"chord1: middle", gdChord1, {50, 25}, {75, 150}},
        {"chord1: bottom-right", gdChord1, {99, 49}, {148, 150}},
        {"chord2: bottom-left", gdChord2, {0, 49}, {0, 150}},
        {"chord2: middle", gdChord2, {50, 24}, {75, 150}},
        {"chord2: top-right", gdChord2, {99, 0}, {148, 150}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(GradientStepAt(Settings(row.Direction, 100, 50), row.Pixel.X, row.Pixel.Y),
                  row.Expected);
    }
}

TEST(GradientGeometryTest, BandsTakeTheStepOfTheirStart) {
    struct Row {
        const char* Name;
        TVrGradDirection Direction;
        int Band;
        std::int64_t Position, ExpectedStep;
    };
    const Row rows[] = {
        {"first band", gdUpDown, 10, 9, 0},
        {"second band", gdUpDown, 10, 10, 10},
        {"second band's end", gdUpDown, 10, 19, 10},
        {"across", gdLeftRight, 7, 20, 14},
        // A diagonal line covers the positions within half a band of it; the later one wins.
        {"chord: before half a band", gdChord1, 4, 1, 0},
        {"chord: half a band", gdChord1, 4, 2, 4},
        {"chord: past the last line", gdChord1, 40, 145, 120},
        // A climb that passes the middle turns back from the band it ended in.
        {"half: last band of the climb", gdUpDownHalf, 10, 29, 20},
        {"half: first band back", gdUpDownHalf, 10, 30, 30},
        {"half: then down", gdUpDownHalf, 10, 40, 20},
        {"band wider than the panel", gdUpDown, kIntMax, 49, 0},
        {"chord, band of int's end", gdChord2, kIntMax, 148, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(GradientStepAt(Settings(row.Direction, 100, 50, row.Band), row.Position).Step,
                  row.ExpectedStep);
    }
}

TEST(GradientGeometryTest, ColourOfAStepStaysBetweenTheTwoColours) {
    struct Row {
        const char* Name;
        TGradientStep Step;
        TColor Expected;
    };
    const Row rows[] = {
        {"start", {0, 50}, kFrom},
        {"middle", {25, 50}, RGB(125, 50, 0)},
        {"truncated", {99, 100}, RGB(247, 99, 0)},
        {"end", {50, 50}, kTo},
        // A band past the middle of a Half gradient never overshoots colour 2.
        {"beyond the end", {80, 50}, kTo},
        {"before the start", {-3, 50}, kFrom},
        // A panel too thin to have a middle shows colour 1.
        {"no steps", {0, 0}, kFrom},
        {"steps of a huge panel", {std::int64_t{kIntMax} * 2, std::int64_t{kIntMax} * 2}, kTo},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(GradientColor(kFrom, kTo, row.Step), row.Expected);
    }
    // Falling channels truncate toward zero as well.
    EXPECT_EQ(GradientColor(kTo, kFrom, {1, 3}), RGB(167, 67, 0));
}

// Sizes, positions and band widths at the ends of int neither overflow nor leave 0..Steps.
TEST(GradientGeometryTest, ExtremeSizesAndBandsStayInRange) {
    const int sizes[] = {kIntMax, kIntMin, 0, 1, 2, 3};
    const int bands[] = {kIntMax, kIntMin, -1, 0, 1, 2, 3};
    for (int d = 0; d <= static_cast<int>(gdChord2); ++d)
        for (const int w : sizes)
            for (const int h : sizes)
                for (const int band : bands)
                    for (const std::int64_t p :
                         {std::int64_t{0}, std::int64_t{1}, std::int64_t{kIntMax},
                          std::int64_t{kIntMax} * 2, std::int64_t{-1}}) {
                        const auto s = Settings(static_cast<TVrGradDirection>(d), w, h, band);
                        const TGradientStep step = GradientStepAt(s, p);
                        ASSERT_GE(step.Step, 0);
                        ASSERT_GE(step.Steps, 0);
                        const TColor c = GradientColor(kFrom, kTo, step);
                        ASSERT_LE(GetRValue(c), 250);
                        ASSERT_LE(GetGValue(c), 100);
                    }
}

// --- The panel ------------------------------------------------------------------------------

struct GradientTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 260, 200);
    TVrGradient* Panel = new TVrGradient(Form);

    GradientTest() {
        Panel->SetParent(Form);
        Panel->SetStartColor(kFrom);
        Panel->SetEndColor(kTo);
        Panel->SetBounds(0, 0, 100, 50);
    }
    const TBitmap& Painted() {
        Panel->Repaint();
        TApplication::Instance().ProcessMessages();
        return Panel->Image();
    }
};

TEST_F(GradientTest, NewPanelRunsFromLimeToBlackDownward) {
    TVrGradient fresh(&Owner);
    EXPECT_EQ((std::vector{fresh.StartColor(), fresh.EndColor()}), (std::vector{clLime, clBlack}));
    EXPECT_EQ((std::vector{fresh.ColorWidth(), fresh.Width(), fresh.Height()}),
              (std::vector{1, 150, 150}));
    EXPECT_EQ(fresh.Direction(), gdUpDown);
    EXPECT_FALSE(fresh.FormDrag());
    EXPECT_FALSE(fresh.SwapColors());
    EXPECT_TRUE(fresh.ControlStyle().Contains(TControlStyleFlag::csOpaque));
    EXPECT_TRUE(fresh.ControlStyle().Contains(TControlStyleFlag::csReplicatable));
}

TEST_F(GradientTest, EachDirectionPaintsItsColoursAtStartMiddleAndEnd) {
    struct Row {
        const char* Name;
        TVrGradDirection Direction;
        bool Swap;
        TPoint Start, Middle, End;
        TColor AtStart, AtMiddle, AtEnd;
    };
    const TColor half = RGB(125, 50, 0);
    const Row rows[] = {
        {"down", gdUpDown, false, {40, 0}, {40, 25}, {40, 49}, kFrom, half, RGB(245, 98, 0)},
        {"down half", gdUpDownHalf, false, {0, 0}, {0, 25}, {0, 49}, kFrom, kTo, RGB(10, 4, 0)},
        {"across", gdLeftRight, false, {0, 10}, {50, 10}, {99, 10}, kFrom, half, RGB(247, 99, 0)},
        {"across half", gdLeftRightHalf, false, {0, 0}, {50, 0}, {99, 0}, kFrom, kTo, RGB(5, 2, 0)},
        {"chord1", gdChord1, false, {0, 0}, {50, 25}, {99, 49}, kFrom, half, RGB(246, 98, 0)},
        {"chord2", gdChord2, false, {0, 49}, {50, 24}, {99, 0}, kFrom, half, RGB(246, 98, 0)},
        {"down swapped", gdUpDown, true, {40, 0}, {40, 25}, {40, 49}, kTo, half, RGB(5, 2, 0)},
        {"chord2 swapped", gdChord2, true, {0, 49}, {50, 24}, {99, 0}, kTo, half, RGB(4, 2, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Panel->SetDirection(row.Direction);
        Panel->SetSwapColors(row.Swap);
        const TBitmap& image = Painted();
        EXPECT_EQ((std::vector{image.Pixels(row.Start.X, row.Start.Y),
                               image.Pixels(row.Middle.X, row.Middle.Y),
                               image.Pixels(row.End.X, row.End.Y)}),
                  (std::vector{row.AtStart, row.AtMiddle, row.AtEnd}));
    }
}

TEST_F(GradientTest, ColorWidthPaintsBandsAndIgnoresValuesBelowOne) {
    Panel->SetColorWidth(10);
    for (const int width : {0, -1, kIntMin}) {
        Panel->SetColorWidth(width);
        EXPECT_EQ(Panel->ColorWidth(), 10);
    }
    const TBitmap& image = Painted();
    // Rows 0..9 in colour 1, 10..19 in step 10 of 50.
    EXPECT_EQ((std::vector{image.Pixels(5, 9), image.Pixels(5, 10), image.Pixels(5, 19),
                           image.Pixels(5, 20)}),
              (std::vector{kFrom, RGB(50, 20, 0), RGB(50, 20, 0), RGB(100, 40, 0)}));
    // One band as wide as int: the whole panel is colour 1, painted as fast as any other.
    Panel->SetColorWidth(kIntMax);
    for (int d = 0; d <= static_cast<int>(gdChord2); ++d) {
        SCOPED_TRACE(d);
        Panel->SetDirection(static_cast<TVrGradDirection>(d));
        const TBitmap& all = Painted();
        EXPECT_EQ((std::vector{all.Pixels(0, 0), all.Pixels(99, 49), all.Pixels(50, 25)}),
                  (std::vector{kFrom, kFrom, kFrom}));
    }
}

// Panels too thin for a middle, or with no pixels at all, paint colour 1 or nothing.
TEST_F(GradientTest, ThinAndEmptyPanelsPaintWithoutFault) {
    const std::pair<int, int> sizes[] = {{100, 1}, {1, 50}, {1, 1}, {0, 0}, {0, 20}};
    for (const auto& [w, h] : sizes)
        for (int d = 0; d <= static_cast<int>(gdChord2); ++d) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " direction " << d);
            Panel->SetDirection(static_cast<TVrGradDirection>(d));
            Panel->SetBounds(0, 0, w, h);
            const TBitmap& image = Painted();
            // Where each direction starts: the bottom-left corner for Chord2.
            const int startRow = d == static_cast<int>(gdChord2) ? h - 1 : 0;
            if (w > 0 && h > 0) {
                EXPECT_EQ(image.Pixels(0, startRow), kFrom);
            }
        }
}

// --- Dragging the window by the panel -------------------------------------------------------

// A form that notes the system commands it is sent instead of handing them to the window system.
class TCommandForm : public TForm {
public:
    using TForm::TForm;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_SYSCOMMAND) {
            Commands.push_back(message.WParam);
            return;
        }
        TForm::WndProc(message);
    }
    std::vector<WPARAM> Commands;
};

TEST(GradientFormDragTest, LeftPressMovesTheOwningWindowOnlyWithFormDragAtRunTime) {
    struct Row {
        const char* Name;
        bool FormDrag, Designing;
        UINT Press;
        bool Moves;
    };
    const Row rows[] = {
        {"drag", true, false, WM_LBUTTONDOWN, true},
        {"off", false, false, WM_LBUTTONDOWN, false},
        {"designing", true, true, WM_LBUTTONDOWN, false},
        {"right button", true, false, WM_RBUTTONDOWN, false},
        {"middle button", true, false, WM_MBUTTONDOWN, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TComponent owner(nullptr);
        auto* form = new TCommandForm(&owner);
        form->SetBounds(10, 10, 200, 150);
        form->Show();
        auto* panel = new TVrGradient(form);
        panel->SetParent(form);
        panel->SetFormDrag(row.FormDrag);
        if (row.Designing) panel->SetDesigning(true);
        int downs = 0;
        panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
            // The panel's own handling comes first.
            EXPECT_TRUE(form->Commands.empty());
            ++downs;
        };
        panel->Perform(row.Press, row.Press == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MakeLParam(5, 5));
        EXPECT_EQ(downs, 1);
        EXPECT_EQ(form->Commands,
                  row.Moves ? std::vector<WPARAM>{SC_DRAGMOVE} : std::vector<WPARAM>{});
        // The window system takes the mouse over: the panel holds no capture.
        if (row.Moves) {
            EXPECT_EQ(TApplication::Instance().CaptureControl(), nullptr);
        }
    }
}

// A panel whose owner is no window has nothing to move.
TEST(GradientFormDragTest, PanelWithoutAWindowedOwnerIgnoresThePress) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* panel = new TVrGradient(&owner);
    panel->SetParent(form);
    panel->SetFormDrag(true);
    EXPECT_NO_THROW(panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(3, 3)));
    panel->Perform(WM_LBUTTONUP, 0, MakeLParam(3, 3));
}

// A real press through the window reaches the form's move; on a platform that moves no windows
// (offscreen) that is all that happens.
TEST(GradientFormDragTest, PressThroughTheWindowAsksTheFormToMove) {
    TComponent owner(nullptr);
    auto* form = new TCommandForm(&owner);
    form->SetBounds(10, 10, 200, 150);
    form->Show();
    QApplication::setActiveWindow(form->Handle());
    static_cast<void>(QTest::qWaitForWindowExposed(form->Handle()));
    auto* panel = new TVrGradient(form);
    panel->SetParent(form);
    panel->SetBounds(20, 20, 50, 50);
    panel->SetFormDrag(true);
    test::Press(form, {30, 30});
    test::Release(form, {30, 30});
    TApplication::Instance().ProcessMessages();
    EXPECT_EQ(form->Commands, std::vector<WPARAM>{SC_DRAGMOVE});
}

// --- The rack file --------------------------------------------------------------------------

TEST(GradientStreamTest, SettingsSurviveARoundTripAndDefaultsAreNotWritten) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 260, 200);
    auto* panel = new TVrGradient(form);
    panel->SetName(QStringLiteral("gradient1"));
    panel->SetParent(form);
    QStringList names;
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names, (QStringList{"Left", "Top", "Width", "Height"}));

    panel->SetStartColor(clNavy);
    panel->SetEndColor(clYellow);
    panel->SetColorWidth(kIntMax);
    panel->SetDirection(gdChord2);
    panel->SetFormDrag(true);
    panel->SetSwapColors(true);
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*form));
    TForm* again = test::ShowForm(&owner, 260, 200);
    TClassRegistry registry;
    registry.RegisterClass(TVrGradient::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText(text), *again, registry);
    auto* loaded = dynamic_cast<TVrGradient*>(again->FindComponent(QStringLiteral("gradient1")));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ((std::vector{loaded->StartColor(), loaded->EndColor()}),
              (std::vector{clNavy, clYellow}));
    EXPECT_EQ(loaded->ColorWidth(), kIntMax);
    EXPECT_EQ(loaded->Direction(), gdChord2);
    EXPECT_TRUE(loaded->FormDrag());
    EXPECT_TRUE(loaded->SwapColors());
    loaded->Repaint();
    TApplication::Instance().ProcessMessages();
    EXPECT_EQ(loaded->Image().Pixels(0, 149), clYellow);
}

// A file whose band width is below 1 keeps the panel's own.
TEST(GradientStreamTest, BandWidthBelowOneFromAFileIsIgnored) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    TClassRegistry registry;
    registry.RegisterClass(TVrGradient::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText("object f: TForm\nobject g: TVrGradient\n"
                                                 "ColorWidth = -2147483648\nend\nend\n"),
                            *form, registry);
    auto* panel = dynamic_cast<TVrGradient*>(form->FindComponent(QStringLiteral("g")));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->ColorWidth(), 1);
}

}  // namespace
}  // namespace mox

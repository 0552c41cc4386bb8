// The scope: grid, base line and trace geometry, sampling on each tick with the history bounded
// by what can show, the pixels it paints, settings at the ends of their types, its channels in a
// rack file, and its owned timer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <functional>
#include <limits>

#include "instruments/output/vrscope.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/canvastesting.h"
#include "support/testwindows.h"
#include "toolkit/core/classregistry.h"

namespace mox {
namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
using enum TGraphStyle;

// --- Geometry --------------------------------------------------------------------------------

TEST(ScopeGeometryTest, BaseLineRowsRoundHalvesToEven) {
    struct Row {
        int Height, Offset, Expected;
    };
    const Row rows[] = {
        {137, 50, 68},  // 68.5 rounds to 68
        {101, 50, 50},  // 50.5 rounds to 50
        {100, 0, 99},  {100, 100, -1}, {100, 25, 74}, {0, 50, -1}, {kIntMax, 0, kIntMax - 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ScopeBaseLine(row.Height, row.Offset), row.Expected)
            << row.Height << " " << row.Offset;
}

TEST(ScopeGeometryTest, GridPhaseAdvancesAndWraps) {
    std::vector<int> phases{0};
    for (int i = 0; i < 7; ++i)
        phases.push_back(NextGridPhase(phases.back(), 3, 16));
    EXPECT_EQ(phases, (std::vector{0, 3, 6, 9, 12, 15, 2, 5}));
    // A step longer than the pitch stays within it, also at the ends of int.
    EXPECT_EQ(NextGridPhase(10, 40, 16), 2);
    EXPECT_EQ(NextGridPhase(kIntMax - 1, kIntMax, kIntMax), kIntMax - 1);
    EXPECT_EQ(NextGridPhase(5, 1, 1), 0);
}

TEST(ScopeGeometryTest, GridLinesReachOneBeyondEachEdge) {
    EXPECT_EQ(ScopeVerticalLines(40, 16, 0), (std::vector{0, 16, 32}));
    EXPECT_EQ(ScopeVerticalLines(48, 16, 5), (std::vector{-5, 11, 27, 43}));
    EXPECT_EQ(ScopeVerticalLines(32, 16, 0), (std::vector{0, 16, 32}));
    // A phase left from a larger pitch.
    EXPECT_EQ(ScopeVerticalLines(10, 4, 14), (std::vector{-2, 2, 6, 10}));
    // Above the base line at 20: 10, 0, −10; below: 30, 40, 50 (the last beyond 40).
    EXPECT_EQ(ScopeHorizontalLines(40, 10, 20), (std::vector{10, 0, -10, 30, 40, 50}));
    EXPECT_EQ(ScopeHorizontalLines(40, 16, -1), (std::vector{15, 31, 47}));
    // Pitches of one pixel or the whole of int stay bounded by the picture.
    EXPECT_EQ(ScopeVerticalLines(3, 1, 0), (std::vector{0, 1, 2, 3}));
    EXPECT_EQ(ScopeVerticalLines(100, kIntMax, kIntMax - 1), (std::vector{-(kIntMax - 1), 1}));
    EXPECT_EQ(ScopeHorizontalLines(30, kIntMax, 15).size(), 2u);
    EXPECT_EQ(ScopeHorizontalLines(10, 1, kIntMax).size(), 12u);
    EXPECT_EQ(ScopeHorizontalLines(10, 1, kIntMin).size(), 12u);
}

TEST(ScopeGeometryTest, SampleRowsAreWholePercentsOfTheRange) {
    struct Row {
        int Value, Min, Max, Height, Expected;
    };
    const Row rows[] = {
        {0, 0, 100, 137, 137},
        {100, 0, 100, 137, 0},
        {50, 0, 100, 137, 69},
        {-50, -100, 0, 100, 50},
        {7, 5, 5, 100, 100},
        {kIntMax, kIntMin, kIntMax, 100, 0},
        {kIntMin, kIntMin, kIntMax, 100, 100},
        {0, kIntMin, kIntMax, 100, 50},
        {199, 0, 10000, 100, 99},  // 1.99 % is 1 %
    };
    for (const Row& row : rows)
        EXPECT_EQ(ScopeSampleRow(row.Value, row.Min, row.Max, row.Height), row.Expected)
            << row.Value << " in " << row.Min << ".." << row.Max;
}

TEST(ScopeGeometryTest, TracesRunFromBeyondTheRightEdgeBackToTheBaseLine) {
    using P = TFarPoint;
    // No samples: one segment from just beyond the edge to the edge.
    EXPECT_EQ(ScopeTrace(249, 1, 68, gsLine, {}), (std::vector<P>{{250, 68}, {249, 68}}));
    // Two samples, then back to the base line.
    EXPECT_EQ(ScopeTrace(10, 3, 5, gsLine, {1, 2}),
              (std::vector<P>{{13, 5}, {10, 1}, {7, 2}, {4, 5}}));
    // A bar holds each sample for one step.
    EXPECT_EQ(ScopeTrace(10, 3, 5, gsBar, {1, 2}),
              (std::vector<P>{{13, 5}, {10, 1}, {7, 1}, {7, 2}, {4, 2}, {4, 5}}));
    // Samples beyond the left edge are not reached.
    EXPECT_EQ(ScopeTrace(6, 3, 5, gsLine, {1, 2, 3, 4, 5}),
              (std::vector<P>{{9, 5}, {6, 1}, {3, 2}, {0, 3}}));
    EXPECT_EQ(ScopeSamplesShown(6, 3), 3);
    EXPECT_EQ(ScopeSamplesShown(7, 3), 4);
    EXPECT_EQ(ScopeSamplesShown(249, 1), 250);
    EXPECT_EQ(ScopeSamplesShown(249, kIntMax), 2);
    EXPECT_EQ(ScopeSamplesShown(0, 1), 0);
    EXPECT_EQ(ScopeTrace(100, kIntMax, 50, gsLine, {1, 2}),
              (std::vector<P>{{100LL + kIntMax, 50}, {100, 1}, {100LL - kIntMax, 2}}));
}

// --- The control -----------------------------------------------------------------------------

struct ScopeTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 200);
    TVrScope* Scope = new TVrScope(Form);

    ScopeTest() { Scope->SetParent(Form); }
    const TBitmap& Painted() {
        Scope->Repaint();
        TApplication::Instance().ProcessMessages();
        return Scope->Image();
    }
    std::vector<int> History(int channel = 0) const {
        std::vector<int> values;
        for (const TVrScopeSample& sample : Scope->Channels()->Items(channel)->History())
            values.push_back(sample.Value);
        return values;
    }
    // Samples `values` one after another on channel 0.
    void Feed(std::vector<int> values) {
        std::size_t next = 0;
        Scope->OnNeedData = [&](TObject*, int, int& v) { v = values.at(next); };
        for (next = 0; next < values.size(); ++next)
            Scope->Tick();
        Scope->OnNeedData.Clear();
    }
};

TEST_F(ScopeTest, NewScopeHasItsConstructorValues) {
    EXPECT_EQ(Scope->BoundsRect(), (TRect{0, 0, 249, 137}));
    EXPECT_EQ((std::vector{Scope->Interval(), Scope->MaxValue(), Scope->MinValue(),
                           Scope->GridSize(), Scope->GridLineWidth(), Scope->BaseOffset(),
                           Scope->Frequency(), Scope->BufferSize(), Scope->Channels()->Count()}),
              (std::vector{100, 100, 0, 16, 1, 50, 1, 999, 0}));
    EXPECT_EQ((std::vector{Scope->Color(), Scope->GridColor(), Scope->BaseColor()}),
              (std::vector{clBlack, clGreen, clLime}));
    EXPECT_TRUE(Scope->AnimateGrid() && Scope->Threaded());
    EXPECT_FALSE(Scope->Active() || Scope->ParentColor() || Scope->Timer().Enabled());
    EXPECT_TRUE(Scope->ControlStyle().Contains(TControlStyleFlag::csOpaque));
}

TEST_F(ScopeTest, TicksSampleEveryChannelInOrderAndClampToTheRange) {
    Scope->Channels()->Add();
    Scope->Channels()->Add();
    std::vector<std::pair<int, int>> asked;
    Scope->OnNeedData = [&](TObject* sender, int channel, int& value) {
        EXPECT_EQ(sender, Scope);
        asked.emplace_back(channel, value);
        value = channel == 0 ? 250 : -7;
    };
    Scope->Tick();
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}}));
    EXPECT_EQ(History(0), std::vector{100});
    EXPECT_EQ(History(1), std::vector{0});
    // Without a handler every sample is MinValue; the newest comes first.
    Scope->OnNeedData.Clear();
    Scope->Tick();
    EXPECT_EQ(History(0), (std::vector{0, 100}));
    // A negative range keeps negative samples.
    Scope->SetMinValue(-50);
    Feed({-20, -90});
    EXPECT_EQ(History(0), (std::vector{-50, -20}));
}

TEST_F(ScopeTest, HistoryKeepsBufferSizeSamplesAndNoMoreThanTheTraceShows) {
    Scope->Channels()->Add();
    Scope->SetBufferSize(3);
    Feed({1, 2, 3, 4, 5});
    EXPECT_EQ(History(), (std::vector{5, 4, 3}));
    Scope->SetBufferSize(0);
    Feed({6});
    EXPECT_TRUE(History().empty());
    // Any BufferSize is taken as it is; what is kept is what a 249-pixel trace reaches.
    Scope->SetBufferSize(kIntMax);
    for (int i = 0; i < 1000; ++i)
        Scope->Tick();
    EXPECT_EQ(History().size(), 250u);
    Scope->SetFrequency(kIntMax);
    Scope->Tick();
    EXPECT_EQ(History().size(), 2u);
    Scope->SetBufferSize(kIntMin);
    Scope->Tick();
    EXPECT_TRUE(History().empty());
}

TEST_F(ScopeTest, RangeChangesClearTracesAndCrossedBoundsAreIgnored) {
    Scope->Channels()->Add();
    Feed({40});
    Scope->SetMinValue(100);
    Scope->SetMinValue(150);
    Scope->SetMaxValue(0);
    EXPECT_EQ((std::pair{Scope->MinValue(), Scope->MaxValue()}), (std::pair{0, 100}));
    EXPECT_EQ(History(), std::vector{40});
    Scope->SetMaxValue(200);
    EXPECT_TRUE(History().empty());
    Feed({40});
    Scope->SetMinValue(-1);
    EXPECT_TRUE(History().empty());
    // Pitches and steps are at least one pixel; the base line stays within the control.
    Scope->SetGridSize(0);
    Scope->SetFrequency(kIntMin);
    Scope->SetBaseOffset(kIntMax);
    EXPECT_EQ((std::vector{Scope->GridSize(), Scope->Frequency(), Scope->BaseOffset()}),
              (std::vector{1, 1, 100}));
}

TEST_F(ScopeTest, MovingGridAdvancesOnlyWithAnimateGrid) {
    Scope->SetFrequency(3);
    for (int i = 0; i < 6; ++i)
        Scope->Tick();
    EXPECT_EQ(Scope->GridPhase(), 2);
    Scope->SetAnimateGrid(false);
    Scope->Tick();
    EXPECT_EQ(Scope->GridPhase(), 2);
}

TEST_F(ScopeTest, NewScopeWithOneChannelShowsOnlyGridAndBaseLine) {
    Scope->Channels()->Add();
    Scope->SetAnimateGrid(false);
    for (int i = 0; i < 300; ++i)
        Scope->Tick();
    const TBitmap& image = Painted();
    // MinValue samples lie at row 137, one below the picture; the base line is at row 68.
    EXPECT_EQ(canvastesting::CountPixels(image, clYellow), 0);
    for (int x : {0, 100, 248})
        EXPECT_EQ(image.Pixels(x, 68), clLime) << x;
    // Grid lines 16 apart from the left edge, and from the base line up and down.
    EXPECT_EQ(image.Pixels(16, 10), clGreen);
    EXPECT_EQ(image.Pixels(17, 10), clBlack);
    EXPECT_EQ(image.Pixels(5, 68 - 16), clGreen);
    EXPECT_EQ(image.Pixels(5, 68 + 64), clGreen);
    EXPECT_EQ(image.Pixels(5, 69), clBlack);
}

TEST_F(ScopeTest, TracesDrawNewestSampleAtTheRightEdge) {
    Scope->SetBounds(0, 0, 40, 20);
    Scope->SetGridColor(clBlack);
    Scope->SetBaseColor(clBlack);
    Scope->SetFrequency(4);
    Scope->Channels()->Add()->SetStyle(gsBar);
    Feed({50, 100});
    const TBitmap& image = Painted();
    // Newest (100, row 0) from x 40 to 36, then 50 % (row 10) from 36 to 32, then the base line.
    const std::string picture = canvastesting::Picture(image, {{clBlack, '.'}, {clYellow, '#'}});
    const std::string expectedRow0 = std::string(36, '.') + "####";
    EXPECT_EQ(picture.substr(0, 40), expectedRow0) << picture;
    EXPECT_EQ(image.Pixels(36, 5), clYellow);  // the step down at x 36
    EXPECT_EQ(image.Pixels(33, 10), clYellow);
    EXPECT_EQ(image.Pixels(31, 10), clBlack);
    EXPECT_EQ(image.Pixels(10, 10), clBlack);
    // Channel 0 is drawn last, on top of channel 1.
    Scope->Channels()->Add()->SetColor(clRed);
    Scope->Channels()->Items(0)->SetStyle(gsLine);
    Feed({100});
    EXPECT_EQ(Painted().Pixels(39, 0), clYellow);
}

class TCountingScope : public TVrScope {
public:
    using TVrScope::TVrScope;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TVrScope::Paint();
    }
};

TEST_F(ScopeTest, BurstsOfTicksRepaintOnceAFrame) {
    auto* scope = new TCountingScope(Form);
    scope->SetParent(Form);
    scope->Channels()->Add();
    TApplication::Instance().ProcessMessages();
    scope->Paints = 0;
    for (int i = 0; i < 50; ++i)
        scope->Tick();
    EXPECT_GE(scope->Paints, 1);
    EXPECT_LE(scope->Paints, 5);
    // The paint still owed is made when sampling stops.
    scope->SetActive(true);
    scope->Tick();
    const int before = scope->Paints;
    scope->SetActive(false);
    EXPECT_EQ(scope->Paints, before + 1);
}

TEST_F(ScopeTest, SamplesMoveToTheirRowsWhenTheHeightChanges) {
    Scope->SetBounds(0, 0, 40, 20);
    Scope->SetFrequency(4);
    Scope->Channels()->Add()->SetStyle(gsBar);
    Feed({50, 50});
    EXPECT_EQ(Painted().Pixels(33, 10), clYellow);
    Scope->SetBounds(0, 0, 40, 60);
    const TBitmap& taller = Painted();
    EXPECT_EQ(taller.Pixels(33, 30), clYellow);
    EXPECT_EQ(taller.Pixels(33, 10), clBlack);
}

TEST_F(ScopeTest, ExtremeSettingsPaintInBoundedTime) {
    const std::function<void(TVrScope*)> extremes[] = {
        [](TVrScope* s) { s->SetGridSize(1); },
        [](TVrScope* s) { s->SetGridSize(kIntMax); },
        [](TVrScope* s) { s->SetFrequency(kIntMax); },
        [](TVrScope* s) { s->SetGridLineWidth(kIntMax); },
        [](TVrScope* s) { s->SetGridLineWidth(kIntMin); },
        [](TVrScope* s) { s->Channels()->Items(0)->SetWidth(kIntMax); },
        [](TVrScope* s) {
            s->SetMinValue(kIntMin);
            s->SetMaxValue(kIntMax);
        },
        [](TVrScope* s) { s->SetBounds(0, 0, 0, 0); },
        [](TVrScope* s) { s->SetBounds(0, 0, -5, -5); },
    };
    for (const auto& extreme : extremes) {
        auto* scope = new TVrScope(Form);
        scope->SetParent(Form);
        scope->Channels()->Add();
        scope->OnNeedData = [](TObject*, int, int& v) { v = kIntMax; };
        scope->SetBufferSize(kIntMax);
        extreme(scope);
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 300; ++i)
            scope->Tick();
        scope->Repaint();
        TApplication::Instance().ProcessMessages();
        EXPECT_LT(clock.elapsed(), 5000);
        delete scope;
    }
}

TEST_F(ScopeTest, ChannelsChangesRepaintAndAssignCopiesTheLook) {
    TVrChannel* a = Scope->Channels()->Add();
    a->SetColor(clRed);
    a->SetWidth(3);
    a->SetStyle(gsBar);
    TVrScope other(nullptr);
    other.SetChannels(Scope->Channels());
    ASSERT_EQ(other.Channels()->Count(), 1);
    EXPECT_EQ(other.Channels()->Items(0)->Color(), clRed);
    EXPECT_EQ(other.Channels()->Items(0)->Width(), 3);
    EXPECT_EQ(other.Channels()->Items(0)->Style(), gsBar);
    a->SetColor(clAqua);
    EXPECT_EQ(Painted().Pixels(248, 68), clAqua);
}

TEST_F(ScopeTest, ChannelsSurviveARackFile) {
    Scope->SetName(QStringLiteral("scope1"));
    Scope->Channels()->Add();
    Scope->Channels()->Add()->SetColor(clRed);
    Scope->SetFrequency(2);
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*Form));
    EXPECT_TRUE(text.contains("Frequency = 2")) << text.toStdString();
    EXPECT_TRUE(text.contains("Interval = 100")) << "always written";
    EXPECT_TRUE(text.contains("Threaded = True")) << "always written";
    TClassRegistry registry;
    registry.RegisterClass(TVrScope::StaticClass());
    TForm loaded(nullptr);
    rack::ReadComponentTree(rack::ReadObjectText(text), loaded, registry);
    auto* scope = dynamic_cast<TVrScope*>(loaded.FindComponent(u"scope1"));
    ASSERT_TRUE(scope);
    EXPECT_EQ(scope->Frequency(), 2);
    ASSERT_EQ(scope->Channels()->Count(), 2);
    EXPECT_EQ(scope->Channels()->Items(1)->Color(), clRed);
}

// --- The owned timer -------------------------------------------------------------------------

bool PumpUntil(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

struct ScopeTimerTest : ::testing::TestWithParam<bool> {};

// A scope sampling every millisecond leaves the rest of the program its turn: another timer
// keeps firing.
TEST_P(ScopeTimerTest, FastScopeDoesNotStarveTheProgram) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 300, 200);
    auto* scope = new TVrScope(form);
    scope->SetParent(form);
    scope->Channels()->Add();
    scope->SetThreaded(GetParam());
    scope->SetInterval(1);
    int samples = 0;
    scope->OnNeedData = [&](TObject*, int, int& v) { v = ++samples % 100; };
    int others = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++others; });
    other.start(10);
    scope->SetActive(true);
    EXPECT_TRUE(scope->Timer().Enabled());
    EXPECT_TRUE(PumpUntil([&] { return samples >= 100 && others >= 5; }))
        << samples << " samples, " << others << " other ticks";
    scope->SetActive(false);
    EXPECT_FALSE(scope->Timer().Enabled());
    const int stopped = samples;
    for (int i = 0; i < 10; ++i) {
        QThread::msleep(2);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(samples, stopped);
}

TEST_P(ScopeTimerTest, DesignModeNeverSamples) {
    TComponent owner(nullptr);
    auto* scope = new TVrScope(&owner);
    scope->SetThreaded(GetParam());
    scope->SetDesigning(true);
    scope->SetActive(true);
    EXPECT_TRUE(scope->Active());
    EXPECT_FALSE(scope->Timer().Enabled());
}

INSTANTIATE_TEST_SUITE_P(Threads, ScopeTimerTest, ::testing::Bool());

}  // namespace
}  // namespace mox

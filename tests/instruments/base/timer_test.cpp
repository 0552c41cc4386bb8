// The instrument timer in both of its types: when it ticks, where its ticks run, and that
// stopping it never deadlocks, also under load and from inside a tick.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <functional>

#include "instruments/base/vrtimer.h"
#include "toolkit/controls/application.h"
#include "toolkit/core/exceptions.h"

namespace mox {
namespace {

// Handles events until `done` holds or `ms` have passed; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, int ms = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}
void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

struct TimerTest : ::testing::TestWithParam<TVrTimerType> {
    TComponent Owner{nullptr};
    TVrTimer* Timer = new TVrTimer(&Owner);
    std::atomic<int> Ticks = 0;

    void SetUp() override {
        Timer->SetTimerType(GetParam());
        Timer->SetInterval(5);
    }
    void Count() {
        Timer->OnTimer = [this](TObject*) { ++Ticks; };
        Timer->UpdateTimer();
    }
};

TEST_P(TimerTest, TicksInTheUserInterfaceThread) {
    Qt::HANDLE tickThread = nullptr;
    Timer->OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, Timer);
        tickThread = QThread::currentThreadId();
        ++Ticks;
    };
    Timer->UpdateTimer();
    EXPECT_TRUE(PumpUntil([&] { return Ticks >= 3; }));
    EXPECT_EQ(tickThread, QThread::currentThreadId());
}

TEST_P(TimerTest, IntervalZeroIsSilentUntilItIsPositiveAgain) {
    Count();
    Timer->SetInterval(0);
    EXPECT_FALSE(Timer->Running());
    Pump(40);
    const int silent = Ticks;
    Pump(40);
    EXPECT_EQ(Ticks, silent);
    Timer->SetInterval(5);
    EXPECT_TRUE(Timer->Running());
    EXPECT_TRUE(PumpUntil([&] { return Ticks > silent + 2; }));
}

TEST_P(TimerTest, WithoutOnTimerNothingStarts) {
    Timer->UpdateTimer();
    EXPECT_TRUE(Timer->Allocated());
    EXPECT_FALSE(Timer->Running());
    Timer->SetInterval(7);
    EXPECT_FALSE(Timer->Running());
}

TEST_P(TimerTest, DisabledDeliversNothingAndEnablingRestarts) {
    Count();
    EXPECT_TRUE(PumpUntil([&] { return Ticks > 0; }));
    Timer->SetEnabled(false);
    // Disabling does not stop the mechanism; the ticks are simply not delivered.
    EXPECT_TRUE(Timer->Running());
    Pump(10);
    const int before = Ticks;
    Pump(40);
    EXPECT_EQ(Ticks, before);
    Timer->SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return Ticks > before; }));
}

TEST_P(TimerTest, ExceptionsAreReportedAndTheTimerGoesOn) {
    TApplication& app = TApplication::Instance();
    const TExceptionEvent saved = app.OnException;
    std::vector<QString> reports;
    app.OnException = [&](TObject*, const std::exception& e) {
        reports.push_back(QString::fromUtf8(e.what()));
    };
    Timer->OnTimer = [&](TObject*) {
        ++Ticks;
        throw EInvalidOperation(QStringLiteral("tick failed"));
    };
    Timer->UpdateTimer();
    EXPECT_TRUE(PumpUntil([&] { return Ticks >= 3 && reports.size() >= 3; }));
    EXPECT_EQ(reports.front(), QStringLiteral("tick failed"));
    Timer->SetInterval(0);
    app.OnException = saved;
}

TEST_P(TimerTest, DesignModeAndLoadingAllocateNothing) {
    auto* designed = new TVrTimer(&Owner);
    designed->SetDesigning(true);
    designed->SetTimerType(GetParam());
    designed->OnTimer = [&](TObject*) { ++Ticks; };
    designed->UpdateTimer();
    designed->SetInterval(3);
    EXPECT_FALSE(designed->Allocated());

    auto* loading = new TVrTimer(&Owner);
    loading->BeginLoading();
    loading->SetTimerType(GetParam());
    loading->OnTimer = [&](TObject*) { ++Ticks; };
    loading->SetInterval(5);
    EXPECT_FALSE(loading->Allocated());
    loading->Loaded();
    EXPECT_TRUE(loading->Running());
}

INSTANTIATE_TEST_SUITE_P(BothTypes, TimerTest,
                         ::testing::Values(TVrTimerType::ttThread, TVrTimerType::ttSystem));

TEST(TimerTypeTest, SwitchingStopsTheOldMechanismFirst) {
    TComponent owner(nullptr);
    auto* timer = new TVrTimer(&owner);
    timer->SetInterval(1);
    timer->SetSyncEvent(false);
    std::atomic<int> workerTicks = 0, uiTicks = 0;
    const Qt::HANDLE ui = QThread::currentThreadId();
    timer->OnTimer = [&](TObject*) {
        ++(QThread::currentThreadId() == ui ? uiTicks : workerTicks);
    };
    timer->UpdateTimer();
    EXPECT_TRUE(PumpUntil([&] { return workerTicks > 3; }));
    timer->SetTimerType(TVrTimerType::ttSystem);
    const int afterSwitch = workerTicks;
    EXPECT_TRUE(PumpUntil([&] { return uiTicks > 3; }));
    EXPECT_EQ(workerTicks, afterSwitch);
    timer->SetTimerType(TVrTimerType::ttThread);
    const int systemTicks = uiTicks;
    EXPECT_TRUE(PumpUntil([&] { return workerTicks > afterSwitch; }));
    Pump(20);
    EXPECT_EQ(uiTicks, systemTicks);
}

// Stopping under load: ticks every millisecond, stopped from the user-interface thread and from
// the tick itself, in every way a timer can be stopped. Run repeatedly under a sanitizer.
struct TimerStopTest : ::testing::Test {
    TComponent Owner{nullptr};
    TVrTimer* Timer = new TVrTimer(&Owner);
    std::atomic<int> Ticks = 0;

    void StartLoaded(bool sync, std::function<void()> inTick = {}) {
        Timer->SetInterval(1);
        Timer->SetSyncEvent(sync);
        Timer->OnTimer = [this, inTick](TObject*) {
            ++Ticks;
            QThread::usleep(200);  // ticks that take time widen every window
            if (inTick && Ticks == 5) inTick();
        };
        Timer->UpdateTimer();
        ASSERT_TRUE(PumpUntil([&] { return Ticks >= 3; }));
    }
};

TEST_F(TimerStopTest, StopFromTheUserInterfaceThreadWhileTicksAreHandedOver) {
    StartLoaded(true);
    // The worker is waiting for the next tick to run here: destroy the timer right away.
    QThread::msleep(3);
    delete Timer;
    Pump(5);
}

TEST_F(TimerStopTest, IntervalZeroAndTypeSwitchFromTheUserInterfaceThread) {
    StartLoaded(true);
    Timer->SetInterval(0);
    Pump(5);
    const int stopped = Ticks;
    Pump(10);
    EXPECT_EQ(Ticks, stopped);
    Timer->SetInterval(1);
    ASSERT_TRUE(PumpUntil([&] { return Ticks > stopped + 2; }));
    Timer->SetTimerType(TVrTimerType::ttSystem);
    Timer->SetTimerType(TVrTimerType::ttThread);
    Pump(5);
}

TEST_F(TimerStopTest, DestroyedFromItsOwnSynchronisedTick) {
    StartLoaded(true, [this] { delete Timer; });
    ASSERT_TRUE(PumpUntil([&] { return Ticks >= 5; }));
    Pump(10);
    const int after = Ticks;
    Pump(10);
    EXPECT_EQ(Ticks, after);
}

TEST_F(TimerStopTest, TypeSwitchAndIntervalZeroFromItsOwnTick) {
    StartLoaded(true, [this] { Timer->SetTimerType(TVrTimerType::ttSystem); });
    ASSERT_TRUE(PumpUntil([&] { return Ticks > 8; }));
    Timer->OnTimer = [this](TObject*) {
        ++Ticks;
        Timer->SetInterval(0);
    };
    const int before = Ticks;
    Timer->SetTimerType(TVrTimerType::ttThread);
    ASSERT_TRUE(PumpUntil([&] { return Ticks > before; }));
    Pump(10);
    const int after = Ticks;
    Pump(10);
    EXPECT_EQ(Ticks, after);
}

TEST_F(TimerStopTest, StopFromTheWorkerTickAndWhileTheWorkerTicks) {
    StartLoaded(false, [this] { Timer->SetInterval(0); });
    ASSERT_TRUE(PumpUntil([&] { return Ticks >= 5; }));
    Pump(10);
    const int after = Ticks;
    Pump(10);
    EXPECT_EQ(Ticks, after);
    Timer->SetInterval(1);
    ASSERT_TRUE(PumpUntil([&] { return Ticks > after + 2; }));
    // The worker is most likely inside a tick now: stopping waits for it, then it is gone.
    delete Timer;
}

TEST_F(TimerStopTest, SystemTimerDestroyedFromItsOwnTick) {
    Timer->SetTimerType(TVrTimerType::ttSystem);
    StartLoaded(true, [this] { delete Timer; });
    ASSERT_TRUE(PumpUntil([&] { return Ticks >= 5; }));
    Pump(10);
}

}  // namespace
}  // namespace mox

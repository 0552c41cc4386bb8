#include "instruments/base/vrtimer.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>

#include "toolkit/controls/application.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/uithread.h"

namespace mox {

// --- TVrTimerThread -----------------------------------------------------------------------

struct TVrTimerThread::TState {
    std::mutex Lock;
    // Signalled for the wake-up event and for every change of the flags below.
    std::condition_variable Changed;
    bool WakeUp = false;  // the auto-reset wake-up event
    bool Paused = true;
    bool Terminated = false;
    std::uint32_t Interval = 1000;
    bool SyncEvent = true;
    // Ticks handed to the user-interface thread, and the last one that has finished there.
    std::uint64_t Handed = 0;
    std::uint64_t Finished = 0;
    TVrTimer* Owner = nullptr;
};

namespace {

using TState = TVrTimerThread::TState;

// Runs in the user-interface thread for a tick the worker handed over and waits for.
void RunHandedTick(const std::shared_ptr<TState>& state, std::uint64_t ticket) {
    TVrTimer* owner = nullptr;
    {
        std::lock_guard lock(state->Lock);
        // A stopped worker no longer waits, and its timer may be gone.
        if (state->Terminated) return;
        owner = state->Owner;
    }
    if (!TApplication::Instance().Terminated()) owner->Timer();
    // The tick may have stopped or destroyed the timer; only the shared state is touched now.
    {
        std::lock_guard lock(state->Lock);
        if (state->Finished < ticket) state->Finished = ticket;
    }
    state->Changed.notify_all();
}

void RunWorker(const std::shared_ptr<TState> state) {
    std::unique_lock lock(state->Lock);
    while (!state->Terminated) {
        if (state->Paused) {
            state->Changed.wait(lock, [&] { return !state->Paused || state->Terminated; });
            continue;
        }
        const auto period = std::chrono::milliseconds(state->Interval);
        const bool woken = state->Changed.wait_for(
            lock, period, [&] { return state->WakeUp || state->Terminated || state->Paused; });
        if (woken) {
            // The wake-up event runs nothing; it only ends the wait.
            state->WakeUp = false;
            continue;
        }
        if (UiThreadGone()) continue;
        if (state->SyncEvent) {
            const std::uint64_t ticket = ++state->Handed;
            if (!PostToUiThread([state, ticket] { RunHandedTick(state, ticket); })) continue;
            state->Changed.wait(lock,
                                [&] { return state->Finished >= ticket || state->Terminated; });
        } else {
            TVrTimer* owner = state->Owner;
            lock.unlock();
            owner->Timer();
            lock.lock();
        }
    }
}

}  // namespace

TVrTimerThread::TVrTimerThread(TVrTimer* owner) : FState(std::make_shared<TState>()) {
    FState->Owner = owner;
    PrepareUiThreadCalls();
    FThread = std::thread(RunWorker, FState);
}

TVrTimerThread::~TVrTimerThread() {
    {
        std::lock_guard lock(FState->Lock);
        FState->Terminated = true;
        FState->Paused = false;
        FState->WakeUp = true;
    }
    FState->Changed.notify_all();
    // Stopped from one of its own ticks: the worker ends on its own once the tick returns.
    if (FThread.get_id() == std::this_thread::get_id())
        FThread.detach();
    else if (FThread.joinable())
        FThread.join();
}

void TVrTimerThread::Suspend() {
    {
        std::lock_guard lock(FState->Lock);
        FState->Paused = true;
    }
    FState->Changed.notify_all();
}

void TVrTimerThread::Resume() {
    {
        std::lock_guard lock(FState->Lock);
        FState->Paused = false;
    }
    FState->Changed.notify_all();
}

bool TVrTimerThread::Suspended() const {
    std::lock_guard lock(FState->Lock);
    return FState->Paused;
}

void TVrTimerThread::SetInterval(std::uint32_t interval) {
    std::lock_guard lock(FState->Lock);
    FState->Interval = interval;
}

std::uint32_t TVrTimerThread::Interval() const {
    std::lock_guard lock(FState->Lock);
    return FState->Interval;
}

void TVrTimerThread::SetSyncEvent(bool value) {
    std::lock_guard lock(FState->Lock);
    FState->SyncEvent = value;
}

// --- TVrTimer -----------------------------------------------------------------------------

const TClassInfo& TVrTimer::StaticClass() {
    using C = TVrTimer;
    static const TClassInfo info =
        TClassBuilder<C>("TVrTimer", TVrComponent::StaticClass())
            .Creatable()
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Integer("Interval", &C::Interval, &C::SetInterval, 1000)
            .Boolean("SyncEvent", &C::SyncEvent, &C::SetSyncEvent, true)
            .Enumeration("TimerType", &C::TimerType, &C::SetTimerType, TVrTimerType::ttThread)
            .Enumeration("Priority", &C::Priority, &C::SetPriority, TThreadPriority::tpNormal)
            .Event("OnTimer", &C::OnTimer)
            .Build();
    return info;
}

TVrTimer::TVrTimer(TComponent* owner) : TVrComponent(owner) {}

TVrTimer::~TVrTimer() {
    FEnabled = false;
    OnTimer = nullptr;
    Release();
}

void TVrTimer::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    if (value) UpdateTimer();
}

void TVrTimer::SetInterval(std::uint32_t value) {
    if (value == FInterval) return;
    FInterval = value;
    if (FEnabled) UpdateTimer();
}

void TVrTimer::SetSyncEvent(bool value) {
    if (value == FSyncEvent) return;
    FSyncEvent = value;
    if (FThread) FThread->SetSyncEvent(value);
}

void TVrTimer::SetTimerType(TVrTimerType value) {
    if (value == FTimerType) return;
    Release();
    FTimerType = value;
    if (FEnabled) UpdateTimer();
}

void TVrTimer::SetPriority(TThreadPriority value) {
    if (value == FPriority) return;
    FPriority = value;
    if (FTimerType == TVrTimerType::ttThread && FEnabled) UpdateTimer();
}

void TVrTimer::Timer() {
    if (!FEnabled) return;
    // A copy: the handler may clear OnTimer or destroy this timer while it runs.
    const TNotifyEvent handler = OnTimer;
    if (!handler) return;
    try {
        handler(this);
    } catch (const std::exception& e) {
        if (InUiThread()) {
            TApplication::Instance().HandleException(e);
        } else {
            const QString message = QString::fromUtf8(e.what());
            PostToUiThread(
                [message] { TApplication::Instance().HandleException(Exception(message)); });
        }
    }
}

void TVrTimer::UpdateTimer() {
    // Loading ends with Loaded(), which applies the settings read.
    if (Designing() || Loading()) return;
    if (!FAllocated) Allocate();
    const bool ticking = FInterval != 0 && FEnabled && static_cast<bool>(OnTimer);
    if (FTimerType == TVrTimerType::ttSystem) {
        FSystemTimer->Stop();
        if (ticking && !FSystemTimer->Start(FInterval))
            throw EOutOfResources(QStringLiteral("No timer resources left."));
        return;
    }
    FThread->Suspend();
    FThread->SetInterval(FInterval);
    FThread->SetSyncEvent(FSyncEvent);
    if (!ticking) return;
    FThread->SetPriority(FPriority);
    FThread->Resume();
}

void TVrTimer::Loaded() {
    TVrComponent::Loaded();
    UpdateTimer();
}

bool TVrTimer::Running() const {
    if (FSystemTimer) return FSystemTimer->Active();
    return FThread && !FThread->Suspended();
}

void TVrTimer::Allocate() {
    if (FTimerType == TVrTimerType::ttSystem) {
        FSystemTimer = std::make_unique<TSystemTimer>();
        FSystemTimer->OnTimer = [this] { Timer(); };
    } else {
        FThread = std::make_unique<TVrTimerThread>(this);
    }
    FAllocated = true;
}

void TVrTimer::Release() {
    if (!FAllocated) return;
    FAllocated = false;
    // Moved out first: a tick that runs while the worker is stopped sees no half-released timer.
    std::unique_ptr<TSystemTimer> systemTimer = std::move(FSystemTimer);
    std::unique_ptr<TVrTimerThread> thread = std::move(FThread);
    if (systemTimer) systemTimer->Stop();
}

}  // namespace mox

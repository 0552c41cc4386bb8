#pragma once
// TVrTimer: the periodic timer instruments own for scrolling, sampling and auto-repeat. It runs
// either on a window timer in the user-interface thread (ttSystem) or on a worker thread of its
// own (ttThread) that wakes at each period and, with SyncEvent, hands the tick to the
// user-interface thread and waits until it has run. Stopping a thread timer never waits on
// anything the user-interface thread would have to do, so it cannot deadlock, not even from
// inside a tick or while one is being handed over.

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

#include "instruments/base/vrcomponent.h"

namespace mox {

class TSystemTimer;

MOX_ENUM(TVrTimerType, ttThread, ttSystem)
MOX_ENUM(TThreadPriority, tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical)

class TVrTimer;

// The worker of a thread timer. It is created paused (the stand-in for a suspended thread) and
// shares its state with the ticks it has queued, which may outlive it.
class TVrTimerThread {
public:
    explicit TVrTimerThread(TVrTimer* owner);
    // Stops the worker and waits for it to end (or lets it finish alone when called from it).
    ~TVrTimerThread();
    TVrTimerThread(const TVrTimerThread&) = delete;
    TVrTimerThread& operator=(const TVrTimerThread&) = delete;

    void Suspend();
    void Resume();
    bool Suspended() const;
    void SetInterval(std::uint32_t interval);
    std::uint32_t Interval() const;
    void SetSyncEvent(bool value);
    void SetPriority(TThreadPriority value) { FPriority = value; }
    TThreadPriority Priority() const { return FPriority; }

    struct TState;

private:
    std::shared_ptr<TState> FState;
    std::thread FThread;
    TThreadPriority FPriority = TThreadPriority::tpNormal;
};

class TVrTimer : public TVrComponent {
    MOX_CLASS
public:
    explicit TVrTimer(TComponent* owner);
    ~TVrTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    std::uint32_t Interval() const { return FInterval; }
    void SetInterval(std::uint32_t value);
    bool SyncEvent() const { return FSyncEvent; }
    void SetSyncEvent(bool value);
    TVrTimerType TimerType() const { return FTimerType; }
    void SetTimerType(TVrTimerType value);
    TThreadPriority Priority() const { return FPriority; }
    void SetPriority(TThreadPriority value);

    // Takes effect at the next UpdateTimer. Without SyncEvent it runs in the worker thread, so
    // change it only while the timer is stopped.
    TNotifyEvent OnTimer;

    // Delivers one tick: OnTimer when enabled and assigned. An exception from the handler goes
    // to the application's report and the timer goes on.
    virtual void Timer();
    // Applies the current settings: starts, restarts or stops the mechanism.
    void UpdateTimer();
    void Loaded() override;

    // Whether the mechanism of the current type exists, and whether it is ticking.
    bool Allocated() const { return FAllocated; }
    bool Running() const;

private:
    void Allocate();
    void Release();

    std::atomic<bool> FEnabled = true;
    std::uint32_t FInterval = 1000;
    bool FSyncEvent = true;
    TVrTimerType FTimerType = TVrTimerType::ttThread;
    TThreadPriority FPriority = TThreadPriority::tpNormal;
    bool FAllocated = false;
    std::unique_ptr<TSystemTimer> FSystemTimer;
    std::unique_ptr<TVrTimerThread> FThread;
};

}  // namespace mox

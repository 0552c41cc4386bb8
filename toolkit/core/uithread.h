#pragma once
// Handing work from worker threads to the user-interface thread, and a window timer that ticks in
// it. Worker threads never touch controls; they queue a call here instead.

#include <functional>
#include <memory>

class QTimer;

namespace mox {

// Must run once in the user-interface thread before PostToUiThread can deliver anything.
void PrepareUiThreadCalls();
// Queues `call` to run in the user-interface thread; false when nothing can be delivered any
// more (no application, or it is being torn down). Safe from any thread.
bool PostToUiThread(std::function<void()> call);
bool InUiThread();
// The application object is gone or going; workers stop handing work over.
bool UiThreadGone();

// A periodic timer whose ticks arrive in the user-interface thread between messages, like a
// window's timer number 1.
class TSystemTimer {
public:
    TSystemTimer();
    ~TSystemTimer();
    TSystemTimer(const TSystemTimer&) = delete;
    TSystemTimer& operator=(const TSystemTimer&) = delete;

    // (Re)starts with a period of `interval` milliseconds; false when the system refuses (no
    // event loop in this thread).
    bool Start(unsigned interval);
    void Stop();
    bool Active() const;

    std::function<void()> OnTimer;

private:
    void Tick();

    std::unique_ptr<QTimer> FTimer;
    // A tick's handler may destroy this timer; the tick then must not touch it again.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    bool FInTick = false;
};

}  // namespace mox

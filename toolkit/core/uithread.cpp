#include "toolkit/core/uithread.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <climits>
#include <mutex>

namespace mox {

namespace {

// Receives the queued calls. It is a child of the application object, so it goes with it; from
// then on nothing more is queued.
class TUiCallReceiver : public QObject {
public:
    using QObject::QObject;
    ~TUiCallReceiver() override;
};

std::mutex& ReceiverLock() {
    static std::mutex lock;
    return lock;
}
TUiCallReceiver* gReceiver = nullptr;  // guarded by ReceiverLock
std::atomic<bool> gGone = false;

TUiCallReceiver::~TUiCallReceiver() {
    std::lock_guard guard(ReceiverLock());
    gReceiver = nullptr;
    gGone = true;
}

}  // namespace

void PrepareUiThreadCalls() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !InUiThread()) return;
    std::lock_guard guard(ReceiverLock());
    if (!gReceiver && !gGone) gReceiver = new TUiCallReceiver(app);
}

bool PostToUiThread(std::function<void()> call) {
    std::lock_guard guard(ReceiverLock());
    if (!gReceiver) return false;
    QMetaObject::invokeMethod(gReceiver, std::move(call), Qt::QueuedConnection);
    return true;
}

bool InUiThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool UiThreadGone() {
    return gGone;
}

TSystemTimer::TSystemTimer() = default;
TSystemTimer::~TSystemTimer() {
    *FAlive = false;
    if (FInTick && FTimer) {
        // Destroyed from its own tick: the timer object is still delivering it.
        FTimer->stop();
        FTimer.release()->deleteLater();
    }
}

void TSystemTimer::Tick() {
    if (!OnTimer) return;
    const std::shared_ptr<bool> alive = FAlive;
    const std::function<void()> handler = OnTimer;
    FInTick = true;
    try {
        handler();
    } catch (...) {
        if (*alive) FInTick = false;
        throw;
    }
    if (*alive) FInTick = false;
}

bool TSystemTimer::Start(unsigned interval) {
    if (!QAbstractEventDispatcher::instance()) return false;
    if (!FTimer) {
        FTimer = std::make_unique<QTimer>();
        QObject::connect(FTimer.get(), &QTimer::timeout, FTimer.get(), [this] { Tick(); });
    }
    FTimer->start(static_cast<int>(std::min<unsigned>(interval, INT_MAX)));
    return FTimer->isActive();
}

void TSystemTimer::Stop() {
    if (FTimer) FTimer->stop();
}

bool TSystemTimer::Active() const {
    return FTimer && FTimer->isActive();
}

}  // namespace mox

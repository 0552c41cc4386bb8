// How fast messages travel from Qt through the pre-dispatch hook to a control: the designer sees
// every mouse move, so this path must stay cheap.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"

using namespace mox;

namespace {

class TCounter : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    long Moves = 0;
    long Posted = 0;

    void WndProc(TMessage& m) override {
        if (m.Msg == WM_MOUSEMOVE) ++Moves;
        if (m.Msg == WM_USER) ++Posted;
        TCustomControl::WndProc(m);
    }
};

struct Setup {
    TComponent Owner{nullptr};
    TForm* Form = new TForm(&Owner);
    TCounter* Target = new TCounter(&Owner);
    long Hooked = 0;
    int HookId = 0;

    Setup() {
        Target->SetParent(Form);
        Target->SetBounds(10, 10, 100, 100);
        Form->Show();
        HookId = TApplication::Instance().AddMessageHook([this](TMsg&) { ++Hooked; });
    }
    ~Setup() { TApplication::Instance().RemoveMessageHook(HookId); }
};

// Post, filter, hook and dispatch, in batches of 1000 messages.
void BM_PostedMessages(benchmark::State& state) {
    Setup s;
    QWidget* window = s.Target->Handle();
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            TApplication::PostMessage(window, WM_USER, i, i);
        TApplication::Instance().ProcessMessages();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    if (s.Target->Posted != state.iterations() * 1000) state.SkipWithError("messages lost");
}
BENCHMARK(BM_PostedMessages);

// A mouse move as Qt delivers it to the control's window: translate, hook, dispatch.
void BM_MouseMoves(benchmark::State& state) {
    Setup s;
    QWidget* window = s.Target->Handle();
    int x = 0;
    for (auto _ : state) {
        const QPointF local(10 + (x++ % 50), 20);
        QMouseEvent move(QEvent::MouseMove, local, window->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &move);
    }
    state.SetItemsProcessed(state.iterations());
    if (s.Target->Moves != state.iterations()) state.SkipWithError("moves lost");
}
BENCHMARK(BM_MouseMoves);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

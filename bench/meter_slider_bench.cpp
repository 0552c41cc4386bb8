// What the first instruments cost to paint at their default sizes, and a value change with its
// repaint, to compare with the framework's floor (instruments_bench).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "instruments/input/vrslider.h"
#include "instruments/output/vrmeter.h"
#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"

namespace {

using namespace mox;

// The meter paints through the paint message its parent sends, like the framework's floor.
void PaintMeter(benchmark::State& state, bool moveNeedle) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    form->SetBounds(0, 0, 300, 160);
    auto* meter = new TVrMeter(&owner);
    meter->SetParent(form);
    QImage screen(meter->Width(), meter->Height(), QImage::Format_RGB32);
    int value = 0;
    for (auto _ : state) {
        if (moveNeedle) meter->SetPosition(value = (value + 7) % 101);
        QPainter painter(&screen);
        meter->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&painter));
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void BM_MeterPaint(benchmark::State& state) {
    PaintMeter(state, false);
}
void BM_MeterNeedleChange(benchmark::State& state) {
    PaintMeter(state, true);
}

// The slider has a window of its own: a repaint goes through it.
void PaintSlider(benchmark::State& state, bool moveThumb) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    form->SetBounds(0, 0, 100, 220);
    auto* slider = new TVrSlider(&owner);
    slider->SetParent(form);
    form->Show();
    TApplication::Instance().ProcessMessages();
    int value = 0;
    for (auto _ : state) {
        if (moveThumb)
            slider->SetPosition(value = (value + 7) % 101);
        else
            slider->Repaint();
        benchmark::DoNotOptimize(slider->Image().Width());
    }
}

void BM_SliderPaint(benchmark::State& state) {
    PaintSlider(state, false);
}
void BM_SliderPositionChange(benchmark::State& state) {
    PaintSlider(state, true);
}

BENCHMARK(BM_MeterPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeterNeedleChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderPositionChange)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

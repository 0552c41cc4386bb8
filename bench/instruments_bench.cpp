// The floor of every instrument's paint: a 240 × 105 image prepared, a default bevel painted into
// it and the image copied to the screen once, through the same paint message a parent window
// sends. Opaque, and transparent (the parent's pixels behind it taken afresh each paint).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrcontrols.h"
#include "toolkit/controls/form.h"

namespace {

using namespace mox;

constexpr int kWidth = 240;
constexpr int kHeight = 105;

class TBevelled : public TVrGraphicImageControl {
public:
    explicit TBevelled(TComponent* owner) : TVrGraphicImageControl(owner) {}
    void PaintOnce(QPainter& screen) { Perform(WM_PAINT, reinterpret_cast<WPARAM>(&screen)); }

protected:
    void Paint() override {
        PrepareImage();
        TRect r = Rect(0, 0, Width(), Height());
        FBevel.Paint(*ImageCanvas(), r);
        TVrGraphicImageControl::Paint();
    }

private:
    TVrBevel FBevel;
};

void PaintBevelledImage(benchmark::State& state, bool transparent) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    form->SetBounds(0, 0, kWidth + 20, kHeight + 20);
    auto* control = new TBevelled(&owner);
    control->SetParent(form);
    control->SetBounds(10, 10, kWidth, kHeight);
    control->SetTransparent(transparent);
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        control->PaintOnce(painter);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void BM_InstrumentPaintOpaque(benchmark::State& state) {
    PaintBevelledImage(state, false);
}
void BM_InstrumentPaintTransparent(benchmark::State& state) {
    PaintBevelledImage(state, true);
}

BENCHMARK(BM_InstrumentPaintOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InstrumentPaintTransparent)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

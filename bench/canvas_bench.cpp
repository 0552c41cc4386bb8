// What an instrument's paint costs: a meter face drawn into an off-screen bitmap and copied out,
// the one-pixel outlines faces are made of, and loading a small 8-bit BMP glyph.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <cmath>
#include <numbers>

#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/canvas.h"

namespace {

using namespace mox;

constexpr int kFace = 200;
constexpr int kTicks = 100;

void PaintMeter(TCanvas& c, double value) {
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(Rect(0, 0, kFace, kFace));
    c.Brush()->SetColor(clWhite);
    c.Pen()->SetColor(clBlack);
    c.Ellipse(10, 10, kFace - 10, kFace - 10);
    const double centre = kFace / 2.0, outer = kFace / 2.0 - 14, inner = outer - 10;
    for (int i = 0; i < kTicks; ++i) {
        const double a = std::numbers::pi * (1.25 - 1.5 * i / (kTicks - 1));
        c.MoveTo(static_cast<int>(centre + inner * std::cos(a)),
                 static_cast<int>(centre - inner * std::sin(a)));
        c.LineTo(static_cast<int>(centre + outer * std::cos(a)),
                 static_cast<int>(centre - outer * std::sin(a)));
    }
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.TextOut(80, 130, QStringLiteral("%1 V").arg(value, 0, 'f', 1));
    const double needle = std::numbers::pi * (1.25 - 1.5 * value / 100);
    c.Pen()->SetWidth(2);
    c.MoveTo(kFace / 2, kFace / 2);
    c.LineTo(static_cast<int>(centre + inner * std::cos(needle)),
             static_cast<int>(centre - inner * std::sin(needle)));
    c.Pen()->SetWidth(1);
}

void BM_MeterPaint(benchmark::State& state) {
    TBitmap buffer, screen;
    buffer.SetSize(kFace, kFace);
    screen.SetSize(kFace, kFace);
    double value = 0;
    for (auto _ : state) {
        PaintMeter(*buffer.Canvas(), value);
        screen.Canvas()->CopyRect(Rect(0, 0, kFace, kFace), *buffer.Canvas(),
                                  Rect(0, 0, kFace, kFace));
        value = std::fmod(value + 7.3, 100);
        benchmark::DoNotOptimize(screen.Image().constBits());
    }
}
BENCHMARK(BM_MeterPaint)->Unit(benchmark::kMicrosecond);

// The one-pixel outlines most instrument faces are made of: frames, straight and slanted lines.
void BM_Outlines(benchmark::State& state) {
    constexpr int kWidth = 240, kHeight = 105, kRings = 8;
    TBitmap bitmap;
    bitmap.SetSize(kWidth, kHeight);
    TCanvas& c = *bitmap.Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    for (auto _ : state) {
        for (int i = 0; i < kRings; ++i) {
            c.Pen()->SetColor(i % 2 ? clBtnShadow : clBtnHighlight);
            c.Rectangle(i, i, kWidth - i, kHeight - i);
            c.MoveTo(i * 3, kHeight - 1);
            c.LineTo(kWidth - 1, i * 5);
        }
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
}
BENCHMARK(BM_Outlines)->Unit(benchmark::kMicrosecond);

// Filled curves the size of a large dial: a whole ellipse and a pie of a little over a half.
void PaintCurve(benchmark::State& state, bool pie) {
    constexpr int kSide = 240;
    TBitmap bitmap;
    bitmap.SetSize(kSide, kSide);
    TCanvas& c = *bitmap.Canvas();
    c.Brush()->SetColor(clLime);
    c.Pen()->SetColor(clLime);
    for (auto _ : state) {
        if (pie)
            c.Pie(0, 0, kSide, kSide, kSide, kSide, 0, kSide);
        else
            c.Ellipse(0, 0, kSide, kSide);
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
}
void BM_Ellipse(benchmark::State& state) {
    PaintCurve(state, false);
}
void BM_Pie(benchmark::State& state) {
    PaintCurve(state, true);
}
BENCHMARK(BM_Ellipse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pie)->Unit(benchmark::kMicrosecond);

// A short label with its measurements, as dials draw their scale numbers.
void BM_Label(benchmark::State& state) {
    TBitmap bitmap;
    bitmap.SetSize(100, 40);
    TCanvas& c = *bitmap.Canvas();
    const QString text = QStringLiteral("100");
    for (auto _ : state) {
        c.TextOut(50 - c.TextWidth(text) / 2, 20 - c.TextHeight(text) / 2, text);
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
}
BENCHMARK(BM_Label)->Unit(benchmark::kMicrosecond);

void BM_LoadBmp8(benchmark::State& state) {
    constexpr int kSide = 64;
    TBitmap source;
    source.SetSize(kSide, kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            source.SetPixels(x, y, RGB((x / 8) * 32, (y / 8) * 32, 0));
    // Re-encode as an 8-bit paletted file: 64 colours.
    QImage indexed = source.Image().convertToFormat(QImage::Format_Indexed8);
    QByteArray data;
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        indexed.save(&buffer, "BMP");
    }
    TBitmap bitmap;
    for (auto _ : state) {
        bitmap.LoadFromBmpData(data);
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
    state.counters["bits"] = data.at(28);
    state.counters["bytes"] = static_cast<double>(data.size());
}
BENCHMARK(BM_LoadBmp8)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// What instruments cost to paint, against two references in the same run: plain Qt (a fill and
// one drawImage) and the framework's floor (a 240 × 105 image prepared, a default bevel painted
// into it and the image copied to the screen once, through the paint message a parent window
// sends). Then the instruments at their default sizes, painted afresh and after a value change
// (the angular meter against the floor at its own size), and a rack of 500 meters whose values
// all change.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <type_traits>
#include <vector>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrcontrols.h"
#include "instruments/input/vrcheckled.h"
#include "instruments/input/vrpowerbutton.h"
#include "instruments/input/vrslider.h"
#include "instruments/input/vrspinner.h"
#include "instruments/input/vrswitch.h"
#include "instruments/input/vrtrackbar.h"
#include "instruments/output/lcd.h"
#include "instruments/output/vrangularmeter.h"
#include "instruments/output/vrborder.h"
#include "instruments/output/vrgradient.h"
#include "instruments/output/vrled.h"
#include "instruments/output/vrmatrix.h"
#include "instruments/output/vrmeter.h"
#include "instruments/output/vrnum.h"
#include "instruments/output/vrpowermeter.h"
#include "instruments/output/vrprogressbar.h"
#include "instruments/output/vrscope.h"
#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"

namespace {

using namespace mox;

constexpr int kWidth = 240;
constexpr int kHeight = 105;
constexpr int kDialWidth = 310;
constexpr int kDialHeight = 250;
// Steps through 0..100 so that consecutive values always differ.
constexpr int kValueStep = 7;
constexpr int kValueSpan = 101;

int NextValue(int value) {
    return (value + kValueStep) % kValueSpan;
}

void BM_QtReference(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::black);
        QPainter painter(&screen);
        painter.drawImage(0, 0, image);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

class TBevelled : public TVrGraphicImageControl {
public:
    explicit TBevelled(TComponent* owner) : TVrGraphicImageControl(owner) {}

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

// Paints `control` into `screen` the way its parent window does.
void PaintThroughMessage(TControl& control, QImage& screen) {
    QPainter painter(&screen);
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(&painter));
    painter.end();
    benchmark::DoNotOptimize(screen.constBits());
}

void PaintBevelledImage(benchmark::State& state, bool transparent, int width = kWidth,
                        int height = kHeight) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    form->SetBounds(0, 0, width + 20, height + 20);
    auto* control = new TBevelled(&owner);
    control->SetParent(form);
    control->SetBounds(10, 10, width, height);
    control->SetTransparent(transparent);
    QImage screen(width, height, QImage::Format_RGB32);
    for (auto _ : state)
        PaintThroughMessage(*control, screen);
}

void BM_InstrumentPaintOpaque(benchmark::State& state) {
    PaintBevelledImage(state, false);
}
void BM_InstrumentPaintTransparent(benchmark::State& state) {
    PaintBevelledImage(state, true);
}
// The floor at the angular meter's size.
void BM_InstrumentPaintOpaque310x250(benchmark::State& state) {
    PaintBevelledImage(state, false, kDialWidth, kDialHeight);
}

// The meter paints through the paint message its parent sends, like the floor. Its form is
// not shown, so the setters' own repaint requests paint nothing.
void PaintMeter(benchmark::State& state, bool moveNeedle) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    form->SetBounds(0, 0, 300, 160);
    auto* meter = new TVrMeter(&owner);
    meter->SetParent(form);
    QImage screen(meter->Width(), meter->Height(), QImage::Format_RGB32);
    int value = 0;
    bool flip = false;
    for (auto _ : state) {
        if (moveNeedle) {
            meter->SetPosition(value = NextValue(value));
        } else {
            // A setting other than the position: the face is made afresh.
            meter->SetNeedleColor((flip = !flip) ? clWhite : clSilver);
        }
        PaintThroughMessage(*meter, screen);
    }
}

void BM_MeterPaint(benchmark::State& state) {
    PaintMeter(state, false);
}
void BM_MeterNeedleChange(benchmark::State& state) {
    PaintMeter(state, true);
}

void PaintAngularMeter(benchmark::State& state, bool moveNeedle) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    form->SetBounds(0, 0, kDialWidth + 20, kDialHeight + 20);
    auto* meter = new TVrAngularMeter(&owner);
    meter->SetParent(form);
    meter->SetBounds(0, 0, kDialWidth, kDialHeight);
    meter->SetCaption(QStringLiteral("|Volts"));
    QImage screen(kDialWidth, kDialHeight, QImage::Format_RGB32);
    int value = 0;
    bool flip = false;
    for (auto _ : state) {
        if (moveNeedle)
            meter->SetPosition(value = NextValue(value));
        else
            meter->SetTicksColor((flip = !flip) ? clSilver : clWhite);  // the dial drawn afresh
        PaintThroughMessage(*meter, screen);
    }
}

void BM_AngularMeterPaint(benchmark::State& state) {
    PaintAngularMeter(state, false);
}
void BM_AngularMeterPositionChange(benchmark::State& state) {
    PaintAngularMeter(state, true);
}

void PaintPowerMeter(benchmark::State& state, bool moveValue) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    form->SetBounds(0, 0, 140, 240);
    auto* meter = new TVrPowerMeter(&owner);
    meter->SetParent(form);
    meter->SetCaption(QStringLiteral("Level"));
    QImage screen(meter->Width(), meter->Height(), QImage::Format_RGB32);
    int value = 0;
    bool flip = false;
    for (auto _ : state) {
        if (moveValue)
            meter->SetValue(value = NextValue(value));
        else
            meter->SetBarColor((flip = !flip) ? clSilver : clBtnFace);  // the face made afresh
        PaintThroughMessage(*meter, screen);
    }
}

void BM_PowerMeterPaint(benchmark::State& state) {
    PaintPowerMeter(state, false);
}
void BM_PowerMeterValueChange(benchmark::State& state) {
    PaintPowerMeter(state, true);
}

// A control at its default size (or `size`), painted after each `change(control, step)`, step
// counting 1, 2, 3...: an image control through its parent's paint message; a plain graphic
// control as its parent paints it, the area under it first.
template <class Control, class Change>
void PaintAfterEachChange(benchmark::State& state, Change change, TPoint size = {}) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    auto* control = new Control(&owner);
    if (size.X > 0) control->SetBounds(0, 0, size.X, size.Y);
    form->SetBounds(0, 0, control->Width() + 20, control->Height() + 20);
    control->SetParent(form);
    QImage screen(control->Width(), control->Height(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        change(*control, ++step);
        if constexpr (std::is_base_of_v<TVrGraphicImageControl, Control>) {
            PaintThroughMessage(*control, screen);
        } else {
            QPainter painter(&screen);
            form->PaintHandler(painter, control->BoundsRect());
            painter.end();
            benchmark::DoNotOptimize(screen.constBits());
        }
    }
}

// A scope at its default size with one channel whose history is full (a varying signal), as
// it is after running a while.
void PrepareRunningScope(TVrScope& scope) {
    scope.Channels()->Add();
    int sample = 0;
    scope.OnNeedData = [sample](TObject*, int, int& value) mutable {
        sample = (sample + 13) % 101;
        value = sample;
    };
    for (int i = 0; i < scope.BufferSize(); ++i)
        scope.Tick();
}

void BM_ScopePaint(benchmark::State& state) {
    // A look change: the whole picture drawn afresh.
    PaintAfterEachChange<TVrScope>(state, [](TVrScope& scope, int step) {
        if (step == 1) PrepareRunningScope(scope);
        scope.SetGridColor(step % 2 ? clGreen : clTeal);
    });
}
void BM_ScopeTick(benchmark::State& state) {
    // A new sample on the moving grid.
    PaintAfterEachChange<TVrScope>(state, [](TVrScope& scope, int step) {
        if (step == 1) PrepareRunningScope(scope);
        scope.Tick();
    });
}

void BM_LcdPaint(benchmark::State& state) {
    constexpr TPoint kPlacedSize{217, 49};
    PaintAfterEachChange<TLcd>(
        state, [](TLcd&, int) {}, kPlacedSize);
}

void BM_LevelBarPaint(benchmark::State& state) {
    // The fill made afresh.
    PaintAfterEachChange<TVrProgressBar>(state, [](TVrProgressBar& bar, int step) {
        bar.SetStartColor(step % 2 ? clNavy : clBlue);
    });
}
void BM_LevelBarPositionChange(benchmark::State& state) {
    PaintAfterEachChange<TVrProgressBar>(state, [](TVrProgressBar& bar, int step) {
        bar.SetPosition(step * kValueStep % kValueSpan);
    });
}

void BM_LedPaint(benchmark::State& state) {
    // The lamp recoloured afresh.
    PaintAfterEachChange<TVrLed>(
        state, [](TVrLed& led, int step) { led.Palette()->SetHigh(step % 2 ? clRed : clYellow); });
}
void BM_LedSwitch(benchmark::State& state) {
    PaintAfterEachChange<TVrLed>(state, [](TVrLed& led, int step) { led.SetActive(step % 2); });
}

void BM_MatrixPaint(benchmark::State& state) {
    // The cells recoloured afresh.
    PaintAfterEachChange<TVrMatrix>(state, [](TVrMatrix& matrix, int step) {
        matrix.Palette()->SetHigh(step % 2 ? clLime : clYellow);
    });
}
void BM_MatrixTextChange(benchmark::State& state) {
    PaintAfterEachChange<TVrMatrix>(
        state, [](TVrMatrix& matrix, int step) { matrix.SetText(QString::number(step % 10000)); });
}

void BM_BorderPaint(benchmark::State& state) {
    PaintAfterEachChange<TVrBorder>(state, [](TVrBorder& border, int step) {
        border.SetHighlightColor(step % 2 ? clWhite : clSilver);
    });
}

void BM_GradientPaint(benchmark::State& state) {
    PaintAfterEachChange<TVrGradient>(state, [](TVrGradient& gradient, int step) {
        gradient.SetStartColor(step % 2 ? clBlue : clNavy);
    });
}

void BM_NumericPaint(benchmark::State& state) {
    // The digits recoloured afresh.
    PaintAfterEachChange<TVrNum>(
        state, [](TVrNum& num, int step) { num.Palette()->SetHigh(step % 2 ? clLime : clYellow); });
}
void BM_NumericValueChange(benchmark::State& state) {
    PaintAfterEachChange<TVrNum>(state,
                                 [](TVrNum& num, int step) { num.SetValue(step * 1237 % 10000); });
}

// The windowed instruments (slider, track bar, switch) paint at once on each setter, in their own
// window; the control at its default size, shown, painted after each `change(control, step)`.
template <class Control, class Change>
void PaintWindowedAfterEachChange(benchmark::State& state, Change change) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    auto* control = new Control(&owner);
    form->SetBounds(0, 0, control->Width() + 20, control->Height() + 20);
    control->SetParent(form);
    form->Show();
    TApplication::Instance().ProcessMessages();
    int step = 0;
    for (auto _ : state) {
        change(*control, ++step);
        benchmark::DoNotOptimize(control->Image().Width());
    }
}

void BM_SliderPaint(benchmark::State& state) {
    PaintWindowedAfterEachChange<TVrSlider>(state, [](TVrSlider& slider, int step) {
        slider.SetBorderColor(step % 2 ? clGray : clBtnFace);
    });
}
void BM_SliderPositionChange(benchmark::State& state) {
    PaintWindowedAfterEachChange<TVrSlider>(state, [](TVrSlider& slider, int step) {
        slider.SetPosition(step * kValueStep % kValueSpan);
    });
}

void BM_TrackBarPaint(benchmark::State& state) {
    // The face made afresh.
    PaintWindowedAfterEachChange<TVrTrackBar>(
        state, [](TVrTrackBar& bar, int step) { bar.SetTickColor(step % 2 ? clNavy : clBlack); });
}
void BM_TrackBarPositionChange(benchmark::State& state) {
    PaintWindowedAfterEachChange<TVrTrackBar>(
        state, [](TVrTrackBar& bar, int step) { bar.SetPosition(step * kValueStep % kValueSpan); });
}

void BM_SwitchPaint(benchmark::State& state) {
    PaintWindowedAfterEachChange<TVrSwitch>(state, [](TVrSwitch& selector, int step) {
        selector.SetBorderColor(step % 2 ? clGray : clBtnFace);
    });
}
void BM_SwitchOffsetChange(benchmark::State& state) {
    PaintWindowedAfterEachChange<TVrSwitch>(
        state, [](TVrSwitch& selector, int step) { selector.SetOffset(step % 4); });
}

// A windowed control at its default size, painted after each `change(control, step)`, step
// counting 1, 2, 3..., as its window paints it (the control's surface, then its non-windowed
// children such as a spinner's buttons). Its form is not shown, so the setters' own repaint
// requests paint nothing.
template <class Control, class Change>
void PaintWindowAfterEachChange(benchmark::State& state, Change change) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    auto* control = new Control(&owner);
    form->SetBounds(0, 0, control->Width() + 20, control->Height() + 20);
    control->SetParent(form);
    QImage screen(control->Width(), control->Height(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        change(*control, ++step);
        QPainter painter(&screen);
        control->PaintHandler(painter, control->ClientRect());
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void BM_SpinnerPaint(benchmark::State& state) {
    // Both arrows recoloured afresh.
    PaintWindowAfterEachChange<TVrSpinner>(state, [](TVrSpinner& spinner, int step) {
        spinner.Palette()->SetHigh(step % 2 ? clLime : clYellow);
    });
}
void BM_SpinnerClick(benchmark::State& state) {
    // Half a click each step: the arrow shown pressed, then released with its click.
    PaintWindowAfterEachChange<TVrSpinner>(state, [](TVrSpinner& spinner, int step) {
        const TPoint arrow{17, 10};
        spinner.Perform(step % 2 ? WM_LBUTTONDOWN : WM_LBUTTONUP, step % 2 ? MK_LBUTTON : 0,
                        PointToLParam(arrow));
    });
}
void BM_PowerButtonPaint(benchmark::State& state) {
    PaintWindowAfterEachChange<TVrPowerButton>(state, [](TVrPowerButton& button, int step) {
        button.SetHighlightColor(step % 2 ? clWhite : clSilver);
    });
}
void BM_PowerButtonSwitch(benchmark::State& state) {
    PaintWindowAfterEachChange<TVrPowerButton>(
        state, [](TVrPowerButton& button, int step) { button.SetActive(step % 2); });
}
void BM_CheckLedPaint(benchmark::State& state) {
    PaintWindowAfterEachChange<TVrCheckLed>(
        state, [](TVrCheckLed& led, int step) { led.SetCheckWidth(step % 2 ? 20 : 21); });
}
void BM_CheckLedCheck(benchmark::State& state) {
    PaintWindowAfterEachChange<TVrCheckLed>(
        state, [](TVrCheckLed& led, int step) { led.SetChecked(step % 2); });
}

// A rack of 25 × 20 small meters whose values all change, then the whole form paints through
// its paint handler (window surface, then each control through its paint message). Hidden, the
// form paints into an image once; shown, each new value repaints its meter at once, as live
// values do, before the form repaints through its window.
void PaintRackOf500Meters(benchmark::State& state, bool shown) {
    constexpr int kColumns = 25, kRows = 20, kMeterWidth = 96, kMeterHeight = 48;
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    form->SetBounds(0, 0, kColumns * kMeterWidth + 20, kRows * kMeterHeight + 40);
    std::vector<TVrMeter*> meters;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            auto* meter = new TVrMeter(form);
            meter->SetBounds(column * kMeterWidth, row * kMeterHeight, kMeterWidth, kMeterHeight);
            meter->SetParent(form);
            meters.push_back(meter);
        }
    if (shown) {
        form->Show();
        TApplication::Instance().ProcessMessages();
    }
    QImage screen(form->ClientWidth(), form->ClientHeight(), QImage::Format_RGB32);
    int value = 0;
    for (auto _ : state) {
        value = NextValue(value);
        for (std::size_t i = 0; i < meters.size(); ++i)
            meters[i]->SetPosition(static_cast<int>((value + i) % kValueSpan));
        if (shown) {
            form->Repaint();
            continue;
        }
        QPainter painter(&screen);
        form->PaintHandler(painter, form->ClientRect());
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void BM_RackOf500Meters(benchmark::State& state) {
    PaintRackOf500Meters(state, false);
}
void BM_RackOf500MetersLive(benchmark::State& state) {
    PaintRackOf500Meters(state, true);
}

BENCHMARK(BM_QtReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InstrumentPaintOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InstrumentPaintTransparent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeterPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeterNeedleChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InstrumentPaintOpaque310x250)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AngularMeterPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AngularMeterPositionChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PowerMeterPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LcdPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LedPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LedSwitch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatrixPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatrixTextChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BorderPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GradientPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NumericPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NumericValueChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LevelBarPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LevelBarPositionChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PowerMeterValueChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScopePaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScopeTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderPositionChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrackBarPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrackBarPositionChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SwitchPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SwitchOffsetChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpinnerPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpinnerClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PowerButtonPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PowerButtonSwitch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckLedPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckLedCheck)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RackOf500Meters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RackOf500MetersLive)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

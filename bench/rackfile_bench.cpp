// Saving and loading a large rack through the full paths a user waits on: the stream, its text
// round trip and the header to a file; and the file back into a shown form through the class
// registry, widgets included. The rack mixes the standard kinds with instruments; loading also
// reports the heap the loaded rack holds.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

#include "instruments/input/vrslider.h"
#include "instruments/output/vrmeter.h"
#include "rackfile/rackio.h"
#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

using namespace mox;
using namespace mox::rack;

namespace {

constexpr int kColumns = 40;

TClassRegistry RackKinds() {
    TClassRegistry r;
    r.RegisterClass(TLabel::StaticClass());
    r.RegisterClass(TEdit::StaticClass());
    r.RegisterClass(TMemo::StaticClass());
    r.RegisterClass(TImage::StaticClass());
    r.RegisterClass(TComboBox::StaticClass());
    r.RegisterClass(TVrMeter::StaticClass());
    r.RegisterClass(TVrSlider::StaticClass());
    return r;
}

// Bytes the heap holds in use, to tell what a loaded rack costs.
double HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// The seven kinds in turn, each with the settings and content a user typically leaves on it.
TControl* MakeControl(TForm& rack, int i) {
    TControl* c = nullptr;
    switch (i % 7) {
        case 0: {
            auto* label = new TLabel(&rack);
            label->SetTransparent(true);
            c = label;
            break;
        }
        case 1: {
            auto* edit = new TEdit(&rack);
            edit->SetParentCtl3D(false);
            edit->SetCtl3D(false);
            c = edit;
            break;
        }
        case 2: {
            auto* memo = new TMemo(&rack);
            memo->SetCtl3D(false);
            memo->Lines()->SetText(QStringLiteral("Channel A\r\n\r\n20 \u00b0C"));
            c = memo;
            break;
        }
        case 3: {
            auto* image = new TImage(&rack);
            image->SetStretch(true);
            c = image;
            break;
        }
        case 4: {
            auto* meter = new TVrMeter(&rack);
            meter->SetPosition(i % 101);
            c = meter;
            break;
        }
        case 5: {
            auto* slider = new TVrSlider(&rack);
            slider->SetPosition(i % 101);
            c = slider;
            break;
        }
        default: {
            auto* combo = new TComboBox(&rack);
            combo->SetStyle(TComboBoxStyle::csDropDownList);
            combo->Items()->SetCommaText(QStringLiteral("low,mid,high"));
            combo->SetItemIndex(1);
            c = combo;
            break;
        }
    }
    c->SetName(QStringLiteral("%1%2").arg(c->ClassName().mid(1).toLower()).arg(i));
    c->SetBounds((i % kColumns) * 48, (i / kColumns) * 24, 40, 20);
    c->SetParent(&rack);
    return c;
}

struct BigRack {
    TForm Form{nullptr};
    explicit BigRack(int controls) {
        Form.SetName(QStringLiteral("frmRack"));
        Form.SetCaption(QStringLiteral("My Rack"));
        Form.SetAutoScroll(false);
        Form.SetBorderStyle(TFormBorderStyle::bsSingle);
        Form.SetBounds(0, 0, kColumns * 48, (controls / kColumns) * 24);
        for (int i = 0; i < controls; ++i)
            MakeControl(Form, i);
        Form.Show();
        TApplication::Instance().ProcessMessages();
    }
};

void BM_SaveRack(benchmark::State& state) {
    BigRack rack(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rack.res"));
    for (auto _ : state)
        SaveRackFile(rack.Form, path, kRackFileFormat);
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
// 1,000 and 10,000 controls: time must grow in proportion to the count.
BENCHMARK(BM_SaveRack)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_LoadRack(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rack.res"));
    const int controls = static_cast<int>(state.range(0));
    {
        BigRack rack(controls);
        SaveRackFile(rack.Form, path, kRackFileFormat);
    }
    const TClassRegistry registry = RackKinds();
    double heapGrowth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<TForm>(nullptr);
        form->Show();
        const double before = HeapInUse();
        state.ResumeTiming();
        const TReadResult result = LoadRackFile(path, *form, registry);
        state.PauseTiming();
        heapGrowth = std::max(heapGrowth, HeapInUse() - before);
        if (result.ObjectCount != controls + 1) state.SkipWithError("not every control loaded");
        form.reset();
        state.ResumeTiming();
    }
    state.counters["heap_MB"] = heapGrowth / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadRack)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

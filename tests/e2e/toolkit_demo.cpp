// A small form built only from toolkit controls: a non-windowed gauge painted on the form and a
// windowed push panel. The end-to-end test clicks the panel with the real pointer and reads what
// the program prints.
#include <QApplication>
#include <cstdio>

#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"

using namespace mox;

namespace {

// Non-windowed: painted by the form, under every windowed control.
class TDemoGauge : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Value = 30;

protected:
    void Paint() override {
        TCanvas* c = Canvas();
        c->Brush()->SetColor(clWhite);
        c->Pen()->SetColor(clBlack);
        c->Ellipse(0, 0, Width(), Height());
        c->Brush()->SetColor(clNavy);
        c->Pie(0, 0, Width(), Height(), Width(), Height() / 2, Width() / 2 + Value, 0);
        c->Brush()->SetStyle(TBrushStyle::bsClear);
        c->Font()->SetColor(clMaroon);
        TRect r = Rect(0, Height() / 2, Width(), Height());
        c->DrawText(QStringLiteral("gauge"), r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    }
};

// Windowed: a raised panel that reports its clicks and turns green when pressed.
class TDemoButton : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        TCanvas* c = Canvas();
        const TRect r = ClientRect();
        c->Brush()->SetColor(Color());
        c->Pen()->SetColor(clWhite);
        c->MoveTo(r.Left, r.Bottom - 1);
        c->LineTo(r.Left, r.Top);
        c->LineTo(r.Right - 1, r.Top);
        c->Pen()->SetColor(clBlack);
        c->LineTo(r.Right - 1, r.Bottom - 1);
        c->LineTo(r.Left, r.Bottom - 1);
        TRect text = r;
        c->Brush()->SetStyle(TBrushStyle::bsClear);
        c->DrawText(Caption(), text, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    TApplication& app = TApplication::Instance();
    app.SetTitle(QStringLiteral("Toolkit demo"));

    auto* form = new TForm(nullptr);
    form->SetCaption(QStringLiteral("Moxbench toolkit demo"));
    form->SetBounds(40, 40, 320, 200);

    auto* gauge = new TDemoGauge(form);
    gauge->SetParent(form);
    gauge->SetBounds(20, 20, 120, 120);

    auto* button = new TDemoButton(form);
    button->SetParent(form);
    button->SetBounds(170, 60, 110, 40);
    button->SetCaption(QStringLiteral("Press"));
    button->OnClick = [button](TObject*) {
        button->SetColor(clLime);
        std::printf("clicked %s\n", qPrintable(button->Caption()));
        std::fflush(stdout);
    };
    gauge->OnClick = [](TObject*) {
        std::printf("gauge clicked\n");
        std::fflush(stdout);
    };

    app.Run();
    delete form;
    return 0;
}

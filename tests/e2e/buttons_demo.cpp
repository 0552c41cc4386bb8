// A form with a spinner, a power button and a check LED, live (no designer): the end-to-end test
// clicks them with the real pointer, fast and held, and reads what the program prints.
#include <QApplication>
#include <cstdio>

#include "instruments/input/vrcheckled.h"
#include "instruments/input/vrpowerbutton.h"
#include "instruments/input/vrspinner.h"
#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"

using namespace mox;

namespace {

void Say(const char* what, int value) {
    std::printf("%s %d\n", what, value);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    TApplication& app = TApplication::Instance();
    app.SetTitle(QStringLiteral("Buttons demo"));

    auto* form = new TForm(nullptr);
    form->SetCaption(QStringLiteral("Moxbench buttons demo"));
    form->SetBounds(40, 40, 320, 200);

    // Vertical at (20, 20), 35 × 40; horizontal at (20, 100), 60 × 30.
    auto* spinner = new TVrSpinner(form);
    spinner->SetParent(form);
    spinner->SetBounds(20, 20, 35, 40);
    auto* across = new TVrSpinner(form);
    across->SetParent(form);
    across->SetOrientation(TVrOrientation::voHorizontal);
    across->SetBounds(20, 100, 60, 30);
    int value = 0;
    spinner->OnUpClick = [&value](TObject*) { Say("up", ++value); };
    spinner->OnDownClick = [&value](TObject*) { Say("down", --value); };
    across->OnUpClick = [&value](TObject*) { Say("left", --value); };
    across->OnDownClick = [&value](TObject*) { Say("right", ++value); };

    auto* power = new TVrPowerButton(form);
    power->SetParent(form);
    power->SetBounds(120, 20, 125, 25);
    power->SetCaption(QStringLiteral("Power"));
    power->OnClick = [power](TObject*) { Say("power", power->Active() ? 1 : 0); };

    auto* led = new TVrCheckLed(form);
    led->SetParent(form);
    led->SetBounds(120, 70, 125, 25);
    led->SetCaption(QStringLiteral("Pump"));
    led->OnChange = [led](TObject*) { Say("checked", led->Checked() ? 1 : 0); };

    app.Run();
    delete form;
    return 0;
}

#include "app/catalogueclasses.h"

#include <array>

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
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

namespace mox {

namespace {

// The catalogue's classes in the order the program registers them.
const std::array<const TClassInfo*, 22>& RegistrationOrder() {
    static const std::array<const TClassInfo*, 22> order{
        &TLabel::StaticClass(),      &TVrGradient::StaticClass(),
        &TEdit::StaticClass(),       &TVrBorder::StaticClass(),
        &TVrMeter::StaticClass(),    &TVrAngularMeter::StaticClass(),
        &TVrSlider::StaticClass(),   &TLcd::StaticClass(),
        &TVrLed::StaticClass(),      &TVrProgressBar::StaticClass(),
        &TVrMatrix::StaticClass(),   &TVrNum::StaticClass(),
        &TVrScope::StaticClass(),    &TVrCheckLed::StaticClass(),
        &TMemo::StaticClass(),       &TVrPowerButton::StaticClass(),
        &TVrSpinner::StaticClass(),  &TVrSwitch::StaticClass(),
        &TVrTrackBar::StaticClass(), &TVrPowerMeter::StaticClass(),
        &TImage::StaticClass(),      &TComboBox::StaticClass()};
    return order;
}

}  // namespace

void RegisterCatalogueClasses(TClassRegistry& registry) {
    for (const TClassInfo* cls : RegistrationOrder())
        registry.RegisterClass(*cls);
}

const TClassRegistry& CatalogueClasses() {
    static const TClassRegistry registry = [] {
        TClassRegistry r;
        RegisterCatalogueClasses(r);
        return r;
    }();
    return registry;
}

}  // namespace mox

#include "app/catalogueclasses.h"

#include <array>

#include "instruments/input/vrcheckled.h"
#include "instruments/input/vrpowerbutton.h"
#include "instruments/input/vrslider.h"
#include "instruments/input/vrspinner.h"
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
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

namespace mox {

namespace {

// The catalogue's classes in the order the program registers them.
constexpr std::array<const char16_t*, 22> kRegistrationOrder{
    u"TLabel",          u"TVrGradient", u"TEdit",     u"TVrBorder",   u"TVrMeter",
    u"TVrAngularMeter", u"TVrSlider",   u"TLcd",      u"TVrLed",      u"TVrProgressBar",
    u"TVrMatrix",       u"TVrNum",      u"TVrScope",  u"TVrCheckLed", u"TMemo",
    u"TVrPowerButton",  u"TVrSpinner",  u"TVrSwitch", u"TVrTrackBar", u"TVrPowerMeter",
    u"TImage",          u"TComboBox"};

// The kinds that have a class; a kind without one stays out of the registry and places nothing.
const TClassInfo* ImplementedClass(QStringView name) {
    static const std::array implemented{
        &TLabel::StaticClass(),          &TEdit::StaticClass(),
        &TMemo::StaticClass(),           &TImage::StaticClass(),
        &TComboBox::StaticClass(),       &TVrMeter::StaticClass(),
        &TVrAngularMeter::StaticClass(), &TVrSlider::StaticClass(),
        &TVrPowerMeter::StaticClass(),   &TLcd::StaticClass(),
        &TVrProgressBar::StaticClass(),  &TVrNum::StaticClass(),
        &TVrLed::StaticClass(),          &TVrMatrix::StaticClass(),
        &TVrBorder::StaticClass(),       &TVrGradient::StaticClass(),
        &TVrSpinner::StaticClass(),      &TVrPowerButton::StaticClass(),
        &TVrCheckLed::StaticClass()};
    for (const TClassInfo* cls : implemented)
        if (cls->ClassName() == name) return cls;
    return nullptr;
}

}  // namespace

void RegisterCatalogueClasses(TClassRegistry& registry) {
    for (const char16_t* name : kRegistrationOrder)
        if (const TClassInfo* cls = ImplementedClass(QStringView(name)))
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

#include "app/controlcreation.h"

#include "app/catalogue.h"
#include "instruments/input/vrcheckled.h"
#include "instruments/input/vrpowerbutton.h"
#include "instruments/input/vrslider.h"
#include "instruments/input/vrspinner.h"
#include "instruments/input/vrswitch.h"
#include "instruments/input/vrtrackbar.h"
#include "instruments/output/lcd.h"
#include "instruments/output/vrangularmeter.h"
#include "instruments/output/vrled.h"
#include "instruments/output/vrmatrix.h"
#include "instruments/output/vrnum.h"
#include "instruments/output/vrpowermeter.h"
#include "instruments/output/vrprogressbar.h"
#include "instruments/output/vrscope.h"
#include "toolkit/controls/form.h"
#include "toolkit/core/classregistry.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

namespace mox {

namespace {

// The settings differ from the class defaults where a freshly placed control would otherwise
// look wrong on a rack (an opaque label, a sunken edit box, an image at its bitmap's size).
void ApplyCreationSettings(TControl& control, TCustomForm& rack) {
    if (auto* label = dynamic_cast<TLabel*>(&control)) {
        label->SetTransparent(true);
    } else if (auto* edit = dynamic_cast<TEdit*>(&control)) {
        edit->SetTabStop(true);
        edit->SetText(QString());
        edit->SetParentCtl3D(false);
        edit->SetCtl3D(false);
    } else if (auto* memo = dynamic_cast<TMemo*>(&control)) {
        memo->SetCtl3D(false);
        memo->Lines()->Clear();
    } else if (auto* lcd = dynamic_cast<TLcd*>(&control)) {
        lcd->SetWidth(217);
        lcd->SetHeight(49);
    } else if (auto* image = dynamic_cast<TImage*>(&control)) {
        image->SetStretch(true);
    } else if (auto* combo = dynamic_cast<TComboBox*>(&control)) {
        combo->SetText(QString());
        combo->SetStyle(TComboBoxStyle::csDropDownList);
    } else if (auto* angular = dynamic_cast<TVrAngularMeter*>(&control)) {
        angular->SetCaption(QStringLiteral("Angular Meter"));
        angular->SetTransparent(true);
        angular->SetDecimals(0);
        angular->SetSpacing(35);
    } else if (auto* slider = dynamic_cast<TVrSlider*>(&control)) {
        slider->SetTabStop(true);
    } else if (auto* selector = dynamic_cast<TVrSwitch*>(&control)) {
        selector->SetTabStop(true);
    } else if (auto* trackBar = dynamic_cast<TVrTrackBar*>(&control)) {
        trackBar->SetTabStop(true);
        trackBar->SetParentColor(false);
        trackBar->SetColor(clSilver);
        trackBar->SetBorderWidth(1);
    } else if (auto* led = dynamic_cast<TVrLed*>(&control)) {
        led->SetTransparent(true);
    } else if (auto* bar = dynamic_cast<TVrProgressBar*>(&control)) {
        bar->SetSmooth(true);
    } else if (auto* matrix = dynamic_cast<TVrMatrix*>(&control)) {
        matrix->Bevel()->SetInnerWidth(1);
        matrix->SetLeds(16);
        matrix->SetLedStyle(TVrMatrixLedStyle::ls9x13);
        matrix->SetTextStyle(TVrMatrixTextStyle::tsAsIs);
        matrix->SetText(QStringLiteral("Quorvale"));
    } else if (auto* num = dynamic_cast<TVrNum*>(&control)) {
        num->SetAutoSize(true);
        num->SetTransparent(true);
        num->SetStyle(TVrNumStyle::ns11x20);
    } else if (auto* scope = dynamic_cast<TVrScope*>(&control)) {
        scope->SetActive(false);
        scope->SetAnimateGrid(false);
        scope->SetHeight(101);
        scope->SetWidth(251);
        scope->SetGridSize(10);
        scope->SetFrequency(1);
        scope->SetInterval(1);
        scope->Channels()->Add();
    } else if (auto* powerMeter = dynamic_cast<TVrPowerMeter*>(&control)) {
        powerMeter->SetCaption(QString());
        powerMeter->SetTransparent(true);
        powerMeter->SetMarkerVisible(false);
        powerMeter->SetUnitsText(QString());
        powerMeter->SetWidth(50);
    } else if (auto* spinner = dynamic_cast<TVrSpinner*>(&control)) {
        spinner->SetParentColor(true);
    } else if (auto* button = dynamic_cast<TVrPowerButton*>(&control)) {
        button->SetCaption(QStringLiteral("Power"));
        button->SetWidth(65);
        button->SetHeight(25);
        button->SetTabStop(true);
    } else if (auto* checkLed = dynamic_cast<TVrCheckLed*>(&control)) {
        checkLed->SetParent(&rack);
        checkLed->SetTabStop(true);
        checkLed->SetCaption(QString());
        checkLed->SetCheckHeight(13);
        checkLed->SetCheckWidth(13);
        checkLed->SetHeight(15);
        checkLed->SetWidth(15);
    }
}

}  // namespace

TControl* CreateControlOfKind(int kind, TCustomForm& rack, const TClassRegistry& registry) {
    const TControlKind* k = FindControlKind(kind);
    if (!k || !registry.FindClass(k->ClassName)) return nullptr;
    TComponent* created = registry.CreateComponent(k->ClassName, &rack);
    auto* control = dynamic_cast<TControl*>(created);
    if (!control) {
        delete created;
        return nullptr;
    }
    ApplyCreationSettings(*control, rack);
    return control;
}

}  // namespace mox

#include "app/shell.h"

#include <array>

#include "app/catalogue.h"
#include "app/palette.h"
#include "app/rack.h"
#include "app/rackcommands.h"
#include "designer/formdesigner.h"
#include "propsheets/angularmetersheet.h"
#include "propsheets/inputbuttonsheets.h"
#include "propsheets/instrumentsheets.h"
#include "propsheets/ledsheet.h"
#include "propsheets/levelbarsheet.h"
#include "propsheets/matrixsheet.h"
#include "propsheets/numericsheet.h"
#include "propsheets/panelsheets.h"
#include "propsheets/powermetersheet.h"
#include "propsheets/propertysheet.h"
#include "propsheets/rackpropsdialog.h"
#include "propsheets/scopesheet.h"
#include "propsheets/standardsheets.h"
#include "propsheets/trackbarsheets.h"

namespace mox {

namespace {

// The kinds whose property sheets the program creates, in creation order; the rack properties
// dialog comes between the track bar's sheet and the power meter's.
constexpr std::array kCreationOrder{0,  2,  3,  1,  14, 4,  5,  6,  7,  8,  9,
                                    10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21};
constexpr std::size_t kSheetsBeforeRackProperties = 18;
// The sheet table: the order in which "close all sheets" hides them.
constexpr std::array kSheetTableOrder{2, 3,  0,  11, 5,  12, 1,  4,  7,  6,  8,
                                      9, 13, 18, 10, 14, 16, 17, 15, 19, 20, 21};

// The rows of each class's sheet; an instrument's rows come with the instrument.
constexpr std::array<std::pair<const char16_t*, TSheetDefinition (*)()>, 21> kSheetRows{{
    {u"TVrMeter", AnalogMeterSheet},
    {u"TVrAngularMeter", AngularMeterSheet},
    {u"TVrPowerMeter", PowerMeterSheet},
    {u"TVrProgressBar", LevelBarSheet},
    {u"TVrNum", NumericSheet},
    {u"TVrLed", LedSheet},
    {u"TVrMatrix", MatrixSheet},
    {u"TVrBorder", BorderSheet},
    {u"TVrGradient", GradientSheet},
    {u"TVrScope", ScopeSheet},
    {u"TVrSlider", SliderSheet},
    {u"TVrSwitch", SwitchSheet},
    {u"TVrTrackBar", TrackBarSheet},
    {u"TVrSpinner", SpinnerSheet},
    {u"TVrPowerButton", PowerButtonSheet},
    {u"TVrCheckLed", CheckLedSheet},
    {u"TLabel", LabelSheet},
    {u"TEdit", EditSheet},
    {u"TMemo", MemoSheet},
    {u"TImage", ImageSheet},
    {u"TComboBox", DropDownSheet},
}};

TSheetDefinition SheetDefinition(const TControlKind& kind) {
    for (const auto& [className, rows] : kSheetRows)
        if (kind.ClassName == QStringView(className)) return rows();
    return {};
}

}  // namespace

TShell::TShell(const TClassRegistry& registry)
    : FRegistry(registry), FWindows(std::make_unique<TComponent>(nullptr)) {
    FPalette = new TfrmPalette(FWindows.get());
    FRack = new TfrmRack(FWindows.get(), *FPalette, registry);
    FPalette->SetRack(FRack);
    const TSheetHost host{*FPalette, *FRack, *FRack->Designer()};
    FSheets.resize(kControlKindCount);
    for (std::size_t i = 0; i < kCreationOrder.size(); ++i) {
        if (i == kSheetsBeforeRackProperties) {
            FRackProperties = new TFrmRProp(FWindows.get(), host, FRack->ControlList());
            FRackProperties->Show();
        }
        const TControlKind& kind = *FindControlKind(kCreationOrder[i]);
        // Window names drop the class's T: TFrmAMeter is FrmAMeter.
        FSheets[static_cast<std::size_t>(kind.Kind)] = new TPropertySheet(
            FWindows.get(), host, kind.SheetClass.mid(1), kind.SheetCaption, SheetDefinition(kind));
    }
    for (int kind : kSheetTableOrder)
        FSheetTable.push_back(FSheets[static_cast<std::size_t>(kind)]);
    FCommands = std::make_unique<TRackCommands>(*this);
}

TShell::~TShell() = default;

TPropertySheet* TShell::SheetForClass(QStringView className) const {
    const TControlKind* kind = FindControlKindByClass(className);
    return kind ? FSheets[static_cast<std::size_t>(kind->Kind)] : nullptr;
}

}  // namespace mox

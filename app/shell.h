#pragma once
// The program's windows, created once in start-up order and alive until the program ends: the
// palette (the main window), the rack, one property sheet per control kind and the rack
// properties dialog (created visible; every other window but the palette starts hidden).

#include <memory>
#include <vector>

#include "toolkit/component.h"

namespace mox {

class TClassRegistry;
class TFrmRProp;
class TPropertySheetWindow;
class TfrmPalette;
class TfrmRack;

class TShell {
public:
    explicit TShell(const TClassRegistry& registry);
    ~TShell();
    TShell(const TShell&) = delete;
    TShell& operator=(const TShell&) = delete;

    TfrmPalette& Palette() const { return *FPalette; }
    TfrmRack& Rack() const { return *FRack; }
    TFrmRProp& RackProperties() const { return *FRackProperties; }
    // The sheet window named after `sheetClass` (TFrmAMeter...); none for another name.
    TPropertySheetWindow* Sheet(QStringView sheetClass) const;
    const std::vector<TPropertySheetWindow*>& Sheets() const { return FSheets; }

private:
    // Owns every window; destroying it closes them all.
    std::unique_ptr<TComponent> FWindows;
    TfrmPalette* FPalette = nullptr;
    TfrmRack* FRack = nullptr;
    TFrmRProp* FRackProperties = nullptr;
    std::vector<TPropertySheetWindow*> FSheets;
};

}  // namespace mox

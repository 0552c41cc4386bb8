#pragma once
// A property sheet: a small fixed window with a key/value grid and "Apply", filled from one
// control of the rack and writing back to it. Each kind's sheet is only a list of rows
// (TSheetDefinition); the window, filling, the dialogs and Apply are shared.
//
// A sheet follows the control it was filled from, not a position among the rack's children:
// placing, deleting and sending controls to the back shift positions under an open sheet. When
// that control is destroyed the sheet hides, so it never writes to another control.

#include <QStringList>
#include <functional>
#include <vector>

#include "toolkit/controls/form.h"
#include "toolkit/dialogs/dialogs.h"
#include "toolkit/stdctrls/button.h"
#include "toolkit/stdctrls/panel.h"
#include "toolkit/stdctrls/valuelisteditor.h"

namespace mox {

class TCustomFormDesigner;
class TPropertySheet;

enum class TSheetRowKind {
    Text,    // typed, set on Apply
    Dialog,  // "Click to change"; its dialog sets the property at once on OK
    Pick,    // one of fixed entries, set on Apply
};

struct TSheetRow {
    QString Key;
    TSheetRowKind Kind = TSheetRowKind::Text;
    // Pick rows: the entries, in the order offered.
    QStringList Entries;
    // Pick rows whose entries depend on the rack (its controls of some kind): the entries, taken
    // when the sheet is filled. The row then shows its value only when it is among them, and
    // Apply writes any text but the one shown for no value.
    std::function<QStringList(const TCustomForm& rack)> EntriesOf;
    // Text rows: the value shown. Pick rows: the entry matching the control's value, or empty
    // when none does.
    std::function<QString(const TControl&)> Read;
    // Text rows: converts and sets (throws on text that does not convert). Pick rows: sets the
    // value of a listed entry.
    std::function<void(TControl&, const QString&)> Write;
    // Dialog rows: runs the dialog and, on OK, sets the property.
    std::function<void(TControl&, TPropertySheet&)> Edit;
    // Dialog rows: select the control again afterwards, OK or not, so its handles follow a new
    // size.
    bool ReselectAfterEdit = false;
};

struct TSheetDefinition {
    // Shown under the "Name" row, in this order.
    std::vector<TSheetRow> Rows;
    // Text and pick rows set by Apply after the name, by key; empty: every one, in row order.
    QStringList ApplyOrder;
    bool ReselectAfterApply = false;
    // Runs after Apply, also when it failed half-way.
    std::function<void(TControl&)> AfterApply;
    // Runs when the sheet is filled, before its rows (the label sheet preloads its font dialog).
    std::function<void(TControl&, TPropertySheet&)> OnFill;
    // Shown for a dialog row ("Click to set" in one sheet).
    QString DialogText = QStringLiteral("Click to change");
    // Runs on Apply before anything is set, with the typed text of each row by key: a message
    // returned refuses the whole Apply with it; a throw counts as a bad value.
    std::function<QString(const std::function<QString(const QString&)>& textOf)> CheckBeforeApply;
};

// What a sheet works with: the window it opens under, the rack whose child it edits, and the
// rack's designer (to select a control again).
struct TSheetHost {
    TCustomForm& Palette;
    TCustomForm& Rack;
    TCustomFormDesigner& Designer;
};

// What a pick row shows while the control's value is none of its entries.
inline const QString kUnsetPickText = QStringLiteral("Click to change");

class TPropertySheet : public TForm {
    MOX_CLASS
public:
    // `name` is the window's component name, `caption` its title.
    TPropertySheet(TComponent* owner, const TSheetHost& host, const QString& name,
                   const QString& caption, TSheetDefinition definition);

    // Places the sheet under the palette, follows `control`, and shows its current values.
    void Fill(TControl& control);
    // Sets the name and the text and pick rows, stopping at the first that fails.
    void Apply();
    // The ellipsis button of the current row.
    void EditCurrentRow();

    // The control being edited; none before the first Fill and once it has been destroyed.
    TControl* EditedControl() const { return FControl; }

    TValueListEditor* Grid() const { return FGrid; }
    TButton* ApplyButton() const { return FApply; }
    TColorDialog* ColorDialog() const { return FColorDialog; }
    TFontDialog* FontDialog() const { return FFontDialog; }
    TOpenDialog* OpenDialog() const { return FOpenDialog; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Reselect(TControl& control);
    void Follow(TControl* control);

    TSheetHost FHost;
    TSheetDefinition FDefinition;
    TControl* FControl = nullptr;  // cleared by the destroy notification
    TValueListEditor* FGrid = nullptr;
    TButton* FApply = nullptr;
    TColorDialog* FColorDialog = nullptr;
    TFontDialog* FFontDialog = nullptr;
    TOpenDialog* FOpenDialog = nullptr;
};

}  // namespace mox

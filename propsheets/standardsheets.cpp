#include "propsheets/standardsheets.h"

#include "propsheets/sheetrows.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

namespace mox {

namespace {

TSheetRow ControlColorRow() {
    return ColorRow(
        QStringLiteral("Color"), [](const TControl& c) { return c.Color(); },
        [](TControl& c, TColor color) { c.SetColor(color); });
}

TSheetRow ControlFontRow() {
    return FontRow(QStringLiteral("Font"), [](const TControl& c) { return c.Font(); });
}

}  // namespace

TSheetDefinition LabelSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(TextRow(
        QStringLiteral("Text"), [](const TControl& c) { return c.Caption(); },
        [](TControl& c, const QString& text) { c.SetCaption(text); }));
    sheet.Rows.push_back(ControlFontRow());
    return sheet;
}

TSheetDefinition EditSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(ControlFontRow());
    sheet.Rows.push_back(ControlColorRow());
    return sheet;
}

TSheetDefinition MemoSheet() {
    using enum TScrollStyle;
    TSheetDefinition sheet;
    sheet.Rows.push_back(PickRow<TMemo, TScrollStyle>(QStringLiteral("ScrollBars"),
                                                      {{QStringLiteral("None"), ssNone},
                                                       {QStringLiteral("Horizontal"), ssHorizontal},
                                                       {QStringLiteral("Vertical"), ssVertical},
                                                       {QStringLiteral("Both"), ssBoth}},
                                                      &TMemo::ScrollBars, &TMemo::SetScrollBars));
    sheet.Rows.push_back(
        YesNoRow<TMemo>(QStringLiteral("Control 3D"), &TMemo::Ctl3D, &TMemo::SetCtl3D));
    sheet.Rows.push_back(
        YesNoRow<TMemo>(QStringLiteral("Read only"), &TMemo::ReadOnly, &TMemo::SetReadOnly));
    sheet.Rows.push_back(
        YesNoRow<TMemo>(QStringLiteral("Word wrap"), &TMemo::WordWrap, &TMemo::SetWordWrap));
    sheet.Rows.push_back(ControlColorRow());
    TSheetRow font = ControlFontRow();
    font.ReselectAfterEdit = true;
    sheet.Rows.push_back(std::move(font));
    return sheet;
}

TSheetDefinition ImageSheet() {
    TSheetDefinition sheet;
    TSheetRow image;
    image.Key = QStringLiteral("Image");
    image.Kind = TSheetRowKind::Dialog;
    // The path goes into Hint: the picture itself is not saved with the rack but read from
    // there again after every save and load.
    image.Edit = [](TControl& control, TPropertySheet& owner) {
        auto& target = SheetControl<TImage>(control);
        if (!owner.OpenDialog()->Execute()) return;
        const QString path = owner.OpenDialog()->FileName();
        try {
            target.Picture()->LoadFromFile(path);
        } catch (const std::exception&) {
            ShowMessage(QStringLiteral("Invalid image file."));
            return;
        }
        target.SetHint(path);
    };
    sheet.Rows.push_back(std::move(image));
    return sheet;
}

TSheetDefinition DropDownSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(
        YesNoRow<TControl>(QStringLiteral("Visible"), &TControl::Visible, &TControl::SetVisible));
    return sheet;
}

}  // namespace mox

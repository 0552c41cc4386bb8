#include "propsheets/sheetrows.h"

namespace mox {

TSheetRow TextRow(QString key, std::function<QString(const TControl&)> read,
                  std::function<void(TControl&, const QString&)> write) {
    TSheetRow row;
    row.Key = std::move(key);
    row.Kind = TSheetRowKind::Text;
    row.Read = std::move(read);
    row.Write = std::move(write);
    return row;
}

TSheetRow ColorRow(QString key, std::function<TColor(const TControl&)> read,
                   std::function<void(TControl&, TColor)> write) {
    TSheetRow row;
    row.Key = std::move(key);
    row.Kind = TSheetRowKind::Dialog;
    row.Edit = [read = std::move(read), write = std::move(write)](TControl& control,
                                                                  TPropertySheet& sheet) {
        TColorDialog* dialog = sheet.ColorDialog();
        dialog->SetColor(read(control));
        if (dialog->Execute()) write(control, dialog->Color());
    };
    return row;
}

TSheetRow FontRow(QString key, std::function<TFont*(const TControl&)> font) {
    TSheetRow row;
    row.Key = std::move(key);
    row.Kind = TSheetRowKind::Dialog;
    row.Edit = [font = std::move(font)](TControl& control, TPropertySheet& sheet) {
        TFontDialog* dialog = sheet.FontDialog();
        dialog->SetFont(font(control));
        if (dialog->Execute()) font(control)->Assign(dialog->Font());
    };
    return row;
}

}  // namespace mox

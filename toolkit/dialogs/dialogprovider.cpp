#include "toolkit/dialogs/dialogprovider.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

#include "toolkit/graphics/font.h"

namespace mox {

namespace {

constexpr std::pair<TMsgDlgBtn, QMessageBox::StandardButton> kQtButtons[] = {
    {TMsgDlgBtn::mbYes, QMessageBox::Yes},       {TMsgDlgBtn::mbNo, QMessageBox::No},
    {TMsgDlgBtn::mbOK, QMessageBox::Ok},         {TMsgDlgBtn::mbCancel, QMessageBox::Cancel},
    {TMsgDlgBtn::mbAbort, QMessageBox::Abort},   {TMsgDlgBtn::mbRetry, QMessageBox::Retry},
    {TMsgDlgBtn::mbIgnore, QMessageBox::Ignore},
};

QMessageBox::Icon QtIcon(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::mtWarning:
            return QMessageBox::Warning;
        case TMsgDlgType::mtError:
            return QMessageBox::Critical;
        case TMsgDlgType::mtInformation:
            return QMessageBox::Information;
        case TMsgDlgType::mtConfirmation:
            return QMessageBox::Question;
        case TMsgDlgType::mtCustom:
            break;
    }
    return QMessageBox::NoIcon;
}

// Qt's own dialogs, never the desktop's, so they look and behave the same on every machine.
class TQtDialogs : public TDialogProvider {
public:
    std::optional<QString> ChooseFile(const TFileRequest& r) override {
        QFileDialog dialog(QApplication::activeWindow(), r.Title, r.InitialDir);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        // The save dialog component asks about overwriting itself, once the extension is on.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(r.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(r.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QStringList filters = QtNameFilters(r.Filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(r.FilterIndex - 1, filters.first()));
        }
        dialog.setDefaultSuffix(r.DefaultExt);
        dialog.setSizeGripEnabled(r.Options.Contains(TOpenOption::ofEnableSizing));
        if (!r.FileName.isEmpty()) dialog.selectFile(r.FileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }

    std::optional<TColor> ChooseColor(TColor initial) override {
        QColorDialog dialog(ToQColor(initial), QApplication::activeWindow());
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return FromQColor(dialog.selectedColor());
    }

    bool ChooseFont(TFont& font) override {
        const QFont initial = font.ToQFont();
        QFontDialog dialog(initial, QApplication::activeWindow());
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted) return false;
        const QFont chosen = dialog.selectedFont();
        // The installed family a classic name maps to keeps the classic name.
        if (chosen.family() != initial.family()) font.SetName(chosen.family());
        if (chosen.pixelSize() > 0)
            font.SetHeight(-chosen.pixelSize());
        else if (chosen.pointSize() > 0)
            font.SetSize(chosen.pointSize());
        TFontStyles style;
        if (chosen.bold()) style.Include(TFontStyle::fsBold);
        if (chosen.italic()) style.Include(TFontStyle::fsItalic);
        if (chosen.underline()) style.Include(TFontStyle::fsUnderline);
        if (chosen.strikeOut()) style.Include(TFontStyle::fsStrikeOut);
        font.SetStyle(style);
        return true;
    }

    TMsgDlgBtn Message(const TMessageRequest& r) override {
        QMessageBox box(QtIcon(r.Type), r.Caption, r.Text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        for (const auto& [ours, qt] : kQtButtons)
            if (r.Buttons.Contains(ours)) box.addButton(qt);
        const TMsgDlgBtn escape = EscapeButton(r.Buttons);
        for (const auto& [ours, qt] : kQtButtons)
            if (ours == escape) box.setEscapeButton(box.button(qt));
        box.exec();
        const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
        for (const auto& [ours, qt] : kQtButtons)
            if (qt == pressed && r.Buttons.Contains(ours)) return ours;
        return escape;
    }
};

TQtDialogs& QtDialogs() {
    static TQtDialogs dialogs;
    return dialogs;
}

TDialogProvider* gProvider = nullptr;

}  // namespace

TMsgDlgBtn EscapeButton(TMsgDlgButtons buttons) {
    for (TMsgDlgBtn b : {TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbAbort,
                         TMsgDlgBtn::mbIgnore, TMsgDlgBtn::mbOK, TMsgDlgBtn::mbRetry})
        if (buttons.Contains(b)) return b;
    return buttons.Contains(TMsgDlgBtn::mbYes) ? TMsgDlgBtn::mbYes : TMsgDlgBtn::mbOK;
}

TDialogProvider& DialogProvider() {
    return gProvider ? *gProvider : QtDialogs();
}

TDialogProvider* SetDialogProvider(TDialogProvider* provider) {
    return std::exchange(gProvider, provider);
}

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ').trimmed();
        if (!patterns.isEmpty()) result.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns));
    }
    return result;
}

// ---- TScriptedDialogs

TScriptedDialogs::TScriptedDialogs() : FPrevious(SetDialogProvider(this)) {}

TScriptedDialogs::~TScriptedDialogs() {
    SetDialogProvider(FPrevious);
}

TScriptedDialogs& TScriptedDialogs::AnswerFile(const QString& path) {
    FFiles.emplace_back(path);
    return *this;
}

TScriptedDialogs& TScriptedDialogs::CancelFile() {
    FFiles.emplace_back(std::nullopt);
    return *this;
}

TScriptedDialogs& TScriptedDialogs::AnswerColor(TColor color) {
    FColors.emplace_back(color);
    return *this;
}

TScriptedDialogs& TScriptedDialogs::CancelColor() {
    FColors.emplace_back(std::nullopt);
    return *this;
}

TScriptedDialogs& TScriptedDialogs::AnswerFont(std::function<void(TFont&)> choose) {
    FFonts.emplace_back(std::move(choose));
    return *this;
}

TScriptedDialogs& TScriptedDialogs::CancelFont() {
    FFonts.emplace_back(std::nullopt);
    return *this;
}

TScriptedDialogs& TScriptedDialogs::AnswerMessage(TMsgDlgBtn button) {
    FButtons.emplace_back(button);
    return *this;
}

// GCC 12 at -O3 takes the move of an engaged std::optional<QString> for a read of an
// uninitialised value (a known false positive); nothing here reads uninitialised memory.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
template <class T>
std::optional<T> TScriptedDialogs::Next(std::vector<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<T> answer = std::move(queue.front());
    queue.erase(queue.begin());
    return answer;
}
#pragma GCC diagnostic pop

std::optional<QString> TScriptedDialogs::ChooseFile(const TFileRequest& request) {
    FFileRequests.push_back(request);
    return Next(FFiles);
}

std::optional<TColor> TScriptedDialogs::ChooseColor(TColor initial) {
    FColorRequests.push_back(initial);
    return Next(FColors);
}

bool TScriptedDialogs::ChooseFont(TFont& font) {
    auto copy = std::make_unique<TFont>();
    copy->Assign(&font);
    FFontRequests.push_back(std::move(copy));
    const auto choose = Next(FFonts);
    if (!choose) return false;
    (*choose)(font);
    return true;
}

TMsgDlgBtn TScriptedDialogs::Message(const TMessageRequest& request) {
    FMessages.push_back(request);
    // A person can only press a button the box has.
    const auto button = Next(FButtons);
    return button && request.Buttons.Contains(*button) ? *button : EscapeButton(request.Buttons);
}

}  // namespace mox

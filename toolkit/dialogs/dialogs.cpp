#include "toolkit/dialogs/dialogs.h"

#include <QFileInfo>

#include "toolkit/controls/application.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {

TModalResult ResultOf(TMsgDlgBtn button) {
    switch (button) {
        case TMsgDlgBtn::mbYes:
            return mrYes;
        case TMsgDlgBtn::mbNo:
            return mrNo;
        case TMsgDlgBtn::mbOK:
            return mrOk;
        case TMsgDlgBtn::mbCancel:
            return mrCancel;
        case TMsgDlgBtn::mbAbort:
            return mrAbort;
        case TMsgDlgBtn::mbRetry:
            return mrRetry;
        case TMsgDlgBtn::mbIgnore:
            return mrIgnore;
    }
    return mrNone;
}

QString TypeCaption(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::mtWarning:
            return QStringLiteral("Warning");
        case TMsgDlgType::mtError:
            return QStringLiteral("Error");
        case TMsgDlgType::mtInformation:
            return QStringLiteral("Information");
        case TMsgDlgType::mtConfirmation:
            return QStringLiteral("Confirm");
        case TMsgDlgType::mtCustom:
            break;
    }
    return TApplication::Instance().Title();
}

TMsgDlgButtons ButtonsOf(int flags) {
    using B = TMsgDlgBtn;
    switch (flags & 0xF) {
        case MB_OKCANCEL:
            return {B::mbOK, B::mbCancel};
        case MB_ABORTRETRYIGNORE:
            return {B::mbAbort, B::mbRetry, B::mbIgnore};
        case MB_YESNOCANCEL:
            return {B::mbYes, B::mbNo, B::mbCancel};
        case MB_YESNO:
            return {B::mbYes, B::mbNo};
        case MB_RETRYCANCEL:
            return {B::mbRetry, B::mbCancel};
        default:
            return {B::mbOK};
    }
}

TMsgDlgType TypeOf(int flags) {
    switch (flags & 0xF0) {
        case MB_ICONERROR:
            return TMsgDlgType::mtError;
        case MB_ICONQUESTION:
            return TMsgDlgType::mtConfirmation;
        case MB_ICONWARNING:
            return TMsgDlgType::mtWarning;
        case MB_ICONINFORMATION:
            return TMsgDlgType::mtInformation;
        default:
            return TMsgDlgType::mtCustom;
    }
}

}  // namespace

// ---- file dialogs

const TClassInfo& TOpenDialog::StaticClass() {
    using C = TOpenDialog;
    static const TClassInfo info =
        TClassBuilder<C>("TOpenDialog", TComponent::StaticClass())
            .Creatable()
            .String("DefaultExt", &C::DefaultExt, &C::SetDefaultExt)
            .String("FileName", &C::FileName, &C::SetFileName)
            .String("Filter", &C::Filter, &C::SetFilter)
            .Integer("FilterIndex", &C::FilterIndex, &C::SetFilterIndex, 1)
            .String("InitialDir", &C::InitialDir, &C::SetInitialDir)
            .Set("Options", &C::Options, &C::SetOptions, TOpenOptions{})
            .String("Title", &C::Title, &C::SetTitle)
            .Build();
    return info;
}

const TClassInfo& TSaveDialog::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TSaveDialog>("TSaveDialog", TOpenDialog::StaticClass()).Creatable().Build();
    return info;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

TFileRequest TOpenDialog::Request(bool save) const {
    return TFileRequest{save,        FTitle,      FFilter,   FFilterIndex,
                        FDefaultExt, FInitialDir, FFileName, FOptions};
}

QString TOpenDialog::WithDefaultExt(const QString& name) const {
    QString ext = FDefaultExt;
    while (ext.startsWith(u'.'))
        ext.remove(0, 1);
    if (ext.isEmpty() || !QFileInfo(name).suffix().isEmpty()) return name;
    return name.endsWith(u'.') ? name + ext : name + u'.' + ext;
}

bool TOpenDialog::Execute() {
    const std::optional<QString> chosen = DialogProvider().ChooseFile(Request(false));
    if (!chosen) return false;
    FFileName = WithDefaultExt(*chosen);
    return true;
}

bool TSaveDialog::Execute() {
    TFileRequest request = Request(true);
    for (;;) {
        const std::optional<QString> chosen = DialogProvider().ChooseFile(request);
        if (!chosen) return false;
        // Checked with the extension on: "rack" is about to become "rack.res".
        const QString name = WithDefaultExt(*chosen);
        const bool ask =
            Options().Contains(TOpenOption::ofOverwritePrompt) && QFileInfo::exists(name);
        if (!ask || MessageBox(QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                   .arg(QFileInfo(name).fileName()),
                               Title().isEmpty() ? QStringLiteral("Save As") : Title(),
                               MB_YESNO | MB_ICONWARNING) == IDYES) {
            FFileName = name;
            return true;
        }
        request.FileName = name;
    }
}

// ---- colour and font

const TClassInfo& TColorDialog::StaticClass() {
    using C = TColorDialog;
    static const TClassInfo info = TClassBuilder<C>("TColorDialog", TComponent::StaticClass())
                                       .Creatable()
                                       .Color("Color", &C::Color, &C::SetColor, clBlack)
                                       .Build();
    return info;
}

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner) {}

bool TColorDialog::Execute() {
    const std::optional<TColor> chosen = DialogProvider().ChooseColor(FColor);
    if (!chosen) return false;
    FColor = *chosen;
    return true;
}

const TClassInfo& TFontDialog::StaticClass() {
    using C = TFontDialog;
    static const TClassInfo info = TClassBuilder<C>("TFontDialog", TComponent::StaticClass())
                                       .Creatable()
                                       .Object("Font", &C::Font, &C::SetFont)
                                       .Build();
    return info;
}

TFontDialog::TFontDialog(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

bool TFontDialog::Execute() {
    // The provider works on a copy, so a cancelled dialog cannot leave half a change behind.
    TFont chosen;
    chosen.Assign(FFont.get());
    if (!DialogProvider().ChooseFont(chosen)) return false;
    FFont->Assign(&chosen);
    return true;
}

// ---- message boxes

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return ResultOf(DialogProvider().Message({text, TypeCaption(type), type, buttons}));
}

int MessageBox(const QString& text, const QString& caption, int flags) {
    return ResultOf(DialogProvider().Message({text, caption, TypeOf(flags), ButtonsOf(flags)}));
}

void ShowMessage(const QString& text) {
    DialogProvider().Message(
        {text, TApplication::Instance().Title(), TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK}});
}

void RunReportingErrors(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        TApplication::Instance().HandleException(e);
    }
}

}  // namespace mox

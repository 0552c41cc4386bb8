#pragma once
// The standard dialogs as components a window owns (open, save, colour, font) and the message
// boxes. Every one of them asks through DialogProvider(), so a test can answer in place of the
// user.

#include <QString>
#include <functional>
#include <memory>

#include "toolkit/controls/controlenums.h"
#include "toolkit/core/component.h"
#include "toolkit/dialogs/dialogprovider.h"
#include "toolkit/graphics/colors.h"
#include "toolkit/graphics/font.h"

namespace mox {

class TOpenDialog : public TComponent {
    MOX_CLASS
public:
    explicit TOpenDialog(TComponent* owner);

    QString Title() const { return FTitle; }
    void SetTitle(const QString& value) { FTitle = value; }
    QString Filter() const { return FFilter; }
    void SetFilter(const QString& value) { FFilter = value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    // Added to a chosen name that has no extension ("res", without the dot).
    QString DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString& value) { FDefaultExt = value; }
    QString InitialDir() const { return FInitialDir; }
    void SetInitialDir(const QString& value) { FInitialDir = value; }
    // The name the dialog opens with and, after Execute answered true, the file chosen.
    QString FileName() const { return FFileName; }
    void SetFileName(const QString& value) { FFileName = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }

    // Shows the dialog; true when a file was chosen.
    virtual bool Execute();

protected:
    TFileRequest Request(bool save) const;
    // The chosen name with the default extension added where it has none.
    QString WithDefaultExt(const QString& name) const;

    QString FFileName;

private:
    QString FTitle;
    QString FFilter;
    int FFilterIndex = 1;
    QString FDefaultExt;
    QString FInitialDir;
    TOpenOptions FOptions;
};

class TSaveDialog : public TOpenDialog {
    MOX_CLASS
public:
    using TOpenDialog::TOpenDialog;

    // With ofOverwritePrompt, choosing an existing file asks before it is taken; No goes back
    // to the dialog.
    bool Execute() override;
};

class TColorDialog : public TComponent {
    MOX_CLASS
public:
    explicit TColorDialog(TComponent* owner);

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    // Opens with Color; on OK Color is the colour chosen and the answer is true.
    bool Execute();

private:
    TColor FColor = clBlack;
};

class TFontDialog : public TComponent {
    MOX_CLASS
public:
    explicit TFontDialog(TComponent* owner);
    ~TFontDialog() override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(value); }
    // Opens with Font; on OK Font is the font chosen and the answer is true.
    bool Execute();

private:
    std::unique_ptr<TFont> FFont;
};

// Message box styles and answers of the classic MessageBox call.
constexpr int MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
              MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
              MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;
constexpr int IDOK = mrOk, IDCANCEL = mrCancel, IDABORT = mrAbort, IDRETRY = mrRetry,
              IDIGNORE = mrIgnore, IDYES = mrYes, IDNO = mrNo;

// A box captioned after its type ("Confirm", "Warning"...); the answer is the modal result of
// the button pressed.
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
// A box with a caption of its own; `flags` combine one MB_ button set and one MB_ICON. Answers
// IDOK, IDYES, IDNO...
int MessageBox(const QString& text, const QString& caption, int flags);
// A box with an OK button, captioned with the application's title.
void ShowMessage(const QString& text);

// Runs an event handler that Qt called. An exception it raises is reported the way the message
// loop reports one, instead of travelling on through Qt.
void RunReportingErrors(const std::function<void()>& handler);

}  // namespace mox

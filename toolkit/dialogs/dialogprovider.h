#pragma once
// The one place every standard dialog and message box asks its question. The default provider
// shows Qt's dialogs; a test installs a scripted one. The code that asks never knows which
// answered.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/core/typeinfo.h"
#include "toolkit/graphics/colors.h"

namespace mox {

class TFont;

MOX_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
MOX_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
MOX_ENUM(TOpenOption, ofOverwritePrompt, ofEnableSizing)
using TOpenOptions = TSet<TOpenOption>;

struct TFileRequest {
    bool Save = false;
    QString Title;
    QString Filter;  // "Rack files|*.res" pairs of description and patterns
    int FilterIndex = 1;
    QString DefaultExt;
    QString InitialDir;
    QString FileName;
    TOpenOptions Options;
};

struct TMessageRequest {
    QString Text;
    QString Caption;
    TMsgDlgType Type = TMsgDlgType::mtCustom;
    TMsgDlgButtons Buttons;
};

// The button a box answers when it is closed without a choice (Escape, the close box).
TMsgDlgBtn EscapeButton(TMsgDlgButtons buttons);

class TDialogProvider {
public:
    virtual ~TDialogProvider() = default;
    // The file chosen, none when cancelled.
    virtual std::optional<QString> ChooseFile(const TFileRequest& request) = 0;
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;
    // Changes `font` and answers true when confirmed; leaves it as it was when cancelled.
    virtual bool ChooseFont(TFont& font) = 0;
    // The button pressed: one of the request's buttons.
    virtual TMsgDlgBtn Message(const TMessageRequest& request) = 0;
};

// The provider in force: the one installed last, else the one showing Qt's dialogs.
TDialogProvider& DialogProvider();
// Installs `provider` (none: back to Qt's dialogs) and returns the one it replaces.
TDialogProvider* SetDialogProvider(TDialogProvider* provider);

// Qt name filters ("Rack files (*.res)") for a classic filter string; a description without
// patterns is left out.
QStringList QtNameFilters(const QString& filter);

// Answers the program's questions from a script, for tests, and records every question. It is
// in force while it exists. Each kind of question takes its answers in order; a question with
// no answer left is cancelled (a message box gets its Escape answer).
class TScriptedDialogs : public TDialogProvider {
public:
    TScriptedDialogs();
    ~TScriptedDialogs() override;
    TScriptedDialogs(const TScriptedDialogs&) = delete;
    TScriptedDialogs& operator=(const TScriptedDialogs&) = delete;

    TScriptedDialogs& AnswerFile(const QString& path);
    TScriptedDialogs& CancelFile();
    TScriptedDialogs& AnswerColor(TColor color);
    TScriptedDialogs& CancelColor();
    // `choose` edits the font the dialog was opened with.
    TScriptedDialogs& AnswerFont(std::function<void(TFont&)> choose);
    TScriptedDialogs& CancelFont();
    TScriptedDialogs& AnswerMessage(TMsgDlgBtn button);

    const std::vector<TFileRequest>& FileRequests() const { return FFileRequests; }
    const std::vector<TColor>& ColorRequests() const { return FColorRequests; }
    // Copies of the fonts the font dialog was opened with.
    const std::vector<std::unique_ptr<TFont>>& FontRequests() const { return FFontRequests; }
    const std::vector<TMessageRequest>& Messages() const { return FMessages; }

    std::optional<QString> ChooseFile(const TFileRequest& request) override;
    std::optional<TColor> ChooseColor(TColor initial) override;
    bool ChooseFont(TFont& font) override;
    TMsgDlgBtn Message(const TMessageRequest& request) override;

private:
    template <class T>
    static std::optional<T> Next(std::vector<std::optional<T>>& queue);

    TDialogProvider* FPrevious;
    std::vector<std::optional<QString>> FFiles;
    std::vector<std::optional<TColor>> FColors;
    std::vector<std::optional<std::function<void(TFont&)>>> FFonts;
    std::vector<std::optional<TMsgDlgBtn>> FButtons;
    std::vector<TFileRequest> FFileRequests;
    std::vector<TColor> FColorRequests;
    std::vector<std::unique_ptr<TFont>> FFontRequests;
    std::vector<TMessageRequest> FMessages;
};

}  // namespace mox

#pragma once
// TButton: a push button on a Qt QPushButton. Its caption marks the accelerator with '&'; the
// default button answers Enter and the cancel button Escape anywhere in its window.

#include "toolkit/wincontrol.h"

class QPushButton;

namespace mox {

// What a modal window or a message box answers; the button numbers of the classic boxes.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7;

class TButton : public TWinControl {
    MOX_CLASS
public:
    explicit TButton(TComponent* owner);
    ~TButton() override;

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value);
    // The answer a modal window gives when this button closes it.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }

    // Presses the button from code: raises OnClick.
    void Click() override;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget(QWidget* widget) override;
    bool NativeWidget() const override { return true; }
    void WndProc(TMessage& message) override;

private:
    QPushButton* Button() const;
    void ApplyCaption();
    void ApplyKeys();

    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};

}  // namespace mox

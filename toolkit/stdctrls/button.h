#pragma once
// TButton: a push button on a Qt QPushButton. Its caption marks the accelerator with '&'; the
// default button answers Enter and the cancel button Escape anywhere in its window.

#include "toolkit/controls/wincontrol.h"

class QPushButton;

namespace mox {

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

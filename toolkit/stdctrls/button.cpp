#include "toolkit/stdctrls/button.h"

#include <QPushButton>
#include <QShortcut>

#include "toolkit/core/classbuilder.h"
#include "toolkit/dialogs/dialogs.h"
#include "toolkit/graphics/drawtext.h"

namespace mox {

const TClassInfo& TButton::StaticClass() {
    using C = TButton;
    static const TClassInfo info =
        TClassBuilder<C>("TButton", TWinControl::StaticClass())
            .Creatable()
            .String("Caption", &C::Caption, &C::SetCaption)
            .Boolean("Default", &C::Default, &C::SetDefault, false)
            .Boolean("Cancel", &C::Cancel, &C::SetCancel, false)
            .Integer("ModalResult", &C::ModalResult, &C::SetModalResult, mrNone)
            .Event("OnClick", &C::OnClick)
            .Build();
    return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    // Clicks come from Qt's clicked signal alone (mouse and keyboard alike), so the toolkit's
    // own press-release click and mouse grab stay out of it.
    SetControlStyle(
        TControlStyle{TControlStyleFlag::csSetCaption, TControlStyleFlag::csDoubleClicks});
    SetTabStop(true);
    StoreBounds(0, 0, 75, 25);
}

TButton::~TButton() = default;

void TButton::SetDefault(bool value) {
    if (value == FDefault) return;
    FDefault = value;
    ApplyKeys();
}

void TButton::SetCancel(bool value) {
    if (value == FCancel) return;
    FCancel = value;
    ApplyKeys();
}

void TButton::Click() {
    TWinControl::Click();
}

QWidget* TButton::CreateWidget(QWidget* parentWidget) {
    auto* button = new QPushButton(parentWidget);
    QObject::connect(button, &QPushButton::clicked, button,
                     [this] { RunReportingErrors([this] { Click(); }); });
    return button;
}

void TButton::InitWidget(QWidget* widget) {
    TWinControl::InitWidget(widget);
    widget->setFont(Font()->ToQFont());
    ApplyCaption();
    ApplyKeys();
}

QPushButton* TButton::Button() const {
    return static_cast<QPushButton*>(WindowHandle());
}

void TButton::ApplyCaption() {
    if (!HandleAllocated()) return;
    Button()->setText(Caption());
    Button()->setAccessibleName(ResolvePrefixes(Caption()).Text);
}

void TButton::ApplyKeys() {
    if (!HandleAllocated()) return;
    QPushButton* button = Button();
    for (QShortcut* old : button->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
        delete old;
    button->setDefault(FDefault);
    // Forms are plain windows, not dialogs, so Enter and Escape are bound here.
    auto bind = [this, button](Qt::Key key) {
        auto* shortcut = new QShortcut(QKeySequence(key), button);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [this] {
            if (Enabled() && Visible()) RunReportingErrors([this] { Click(); });
        });
    };
    if (FDefault) {
        bind(Qt::Key_Return);
        bind(Qt::Key_Enter);
    }
    if (FCancel) bind(Qt::Key_Escape);
}

void TButton::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (!HandleAllocated()) return;
    if (message.Msg == CM_TEXTCHANGED) ApplyCaption();
    if (message.Msg == CM_FONTCHANGED) WindowHandle()->setFont(Font()->ToQFont());
}

}  // namespace mox

#include "toolkit/controls/form.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "toolkit/controls/application.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {
class TFormWidget : public QWidget {
public:
    TFormWidget() : QWidget(nullptr) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }
};

bool IsSizeable(TFormBorderStyle style) {
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}
}  // namespace

const TClassInfo& TCustomForm::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomForm>("TCustomForm", TWinControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TForm::StaticClass() {
    using C = TForm;
    using enum TAnchorKind;
    // What a form stores, in the order forms have always been written.
    static const TClassInfo info =
        TClassBuilder<C>("TForm", TCustomForm::StaticClass())
            .Redeclare(u"Width", std::nullopt)
            .Stored(&C::IsFormSizeStored)
            .Redeclare(u"Height", std::nullopt)
            .Stored(&C::IsFormSizeStored)
            .Object("HorzScrollBar", &C::HorzScrollBar)
            .Object("VertScrollBar", &C::VertScrollBar)
            .Component("Action", &C::Action, &C::SetAction)
            .Component("ActiveControl", &C::ActiveControl, &C::SetActiveControl)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Boolean("AlphaBlend", &C::AlphaBlend, &C::SetAlphaBlend, false)
            .Integer("AlphaBlendValue", &C::AlphaBlendValue, &C::SetAlphaBlendValue, 255)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Boolean("AutoScroll", &C::AutoScroll, &C::SetAutoScroll)
            .Stored(&C::IsAutoScrollStored)
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, false)
            .Enumeration("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
            .Stored(&C::IsBiDiModeStored)
            .Set("BorderIcons", &C::BorderIcons, &C::SetBorderIcons,
                 TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                              TBorderIcon::biMaximize})
            .Enumeration("BorderStyle", &C::BorderStyle, &C::SetBorderStyle,
                         TFormBorderStyle::bsSizeable)
            .Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 0)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Integer("ClientHeight", &C::ClientHeight, &C::SetClientHeight)
            .Stored(&C::IsClientSizeStored)
            .Integer("ClientWidth", &C::ClientWidth, &C::SetClientWidth)
            .Stored(&C::IsClientSizeStored)
            .Color("Color", &C::Color, &C::SetColor)
            .Stored(&C::IsColorStored)
            .Boolean("TransparentColor", &C::TransparentColor, &C::SetTransparentColor, false)
            .Color("TransparentColorValue", &C::TransparentColorValue, &C::SetTransparentColorValue,
                   0)
            .Object("Constraints", &C::Constraints)
            .Boolean("Ctl3D", &C::Ctl3D, &C::SetCtl3D, true)
            .Stored(&C::IsCtl3DStored)
            .Boolean("UseDockManager", &C::UseDockManager, &C::SetUseDockManager, false)
            .Enumeration("DefaultMonitor", &C::DefaultMonitor, &C::SetDefaultMonitor,
                         TDefaultMonitor::dmActiveForm)
            .Boolean("DockSite", &C::DockSite, &C::SetDockSite, false)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, false)
            .Object("Font", &C::Font)
            .Stored(&C::IsFontStored)
            .Enumeration("FormStyle", &C::FormStyle, &C::SetFormStyle, TFormStyle::fsNormal)
            .String("HelpFile", &C::HelpFile, &C::SetHelpFile)
            .Object("Icon", &C::Icon)
            .Stored(&C::IsIconStored)
            .Boolean("KeyPreview", &C::KeyPreview, &C::SetKeyPreview, false)
            .Component("Menu", &C::Menu, &C::SetMenu)
            .Boolean("OldCreateOrder", &C::OldCreateOrder, &C::SetOldCreateOrder)
            .Component("ObjectMenuItem", &C::ObjectMenuItem, &C::SetObjectMenuItem)
            .Boolean("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode, true)
            .Integer("PixelsPerInch", &C::PixelsPerInch, &C::SetPixelsPerInch)
            .NotStored()
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Enumeration("Position", &C::Position, &C::SetPosition, TPosition::poDesigned)
            .Enumeration("PrintScale", &C::PrintScale, &C::SetPrintScale,
                         TPrintScale::poProportional)
            .Boolean("Scaled", &C::Scaled, &C::SetScaled, true)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Visible", &C::Visible, &C::SetVisible, false)
            .Enumeration("WindowState", &C::WindowState, &C::SetWindowState, TWindowState::wsNormal)
            .Component("WindowMenu", &C::WindowMenu, &C::SetWindowMenu)
            .Event("OnActivate", &C::OnActivate)
            .Event("OnClick", &C::OnClick)
            .Event("OnClose", &C::OnClose)
            .Event("OnCloseQuery", &C::OnCloseQuery)
            .Event("OnCreate", &C::OnCreate)
            .Event("OnDeactivate", &C::OnDeactivate)
            .Event("OnHide", &C::OnHide)
            .Event("OnPaint", &C::OnPaint)
            .Event("OnResize", &C::OnResize)
            .Event("OnShow", &C::OnShow)
            .Build();
    return info;
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner),
      FCanvas(std::make_unique<TCanvas>()),
      FHorzScrollBar(std::make_unique<TControlScrollBar>()),
      FVertScrollBar(std::make_unique<TControlScrollBar>()),
      FIcon(std::make_unique<TIcon>()) {
    SetControlStyle(TControlStyle{TControlStyleFlag::csAcceptsControls,
                                  TControlStyleFlag::csCaptureMouse,
                                  TControlStyleFlag::csClickEvents, TControlStyleFlag::csSetCaption,
                                  TControlStyleFlag::csDoubleClicks});
    SetColor(clBtnFace);
    SetParentFont(false);
    SetParentCtl3D(false);
    StoreBounds(0, 0, 320, 240);
    TControl::SetVisible(false);
    TScreen::Instance().AddForm(this);
    TApplication::Instance().FormCreated(this);
}

TCustomForm::~TCustomForm() {
    Destroying();
    TApplication::Instance().FormDestroyed(this);
    TScreen::Instance().RemoveForm(this);
}

void TCustomForm::DoCreate() {
    OnCreate(this);
}

QWidget* TCustomForm::CreateWidget(QWidget*) {
    return new TFormWidget();
}

void TCustomForm::InitWidget(QWidget* widget) {
    TWinControl::InitWidget(widget);
    ApplyWindowFlags();
    ApplyCaption();
    ApplyWindowGeometry();
}

void TCustomForm::ApplyWindowFlags() {
    if (!HandleAllocated()) return;
    QWidget* w = WindowHandle();
    Qt::WindowFlags flags;
    switch (FBorderStyle) {
        case TFormBorderStyle::bsNone:
            flags = Qt::Window | Qt::FramelessWindowHint;
            break;
        case TFormBorderStyle::bsToolWindow:
        case TFormBorderStyle::bsSizeToolWin:
            flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        case TFormBorderStyle::bsDialog:
            flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        default:
            flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
    }
    if (FBorderStyle != TFormBorderStyle::bsNone) {
        if (FBorderIcons.Contains(TBorderIcon::biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (FBorderIcons.Contains(TBorderIcon::biMinimize) &&
            FBorderStyle != TFormBorderStyle::bsDialog)
            flags |= Qt::WindowMinimizeButtonHint;
        if (FBorderIcons.Contains(TBorderIcon::biMaximize) && IsSizeable(FBorderStyle))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (FFormStyle == TFormStyle::fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    const bool wasVisible = w->isVisible();
    w->setWindowFlags(flags);  // hides the window
    ApplySizeLimits();
    if (wasVisible) w->show();
}

void TCustomForm::ApplySizeLimits() {
    if (!HandleAllocated()) return;
    QWidget* w = WindowHandle();
    if (!IsSizeable(FBorderStyle)) {
        w->setFixedSize(std::max(Width(), 0), std::max(Height(), 0));
        return;
    }
    const TSizeConstraints* c = Constraints();
    w->setMinimumSize(c->MinWidth(), c->MinHeight());
    w->setMaximumSize(c->MaxWidth() > 0 ? c->MaxWidth() : QWIDGETSIZE_MAX,
                      c->MaxHeight() > 0 ? c->MaxHeight() : QWIDGETSIZE_MAX);
}

void TCustomForm::ApplyWindowGeometry() {
    if (!HandleAllocated() || FApplyingGeometry) return;
    FApplyingGeometry = true;
    QWidget* w = WindowHandle();
    ApplySizeLimits();
    w->move(Left(), Top());
    w->resize(std::max(Width(), 0), std::max(Height(), 0));
    FApplyingGeometry = false;
}

void TCustomForm::ApplyCaption() {
    if (HandleAllocated()) WindowHandle()->setWindowTitle(Caption());
}

void TCustomForm::BoundsChanged(const TRect& old) {
    ApplyWindowGeometry();
    TWinControl::BoundsChanged(old);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
    if (value == FBorderIcons) return;
    FBorderIcons = value;
    ApplyWindowFlags();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
    if (value == FFormStyle) return;
    FFormStyle = value;
    ApplyWindowFlags();
}

void TCustomForm::SetWindowState(TWindowState value) {
    FWindowState = value;
    if (!HandleAllocated() || !Visible()) return;
    switch (value) {
        case TWindowState::wsMinimized:
            WindowHandle()->showMinimized();
            break;
        case TWindowState::wsMaximized:
            WindowHandle()->showMaximized();
            break;
        case TWindowState::wsNormal:
            WindowHandle()->showNormal();
            break;
    }
}

void TCustomForm::SetVisible(bool value) {
    if (value == Visible()) return;
    if (value) {
        OnShow(this);
        TControl::SetVisible(true);
        QWidget* w = Handle();
        if (FPosition == TPosition::poScreenCenter || FPosition == TPosition::poDesktopCenter) {
            if (const QScreen* s = QGuiApplication::primaryScreen()) {
                const QRect area = s->availableGeometry();
                SetBounds(area.x() + (area.width() - Width()) / 2,
                          area.y() + (area.height() - Height()) / 2, Width(), Height());
            }
        }
        w->show();
    } else {
        TControl::SetVisible(false);
        if (HandleAllocated()) WindowHandle()->hide();
        OnHide(this);
    }
}

bool TCustomForm::Showing() const {
    return Visible() && TWinControl::Showing();
}

void TCustomForm::Show() {
    SetVisible(true);
    WindowHandle()->raise();
    WindowHandle()->activateWindow();
}

void TCustomForm::Close() {
    if (HandleAllocated() && WindowHandle()->isVisible())
        WindowHandle()->close();  // the close request comes back through CloseQueryAndClose
    else
        CloseQueryAndClose();
}

bool TCustomForm::CloseQueryAndClose() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    if (!canClose) return false;
    const bool isMain = TApplication::Instance().MainForm() == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    OnClose(this, action);
    switch (action) {
        case TCloseAction::caNone:
            return false;
        case TCloseAction::caMinimize:
            if (HandleAllocated()) WindowHandle()->showMinimized();
            return false;
        default:
            TControl::SetVisible(false);
            OnHide(this);
            if (isMain) TApplication::Instance().Terminate();
            return true;
    }
}

bool TCustomForm::Active() const {
    return HandleAllocated() && QApplication::activeWindow() == WindowHandle();
}

bool TCustomForm::StartSystemMove() {
    // Qt's own move keeps the window manager in charge (snapping, other screens, Wayland, where
    // a program may not place its windows itself); it needs the press that is still held.
    QWindow* window = HandleAllocated() ? WindowHandle()->windowHandle() : nullptr;
    return window && window->startSystemMove();
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control && control->CanFocus()) {
        control->SetFocus();
        FActiveControl = control;
        return;
    }
    FActiveControl = nullptr;
    if (HandleAllocated()) WindowHandle()->setFocus(Qt::OtherFocusReason);
}

void TCustomForm::FocusChanged(TWinControl* control) {
    FActiveControl = control == this ? nullptr : control;
}

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_ACTIVATE:
            Activate();
            break;
        case CM_DEACTIVATE:
            Deactivate();
            break;
        case CM_TEXTCHANGED:
            ApplyCaption();
            break;
        case WM_SYSCOMMAND:
            if (message.WParam == SC_DRAGMOVE) message.Result = StartSystemMove() ? 1 : 0;
            break;
        default:
            break;
    }
    TWinControl::WndProc(message);
}

void TCustomForm::Activate() {
    OnActivate(this);
}

void TCustomForm::DefineProperties(TFiler& filer) {
    TWinControl::DefineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("PixelsPerInch"),
        [this](TReader& r) { FPixelsPerInch = static_cast<int>(r.ReadInteger()); },
        [this](TWriter& w) { w.WriteInteger(FPixelsPerInch); }, true);
    // The line height of the form's font; kept for files that compare it, not used for scaling.
    filer.DefineProperty(
        QStringLiteral("TextHeight"), [](TReader& r) { r.ReadInteger(); },
        [this](TWriter& w) { w.WriteInteger(Font()->Metric().Height()); }, true);
}

bool TCustomForm::IsFormSizeStored() const {
    return FAutoScroll || FHorzScrollBar->Range() != 0 || FVertScrollBar->Range() != 0;
}

void TCustomForm::SetAutoScroll(bool v) {
    FAutoScroll = v;
    if (Loading()) FAutoScrollRead = true;
}

// A stream leaves AutoScroll out when it is what the border style implies, so a form loaded
// without it takes that value.
void TCustomForm::Loaded() {
    TWinControl::Loaded();
    if (!FAutoScrollRead) FAutoScroll = IsSizeable(FBorderStyle);
    FAutoScrollRead = false;
}

bool TCustomForm::IsAutoScrollStored() const {
    const bool sizeable = IsSizeable(FBorderStyle);
    return FAutoScroll != sizeable;
}

void TCustomForm::SetAlphaBlend(bool v) {
    FAlphaBlend = v;
    if (HandleAllocated()) WindowHandle()->setWindowOpacity(v ? FAlphaBlendValue / 255.0 : 1.0);
}

void TCustomForm::SetAlphaBlendValue(int v) {
    FAlphaBlendValue = std::clamp(v, 0, 255);
    SetAlphaBlend(FAlphaBlend);
}

void TCustomForm::Deactivate() {
    OnDeactivate(this);
}

void TCustomForm::PaintWindow(QPainter& painter, const TRect& dirty) {
    TWinControl::PaintWindow(painter, dirty);
    if (!OnPaint) return;
    FCanvas->BindPainter(&painter);
    try {
        Paint();
    } catch (...) {
        FCanvas->UnbindPainter();
        throw;
    }
    FCanvas->UnbindPainter();
}

void TCustomForm::Paint() {
    OnPaint(this);
}

TCustomForm* GetParentForm(const TControl* control) {
    while (control && control->Parent())
        control = control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

}  // namespace mox

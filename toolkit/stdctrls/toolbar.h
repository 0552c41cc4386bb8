#pragma once
// Tool bars of a window: a dock (TToolBarDock) stacks its tool bars (TToolBar) in rows, one under
// the other, and keeps itself as high as they need. A tool bar holds buttons (TToolButton):
// components the window owns and finds by name, shown as actions of a QToolBar that can neither
// float nor move.

#include <QPointer>
#include <memory>
#include <vector>

#include "toolkit/controls/wincontrol.h"

class QAction;
class QToolBar;

namespace mox {

class TBitmap;
class TToolBar;

MOX_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsSeparator)

class TToolButton : public TComponent {
    MOX_CLASS
public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    TToolBar* ToolBar() const { return FToolBar; }
    // Moves the button to the end of `toolBar` (none: off every tool bar).
    void SetToolBar(TToolBar* toolBar);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    QString Hint() const { return FHint; }
    void SetHint(const QString& value);
    // The button's picture (its bottom-left pixel names the see-through colour); empty for
    // none.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value);
    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Whether a check button is checked; other styles are never down.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool Checked() const { return Down(); }
    void SetChecked(bool value) { SetDown(value); }

    // Presses the button from code: a check button toggles, then OnClick is raised.
    void Click();

    TNotifyEvent OnClick;

private:
    friend class TToolBar;
    // Shows the button on the tool bar's widget as one more action.
    void AddAction(QToolBar* bar);
    void ApplyToAction();
    void Triggered();

    TToolBar* FToolBar = nullptr;
    QPointer<QAction> FAction;
    QString FCaption;
    QString FHint;
    std::unique_ptr<TBitmap> FGlyph;
    TToolButtonStyle FStyle = TToolButtonStyle::tbsButton;
    bool FEnabled = true;
    bool FDown = false;
};

class TToolBar : public TWinControl {
    MOX_CLASS
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    TToolButton* Buttons(int index) const;  // EListError out of range
    // Lets every button of the bar up.
    void UncheckAll();
    // The height the bar needs for its buttons.
    int RowHeight() const;
    // Whether hovering a button shows its hint: the bar's ShowHint and the application's.
    bool HintsShown() const;
    // Captions beside the buttons' pictures (true), or pictures alone with the caption as hint
    // and accessible name (false).
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool value);

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget(QWidget* widget) override;
    bool NativeWidget() const override { return true; }
    void WndProc(TMessage& message) override;

private:
    friend class TToolButton;
    void Insert(TToolButton* button);
    void Remove(TToolButton* button);
    // The bar's height may have changed, or whether it shows: the dock lays its rows out again.
    void Relayout();
    QToolBar* Bar() const;

    std::vector<TToolButton*> FButtons;
    bool FShowCaptions = true;
};

class TToolBarDock : public TWinControl {
    MOX_CLASS
public:
    explicit TToolBarDock(TComponent* owner);

protected:
    // Stacks the children from the first created down, each as high as it needs, and fits the
    // dock's height to them.
    void AlignControls(TRect& rect) override;

private:
    bool FAligning = false;
};

}  // namespace mox

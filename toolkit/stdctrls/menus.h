#pragma once
// The context menu: TPopupMenu lists TMenuItem components (owned by the window that owns the
// menu, so they are found by name) and shows them in a QMenu at a screen point.

#include <QString>
#include <vector>

#include "toolkit/core/component.h"

namespace mox {

class TPopupMenu;

class TMenuItem : public TComponent {
    MOX_CLASS
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    TPopupMenu* Menu() const { return FMenu; }
    // "&" marks the accelerator ("Align to &Grid"); "-" makes the item a separator line.
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value) { FCaption = value; }
    bool IsLine() const { return FCaption == QStringLiteral("-"); }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value) { FChecked = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }

    // Raises OnClick, as choosing the item does.
    void Click();

    TNotifyEvent OnClick;

private:
    friend class TPopupMenu;
    TPopupMenu* FMenu = nullptr;
    QString FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
};

class TPopupMenu : public TComponent {
    MOX_CLASS
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const;  // EListError out of range
    // Appends `item`, taking it from any other menu.
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);

    // Raises OnPopup, shows the visible items at the screen point (x, y) and returns once the
    // menu has closed and the chosen item's OnClick has run.
    void Popup(int x, int y);

    TNotifyEvent OnPopup;

private:
    std::vector<TMenuItem*> FItems;
};

}  // namespace mox

#pragma once
// TSpeedButton: a tool button that never takes the focus, with a glyph of up to four images side
// by side: up, disabled, pressed, held down (a glyph without the last shows the pressed image
// while held down; one without a disabled image is greyed when disabled). Buttons of the same
// parent that share a GroupIndex other than 0 stay down one at a time, like radio buttons.
//
// It is windowed, on a QToolButton: Qt's style draws the flat and hover looks and greys a glyph
// that has no disabled image of its own, and a button with a window of its own is visible to
// accessibility tools, so end-to-end tests can find it by name: its caption, or its hint when it
// has none (as the hint was when the window was made or the caption last changed).

#include <memory>

#include "toolkit/controls/wincontrol.h"
#include "toolkit/graphics/bitmap.h"

class QIcon;
class QToolButton;

namespace mox {

class TSpeedButton : public TWinControl {
    MOX_CLASS
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value) { FGlyph->Assign(value); }
    // How many images the glyph holds side by side, 1 to 4.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    // Whether every button of the group may be up at once; shared by the whole group.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    // Only a button with a GroupIndex stays down; putting one down lets the others of its group
    // up, and the last one down of a group without AllowAllUp cannot be let up.
    bool Down() const { return FDown; }
    void SetDown(bool value);

    // Presses the button from code, as a click would.
    void Click() override;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget(QWidget* widget) override;
    bool NativeWidget() const override { return true; }
    void WndProc(TMessage& message) override;

private:
    QToolButton* Button() const;
    // Siblings of the same group, this one excluded.
    std::vector<TSpeedButton*> GroupMates() const;
    // The glyph's images for the button's states; `pressed` while the mouse holds it.
    QIcon GlyphIcon(bool pressed) const;
    void ApplyLook();
    void ApplyDown();

    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FDown = false;
    bool FFlat = false;
};

}  // namespace mox

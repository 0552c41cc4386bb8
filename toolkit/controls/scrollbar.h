#pragma once
// The scroll bar settings of a form. Forms here never scroll, but the settings are part of what
// a form stores, so they round-trip through rack files.

#include "toolkit/core/persistent.h"
#include "toolkit/graphics/colors.h"

namespace mox {

MOX_ENUM(TScrollBarStyle, ssRegular, ssFlat, ssHotTrack)

class TControlScrollBar : public TPersistent {
    MOX_CLASS
public:
    int ButtonSize() const { return FButtonSize; }
    void SetButtonSize(int v) { FButtonSize = v; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int v) { FIncrement = v; }
    int Margin() const { return FMargin; }
    void SetMargin(int v) { FMargin = v; }
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v) { FParentColor = v; }
    int Position() const { return FPosition; }
    void SetPosition(int v) { FPosition = v; }
    int Range() const { return FRange; }
    void SetRange(int v) { FRange = v; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool v) { FSmooth = v; }
    int Size() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    TScrollBarStyle Style() const { return FStyle; }
    void SetStyle(TScrollBarStyle v) { FStyle = v; }
    int ThumbSize() const { return FThumbSize; }
    void SetThumbSize(int v) { FThumbSize = v; }
    bool Tracking() const { return FTracking; }
    void SetTracking(bool v) { FTracking = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }

    void Assign(const TPersistent* source) override;

private:
    int FButtonSize = 0;
    TColor FColor = clBtnHighlight;
    int FIncrement = 8;
    int FMargin = 0;
    bool FParentColor = true;
    int FPosition = 0;
    int FRange = 0;
    bool FSmooth = false;
    int FSize = 0;
    TScrollBarStyle FStyle = TScrollBarStyle::ssRegular;
    int FThumbSize = 0;
    bool FTracking = false;
    bool FVisible = true;
};

// A window icon as stored data; the program keeps it without showing it.
class TIcon : public TPersistent {
    MOX_CLASS
public:
    bool Empty() const { return FData.isEmpty(); }
    QByteArray Data() const { return FData; }
    void SetData(const QByteArray& data) { FData = data; }
    void DefineProperties(TFiler& filer) override;
    void Assign(const TPersistent* source) override;

private:
    QByteArray FData;
};

}  // namespace mox

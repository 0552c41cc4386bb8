#pragma once
// The base classes of every instrument control. Each instrument paints into an off-screen image
// of its own size and copies it to the screen in one block, so nothing flickers however often it
// changes. The windowed family serves the input instruments (they take the focus); the
// non-windowed one serves the output instruments and can be transparent: it then starts its
// image from a snapshot of what its parent shows behind it, taken afresh after any repaint that
// a property change did not cause. The image is made at the control's size when it is first
// needed, not when the control is created, loaded or resized: a large rack that is never shown
// costs no pixels.

#include <memory>

#include "instruments/base/vrtypes.h"
#include "toolkit/controls/graphiccontrol.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

class TVrCustomControl : public TCustomControl {
    MOX_CLASS
public:
    explicit TVrCustomControl(TComponent* owner);

    TVrVersion Version() const { return QString::fromLatin1(kVrVersion); }
    void SetVersion(const TVrVersion&) {}

    // Repaints at once; nothing while the control is being loaded.
    virtual void RedrawControl();

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnFontChanged;
    TNotifyEvent OnTextChanged;

protected:
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    virtual void DoFontChanged();
    virtual void DoTextChanged();
    void WndProc(TMessage& message) override;
};

class TVrCustomImageControl : public TVrCustomControl {
    MOX_CLASS
public:
    explicit TVrCustomImageControl(TComponent* owner);
    ~TVrCustomImageControl() override;

    // Where instruments draw; never on the window canvas. Both make the image at the control's
    // size if it is missing or of an older size.
    TCanvas* ImageCanvas() const { return SizedImage().Canvas(); }
    const TBitmap& Image() const { return SizedImage(); }
    // Whether the image has pixels yet; makes nothing.
    bool HasImage() const { return !FImage->Empty(); }

protected:
    // Fills the whole image with Color.
    virtual void PrepareImage();
    // Copies the image to the window in one block; instruments end their own Paint with it.
    void Paint() override;
    // The image at the control's size, for instruments that write its pixels directly.
    TBitmap& SizedImage() const;

private:
    std::unique_ptr<TBitmap> FImage;
};

class TVrGraphicControl : public TGraphicControl {
    MOX_CLASS
public:
    explicit TVrGraphicControl(TComponent* owner);

    TVrVersion Version() const { return QString::fromLatin1(kVrVersion); }
    void SetVersion(const TVrVersion&) {}

    // Published by the instruments whose size follows their content.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

    // Repaints at once; nothing while the control is being loaded.
    virtual void RedrawControl();
    // With AutoSize and a free or edge alignment, re-applies the bounds (so SetBounds can impose
    // the size the content needs); otherwise only repaints.
    virtual void ApplyAutoSize();
    // Re-applies the current bounds through SetBounds; repaints when they stay the same (a new
    // size repaints anyway). Nothing while loading.
    virtual void ReapplyBounds();

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnFontChanged;
    TNotifyEvent OnTextChanged;

protected:
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    virtual void DoFontChanged();
    virtual void DoTextChanged();
    void WndProc(TMessage& message) override;

private:
    bool FAutoSize = false;
};

class TVrGraphicImageControl : public TVrGraphicControl {
    MOX_CLASS
public:
    explicit TVrGraphicImageControl(TComponent* owner);
    ~TVrGraphicImageControl() override;

    // Published by the instruments that offer it.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // Where instruments draw; never on the window canvas. Code outside the user-interface thread
    // locks Canvas() and then ImageCanvas() before drawing, as painting does.
    // Both make the image at the control's size if it is missing or of an older size.
    TCanvas* ImageCanvas() const { return SizedImage().Canvas(); }
    const TBitmap& Image() const { return SizedImage(); }
    // Whether the image has pixels yet; makes nothing.
    bool HasImage() const { return !FImage->Empty(); }
    // The parent's pixels behind the control, as last taken (empty until the first transparent
    // paint).
    const TBitmap& Background() const { return *FBackground; }
    // Whether the next PrepareImage takes a fresh snapshot of the background.
    bool GrabBackground() const { return FGrabBackground; }

    void RedrawControl() override;

protected:
    // Starts the image: Color, or the background snapshot when transparent.
    virtual void PrepareImage();
    // Copies the image to the screen in one block; instruments end their own Paint with it.
    void Paint() override;
    // Painting goes through a paint message that carries the painter (the device context).
    void PaintInParent(QPainter& painter) override;
    void WndProc(TMessage& message) override;
    // The image at the control's size, for instruments that write its pixels directly.
    TBitmap& SizedImage() const;
    // What PrepareImage starts from is about to change: the colour, the transparency, or (just
    // before a paint) the snapshot of the parent, which a paint that no property change caused
    // takes afresh. Instruments that keep what they drew on it (a face cache) drop it here.
    virtual void BackdropChanged() {}

private:
    // Whether the next PrepareImage of a transparent control takes a fresh snapshot.
    bool SnapshotDue() const;
    void TakeSnapshot();
    void PaintMessage(TMessage& message);

    std::unique_ptr<TBitmap> FBackground;
    std::unique_ptr<TBitmap> FImage;
    bool FGrabBackground = true;
    bool FTransparent = false;
};

}  // namespace mox

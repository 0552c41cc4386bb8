#pragma once
// The static face of an instrument: everything it paints that a new value leaves alone (the
// background, scale, labels, frame), kept so that a value change costs a copy of the face and the
// moving part (a needle, a thumb) instead of a full paint. The face is made at the first paint
// that needs it, so an instrument that is never shown holds no face pixels; the control drops it
// whenever anything but its value changes.
//
// Parts of the face that lie over the moving part (a meter's caption and frame) are kept as an
// overlay: what drawing them does to each pixel, whatever the pixel held. Canvas drawing works bit
// by bit on each pixel (no antialiasing; raster operations on the colour bits), so drawing the
// layer once on all bits clear and once on all bits set tells, for every bit, whether the layer
// keeps, sets, clears or inverts it.

#include <QRgb>
#include <functional>
#include <vector>

#include "toolkit/core/types.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

class TCanvas;

class TVrFaceCache {
public:
    bool Valid() const { return FValid; }
    void Invalidate() { FValid = FDrawnValid = false; }

    // Starts `image` from the face. A stale face, or one of another size, is first made again:
    // `draw` paints it on `image` and the cache keeps a copy. Returns whether it was made again.
    bool Ensure(TBitmap& image, const std::function<void(TBitmap&)>& draw);

    // The face as last made; empty until the first Ensure.
    const TBitmap& Image() const { return FImage; }

    // After the moving part is drawn on an image started from the face: it covers `area`.
    void Drawn(const TBitmap& image, const TRect& area);
    // Puts the face back over the area last Drawn, when `image` is still as it was left then
    // (nothing else has written to it) and the face is current; false, and nothing done,
    // otherwise. A value change then costs the moving part's area instead of the whole face.
    bool Restore(TBitmap& image) const;

private:
    TBitmap FImage;
    bool FValid = false;
    bool FDrawnValid = false;
    TRect FDrawnArea;
    qint64 FDrawnKey = 0;  // the image's state after the last drawing
};

class TVrOverlay {
public:
    // Records what `draw` does to the pixels of a width × height image.
    void Record(int width, int height, const std::function<void(TCanvas&)>& draw);
    // Does to `image` what the recorded drawing did; pixels outside `image` are left out.
    void Apply(TBitmap& image) const;
    void Clear();
    // The number of pixels the drawing touches.
    std::size_t Size() const { return FSet.size(); }

private:
    // Touched pixels side by side in a row; pixel i of the run becomes
    // (pixel & FKeep[First + i]) ^ FSet[First + i], or plainly FSet[First + i] when no bit is kept.
    struct TRun {
        int X;
        int Y;
        int Length;
        std::size_t First;
        bool KeepsBits;
    };
    void AddPixel(int x, int y, QRgb keep, QRgb set);

    std::vector<TRun> FRuns;
    std::vector<QRgb> FKeep;
    std::vector<QRgb> FSet;  // with the top byte set, ready to store
};

// Copies `srcRect` of `source` to `dest` with its top-left at `at`, row by row: the pixels of
// CopyRect in cmSrcCopy between rectangles of the same size, without the canvas. Copies nothing
// and returns false unless both rectangles lie wholly within their images (an empty one does).
bool CopyPixels(TBitmap& dest, TPoint at, const TBitmap& source, const TRect& srcRect);

}  // namespace mox

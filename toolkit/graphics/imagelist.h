#pragma once
// TImageList: pictures of one size cut from a strip, each with a mask of the pixels it leaves
// out. The mask is taken when a picture is added, so a picture keeps its see-through pixels even
// when it holds the colour that marked them elsewhere (a glyph recoloured into its own key).

#include <memory>
#include <vector>

#include "toolkit/graphics/bitmap.h"

namespace mox {

class TCanvas;

class TImageList {
public:
    // Pictures of `width` × `height`; sizes below 0 count as 0.
    TImageList(int width, int height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Empties the list and takes the new picture size.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(FImages.size()); }
    void Clear() { FImages.clear(); }

    // Cuts `strip` into pictures left to right, then top to bottom; a part narrower or lower than
    // a picture is dropped. Pixels of `maskColor` are see-through. Returns the index of the first
    // picture added, or -1 when the strip holds none.
    int AddMasked(const TBitmap& strip, TColor maskColor);
    // The same, with the see-through pixels where `maskSource` (of the strip's size) has
    // `maskColor`: the strip as it was drawn, before it was recoloured.
    int AddMasked(const TBitmap& strip, const TBitmap& maskSource, TColor maskColor);

    // Draws picture `index` with its top-left at (x, y), leaving its see-through pixels as they
    // were. An index outside the list draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index) const;
    // Whether (x, y) of picture `index` is drawn; false outside the picture or the list.
    bool Opaque(int index, int x, int y) const;
    // The colour of a drawn pixel of picture `index`; clInvalidPixel where nothing is drawn.
    TColor Pixel(int index, int x, int y) const;

private:
    struct TImage {
        std::unique_ptr<TBitmap> Keyed = std::make_unique<TBitmap>();  // see-through pixels in Key
        TColor Key = clBlack;
        QImage Mask;  // 1 where the picture is see-through
    };
    bool Has(int index) const { return index >= 0 && index < Count(); }

    int FWidth;
    int FHeight;
    std::vector<TImage> FImages;
};

}  // namespace mox

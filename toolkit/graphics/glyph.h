#pragma once
// Glyphs: small pictures on buttons, stored as a strip of equal images side by side whose
// bottom-left pixel names the see-through colour.

#include <QPixmap>

namespace mox {

class TBitmap;

// Image `index` of a strip of `count` images, with the see-through colour made transparent.
// An index past the strip gives the last image.
QPixmap GlyphPixmap(const TBitmap& strip, int index, int count);

}  // namespace mox

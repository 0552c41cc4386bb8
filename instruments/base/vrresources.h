#pragma once
// The program's built-in bitmaps (digit strips, lamps, thumbs...), embedded from resources/.

#include <QString>

namespace mox {

class TBitmap;

// Loads the built-in bitmap `name` into `bitmap`; EInvalidGraphic when there is none.
void LoadBuiltinBitmap(TBitmap& bitmap, const QString& name);

}  // namespace mox

#pragma once
// The built-in bitmaps live in a static library; nothing refers to the generated resource code,
// so the linker would drop it unless someone asks for it.

namespace mox {

// Makes the ":/bitmaps/..." files available; cheap after the first call.
void InitBuiltinResources();

}  // namespace mox

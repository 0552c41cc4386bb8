#pragma once
// The hand cursor the input instruments show over their thumbs (cursor crVrHandPoint).

namespace mox {

// Registers the hand cursor the first time an instrument is created; nothing without a
// windowing system.
void EnsureHandCursor();

}  // namespace mox

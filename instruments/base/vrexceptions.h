#pragma once
// The exception the instruments raise for a value they cannot take ("Value out of range.").

#include "toolkit/core/exceptions.h"

namespace mox {

MOX_EXCEPTION(EVrException, Exception);

}  // namespace mox

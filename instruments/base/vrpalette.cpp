#include "instruments/base/vrpalette.h"

#include "instruments/base/vrdraw.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TVrPalette::StaticClass() {
    using C = TVrPalette;
    static const TClassInfo info = TClassBuilder<C>("TVrPalette", TVrPersistent::StaticClass())
                                       .Color("Low", &C::Low, &C::SetLow)
                                       .Color("High", &C::High, &C::SetHigh)
                                       .Build();
    return info;
}

void TVrPalette::Recolor(TBitmap& bitmap, TColor lowKey, TColor highKey) const {
    RecolorBitmap(bitmap, lowKey, FLow, highKey, FHigh);
}

void TVrPalette::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TVrPalette*>(source);
    if (!other) {
        TVrPersistent::Assign(source);
        return;
    }
    TVrUpdateBracket bracket(*this);
    SetLow(other->FLow);
    SetHigh(other->FHigh);
}

}  // namespace mox

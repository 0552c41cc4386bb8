#include "instruments/output/lcd.h"

#include <QScopeGuard>

#include "instruments/base/vrresources.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TLcd::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TLcd>("TLcd", TImage::StaticClass()).Creatable().Build();
    return info;
}

TLcd::TLcd(TComponent* owner) : TImage(owner) {
    SetAutoSize(false);
    SetStretch(true);
    // Whatever becomes of the picture, the panel keeps the size it was given.
    const int width = Width(), height = Height();
    const auto keepSize = qScopeGuard([&] {
        SetWidth(width);
        SetHeight(height);
    });
    TBitmap face;
    LoadBuiltinBitmap(face, QStringLiteral("LCDBMP"));
    Picture()->SetGraphic(&face);
}

}  // namespace mox

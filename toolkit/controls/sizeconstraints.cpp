#include "toolkit/controls/sizeconstraints.h"

#include <algorithm>

#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TSizeConstraints::StaticClass() {
    using C = TSizeConstraints;
    static const TClassInfo info = TClassBuilder<C>("TSizeConstraints", TPersistent::StaticClass())
                                       .Integer("MaxHeight", &C::MaxHeight, &C::SetMaxHeight, 0)
                                       .Integer("MaxWidth", &C::MaxWidth, &C::SetMaxWidth, 0)
                                       .Integer("MinHeight", &C::MinHeight, &C::SetMinHeight, 0)
                                       .Integer("MinWidth", &C::MinWidth, &C::SetMinWidth, 0)
                                       .Build();
    return info;
}

void TSizeConstraints::Set(int& field, int value) {
    value = std::max(value, 0);
    if (field == value) return;
    field = value;
    OnChange(this);
}

void TSizeConstraints::SetMaxHeight(int value) {
    Set(FMaxHeight, value);
}
void TSizeConstraints::SetMaxWidth(int value) {
    Set(FMaxWidth, value);
}
void TSizeConstraints::SetMinHeight(int value) {
    Set(FMinHeight, value);
}
void TSizeConstraints::SetMinWidth(int value) {
    Set(FMinWidth, value);
}

void TSizeConstraints::Constrain(int& width, int& height) const {
    if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
    if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
    width = std::max(width, FMinWidth);
    height = std::max(height, FMinHeight);
}

void TSizeConstraints::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FMaxHeight = other->FMaxHeight;
    FMaxWidth = other->FMaxWidth;
    FMinHeight = other->FMinHeight;
    FMinWidth = other->FMinWidth;
    OnChange(this);
}

}  // namespace mox

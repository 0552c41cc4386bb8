#include "designer/statuslists.h"

#include "toolkit/controls/control.h"
#include "toolkit/controls/wincontrol.h"

namespace mox {

bool TStatusList::Listed(const TControl* control) const {
    return FNames.IndexOf(control->Name()) >= 0;
}

bool TStatusList::Test(const TControl* control, const TControl* form) const {
    if (!control) return false;
    if (control == form) return true;
    bool hit = Listed(control);
    if (!hit && FChildren == TChildrenMode::cmNormal) {
        const TControl* parent = control->Parent();
        hit = parent && Listed(parent);
    } else if (!hit && FChildren == TChildrenMode::cmRecurse) {
        // The form and a parentless top are never tested: they would catch every control.
        for (const TControl* a = control->Parent(); a && a != form && a->Parent(); a = a->Parent())
            if (Listed(a)) {
                hit = true;
                break;
            }
    }
    return hit != FInverse;
}

}  // namespace mox

#pragma once
// Maps the class names stored in rack files to classes that can be created by name.

#include <QString>
#include <vector>

#include "toolkit/core/object.h"

namespace mox {

class TClassRegistry {
public:
    // Registers a creatable class; registering the same class twice is harmless, a different
    // class under a taken name is an EComponentError.
    void RegisterClass(const TClassInfo& cls);
    const TClassInfo* FindClass(QStringView name) const;  // case-insensitive; none when absent
    // Creates an instance of a registered class; EClassNotFound "Class %s not found" otherwise.
    TComponent* CreateComponent(QStringView className, TComponent* owner) const;
    const std::vector<const TClassInfo*>& Classes() const { return FClasses; }

private:
    std::vector<const TClassInfo*> FClasses;  // in registration order
};

}  // namespace mox

#pragma once
// One property between an object and the stream: what a stored property writes, and how a value
// read from a stream is accepted by the property's type.

#include <QString>
#include <functional>
#include <optional>

#include "rackfile/streamtree.h"
#include "toolkit/core/object.h"

namespace mox::rack {

// The value a property writes, or none when it is not written (not stored, equal to its
// default, an empty string, a zero float, a nil reference, an unbound event). Nested objects
// and collections are written by the component writer, which knows their items; they give none.
std::optional<TStreamValue> StoredValue(const TPropInfo& prop, const TObject& object);

// References and events name things that may not exist yet; they are resolved once the whole
// tree has been read.
using TNameResolver = std::function<void()>;

// Sets `prop` of `object` from `value`, or raises EReadError "Invalid property value" when the
// value's tag is not one the property's type accepts. References and events are not set here but
// returned as a resolver to run later (`findComponent` finds a component by name; `methodOwner`
// is the object whose published methods events bind to).
std::optional<TNameResolver> ApplyValue(
    const TPropInfo& prop, TObject& object, const TStreamValue& value,
    const std::function<TComponent*(const QString&)>& findComponent, TObject* methodOwner);

}  // namespace mox::rack

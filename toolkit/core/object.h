#pragma once
// The root of the class tree and the run-time class metadata (TClassInfo) every persistent class
// carries: its name as stored in rack files, its base, a factory where it can be created by name,
// and its ordered table of published properties.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "toolkit/core/event.h"
#include "toolkit/core/typeinfo.h"

namespace mox {

class TClassInfo;
class TComponent;
class TPersistent;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    QString ClassName() const;
    bool InheritsFrom(const TClassInfo& cls) const;
};

// Declares the class metadata accessors; the class defines StaticClass() in its .cpp.
#define MOX_CLASS                                         \
public:                                                   \
    static const ::mox::TClassInfo& StaticClass();        \
    const ::mox::TClassInfo& ClassType() const override { \
        return StaticClass();                             \
    }

enum class TTypeKind {
    Integer,
    Int64,
    Boolean,
    Enumeration,
    Set,
    Color,
    Cursor,
    Charset,
    String,
    Float,
    Object,      // nested property object, streamed under dotted names
    Collection,  // owned TCollection, streamed as one value holding its items
    Component,   // reference to another component, streamed by name
    Method,      // event
};

enum class TFloatType { Extended, Double, Single, Currency, Date };

// A property value. Ordinals (integers, Booleans, enumerations, sets as bit masks, colours,
// cursors, charsets) are int64; floats are extended; events are TMethod.
using TValue = std::variant<std::monostate, std::int64_t, long double, QString, TPersistent*,
                            TComponent*, TMethod>;

struct TPropInfo {
    QString Name;
    TTypeKind Kind = TTypeKind::Integer;
    const TEnumInfo* EnumType = nullptr;  // enumeration, or the element type of a set
    TFloatType FloatType = TFloatType::Extended;
    // Class of a nested object or referenced component; a function, since a class may refer to
    // its own kind before its table is complete.
    const TClassInfo& (*ObjectClass)() = nullptr;
    std::optional<std::int64_t> Default;  // ordinals and sets; none = always written
    std::function<TValue(const TObject&)> Get;
    std::function<void(TObject&, const TValue&)> Set;  // empty for read-only properties
    std::function<bool(const TObject&)> Stored;        // empty = stored
    // An empty string or a floating 0 is written too: for properties a new object starts with
    // another value, which a reader would otherwise keep.
    bool WrittenWhenEmpty = false;

    bool IsStored(const TObject& obj) const { return !Stored || Stored(obj); }
    bool IsOrdinal() const;
};

class TClassInfo {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;

    TClassInfo(QString name, const TClassInfo* parent) : FName(std::move(name)), FParent(parent) {}

    const QString& ClassName() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    bool InheritsFrom(const TClassInfo& other) const;

    // Published properties: the ancestors' first, then the class's own.
    const std::vector<TPropInfo>& Properties() const { return FProperties; }
    const TPropInfo* FindProperty(QStringView name) const;  // case-insensitive

    const std::vector<TPublishedMethod>& Methods() const { return FMethods; }
    const TPublishedMethod* FindMethod(QStringView name) const;  // this class and its ancestors

    bool Creatable() const { return static_cast<bool>(FFactory); }
    TComponent* Create(TComponent* owner) const;  // EComponentError if not creatable

private:
    template <class C>
    friend class TClassBuilder;

    QString FName;
    const TClassInfo* FParent;
    std::vector<TPropInfo> FProperties;
    std::vector<TPublishedMethod> FMethods;
    Factory FFactory;
};

}  // namespace mox

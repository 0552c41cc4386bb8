#pragma once
// Builds a class's TClassInfo so that a property table reads almost like the published
// declarations it mirrors:
//
//   static const TClassInfo info = TClassBuilder<TLabel>("TLabel", TGraphicControl::StaticClass())
//       .Creatable()
//       .Enumeration("Align", &TLabel::Align, &TLabel::SetAlign, TAlign::alNone)
//       .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
//       .Color("Color", &TLabel::Color, &TLabel::SetColor, clWindow).Stored(&TLabel::IsColorStored)
//       .Build();
//
// A property whose name an ancestor already declared keeps the ancestor's position and takes the
// new default and stored condition.

#include <concepts>
#include <functional>
#include <type_traits>

#include "toolkit/core/exceptions.h"
#include "toolkit/core/object.h"

namespace mox {

template <class C>
class TClassBuilder {
    template <class G>
    using ValueType = std::decay_t<std::invoke_result_t<G, const C&>>;
    template <class S>
    static constexpr bool IsNull = std::is_same_v<S, std::nullptr_t>;
    template <class E>
    static E ElementOf(TSet<E>);

public:
    TClassBuilder(QString name, const TClassInfo& parent) : FInfo(std::move(name), &parent) {
        FInfo.FProperties = parent.FProperties;
    }

    TClassBuilder& Creatable() requires std::is_constructible_v<C, TComponent*> {
        FInfo.FFactory = [](TComponent* owner) -> TComponent* { return new C(owner); };
        return *this;
    }

    template <class G, class S>
    TClassBuilder& Integer(QString name, G get, S set, std::optional<std::int64_t> def = {}) {
        return Ordinal(std::move(name), TTypeKind::Integer, get, set, def);
    }
    template <class G, class S>
    TClassBuilder& Int64(QString name, G get, S set, std::optional<std::int64_t> def = {}) {
        return Ordinal(std::move(name), TTypeKind::Int64, get, set, def);
    }
    template <class G, class S>
    TClassBuilder& Boolean(QString name, G get, S set, std::optional<bool> def = {}) {
        return Ordinal(std::move(name), TTypeKind::Boolean, get, set,
                       def ? std::optional<std::int64_t>(*def) : std::nullopt);
    }
    template <class G, class S>
    TClassBuilder& Color(QString name, G get, S set, std::optional<std::int64_t> def = {}) {
        return Ordinal(std::move(name), TTypeKind::Color, get, set, def);
    }
    template <class G, class S>
    TClassBuilder& Cursor(QString name, G get, S set, std::optional<std::int64_t> def = {}) {
        return Ordinal(std::move(name), TTypeKind::Cursor, get, set, def);
    }
    template <class G, class S>
    TClassBuilder& Charset(QString name, G get, S set, std::optional<std::int64_t> def = {}) {
        return Ordinal(std::move(name), TTypeKind::Charset, get, set, def);
    }

    template <class G, class S, class E = ValueType<G>>
    TClassBuilder& Enumeration(QString name, G get, S set,
                               std::type_identity_t<std::optional<E>> def = {}) {
        static_assert(std::is_enum_v<E>, "Enumeration() needs a getter returning an enum");
        auto& p = Ordinal(std::move(name), TTypeKind::Enumeration, get, set,
                          def ? std::optional<std::int64_t>(static_cast<int>(*def)) : std::nullopt)
                      .Last();
        p.EnumType = &EnumInfo<E>();
        return *this;
    }

    template <class G, class S, class T = ValueType<G>>
    TClassBuilder& Set(QString name, G get, S set,
                       std::type_identity_t<std::optional<T>> def = {}) {
        using E = decltype(ElementOf(std::declval<T>()));
        TPropInfo p = Base(std::move(name), TTypeKind::Set);
        p.EnumType = &EnumInfo<E>();
        if (def) p.Default = static_cast<std::int64_t>(def->Bits());
        p.Get = [get](const TObject& o) -> TValue {
            return static_cast<std::int64_t>(std::invoke(get, Self(o)).Bits());
        };
        if constexpr (!IsNull<S>)
            p.Set = [set](TObject& o, const TValue& v) {
                std::invoke(set, Self(o), T::FromBits(static_cast<std::uint64_t>(AsInt(v))));
            };
        return Add(std::move(p));
    }

    template <class G, class S>
    TClassBuilder& String(QString name, G get, S set) {
        TPropInfo p = Base(std::move(name), TTypeKind::String);
        p.Get = [get](const TObject& o) -> TValue { return QString(std::invoke(get, Self(o))); };
        if constexpr (!IsNull<S>)
            p.Set = [set](TObject& o, const TValue& v) {
                std::invoke(set, Self(o), std::get<QString>(v));
            };
        return Add(std::move(p));
    }

    template <class G, class S, class T = ValueType<G>>
    TClassBuilder& Float(QString name, G get, S set, TFloatType type = TFloatType::Extended) {
        TPropInfo p = Base(std::move(name), TTypeKind::Float);
        p.FloatType = type;
        p.Get = [get](const TObject& o) -> TValue {
            return static_cast<long double>(std::invoke(get, Self(o)));
        };
        if constexpr (!IsNull<S>)
            p.Set = [set](TObject& o, const TValue& v) {
                std::invoke(set, Self(o), static_cast<T>(std::get<long double>(v)));
            };
        return Add(std::move(p));
    }

    // A nested property object (Font, Bevel, Constraints...). Without a setter the sub-properties
    // are still read and written through the object the getter returns.
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Object(QString name, G get, S set = nullptr) {
        return Nested(std::move(name), TTypeKind::Object, get, set);
    }

    // A collection property (TCollection), streamed as one value holding its items.
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Collection(QString name, G get, S set = nullptr) {
        return Nested(std::move(name), TTypeKind::Collection, get, set);
    }

    // A reference to another component; assigning a component of another class is refused.
    template <class G, class S, class T = std::remove_pointer_t<ValueType<G>>>
    TClassBuilder& Component(QString name, G get, S set) {
        TPropInfo p = Base(std::move(name), TTypeKind::Component);
        p.ObjectClass = &T::StaticClass;
        p.Get = [get](const TObject& o) -> TValue {
            return static_cast<TComponent*>(std::invoke(get, Self(o)));
        };
        p.Set = [set](TObject& o, const TValue& v) {
            TComponent* c = std::get<TComponent*>(v);
            T* typed = dynamic_cast<T*>(c);
            if (c && !typed) throw EPropertyError(QStringLiteral("Invalid property value"));
            std::invoke(set, Self(o), typed);
        };
        return Add(std::move(p));
    }

    // An event property over a TEvent<...> data member of the class or of one of its bases.
    template <class Ev, class B>
    requires std::is_base_of_v<B, C> TClassBuilder& Event(QString name, Ev B::*member) {
        TPropInfo p = Base(std::move(name), TTypeKind::Method);
        p.Get = [member](const TObject& o) -> TValue { return (Self(o).*member).Method(); };
        p.Set = [member](TObject& o, const TValue& v) {
            const TMethod& m = std::get<TMethod>(v);
            TEventBase& event = Self(o).*member;
            if (m.Name.isEmpty() || !m.Data) {
                event.Clear();
                return;
            }
            const TPublishedMethod* method = m.Data->ClassType().FindMethod(m.Name);
            if (!method || !event.BindPublished(m.Data, *method))
                throw EPropertyError(QStringLiteral("Invalid property value"));
        };
        return Add(std::move(p));
    }

    // A method events can be bound to by name (the form's own handlers).
    template <class... Args>
    TClassBuilder& Method(QString name, void (C::*method)(Args...)) {
        std::function<void(TObject*, Args...)> invoker = [method](TObject* self, Args... args) {
            (static_cast<C*>(self)->*method)(args...);
        };
        FInfo.FMethods.push_back({std::move(name), std::move(invoker)});
        return *this;
    }

    // Re-publishes an inherited property in place with a new default (none = always written).
    TClassBuilder& Redeclare(QStringView name, std::optional<std::int64_t> def) {
        for (std::size_t i = 0; i < FInfo.FProperties.size(); ++i)
            if (FInfo.FProperties[i].Name.compare(name, Qt::CaseInsensitive) == 0) {
                FInfo.FProperties[i].Default = def;
                FLast = i;
                return *this;
            }
        throw EPropertyError(QStringLiteral("Property %1 does not exist").arg(name));
    }

    // Stored condition of the property added or redeclared last.
    TClassBuilder& Stored(bool (C::*predicate)() const) {
        Last().Stored = [predicate](const TObject& o) { return (Self(o).*predicate)(); };
        return *this;
    }
    // The string or floating property added last is written even when empty or 0.
    TClassBuilder& WrittenWhenEmpty() {
        Last().WrittenWhenEmpty = true;
        return *this;
    }
    TClassBuilder& NotStored() {
        Last().Stored = [](const TObject&) { return false; };
        return *this;
    }

    TClassInfo Build() { return std::move(FInfo); }

private:
    static const C& Self(const TObject& o) { return static_cast<const C&>(o); }
    static C& Self(TObject& o) { return static_cast<C&>(o); }
    static std::int64_t AsInt(const TValue& v) { return std::get<std::int64_t>(v); }

    static TPropInfo Base(QString name, TTypeKind kind) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        return p;
    }

    template <class G, class S, class T = std::remove_pointer_t<ValueType<G>>>
    TClassBuilder& Nested(QString name, TTypeKind kind, G get, S set) {
        TPropInfo p = Base(std::move(name), kind);
        p.ObjectClass = &T::StaticClass;
        p.Get = [get](const TObject& o) -> TValue {
            return static_cast<TPersistent*>(std::invoke(get, Self(o)));
        };
        if constexpr (!IsNull<S>)
            p.Set = [set](TObject& o, const TValue& v) {
                std::invoke(set, Self(o), dynamic_cast<T*>(std::get<TPersistent*>(v)));
            };
        return Add(std::move(p));
    }

    template <class G, class S>
    TClassBuilder& Ordinal(QString name, TTypeKind kind, G get, S set,
                           std::optional<std::int64_t> def) {
        using T = ValueType<G>;
        TPropInfo p = Base(std::move(name), kind);
        p.Default = def;
        p.Get = [get](const TObject& o) -> TValue {
            return static_cast<std::int64_t>(std::invoke(get, Self(o)));
        };
        if constexpr (!IsNull<S>)
            p.Set = [set](TObject& o, const TValue& v) {
                std::invoke(set, Self(o), static_cast<T>(AsInt(v)));
            };
        return Add(std::move(p));
    }

    TClassBuilder& Add(TPropInfo p) {
        for (TPropInfo& existing : FInfo.FProperties)
            if (existing.Name.compare(p.Name, Qt::CaseInsensitive) == 0) {
                existing = std::move(p);
                FLast = &existing - FInfo.FProperties.data();
                return *this;
            }
        FInfo.FProperties.push_back(std::move(p));
        FLast = FInfo.FProperties.size() - 1;
        return *this;
    }
    TPropInfo& Last() { return FInfo.FProperties.at(FLast); }

    TClassInfo FInfo;
    std::size_t FLast = 0;
};

}  // namespace mox

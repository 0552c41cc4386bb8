#include "rackfile/propertyvalues.h"

#include "toolkit/controls/cursors.h"
#include "toolkit/core/component.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/charsets.h"
#include "toolkit/graphics/colors.h"

namespace mox::rack {

namespace {

constexpr long double kCurrencyScale = 10000.0L;

std::optional<TIdentMap> NamedConstants(TTypeKind kind) {
    switch (kind) {
        case TTypeKind::Color:
            return ColorIdents();
        case TTypeKind::Cursor:
            return CursorIdents();
        case TTypeKind::Charset:
            return CharsetIdents();
        default:
            return std::nullopt;
    }
}

QStringList SetMembers(const TEnumInfo& type, std::int64_t bits) {
    QStringList names;
    for (int i = 0; i < type.Count() && i < 64; ++i)
        if (static_cast<std::uint64_t>(bits) & (std::uint64_t{1} << i)) names << type.Names[i];
    return names;
}

TStreamValue FloatValue(long double v, TFloatType type) {
    TStreamValue out;
    switch (type) {
        case TFloatType::Single:
            out.Type = TValueType::vaSingle;
            out.Single = static_cast<float>(v);
            break;
        case TFloatType::Currency:
            out.Type = TValueType::vaCurrency;
            out.Integer = static_cast<std::int64_t>(v * kCurrencyScale);
            break;
        case TFloatType::Date:
            out.Type = TValueType::vaDate;
            out.Date = static_cast<double>(v);
            break;
        default:
            return TStreamValue::Ext(v);
    }
    return out;
}

[[noreturn]] void Invalid(const TPropInfo& prop) {
    throw EReadError(QStringLiteral("Invalid property value for %1").arg(prop.Name));
}

bool IsSmallInteger(const TStreamValue& v) {
    return v.Type == TValueType::vaInt8 || v.Type == TValueType::vaInt16 ||
           v.Type == TValueType::vaInt32;
}

std::int64_t OrdinalFrom(const TPropInfo& prop, const TStreamValue& v) {
    switch (prop.Kind) {
        case TTypeKind::Integer:
        case TTypeKind::Color:
        case TTypeKind::Cursor:
        case TTypeKind::Charset:
            if (IsSmallInteger(v)) return v.Integer;
            if (v.Type == TValueType::vaIdent)
                if (auto map = NamedConstants(prop.Kind))
                    if (auto n = IdentToInt(*map, v.Text)) return *n;
            Invalid(prop);
        case TTypeKind::Int64:
            if (IsSmallInteger(v) || v.Type == TValueType::vaInt64) return v.Integer;
            Invalid(prop);
        case TTypeKind::Boolean:
        case TTypeKind::Enumeration:
            if (v.Type == TValueType::vaFalse) return 0;
            if (v.Type == TValueType::vaTrue) return 1;
            if (v.Type == TValueType::vaIdent && prop.EnumType) {
                const int ordinal = prop.EnumType->OrdinalOf(v.Text);
                if (ordinal >= 0) return ordinal;
            }
            if (v.Type == TValueType::vaIdent && prop.Kind == TTypeKind::Boolean) {
                if (v.Text.compare(u"False", Qt::CaseInsensitive) == 0) return 0;
                if (v.Text.compare(u"True", Qt::CaseInsensitive) == 0) return 1;
            }
            Invalid(prop);
        case TTypeKind::Set: {
            if (v.Type != TValueType::vaSet || !prop.EnumType) Invalid(prop);
            std::uint64_t bits = 0;
            for (const QString& member : v.SetMembers) {
                const int ordinal = prop.EnumType->OrdinalOf(member);
                if (ordinal < 0 || ordinal >= 64) Invalid(prop);
                bits |= std::uint64_t{1} << ordinal;
            }
            return static_cast<std::int64_t>(bits);
        }
        default:
            Invalid(prop);
    }
}

long double FloatFrom(const TPropInfo& prop, const TStreamValue& v) {
    if (IsSmallInteger(v)) return static_cast<long double>(v.Integer);
    switch (prop.FloatType) {
        case TFloatType::Single:
            if (v.Type == TValueType::vaSingle) return v.Single;
            break;
        case TFloatType::Currency:
            if (v.Type == TValueType::vaCurrency)
                return static_cast<long double>(v.Integer) / kCurrencyScale;
            break;
        case TFloatType::Date:
            if (v.Type == TValueType::vaDate) return v.Date;
            break;
        default:
            if (v.Type == TValueType::vaExtended) return v.Extended;
            break;
    }
    Invalid(prop);
}

}  // namespace

std::optional<TStreamValue> StoredValue(const TPropInfo& prop, const TObject& object) {
    if (!prop.IsStored(object) || !prop.Get) return std::nullopt;
    const TValue value = prop.Get(object);
    switch (prop.Kind) {
        case TTypeKind::Object:
        case TTypeKind::Collection:
            return std::nullopt;
        case TTypeKind::String: {
            const QString& s = std::get<QString>(value);
            if (s.isEmpty() && !prop.WrittenWhenEmpty) return std::nullopt;
            return TStreamValue::Str(s);
        }
        case TTypeKind::Float: {
            const long double f = std::get<long double>(value);
            if (f == 0 && !prop.WrittenWhenEmpty) return std::nullopt;
            return FloatValue(f, prop.FloatType);
        }
        case TTypeKind::Component: {
            const TComponent* c = std::get<TComponent*>(value);
            if (!c) return std::nullopt;
            return TStreamValue::Ident(c->Name());
        }
        case TTypeKind::Method: {
            const TMethod& m = std::get<TMethod>(value);
            if (m.Name.isEmpty()) return std::nullopt;
            return TStreamValue::Ident(m.Name);
        }
        default:
            break;
    }
    const std::int64_t ordinal = std::get<std::int64_t>(value);
    if (prop.Default && *prop.Default == ordinal) return std::nullopt;
    switch (prop.Kind) {
        case TTypeKind::Boolean:
            return TStreamValue::Bool(ordinal != 0);
        case TTypeKind::Enumeration: {
            const QString name =
                prop.EnumType ? prop.EnumType->NameOf(static_cast<int>(ordinal)) : QString();
            if (name.isEmpty())
                throw EWriteError(
                    QStringLiteral("Invalid value %1 of %2").arg(ordinal).arg(prop.Name));
            return TStreamValue::Ident(name);
        }
        case TTypeKind::Set:
            return TStreamValue::Set(SetMembers(*prop.EnumType, ordinal));
        default:
            if (auto map = NamedConstants(prop.Kind))
                if (auto name = IntToIdent(*map, static_cast<int>(ordinal)))
                    return TStreamValue::Ident(*name);
            return TStreamValue::Int(ordinal);
    }
}

std::optional<TNameResolver> ApplyValue(
    const TPropInfo& prop, TObject& object, const TStreamValue& value,
    const std::function<TComponent*(const QString&)>& findComponent, TObject* methodOwner) {
    if (!prop.Set) throw EReadError(QStringLiteral("Property %1 is read-only").arg(prop.Name));
    switch (prop.Kind) {
        case TTypeKind::Object:
        case TTypeKind::Collection:
            Invalid(prop);
        case TTypeKind::String:
            if (!value.IsString()) Invalid(prop);
            prop.Set(object, value.Text);
            return std::nullopt;
        case TTypeKind::Float:
            prop.Set(object, FloatFrom(prop, value));
            return std::nullopt;
        case TTypeKind::Component: {
            if (value.Type == TValueType::vaNil) {
                prop.Set(object, static_cast<TComponent*>(nullptr));
                return std::nullopt;
            }
            if (value.Type != TValueType::vaIdent) Invalid(prop);
            const QString name = value.Text;
            return [&prop, &object, name, findComponent] { prop.Set(object, findComponent(name)); };
        }
        case TTypeKind::Method: {
            if (value.Type == TValueType::vaNil) {
                prop.Set(object, TMethod{});
                return std::nullopt;
            }
            if (value.Type != TValueType::vaIdent) Invalid(prop);
            const QString name = value.Text;
            return [&prop, &object, name, methodOwner] {
                try {
                    prop.Set(object, TMethod{methodOwner, name});
                } catch (const EPropertyError&) {
                    throw EReadError(QStringLiteral("Method %1 not found").arg(name));
                }
            };
        }
        default:
            prop.Set(object, OrdinalFrom(prop, value));
            return std::nullopt;
    }
}

}  // namespace mox::rack

#include "rackfile/componentreader.h"

#include "rackfile/definedpropertystreams.h"
#include "rackfile/propertyvalues.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/collection.h"
#include "toolkit/core/exceptions.h"

namespace mox::rack {

namespace {

// Records, not objects, are nested without limit in a hostile file; the reader of the binary
// form bounds that already, this bounds what reaches the controls.
constexpr int kMaxDepth = 64;

class TTreeLoader {
public:
    TTreeLoader(TComponent& root, const TClassRegistry& registry)
        : FRoot(root), FRegistry(registry) {}

    TReadResult Load(const TObjectRecord& record) {
        FRoot.BeginLoading();
        FLoaded.push_back(&FRoot);
        try {
            FRoot.SetName(UniqueRootName(record.Name, FRoot));
            ApplyProperties(FRoot, record);
            ReadChildren(record, dynamic_cast<TWinControl*>(&FRoot), 1);
            for (const TNameResolver& resolve : FResolvers)
                resolve();
        } catch (...) {
            FinishLoading();
            throw;
        }
        FinishLoading();
        return {static_cast<int>(FLoaded.size())};
    }

private:
    // Every object created so far ends its loading state, also after a failure, so what stays on
    // the rack paints and behaves normally.
    void FinishLoading() {
        for (const TRef<TComponent>& c : FLoaded)
            if (c) c->Loaded();
    }

    void ReadChildren(const TObjectRecord& record, TWinControl* parent, int depth) {
        if (depth > kMaxDepth) Fail(record.Offset, QStringLiteral("Objects nested too deeply"));
        for (const TObjectRecord& child : record.Children) {
            TComponent* created = Create(child);
            if (auto* control = dynamic_cast<TControl*>(created)) {
                if (!parent)
                    Fail(child.Offset, QStringLiteral("%1 has no parent window for %2")
                                           .arg(record.Name, child.Name));
                control->SetParent(parent);
            }
            ApplyProperties(*created, child);
            ReadChildren(child, dynamic_cast<TWinControl*>(created), depth + 1);
        }
    }

    TComponent* Create(const TObjectRecord& record) {
        const TClassInfo* cls = FRegistry.FindClass(record.ClassName);
        if (!cls)
            Fail<EClassNotFound>(record.Offset,
                                 QStringLiteral("Class %1 not found").arg(record.ClassName));
        if (FRoot.FindComponent(record.Name))
            Fail<EComponentError>(
                record.Offset,
                QStringLiteral("A component named %1 already exists").arg(record.Name));
        TComponent* c = cls->Create(&FRoot);
        c->BeginLoading();
        FLoaded.push_back(c);
        try {
            c->SetName(record.Name);
        } catch (const Exception& e) {
            Fail<EComponentError>(record.Offset, e.Message());
        }
        return c;
    }

    void ApplyProperties(TComponent& object, const TObjectRecord& record) {
        for (const TStreamProperty& p : record.Properties) {
            try {
                ApplyProperty(object, p);
            } catch (const Exception& e) {
                Fail(p.Offset, QStringLiteral("Error reading %1.%2: %3")
                                   .arg(object.Name(), p.Name, e.Message()));
            }
        }
    }

    void ApplyProperty(TPersistent& object, const TStreamProperty& p) {
        TPersistent* target = &object;
        const QStringList path = p.Name.split(u'.');
        for (qsizetype i = 0; i + 1 < path.size(); ++i) {
            const TPropInfo* nested = target->ClassType().FindProperty(path[i]);
            if (!nested || nested->Kind != TTypeKind::Object)
                throw EReadError(QStringLiteral("Property %1 does not exist").arg(p.Name));
            target = std::get<TPersistent*>(nested->Get(*target));
            if (!target) throw EReadError(QStringLiteral("Property %1 does not exist").arg(p.Name));
        }
        const QString& last = path.back();
        if (const TPropInfo* prop = target->ClassType().FindProperty(last)) {
            if (prop->Kind == TTypeKind::Collection) {
                ReadCollection(*prop, *target, p.Value);
                return;
            }
            auto resolver = ApplyValue(
                *prop, *target, p.Value,
                [this](const QString& name) -> TComponent* {
                    if (name.compare(FRoot.Name(), Qt::CaseInsensitive) == 0) return &FRoot;
                    return FRoot.FindComponent(name);
                },
                &FRoot);
            if (resolver) FResolvers.push_back(*resolver);
            return;
        }
        TTreeReadFiler filer(last, p.Value);
        target->DefineProperties(filer);
        if (!filer.Handled())
            throw EReadError(QStringLiteral("Property %1 does not exist").arg(p.Name));
    }

    // The file's items replace the collection's, in order; an item's index, when present, only
    // numbers it. A collection that fails part-way keeps the items read so far.
    void ReadCollection(const TPropInfo& prop, TPersistent& object, const TStreamValue& value) {
        auto* collection = dynamic_cast<TCollection*>(std::get<TPersistent*>(prop.Get(object)));
        if (!collection || value.Type != TValueType::vaCollection)
            throw EReadError(QStringLiteral("Invalid property value for %1").arg(prop.Name));
        TCollectionUpdate bracket(*collection);
        collection->Clear();
        for (const TStreamItem& item : value.Items) {
            TCollectionItem* added = collection->Add();
            for (const TStreamProperty& p : item.Properties)
                ApplyProperty(*added, p);
        }
    }

    template <class E = EReadError>
    [[noreturn]] void Fail(qsizetype offset, const QString& message) {
        throw E(QStringLiteral("%1 (at offset %2)").arg(message).arg(offset));
    }

    TComponent& FRoot;
    const TClassRegistry& FRegistry;
    std::vector<TRef<TComponent>> FLoaded;
    std::vector<TNameResolver> FResolvers;
};

bool TopLevelNameTaken(const QString& name, const TComponent& root) {
    if (root.Name().compare(name, Qt::CaseInsensitive) == 0) return true;
    for (const TCustomForm* form : TScreen::Instance().Forms())
        if (form->Name().compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

}  // namespace

QString UniqueRootName(const QString& stored, const TComponent& root) {
    if (stored.isEmpty() || !TopLevelNameTaken(stored, root)) return stored;
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1_%2").arg(stored).arg(n);
        if (!TopLevelNameTaken(candidate, root)) return candidate;
    }
}

TReadResult ReadComponentTree(const TObjectRecord& record, TComponent& root,
                              const TClassRegistry& registry) {
    return TTreeLoader(root, registry).Load(record);
}

}  // namespace mox::rack

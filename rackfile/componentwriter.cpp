#include "rackfile/componentwriter.h"

#include "rackfile/definedpropertystreams.h"
#include "rackfile/propertyvalues.h"
#include "toolkit/controls/control.h"
#include "toolkit/controls/wincontrol.h"
#include "toolkit/core/collection.h"

namespace mox::rack {

namespace {

void AppendProperties(TPersistent& object, const QString& prefix,
                      std::vector<TStreamProperty>& out);

// Every item in order, each with its own stored properties; an empty collection is written too,
// so that a reader replaces whatever items a new object starts with.
TStreamValue CollectionValue(TCollection& collection) {
    TStreamValue value;
    value.Type = TValueType::vaCollection;
    for (int i = 0; i < collection.Count(); ++i) {
        TStreamItem item;
        AppendProperties(*collection.Items(i), QString(), item.Properties);
        value.Items.push_back(std::move(item));
    }
    return value;
}

void AppendProperties(TPersistent& object, const QString& prefix,
                      std::vector<TStreamProperty>& out) {
    for (const TPropInfo& prop : object.ClassType().Properties()) {
        if (prop.Kind == TTypeKind::Object) {
            if (!prop.IsStored(object)) continue;
            auto* nested = std::get<TPersistent*>(prop.Get(object));
            if (nested) AppendProperties(*nested, prefix + prop.Name + u'.', out);
            continue;
        }
        if (prop.Kind == TTypeKind::Collection) {
            if (!prop.IsStored(object)) continue;
            if (auto* items = dynamic_cast<TCollection*>(std::get<TPersistent*>(prop.Get(object))))
                out.push_back({prefix + prop.Name, CollectionValue(*items), 0});
            continue;
        }
        if (auto value = StoredValue(prop, object)) out.push_back({prefix + prop.Name, *value, 0});
    }
    TTreeWriteFiler filer(prefix, out);
    object.DefineProperties(filer);
}

TObjectRecord RecordOf(TComponent& component, TComponent& root);

// Children as the rack file orders them: non-windowed controls, then windowed ones, each back to
// front; only what the root owns (the designer's grab handles are not).
void AppendChildren(TWinControl& parent, TComponent& root, std::vector<TObjectRecord>& out) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* child = parent.Controls(i);
        if (child->Owner() == &root) out.push_back(RecordOf(*child, root));
    }
}

TObjectRecord RecordOf(TComponent& component, TComponent& root) {
    TObjectRecord record;
    record.ClassName = component.ClassName();
    record.Name = component.Name();
    AppendProperties(component, QString(), record.Properties);
    if (auto* win = dynamic_cast<TWinControl*>(&component))
        AppendChildren(*win, root, record.Children);
    return record;
}

}  // namespace

std::vector<TStreamProperty> WriteProperties(TPersistent& object) {
    std::vector<TStreamProperty> out;
    AppendProperties(object, QString(), out);
    return out;
}

TObjectRecord WriteComponentTree(TComponent& root) {
    TObjectRecord record = RecordOf(root, root);
    for (int i = 0; i < root.ComponentCount(); ++i) {
        TComponent* c = root.Components(i);
        if (!dynamic_cast<TControl*>(c)) record.Children.push_back(RecordOf(*c, root));
    }
    return record;
}

}  // namespace mox::rack

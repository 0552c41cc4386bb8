#pragma once
// The names of the controls placed on the rack, kept sorted without regard to case, with a
// current entry. The rack properties dialog is its only view; naming, the designer's selection
// and the rack commands change it.

#include <QString>
#include <QStringList>

#include "toolkit/core/event.h"

namespace mox {

class TRackControlList {
public:
    int Count() const { return static_cast<int>(FNames.size()); }
    const QStringList& Names() const { return FNames; }
    int IndexOf(const QString& name) const;  // case-insensitive; -1 when absent

    // The current entry, -1 for none; out-of-range values mean none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index);
    // The current entry's name, empty for none.
    QString Text() const;

    // Inserts at the sorted position; the current entry keeps its name.
    void Add(const QString& name);
    void Remove(const QString& name);
    // Replaces every name (the rack's children, in any order) and clears the current entry.
    void Assign(const QStringList& names);

    // Raised after every change, for the view.
    TNotifyEvent OnChange;

private:
    void Changed() { OnChange(nullptr); }

    QStringList FNames;
    int FItemIndex = -1;
};

}  // namespace mox

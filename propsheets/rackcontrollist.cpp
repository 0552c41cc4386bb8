#include "propsheets/rackcontrollist.h"

#include <algorithm>

namespace mox {

namespace {

bool NameLess(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

}  // namespace

int TRackControlList::IndexOf(const QString& name) const {
    for (int i = 0; i < Count(); ++i)
        if (QString::compare(FNames[i], name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TRackControlList::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == FItemIndex) return;
    FItemIndex = index;
    Changed();
}

QString TRackControlList::Text() const {
    return FItemIndex >= 0 ? FNames[FItemIndex] : QString();
}

void TRackControlList::Add(const QString& name) {
    const QString current = Text();
    const auto at = std::upper_bound(FNames.begin(), FNames.end(), name, NameLess);
    FNames.insert(at, name);
    if (FItemIndex >= 0) FItemIndex = IndexOf(current);
    Changed();
}

void TRackControlList::Remove(const QString& name) {
    const int index = IndexOf(name);
    if (index < 0) return;
    const QString current = Text();
    FNames.removeAt(index);
    FItemIndex = FItemIndex == index ? -1 : IndexOf(current);
    Changed();
}

void TRackControlList::Assign(const QStringList& names) {
    FNames = names;
    std::stable_sort(FNames.begin(), FNames.end(), NameLess);
    FItemIndex = -1;
    Changed();
}

}  // namespace mox

#include "toolkit/core/strings.h"

#include <algorithm>

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/exceptions.h"

namespace mox {

namespace {

// Runs `f` inside an update bracket. Not a guard object: closing the bracket calls OnChange, whose
// handler may throw, and a destructor must not.
template <class F>
void InUpdate(TStrings& strings, F&& f) {
    strings.BeginUpdate();
    try {
        f();
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

bool IsBlank(QChar c) {
    return c.unicode() <= u' ';
}

bool NeedsQuotes(const QString& s) {
    return std::any_of(s.begin(), s.end(),
                       [](QChar c) { return IsBlank(c) || c == u'"' || c == u','; });
}

}  // namespace

const TClassInfo& TStrings::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStrings>("TStrings", TPersistent::StaticClass()).Build();
    return info;
}

void TStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

void TStrings::Put(int index, const QString& s) {
    CheckIndex(index, Count());
    InUpdate(*this, [&] {
        Delete(index);
        Insert(index, s);
    });
}

int TStrings::Add(const QString& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::IndexOf(const QString& s) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (CompareStrings(Strings(i), s) == 0) return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2) {
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    InUpdate(*this, [&] {
        const QString s = Strings(index1);
        Put(index1, Strings(index2));
        Put(index2, s);
    });
}

void TStrings::Move(int curIndex, int newIndex) {
    // Both indexes are checked before anything moves, so a bad target cannot lose the line.
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    if (curIndex == newIndex) return;
    InUpdate(*this, [&] {
        const QString s = Strings(curIndex);
        Delete(curIndex);
        Insert(newIndex, s);
    });
}

void TStrings::AddStrings(const TStrings& strings) {
    // Copied first: adding to a sorted list reorders it, which matters when `strings` is this list.
    QStringList lines;
    lines.reserve(strings.Count());
    for (int i = 0, n = strings.Count(); i < n; ++i)
        lines.append(strings.Strings(i));
    InUpdate(*this, [&] {
        for (const QString& s : lines)
            Add(s);
    });
}

void TStrings::Assign(const TPersistent* source) {
    if (const auto* strings = dynamic_cast<const TStrings*>(source)) {
        if (strings == this) return;  // clearing first would lose the lines to copy
        InUpdate(*this, [&] {
            Clear();
            AddStrings(*strings);
        });
        return;
    }
    TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings& strings) const {
    const int n = Count();
    if (n != strings.Count()) return false;
    for (int i = 0; i < n; ++i)
        if (Strings(i) != strings.Strings(i)) return false;
    return true;
}

QString TStrings::Text() const {
    QString result;
    for (int i = 0, n = Count(); i < n; ++i) {
        result += Strings(i);
        result += u"\r\n";
    }
    return result;
}

void TStrings::SetText(const QString& value) {
    InUpdate(*this, [&] {
        Clear();
        const qsizetype n = value.size();
        qsizetype start = 0;
        while (start < n) {
            qsizetype end = start;
            while (end < n && value[end] != u'\r' && value[end] != u'\n')
                ++end;
            Add(value.mid(start, end - start));
            if (end + 1 < n && value[end] == u'\r' && value[end + 1] == u'\n') ++end;
            start = end + 1;
        }
    });
}

QString TStrings::CommaText() const {
    const int n = Count();
    // Unquoted, a lone empty line would read back as no line at all.
    if (n == 1 && Strings(0).isEmpty()) return QStringLiteral("\"\"");
    QString result;
    for (int i = 0; i < n; ++i) {
        if (i > 0) result += u',';
        const QString s = Strings(i);
        if (!NeedsQuotes(s)) {
            result += s;
            continue;
        }
        result += u'"';
        for (QChar c : s) {
            if (c == u'"') result += u'"';
            result += c;
        }
        result += u'"';
    }
    return result;
}

void TStrings::SetCommaText(const QString& value) {
    const qsizetype n = value.size();
    qsizetype p = 0;
    const auto skipBlanks = [&] {
        while (p < n && IsBlank(value[p]))
            ++p;
    };
    InUpdate(*this, [&] {
        Clear();
        skipBlanks();
        while (p < n) {
            QString s;
            if (value[p] == u'"') {
                for (++p; p < n; ++p) {
                    if (value[p] == u'"') {
                        if (p + 1 >= n || value[p + 1] != u'"') {
                            ++p;
                            break;
                        }
                        ++p;  // a doubled quote stands for one
                    }
                    s += value[p];
                }
            } else {
                const qsizetype start = p;
                while (p < n && !IsBlank(value[p]) && value[p] != u',')
                    ++p;
                s = value.mid(start, p - start);
            }
            Add(s);
            skipBlanks();
            if (p < n && value[p] == u',') {
                if (++p == n) Add(QString());  // a trailing comma ends with an empty line
                skipBlanks();
            }
        }
    });
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    // An unmatched call would drive the count negative and silence every later notification.
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const QString& s1, const QString& s2) const {
    return QString::compare(s1, s2, Qt::CaseInsensitive);
}

void TStrings::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("Strings"), [this](TReader& reader) { ReadData(reader); },
        [this](TWriter& writer) { WriteData(writer); }, Count() > 0);
}

void TStrings::ReadData(TReader& reader) {
    InUpdate(*this, [&] {
        reader.ReadListBegin();
        Clear();
        while (!reader.EndOfList())
            Add(reader.ReadString());
        reader.ReadListEnd();
    });
}

void TStrings::WriteData(TWriter& writer) const {
    writer.WriteListBegin();
    for (int i = 0, n = Count(); i < n; ++i)
        writer.WriteString(Strings(i));
    writer.WriteListEnd();
}

const TClassInfo& TStringList::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStringList>("TStringList", TStrings::StaticClass()).Build();
    return info;
}

QString TStringList::Strings(int index) const {
    CheckIndex(index, Count());
    return FList.at(index);
}

void TStringList::Put(int index, const QString& s) {
    CheckUnsorted();
    CheckIndex(index, Count());
    Changing();
    FList[index] = s;
    Changed();
}

int TStringList::Add(const QString& s) {
    int index = Count();
    if (FSorted && Find(s, index)) {
        switch (FDuplicates) {
            case TDuplicates::dupIgnore:
                return index;
            case TDuplicates::dupError:
                throw EStringListError(QStringLiteral("String list does not allow duplicates"));
            case TDuplicates::dupAccept:
                break;
        }
    }
    InsertItem(index, s);
    return index;
}

void TStringList::Insert(int index, const QString& s) {
    CheckUnsorted();
    CheckIndex(index, Count() + 1);
    InsertItem(index, s);
}

void TStringList::InsertItem(int index, const QString& s) {
    Changing();
    FList.insert(index, s);
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    Changing();
    FList.removeAt(index);
    Changed();
}

void TStringList::Clear() {
    if (FList.isEmpty()) return;
    Changing();
    FList.clear();
    Changed();
}

int TStringList::IndexOf(const QString& s) const {
    if (!FSorted) return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

void TStringList::Exchange(int index1, int index2) {
    CheckUnsorted();
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    Changing();
    FList.swapItemsAt(index1, index2);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
    CheckUnsorted();
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    if (curIndex == newIndex) return;
    Changing();
    FList.move(curIndex, newIndex);
    Changed();
}

bool TStringList::Find(const QString& s, int& index) const {
    if (!FSorted) {
        // A binary search over unsorted lines would answer at random.
        index = TStrings::IndexOf(s);
        if (index >= 0) return true;
        index = Count();
        return false;
    }
    const auto it = std::lower_bound(FList.begin(), FList.end(), s,
                                     [this](const QString& item, const QString& value) {
                                         return CompareStrings(item, value) < 0;
                                     });
    index = static_cast<int>(it - FList.begin());
    return it != FList.end() && CompareStrings(*it, s) == 0;
}

void TStringList::Sort() {
    if (FList.size() < 2) return;
    Changing();
    std::stable_sort(FList.begin(), FList.end(), [this](const QString& a, const QString& b) {
        return CompareStrings(a, b) < 0;
    });
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (value == FSorted) return;
    if (value) Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive) return;
    FCaseSensitive = value;
    if (FSorted) Sort();  // the old order may not hold under the new comparison
}

void TStringList::SetUpdateState(bool updating) {
    if (updating || !FChangePending) return;
    FChangePending = false;
    OnChange(this);
}

int TStringList::CompareStrings(const QString& s1, const QString& s2) const {
    return QString::compare(s1, s2, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

void TStringList::Changing() {
    // Inside a batch, observers hear OnChanging once, before the first change.
    if (UpdateCount() == 0) {
        OnChanging(this);
    } else if (!FChangePending) {
        OnChanging(this);
        FChangePending = true;
    }
}

void TStringList::Changed() {
    if (UpdateCount() == 0) OnChange(this);
}

void TStringList::CheckUnsorted() const {
    if (FSorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
}

}  // namespace mox

#pragma once
// Lists of lines: TStrings is the interface every line-holding property (memo lines, list box
// items, combo box items) presents; TStringList is the plain in-memory list, optionally sorted.

#include <QString>
#include <QStringList>

#include "toolkit/core/event.h"
#include "toolkit/core/persistent.h"
#include "toolkit/core/typeinfo.h"

namespace mox {

class TStrings : public TPersistent {
    MOX_CLASS
public:
    virtual int Count() const = 0;
    virtual QString Strings(int index) const = 0;  // EStringListError outside 0..Count-1
    virtual void Put(int index, const QString& s);
    virtual int Add(const QString& s);                     // the index the line landed at
    virtual void Insert(int index, const QString& s) = 0;  // index 0..Count
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual int IndexOf(const QString& s) const;  // -1 when absent
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);

    void AddStrings(const TStrings& strings);
    void Assign(const TPersistent* source) override;
    bool Equals(const TStrings& strings) const;  // same lines, compared exactly

    // Every line followed by CR LF. Setting accepts CR LF, LF or CR; a final line break does not
    // start another line.
    QString Text() const;
    void SetText(const QString& value);
    // Lines separated by commas; a line that is empty and alone, or holds blanks, commas or
    // quotes, is quoted with doubled inner quotes. Unquoted blanks also separate lines on set.
    QString CommaText() const;
    void SetCommaText(const QString& value);

    // Brackets a batch of changes so observers hear about it once, at the outermost EndUpdate.
    // An EndUpdate without a matching BeginUpdate is ignored.
    void BeginUpdate();
    void EndUpdate();

    // Streams the lines as the list property "Strings".
    void DefineProperties(TFiler& filer) override;

protected:
    int UpdateCount() const { return FUpdateCount; }
    // Called with true when the first BeginUpdate opens a batch, false when the last closes it.
    virtual void SetUpdateState(bool updating);
    // Negative, zero or positive; the base compares case-insensitively.
    virtual int CompareStrings(const QString& s1, const QString& s2) const;
    void CheckIndex(int index, int limit) const;  // EStringListError unless 0 <= index < limit

private:
    void ReadData(TReader& reader);
    void WriteData(TWriter& writer) const;

    int FUpdateCount = 0;
};

MOX_ENUM(TDuplicates, dupIgnore, dupAccept, dupError)

class TStringList : public TStrings {
    MOX_CLASS
public:
    int Count() const override { return static_cast<int>(FList.size()); }
    QString Strings(int index) const override;
    void Put(int index, const QString& s) override;  // not on a sorted list
    // On a sorted list the line goes to its place, and Duplicates decides about an equal line.
    int Add(const QString& s) override;
    void Insert(int index, const QString& s) override;  // not on a sorted list
    void Delete(int index) override;
    void Clear() override;
    int IndexOf(const QString& s) const override;
    void Exchange(int index1, int index2) override;  // not on a sorted list
    void Move(int curIndex, int newIndex) override;  // not on a sorted list

    // Whether `s` is in the list; `index` receives its first position or, when absent, the
    // position Add would give it.
    bool Find(const QString& s, int& index) const;
    void Sort();

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    // Only sorted lists check for duplicates, so an unsorted list loads whatever it was given.
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);

    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(const QString& s1, const QString& s2) const override;

private:
    void Changing();
    void Changed();
    void CheckUnsorted() const;
    void InsertItem(int index, const QString& s);

    QStringList FList;
    bool FSorted = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
    bool FCaseSensitive = false;
    bool FChangePending = false;  // a change happened inside the current update bracket
};

}  // namespace mox

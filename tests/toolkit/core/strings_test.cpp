// String lists: the list operations and their errors, sorted lists and duplicates, the Text and
// CommaText forms, change notification in and out of update brackets, and the "Strings" stream.
#include "toolkit/core/strings.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "toolkit/core/exceptions.h"

using namespace mox;

namespace {

QStringList Lines(const TStrings& s) {
    QStringList lines;
    for (int i = 0; i < s.Count(); ++i)
        lines << s.Strings(i);
    return lines;
}

void Fill(TStrings& s, const QStringList& lines) {
    for (const QString& line : lines)
        s.Add(line);
}

// Expects `f` to throw an EStringListError with `message`.
template <class F>
void ExpectListError(F f, const QString& message) {
    try {
        f();
        ADD_FAILURE() << "no error, expected " << message.toStdString();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

// Records the notifications of a list as "changing" / "change".
struct Observer {
    explicit Observer(TStringList& list) {
        list.OnChanging = [this](TObject*) { Events << QStringLiteral("changing"); };
        list.OnChange = [this](TObject*) { Events << QStringLiteral("change"); };
    }
    QStringList Events;
};

// The smallest possible TStrings, so the base class's own Put/Exchange/Move/IndexOf are tested.
class VectorStrings : public TStrings {
public:
    int Count() const override { return static_cast<int>(FItems.size()); }
    QString Strings(int index) const override {
        CheckIndex(index, Count());
        return FItems[static_cast<std::size_t>(index)];
    }
    void Insert(int index, const QString& s) override {
        CheckIndex(index, Count() + 1);
        FItems.insert(FItems.begin() + index, s);
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        FItems.erase(FItems.begin() + index);
    }
    void Clear() override { FItems.clear(); }

private:
    std::vector<QString> FItems;
};

}  // namespace

TEST(StringList, EditingAndIndexErrors) {
    TStringList list;
    EXPECT_EQ(list.ClassName(), QStringLiteral("TStringList"));
    EXPECT_TRUE(list.InheritsFrom(TStrings::StaticClass()));

    EXPECT_EQ(list.Add(QStringLiteral("one")), 0);
    EXPECT_EQ(list.Add(QStringLiteral("three")), 1);
    list.Insert(1, QStringLiteral("two"));
    list.Insert(3, QStringLiteral("four"));  // Count is a valid insertion point
    EXPECT_EQ(Lines(list), QStringList({"one", "two", "three", "four"}));
    list.Put(0, QStringLiteral("zero"));
    list.Delete(3);
    EXPECT_EQ(Lines(list), QStringList({"zero", "two", "three"}));

    ExpectListError([&] { list.Strings(3); }, QStringLiteral("List index out of bounds (3)"));
    ExpectListError([&] { list.Strings(-1); }, QStringLiteral("List index out of bounds (-1)"));
    ExpectListError([&] { list.Insert(4, {}); }, QStringLiteral("List index out of bounds (4)"));
    ExpectListError([&] { list.Put(5, {}); }, QStringLiteral("List index out of bounds (5)"));
    ExpectListError([&] { list.Delete(3); }, QStringLiteral("List index out of bounds (3)"));
    ExpectListError([&] { list.Exchange(0, 3); }, QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(Lines(list), QStringList({"zero", "two", "three"}));

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, ExchangeAndMoveKeepEveryLine) {
    TStringList list;
    Fill(list, {"a", "b", "c", "d"});
    list.Exchange(0, 3);
    EXPECT_EQ(Lines(list), QStringList({"d", "b", "c", "a"}));
    list.Move(0, 2);
    EXPECT_EQ(Lines(list), QStringList({"b", "c", "d", "a"}));
    list.Move(3, 0);
    EXPECT_EQ(Lines(list), QStringList({"a", "b", "c", "d"}));
    ExpectListError([&] { list.Move(1, 4); }, QStringLiteral("List index out of bounds (4)"));
    EXPECT_EQ(Lines(list), QStringList({"a", "b", "c", "d"}));
}

TEST(StringList, IndexOfFollowsCaseSensitivity) {
    TStringList list;
    Fill(list, {"Alpha", "beta", "alpha"});
    EXPECT_EQ(list.IndexOf(QStringLiteral("ALPHA")), 0);
    EXPECT_EQ(list.IndexOf(QStringLiteral("gamma")), -1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf(QStringLiteral("alpha")), 2);
    EXPECT_EQ(list.IndexOf(QStringLiteral("ALPHA")), -1);

    // Find on an unsorted list still answers correctly, pointing past the end when absent.
    int index = -1;
    EXPECT_TRUE(list.Find(QStringLiteral("alpha"), index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(list.Find(QStringLiteral("zeta"), index));
    EXPECT_EQ(index, 3);
}

TEST(StringList, SortedListPlacesLinesAndHandlesDuplicates) {
    TStringList list;
    Fill(list, {"pear", "Apple", "fig"});
    list.SetSorted(true);
    EXPECT_EQ(Lines(list), QStringList({"Apple", "fig", "pear"}));
    EXPECT_EQ(list.Add(QStringLiteral("banana")), 1);
    EXPECT_EQ(list.Add(QStringLiteral("zucchini")), 4);

    int index = -1;
    EXPECT_TRUE(list.Find(QStringLiteral("FIG"), index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(list.Find(QStringLiteral("cherry"), index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.IndexOf(QStringLiteral("PEAR")), 3);
    EXPECT_EQ(list.IndexOf(QStringLiteral("cherry")), -1);

    // dupIgnore: the existing line's index, nothing added.
    EXPECT_EQ(list.Add(QStringLiteral("APPLE")), 0);
    EXPECT_EQ(list.Count(), 5);

    list.SetDuplicates(TDuplicates::dupError);
    ExpectListError([&] { list.Add(QStringLiteral("fig")); },
                    QStringLiteral("String list does not allow duplicates"));
    EXPECT_EQ(list.Count(), 5);

    list.SetDuplicates(TDuplicates::dupAccept);
    EXPECT_EQ(list.Add(QStringLiteral("Fig")), 2);
    EXPECT_EQ(Lines(list), QStringList({"Apple", "banana", "Fig", "fig", "pear", "zucchini"}));

    const QStringList before = Lines(list);
    const QString sortedError = QStringLiteral("Operation not allowed on sorted list");
    ExpectListError([&] { list.Insert(0, QStringLiteral("aaa")); }, sortedError);
    ExpectListError([&] { list.Put(0, QStringLiteral("zzz")); }, sortedError);
    ExpectListError([&] { list.Exchange(0, 1); }, sortedError);
    ExpectListError([&] { list.Move(0, 1); }, sortedError);
    EXPECT_EQ(Lines(list), before);
}

TEST(StringList, SortedListResortsWhenCaseSensitivityChanges) {
    TStringList list;
    Fill(list, {"b", "a", "B", "A"});
    list.SetSorted(true);
    EXPECT_EQ(Lines(list), QStringList({"a", "A", "b", "B"}));  // equal lines keep their order
    list.SetCaseSensitive(true);
    EXPECT_EQ(Lines(list), QStringList({"A", "B", "a", "b"}));
    EXPECT_EQ(list.IndexOf(QStringLiteral("a")), 2);
    EXPECT_EQ(list.Add(QStringLiteral("C")), 2);

    // Turning Sorted off keeps the order; later lines are appended.
    list.SetSorted(false);
    list.Add(QStringLiteral("0"));
    EXPECT_EQ(list.Strings(5), QStringLiteral("0"));
}

TEST(StringList, TextUsesCrLfAndReadsAnyLineBreak) {
    TStringList list;
    EXPECT_EQ(list.Text(), QString());
    Fill(list, {"first", "", "third"});
    EXPECT_EQ(list.Text(), QStringLiteral("first\r\n\r\nthird\r\n"));

    list.SetText(QStringLiteral("a\r\nb\nc\rd\n\re"));
    EXPECT_EQ(Lines(list), QStringList({"a", "b", "c", "d", "", "e"}));
    list.SetText(QStringLiteral("x\r\n"));
    EXPECT_EQ(Lines(list), QStringList({"x"}));
    list.SetText(QString());
    EXPECT_EQ(list.Count(), 0);

    // Empty lines, trailing ones included, survive a round trip.
    for (const QStringList& lines :
         {QStringList{""}, QStringList{"a", ""}, QStringList{"", "", "b", "", ""}}) {
        TStringList source, copy;
        Fill(source, lines);
        copy.SetText(source.Text());
        EXPECT_EQ(Lines(copy), lines) << source.Text().toStdString();
    }
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
    TStringList list;
    Fill(list, {"plain", "two words", "say \"hi\"", "a,b", "", "tab\there", "Grüße"});
    EXPECT_EQ(
        list.CommaText(),
        QStringLiteral("plain,\"two words\",\"say \"\"hi\"\"\",\"a,b\",,\"tab\there\",Grüße"));

    list.SetCommaText(QStringLiteral("  one, \"two, too\" three,,\"x\"\"y\"  "));
    EXPECT_EQ(Lines(list), QStringList({"one", "two, too", "three", "", "x\"y"}));
    list.SetCommaText(QStringLiteral("a,"));
    EXPECT_EQ(Lines(list), QStringList({"a", ""}));
    list.SetCommaText(QStringLiteral("\"unterminated"));
    EXPECT_EQ(Lines(list), QStringList({"unterminated"}));

    for (const QStringList& lines :
         {QStringList{}, QStringList{""}, QStringList{"", ""}, QStringList{"", "a", ""},
          QStringList{" lead", "\"", "x,y", "end "}}) {
        TStringList source, copy;
        Fill(source, lines);
        copy.SetCommaText(source.CommaText());
        EXPECT_EQ(Lines(copy), lines) << source.CommaText().toStdString();
    }
}

TEST(StringList, NotifiesAroundEachChange) {
    TStringList list;
    Observer seen(list);
    list.Add(QStringLiteral("a"));
    list.Delete(0);
    EXPECT_EQ(seen.Events, QStringList({"changing", "change", "changing", "change"}));

    // No change, no notification: clearing an empty list, ignoring a duplicate, a failed edit.
    seen.Events.clear();
    list.Clear();
    list.SetSorted(true);
    list.Add(QStringLiteral("x"));
    list.Add(QStringLiteral("X"));
    EXPECT_THROW(list.Delete(7), EStringListError);
    EXPECT_EQ(seen.Events, QStringList({"changing", "change"}));
}

TEST(StringList, UpdateBracketsNotifyOnceAtTheOutermostEnd) {
    TStringList list;
    Observer seen(list);
    list.BeginUpdate();
    list.Add(QStringLiteral("a"));
    list.BeginUpdate();
    list.Add(QStringLiteral("b"));
    list.EndUpdate();
    EXPECT_EQ(seen.Events, QStringList({"changing"}));
    list.Add(QStringLiteral("c"));
    list.EndUpdate();
    EXPECT_EQ(seen.Events, QStringList({"changing", "change"}));

    seen.Events.clear();
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_TRUE(seen.Events.isEmpty());

    // A stray EndUpdate must not leave the list believing it is inside a bracket.
    list.EndUpdate();
    list.Add(QStringLiteral("d"));
    EXPECT_EQ(seen.Events, QStringList({"changing", "change"}));

    // Whole-list operations are one batch each.
    TStringList other;
    Fill(other, {"x", "y", "z"});
    seen.Events.clear();
    list.Assign(&other);
    list.SetText(QStringLiteral("1\n2\n3"));
    list.SetCommaText(QStringLiteral("p,q"));
    list.AddStrings(other);
    EXPECT_EQ(seen.Events.count(QStringLiteral("change")), 4);
    EXPECT_EQ(seen.Events.count(QStringLiteral("changing")), 4);
}

TEST(StringList, FailingBatchStillClosesItsBracket) {
    TStringList list, source;
    Fill(source, {"a", "b", "A"});
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupError);
    Observer seen(list);
    EXPECT_THROW(list.Assign(&source), EStringListError);
    EXPECT_EQ(seen.Events, QStringList({"changing", "change"}));
    EXPECT_EQ(Lines(list), QStringList({"a", "b"}));

    seen.Events.clear();
    list.Add(QStringLiteral("c"));
    EXPECT_EQ(seen.Events, QStringList({"changing", "change"}));
}

TEST(StringList, AssignAddStringsAndEquals) {
    TStringList a, b;
    Fill(a, {"one", "two"});
    b.Add(QStringLiteral("old"));
    b.Assign(&a);
    EXPECT_TRUE(b.Equals(a));
    b.Put(1, QStringLiteral("TWO"));
    EXPECT_FALSE(b.Equals(a));  // exact comparison, whatever CaseSensitive says
    b.Add(QStringLiteral("three"));
    EXPECT_FALSE(a.Equals(b));

    // Assigning or adding a list to itself works from a copy of its lines.
    a.Assign(&a);
    EXPECT_EQ(Lines(a), QStringList({"one", "two"}));
    a.SetSorted(true);
    a.SetDuplicates(TDuplicates::dupAccept);
    a.AddStrings(a);
    EXPECT_EQ(Lines(a), QStringList({"one", "one", "two", "two"}));

    EXPECT_THROW(a.Assign(nullptr), EConvertError);
    TPersistent unrelated;
    EXPECT_THROW(a.Assign(&unrelated), EConvertError);
    EXPECT_EQ(a.Count(), 4);
}

TEST(Strings, BaseOperationsWorkThroughTheAbstractInterface) {
    VectorStrings v;
    Fill(v, {"a", "b", "c"});
    v.Put(1, QStringLiteral("B"));
    v.Exchange(0, 2);
    EXPECT_EQ(Lines(v), QStringList({"c", "B", "a"}));
    v.Move(0, 2);
    EXPECT_EQ(Lines(v), QStringList({"B", "a", "c"}));
    ExpectListError([&] { v.Move(0, 3); }, QStringLiteral("List index out of bounds (3)"));
    ExpectListError([&] { v.Put(3, {}); }, QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(Lines(v), QStringList({"B", "a", "c"}));
    EXPECT_EQ(v.IndexOf(QStringLiteral("b")), 0);
    EXPECT_EQ(v.Text(), QStringLiteral("B\r\na\r\nc\r\n"));

    TStringList list;
    list.Assign(&v);
    EXPECT_TRUE(list.Equals(v));
    list.Add(QStringLiteral("d"));
    v.Assign(&list);
    EXPECT_EQ(Lines(v), QStringList({"B", "a", "c", "d"}));
}

namespace {

// Fakes of the streaming interfaces that log each call.
struct FakeFiler : TFiler {
    void DefineProperty(const QString& name, std::function<void(TReader&)> read,
                        std::function<void(TWriter&)> write, bool hasData) override {
        Names << name;
        Read = std::move(read);
        Write = std::move(write);
        HasData = hasData;
    }
    void DefineBinaryProperty(const QString& name, std::function<void(const QByteArray&)>,
                              std::function<void(QByteArray&)>, bool) override {
        Names << QStringLiteral("binary ") + name;
    }
    QStringList Names;
    std::function<void(TReader&)> Read;
    std::function<void(TWriter&)> Write;
    bool HasData = false;
};

struct FakeWriter : TWriter {
    void WriteInteger(std::int64_t) override { Calls << QStringLiteral("Integer"); }
    void WriteBoolean(bool) override { Calls << QStringLiteral("Boolean"); }
    void WriteFloat(long double) override { Calls << QStringLiteral("Float"); }
    void WriteString(const QString& value) override { Calls << QStringLiteral("String ") + value; }
    void WriteIdent(const QString&) override { Calls << QStringLiteral("Ident"); }
    void WriteListBegin() override { Calls << QStringLiteral("ListBegin"); }
    void WriteListEnd() override { Calls << QStringLiteral("ListEnd"); }
    QStringList Calls;
};

// Serves `Items` as one list of strings.
struct FakeReader : TReader {
    explicit FakeReader(QStringList items) : Items(std::move(items)) {}
    // A string list reads nothing but strings.
    std::int64_t ReadInteger() override { throw std::logic_error("ReadInteger"); }
    bool ReadBoolean() override { throw std::logic_error("ReadBoolean"); }
    long double ReadFloat() override { throw std::logic_error("ReadFloat"); }
    QString ReadIdent() override { throw std::logic_error("ReadIdent"); }
    QString ReadString() override {
        Calls << QStringLiteral("String");
        return Items.value(Next++);
    }
    void ReadListBegin() override { Calls << QStringLiteral("ListBegin"); }
    bool EndOfList() override { return Next >= Items.size(); }
    void ReadListEnd() override { Calls << QStringLiteral("ListEnd"); }

    QStringList Items;
    qsizetype Next = 0;
    QStringList Calls;
};

}  // namespace

TEST(StringList, StreamsLinesAsTheStringsProperty) {
    TStringList list;
    FakeFiler empty;
    list.DefineProperties(empty);
    EXPECT_EQ(empty.Names, QStringList({"Strings"}));
    EXPECT_FALSE(empty.HasData);

    Fill(list, {"first", "", "last"});
    FakeFiler filer;
    list.DefineProperties(filer);
    ASSERT_TRUE(filer.HasData);
    FakeWriter writer;
    filer.Write(writer);
    EXPECT_EQ(writer.Calls,
              QStringList({"ListBegin", "String first", "String ", "String last", "ListEnd"}));

    // Reading replaces the old lines in one batch.
    TStringList target;
    target.Add(QStringLiteral("stale"));
    Observer seen(target);
    FakeFiler targetFiler;
    target.DefineProperties(targetFiler);
    FakeReader reader({"first", "", "last"});
    targetFiler.Read(reader);
    EXPECT_EQ(reader.Calls, QStringList({"ListBegin", "String", "String", "String", "ListEnd"}));
    EXPECT_TRUE(target.Equals(list));
    EXPECT_EQ(seen.Events, QStringList({"changing", "change"}));
}

// The binary component stream: the bytes of every value tag, the smallest-integer rule, and the
// reader's defences against damaged or hostile streams.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

#include "rackfile/binaryreader.h"
#include "rackfile/binarywriter.h"
#include "rackfile/codepage.h"
#include "rackfile/resourceheader.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "toolkit/core/exceptions.h"

using namespace mox;
using namespace mox::rack;

namespace {

// Assembles stream bytes by hand, so that the reader is checked against the format rather than
// against the writer.
class Bytes {
public:
    Bytes& U8(int v) { return Raw(QByteArray(1, static_cast<char>(v))); }
    template <typename T>
    Bytes& LE(T v) {
        char b[sizeof(T)];
        qToLittleEndian(v, b);
        return Raw(QByteArray(b, sizeof(T)));
    }
    Bytes& Str(const QByteArray& s) { return U8(static_cast<int>(s.size())).Raw(s); }
    Bytes& Raw(const QByteArray& s) {
        FData += s;
        return *this;
    }
    operator QByteArray() const { return FData; }

private:
    QByteArray FData;
};

QByteArray Extended(std::uint64_t mantissa, std::uint16_t signExponent) {
    return Bytes().LE(mantissa).LE(signExponent);
}

// A rack record with one property holding `value` (tag and payload).
QByteArray WithValue(const QByteArray& value) {
    return Bytes().Raw("TPF0").Str("TRack").Str("R").Str("P").Raw(value).U8(0).U8(0);
}

QString ReadError(const QByteArray& data, qsizetype start = 0) {
    try {
        ReadObjectStream(data, start);
    } catch (const EReadError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

QString WriteError(const TObjectRecord& root) {
    try {
        WriteObjectStream(root);
    } catch (const EWriteError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

TObjectRecord Record(const QString& className, std::vector<TStreamProperty> properties = {}) {
    TObjectRecord r;
    r.ClassName = className;
    r.Properties = std::move(properties);
    return r;
}

QByteArray EveryTag() {
    Bytes b;
    b.Raw("TPF0").Str("TRack").Str("Rack1");
    b.Str("I8").U8(2).U8(0xFB);
    b.Str("I16").U8(3).LE<std::int16_t>(271);
    b.Str("I32").U8(4).LE<std::int32_t>(-100000);
    b.Str("I64").U8(19).LE<std::int64_t>(std::int64_t{1} << 40);
    b.Str("Ext").U8(5).Raw(Extended(0xC000000000000000, 0x3FFF));  // 1.5
    b.Str("Str").U8(6).Str("Caf\xE9");
    b.Str("Id").U8(7).Str("clBtnFace");
    b.Str("F").U8(8);
    b.Str("T").U8(9);
    b.Str("Bin").U8(10).LE<std::uint32_t>(3).Raw("\x01\x02\x03");
    b.Str("Set").U8(11).Str("a").Str("b").U8(0);
    b.Str("LStr").U8(12).LE<std::uint32_t>(2).Raw("\x80\x81");
    b.Str("Nil").U8(13);
    // Two items: properties without an index, then index 7 without properties.
    b.Str("Coll").U8(14).U8(1).Str("X").U8(2).U8(1).U8(0).U8(2).U8(7).U8(1).U8(0).U8(0);
    b.Str("Sgl").U8(15).LE(std::bit_cast<std::uint32_t>(0.5f));
    b.Str("Cur").U8(16).LE<std::int64_t>(123456);
    b.Str("Date").U8(17).LE(std::bit_cast<std::uint64_t>(2.25));
    b.Str("W").U8(18).LE<std::uint32_t>(2).Raw(QByteArray("\x3D\xD8\x00\xDE", 4));
    b.Str("U8").U8(20).LE<std::uint32_t>(2).Raw("\xC2\xB0");
    b.Str("List").U8(1).U8(2).U8(1).U8(1).U8(2).U8(2).U8(0).U8(0);  // (1, (2))
    b.U8(0);
    b.Str("TLed").Str("Led1").U8(0).U8(0);
    return b.U8(0);
}

}  // namespace

TEST(StreamBinary, EveryTagReadsAndWritesBackByteForByte) {
    const QByteArray stream = EveryTag();
    const TObjectRecord root = ReadObjectStream(stream);
    EXPECT_EQ(root.ClassName, "TRack");
    EXPECT_EQ(root.Name, "Rack1");
    ASSERT_EQ(root.Properties.size(), 20u);
    auto value = [&](int i) { return root.Properties[static_cast<std::size_t>(i)].Value; };
    EXPECT_EQ(value(0).Integer, -5);
    EXPECT_EQ(value(1).Integer, 271);
    EXPECT_EQ(value(2).Integer, -100000);
    EXPECT_EQ(value(3).Type, TValueType::vaInt64);
    EXPECT_EQ(value(4).Extended, 1.5L);
    EXPECT_EQ(value(5).Text, QString::fromUtf8("Café"));
    EXPECT_EQ(value(6).Text, "clBtnFace");
    EXPECT_EQ(value(7).Type, TValueType::vaFalse);
    EXPECT_EQ(value(9).Bytes, QByteArray("\x01\x02\x03"));
    EXPECT_EQ(value(10).SetMembers, QStringList({"a", "b"}));
    EXPECT_EQ(value(11).Text, QString::fromUtf16(u"\u20AC\u0081"));
    ASSERT_EQ(value(13).Items.size(), 2u);
    EXPECT_TRUE(value(13).Items[0].Index.empty());
    EXPECT_EQ(value(13).Items[0].Properties[0].Name, "X");
    EXPECT_EQ(value(13).Items[1].Index.at(0).Integer, 7);
    EXPECT_EQ(value(14).Single, 0.5f);
    EXPECT_EQ(value(15).Integer, 123456);
    EXPECT_EQ(value(16).Date, 2.25);
    EXPECT_EQ(value(17).Text, QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(value(18).Text, QString::fromUtf8("°"));
    EXPECT_EQ(value(19).List.at(1).List.at(0).Integer, 2);
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Offset, stream.size() - 13);

    EXPECT_EQ(WriteObjectStream(root), stream);
}

TEST(StreamBinary, EmptyRackRecordBytes) {
    TObjectRecord rack = Record("TfrmRack", {{"Left", TStreamValue::Int(271)},
                                             {"Tag", TStreamValue::Int(5)},
                                             {"Caption", TStreamValue::Str("My Rack")},
                                             {"Color", TStreamValue::Ident("clBtnFace")}});
    rack.Name = "frmRack";
    Bytes expected;
    expected.Raw("TPF0").Str("TfrmRack").Str("frmRack");
    expected.Str("Left").U8(3).U8(0x0F).U8(0x01);
    expected.Str("Tag").U8(2).U8(5);
    expected.Str("Caption").U8(6).Str("My Rack");
    expected.Str("Color").U8(7).Str("clBtnFace");
    expected.U8(0).U8(0);
    EXPECT_EQ(WriteObjectStream(rack), QByteArray(expected));
}

TEST(StreamBinary, SmallestIntegerTag) {
    const std::vector<std::pair<std::int64_t, TValueType>> cases = {
        {127, TValueType::vaInt8},           {128, TValueType::vaInt16},
        {-128, TValueType::vaInt8},          {-129, TValueType::vaInt16},
        {32767, TValueType::vaInt16},        {32768, TValueType::vaInt32},
        {-32769, TValueType::vaInt32},       {2147483647, TValueType::vaInt32},
        {2147483648, TValueType::vaInt64},   {-2147483648LL, TValueType::vaInt32},
        {-2147483649LL, TValueType::vaInt64}};
    for (const auto& [n, tag] : cases) {
        const QByteArray stream = WriteObjectStream(Record("T", {{"P", TStreamValue::Int(n)}}));
        EXPECT_EQ(static_cast<TValueType>(stream.at(9)), tag) << n;
        EXPECT_EQ(ReadObjectStream(stream).Properties[0].Value.Integer, n);
    }
}

TEST(StreamBinary, EveryTruncationIsAnError) {
    const QByteArray stream = EveryTag();
    for (qsizetype length = 0; length < stream.size(); ++length)
        EXPECT_THROW(ReadObjectStream(stream.left(length)), EReadError) << length;
    EXPECT_EQ(ReadError(stream.left(12)), "Stream read error at offset 11: 5 bytes needed, 1 left");
}

TEST(StreamBinary, HostileLengthsAreRefusedBeforeAllocating) {
    for (int tag : {10, 12, 18, 20}) {
        for (std::uint32_t length : {0x7FFFFFFFu, 0xFFFFFFFFu}) {
            const QByteArray stream = Bytes().Raw(WithValue(Bytes().U8(tag).LE(length)));
            EXPECT_TRUE(ReadError(stream).contains("bytes needed, 2 left")) << tag;
        }
    }
}

TEST(StreamBinary, DamagedStreamsNameTheOffset) {
    EXPECT_EQ(ReadError("TPF1\x01T\x00\x00\x00"),
              "Invalid stream format at offset 0: no TPF0 signature");
    EXPECT_EQ(ReadError(WithValue(Bytes().U8(21))), "Invalid property value at offset 14");
    EXPECT_EQ(ReadError(WithValue(Bytes().U8(0))), "Invalid property value at offset 14");
    EXPECT_EQ(ReadError(Bytes().Raw("TPF0").U8(0).U8(0).U8(0).U8(0)),
              "Missing class name at offset 4");
    // Offsets count from the start of the buffer, so they are file offsets behind a header.
    EXPECT_EQ(ReadError(QByteArray("junk") + WithValue(Bytes().U8(21)), 4),
              "Invalid property value at offset 18");
    // Overlong form, encoded surrogate, cut-off sequence.
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE2\x82"})
        EXPECT_EQ(
            ReadError(WithValue(Bytes()
                                    .U8(20)
                                    .LE<std::uint32_t>(static_cast<std::uint32_t>(std::strlen(bad)))
                                    .Raw(bad))),
            "Invalid UTF-8 string at offset 14");
}

TEST(StreamBinary, OnlyFiniteCanonicalFloatsAreAccepted) {
    const std::uint64_t one = 0x8000000000000000;
    EXPECT_THROW(ReadObjectStream(WithValue(Bytes().U8(5).Raw(Extended(one, 0x7FFF)))), EReadError);
    EXPECT_THROW(ReadObjectStream(WithValue(Bytes().U8(5).Raw(Extended(one | 1, 0xFFFF)))),
                 EReadError);
    EXPECT_THROW(
        ReadObjectStream(WithValue(Bytes().U8(5).Raw(Extended(0x4000000000000000, 0x3FFF)))),
        EReadError);  // unnormal: no integer bit
    EXPECT_THROW(ReadObjectStream(WithValue(Bytes().U8(5).Raw(Extended(one, 0)))),
                 EReadError);  // pseudo-denormal
    EXPECT_THROW(ReadObjectStream(WithValue(Bytes().U8(15).LE(0x7FC00000u))), EReadError);
    EXPECT_THROW(ReadObjectStream(WithValue(Bytes().U8(17).LE(0x7FF0000000000000ull))), EReadError);

    const QByteArray denormal = WithValue(Bytes().U8(5).Raw(Extended(1, 0x8000)));
    const TObjectRecord root = ReadObjectStream(denormal);
    EXPECT_EQ(root.Properties[0].Value.Extended, -std::numeric_limits<long double>::denorm_min());
    EXPECT_EQ(WriteObjectStream(root), denormal);
}

TEST(StreamBinary, NestingIsBounded) {
    auto nestedLists = [](int depth) {
        return WithValue(QByteArray(depth, '\x01') + QByteArray(depth, '\x00'));
    };
    auto nestedObjects = [](int depth) {
        Bytes b;
        b.Raw("TPF0");
        for (int i = 0; i < depth; ++i)
            b.Str("T").Str("").U8(0);
        return QByteArray(b) + QByteArray(depth, '\x00');
    };
    EXPECT_NO_THROW(ReadObjectStream(nestedLists(kMaxNestingDepth - 1)));
    EXPECT_TRUE(ReadError(nestedLists(kMaxNestingDepth)).startsWith("Nesting deeper than 64"));
    EXPECT_NO_THROW(ReadObjectStream(nestedObjects(kMaxNestingDepth)));
    EXPECT_THROW(ReadObjectStream(nestedObjects(kMaxNestingDepth + 1)), EReadError);
    EXPECT_THROW(ReadObjectStream(nestedLists(100000)), EReadError);
    // A collection index must be an integer; a collection in its place cannot nest unbounded.
    EXPECT_EQ(ReadError(WithValue(QByteArray(100000, '\x0E'))), "Integer expected at offset 15");

    TStreamValue deep = TStreamValue::Int(1);
    for (int i = 0; i < kMaxNestingDepth; ++i)
        deep = TStreamValue::ListOf({deep});
    EXPECT_TRUE(WriteError(Record("T", {{"P", deep}})).contains("nesting deeper"));
}

TEST(StreamBinary, PrefixFlagsAndChildPosition) {
    const QByteArray stream =
        Bytes().Raw("TPF0").U8(0xF3).U8(3).LE<std::int16_t>(300).Str("TFrame").Str("F").U8(0).U8(0);
    const TObjectRecord root = ReadObjectStream(stream);
    EXPECT_EQ(root.Flags, ffInherited | ffChildPos);
    EXPECT_EQ(root.Position, 300);
    EXPECT_EQ(WriteObjectStream(root), stream);
    EXPECT_EQ(ReadError(Bytes().Raw("TPF0").U8(0xF5).Str("T").Str("").U8(0).U8(0)),
              "Invalid object flags at offset 4");
    EXPECT_EQ(ReadError(Bytes().Raw("TPF0").U8(0xF8).Str("T").Str("").U8(0).U8(0)),
              "Invalid object flags at offset 4");
    EXPECT_EQ(ReadError(Bytes().Raw("TPF0").U8(0xF2).U8(19).LE<std::int64_t>(1).Str("T").U8(0)),
              "Integer expected at offset 5");
}

TEST(StreamBinary, WriterRefusesWhatCouldNotBeReadBack) {
    TStreamValue wide = TStreamValue::Int(1000);
    wide.Type = TValueType::vaInt8;
    EXPECT_TRUE(WriteError(Record("T", {{"P", wide}})).startsWith("Property P: integer 1000"));
    TStreamValue shortString = TStreamValue::Str(QString(256, u'x'));
    shortString.Type = TValueType::vaString;
    EXPECT_NE(WriteError(Record("T", {{"P", shortString}})), "no error");
    TStreamValue greek = TStreamValue::Str(QStringLiteral("Ω"));
    greek.Type = TValueType::vaString;
    EXPECT_NE(WriteError(Record("T", {{"P", greek}})), "no error");
    TStreamValue lone;
    lone.Type = TValueType::vaUTF8String;
    lone.Text = QString(QChar(0xD800));
    EXPECT_NE(WriteError(Record("T", {{"P", lone}})), "no error");
    EXPECT_NE(WriteError(Record("T", {{"", TStreamValue::Int(1)}})), "no error");
    EXPECT_NE(WriteError(Record("T", {{"P", TStreamValue()}})), "no error");
    EXPECT_NE(WriteError(Record("T", {{"P", TStreamValue::Set({"a", ""})}})), "no error");
    EXPECT_NE(WriteError(Record("")), "no error");
}

TEST(StreamBinary, LongNames) {
    // Names are cut to 255 bytes; a class name of 240 bytes or more would look like a prefix
    // byte, so it gets a prefix of its own and reads back intact.
    TObjectRecord root = Record(QString(250, u'C'), {{QString(300, u'P'), TStreamValue::Int(1)}});
    const TObjectRecord back = ReadObjectStream(WriteObjectStream(root));
    EXPECT_EQ(back.ClassName, root.ClassName);
    EXPECT_EQ(back.Properties[0].Name, QString(255, u'P'));
}

TEST(StreamBinary, Windows1252IsBijective) {
    QByteArray all(256, 0);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    const QString text = FromWindows1252(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9D], QChar(0x9D));
    EXPECT_EQ(ToWindows1252(text), all);
    EXPECT_FALSE(ToWindows1252(QStringLiteral("Ω")));
    EXPECT_EQ(FromUtf8Strict("\xEF\xBB\xBFx"), QChar(0xFEFF) + QStringLiteral("x"));
}

namespace {

// A tree that the text form can hold: its text settles after one round trip.
void ExpectTextSettles(const TObjectRecord& tree, const QString& name) {
    QByteArray text;
    try {
        text = WriteObjectText(tree);
    } catch (const EWriteError&) {
        return;  // a name the text form cannot hold bare
    }
    const QByteArray settled = WriteObjectText(ReadObjectText(text));
    EXPECT_EQ(WriteObjectText(ReadObjectText(settled)), settled) << name.toStdString();
}

}  // namespace

// The fuzzer's seeds and the inputs it found: each is refused with an error or survives the save
// path.
TEST(StreamBinary, DataFilesAreRefusedOrSettle) {
    const QDir data(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                    QStringLiteral("/../fuzz/corpus"));
    const QStringList files = data.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(data.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        std::optional<TObjectRecord> fromBinary, fromText;
        try {
            const qsizetype start =
                bytes.startsWith("TPF0") ? 0 : ReadResourceHeader(bytes).StreamOffset;
            fromBinary = ReadObjectStream(bytes, start);
        } catch (const EReadError&) {
        }
        try {
            fromText = ReadObjectText(bytes);
        } catch (const EReadError&) {
        }
        if (fromBinary) ExpectTextSettles(*fromBinary, name);
        if (fromText) ExpectTextSettles(*fromText, name);
    }
}

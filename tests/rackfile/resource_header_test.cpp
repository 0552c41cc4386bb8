// The resource header of rack files and the save path that wraps the re-converted stream in it.
#include <gtest/gtest.h>

#include <QtEndian>

#include "rackfile/binaryreader.h"
#include "rackfile/binarywriter.h"
#include "rackfile/resourceheader.h"
#include "rackfile/streamconvert.h"
#include "toolkit/core/exceptions.h"

using namespace mox;
using namespace mox::rack;

namespace {

const QByteArray kRackHeaderStart("\xFF\x0A\x00TFRMRACK\x00\x30\x10", 14);

QByteArray EmptyRackStream() {
    TObjectRecord rack;
    rack.ClassName = "TfrmRack";
    rack.Name = "frmRack";
    rack.Properties = {{"Caption", TStreamValue::Str("My Rack")},
                       {"ClientHeight", TStreamValue::Ext(0.5L)}};
    return WriteObjectStream(rack);
}

QString HeaderError(const QByteArray& file) {
    try {
        ReadResourceHeader(file);
    } catch (const EReadError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

}  // namespace

TEST(ResourceHeader, RackHeaderBytes) {
    const QByteArray stream = EmptyRackStream();
    const QByteArray file = WrapInResourceHeader(stream, "TfrmRack");
    EXPECT_EQ(file.left(14), kRackHeaderStart);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(file.constData() + 14), file.size() - 18);
    EXPECT_EQ(file.mid(18), stream);

    const TResourceHeader header = ReadResourceHeader(file);
    EXPECT_EQ(header.Name, "TFRMRACK");
    EXPECT_EQ(header.MemoryFlags, 0x1030);
    EXPECT_EQ(header.StreamOffset, 18);
}

TEST(ResourceHeader, NameIsUpperCasedAndBounded) {
    EXPECT_EQ(ReadResourceHeader(WrapInResourceHeader("", QString(100, u'a'))).Name,
              QByteArray(69, 'A'));
    EXPECT_EQ(ReadResourceHeader(WrapInResourceHeader("", QString::fromUtf8("Té"))).Name,
              QByteArray("T\xE9"));
    EXPECT_EQ(ReadResourceHeader(WrapInResourceHeader("", QStringLiteral("Ta\0b"))).Name, "TA");
    EXPECT_THROW(WrapInResourceHeader("", QStringLiteral("TΩ")), EWriteError);
}

TEST(ResourceHeader, DamagedHeadersAreRefused) {
    const QByteArray good = WrapInResourceHeader(EmptyRackStream(), "TfrmRack");
    QByteArray wrongMark = good;
    wrongMark[0] = '\xFE';
    QByteArray wrongType = good;
    wrongType[1] = '\x0B';
    EXPECT_EQ(HeaderError(wrongMark), "Invalid stream format");
    EXPECT_EQ(HeaderError(wrongType), "Invalid stream format");
    EXPECT_EQ(HeaderError("TPF0"), "Invalid stream format");
    // A name without its 0 byte within 79 bytes, or a header cut short, is never read past.
    EXPECT_EQ(HeaderError("\xFF\x0A" + QByteArray(1, '\0') + QByteArray(100, 'A')),
              "Invalid stream format");
    for (qsizetype length = 0; length < 18; ++length)
        EXPECT_EQ(HeaderError(good.left(length)), "Invalid stream format") << length;
    // The memory flags and the size are not checked, as files written elsewhere expect.
    QByteArray otherSize = good;
    otherSize[14] = '\x7F';
    otherSize[12] = '\0';
    EXPECT_EQ(ReadResourceHeader(otherSize).StreamOffset, 18);
}

TEST(ResourceHeader, SavePathWrapsTheReconvertedStream) {
    TObjectRecord rack;
    rack.ClassName = "TfrmRack";
    rack.Name = "frmRack";
    TStreamValue latin;
    latin.Type = TValueType::vaString;
    latin.Text = QString::fromUtf8("20 °C");
    rack.Properties = {{"Caption", latin}, {"Level", TStreamValue::Ext(2.0L / 3)}};
    const QByteArray file = ObjectBinaryToRackFile(WriteObjectStream(rack));
    EXPECT_EQ(file.left(14), kRackHeaderStart);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(file.constData() + 14), file.size() - 18);

    const TObjectRecord back = ReadObjectStream(file, ReadResourceHeader(file).StreamOffset);
    EXPECT_EQ(back.Properties[0].Value.Type, TValueType::vaUTF8String);
    EXPECT_EQ(back.Properties[0].Value.Text, latin.Text);
    EXPECT_EQ(back.Properties[1].Value.Extended, 0.666666666666667L);
    EXPECT_THROW(ObjectBinaryToRackFile("not a stream"), EReadError);
}

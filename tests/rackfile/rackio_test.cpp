// Rack files on disk: the exact bytes a save writes, the save that never destroys a good file,
// and loading a file back into a form.
#include "rackfile/rackio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "toolkit/controls/form.h"
#include "toolkit/core/exceptions.h"

using namespace mox;
using namespace mox::rack;

namespace {

struct FreshRack {
    TForm Form{nullptr};
    FreshRack() {
        Form.SetName(QStringLiteral("frmRack"));
        Form.SetCaption(QStringLiteral("My Rack"));
        Form.SetAutoScroll(false);
        Form.SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
        Form.SetBorderStyle(TFormBorderStyle::bsSingle);
        Form.SetOldCreateOrder(true);
        Form.SetVisible(true);
        Form.SetBounds(271, 175, 442, 266);
    }
};

QByteArray Short(const char* s) {
    const QByteArray bytes(s);
    return char(bytes.size()) + bytes;
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// The root record of a fresh rack at save time, written out by hand.
QByteArray ExpectedRackStream() {
    QByteArray s("TPF0");
    s += Short("TForm") + Short("frmRack");
    s += Short("Left") + Bytes({3, 0x0F, 0x01});
    s += Short("Top") + Bytes({3, 0xAF, 0x00});
    s += Short("BorderIcons") + Bytes({11}) + Short("biSystemMenu") + Short("biMinimize") +
         Bytes({0});
    s += Short("BorderStyle") + Bytes({7}) + Short("bsSingle");
    s += Short("Caption") + Bytes({6}) + Short("My Rack");
    s += Short("ClientHeight") + Bytes({3, 0x0A, 0x01});
    s += Short("ClientWidth") + Bytes({3, 0xBA, 0x01});
    s += Short("Color") + Bytes({7}) + Short("clBtnFace");
    s += Short("Font.Charset") + Bytes({7}) + Short("DEFAULT_CHARSET");
    s += Short("Font.Color") + Bytes({7}) + Short("clWindowText");
    s += Short("Font.Height") + Bytes({2, 0xF5});
    s += Short("Font.Name") + Bytes({6}) + Short("MS Sans Serif");
    s += Short("Font.Style") + Bytes({11, 0});
    s += Short("OldCreateOrder") + Bytes({9});
    s += Short("Visible") + Bytes({9});
    s += Short("PixelsPerInch") + Bytes({2, 96});
    s += Short("TextHeight") + Bytes({2, 13});
    s += Bytes({0, 0});
    return s;
}

}  // namespace

TEST(RackIo, FreshRackIsWrittenByteForByte) {
    FreshRack rack;
    const QByteArray file = RackFileBytes(rack.Form, kRackFileFormat);
    const QByteArray stream = ExpectedRackStream();
    QByteArray header = Bytes({0xFF, 0x0A, 0x00}) + QByteArray("TFORM") + Bytes({0, 0x30, 0x10});
    const auto size = static_cast<std::uint32_t>(stream.size());
    header += Bytes(
        {int(size & 0xFF), int((size >> 8) & 0xFF), int((size >> 16) & 0xFF), int(size >> 24)});
    EXPECT_EQ(file.toHex(' ').toStdString(), (header + stream).toHex(' ').toStdString());
}

TEST(RackIo, TextFormatWritesTheTextOfTheStream) {
    FreshRack rack;
    const QByteArray text = RackFileBytes(rack.Form, kTextFormat);
    EXPECT_TRUE(text.startsWith("object frmRack: TForm\r\n"));
    EXPECT_TRUE(text.contains("  Caption = 'My Rack'\r\n"));
    EXPECT_TRUE(text.contains("  BorderIcons = [biSystemMenu, biMinimize]\r\n"));
    EXPECT_TRUE(text.endsWith("end\r\n"));
}

TEST(RackIo, SavedFileLoadsBackIntoAnotherForm) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rack.res"));
    {
        FreshRack rack;
        rack.Form.SetCaption(QStringLiteral("Bench \u00b0C"));
        SaveRackFile(rack.Form, path, kRackFileFormat);
    }
    TForm loaded(nullptr);
    const TReadResult result = LoadRackFile(path, loaded, TClassRegistry());
    EXPECT_EQ(result.ObjectCount, 1);
    EXPECT_EQ(loaded.Caption(), QStringLiteral("Bench \u00b0C"));
    EXPECT_EQ(loaded.Name(), QStringLiteral("frmRack"));
    EXPECT_EQ(loaded.ClientWidth(), 442);
}

TEST(RackIo, FailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rack.res"));
    QFile good(path);
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write("good contents");
    good.close();

    FreshRack rack;
    // A value the stream cannot hold makes the save fail part-way.
    rack.Form.SetCaption(QString(QChar(0xD800)));  // a lone surrogate
    EXPECT_THROW(SaveRackFile(rack.Form, path, kRackFileFormat), Exception);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), QByteArray("good contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind

    EXPECT_THROW(SaveRackFile(rack.Form, dir.filePath(QStringLiteral("missing/rack.res")), 0),
                 EWriteError);
}

TEST(RackIo, DamagedFilesAreRefusedAndTheFormKeepsItsName) {
    FreshRack rack;
    const QByteArray file = RackFileBytes(rack.Form, kRackFileFormat);
    TForm target(nullptr);
    target.SetName(QStringLiteral("keep"));

    QByteArray wrongFirst = file;
    wrongFirst[0] = 0x00;
    EXPECT_THROW(LoadRackBytes(wrongFirst, target, TClassRegistry()), EReadError);
    QByteArray wrongSignature = file;
    wrongSignature[18] = 'X';
    EXPECT_THROW(LoadRackBytes(wrongSignature, target, TClassRegistry()), EReadError);
    EXPECT_EQ(target.Name(), QStringLiteral("keep"));
    EXPECT_THROW(LoadRackFile(QStringLiteral("/nonexistent/rack.res"), target, TClassRegistry()),
                 EReadError);
}

TEST(RackIo, SizeFieldIsTheStreamLength) {
    FreshRack rack;
    const QByteArray file = RackFileBytes(rack.Form, kRackFileFormat);
    // FF, type, "TFORM" and its 0, flags, then the size: the stream starts 15 bytes in.
    const qsizetype headerLength = 3 + 5 + 1 + 2 + 4;
    const auto size = static_cast<std::uint8_t>(file[11]) | static_cast<std::uint8_t>(file[12])
                                                                << 8;
    EXPECT_EQ(size, file.size() - headerLength);
}

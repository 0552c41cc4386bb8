// Bitmaps: size and pixels, transparency settings, and BMP files, including damaged ones.
#include "toolkit/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <climits>
#include <vector>

#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/canvas.h"

namespace mox {
namespace {

// Hand-made BMP files: a little-endian writer and a builder of BITMAPINFOHEADER files.
class TBytes {
public:
    TBytes& U8(int v) {
        FData.append(static_cast<char>(v));
        return *this;
    }
    TBytes& U16(int v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
    TBytes& U32(std::int64_t v) {
        return U16(static_cast<int>(v & 0xFFFF)).U16(static_cast<int>((v >> 16) & 0xFFFF));
    }
    TBytes& Bytes(const QByteArray& b) {
        FData.append(b);
        return *this;
    }
    const QByteArray& Data() const { return FData; }

private:
    QByteArray FData;
};

struct TBmpLayout {
    int Width = 0;
    int Height = 0;  // negative: top-down
    int BitCount = 24;
    std::uint32_t Compression = 0;
    std::vector<QRgb> Palette;
    std::vector<std::uint32_t> Masks;  // BI_BITFIELDS
    QByteArray Pixels;                 // rows as stored, padded to 4 bytes
};

QByteArray MakeBmp(const TBmpLayout& s) {
    constexpr int kHeaders = 14 + 40;
    const int offset =
        kHeaders + static_cast<int>(s.Masks.size()) * 4 + static_cast<int>(s.Palette.size()) * 4;
    TBytes b;
    b.U8('B').U8('M').U32(offset + s.Pixels.size()).U16(0).U16(0).U32(offset);
    b.U32(40).U32(s.Width).U32(s.Height).U16(1).U16(s.BitCount).U32(s.Compression);
    b.U32(s.Pixels.size()).U32(2835).U32(2835).U32(s.Palette.size()).U32(0);
    for (std::uint32_t m : s.Masks)
        b.U32(m);
    for (QRgb c : s.Palette)
        b.U8(qBlue(c)).U8(qGreen(c)).U8(qRed(c)).U8(0);
    return b.Bytes(s.Pixels).Data();
}

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

void PutU32(QByteArray& data, qsizetype at, std::uint32_t value) {
    qToLittleEndian(value, data.data() + at);
}

std::vector<TColor> AllPixels(const TBitmap& b) {
    std::vector<TColor> pixels;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            pixels.push_back(b.Pixels(x, y));
    return pixels;
}

// A 3x3 bitmap with nine different colours.
std::unique_ptr<TBitmap> Sample() {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            b->SetPixels(x, y, RGB(x * 90 + 1, y * 90 + 2, x * y * 20 + 3));
    return b;
}

TEST(BitmapSize, ResizingKeepsTheOverlapAndFillsWhite) {
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.SetWidth(3);  // one side set: still empty, but remembered
    EXPECT_TRUE(b.Empty());
    b.SetHeight(2);
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(b.Pixels(2, 1), clWhite);
    b.SetPixels(1, 1, clRed);
    b.SetSize(4, 4);
    EXPECT_EQ(b.Pixels(1, 1), clRed);
    EXPECT_EQ(b.Pixels(3, 3), clWhite);
    b.SetSize(4, 4);  // no change, no event
    EXPECT_EQ(changes, 4);
    b.SetSize(-5, 2);
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Pixels(0, 0), clInvalidPixel);
    b.SetPixels(0, 0, clRed);  // outside: ignored, no event
    EXPECT_EQ(changes, 5);
    EXPECT_THROW(b.SetSize(100000, 100000), EOutOfResources);
}

TEST(BitmapTransparency, AutomaticColourIsTheBottomLeftPixel) {
    auto b = Sample();
    EXPECT_EQ(b->TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(b->TransparentColor(), b->Pixels(0, 2));
    b->SetTransparentColor(clLime);
    EXPECT_EQ(b->TransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(b->TransparentColor(), clLime);
    b->SetTransparentMode(TTransparentMode::tmAuto);
    EXPECT_EQ(b->TransparentColor(), b->Pixels(0, 2));
    b->SetTransparentMode(TTransparentMode::tmFixed);  // keeps the colour in use
    b->SetPixels(0, 2, clRed);
    EXPECT_NE(b->TransparentColor(), clRed);
}

TEST(BitmapAssign, CopiesPixelsAndSettingsIndependently) {
    auto source = Sample();
    source->SetTransparent(true);
    source->SetPixelFormat(TPixelFormat::pf32bit);
    TBitmap copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(source.get());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(AllPixels(copy), AllPixels(*source));
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf32bit);

    // The pixels are shared until either side draws.
    const std::vector<TColor> before = AllPixels(*source);
    copy.Canvas()->Brush()->SetColor(clBlack);
    copy.Canvas()->FillRect(Rect(0, 0, 3, 3));
    copy.Canvas()->TextOut(0, 0, QStringLiteral("x"));
    EXPECT_EQ(AllPixels(*source), before);
    EXPECT_THROW(copy.Assign(copy.Canvas()->Pen()), EConvertError);
}

TEST(BitmapFile, SavedDataLoadsBackIdentically) {
    auto original = Sample();
    const QByteArray data = original->SaveToBmpData();
    EXPECT_EQ(data.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(data.constData() + 2), data.size());
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(data.constData() + 28), 24);

    TBitmap loaded;
    int changes = 0;
    loaded.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(loaded.LoadFromBmpData(data), data.size());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(AllPixels(loaded), AllPixels(*original));
    EXPECT_EQ(loaded.PixelFormat(), TPixelFormat::pf24bit);

    original->SetPixelFormat(TPixelFormat::pf32bit);
    const QByteArray wide = original->SaveToBmpData();
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(wide.constData() + 28), 32);
    loaded.LoadFromBmpData(wide);
    EXPECT_EQ(AllPixels(loaded), AllPixels(*original));
    EXPECT_EQ(loaded.PixelFormat(), TPixelFormat::pf32bit);

    EXPECT_THROW(TBitmap().SaveToBmpData(), EInvalidGraphic);
}

TEST(BitmapFile, StreamDataIsALengthThenTheFileAndDamageIsRefused) {
    auto original = Sample();
    const QByteArray data = original->StreamData();
    const QByteArray bmp = original->SaveToBmpData();
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(data.constData()), bmp.size());
    EXPECT_EQ(data.mid(4), bmp);
    TBitmap loaded;
    loaded.ReadStreamData(data);
    EXPECT_EQ(AllPixels(loaded), AllPixels(*original));

    // An empty bitmap is a zero length and no file.
    EXPECT_EQ(TBitmap().StreamData(), QByteArray(4, '\0'));
    loaded.ReadStreamData(QByteArray(4, '\0'));
    EXPECT_TRUE(loaded.Empty());

    original->ReadStreamData(data);
    EXPECT_THROW(original->ReadStreamData(data.left(3)), EReadError);
    EXPECT_THROW(original->ReadStreamData(data.left(data.size() - 1)), EReadError);
    EXPECT_THROW(original->ReadStreamData(data + "x"), EReadError);
    EXPECT_EQ(AllPixels(*original), AllPixels(*Sample()));  // a refused read changes nothing
}

TEST(BitmapFile, ReadsOneFileFromLongerData) {
    auto first = Sample();
    TBitmap second;
    second.SetSize(2, 1);
    second.SetPixels(0, 0, clRed);
    const QByteArray a = first->SaveToBmpData(), b = second.SaveToBmpData();
    const QByteArray both = a + b;
    TBitmap loaded;
    const qsizetype used = loaded.LoadFromBmpData(both);
    EXPECT_EQ(used, a.size());
    EXPECT_EQ(AllPixels(loaded), AllPixels(*first));
    EXPECT_EQ(loaded.LoadFromBmpData(QByteArrayView(both).sliced(used)), b.size());
    EXPECT_EQ(AllPixels(loaded), AllPixels(second));
}

TEST(BitmapFile, ReadsHandMadeFilesOfEveryDepth) {
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);
    struct TCase {
        const char* Name;
        TBmpLayout Layout;
        std::vector<TColor> Expected;  // rows top to bottom
        TPixelFormat Format;
    };
    const TCase cases[] = {
        // Rows bottom-up, padded to four bytes; bits and nibbles high first.
        {"1-bit",
         {3, 2, 1, 0, {black, white}, {}, Hex("20000000a0000000")},
         {clWhite, clBlack, clWhite, clBlack, clBlack, clWhite},
         TPixelFormat::pf1bit},
        {"4-bit",
         {3, 2, 4, 0, {red, green, blue}, {}, Hex("2200000001200000")},
         {clRed, clLime, clBlue, clBlue, clBlue, clRed},
         TPixelFormat::pf4bit},
        {"8-bit",
         {3, 2, 8, 0, {red, green, blue}, {}, Hex("0000010002010000")},
         {clBlue, clLime, clRed, clRed, clRed, clLime},
         TPixelFormat::pf8bit},
        {"8-bit RLE",
         {4, 2, 8, 1, {black, white}, {}, Hex("04010000020002010001")},
         {clBlack, clBlack, clWhite, clWhite, clWhite, clWhite, clWhite, clWhite},
         TPixelFormat::pf8bit},
        // Five and six bits widen by shifting, as GDI does: full red reads 0xF8.
        {"16-bit 5-6-5",
         {2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, Hex("00f8e007")},
         {RGB(0xF8, 0, 0), RGB(0, 0xFC, 0)},
         TPixelFormat::pf16bit},
        {"24-bit top-down",
         {1, -2, 24, 0, {}, {}, Hex("0000ff00ff000000")},
         {clRed, clBlue},
         TPixelFormat::pf24bit},
        // The fourth byte is not alpha: colours stay as stored and the pixels opaque.
        {"32-bit",
         {2, 1, 32, 0, {}, {}, Hex("3322110000ff0000")},
         {RGB(0x11, 0x22, 0x33), clLime},
         TPixelFormat::pf32bit},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBitmap b;
        const QByteArray data = MakeBmp(c.Layout);
        EXPECT_EQ(b.LoadFromBmpData(data), data.size());
        EXPECT_EQ(AllPixels(b), c.Expected);
        EXPECT_EQ(b.PixelFormat(), c.Format);
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                EXPECT_EQ(qAlpha(b.Image().pixel(x, y)), 0xFF);
    }
}

TEST(BitmapFile, EveryTruncationIsRefused) {
    const QByteArray files[] = {
        Sample()->SaveToBmpData(),
        MakeBmp({3, 2, 8, 0, {qRgb(1, 2, 3), qRgb(4, 5, 6)}, {}, Hex("0000010000010000")}),
    };
    for (const QByteArray& data : files)
        for (qsizetype length = 0; length < data.size(); ++length) {
            TBitmap b;
            EXPECT_THROW(b.LoadFromBmpData(data.first(length)), EInvalidGraphic) << length;
        }
}

TEST(BitmapFile, DamagedHeadersAreRefused) {
    const QByteArray good = Sample()->SaveToBmpData();
    const auto damaged = [&](auto change) {
        QByteArray d = good;
        change(d);
        TBitmap b;
        try {
            b.LoadFromBmpData(d);
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Bitmap image is not valid"));
            return true;
        }
        return false;
    };
    EXPECT_TRUE(damaged([](QByteArray& d) { d[0] = 'X'; }));
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 2, d.size() + 1); }));  // size past end
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 2, 20); }));            // too short
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 10, d.size()); }));     // no pixels
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 10, 20); }));           // pixels in header
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 14, 41); }));           // header size
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 18, 0); }));            // width 0
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 18, std::uint32_t(-3)); }));
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 22, 0); }));  // height 0
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 22, 0x80000000u); }));
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 18, 100000); }));  // more than the data
    EXPECT_TRUE(damaged([](QByteArray& d) { d[26] = 2; }));              // planes
    EXPECT_TRUE(damaged([](QByteArray& d) { d[28] = 7; }));              // bit count
    EXPECT_TRUE(damaged([](QByteArray& d) { PutU32(d, 30, 4); }));       // JPEG inside

    // A small RLE file claiming 100000 x 100000 pixels is refused before anything is allocated.
    QByteArray huge = MakeBmp({100000, 100000, 8, 1, {0, 0}, {}, Hex("00000001")});
    TBitmap b;
    EXPECT_THROW(b.LoadFromBmpData(huge), EInvalidGraphic);
    // So is a palette of more colours than the bit count allows.
    QByteArray colours = MakeBmp({1, 1, 1, 0, {}, {}, Hex("00000000")});
    PutU32(colours, 46, 100000);
    EXPECT_THROW(b.LoadFromBmpData(colours), EInvalidGraphic);
}

TEST(BitmapFile, CorruptingAnyHeaderByteNeverCrashes) {
    const QByteArray good =
        MakeBmp({3, 2, 8, 0, {qRgb(1, 2, 3), qRgb(4, 5, 6)}, {}, Hex("0000010000010000")});
    for (qsizetype at = 0; at < 14 + 40 + 8; ++at)
        for (const char value : {'\x00', '\x7f', '\x80', '\xff'}) {
            QByteArray d = good;
            d[at] = value;
            TBitmap b;
            try {
                b.LoadFromBmpData(d);
            } catch (const EInvalidGraphic&) {
            }
        }
}

TEST(BitmapFile, FailedLoadKeepsThePicture) {
    auto b = Sample();
    const std::vector<TColor> before = AllPixels(*b);
    int changes = 0;
    b->OnChange = [&](TObject*) { ++changes; };
    QByteArray broken = b->SaveToBmpData();
    broken.chop(1);
    EXPECT_THROW(b->LoadFromBmpData(broken), EInvalidGraphic);
    EXPECT_THROW(b->LoadFromFile(QStringLiteral("/nonexistent/gauge.bmp")), EInvalidGraphic);
    EXPECT_THROW(b->LoadFromResourceName(QStringLiteral("NO_SUCH_GLYPH")), EInvalidGraphic);
    EXPECT_EQ(AllPixels(*b), before);
    EXPECT_EQ(changes, 0);
}

TEST(BitmapFile, FilesRoundTripAndMissingFilesSaySo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("dial.bmp"));
    auto original = Sample();
    original->SaveToFile(path);
    TBitmap loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(AllPixels(loaded), AllPixels(*original));

    try {
        loaded.LoadFromFile(dir.filePath(QStringLiteral("missing.bmp")));
        FAIL() << "a missing file loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Cannot open file \""))) << e.what();
    }
    EXPECT_THROW(original->SaveToFile(dir.filePath(QStringLiteral("no/such/dir/x.bmp"))),
                 EInvalidGraphic);
}

}  // namespace
}  // namespace mox

// The LCD panel: its built-in face, squeezed or stretched to any size, and a picture that goes
// into the rack file with the panel and comes back from it, or is refused when damaged.
#include "instruments/output/lcd.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/testwindows.h"
#include "toolkit/core/classregistry.h"
#include "toolkit/graphics/shapegeometry.h"

namespace mox {
namespace {

struct LcdTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 120);

    TLcd* Add(const TRect& bounds) {
        auto* lcd = new TLcd(Form);
        lcd->SetName(QStringLiteral("lcd1"));
        lcd->SetParent(Form);
        lcd->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return lcd;
    }
    QRgb PixelAt(int x, int y) { return Form->Handle()->grab().toImage().pixel(x, y) & 0xFFFFFF; }
    TLcd* Reload(const QByteArray& text) {
        TForm* again = test::ShowForm(&Owner, 300, 120);
        TClassRegistry registry;
        registry.RegisterClass(TLcd::StaticClass());
        rack::ReadComponentTree(rack::ReadObjectText(text), *again, registry);
        return dynamic_cast<TLcd*>(again->FindComponent(QStringLiteral("lcd1")));
    }
};

TEST_F(LcdTest, ANewPanelShowsTheWholeFaceSqueezedToItsSize) {
    TLcd* lcd = Add(Rect(10, 10, 110, 30));  // 100 × 20
    EXPECT_TRUE(lcd->Stretch());
    EXPECT_FALSE(lcd->AutoSize());
    EXPECT_EQ(lcd->Width(), 100);
    EXPECT_EQ(lcd->Height(), 20);
    const QImage& face = lcd->Picture()->Graphic()->Image();
    ASSERT_EQ(face.size(), QSize(257, 40));
    // Every panel pixel takes the face pixel it is squeezed from: corners from the frame, the
    // middle from the glass.
    const auto from = [&](int x, int y) {
        return face.pixel(StretchSourceOffset(x, 100, 257), StretchSourceOffset(y, 20, 40)) &
               0xFFFFFF;
    };
    for (const TPoint p : {TPoint{0, 0}, TPoint{99, 19}, TPoint{50, 10}, TPoint{99, 0}})
        EXPECT_EQ(PixelAt(10 + p.X, 10 + p.Y), from(p.X, p.Y)) << p.X << ',' << p.Y;
    EXPECT_NE(PixelAt(60, 20), PixelAt(10, 10));
}

TEST_F(LcdTest, ThePictureAndStretchGoIntoTheFileAndComeBack) {
    TLcd* lcd = Add(Rect(0, 0, 217, 49));
    TBitmap red;
    red.SetSize(3, 2);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 3, 2));
    lcd->Picture()->SetGraphic(&red);
    const rack::TObjectRecord root = rack::WriteComponentTree(*Form);
    QStringList names;
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_TRUE(names.contains("Picture.Data"));
    EXPECT_TRUE(names.contains("Stretch"));

    TLcd* loaded = Reload(rack::WriteObjectText(root));
    ASSERT_NE(loaded, nullptr);
    // The stored picture replaces the built-in face.
    EXPECT_EQ(loaded->Picture()->Width(), 3);
    EXPECT_EQ(loaded->Picture()->Height(), 2);
    EXPECT_TRUE(loaded->Stretch());
    EXPECT_EQ(loaded->Width(), 217);
}

TEST_F(LcdTest, ADamagedOrForeignPictureIsRefused) {
    Add(Rect(0, 0, 217, 49));
    const QByteArray good = rack::WriteObjectText(rack::WriteComponentTree(*Form));
    const qsizetype data = good.indexOf("Picture.Data = {");
    ASSERT_GE(data, 0);
    const qsizetype end = good.indexOf('}', data);
    const QByteArray prefix = good.left(data), suffix = good.mid(end + 1);
    // A class other than a bitmap, a stated length beyond the bytes, and bytes that are no BMP.
    const QByteArray bad[] = {
        "Picture.Data = {0A544D65746166696C6500000000}",
        "Picture.Data = {07544269746D6170FFFFFF7F424D}",
        "Picture.Data = {07544269746D6170040000000102030405}",
    };
    for (const QByteArray& picture : bad) {
        SCOPED_TRACE(picture.toStdString());
        EXPECT_THROW(Reload(prefix + picture + suffix), Exception);
    }
}

}  // namespace
}  // namespace mox

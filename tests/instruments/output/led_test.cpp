// The LED: the cells of its lamp bitmaps, where the lamp and caption go for every type and
// layout (also for settings at the ends of their types), the lamp it shows for each state, custom
// glyphs, transparency over the rack, and what a rack file gives it.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <optional>
#include <string>

#include "instruments/base/vrresources.h"
#include "instruments/output/ledgeometry.h"
#include "instruments/output/vrled.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/canvastesting.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

TEST(LedGeometryTest, CellsAreHalfTheBitmapAndEmptyWhenTooSmall) {
    struct Row {
        const char* Name;
        int Width, Height;
        TSize Expected;
    };
    const Row rows[] = {
        {"round", 18, 9, {9, 9}},
        {"rectangle", 20, 5, {10, 5}},
        {"large rectangle", 34, 7, {17, 7}},
        {"an odd width drops the last column", 7, 3, {3, 3}},
        {"one column", 1, 9, {0, 0}},
        {"no rows", 18, 0, {0, 0}},
        {"empty", 0, 0, {0, 0}},
        {"negative sizes", -4, -9, {0, 0}},
        {"the largest sizes", kIntMax, kIntMax, {kIntMax / 2, kIntMax}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(LampCellSize(row.Width, row.Height), row.Expected);
    }
}

TEST(LedGeometryTest, SeeThroughKeyIsBlackUnlessALampColourIsBlack) {
    struct Row {
        const char* Name;
        std::vector<TColor> Taken;
        TColor Expected;
    };
    const Row rows[] = {
        {"nothing taken", {}, clBlack},
        {"the usual lamp colours", {clMaroon, clRed, clSilver, clWhite}, clBlack},
        {"a black lamp colour", {clRed, clBlack}, 0x000001},
        {"a run of taken colours", {0x000002, clBlack, 0x000001, 0x000004}, 0x000003},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(SeeThroughKey(row.Taken), row.Expected);
    }
}

// --- The control ----------------------------------------------------------------------------

// A glyph bitmap drawn from a picture: one character a pixel, rows separated by '\n'.
std::unique_ptr<TBitmap> GlyphFrom(const QString& picture, const std::map<QChar, TColor>& ink) {
    const QStringList rows = picture.split(u'\n');
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            bitmap->SetPixels(x, y, ink.at(rows[y][x]));
    return bitmap;
}

struct LedTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 200, 150);
    TVrLed* Led = new TVrLed(Form);
    int Changes = 0;

    LedTest() {
        Led->SetParent(Form);
        Led->OnChange = [this](TObject*) { ++Changes; };
    }
    const TBitmap& Painted() {
        Led->Repaint();
        TApplication::Instance().ProcessMessages();
        return Led->Image();
    }
};

TEST_F(LedTest, NewLedHasTheConstructorValues) {
    Led->SetName(QStringLiteral("led1"));
    EXPECT_EQ(Led->Caption(), "");  // a caption does not follow the name
    EXPECT_EQ(Led->BoundsRect(), (TRect{0, 0, 25, 25}));
    EXPECT_FALSE(Led->Active());
    EXPECT_EQ(Led->LedType(), TVrLedType::ltRounded);
    EXPECT_EQ(Led->Layout(), TVrImageTextLayout::ImageLeft);
    EXPECT_EQ((std::vector{Led->Margin(), Led->Spacing()}), (std::vector{-1, 5}));
    EXPECT_EQ((std::vector{Led->Palette()->Low(), Led->Palette()->High()}),
              (std::vector{clMaroon, clRed}));
    EXPECT_FALSE(Led->Transparent());
    EXPECT_TRUE(Led->Glyphs()->Empty());
    EXPECT_EQ(Led->Color(), clBlack);
    EXPECT_FALSE(Led->ParentColor());
    EXPECT_EQ(Led->Font()->Color(), clWhite);
    EXPECT_FALSE(Led->ParentFont());
    using enum TControlStyleFlag;
    const TControlStyle style = Led->ControlStyle();
    EXPECT_FALSE(style.Contains(csSetCaption) || style.Contains(csDoubleClicks));
    EXPECT_TRUE(style.Contains(csOpaque) && style.Contains(csClickEvents) &&
                style.Contains(csReplicatable));
    // Loaded at once, not at the first paint.
    EXPECT_EQ(Led->LampCell(), (TSize{9, 9}));
}

// Each built-in lamp takes the off colour where it was drawn maroon and the on colour where it was
// drawn red; nothing else changes, and no key colour is left.
TEST_F(LedTest, BuiltinLampsAreRecolouredFromTheirKeys) {
    const std::pair<TVrLedType, const char*> rows[] = {
        {TVrLedType::ltRounded, "LI_RND"},
        {TVrLedType::ltRectangle, "LI_RECT"},
        {TVrLedType::ltLargeRect, "LI_BIG"},
    };
    Led->Palette()->SetLow(clBlue);
    Led->Palette()->SetHigh(clLime);
    for (const auto& [type, resource] : rows) {
        SCOPED_TRACE(resource);
        Led->SetLedType(type);
        TBitmap drawn;
        LoadBuiltinBitmap(drawn, QString::fromLatin1(resource));
        const TBitmap& lamp = Led->Lamp();
        ASSERT_EQ((TSize{lamp.Width(), lamp.Height()}), (TSize{drawn.Width(), drawn.Height()}));
        EXPECT_EQ(Led->LampCell(), LampCellSize(drawn.Width(), drawn.Height()));
        EXPECT_GT(canvastesting::CountPixels(drawn, clMaroon), 0);
        EXPECT_GT(canvastesting::CountPixels(drawn, clRed), 0);
        EXPECT_EQ(Led->LampSeeThrough(), clBlack);
        for (int y = 0; y < drawn.Height(); ++y)
            for (int x = 0; x < drawn.Width(); ++x) {
                const TColor was = drawn.Pixels(x, y);
                const TColor expected = was == clMaroon ? clBlue : was == clRed ? clLime : was;
                ASSERT_EQ(lamp.Pixels(x, y), expected) << x << "," << y;
            }
    }
}

// With an empty caption the lamp is centred on the layout's axis and across it; the picture is
// the control's colour with the cell of the state over it, its black background left out.
TEST_F(LedTest, LampSitsWhereTheLayoutPutsItAndShowsItsState) {
    using enum TVrImageTextLayout;
    struct Row {
        TVrLedType Type;
        const char* Resource;
        TVrImageTextLayout Layout;
        TPoint At;  // in a 40 × 30 control
    };
    const Row rows[] = {
        {TVrLedType::ltRounded, "LI_RND", ImageLeft, {16, 11}},
        {TVrLedType::ltRounded, "LI_RND", ImageRight, {15, 11}},
        {TVrLedType::ltRounded, "LI_RND", ImageTop, {16, 11}},
        {TVrLedType::ltRounded, "LI_RND", ImageBottom, {16, 10}},
        {TVrLedType::ltRectangle, "LI_RECT", ImageLeft, {15, 13}},
        {TVrLedType::ltRectangle, "LI_RECT", ImageRight, {15, 13}},
        {TVrLedType::ltRectangle, "LI_RECT", ImageTop, {15, 13}},
        {TVrLedType::ltRectangle, "LI_RECT", ImageBottom, {15, 12}},
        {TVrLedType::ltLargeRect, "LI_BIG", ImageLeft, {12, 12}},
        {TVrLedType::ltLargeRect, "LI_BIG", ImageRight, {11, 12}},
        {TVrLedType::ltLargeRect, "LI_BIG", ImageTop, {12, 12}},
        {TVrLedType::ltLargeRect, "LI_BIG", ImageBottom, {12, 11}},
    };
    Led->SetBounds(0, 0, 40, 30);
    Led->SetColor(clTeal);
    Led->Palette()->SetLow(clBlue);
    Led->Palette()->SetHigh(clLime);
    for (const Row& row : rows) {
        TBitmap drawn;
        LoadBuiltinBitmap(drawn, QString::fromLatin1(row.Resource));
        const int cellWidth = drawn.Width() / 2;
        Led->SetLedType(row.Type);
        Led->SetLayout(row.Layout);
        for (const bool active : {false, true}) {
            SCOPED_TRACE(
                std::string(row.Resource) + " " +
                EnumInfo<TVrImageTextLayout>().NameOf(static_cast<int>(row.Layout)).toStdString() +
                (active ? " on" : " off"));
            Led->SetActive(active);
            const TBitmap& image = Painted();
            EXPECT_EQ(Led->Placement().ImagePos, row.At);
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 40; ++x) {
                    const int u = x - row.At.X, v = y - row.At.Y;
                    TColor expected = clTeal;
                    if (u >= 0 && u < cellWidth && v >= 0 && v < drawn.Height()) {
                        const TColor was = drawn.Pixels(u + (active ? cellWidth : 0), v);
                        expected = was == clMaroon  ? clBlue
                                   : was == clRed   ? clLime
                                   : was == clBlack ? clTeal
                                                    : was;
                    }
                    ASSERT_EQ(image.Pixels(x, y), expected) << x << "," << y;
                }
            EXPECT_EQ(canvastesting::CountPixels(image, active ? clBlue : clLime), 0);
        }
    }
}

// Black is the built-in lamps' background, but a lamp colour the user chose black still shows.
TEST_F(LedTest, ABlackLampColourShowsBlackNotTheBackground) {
    Led->SetColor(clTeal);
    Led->Palette()->SetLow(clBlack);
    TBitmap drawn;
    LoadBuiltinBitmap(drawn, QStringLiteral("LI_RND"));
    int offPixels = 0;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            offPixels += drawn.Pixels(x, y) == clMaroon;
    EXPECT_NE(Led->LampSeeThrough(), clBlack);
    EXPECT_EQ(canvastesting::CountPixels(Painted(), clBlack), offPixels);
    // Back to a coloured lamp, black is the background again.
    Led->Palette()->SetLow(clNavy);
    EXPECT_EQ(Led->LampSeeThrough(), clBlack);
    EXPECT_EQ(canvastesting::CountPixels(Painted(), clBlack), 0);
    EXPECT_EQ(canvastesting::CountPixels(Painted(), clNavy), offPixels);
}

// A custom lamp is shown as drawn: no recolouring, black kept, and only the control's colour
// left out, which lets what is behind a transparent LED show.
TEST_F(LedTest, CustomGlyphsShowAsDrawnWithTheControlsColourLeftOut) {
    const auto glyphs = GlyphFrom(
        QStringLiteral("MKTRRW\n"
                       "KMKRWR\n"
                       "TKMWRR"),
        {{u'M', clMaroon}, {u'R', clRed}, {u'K', clBlack}, {u'T', clTeal}, {u'W', clWhite}});
    Led->SetBounds(0, 0, 7, 5);
    Led->SetColor(clTeal);
    Led->SetGlyphs(glyphs.get());
    Led->SetLedType(TVrLedType::ltCustom);
    EXPECT_EQ(Led->LampCell(), (TSize{3, 3}));
    const std::map<TColor, char> legend{{clMaroon, 'M'}, {clRed, 'R'},   {clBlack, 'K'},
                                        {clTeal, '.'},   {clWhite, 'W'}, {clYellow, 'y'}};
    struct Row {
        const char* Name;
        bool Active, Transparent;
        const char* Picture;
    };
    const Row rows[] = {
        {"off", false, false, ".......\n..MK...\n..KMK..\n...KM..\n......."},
        {"on", true, false, ".......\n..RRW..\n..RWR..\n..WRR..\n......."},
        {"off over a yellow rack", false, true,
         "yyyyyyy\n"
         "yyMKyyy\n"
         "yyKMKyy\n"
         "yyyKMyy\n"
         "yyyyyyy"},
    };
    Form->SetColor(clYellow);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Led->SetActive(row.Active);
        Led->SetTransparent(row.Transparent);
        EXPECT_EQ(canvastesting::Picture(Painted(), legend), row.Picture);
    }
    // The LED keeps its own copy.
    glyphs->SetPixels(0, 0, clWhite);
    EXPECT_EQ(Led->Glyphs()->Pixels(0, 0), clMaroon);
}

TEST_F(LedTest, TransparentLedShowsTheRackAroundTheLamp) {
    Form->SetColor(clYellow);
    Led->SetColor(clTeal);
    Led->SetTransparent(true);
    const TBitmap& image = Painted();
    // Corners and the lamp's own black background show the rack; the lamp shows its colour.
    for (const TPoint p : {TPoint{0, 0}, TPoint{24, 24}, TPoint{8, 8}})
        EXPECT_EQ(image.Pixels(p.X, p.Y), clYellow) << p.X << "," << p.Y;
    EXPECT_EQ(canvastesting::CountPixels(image, clTeal), 0);
    EXPECT_GT(canvastesting::CountPixels(image, clMaroon), 0);
    // A property change paints over the same backdrop.
    Led->SetActive(true);
    TApplication::Instance().ProcessMessages();
    EXPECT_EQ(Led->Image().Pixels(0, 0), clYellow);
    EXPECT_GT(canvastesting::CountPixels(Led->Image(), clRed), 0);
}

// Only the caption takes room when the lamp has no pixels; otherwise the caption follows the lamp
// at the spacing. Text pixels depend on the font, so only where they may fall is checked.
TEST_F(LedTest, CaptionIsCentredAloneAndFollowsTheLampAtTheSpacing) {
    Led->SetBounds(0, 0, 120, 30);
    Led->SetColor(clNavy);
    Led->SetCaption(QStringLiteral("Pump"));
    TRect measured = Rect(0, 0, 120, 0);
    TCanvas& canvas = *Led->ImageCanvas();
    canvas.SetFont(Led->Font());
    canvas.DrawText(QStringLiteral("Pump"), measured, DT_CALCRECT);
    const int tw = measured.Width(), th = measured.Height();
    ASSERT_GT(tw, 0);

    Led->SetLedType(TVrLedType::ltCustom);  // with empty glyphs: no lamp
    const TBitmap& alone = Painted();
    const TRect text = Bounds((120 - tw + 1) / 2, (30 - th + 1) / 2, tw, th);
    EXPECT_EQ(Led->Placement().TextRect, text);
    const TRect ink = canvastesting::PaintedBounds(alone, clNavy);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_TRUE(text.Contains({ink.Left, ink.Top}) &&
                text.Contains({ink.Right - 1, ink.Bottom - 1}));
    EXPECT_GT(canvastesting::CountPixels(alone, clWhite), 0);

    Led->SetLedType(TVrLedType::ltRounded);
    const TImageTextPlacement both = Led->Placement();
    const int margin = (120 - (9 + 5 + tw) + 1) / 2;
    EXPECT_EQ(both.ImagePos, (TPoint{margin, 11}));
    EXPECT_EQ(both.TextRect.Left, margin + 9 + 5);
    const TBitmap& image = Painted();
    EXPECT_GT(canvastesting::CountPixels(image, clMaroon), 0);
    EXPECT_GT(canvastesting::CountPixels(image, clWhite), 0);
}

// Custom bitmaps of any shape: a cell needs two columns and a row, the odd column never shows,
// and a huge bitmap costs only the pixels the control shows.
TEST_F(LedTest, CustomGlyphsOfAnySizePaintSafely) {
    struct Row {
        const char* Name;
        int Width, Height;
        TSize Cell;
    };
    const Row rows[] = {
        {"one pixel", 1, 1, {0, 0}},
        {"one column", 1, 40, {0, 0}},
        {"one row", 6, 1, {3, 1}},
        {"odd width", 5, 3, {2, 3}},
        {"far larger than the control", 4096, 1024, {2048, 1024}},
    };
    Led->SetColor(clTeal);
    Led->SetLedType(TVrLedType::ltCustom);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TBitmap glyphs;
        glyphs.SetSize(row.Width, row.Height);
        glyphs.Canvas()->Brush()->SetColor(clRed);
        glyphs.Canvas()->FillRect({0, 0, row.Width, row.Height});
        if (row.Width % 2) glyphs.SetPixels(row.Width - 1, 0, clWhite);
        Led->SetGlyphs(&glyphs);
        EXPECT_EQ(Led->LampCell(), row.Cell);
        const TBitmap& image = Painted();
        EXPECT_EQ(canvastesting::CountPixels(image, clWhite), 0);
        EXPECT_EQ(canvastesting::CountPixels(image, clRed) > 0, row.Cell.cx > 0);
    }
    Led->SetGlyphs(nullptr);
    EXPECT_TRUE(Led->Glyphs()->Empty());
    EXPECT_EQ(canvastesting::CountPixels(Painted(), clTeal), 25 * 25);
}

TEST_F(LedTest, MarginsAndSpacingsAtTheEndsOfIntPaintSafely) {
    struct Row {
        const char* Name;
        TVrImageTextLayout Layout;
        int Margin, Spacing;
        std::optional<TPoint> Lamp;  // where it shows in the 25 × 25 control, if at all
    };
    using enum TVrImageTextLayout;
    const Row rows[] = {
        {"largest margin", ImageLeft, kIntMax, 5, std::nullopt},
        {"smallest margin", ImageRight, kIntMin, 5, std::nullopt},
        {"largest spacing, centred", ImageLeft, -1, kIntMax, std::nullopt},
        {"smallest spacing, centred", ImageTop, -1, kIntMin, std::nullopt},
        {"largest spacing at the edge", ImageLeft, 0, kIntMax, TPoint{0, 8}},
        {"smallest spacing at the edge", ImageBottom, 0, kIntMin, TPoint{8, 16}},
        {"spread from the largest margin", ImageRight, kIntMax, -1, std::nullopt},
        {"spread from the smallest margin", ImageTop, kIntMin, -1, std::nullopt},
        {"spread from the edge", ImageLeft, 0, -1, TPoint{0, 8}},
    };
    Led->SetColor(clTeal);
    Led->SetCaption(QStringLiteral("Level"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Led->SetLayout(row.Layout);
        Led->SetMargin(row.Margin);
        Led->SetSpacing(row.Spacing);
        const TImageTextPlacement placement = Led->Placement();
        for (const int v :
             {placement.ImagePos.X, placement.ImagePos.Y, placement.TextRect.Left,
              placement.TextRect.Right, placement.TextRect.Top, placement.TextRect.Bottom})
            EXPECT_TRUE(v >= -kCoordLimit && v <= kCoordLimit) << v;
        const TBitmap& image = Painted();
        if (row.Lamp)
            EXPECT_EQ(placement.ImagePos, *row.Lamp);
        else
            EXPECT_EQ(canvastesting::CountPixels(image, clMaroon), 0);
    }
}

TEST_F(LedTest, ActiveReportsEveryChangeAndAPaletteRecoloursTheLamp) {
    for (const bool active : {false, true, true, false})
        Led->SetActive(active);
    EXPECT_EQ(Changes, 2);
    TVrPalette palette;
    palette.SetLow(clOlive);
    palette.SetHigh(clFuchsia);
    Led->SetPalette(&palette);
    EXPECT_GT(canvastesting::CountPixels(Led->Lamp(), clOlive), 0);
    EXPECT_GT(canvastesting::CountPixels(Led->Lamp(), clFuchsia), 0);
    EXPECT_EQ(Changes, 2);
}

// --- Rack files -----------------------------------------------------------------------------

TClassRegistry LedRegistry() {
    TClassRegistry registry;
    registry.RegisterClass(TVrLed::StaticClass());
    return registry;
}

TVrLed* ReadLed(const QByteArray& text, TForm& form) {
    rack::ReadComponentTree(rack::ReadObjectText(text), form, LedRegistry());
    return dynamic_cast<TVrLed*>(form.FindComponent(QStringLiteral("l")));
}

TEST(LedStreamTest, NewLedStoresWhatDiffersFromTheDefaultsInStreamOrder) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* led = new TVrLed(form);
    led->SetName(QStringLiteral("led1"));
    led->SetParent(form);
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    QStringList names;
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names, (QStringList{"Left", "Top", "Width", "Height", "Palette.Low", "Palette.High",
                                  "Color", "Font.Charset", "Font.Color", "Font.Height", "Font.Name",
                                  "Font.Style", "ParentColor", "ParentFont"}));
}

TEST(LedStreamTest, EveryPublishedValueSurvivesARoundTrip) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* led = new TVrLed(form);
    led->SetName(QStringLiteral("l"));
    led->SetParent(form);
    const auto glyphs =
        GlyphFrom(QStringLiteral("MKRW\nKMWR"),
                  {{u'M', clMaroon}, {u'K', clBlack}, {u'R', clRed}, {u'W', clWhite}});
    led->SetActive(true);
    led->Palette()->SetLow(clNavy);
    led->Palette()->SetHigh(clAqua);
    led->SetLedType(TVrLedType::ltCustom);
    led->SetLayout(TVrImageTextLayout::ImageBottom);
    led->SetMargin(kIntMin);
    led->SetSpacing(-1);
    led->SetTransparent(true);
    led->SetGlyphs(glyphs.get());
    led->SetCaption(QStringLiteral("Pump & valve"));
    led->SetColor(clPurple);
    led->Font()->SetColor(clYellow);
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*form));

    TForm* again = test::ShowForm(&owner);
    TVrLed* loaded = ReadLed(text, *again);
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->Active());
    EXPECT_EQ((std::vector{loaded->Palette()->Low(), loaded->Palette()->High()}),
              (std::vector{clNavy, clAqua}));
    EXPECT_EQ(loaded->LedType(), TVrLedType::ltCustom);
    EXPECT_EQ(loaded->Layout(), TVrImageTextLayout::ImageBottom);
    EXPECT_EQ((std::vector{loaded->Margin(), loaded->Spacing()}), (std::vector{kIntMin, -1}));
    EXPECT_TRUE(loaded->Transparent());
    EXPECT_EQ(loaded->Caption(), "Pump & valve");
    EXPECT_EQ(loaded->Color(), clPurple);
    EXPECT_EQ(loaded->Font()->Color(), clYellow);
    ASSERT_EQ(loaded->Glyphs()->Width(), 4);
    EXPECT_TRUE(loaded->Glyphs()->Image() == glyphs->Image());
    // The lamp read before its glyphs was made from them once they arrived.
    EXPECT_EQ(loaded->LampCell(), (TSize{2, 2}));
    loaded->Repaint();
    TApplication::Instance().ProcessMessages();
}

// A damaged bitmap is refused with the bitmap reader's own message, naming the property; the LED
// read so far stays, with no glyphs, and paints.
TEST(LedStreamTest, DamagedGlyphsAreRefusedWithTheReadersMessage) {
    const std::pair<const char*, const char*> rows[] = {
        {"0400000001020304", "Bitmap image is not valid"},
        {"090000000102", "Bitmap data is damaged: 9 bytes stated, 2 there"},
        {"0102", "Bitmap data is damaged: no length"},
    };
    for (const auto& [bytes, message] : rows) {
        SCOPED_TRACE(bytes);
        TComponent owner(nullptr);
        TForm* form = test::ShowForm(&owner);
        const QByteArray text = QByteArray(
                                    "object f: TForm\nobject l: TVrLed\nLedType = ltCustom\n"
                                    "Glyphs.Data = {") +
                                bytes + "}\nend\nend\n";
        try {
            ReadLed(text, *form);
            ADD_FAILURE() << "read without an error";
        } catch (const Exception& e) {
            const QString prefix = QStringLiteral("Error reading l.Glyphs.Data: %1 (at offset ")
                                       .arg(QString::fromLatin1(message));
            EXPECT_TRUE(e.Message().startsWith(prefix)) << e.Message().toStdString();
        }
        auto* led = dynamic_cast<TVrLed*>(form->FindComponent(QStringLiteral("l")));
        ASSERT_NE(led, nullptr);
        EXPECT_TRUE(led->Glyphs()->Empty());
        EXPECT_EQ(led->LampCell(), (TSize{0, 0}));
        led->Repaint();
        TApplication::Instance().ProcessMessages();
    }
}

}  // namespace
}  // namespace mox

// The built-in bitmaps: every name the instruments load exists with its size, and the bitmaps
// the instruments recolour use only their key colours, where the display expects them.

#include <gtest/gtest.h>

#include <QCursor>
#include <memory>
#include <set>

#include "instruments/base/vrcomponent.h"
#include "instruments/base/vrresources.h"
#include "resources/dotfont.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/canvas.h"

namespace mox {
namespace {

std::unique_ptr<TBitmap> LoadPtr(const QString& name) {
    auto b = std::make_unique<TBitmap>();
    LoadBuiltinBitmap(*b, name);
    return b;
}

std::set<TColor> ColoursIn(const TBitmap& b, TRect area) {
    std::set<TColor> colours;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            colours.insert(b.Pixels(x, y));
    return colours;
}
std::set<TColor> ColoursIn(const TBitmap& b) {
    return ColoursIn(b, Rect(0, 0, b.Width(), b.Height()));
}

bool Within(const std::set<TColor>& colours, const std::set<TColor>& allowed) {
    for (TColor c : colours)
        if (!allowed.count(c)) return false;
    return true;
}

struct Named {
    const char* Name;
    int Width, Height;
};

// Loads of one picture share its pixels: drawing on one copy must leave every other untouched.
TEST(BuiltinBitmapsTest, DrawingOnALoadedCopyLeavesTheOthersAlone) {
    const auto first = LoadPtr(QStringLiteral("VRSLIDERTHUMB_HORI"));
    const auto second = LoadPtr(QStringLiteral("VRSLIDERTHUMB_HORI"));
    const TRect all = Rect(0, 0, first->Width(), first->Height());
    const std::set<TColor> original = ColoursIn(*second);
    first->Canvas()->Brush()->SetColor(clFuchsia);
    first->Canvas()->FillRect(all);
    EXPECT_EQ(ColoursIn(*first), std::set<TColor>{clFuchsia});
    EXPECT_EQ(ColoursIn(*second), original);
    EXPECT_EQ(ColoursIn(*LoadPtr(QStringLiteral("VRSLIDERTHUMB_HORI"))), original);
}

TEST(BuiltinBitmapsTest, EveryNamedBitmapHasItsSize) {
    const Named all[] = {
        {"NUM13x24", 169, 24},
        {"NUM11x20", 143, 20},
        {"NUM7x13", 91, 13},
        {"NUM12x17", 156, 17},
        {"NUM5x7", 52, 7},
        {"LI_RND", 18, 9},
        {"LI_RECT", 20, 5},
        {"LI_BIG", 34, 7},
        {"VRMATRIXLED9X13", 9, 13},
        {"VRMATRIXLED14X20", 14, 20},
        {"VRMATRIXLED19X27", 19, 27},
        {"VRSLIDERTHUMB_HORI", 30, 13},
        {"VRSLIDERTHUMB_VERT", 13, 30},
        {"VRTB_VERT", 17, 9},
        {"VRTB_HORI", 9, 17},
        {"VRSWITCHTHUMB_VERT", 24, 12},
        {"VRSWITCHTHUMB_HORI", 12, 24},
        {"ARROWS_UP", 63, 16},
        {"ARROWS_DOWN", 63, 16},
        {"ARROWS_LEFT", 51, 21},
        {"ARROWS_RIGHT", 51, 21},
        {"LCDBMP", 257, 40},
        {"MARKERIMG", 6, 9},
    };
    for (const Named& n : all) {
        const auto bp = LoadPtr(QString::fromLatin1(n.Name));
        const TBitmap& b = *bp;
        EXPECT_EQ(b.Width(), n.Width) << n.Name;
        EXPECT_EQ(b.Height(), n.Height) << n.Name;
    }
    EXPECT_EQ(LoadPtr(QStringLiteral("LCDBMP"))->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_THROW(LoadPtr(QStringLiteral("NO_SUCH_BITMAP")), EInvalidGraphic);

    // The palette window's pictures: one per control kind and command, and the alignment
    // palette's three-state glyphs.
    for (const char* kind :
         {"BORDER",      "GRADIENT",  "AMETER",         "ANGULAR",  "LABEL",      "LCD",
          "LED",         "LBAR",      "MATRIX",         "NUM",      "SCOPE",      "CHECKLED",
          "EDIT",        "PBUTTON",   "SLIDER",         "SPINNER",  "SWITCH",     "TBAR",
          "PMETER",      "MEMO",      "IMAGE",          "DDOWN",    "PROPERTIES", "DELETE",
          "ALIGNTOGRID", "SELECTALL", "RACKPROPERTIES", "LOADRACK", "SAVERACK",   "SAVERACKAS"}) {
        const auto icon = LoadPtr(QStringLiteral("TB_") + QString::fromLatin1(kind));
        EXPECT_EQ(icon->Width(), 24) << kind;
        EXPECT_EQ(icon->Height(), 24) << kind;
    }
    for (const char* glyph : {"LEFT", "HORCENTER", "HORWINCENTER", "HORSPACE", "RIGHT", "TOP",
                              "VERCENTER", "VERWINCENTER", "VERSPACE", "BOTTOM"}) {
        const auto bp = LoadPtr(QStringLiteral("ALIGN_") + QString::fromLatin1(glyph));
        const TBitmap& b = *bp;
        EXPECT_EQ(b.Width(), 72) << glyph;
        EXPECT_EQ(b.Height(), 24) << glyph;
    }
}

TEST(BuiltinBitmapsTest, DigitStripsUseTheirKeyColoursCellByCell) {
    for (const char* name : {"NUM13x24", "NUM11x20", "NUM7x13", "NUM12x17", "NUM5x7"}) {
        const auto bp = LoadPtr(QString::fromLatin1(name));
        const TBitmap& b = *bp;
        EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf4bit) << name;
        const int w = b.Width() / 13, h = b.Height();
        auto cell = [&](int i) { return ColoursIn(b, Rect(i * w, 0, (i + 1) * w, h)); };
        EXPECT_TRUE(Within(ColoursIn(b), {clBlack, clSilver, clGray})) << name;
        // 8 lights every segment, the blank place none; the minus cells hold only their bar.
        EXPECT_EQ(cell(8).count(clGray), 0u) << name;
        EXPECT_EQ(cell(10), (std::set<TColor>{clBlack, clGray})) << name;
        EXPECT_EQ(cell(11), (std::set<TColor>{clBlack, clGray})) << name;
        EXPECT_EQ(cell(12), (std::set<TColor>{clBlack, clSilver})) << name;
        for (int digit = 0; digit < 10; ++digit)
            EXPECT_TRUE(cell(digit).count(clSilver)) << name;
        // 1 lights fewer segments than 7, which lights fewer than 8.
        auto lit = [&](int i) {
            int n = 0;
            for (int y = 0; y < h; ++y)
                for (int x = i * w; x < (i + 1) * w; ++x)
                    n += b.Pixels(x, y) == clSilver;
            return n;
        };
        EXPECT_LT(lit(1), lit(7)) << name;
        EXPECT_LT(lit(7), lit(8)) << name;
    }
}

TEST(BuiltinBitmapsTest, LampsAreMaroonOffAndRedOn) {
    for (const char* name : {"LI_RND", "LI_RECT", "LI_BIG"}) {
        const auto bp = LoadPtr(QString::fromLatin1(name));
        const TBitmap& b = *bp;
        EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf4bit) << name;
        const int w = b.Width() / 2;
        const auto off = ColoursIn(b, Rect(0, 0, w, b.Height()));
        const auto on = ColoursIn(b, Rect(w, 0, 2 * w, b.Height()));
        const std::set<TColor> highlights{clBlack, clGray, clSilver, clWhite};
        EXPECT_TRUE(off.count(clMaroon) && !off.count(clRed)) << name;
        EXPECT_TRUE(on.count(clRed) && !on.count(clMaroon)) << name;
        std::set<TColor> offAllowed = highlights, onAllowed = highlights;
        offAllowed.insert(clMaroon);
        onAllowed.insert(clRed);
        EXPECT_TRUE(Within(off, offAllowed)) << name;
        EXPECT_TRUE(Within(on, onAllowed)) << name;
        // Black (the see-through colour of the lamps) is the background, at the corners.
        EXPECT_EQ(b.Pixels(0, 0), clBlack) << name;
    }
}

TEST(BuiltinBitmapsTest, MatrixCellsHaveGreyDotsExactlyOnTheGrid) {
    const Named cells[] = {
        {"VRMATRIXLED9X13", 9, 13}, {"VRMATRIXLED14X20", 14, 20}, {"VRMATRIXLED19X27", 19, 27}};
    for (int style = 0; style < 3; ++style) {
        const auto bp = LoadPtr(QString::fromLatin1(cells[style].Name));
        const TBitmap& b = *bp;
        EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf4bit);
        const int d = style + 1, w = cells[style].Width;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x) {
                // The lit dot of column j, row r covers (w - d - j (d + 1), r (d + 1), d × d).
                const int fromRight = w - d - x;
                const bool column = fromRight >= -(d - 1) && fromRight <= 4 * (d + 1) &&
                                    ((fromRight + d - 1) % (d + 1)) < d && fromRight + d - 1 >= 0;
                const int j = (fromRight + d - 1) / (d + 1);
                const bool onGrid = column && j <= 4 && y < 7 * (d + 1) && y % (d + 1) < d;
                EXPECT_EQ(b.Pixels(x, y), onGrid ? clGray : clBlack)
                    << cells[style].Name << " " << x << "," << y;
            }
    }
}

TEST(BuiltinBitmapsTest, ArrowStripsAreGreenDisabledAndLimeOtherwise) {
    for (const char* name : {"ARROWS_UP", "ARROWS_DOWN", "ARROWS_LEFT", "ARROWS_RIGHT"}) {
        const auto bp = LoadPtr(QString::fromLatin1(name));
        const TBitmap& b = *bp;
        const int w = b.Width() / 3;
        EXPECT_EQ(b.Pixels(0, b.Height() - 1), clFuchsia) << name;
        const auto disabled = ColoursIn(b, Rect(0, 0, w, b.Height()));
        EXPECT_TRUE(disabled.count(clGreen) && !disabled.count(clLime)) << name;
        for (int image = 1; image < 3; ++image) {
            const auto c = ColoursIn(b, Rect(image * w, 0, (image + 1) * w, b.Height()));
            EXPECT_TRUE(c.count(clLime) && !c.count(clGreen)) << name << image;
        }
        // The spin buttons' hit test takes black for outside the glyph.
        EXPECT_FALSE(ColoursIn(b).count(clBlack)) << name;
    }
}

TEST(BuiltinBitmapsTest, SeeThroughColoursStayAtTheEdges) {
    for (const char* name : {"VRSLIDERTHUMB_HORI", "VRSLIDERTHUMB_VERT", "VRTB_VERT", "VRTB_HORI",
                             "VRSWITCHTHUMB_VERT", "VRSWITCHTHUMB_HORI", "MARKERIMG"}) {
        const auto bp = LoadPtr(QString::fromLatin1(name));
        const TBitmap& b = *bp;
        const TColor clear = b.Pixels(0, b.Height() - 1);
        EXPECT_NE(b.Pixels(b.Width() / 2, b.Height() / 2), clear) << name;
        // No hole in the middle of a thumb: only its corners are see-through.
        if (QString::fromLatin1(name).startsWith(QLatin1String("VR"))) {
            for (int y = 1; y < b.Height() - 1; ++y)
                for (int x = 1; x < b.Width() - 1; ++x)
                    EXPECT_NE(b.Pixels(x, y), clear) << name;
        }
    }
}

TEST(BuiltinBitmapsTest, HandCursorIsRegisteredAsNumber99) {
    TComponent owner(nullptr);
    new TVrComponent(&owner);
    const QCursor hand = TScreen::Instance().CursorShape(crVrHandPoint);
    ASSERT_EQ(hand.shape(), Qt::BitmapCursor);
    // See-through around the hand, solid on it; the hot spot is the fingertip.
    const QImage image = hand.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(hand.hotSpot())), 255);
    EXPECT_EQ(qAlpha(image.pixel(8, 8)), 255);
}

TEST(DotFontTest, FixedGlyphsAndCoverage) {
    EXPECT_EQ(DotGlyph('A'), (TDotGlyph{0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}));
    EXPECT_EQ(DotGlyph('0'), (TDotGlyph{0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}));
    EXPECT_EQ(DotGlyph(' '), TDotGlyph{});
    EXPECT_EQ(DotGlyph(128), TDotGlyph{});
    EXPECT_EQ(DotGlyph(-1), TDotGlyph{});
    for (int code = 0; code < kDotFontGlyphs; ++code) {
        int bits = 0;
        for (std::uint8_t row : DotGlyph(code)) {
            EXPECT_EQ(row & ~0x1F, 0) << code;
            bits |= row;
        }
        if (code != ' ') {
            EXPECT_NE(bits, 0) << code;
        }
    }
}

}  // namespace
}  // namespace mox

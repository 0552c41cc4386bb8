// The image list: cutting strips into pictures, masks taken when a picture is added (also from
// the strip as drawn before recolouring), drawing that leaves see-through pixels alone, and the
// pixel queries a hit test uses.
#include "toolkit/graphics/imagelist.h"

#include <gtest/gtest.h>

#include "support/canvastesting.h"
#include "toolkit/graphics/canvas.h"

namespace mox {
namespace {

using canvastesting::kSentinel;
using canvastesting::Picture;
using canvastesting::SentinelBitmap;

// A strip of `count` pictures 3 wide and 2 high: picture i has a red pixel at (i mod 3, 0),
// fuchsia (the key) elsewhere except a lime pixel at (2, 1).
std::unique_ptr<TBitmap> Strip(int count) {
    auto strip = SentinelBitmap(3 * count, 2, clFuchsia);
    for (int i = 0; i < count; ++i) {
        strip->SetPixels(3 * i + i % 3, 0, clRed);
        strip->SetPixels(3 * i + 2, 1, clLime);
    }
    return strip;
}

std::string Drawn(const TImageList& list, int index) {
    auto target = SentinelBitmap(5, 4);
    list.Draw(*target->Canvas(), 1, 1, index);
    return Picture(*target, {{clRed, 'R'}, {clLime, 'L'}, {clFuchsia, 'F'}});
}

TEST(ImageListTest, CutsAStripIntoWholePicturesOnly) {
    TImageList list(3, 2);
    auto strip = Strip(3);
    strip->SetSize(11, 3);  // two columns and a row too few for a fourth picture
    EXPECT_EQ(list.AddMasked(*strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AddMasked(*Strip(2), clFuchsia), 3);
    EXPECT_EQ(list.Count(), 5);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTest, StripsWithoutAWholePictureAddNothing) {
    TImageList list(3, 2);
    EXPECT_EQ(list.AddMasked(TBitmap(), clFuchsia), -1);
    auto low = SentinelBitmap(9, 1);
    EXPECT_EQ(list.AddMasked(*low, clFuchsia), -1);
    TImageList empty(0, -5);
    EXPECT_EQ(empty.Height(), 0);
    EXPECT_EQ(empty.AddMasked(*Strip(2), clFuchsia), -1);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTest, DrawingLeavesTheMaskedPixelsAsTheyWere) {
    TImageList list(3, 2);
    list.AddMasked(*Strip(2), clFuchsia);
    EXPECT_EQ(Drawn(list, 0),
              ".....\n"
              ".R...\n"
              "...L.\n"
              ".....");
    EXPECT_EQ(Drawn(list, 1),
              ".....\n"
              "..R..\n"
              "...L.\n"
              ".....");
    // Outside the list nothing is drawn.
    EXPECT_EQ(Drawn(list, 2), Drawn(list, -1));
    EXPECT_EQ(Drawn(list, 2),
              ".....\n"
              ".....\n"
              ".....\n"
              ".....");
}

TEST(ImageListTest, APictureRecolouredIntoItsKeyStillShows) {
    // The strip as drawn marks the see-through pixels; the recoloured one turned its red into
    // the key colour, which must still be drawn.
    auto drawn = Strip(1);
    TBitmap recoloured;
    recoloured.Assign(drawn.get());
    recoloured.SetPixels(0, 0, clFuchsia);
    TImageList list(3, 2);
    list.AddMasked(recoloured, *drawn, clFuchsia);
    EXPECT_EQ(Drawn(list, 0),
              ".....\n"
              ".F...\n"
              "...L.\n"
              ".....");
    EXPECT_TRUE(list.Opaque(0, 0, 0));
    EXPECT_EQ(list.Pixel(0, 0, 0), clFuchsia);
}

TEST(ImageListTest, PixelQueriesAnswerOnlyForDrawnPixelsInsideAPicture) {
    TImageList list(3, 2);
    list.AddMasked(*Strip(1), clFuchsia);
    struct Row {
        const char* Name;
        int Index, X, Y;
        bool Opaque;
        TColor Pixel;
    };
    const Row rows[] = {
        {"drawn red", 0, 0, 0, true, clRed},
        {"drawn lime", 0, 2, 1, true, clLime},
        {"masked", 0, 1, 0, false, clInvalidPixel},
        {"left of the picture", 0, -1, 0, false, clInvalidPixel},
        {"below the picture", 0, 0, 2, false, clInvalidPixel},
        {"no such picture", 1, 0, 0, false, clInvalidPixel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(list.Opaque(row.Index, row.X, row.Y), row.Opaque);
        EXPECT_EQ(list.Pixel(row.Index, row.X, row.Y), row.Pixel);
    }
}

TEST(ImageListTest, DrawingKeepsTheCanvasBrush) {
    TImageList list(3, 2);
    list.AddMasked(*Strip(1), clFuchsia);
    auto target = SentinelBitmap(3, 2);
    target->Canvas()->Brush()->SetColor(clBlue);
    list.Draw(*target->Canvas(), 0, 0, 0);
    EXPECT_EQ(target->Canvas()->Brush()->Style(), TBrushStyle::bsSolid);
    EXPECT_EQ(target->Canvas()->Brush()->Color(), clBlue);
    EXPECT_EQ(target->Pixels(1, 0), kSentinel);
}

}  // namespace
}  // namespace mox

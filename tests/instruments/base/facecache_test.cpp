// The static face cache: a face made once and copied after, an overlay that does what drawing
// its layer does whatever lies under it, and the plain block copy both rest on.
#include <gtest/gtest.h>

#include <functional>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrfacecache.h"
#include "support/canvastesting.h"
#include "toolkit/graphics/canvas.h"

namespace mox {
namespace {

using canvastesting::SentinelBitmap;

// Every pixel different from its neighbours, so that any pixel an overlay wrongly keeps or
// sets shows.
std::unique_ptr<TBitmap> Busy(int width, int height) {
    auto bitmap = SentinelBitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->SetPixels(x, y, RGB((x * 37) & 0xff, (y * 53) & 0xff, (x * y) & 0xff));
    return bitmap;
}

int Differing(const TBitmap& a, const TBitmap& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            n += a.Pixels(x, y) != b.Pixels(x, y);
    return n;
}

TEST(OverlayTest, AppliedLayerMatchesDrawingItOverAnyPicture) {
    struct Row {
        const char* Name;
        std::function<void(TCanvas&)> Draw;
    };
    const auto bevel = [](TCanvas& c) {
        TVrBevel frame;
        frame.SetOuterStyle(TVrBevelStyle::bsRaised);
        frame.SetOuterOutline(TVrBevelOutlineStyle::osOuter);
        frame.SetInnerWidth(3);
        TRect r{0, 0, 60, 40};
        frame.Paint(c, r);
    };
    const auto caption = [](TCanvas& c) {
        TFont font;
        font.SetName(QStringLiteral("Arial"));
        font.SetSize(10);
        font.SetColor(clYellow);
        c.SetFont(&font);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.TextOut(6, 12, QStringLiteral("Volt"));
    };
    const auto line = [](TPenMode mode, TColor color) {
        return [mode, color](TCanvas& c) {
            c.Pen()->SetMode(mode);
            c.Pen()->SetColor(color);
            c.Pen()->SetWidth(3);
            c.MoveTo(2, 38);
            c.LineTo(58, 3);
        };
    };
    const Row rows[] = {
        {"bevel", bevel},
        {"caption", caption},
        {"caption and bevel",
         [&](TCanvas& c) {
             caption(c);
             bevel(c);
         }},
        {"inverting line", line(TPenMode::pmNot, clBlack)},
        {"xor line over a caption",
         [&](TCanvas& c) {
             caption(c);
             line(TPenMode::pmXor, 0x0f0f0f)(c);
         }},
        {"masking line", line(TPenMode::pmMask, 0x00ff0f)},
        {"nothing", [](TCanvas&) {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TVrOverlay overlay;
        overlay.Record(60, 40, row.Draw);
        auto drawn = Busy(60, 40);
        row.Draw(*drawn->Canvas());
        auto applied = Busy(60, 40);
        overlay.Apply(*applied);
        EXPECT_EQ(Differing(*drawn, *applied), 0);
        EXPECT_LT(overlay.Size(), 60u * 40u);
    }
}

TEST(OverlayTest, SizeCountsTouchedPixelsAndApplyStaysInsideASmallerImage) {
    TVrOverlay overlay;
    overlay.Record(20, 10, [](TCanvas& c) {
        c.Brush()->SetColor(clRed);
        c.FillRect({15, 5, 20, 10});
    });
    EXPECT_EQ(overlay.Size(), 25u);
    auto small = SentinelBitmap(16, 6);
    overlay.Apply(*small);
    EXPECT_EQ(canvastesting::CountPixels(*small, clRed), 1);
    overlay.Record(0, 10, [](TCanvas&) { FAIL() << "nothing to draw on"; });
    EXPECT_EQ(overlay.Size(), 0u);
}

TEST(FaceCacheTest, FaceIsDrawnOnceAndCopiedUntilDroppedOrResized) {
    TVrFaceCache cache;
    int draws = 0;
    TColor fill = clNavy;
    const auto draw = [&](TBitmap& image) {
        ++draws;
        image.Image().fill(ToQColor(fill));
    };
    auto image = SentinelBitmap(8, 4);
    EXPECT_FALSE(cache.Valid());
    EXPECT_TRUE(cache.Ensure(*image, draw));
    EXPECT_TRUE(cache.Valid());
    EXPECT_EQ(cache.Image().Pixels(7, 3), clNavy);

    // Whatever was drawn on the image since, the face comes back.
    image->Image().fill(Qt::red);
    fill = clLime;
    EXPECT_FALSE(cache.Ensure(*image, draw));
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(canvastesting::CountPixels(*image, clNavy), 32);

    cache.Invalidate();
    EXPECT_TRUE(cache.Ensure(*image, draw));
    EXPECT_EQ(canvastesting::CountPixels(*image, clLime), 32);

    image->SetSize(9, 4);
    EXPECT_TRUE(cache.Ensure(*image, draw));
    EXPECT_EQ(cache.Image().Width(), 9);
    EXPECT_EQ(draws, 3);

    // A face whose drawing fails stays stale.
    cache.Invalidate();
    EXPECT_THROW(cache.Ensure(*image, [](TBitmap&) { throw std::runtime_error("no"); }),
                 std::runtime_error);
    EXPECT_FALSE(cache.Valid());
}

TEST(FaceCacheTest, RestorePutsBackOnlyWhatWasDrawnAndOnlyOnAnUntouchedImage) {
    TVrFaceCache cache;
    auto image = SentinelBitmap(8, 4);
    const auto navy = [](TBitmap& face) { face.Image().fill(ToQColor(clNavy)); };
    EXPECT_FALSE(cache.Restore(*image));  // nothing drawn yet
    cache.Ensure(*image, navy);
    const auto drawPart = [&] {
        image->Canvas()->Brush()->SetColor(clRed);
        image->Canvas()->FillRect({1, 1, 3, 3});
        cache.Drawn(*image, {1, 1, 3, 3});
    };
    drawPart();
    // The drawn area comes back from the face; the rest of the image was never touched.
    ASSERT_TRUE(cache.Restore(*image));
    EXPECT_EQ(canvastesting::CountPixels(*image, clNavy), 32);

    drawPart();
    image->SetPixels(7, 3, clLime);  // written by someone else since
    EXPECT_FALSE(cache.Restore(*image));
    EXPECT_EQ(image->Pixels(1, 1), clRed);

    cache.Ensure(*image, navy);
    drawPart();
    cache.Invalidate();
    EXPECT_FALSE(cache.Restore(*image));
}

TEST(CopyPixelsTest, CopiesBlocksWithinBothImagesAndRefusesTheRest) {
    const auto source = Busy(10, 6);
    auto dest = SentinelBitmap(12, 8);
    ASSERT_TRUE(CopyPixels(*dest, {3, 2}, *source, {4, 1, 9, 6}));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(dest->Pixels(3 + x, 2 + y), source->Pixels(4 + x, 1 + y)) << x << "," << y;
    EXPECT_EQ(canvastesting::CountPixels(*dest, canvastesting::kSentinel), 12 * 8 - 25);

    auto untouched = SentinelBitmap(12, 8);
    EXPECT_FALSE(CopyPixels(*untouched, {8, 0}, *source, {0, 0, 5, 5}));  // past the right
    EXPECT_FALSE(CopyPixels(*untouched, {-1, 0}, *source, {0, 0, 5, 5}));
    EXPECT_FALSE(CopyPixels(*untouched, {0, 0}, *source, {6, 0, 11, 5}));  // past the source
    EXPECT_FALSE(CopyPixels(*untouched, {0, 0}, *source, {-2147483647 - 1, 0, 2147483647, 5}));
    EXPECT_TRUE(CopyPixels(*untouched, {0, 0}, *source, {5, 5, 5, 9}));  // empty
    EXPECT_EQ(canvastesting::CountPixels(*untouched, canvastesting::kSentinel), 12 * 8);
}

}  // namespace
}  // namespace mox

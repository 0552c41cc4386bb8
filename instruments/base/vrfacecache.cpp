#include "instruments/base/vrfacecache.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

// The colour bits of an RGB32 pixel; the top byte is always 0xff.
constexpr QRgb kColourBits = 0x00ffffff;
constexpr QRgb kOpaque = 0xff000000;
constexpr qsizetype kPixelBytes = sizeof(QRgb);

bool Within(const TRect& r, const TBitmap& image) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= image.Width() && r.Bottom <= image.Height();
}

}  // namespace

bool TVrFaceCache::Ensure(TBitmap& image, const std::function<void(TBitmap&)>& draw) {
    const TRect whole{0, 0, image.Width(), image.Height()};
    if (FValid && FImage.Width() == image.Width() && FImage.Height() == image.Height()) {
        CopyPixels(image, {0, 0}, FImage, whole);
        FDrawnValid = false;
        return false;
    }
    FValid = FDrawnValid = false;
    draw(image);
    FImage.SetSize(image.Width(), image.Height());
    CopyPixels(FImage, {0, 0}, image, whole);
    FValid = true;
    return true;
}

void TVrFaceCache::Drawn(const TBitmap& image, const TRect& area) {
    const TRect whole{0, 0, image.Width(), image.Height()};
    FDrawnArea = {std::max(area.Left, whole.Left), std::max(area.Top, whole.Top),
                  std::min(area.Right, whole.Right), std::min(area.Bottom, whole.Bottom)};
    if (FDrawnArea.Right < FDrawnArea.Left) FDrawnArea.Right = FDrawnArea.Left;
    if (FDrawnArea.Bottom < FDrawnArea.Top) FDrawnArea.Bottom = FDrawnArea.Top;
    FDrawnKey = image.Image().cacheKey();
    FDrawnValid = FValid;
}

bool TVrFaceCache::Restore(TBitmap& image) const {
    if (!FDrawnValid || !FValid || image.Width() != FImage.Width() ||
        image.Height() != FImage.Height() || std::as_const(image).Image().cacheKey() != FDrawnKey)
        return false;
    if (!FDrawnArea.IsEmpty()) CopyPixels(image, FDrawnArea.TopLeft(), FImage, FDrawnArea);
    return true;
}

void TVrOverlay::Clear() {
    FRuns.clear();
    FKeep.clear();
    FSet.clear();
}

void TVrOverlay::Record(int width, int height, const std::function<void(TCanvas&)>& draw) {
    Clear();
    if (width <= 0 || height <= 0) return;
    QImage clear(width, height, QImage::Format_RGB32), set(width, height, QImage::Format_RGB32);
    if (clear.isNull() || set.isNull())
        throw EOutOfResources(QStringLiteral("Out of system resources"));
    clear.fill(kOpaque);
    set.fill(kOpaque | kColourBits);
    {
        TCanvas onClear(&clear), onSet(&set);
        draw(onClear);
        draw(onSet);
    }
    for (int y = 0; y < height; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(clear.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(set.constScanLine(y));
        const auto add = [&](int from, int to) {
            for (int x = from; x < to; ++x) {
                // A bit that follows the pixel's bit was kept (or inverted, when it reads 1 on
                // clear); one that reads the same on both was set to that value.
                const QRgb onClear = a[x] & kColourBits, onSet = b[x] & kColourBits;
                const QRgb keep = onClear ^ onSet;
                if (keep != kColourBits || onClear != 0) AddPixel(x, y, keep, onClear);
            }
        };
        // Most of the image is untouched: look at a block at a time first.
        constexpr int kBlock = 16;
        int x = 0;
        for (; x + kBlock <= width; x += kBlock) {
            QRgb touched = 0;
            for (int i = 0; i < kBlock; ++i)
                touched |= (a[x + i] ^ kOpaque) | (b[x + i] ^ (kOpaque | kColourBits));
            if (touched != 0) add(x, x + kBlock);
        }
        add(x, width);
    }
}

void TVrOverlay::AddPixel(int x, int y, QRgb keep, QRgb set) {
    TRun* last = FRuns.empty() ? nullptr : &FRuns.back();
    if (!last || last->Y != y || last->X + last->Length != x) {
        FRuns.push_back({x, y, 0, FSet.size(), false});
        last = &FRuns.back();
    }
    ++last->Length;
    last->KeepsBits = last->KeepsBits || keep != 0;
    FKeep.push_back(keep);
    FSet.push_back(kOpaque | set);
}

void TVrOverlay::Apply(TBitmap& image) const {
    if (FRuns.empty() || image.Empty()) return;
    QImage& pixels = image.Image();
    const int width = pixels.width(), height = pixels.height();
    uchar* bits = pixels.bits();
    const qsizetype stride = pixels.bytesPerLine();
    for (const TRun& run : FRuns) {
        if (run.Y >= height || run.X >= width) continue;
        const int length = std::min(run.Length, width - run.X);
        QRgb* row = reinterpret_cast<QRgb*>(bits + run.Y * stride) + run.X;
        const QRgb* set = FSet.data() + run.First;
        if (!run.KeepsBits) {
            std::memcpy(row, set, static_cast<std::size_t>(length) * sizeof(QRgb));
            continue;
        }
        const QRgb* keep = FKeep.data() + run.First;
        for (int i = 0; i < length; ++i)
            row[i] = (row[i] & keep[i]) ^ set[i];
    }
}

bool CopyPixels(TBitmap& dest, TPoint at, const TBitmap& source, const TRect& srcRect) {
    if (srcRect.Left >= srcRect.Right || srcRect.Top >= srcRect.Bottom) return true;
    if (!Within(srcRect, source)) return false;
    const int width = srcRect.Width(), height = srcRect.Height();
    if (at.X < 0 || at.Y < 0 || at.X > dest.Width() - width || at.Y > dest.Height() - height)
        return false;
    const QImage& from = source.Image();
    QImage& to = dest.Image();
    const qsizetype fromStride = from.bytesPerLine(), toStride = to.bytesPerLine();
    const uchar* src = from.constBits() + srcRect.Top * fromStride + srcRect.Left * kPixelBytes;
    uchar* dst = to.bits() + at.Y * toStride + at.X * kPixelBytes;
    const qsizetype rowBytes = width * kPixelBytes;
    if (rowBytes == fromStride && rowBytes == toStride) {
        std::memcpy(dst, src, static_cast<std::size_t>(rowBytes * height));
        return true;
    }
    for (int y = 0; y < height; ++y, src += fromStride, dst += toStride)
        std::memcpy(dst, src, static_cast<std::size_t>(rowBytes));
    return true;
}

}  // namespace mox

#pragma once
// Shared by the canvas tests: small bitmaps pre-filled with a sentinel colour, and pictures of
// their pixels as text so that expected shapes read like the shapes.

#include <map>
#include <memory>
#include <string>

#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/canvas.h"

namespace mox::canvastesting {

constexpr TColor kSentinel = 0x123456;

inline std::unique_ptr<TBitmap> SentinelBitmap(int width, int height, TColor fill = kSentinel) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Image().fill(ToQColor(fill));
    return bitmap;
}

// One character per pixel, rows separated by '\n': '.' for the sentinel, the mapped character
// for known colours and '?' for anything else.
inline std::string Picture(const QImage& image, const std::map<TColor, char>& legend) {
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        if (y) text += '\n';
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = FromQColor(image.pixelColor(x, y));
            const auto it = legend.find(c);
            text += c == kSentinel ? '.' : it != legend.end() ? it->second : '?';
        }
    }
    return text;
}
inline std::string Picture(const TBitmap& bitmap, const std::map<TColor, char>& legend) {
    return Picture(bitmap.Image(), legend);
}

// The smallest rectangle (right/bottom exclusive) holding every pixel that is not `background`.
inline TRect PaintedBounds(const TBitmap& bitmap, TColor background = kSentinel) {
    TRect r{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixels(x, y) != background) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r;
}

inline int CountPixels(const TBitmap& bitmap, TColor color) {
    int n = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            n += bitmap.Pixels(x, y) == color;
    return n;
}

// Whether every pixel's raw value has alpha 0xFF.
inline bool AllOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0xFF) return false;
    }
    return true;
}

}  // namespace mox::canvastesting

#include "instruments/base/vrdraw.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "instruments/base/vrmapping.h"
#include "toolkit/controls/wincontrol.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr QRgb kColorBits = 0x00FFFFFFu;

QRgb ToPixel(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

}  // namespace

int PercentOf(double percent, int total) {
    return TruncToInt(total * (percent * 0.01));
}

int PercentFrom(int value, int total) {
    if (total == 0) return 0;
    return TruncToInt(value * 100.0 / total);
}

void Clamp(int& value, int low, int high) {
    if (value < low) value = low;
    if (value > high) value = high;
}

int ByteClamp(double x) {
    const double r = std::nearbyint(x);
    if (!(r >= 0)) return 0;
    if (r >= 255) return 255;
    return static_cast<int>(r);
}

TColor RealRGB(double r, double g, double b) {
    return RGB(ByteClamp(r), ByteClamp(g), ByteClamp(b));
}

TRect ShrunkRect(const TRect& rect, std::int64_t by) {
    auto move = [](int v, std::int64_t d) {
        const std::int64_t r = std::clamp<std::int64_t>(v + d, -kCoordLimit, kCoordLimit);
        return static_cast<int>(r);
    };
    return {move(rect.Left, by), move(rect.Top, by), move(rect.Right, -by), move(rect.Bottom, -by)};
}

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    if (width <= 0) return;
    canvas.Pen()->SetWidth(1);
    const TRect clip = canvas.ClipRect();
    --rect.Right;
    --rect.Bottom;
    int drawn = 0;
    for (; drawn < width; ++drawn) {
        // Each ring's four lines only move outward from the clip once they have left it, so a
        // huge width (a damaged rack file) stops drawing there instead of looping on.
        if (drawn > 0 && rect.Left >= clip.Right && rect.Right < clip.Left &&
            rect.Top >= clip.Bottom && rect.Bottom < clip.Top)
            break;
        canvas.Pen()->SetColor(topColor);
        const std::array<TPoint, 3> top{Point(rect.Left, rect.Bottom), Point(rect.Left, rect.Top),
                                        Point(rect.Right, rect.Top)};
        canvas.Polyline(top);
        canvas.Pen()->SetColor(bottomColor);
        const std::array<TPoint, 3> bottom{Point(rect.Right, rect.Top),
                                           Point(rect.Right, rect.Bottom),
                                           Point(rect.Left - 1, rect.Bottom)};
        canvas.Polyline(bottom);
        rect = ShrunkRect(rect, 1);
    }
    rect = ShrunkRect(rect, std::int64_t{width} - drawn);
    ++rect.Right;
    ++rect.Bottom;
}

void BandGradient(TCanvas& canvas, const TRect& rect, TColor startColor, TColor endColor,
                  int orientation, int bandWidth) {
    if (orientation != 0 && orientation != 1) return;
    // A band of no width would never advance.
    const int w = std::max(bandWidth, 1);
    const TColor start = ColorToRGB(startColor);
    const TColor end = ColorToRGB(endColor);
    const double dR = GetRValue(end) - GetRValue(start);
    const double dG = GetGValue(end) - GetGValue(start);
    const double dB = GetBValue(end) - GetBValue(start);
    double r = GetRValue(start), g = GetGValue(start), b = GetBValue(start);
    const int W = std::max(1, rect.Width());
    const int H = std::max(1, rect.Height());
    const bool across = orientation == 1;
    const int extent = across ? W : H;
    TRect band = across ? Bounds(rect.Left, rect.Top, w, H) : Bounds(rect.Left, rect.Top, W, w);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    for (int p = 0; p <= extent; p += w) {
        canvas.Brush()->SetColor(RealRGB(r, g, b));
        canvas.FillRect(band);
        if (across) {
            band.Left += w;
            band.Right += w;
        } else {
            band.Top += w;
            band.Bottom += w;
        }
        r += dR / extent * w;
        g += dG / extent * w;
        b += dB / extent * w;
    }
}

std::unique_ptr<TBitmap> CheckerBitmap(TColor color1, TColor color2) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(8, 8);
    QImage& image = bitmap->Image();
    const QRgb c1 = ToPixel(color1), c2 = ToPixel(color2);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, (x % 2) == (y % 2) ? c1 : c2);
    return bitmap;
}

void DrawCaption(TCanvas& canvas, const QString& text, const TRect& rect, bool enabled) {
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect r = rect;
    if (enabled) {
        canvas.DrawText(text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return;
    }
    TRect shifted = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    canvas.Font()->SetColor(clBtnHighlight);
    canvas.DrawText(text, shifted, 0);
    canvas.Font()->SetColor(clBtnShadow);
    canvas.DrawText(text, r, 0);
}

TImageTextPlacement LayoutImageAndText(TCanvas& canvas, const TRect& client, TPoint offset,
                                       const QString& caption, TVrImageTextLayout layout,
                                       int margin, int spacing, TSize imageSize) {
    // Margins, spacings and sizes may be anything an int holds: the arithmetic runs in 64 bits
    // and only the results are pulled into the canvas's coordinate space.
    using I = std::int64_t;
    const I cx = I{client.Right} - client.Left, cy = I{client.Bottom} - client.Top;
    const I gx = imageSize.cx, gy = imageSize.cy;
    const auto coord = [](I v) {
        return static_cast<int>(std::clamp<I>(v, -kCoordLimit, kCoordLimit));
    };
    TRect text;
    if (!caption.isEmpty()) {
        text = Rect(0, 0, coord(cx), 0);
        canvas.DrawText(caption, text, DT_CALCRECT);
    }
    const I tx = I{text.Right} - text.Left, ty = I{text.Bottom} - text.Top;
    const bool horizontal =
        layout == TVrImageTextLayout::ImageLeft || layout == TVrImageTextLayout::ImageRight;

    I imageX = 0, imageY = 0, textX = 0, textY = 0;
    if (horizontal) {
        imageY = (cy - gy + 1) / 2;
        textY = (cy - ty + 1) / 2;
    } else {
        imageX = (cx - gx + 1) / 2;
        textX = (cx - tx + 1) / 2;
    }
    I gap = (tx == 0 || gx == 0) ? 0 : spacing;

    // Everything below works along the layout's axis.
    const I c = horizontal ? cx : cy;
    const I g = horizontal ? gx : gy;
    const I t = horizontal ? tx : ty;
    I edge = margin;
    if (margin == -1) {
        if (gap == -1) {
            edge = (c - (g + t)) / 3;
            gap = edge;
        } else {
            edge = (c - (g + gap + t) + 1) / 2;
        }
    } else if (gap == -1) {
        gap = ((c - edge - g) - t) / 2;
    }

    switch (layout) {
        case TVrImageTextLayout::ImageLeft:
            imageX = edge;
            textX = imageX + gx + gap;
            break;
        case TVrImageTextLayout::ImageRight:
            imageX = cx - edge - gx;
            textX = imageX - gap - tx;
            break;
        case TVrImageTextLayout::ImageTop:
            imageY = edge;
            textY = imageY + gy + gap;
            break;
        case TVrImageTextLayout::ImageBottom:
            imageY = cy - edge - gy;
            textY = imageY - gap - ty;
            break;
    }

    const I dx = I{client.Left} + offset.X, dy = I{client.Top} + offset.Y;
    TImageTextPlacement result;
    result.ImagePos = Point(coord(imageX + dx), coord(imageY + dy));
    result.TextRect =
        Rect(coord(textX + dx), coord(textY + dy), coord(textX + dx + tx), coord(textY + dy + ty));
    return result;
}

void TileBitmap(TCanvas& canvas, const TRect& rect, const TBitmap& bitmap) {
    // An empty bitmap would never step forward.
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return;
    for (int x = rect.Left; x < rect.Right; x += bitmap.Width())
        for (int y = rect.Top; y < rect.Bottom; y += bitmap.Height())
            canvas.Draw(x, y, bitmap);
}

TRect BitmapRect(const TBitmap& bitmap) {
    return Rect(0, 0, bitmap.Width(), bitmap.Height());
}

void RecolorBitmap(TBitmap& bitmap, TColor lowKey, TColor low, TColor highKey, TColor high) {
    if (bitmap.Empty()) return;
    const QRgb lowKeyPixel = ToPixel(lowKey) & kColorBits;
    const QRgb highKeyPixel = ToPixel(highKey) & kColorBits;
    const QRgb lowPixel = ToPixel(low), highPixel = ToPixel(high);
    QImage& image = bitmap.Image();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb original = line[x] & kColorBits;
            if (original == highKeyPixel)
                line[x] = highPixel;
            else if (original == lowKeyPixel)
                line[x] = lowPixel;
        }
    }
}

void ReplaceColor(TBitmap& bitmap, TColor oldColor, TColor newColor) {
    if (bitmap.Empty()) return;
    const QRgb key = ToPixel(oldColor) & kColorBits;
    const QRgb replacement = ToPixel(newColor);
    QImage& image = bitmap.Image();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & kColorBits) == key) line[x] = replacement;
    }
}

QString SplitFirst(QString& s, const QString& separator) {
    const qsizetype at = separator.isEmpty() ? -1 : s.indexOf(separator);
    if (at < 0) {
        QString all = s;
        s.clear();
        return all;
    }
    QString first = s.left(at);
    s.remove(0, at + separator.size());
    return first;
}

TWinControl* TopWindowedOwner(const TComponent* component) {
    TWinControl* result = nullptr;
    TComponent* owner = component ? component->Owner() : nullptr;
    while (auto* windowed = dynamic_cast<TWinControl*>(owner)) {
        result = windowed;
        owner = windowed->Owner();
    }
    return result;
}

}  // namespace mox

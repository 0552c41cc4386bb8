// Draws every built-in bitmap of the program and writes them, with the resource list, into the
// resources folder given on the command line:
//
//   mox_bitmapgen /path/to/resources
//
// The instruments recolour some bitmaps by exact key colours, so those are drawn pixel by pixel
// in their few colours and written as 16-colour files: digit strips (black, silver lit, grey
// unlit), lamps (black, maroon off, red on, a few highlight pixels) and matrix cells (black, grey
// dots on the dot grid the display lights). Everything else is shaded freely and written with 24
// bits; its see-through colour is its bottom-left pixel (fuchsia), and soft edges are blended
// with a neutral face colour so that no pink fringe shows.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "resources/dotfont.h"

namespace {

// The colours with fixed roles, as 0xRRGGBB.
constexpr QRgb kBlack = 0xFF000000, kMaroon = 0xFF800000, kRed = 0xFFFF0000, kGray = 0xFF808080,
               kSilver = 0xFFC0C0C0, kWhite = 0xFFFFFFFF, kGreen = 0xFF008000, kLime = 0xFF00FF00,
               kFuchsia = 0xFFFF00FF;
// What soft edges are blended with before the see-through pixels become fuchsia.
constexpr QRgb kMatte = 0xFFF0F0F0;

// The 16-colour palette of the classic files, in its usual order.
constexpr std::array<QRgb, 16> kVgaPalette{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

QString gOutput;
QStringList gNames;

void Put16(QByteArray& b, std::uint16_t v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}
void Put32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A bottom-up, uncompressed BMP file of 4 or 24 bits per pixel.
QByteArray EncodeBmp(const QImage& image, int bits) {
    const int w = image.width(), h = image.height();
    const int rowBytes = ((w * bits + 31) / 32) * 4;
    const int paletteBytes = bits == 4 ? 16 * 4 : 0;
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(paletteBytes);
    QByteArray b;
    b.append("BM");
    Put32(b, offset + static_cast<std::uint32_t>(rowBytes * h));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(w));
    Put32(b, static_cast<std::uint32_t>(h));
    Put16(b, 1);
    Put16(b, static_cast<std::uint16_t>(bits));
    Put32(b, 0);
    Put32(b, static_cast<std::uint32_t>(rowBytes * h));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, bits == 4 ? 16 : 0);
    Put32(b, 0);
    if (bits == 4)
        for (QRgb c : kVgaPalette) {
            b.append(static_cast<char>(qBlue(c)));
            b.append(static_cast<char>(qGreen(c)));
            b.append(static_cast<char>(qRed(c)));
            b.append('\0');
        }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            if (bits == 4) {
                const auto it = std::find(kVgaPalette.begin(), kVgaPalette.end(), c);
                if (it == kVgaPalette.end()) {
                    std::fprintf(stderr, "colour %08x is not in the 16-colour palette\n", c);
                    std::exit(1);
                }
                const int index = static_cast<int>(it - kVgaPalette.begin());
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? index : index << 4));
            } else {
                row[3 * x] = static_cast<char>(qBlue(c));
                row[3 * x + 1] = static_cast<char>(qGreen(c));
                row[3 * x + 2] = static_cast<char>(qRed(c));
            }
        }
        b.append(row);
    }
    return b;
}

void Save(const QString& name, const QImage& image, int bits) {
    QFile file(gOutput + QStringLiteral("/bitmaps/") + name + QStringLiteral(".bmp"));
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeBmp(image, bits)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    gNames << name;
}

QImage Blank(int w, int h, QRgb fill) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// An antialiased drawing on a clear canvas, flattened: clear pixels become fuchsia, soft edges
// are blended with the matte.
QImage Flatten(const QImage& argb) {
    QImage out(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);  // not premultiplied
            const int a = qAlpha(p);
            if (a < 8) {
                out.setPixel(x, y, kFuchsia);
                continue;
            }
            auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            QRgb c = qRgb(mix(qRed(p), qRed(kMatte)), mix(qGreen(p), qGreen(kMatte)),
                          mix(qBlue(p), qBlue(kMatte)));
            if ((c | 0xFF000000u) == kFuchsia) c = qRgb(254, 0, 255);
            out.setPixel(x, y, c);
        }
    return out;
}

QImage Clear(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// --- Seven-segment digit strips ---------------------------------------------------------------

// Segments a..g; bit 0 = a (top), b (top right), c (bottom right), d (bottom), e (bottom left),
// f (top left), g (middle).
constexpr std::array<int, 10> kDigitSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                             0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr int kSegG = 0x40;

struct TDigitShape {
    int W, H;           // cell
    double L, R, T, B;  // outer box of the segments, in pixel edges
    double Thick;       // segment thickness
    double Gap;         // clearance between neighbouring segments
    double Slant;       // horizontal shift per pixel upward (italic)
};

// Which segment a pixel of a cell belongs to, or -1.
int SegmentAt(const TDigitShape& s, int px, int py) {
    const double cy = py + 0.5;
    const double cx = px + 0.5 - (s.B - cy) * s.Slant;
    const double h = s.Thick / 2;
    const double xl = s.L + h, xr = s.R - h;
    const double yt = s.T + h, yb = s.B - h, ym = (yt + yb) / 2;
    auto horizontal = [&](double yc) {
        const double d = std::abs(cy - yc);
        return d < h && cx - xl > d + s.Gap && xr - cx > d + s.Gap;
    };
    auto vertical = [&](double xc, double y0, double y1) {
        const double d = std::abs(cx - xc);
        return d < h && cy - y0 > d + s.Gap && y1 - cy > d + s.Gap;
    };
    if (horizontal(yt)) return 0;
    if (vertical(xr, yt, ym)) return 1;
    if (vertical(xr, ym, yb)) return 2;
    if (horizontal(yb)) return 3;
    if (vertical(xl, ym, yb)) return 4;
    if (vertical(xl, yt, ym)) return 5;
    if (horizontal(ym)) return 6;
    return -1;
}

void DigitStrip(const QString& name, const TDigitShape& s) {
    QImage strip = Blank(s.W * 13, s.H, kBlack);
    for (int cell = 0; cell < 13; ++cell) {
        // Cells 0..9 digits, 10 all unlit, 11 an unlit minus bar, 12 a lit one.
        const bool sign = cell >= 11;
        const int lit = cell < 10    ? kDigitSegments[static_cast<std::size_t>(cell)]
                        : cell == 12 ? kSegG
                                     : 0;
        for (int y = 0; y < s.H; ++y)
            for (int x = 0; x < s.W; ++x) {
                const int seg = SegmentAt(s, x, y);
                if (seg < 0 || (sign && seg != 6)) continue;
                strip.setPixel(cell * s.W + x, y, (lit >> seg) & 1 ? kSilver : kGray);
            }
    }
    Save(name, strip, 4);
}

// The two smallest strips are drawn as rectangles per segment that share their corners (there
// is no room for gaps); a pixel is lit when any lit segment covers it.
struct TBlockSegment {
    int X0, Y0, X1, Y1;  // inclusive
};
void BlockDigitStrip(const QString& name, int w, int h,
                     const std::array<TBlockSegment, 7>& segments) {
    QImage strip = Blank(w * 13, h, kBlack);
    for (int cell = 0; cell < 13; ++cell) {
        const bool sign = cell >= 11;
        const int lit = cell < 10    ? kDigitSegments[static_cast<std::size_t>(cell)]
                        : cell == 12 ? kSegG
                                     : 0;
        for (int pass = 0; pass < 2; ++pass)  // unlit first, so that lit wins shared corners
            for (int seg = 0; seg < 7; ++seg) {
                if (sign && seg != 6) continue;
                const bool on = (lit >> seg) & 1;
                if (on != (pass == 1)) continue;
                const TBlockSegment& r = segments[static_cast<std::size_t>(seg)];
                for (int y = r.Y0; y <= r.Y1; ++y)
                    for (int x = r.X0; x <= r.X1; ++x)
                        strip.setPixel(cell * w + x, y, on ? kSilver : kGray);
            }
    }
    Save(name, strip, 4);
}

void SmallDigitStrips() {
    // 7 × 13: two-pixel strokes in x 0..5, a one-row middle bar; column 6 stays dark.
    BlockDigitStrip(QStringLiteral("NUM7x13"), 7, 13,
                    {{{0, 0, 5, 1},
                      {4, 0, 5, 6},
                      {4, 6, 5, 12},
                      {0, 11, 5, 12},
                      {0, 6, 1, 12},
                      {0, 0, 1, 6},
                      {0, 6, 5, 6}}});
    // 4 × 7: one-pixel strokes in x 0..2; column 3 stays dark.
    BlockDigitStrip(QStringLiteral("NUM5x7"), 4, 7,
                    {{{0, 0, 2, 0},
                      {2, 0, 2, 3},
                      {2, 3, 2, 6},
                      {0, 6, 2, 6},
                      {0, 3, 0, 6},
                      {0, 0, 0, 3},
                      {0, 3, 2, 3}}});
}

// --- Lamps ------------------------------------------------------------------------------------

// Two cells, off (maroon) and on (red), on black with a small highlight.
void Lamp(const QString& name, int cw, int ch, const std::function<bool(int, int)>& inside,
          const std::vector<QPoint>& shine, const std::vector<QPoint>& glint) {
    QImage image = Blank(cw * 2, ch, kBlack);
    for (int cell = 0; cell < 2; ++cell) {
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x)
                if (inside(x, y)) image.setPixel(cell * cw + x, y, cell ? kRed : kMaroon);
        for (const QPoint& p : shine)
            image.setPixel(cell * cw + p.x(), p.y(), cell ? kSilver : kGray);
        for (const QPoint& p : glint)
            image.setPixel(cell * cw + p.x(), p.y(), cell ? kWhite : kSilver);
    }
    Save(name, image, 4);
}

void Lamps() {
    Lamp(QStringLiteral("LI_RND"), 9, 9,
         [](int x, int y) {
             // A disc seven pixels across, with a dark pixel of margin all round.
             const int dx = x - 4, dy = y - 4;
             return dx * dx + dy * dy <= 13;
         },
         {{3, 2}, {2, 3}}, {{3, 3}});
    Lamp(QStringLiteral("LI_RECT"), 10, 5,
         [](int x, int y) { return x >= 1 && x <= 8 && y >= 1 && y <= 3; }, {{3, 1}, {4, 1}},
         {{2, 1}});
    Lamp(QStringLiteral("LI_BIG"), 17, 7,
         [](int x, int y) {
             const bool corner = (x == 1 || x == 15) && (y == 1 || y == 5);
             return x >= 1 && x <= 15 && y >= 1 && y <= 5 && !corner;
         },
         {{4, 1}, {5, 1}, {6, 1}, {2, 2}}, {{3, 1}});
}

// --- Matrix cells -----------------------------------------------------------------------------

// The dot squares exactly where the display lights them: column j from the right at
// x = w - d - j (d + 1), row r at y = r (d + 1).
void MatrixCell(const QString& name, int w, int h, int d) {
    QImage image = Blank(w, h, kBlack);
    for (int r = 0; r < mox::kDotFontRows; ++r)
        for (int j = 0; j < mox::kDotFontColumns; ++j)
            for (int y = 0; y < d; ++y)
                for (int x = 0; x < d; ++x)
                    image.setPixel(w - d - j * (d + 1) + x, r * (d + 1) + y, kGray);
    Save(name, image, 4);
}

// --- Shaded glyphs ----------------------------------------------------------------------------

QColor Mix(QColor a, QColor b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A brushed-metal knob with a grip line across its middle; `across` is the direction the grip
// line runs. Corners are see-through.
QImage Knob(int w, int h, bool horizontalGrip, QRgb key, QColor tint) {
    QImage image = Blank(w, h, key);
    const QColor light = Mix(tint, Qt::white, 0.6), dark = Mix(tint, Qt::black, 0.6);
    const QColor edge(24, 24, 28);
    const int len = horizontalGrip ? h : w;  // the direction the shading runs
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
            if (corner) continue;
            const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            if (border) {
                image.setPixel(x, y, edge.rgb());
                continue;
            }
            const int p = horizontalGrip ? y : x;
            // A cylinder: bright just above the middle of its near half, dark at the far edge.
            const double t = (p + 0.5) / len;
            const double shade = 0.5 + 0.5 * std::cos((t - 0.3) * 3.14159);
            QColor c = Mix(dark, light, std::clamp(shade, 0.0, 1.0));
            const bool bevelLight = x == 1 || y == 1;
            const bool bevelDark = x == w - 2 || y == h - 2;
            if (bevelLight) c = Mix(c, Qt::white, 0.45);
            if (bevelDark) c = Mix(c, Qt::black, 0.35);
            image.setPixel(x, y, c.rgb());
        }
    // The grip: a dark groove with a light line under it, across the middle.
    const int mid = (horizontalGrip ? h : w) / 2;
    for (int i = 2; i < (horizontalGrip ? w : h) - 2; ++i) {
        const QPoint groove = horizontalGrip ? QPoint(i, mid - 1) : QPoint(mid - 1, i);
        const QPoint shine = horizontalGrip ? QPoint(i, mid) : QPoint(mid, i);
        image.setPixel(groove, QColor(40, 40, 44).rgb());
        image.setPixel(shine, Mix(light, Qt::white, 0.5).rgb());
    }
    return image;
}

void Thumbs() {
    const QColor steel(150, 156, 166), brass(170, 150, 110);
    Save(QStringLiteral("VRSLIDERTHUMB_HORI"), Knob(30, 13, true, kBlack, steel), 24);
    Save(QStringLiteral("VRSLIDERTHUMB_VERT"), Knob(13, 30, false, kBlack, steel), 24);
    Save(QStringLiteral("VRSWITCHTHUMB_VERT"), Knob(24, 12, true, kBlack, brass), 24);
    Save(QStringLiteral("VRSWITCHTHUMB_HORI"), Knob(12, 24, false, kBlack, brass), 24);
    // The track bar sits on the button face, so its corners are that colour.
    Save(QStringLiteral("VRTB_VERT"), Knob(17, 9, true, kMatte, steel), 24);
    Save(QStringLiteral("VRTB_HORI"), Knob(9, 17, false, kMatte, steel), 24);
}

// Three images of an arrow: 0 disabled (flat, green), 1 raised (lime), 2 sunken (lime, moved by
// a pixel). Only the key colours green and lime are recoloured, so the relief is drawn in grey
// and white, and black is never used (the spin buttons' hit test treats it as outside).
void Arrows(const QString& name, int iw, int ih, int direction) {
    QImage strip = Blank(iw * 3, ih, kFuchsia);
    // The triangle, pointing up, in a cell of the up/down size; turned for the others.
    auto inside = [&](double x, double y) {
        double u, v, len, depth;  // u across the arrow, v along it from its tip
        if (direction <= 1) {
            u = x - iw / 2.0;
            v = direction == 0 ? y - 3 : (ih - 3) - y;
            len = ih - 6;
            depth = iw / 2.0 - 3;
        } else {
            u = y - ih / 2.0;
            v = direction == 2 ? x - 3 : (iw - 3) - x;
            len = iw - 6;
            depth = ih / 2.0 - 3;
        }
        return v >= 0 && v <= len && std::abs(u) <= depth * (v / len) + 0.5;
    };
    for (int image = 0; image < 3; ++image) {
        const int shift = image == 2 ? 1 : 0;
        const QRgb fill = image == 0 ? kGreen : kLime;
        for (int y = 0; y < ih; ++y)
            for (int x = 0; x < iw; ++x) {
                const double cx = x + 0.5 - shift, cy = y + 0.5 - shift;
                if (!inside(cx, cy)) continue;
                QRgb c = fill;
                if (image > 0) {
                    // Relief: the edges facing the top left catch the light.
                    const bool upLeft = !inside(cx - 1, cy) || !inside(cx, cy - 1);
                    const bool downRight = !inside(cx + 1, cy) || !inside(cx, cy + 1);
                    if (upLeft && !downRight) c = image == 1 ? kWhite : kGray;
                    if (downRight && !upLeft) c = image == 1 ? kGray : kWhite;
                }
                strip.setPixel(image * iw + x, y, c);
            }
    }
    Save(name, strip, 24);
}

void Lcd() {
    const int w = 257, h = 40;
    QImage image = Blank(w, h, kBlack);
    QPainter p(&image);
    // A grey moulded frame: light top-left, dark bottom-right, black lines outside and inside.
    for (int i = 1; i <= 3; ++i) {
        const QColor tl = Mix(QColor(200, 200, 200), QColor(150, 150, 150), (i - 1) / 3.0);
        const QColor br = Mix(QColor(90, 90, 90), QColor(120, 120, 120), (i - 1) / 3.0);
        p.setPen(tl);
        p.drawLine(i, i, w - 1 - i, i);
        p.drawLine(i, i, i, h - 1 - i);
        p.setPen(br);
        p.drawLine(i + 1, h - 1 - i, w - 1 - i, h - 1 - i);
        p.drawLine(w - 1 - i, i + 1, w - 1 - i, h - 1 - i);
    }
    p.setPen(QColor(0, 0, 0));
    p.drawRect(4, 4, w - 9, h - 9);
    // The glass: grey-green, slightly lighter towards the bottom, shadowed under the frame.
    QLinearGradient face(0, 5, 0, h - 5);
    face.setColorAt(0, QColor(150, 164, 132));
    face.setColorAt(1, QColor(170, 184, 150));
    p.fillRect(5, 5, w - 10, h - 10, face);
    p.setPen(QColor(120, 132, 106));
    p.drawLine(5, 5, w - 6, 5);
    p.drawLine(5, 5, 5, h - 6);
    p.setPen(QColor(136, 149, 120));
    p.drawLine(6, 6, w - 7, 6);
    p.drawLine(6, 6, 6, h - 7);
    p.end();
    Save(QStringLiteral("LCDBMP"), image, 24);
}

void Marker() {
    QImage image = Clear(6, 9);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(0.3, 0.5);
    arrow.lineTo(5.8, 4.5);
    arrow.lineTo(0.3, 8.5);
    arrow.closeSubpath();
    QLinearGradient g(0, 0, 0, 9);
    g.setColorAt(0, QColor(255, 120, 90));
    g.setColorAt(1, QColor(170, 20, 10));
    p.setPen(QPen(QColor(90, 10, 5), 0.8));
    p.setBrush(g);
    p.drawPath(arrow);
    p.end();
    QImage flat = Flatten(image);
    flat.setPixel(0, 8, kFuchsia);  // the see-through colour sits at the bottom left
    Save(QStringLiteral("MARKERIMG"), flat, 24);
}

void HandCursor() {
    // '#' outline, ' ' inside, anything else see-through. The fingertip is at (6, 0).
    static const char* const kRows[] = {
        ".....##..........", "....#  #.........", "....#  #.........", "....#  #.........",
        "....#  ###.......", "....#  #  ##.....", "....#  #  #  ##..", ".##.#  #  #  # #.",
        "#  ##        #  #", "#   #           #", ".#              #", "..#             #",
        "..#            #.", "...#           #.", "...#          #..", "....#         #..",
        "....#        #...", ".....#       #...", ".....#########...",
    };
    QImage image = Blank(32, 32, kFuchsia);
    int y = 0;
    for (const char* row : kRows) {
        for (int x = 0; row[x]; ++x) {
            if (row[x] == '#') image.setPixel(x + 1, y, 0xFF000000);
            if (row[x] == ' ') image.setPixel(x + 1, y, kWhite);
        }
        ++y;
    }
    Save(QStringLiteral("VRCURSORHANDPOINT"), image, 24);
}

// --- Alignment palette and toolbar pictures ---------------------------------------------------

struct TPalettePens {
    QColor Line, Box, BoxEdge;
};

// Three 24 × 24 images: up, disabled, down.
void AlignGlyph(const QString& name,
                const std::function<void(QPainter&, const TPalettePens&)>& draw) {
    QImage strip = Blank(72, 24, kFuchsia);
    const TPalettePens normal{QColor(30, 30, 30), QColor(90, 140, 220), QColor(30, 60, 130)};
    const TPalettePens disabled{QColor(150, 150, 150), QColor(205, 205, 205),
                                QColor(150, 150, 150)};
    for (int image = 0; image < 3; ++image) {
        QImage cell = Clear(24, 24);
        QPainter p(&cell);
        if (image == 2) p.translate(1, 1);
        draw(p, image == 1 ? disabled : normal);
        p.end();
        const QImage flat = Flatten(cell);
        QPainter s(&strip);
        s.drawImage(image * 24, 0, flat);
    }
    strip.setPixel(0, 23, kFuchsia);
    Save(name, strip, 24);
}

void Box(QPainter& p, const TPalettePens& pens, int x, int y, int w, int h) {
    p.fillRect(x, y, w, h, pens.BoxEdge);
    p.fillRect(x + 1, y + 1, w - 2, h - 2, pens.Box);
}
void VLine(QPainter& p, const TPalettePens& pens, int x, bool dashed = false) {
    for (int y = 2; y < 22; ++y)
        if (!dashed || y % 3 != 2) p.fillRect(x, y, 1, 1, pens.Line);
}
void HLine(QPainter& p, const TPalettePens& pens, int y, bool dashed = false) {
    for (int x = 2; x < 22; ++x)
        if (!dashed || x % 3 != 2) p.fillRect(x, y, 1, 1, pens.Line);
}

void AlignmentGlyphs() {
    using P = QPainter;
    using T = TPalettePens;
    AlignGlyph(QStringLiteral("ALIGN_LEFT"), [](P& p, const T& t) {
        VLine(p, t, 3);
        Box(p, t, 4, 5, 15, 5);
        Box(p, t, 4, 14, 9, 5);
    });
    AlignGlyph(QStringLiteral("ALIGN_HORCENTER"), [](P& p, const T& t) {
        Box(p, t, 4, 5, 16, 5);
        Box(p, t, 7, 14, 10, 5);
        VLine(p, t, 12, true);
    });
    AlignGlyph(QStringLiteral("ALIGN_HORWINCENTER"), [](P& p, const T& t) {
        p.fillRect(2, 3, 20, 18, t.Line);
        p.fillRect(3, 4, 18, 16, QColor(250, 250, 250));
        Box(p, t, 8, 9, 8, 6);
        VLine(p, t, 12, true);
    });
    AlignGlyph(QStringLiteral("ALIGN_HORSPACE"), [](P& p, const T& t) {
        Box(p, t, 2, 8, 5, 8);
        Box(p, t, 10, 8, 5, 8);
        Box(p, t, 18, 8, 5, 8);
        HLine(p, t, 19, true);
    });
    AlignGlyph(QStringLiteral("ALIGN_RIGHT"), [](P& p, const T& t) {
        VLine(p, t, 20);
        Box(p, t, 5, 5, 15, 5);
        Box(p, t, 11, 14, 9, 5);
    });
    AlignGlyph(QStringLiteral("ALIGN_TOP"), [](P& p, const T& t) {
        HLine(p, t, 3);
        Box(p, t, 5, 4, 5, 15);
        Box(p, t, 14, 4, 5, 9);
    });
    AlignGlyph(QStringLiteral("ALIGN_VERCENTER"), [](P& p, const T& t) {
        Box(p, t, 5, 4, 5, 16);
        Box(p, t, 14, 7, 5, 10);
        HLine(p, t, 12, true);
    });
    AlignGlyph(QStringLiteral("ALIGN_VERWINCENTER"), [](P& p, const T& t) {
        p.fillRect(3, 2, 18, 20, t.Line);
        p.fillRect(4, 3, 16, 18, QColor(250, 250, 250));
        Box(p, t, 9, 8, 6, 8);
        HLine(p, t, 12, true);
    });
    AlignGlyph(QStringLiteral("ALIGN_VERSPACE"), [](P& p, const T& t) {
        Box(p, t, 8, 2, 8, 5);
        Box(p, t, 8, 10, 8, 5);
        Box(p, t, 8, 18, 8, 5);
        VLine(p, t, 19, true);
    });
    AlignGlyph(QStringLiteral("ALIGN_BOTTOM"), [](P& p, const T& t) {
        HLine(p, t, 20);
        Box(p, t, 5, 5, 5, 15);
        Box(p, t, 14, 11, 5, 9);
    });
}

// A 24 × 24 toolbar picture drawn antialiased.
void Icon(const QString& name, const std::function<void(QPainter&)>& draw) {
    QImage image = Clear(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    QImage flat = Flatten(image);
    flat.setPixel(0, 23, kFuchsia);
    Save(name, flat, 24);
}

// A rounded instrument case most pictures sit in.
void Case(QPainter& p, QRectF r, QColor face) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Mix(face, Qt::white, 0.35));
    g.setColorAt(1, Mix(face, Qt::black, 0.25));
    p.setPen(QPen(QColor(40, 40, 48), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 2.5, 2.5);
}

void Led(QPainter& p, QPointF c, double r, QColor color) {
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, Mix(color, Qt::white, 0.7));
    g.setColorAt(0.4, color);
    g.setColorAt(1, Mix(color, Qt::black, 0.6));
    p.setPen(QPen(Mix(color, Qt::black, 0.7), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void SevenSegmentEight(QPainter& p, QRectF r, QColor on) {
    p.setPen(QPen(on, 1.6, Qt::SolidLine, Qt::RoundCap));
    const double l = r.left(), t = r.top(), w = r.width(), h = r.height();
    const QPointF a(l, t), b(l + w, t), c(l, t + h / 2), d(l + w, t + h / 2), e(l, t + h),
        f(l + w, t + h);
    for (auto [u, v] : {std::pair{a, b}, {c, d}, {e, f}, {a, c}, {c, e}, {b, d}, {d, f}})
        p.drawLine(u, v);
}

void ToolbarIcons() {
    const QColor panel(64, 72, 84), glass(18, 24, 20), lit(90, 255, 110), steel(170, 176, 186);
    Icon(QStringLiteral("TB_BORDER"), [&](QPainter& p) {
        p.setPen(QPen(QColor(230, 230, 230), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 3, 17, 17));
        p.setPen(QPen(QColor(90, 90, 96), 2));
        p.drawRect(QRectF(5, 5, 17, 17));
    });
    Icon(QStringLiteral("TB_GRADIENT"), [&](QPainter& p) {
        QLinearGradient g(2, 2, 22, 22);
        g.setColorAt(0, QColor(20, 40, 140));
        g.setColorAt(1, QColor(120, 220, 255));
        p.setPen(QPen(QColor(30, 30, 40), 1));
        p.setBrush(g);
        p.drawRect(QRectF(2.5, 3.5, 19, 17));
    });
    Icon(QStringLiteral("TB_AMETER"), [&](QPainter& p) {
        Case(p, QRectF(1.5, 3.5, 21, 17), QColor(235, 228, 200));
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.drawArc(QRectF(4, 8, 16, 16), 30 * 16, 120 * 16);
        p.setPen(QPen(QColor(200, 30, 20), 1.4));
        p.drawLine(QPointF(12, 17), QPointF(16.5, 9));
    });
    Icon(QStringLiteral("TB_ANGULAR"), [&](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 48), 1));
        p.setBrush(QColor(30, 34, 40));
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        p.setPen(QPen(QColor(220, 220, 220), 1.2));
        p.drawArc(QRectF(5, 5, 14, 14), -45 * 16, 270 * 16);
        p.setPen(QPen(QColor(255, 180, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(16, 7));
    });
    Icon(QStringLiteral("TB_LABEL"), [&](QPainter& p) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(17);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(30, 40, 90));
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("A"));
    });
    Icon(QStringLiteral("TB_LCD"), [&](QPainter& p) {
        Case(p, QRectF(1.5, 6.5, 21, 11), QColor(140, 140, 140));
        p.fillRect(QRectF(3.5, 8.5, 17, 7), QColor(160, 174, 142));
    });
    Icon(QStringLiteral("TB_LED"),
         [&](QPainter& p) { Led(p, QPointF(12, 12), 7, QColor(230, 20, 20)); });
    Icon(QStringLiteral("TB_LBAR"), [&](QPainter& p) {
        p.fillRect(QRectF(2, 8, 20, 8), glass);
        for (int i = 0; i < 6; ++i)
            p.fillRect(QRectF(3 + i * 3, 9, 2, 6),
                       Mix(QColor(40, 60, 200), QColor(80, 240, 255), i / 5.0));
    });
    Icon(QStringLiteral("TB_MATRIX"), [&](QPainter& p) {
        p.fillRect(QRectF(1, 3, 22, 18), glass);
        const mox::TDotGlyph& g = mox::DotGlyph('A');
        for (int r = 0; r < 7; ++r)
            for (int j = 0; j < 5; ++j) {
                const bool on = (g[static_cast<std::size_t>(r)] >> j) & 1;
                p.setPen(Qt::NoPen);
                p.setBrush(on ? lit : QColor(40, 70, 44));
                p.drawEllipse(QRectF(16 - j * 2.5, 4.5 + r * 2.3, 2, 2));
            }
    });
    Icon(QStringLiteral("TB_NUM"), [&](QPainter& p) {
        p.fillRect(QRectF(1, 4, 22, 16), glass);
        SevenSegmentEight(p, QRectF(4.5, 6.5, 5, 10), lit);
        SevenSegmentEight(p, QRectF(14.5, 6.5, 5, 10), lit);
    });
    Icon(QStringLiteral("TB_SCOPE"), [&](QPainter& p) {
        p.fillRect(QRectF(1, 3, 22, 18), glass);
        p.setPen(QPen(QColor(40, 80, 50), 0.8));
        for (int i = 1; i < 4; ++i) {
            p.drawLine(QPointF(1, 3 + i * 4.5), QPointF(23, 3 + i * 4.5));
            p.drawLine(QPointF(1 + i * 5.5, 3), QPointF(1 + i * 5.5, 21));
        }
        QPainterPath wave;
        for (int x = 0; x <= 22; ++x) {
            const QPointF pt(1 + x, 12 - 6 * std::sin(x / 22.0 * 2 * 3.14159));
            if (x == 0)
                wave.moveTo(pt);
            else
                wave.lineTo(pt);
        }
        p.setPen(QPen(lit, 1.3));
        p.drawPath(wave);
    });
    Icon(QStringLiteral("TB_CHECKLED"), [&](QPainter& p) {
        Led(p, QPointF(7, 12), 4.5, QColor(40, 220, 60));
        p.setPen(QPen(QColor(30, 30, 30), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{QPointF(14, 12), QPointF(17, 16), QPointF(22, 6)});
    });
    Icon(QStringLiteral("TB_EDIT"), [&](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 6.5, 21, 11));
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.drawLine(QPointF(5.5, 8.5), QPointF(5.5, 15.5));
        p.drawLine(QPointF(4, 8.5), QPointF(7, 8.5));
        p.drawLine(QPointF(4, 15.5), QPointF(7, 15.5));
    });
    Icon(QStringLiteral("TB_PBUTTON"), [&](QPainter& p) {
        Case(p, QRectF(2.5, 2.5, 19, 19), panel);
        p.setPen(QPen(QColor(90, 255, 110), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(7, 7, 10, 10), 120 * 16, 300 * 16);
        p.drawLine(QPointF(12, 5.5), QPointF(12, 11));
    });
    Icon(QStringLiteral("TB_SLIDER"), [&](QPainter& p) {
        p.fillRect(QRectF(10, 2, 4, 20), glass);
        for (int i = 0; i < 6; ++i)
            p.fillRect(QRectF(10.5, 3 + i * 3.3, 3, 1.5), i > 2 ? lit : QColor(40, 90, 44));
        Case(p, QRectF(5.5, 9.5, 13, 5), steel);
    });
    Icon(QStringLiteral("TB_SPINNER"), [&](QPainter& p) {
        Case(p, QRectF(5.5, 1.5, 13, 21), QColor(200, 200, 200));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 200, 60));
        p.drawPolygon(QPolygonF{QPointF(12, 4), QPointF(16, 9.5), QPointF(8, 9.5)});
        p.drawPolygon(QPolygonF{QPointF(12, 20), QPointF(16, 14.5), QPointF(8, 14.5)});
    });
    Icon(QStringLiteral("TB_SWITCH"), [&](QPainter& p) {
        p.fillRect(QRectF(7, 1.5, 10, 21), QColor(20, 20, 24));
        Case(p, QRectF(7.5, 4.5, 9, 6), QColor(190, 170, 120));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(9, 13.5 + i * 3), QPointF(15, 13.5 + i * 3));
    });
    Icon(QStringLiteral("TB_TBAR"), [&](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(3.5 + i * 3.4, 18), QPointF(3.5 + i * 3.4, 21));
        p.fillRect(QRectF(2, 10, 20, 3), QColor(30, 30, 30));
        Case(p, QRectF(9.5, 5.5, 5, 12), steel);
    });
    Icon(QStringLiteral("TB_PMETER"), [&](QPainter& p) {
        p.fillRect(QRectF(9, 2, 6, 20), QColor(30, 30, 36));
        QLinearGradient g(0, 21, 0, 8);
        g.setColorAt(0, QColor(40, 200, 60));
        g.setColorAt(1, QColor(255, 220, 40));
        p.fillRect(QRectF(10, 9, 4, 12), g);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 40, 20));
        p.drawPolygon(QPolygonF{QPointF(3, 6), QPointF(8, 9), QPointF(3, 12)});
    });
    Icon(QStringLiteral("TB_MEMO"), [&](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 2.5, 17, 19));
        p.setPen(QPen(QColor(80, 90, 120), 1));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(6, 6.5 + i * 3), QPointF(i == 4 ? 12 : 18, 6.5 + i * 3));
    });
    Icon(QStringLiteral("TB_IMAGE"), [&](QPainter& p) {
        p.setPen(QPen(QColor(70, 70, 80), 1));
        p.setBrush(QColor(150, 200, 250));
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 150, 60));
        p.drawPolygon(QPolygonF{QPointF(3, 19), QPointF(10, 10), QPointF(15, 16), QPointF(18, 13),
                                QPointF(21, 19)});
        p.setBrush(QColor(255, 220, 60));
        p.drawEllipse(QPointF(17, 8.5), 2, 2);
    });
    Icon(QStringLiteral("TB_DDOWN"), [&](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 7.5, 21, 9));
        p.setBrush(QColor(215, 215, 220));
        p.drawRect(QRectF(15.5, 7.5, 7, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawPolygon(QPolygonF{QPointF(17, 11), QPointF(21, 11), QPointF(19, 13.5)});
    });
    // The rack commands.
    Icon(QStringLiteral("TB_PROPERTIES"), [&](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 2.5, 17, 19));
        for (int i = 0; i < 4; ++i) {
            p.fillRect(QRectF(6, 6 + i * 4, 4, 2), QColor(60, 90, 170));
            p.fillRect(QRectF(11, 6 + i * 4, 7, 2), QColor(150, 150, 160));
        }
    });
    Icon(QStringLiteral("TB_DELETE"), [&](QPainter& p) {
        p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
    });
    Icon(QStringLiteral("TB_ALIGNTOGRID"), [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 70));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                p.drawRect(QRectF(2 + x * 5, 2 + y * 5, 1, 1));
        p.setPen(QPen(QColor(30, 60, 130), 1));
        p.setBrush(QColor(90, 140, 220));
        p.drawRect(QRectF(7, 7, 10, 10));
    });
    Icon(QStringLiteral("TB_SELECTALL"), [&](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2.5, 2.5, 19, 19));
        p.setPen(QPen(QColor(30, 60, 130), 1));
        p.setBrush(QColor(90, 140, 220));
        p.drawRect(QRectF(5.5, 5.5, 6, 5));
        p.drawRect(QRectF(12.5, 12.5, 6, 6));
    });
    Icon(QStringLiteral("TB_RACKPROPERTIES"), [&](QPainter& p) {
        Case(p, QRectF(2.5, 3.5, 19, 17), panel);
        p.setPen(QPen(QColor(200, 200, 200), 1));
        p.drawLine(QPointF(5, 8.5), QPointF(19, 8.5));
        p.drawLine(QPointF(5, 12.5), QPointF(19, 12.5));
        p.drawLine(QPointF(5, 16.5), QPointF(19, 16.5));
        Led(p, QPointF(8, 8.5), 1.5, QColor(40, 220, 60));
    });
    auto folder = [](QPainter& p) {
        p.setPen(QPen(QColor(150, 110, 30), 1));
        p.setBrush(QColor(250, 210, 100));
        p.drawPolygon(QPolygonF{QPointF(2.5, 6.5), QPointF(9, 6.5), QPointF(11, 8.5),
                                QPointF(21.5, 8.5), QPointF(21.5, 19.5), QPointF(2.5, 19.5)});
    };
    auto disk = [](QPainter& p, QPointF o) {
        p.setPen(QPen(QColor(20, 30, 60), 1));
        p.setBrush(QColor(50, 80, 160));
        p.drawRect(QRectF(o.x() + 0.5, o.y() + 0.5, 15, 15));
        p.fillRect(QRectF(o.x() + 4, o.y() + 1, 8, 5), QColor(220, 220, 225));
        p.fillRect(QRectF(o.x() + 3, o.y() + 9, 10, 7), Qt::white);
    };
    Icon(QStringLiteral("TB_LOADRACK"), [&](QPainter& p) {
        folder(p);
        p.setPen(QPen(QColor(30, 120, 40), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 16), QPointF(15, 3));
        p.drawLine(QPointF(15, 3), QPointF(12, 6));
        p.drawLine(QPointF(15, 3), QPointF(18, 6));
    });
    Icon(QStringLiteral("TB_SAVERACK"), [&](QPainter& p) { disk(p, QPointF(4, 4)); });
    Icon(QStringLiteral("TB_SAVERACKAS"), [&](QPainter& p) {
        disk(p, QPointF(2, 2));
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(255, 210, 60));
        p.drawPolygon(QPolygonF{QPointF(13, 21), QPointF(14, 17), QPointF(21, 10), QPointF(23, 12),
                                QPointF(16, 19)});
    });
}

void WriteResourceList() {
    QFile file(gOutput + QStringLiteral("/bitmaps.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write the resource list\n");
        std::exit(1);
    }
    QTextStream out(&file);
    out << "<!-- Written by the bitmap generator (resources/generator); do not edit. -->\n";
    out << "<RCC>\n  <qresource prefix=\"/bitmaps\">\n";
    gNames.sort();
    for (const QString& name : gNames)
        out << "    <file alias=\"" << name << ".bmp\">bitmaps/" << name << ".bmp</file>\n";
    out << "  </qresource>\n</RCC>\n";
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts for the few letters in the pictures need a GUI application, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
        return 2;
    }
    gOutput = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(gOutput + QStringLiteral("/bitmaps"));

    DigitStrip(QStringLiteral("NUM13x24"), {13, 24, 1, 12, 1, 22, 3, 0.5, 0.0});
    DigitStrip(QStringLiteral("NUM11x20"), {11, 20, 1, 10, 1, 18, 3, 0.5, 0.0});
    DigitStrip(QStringLiteral("NUM12x17"), {12, 17, 1, 11, 1, 15, 2, 0.4, 0.0});
    SmallDigitStrips();
    Lamps();
    MatrixCell(QStringLiteral("VRMATRIXLED9X13"), 9, 13, 1);
    MatrixCell(QStringLiteral("VRMATRIXLED14X20"), 14, 20, 2);
    MatrixCell(QStringLiteral("VRMATRIXLED19X27"), 19, 27, 3);
    Thumbs();
    Arrows(QStringLiteral("ARROWS_UP"), 21, 16, 0);
    Arrows(QStringLiteral("ARROWS_DOWN"), 21, 16, 1);
    Arrows(QStringLiteral("ARROWS_LEFT"), 17, 21, 2);
    Arrows(QStringLiteral("ARROWS_RIGHT"), 17, 21, 3);
    Lcd();
    Marker();
    HandCursor();
    AlignmentGlyphs();
    ToolbarIcons();
    WriteResourceList();
    std::printf("%lld bitmaps written to %s\n", static_cast<long long>(gNames.size()),
                qPrintable(gOutput));
    return 0;
}

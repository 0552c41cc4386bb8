#pragma once
// A bitmap: RGB32 pixels with a canvas to draw on them, BMP file input and output, and the
// settings that decide how it is drawn (transparency).

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <memory>

#include "toolkit/core/persistent.h"
#include "toolkit/graphics/colors.h"

namespace mox {

class TCanvas;

MOX_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit,
         pfCustom)
MOX_ENUM(TTransparentMode, tmAuto, tmFixed)

class TBitmap : public TPersistent {
    MOX_CLASS
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetWidth(int value) { SetSize(value, Height()); }
    void SetHeight(int value) { SetSize(Width(), value); }
    // Keeps the pixels where old and new areas overlap and fills the rest white. Negative sizes
    // count as 0; a size beyond the image limit raises EOutOfResources.
    void SetSize(int width, int height);
    // No pixels: either side is 0 (the other side is still remembered).
    bool Empty() const { return FWidth == 0 || FHeight == 0; }

    // The canvas drawing on the pixels (owned by the bitmap). Drawing does not raise OnChange.
    TCanvas* Canvas() const { return FCanvas.get(); }

    // A pixel's colour; clInvalidPixel outside the bitmap. Setting outside it does nothing.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // The format of the file last loaded (pfDevice for bitmaps made here). Pixels are always
    // kept at 32 bits; pf32bit bitmaps save as 32-bit files, all others as 24-bit files.
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat value);

    // Whether drawing leaves out TransparentColor: the bottom-left pixel in tmAuto, the fixed
    // colour in tmFixed (setting a colour switches to tmFixed).
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);

    // Copies pixels and settings of another bitmap.
    void Assign(const TPersistent* source) override;

    // BMP input and output. A failed load raises EInvalidGraphic ("Bitmap image is not valid"
    // for damaged data) and leaves the bitmap as it was. Saving an empty bitmap raises
    // EInvalidGraphic, as no valid BMP file has no pixels.
    void LoadFromFile(const QString& path);
    void SaveToFile(const QString& path) const;
    // Reads one BMP file from the start of `data` and returns how many bytes it occupied.
    qsizetype LoadFromBmpData(QByteArrayView data);
    QByteArray SaveToBmpData() const;
    // A bitmap in a component stream (its "Data" property, and inside a picture's data): a
    // 4-byte little-endian length, then that many bytes of BMP file; no file for an empty
    // bitmap. Reading checks the length against the bytes there are (EReadError).
    QByteArray StreamData() const;
    void ReadStreamData(QByteArrayView data);
    void DefineProperties(TFiler& filer) override;

    // Loads ":/bitmaps/NAME.bmp" from the program's resources.
    void LoadFromResourceName(const QString& name);

    // The pixels, for the toolkit's own drawing code (RGB32; null when empty). Change pixels
    // through it, not the size.
    QImage& Image() { return FImage; }
    const QImage& Image() const { return FImage; }

    // A reference that turns null once this bitmap is destroyed (a brush's pattern holds one).
    std::weak_ptr<TBitmap> WeakRef() { return std::shared_ptr<TBitmap>(FLifetime, this); }

    TNotifyEvent OnChange;

private:
    void Changed();
    void SetImage(QImage image);

    QImage FImage;
    int FWidth = 0;
    int FHeight = 0;
    std::unique_ptr<TCanvas> FCanvas;
    TPixelFormat FPixelFormat = TPixelFormat::pfDevice;
    bool FTransparent = false;
    TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
    TColor FTransparentColor = clDefault;
    std::shared_ptr<char> FLifetime = std::make_shared<char>();
};

}  // namespace mox

#pragma once
// BMP files. Qt's reader decodes them, but only after every header field that decides how many
// bytes are read or how much memory is allocated has been checked here, so a damaged file is
// refused with EInvalidGraphic("Bitmap image is not valid") instead of being half read.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <cstdint>

namespace mox {

// The largest decoded image accepted, as 32-bit pixels.
constexpr std::int64_t kMaxBmpImageBytes = std::int64_t{256} << 20;

// What the headers of a checked BMP file say.
struct TBmpInfo {
    qsizetype FileSize = 0;  // from the file header: the bytes the file occupies
    int Width = 0;
    int Height = 0;  // always positive; top-down files are turned the right way up by the reader
    int BitCount = 0;
    std::uint32_t Compression = 0;
    std::uint32_t RedMask = 0, GreenMask = 0, BlueMask = 0;  // BI_BITFIELDS files only
};

constexpr std::uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;

// Checks the BMP file at the start of `data` (which may continue past it).
TBmpInfo ReadBmpInfo(QByteArrayView data);

// Decodes the BMP file at the start of `data` into an opaque RGB32 image.
struct TBmpImage {
    QImage Image;
    TBmpInfo Info;
};
TBmpImage DecodeBmp(QByteArrayView data);

// A complete BMP file (bottom-up, uncompressed, 24 or 32 bits per pixel) of an RGB32 image.
QByteArray EncodeBmp(const QImage& image, int bitCount);

}  // namespace mox

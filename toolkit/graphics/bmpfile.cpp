#include "toolkit/graphics/bmpfile.h"

#include <QtEndian>

#include "toolkit/core/exceptions.h"

namespace mox {

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kHeaderSizeField = 4;
constexpr std::uint32_t kCoreHeaderSize = 12;  // OS/2 BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kInfoHeaderSizes[] = {kInfoHeaderSize, 52, 56, 108, 124};
constexpr qsizetype kMaskBytes = 12;  // red, green, blue masks after a plain info header
constexpr int kMaxPaletteBits = 8;
constexpr int kBitsPerByte = 8;
constexpr int kBytesPerImagePixel = 4;

// Field offsets from the start of the file.
constexpr qsizetype kFileSizeAt = 2, kDataOffsetAt = 10, kHeaderAt = 14;
constexpr qsizetype kCoreWidthAt = 18, kCoreHeightAt = 20, kCorePlanesAt = 22, kCoreBitsAt = 24;
constexpr qsizetype kWidthAt = 18, kHeightAt = 22, kPlanesAt = 26, kBitsAt = 28,
                    kCompressionAt = 30, kImageSizeAt = 34, kColorsUsedAt = 46, kMasksAt = 54;
constexpr qsizetype kXPelsAt = 38, kYPelsAt = 42;

[[noreturn]] void Invalid() {
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
}

// Little-endian fields of a byte range; reading past its end means the file is damaged.
class TFields {
public:
    explicit TFields(QByteArrayView data) : FData(data) {}
    std::uint16_t U16(qsizetype at) const {
        Require(at, sizeof(std::uint16_t));
        return qFromLittleEndian<std::uint16_t>(FData.data() + at);
    }
    std::uint32_t U32(qsizetype at) const {
        Require(at, sizeof(std::uint32_t));
        return qFromLittleEndian<std::uint32_t>(FData.data() + at);
    }
    std::int32_t I32(qsizetype at) const {
        Require(at, sizeof(std::int32_t));
        return qFromLittleEndian<std::int32_t>(FData.data() + at);
    }

private:
    void Require(qsizetype at, std::size_t size) const {
        if (at < 0 || at + static_cast<qsizetype>(size) > FData.size()) Invalid();
    }
    QByteArrayView FData;
};

bool IsInfoHeaderSize(std::uint32_t size) {
    for (std::uint32_t s : kInfoHeaderSizes)
        if (s == size) return true;
    return false;
}

bool ValidEncoding(int bitCount, std::uint32_t compression) {
    switch (compression) {
        case BI_RGB:
            return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                   bitCount == 24 || bitCount == 32;
        case BI_RLE8:
            return bitCount == 8;
        case BI_RLE4:
            return bitCount == 4;
        case BI_BITFIELDS:
            return bitCount == 16 || bitCount == 32;
        default:
            return false;
    }
}

void Put16(QByteArray& out, qsizetype at, std::uint16_t value) {
    qToLittleEndian(value, out.data() + at);
}
void Put32(QByteArray& out, qsizetype at, std::uint32_t value) {
    qToLittleEndian(value, out.data() + at);
}

}  // namespace

TBmpInfo ReadBmpInfo(QByteArrayView data) {
    if (data.size() < kFileHeaderSize + kHeaderSizeField || data[0] != 'B' || data[1] != 'M')
        Invalid();
    const TFields head(data);
    const std::uint32_t fileSize = head.U32(kFileSizeAt);
    if (fileSize > static_cast<std::uint64_t>(data.size())) Invalid();
    // From here on only the file's own bytes are read.
    const TFields f(data.first(fileSize));
    const std::uint32_t dataOffset = f.U32(kDataOffsetAt);
    const std::uint32_t headerSize = f.U32(kHeaderAt);

    TBmpInfo info;
    info.FileSize = fileSize;
    std::int64_t width = 0, height = 0;
    int planes = 0, paletteEntryBytes = 0;
    std::uint32_t colorsUsed = 0, imageSize = 0;
    qsizetype maskBytes = 0;
    if (headerSize == kCoreHeaderSize) {
        width = f.U16(kCoreWidthAt);
        height = f.U16(kCoreHeightAt);
        planes = f.U16(kCorePlanesAt);
        info.BitCount = f.U16(kCoreBitsAt);
        info.Compression = BI_RGB;
        paletteEntryBytes = 3;
    } else if (IsInfoHeaderSize(headerSize)) {
        width = f.I32(kWidthAt);
        height = f.I32(kHeightAt);
        planes = f.U16(kPlanesAt);
        info.BitCount = f.U16(kBitsAt);
        info.Compression = f.U32(kCompressionAt);
        imageSize = f.U32(kImageSizeAt);
        colorsUsed = f.U32(kColorsUsedAt);
        paletteEntryBytes = 4;
        if (info.Compression == BI_BITFIELDS) {
            // Later headers hold the masks; a plain info header is followed by them.
            if (headerSize == kInfoHeaderSize) maskBytes = kMaskBytes;
            info.RedMask = f.U32(kMasksAt);
            info.GreenMask = f.U32(kMasksAt + 4);
            info.BlueMask = f.U32(kMasksAt + 8);
        }
    } else {
        Invalid();
    }
    if (planes != 1 || !ValidEncoding(info.BitCount, info.Compression)) Invalid();

    // Negative heights mark top-down files, which cannot be compressed.
    const bool topDown = height < 0;
    const std::int64_t rows = topDown ? -height : height;
    const bool compressed = info.Compression == BI_RLE8 || info.Compression == BI_RLE4;
    if (width <= 0 || rows <= 0 || (topDown && compressed)) Invalid();
    if (width * rows > kMaxBmpImageBytes / kBytesPerImagePixel) Invalid();
    info.Width = static_cast<int>(width);
    info.Height = static_cast<int>(rows);

    std::int64_t paletteBytes = 0;
    if (info.BitCount <= kMaxPaletteBits) {
        const std::int64_t colors = colorsUsed ? colorsUsed : std::int64_t{1} << info.BitCount;
        if (colors > std::int64_t{1} << kMaxPaletteBits) Invalid();
        paletteBytes = colors * paletteEntryBytes;
    }
    const std::int64_t pixelsAt = kFileHeaderSize + headerSize + maskBytes + paletteBytes;
    if (dataOffset < pixelsAt || dataOffset >= fileSize) Invalid();

    const std::int64_t available = std::int64_t{fileSize} - dataOffset;
    if (compressed) {
        if (imageSize > available) Invalid();
    } else {
        const std::int64_t stride = (width * info.BitCount + 31) / 32 * 4;
        if (stride * rows > available) Invalid();
    }
    return info;
}

TBmpImage DecodeBmp(QByteArrayView data) {
    const TBmpInfo info = ReadBmpInfo(data);
    QImage image = QImage::fromData(data.first(info.FileSize), "BMP");
    if (image.isNull() || image.width() != info.Width || image.height() != info.Height) Invalid();
    if (image.hasAlphaChannel()) {
        // The colours stay as stored; only the alpha channel is dropped.
        image = image.convertToFormat(QImage::Format_ARGB32);
        image.reinterpretAsFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] |= 0xFF000000u;
        }
    } else {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    return {std::move(image), info};
}

QByteArray EncodeBmp(const QImage& image, int bitCount) {
    const int bytesPerPixel = bitCount / kBitsPerByte;
    const int width = image.width(), height = image.height();
    const qsizetype stride = (qsizetype{width} * bytesPerPixel + 3) / 4 * 4;
    const qsizetype pixelBytes = stride * height;
    const qsizetype dataOffset = kFileHeaderSize + kInfoHeaderSize;
    QByteArray out(dataOffset + pixelBytes, '\0');
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, kFileSizeAt, static_cast<std::uint32_t>(out.size()));
    Put32(out, kDataOffsetAt, static_cast<std::uint32_t>(dataOffset));
    Put32(out, kHeaderAt, kInfoHeaderSize);
    Put32(out, kWidthAt, static_cast<std::uint32_t>(width));
    Put32(out, kHeightAt, static_cast<std::uint32_t>(height));
    Put16(out, kPlanesAt, 1);
    Put16(out, kBitsAt, static_cast<std::uint16_t>(bitCount));
    Put32(out, kCompressionAt, BI_RGB);
    Put32(out, kImageSizeAt, static_cast<std::uint32_t>(pixelBytes));
    Put32(out, kXPelsAt, static_cast<std::uint32_t>(image.dotsPerMeterX()));
    Put32(out, kYPelsAt, static_cast<std::uint32_t>(image.dotsPerMeterY()));
    // Rows bottom-up, each pixel blue, green, red (and a zero byte in 32-bit files).
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(height - 1 - y));
        char* to = out.data() + dataOffset + stride * y;
        for (int x = 0; x < width; ++x, to += bytesPerPixel) {
            to[0] = static_cast<char>(qBlue(from[x]));
            to[1] = static_cast<char>(qGreen(from[x]));
            to[2] = static_cast<char>(qRed(from[x]));
        }
    }
    return out;
}

}  // namespace mox

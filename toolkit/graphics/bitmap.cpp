#include "toolkit/graphics/bitmap.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/definedproperties.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bmpfile.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/paintsource.h"

namespace mox {

namespace {

constexpr int kBytesPerPixel = 4;
// Room for headers and a palette around the largest pixel data we accept.
constexpr qint64 kMaxBmpFileBytes = kMaxBmpImageBytes + (qint64{1} << 16);
constexpr std::uint32_t kRgb555[] = {0x7C00, 0x03E0, 0x001F};
constexpr std::uint32_t kRgb565[] = {0xF800, 0x07E0, 0x001F};

TPixelFormat FormatOf(const TBmpInfo& info) {
    switch (info.BitCount) {
        case 1:
            return TPixelFormat::pf1bit;
        case 4:
            return TPixelFormat::pf4bit;
        case 8:
            return TPixelFormat::pf8bit;
        case 24:
            return TPixelFormat::pf24bit;
        case 32:
            return TPixelFormat::pf32bit;
        default:
            break;
    }
    const std::uint32_t masks[] = {info.RedMask, info.GreenMask, info.BlueMask};
    if (info.Compression == BI_RGB || std::equal(masks, masks + 3, kRgb555))
        return TPixelFormat::pf15bit;
    if (std::equal(masks, masks + 3, kRgb565)) return TPixelFormat::pf16bit;
    return TPixelFormat::pfCustom;
}

[[noreturn]] void CannotOpen(const QString& path, const QString& reason) {
    throw EInvalidGraphic(
        QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace

const TClassInfo& TBitmap::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TBitmap>("TBitmap", TPersistent::StaticClass()).Build();
    return info;
}

TBitmap::TBitmap() : FCanvas(std::make_unique<TCanvas>(&FImage)) {}

TBitmap::~TBitmap() = default;

void TBitmap::Changed() {
    OnChange(this);
}

void TBitmap::SetImage(QImage image) {
    FWidth = image.width();
    FHeight = image.height();
    FImage = std::move(image);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    if (qint64{width} * height > kMaxBmpImageBytes / kBytesPerPixel)
        throw EOutOfResources(QStringLiteral("Out of system resources"));
    QImage image;
    if (width > 0 && height > 0) {
        image = QImage(width, height, QImage::Format_RGB32);
        if (image.isNull()) throw EOutOfResources(QStringLiteral("Out of system resources"));
        image.fill(Qt::white);
        const int rows = std::min(height, FImage.height());
        const auto rowBytes =
            static_cast<std::size_t>(std::min(width, FImage.width())) * kBytesPerPixel;
        for (int y = 0; y < rows; ++y)
            std::memcpy(image.scanLine(y), FImage.constScanLine(y), rowBytes);
    }
    FImage = std::move(image);
    FWidth = width;
    FHeight = height;
    Changed();
}

TColor TBitmap::Pixels(int x, int y) const {
    if (!FImage.valid(x, y)) return clInvalidPixel;
    const QRgb pixel = FImage.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void TBitmap::SetPixels(int x, int y, TColor color) {
    if (!FImage.valid(x, y)) return;
    FImage.setPixel(x, y, ToQRgb(color));
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (value == FPixelFormat) return;
    FPixelFormat = value;
    Changed();
}

void TBitmap::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == TTransparentMode::tmFixed) return FTransparentColor;
    return Empty() ? clDefault : Pixels(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor value) {
    const TTransparentMode mode =
        value == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    if (value == FTransparentColor && mode == FTransparentMode) return;
    FTransparentColor = value;
    FTransparentMode = mode;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (value == FTransparentMode) return;
    // Fixing the mode keeps the colour currently in use.
    SetTransparentColor(value == TTransparentMode::tmAuto ? clDefault : TransparentColor());
}

void TBitmap::Assign(const TPersistent* source) {
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) {
        TPersistent::Assign(source);
        return;
    }
    if (bitmap == this) return;
    FImage = bitmap->FImage;
    FWidth = bitmap->FWidth;
    FHeight = bitmap->FHeight;
    FPixelFormat = bitmap->FPixelFormat;
    FTransparent = bitmap->FTransparent;
    FTransparentMode = bitmap->FTransparentMode;
    FTransparentColor = bitmap->FTransparentColor;
    Changed();
}

QByteArray TBitmap::StreamData() const {
    const QByteArray bmp = Empty() ? QByteArray() : SaveToBmpData();
    char length[4];
    qToLittleEndian<quint32>(static_cast<quint32>(bmp.size()), length);
    return QByteArray(length, 4) + bmp;
}

void TBitmap::ReadStreamData(QByteArrayView data) {
    if (data.size() < 4) throw EReadError(QStringLiteral("Bitmap data is damaged: no length"));
    const qsizetype length = qFromLittleEndian<quint32>(data.data());
    if (length != data.size() - 4)
        throw EReadError(QStringLiteral("Bitmap data is damaged: %1 bytes stated, %2 there")
                             .arg(length)
                             .arg(data.size() - 4));
    if (length == 0) {
        SetSize(0, 0);
        return;
    }
    LoadFromBmpData(data.sliced(4));
}

void TBitmap::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        QStringLiteral("Data"), [this](const QByteArray& data) { ReadStreamData(data); },
        [this](QByteArray& data) { data = StreamData(); }, !Empty());
}

qsizetype TBitmap::LoadFromBmpData(QByteArrayView data) {
    TBmpImage bmp = DecodeBmp(data);
    SetImage(std::move(bmp.Image));
    FPixelFormat = FormatOf(bmp.Info);
    Changed();
    return bmp.Info.FileSize;
}

QByteArray TBitmap::SaveToBmpData() const {
    if (Empty()) throw EInvalidGraphic(QStringLiteral("Cannot save an empty bitmap"));
    constexpr int kTrueColorBits = 24, kFullBits = 32;
    return EncodeBmp(FImage, FPixelFormat == TPixelFormat::pf32bit ? kFullBits : kTrueColorBits);
}

void TBitmap::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) CannotOpen(path, file.errorString());
    // Whatever follows the largest file we accept could never be part of it. Asking Qt for
    // that much at once would reserve it up front, so a regular file is read at its size.
    const qint64 wanted =
        file.isSequential() ? kMaxBmpFileBytes : std::min<qint64>(file.size(), kMaxBmpFileBytes);
    QByteArray data;
    while (data.size() < wanted) {
        constexpr qint64 kChunk = 1 << 20;
        const QByteArray chunk = file.read(std::min(kChunk, wanted - data.size()));
        if (chunk.isEmpty()) break;
        data += chunk;
    }
    LoadFromBmpData(data);
}

void TBitmap::SaveToFile(const QString& path) const {
    const QByteArray data = SaveToBmpData();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EInvalidGraphic(QStringLiteral("Cannot create file \"%1\". %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void TBitmap::LoadFromResourceName(const QString& name) {
    // Each built-in picture is decoded once; the bitmaps loaded from it share its pixels until
    // they draw on them, so a rack of many instruments holds one copy of every thumb and glyph.
    struct TDecoded {
        QImage Image;
        TPixelFormat Format;
    };
    static std::unordered_map<QString, TDecoded> decoded;
    auto found = decoded.find(name);
    if (found == decoded.end()) {
        const QString path = QStringLiteral(":/bitmaps/%1.bmp").arg(name);
        if (!QFile::exists(path))
            throw EInvalidGraphic(QStringLiteral("Bitmap resource %1 not found").arg(name));
        TBitmap bitmap;
        bitmap.LoadFromFile(path);
        found = decoded.emplace(name, TDecoded{bitmap.FImage, bitmap.FPixelFormat}).first;
    }
    SetImage(found->second.Image);
    FPixelFormat = found->second.Format;
    Changed();
}

}  // namespace mox

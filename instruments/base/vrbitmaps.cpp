#include "instruments/base/vrbitmaps.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

namespace {
constexpr qsizetype kHeaderSize = 8;  // signature and count
}  // namespace

const TClassInfo& TVrBitmaps::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrBitmaps>("TVrBitmaps", TVrPersistent::StaticClass()).Build();
    return info;
}

TVrBitmaps::TVrBitmaps() = default;
TVrBitmaps::~TVrBitmaps() = default;

TBitmap* TVrBitmaps::Bitmaps(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FBitmaps[static_cast<std::size_t>(index)].get();
}

int TVrBitmaps::Add(const TBitmap* bitmap) {
    auto copy = std::make_unique<TBitmap>();
    if (bitmap) copy->Assign(bitmap);
    FBitmaps.push_back(std::move(copy));
    Changed();
    return Count() - 1;
}

void TVrBitmaps::Clear() {
    FBitmaps.clear();
    Changed();
}

void TVrBitmaps::Assign(const TPersistent* source) {
    if (!source) {
        Clear();
        return;
    }
    const auto* other = dynamic_cast<const TVrBitmaps*>(source);
    if (!other || other == this) return;
    TVrUpdateBracket bracket(*this);
    Clear();
    for (const auto& bitmap : other->FBitmaps)
        Add(bitmap.get());
}

void TVrBitmaps::DefineProperties(TFiler& filer) {
    TVrPersistent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        QStringLiteral("Bitmaps"), [this](const QByteArray& data) { ReadData(data); },
        [this](QByteArray& data) { WriteData(data); }, Count() > 0);
}

void TVrBitmaps::ReadData(QByteArrayView data) {
    TVrUpdateBracket bracket(*this);
    Clear();
    ReadBlock(data);
}

void TVrBitmaps::ReadBlock(QByteArrayView data) {
    TVrUpdateBracket bracket(*this);
    if (data.size() < 4 || qFromLittleEndian<std::uint32_t>(data.data()) != kVrBitmapsSignature)
        throw EReadError(QStringLiteral("Invalid file format"));
    if (data.size() < kHeaderSize) throw EReadError(QStringLiteral("Stream read error"));
    const std::uint32_t count = qFromLittleEndian<std::uint32_t>(data.data() + 4);
    qsizetype at = kHeaderSize;
    for (std::uint32_t i = 0; i < count; ++i) {
        TBitmap bitmap;
        at += bitmap.LoadFromBmpData(data.sliced(at));
        Add(&bitmap);
    }
}

void TVrBitmaps::WriteData(QByteArray& data) const {
    // The list is only read here; the bracket of the reading side has no counterpart to protect.
    char header[kHeaderSize];
    qToLittleEndian<std::uint32_t>(kVrBitmapsSignature, header);
    qToLittleEndian<std::uint32_t>(static_cast<std::uint32_t>(Count()), header + 4);
    data.append(header, kHeaderSize);
    for (const auto& bitmap : FBitmaps)
        data.append(bitmap->SaveToBmpData());
}

void TVrBitmaps::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFilerError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray data = file.readAll();
    ReadBlock(data);
}

void TVrBitmaps::SaveToFile(const QString& path) const {
    QByteArray data;
    WriteData(data);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EFilerError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
}

const TClassInfo& TVrBitmapList::StaticClass() {
    using C = TVrBitmapList;
    static const TClassInfo info =
        TClassBuilder<C>("TVrBitmapList", TVrSharedComponent::StaticClass())
            .Creatable()
            .Object("Bitmaps", &C::Bitmaps, &C::SetBitmaps)
            .Event("OnChange", &C::OnChange)
            .Build();
    return info;
}

TVrBitmapList::TVrBitmapList(TComponent* owner)
    : TVrSharedComponent(owner), FBitmaps(std::make_unique<TVrBitmaps>()) {
    FBitmaps->OnChange = [this](TObject* sender) { BitmapsChanged(sender); };
}

TVrBitmapList::~TVrBitmapList() {
    FBitmaps->OnChange = nullptr;
}

TBitmap* TVrBitmapList::GetBitmap(int index) const {
    if (index < 0 || index >= FBitmaps->Count()) return nullptr;
    return FBitmaps->Bitmaps(index);
}

void TVrBitmapList::BitmapsChanged(TObject*) {
    NotifyClients();
    OnChange(this);
}

}  // namespace mox

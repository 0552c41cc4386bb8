#include "toolkit/graphics/picture.h"

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/exceptions.h"

namespace mox {

namespace {

const QString kBitmapClass = QStringLiteral("TBitmap");

EReadError Damaged(const QString& what) {
    return EReadError(QStringLiteral("Picture data is damaged: %1").arg(what));
}

}  // namespace

const TClassInfo& TPicture::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPicture>("TPicture", TPersistent::StaticClass()).Build();
    return info;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::SetGraphic(const TBitmap* value) {
    if (!value) {
        Adopt(nullptr);
        return;
    }
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(value);
    Adopt(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
    if (!FGraphic) Adopt(std::make_unique<TBitmap>());
    return FGraphic.get();
}

void TPicture::LoadFromFile(const QString& path) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(path);
    Adopt(std::move(bitmap));
}

void TPicture::Assign(const TPersistent* source) {
    if (!source) {
        Adopt(nullptr);
    } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        if (picture != this) SetGraphic(picture->Graphic());
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        SetGraphic(bitmap);
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::Adopt(std::unique_ptr<TBitmap> graphic) {
    if (!graphic && !FGraphic) return;
    FGraphic = std::move(graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::Changed() {
    OnChange(this);
}

void TPicture::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        QStringLiteral("Data"), [this](const QByteArray& data) { ReadData(data); },
        [this](QByteArray& data) { WriteData(data); }, FGraphic && !FGraphic->Empty());
}

void TPicture::ReadData(const QByteArray& data) {
    if (data.isEmpty()) throw Damaged(QStringLiteral("no class name"));
    const qsizetype nameLength = static_cast<unsigned char>(data[0]);
    if (data.size() - 1 < nameLength) throw Damaged(QStringLiteral("the class name is cut short"));
    const QString className = QString::fromLatin1(data.mid(1, nameLength));
    if (className.compare(kBitmapClass, Qt::CaseInsensitive) != 0)
        throw EInvalidGraphic(QStringLiteral("Unknown picture class \"%1\"").arg(className));
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->ReadStreamData(QByteArrayView(data).sliced(1 + nameLength));
    Adopt(std::move(bitmap));
}

void TPicture::WriteData(QByteArray& data) const {
    if (!FGraphic || FGraphic->Empty()) return;  // nothing to store
    const QByteArray name = kBitmapClass.toLatin1();
    data.append(static_cast<char>(name.size()));
    data.append(name);
    data.append(FGraphic->StreamData());
}

}  // namespace mox

#pragma once
// TVrBitmaps: an owned, ordered list of bitmaps, stored in rack files as one binary property
// "Bitmaps" (a signature, a count, then one complete BMP file per bitmap). TVrBitmapList shares
// such a list between instruments (custom thumbs and backgrounds).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <vector>

#include "instruments/base/vrcomponent.h"

namespace mox {

class TBitmap;

// The first four bytes of a "Bitmaps" block.
constexpr std::uint32_t kVrBitmapsSignature = 0x00355462;

class TVrBitmaps : public TVrPersistent {
    MOX_CLASS
public:
    TVrBitmaps();
    ~TVrBitmaps() override;

    int Count() const { return static_cast<int>(FBitmaps.size()); }
    // The owned bitmap at `index`; EListError outside the list.
    TBitmap* Bitmaps(int index) const;
    // Appends a copy of `bitmap` and returns its position.
    int Add(const TBitmap* bitmap);
    void Clear();

    // None clears the list; another list is copied; anything else is ignored.
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    // The "Bitmaps" block: reading replaces the list, writing stores all of it. A wrong signature
    // fails with "Invalid file format"; bitmaps read before a failure stay in the list.
    void ReadData(QByteArrayView data);
    void WriteData(QByteArray& data) const;
    // A file holding one block: loading appends its bitmaps, saving writes the whole list.
    void LoadFromFile(const QString& path);
    void SaveToFile(const QString& path) const;

private:
    void ReadBlock(QByteArrayView data);

    std::vector<std::unique_ptr<TBitmap>> FBitmaps;
};

class TVrBitmapList : public TVrSharedComponent {
    MOX_CLASS
public:
    explicit TVrBitmapList(TComponent* owner);
    ~TVrBitmapList() override;

    TVrBitmaps* Bitmaps() const { return FBitmaps.get(); }
    void SetBitmaps(const TVrBitmaps* value) { FBitmaps->Assign(value); }
    // The bitmap at `index`, or none outside the list.
    TBitmap* GetBitmap(int index) const;

    TNotifyEvent OnChange;

private:
    void BitmapsChanged(TObject* sender);

    std::unique_ptr<TVrBitmaps> FBitmaps;
};

}  // namespace mox

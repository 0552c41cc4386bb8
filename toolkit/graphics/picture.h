#pragma once
// TPicture: the graphic an image control shows. It holds at most one graphic, which in this
// program is always a bitmap, and streams it as the binary property "Data": the graphic's class
// name, then the bitmap's BMP file behind its length.

#include <QByteArray>
#include <memory>

#include "toolkit/core/persistent.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

class TPicture : public TPersistent {
    MOX_CLASS
public:
    TPicture();
    ~TPicture() override;

    // The graphic; none while the picture is empty.
    TBitmap* Graphic() const { return FGraphic.get(); }
    // Copies `value` into the picture; none empties it.
    void SetGraphic(const TBitmap* value);
    // The graphic as a bitmap, an empty one made first when there is none.
    TBitmap* Bitmap();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    // Loads a bitmap file; a file that cannot be read raises EInvalidGraphic and leaves the
    // picture as it was.
    void LoadFromFile(const QString& path);
    // Takes a picture's graphic or a bitmap; none empties the picture.
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    TNotifyEvent OnChange;

private:
    void Adopt(std::unique_ptr<TBitmap> graphic);
    void Changed();
    // Damaged data raises EReadError (lengths that do not fit the bytes) or EInvalidGraphic
    // (an unknown class or a bitmap that does not decode), and the picture stays as it was.
    void ReadData(const QByteArray& data);
    void WriteData(QByteArray& data) const;

    std::unique_ptr<TBitmap> FGraphic;
};

}  // namespace mox

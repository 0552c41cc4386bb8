// The hand cursor the input instruments show over their thumbs: drawn from a built-in bitmap and
// registered once as cursor crVrHandPoint.

#include "instruments/base/vrcursor.h"

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>

#include "instruments/base/vrresources.h"
#include "instruments/base/vrtypes.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

namespace {

// The fingertip of the drawn hand.
constexpr int kHotSpotX = 6;
constexpr int kHotSpotY = 0;

QCursor LoadHandCursor() {
    TBitmap bitmap;
    try {
        LoadBuiltinBitmap(bitmap, QStringLiteral("VRCURSORHANDPOINT"));
    } catch (const Exception&) {
        // Without the drawn cursor the pointer still changes shape over the thumbs.
        return QCursor(Qt::PointingHandCursor);
    }
    // The bottom-left pixel names the see-through colour, as with every built-in glyph.
    QPixmap pixmap = QPixmap::fromImage(bitmap.Image());
    const QColor clear = bitmap.Image().pixelColor(0, bitmap.Height() - 1);
    pixmap.setMask(
        QBitmap::fromImage(bitmap.Image().createMaskFromColor(clear.rgb(), Qt::MaskInColor)));
    return QCursor(pixmap, kHotSpotX, kHotSpotY);
}

}  // namespace

void EnsureHandCursor() {
    static bool registered = false;
    if (registered) return;
    // Cursors need the windowing system; components made without it (tools) go without.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    registered = true;
    TScreen::Instance().SetCursorShape(crVrHandPoint, LoadHandCursor());
}

}  // namespace mox

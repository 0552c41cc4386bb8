#include "toolkit/graphics/canvasdevice.h"

#include <QPainterPath>

namespace mox {

void TShape::ClipPainter(QPainter& painter) const {
    if (PaintClip.isEmpty()) return;
    QPainterPath path;
    path.addPolygon(PaintClip);
    painter.setClipPath(path, Qt::IntersectClip);
}

QPen TStroke::ToQPen(const QColor& color) const {
    // Width 0 is Qt's cosmetic pen: one pixel whatever the transformation, dashes in pixels.
    QPen pen(color, Width > 1 ? Width : 0);
    // Wide pens end and join round, like GDI's geometric pens.
    pen.setCapStyle(Width > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    if (!Dashes.empty() && Width <= 1)
        pen.setDashPattern(QList<qreal>(Dashes.begin(), Dashes.end()));
    return pen;
}

}  // namespace mox

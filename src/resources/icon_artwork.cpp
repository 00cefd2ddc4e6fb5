#include "resources/icon_artwork.h"

#include <QLinearGradient>

namespace halvo::artwork {

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& point : points) {
    if (first) {
      path.moveTo(point);
      first = false;
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

void FillWithOutline(QPainter& p, const QPainterPath& shape, const QColor& light,
                     const QColor& dark, const QColor& outline, qreal outlineWidth) {
  const QRectF bounds = shape.boundingRect();
  QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
  gradient.setColorAt(0.0, light);
  gradient.setColorAt(1.0, dark);
  p.setBrush(gradient);
  p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(shape);
}

void PaintBlue(QPainter& p, const QPainterPath& shape) {
  FillWithOutline(p, shape, QColor(0x6c, 0xb4, 0xff), QColor(0x12, 0x5c, 0xd0),
                  QColor(0x0a, 0x36, 0x86));
}

}  // namespace halvo::artwork

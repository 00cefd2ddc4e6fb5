// The blue transport symbols of the player's buttons.
#include <QRadialGradient>

#include "resources/icon_artwork.h"

namespace halvo::artwork {
namespace {

QPainterPath Bar(qreal x, qreal y, qreal w, qreal h) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), 0.8, 0.8);
  return path;
}

QPainterPath RightTriangle(qreal left, qreal top, qreal right, qreal bottom) {
  return Polygon({{left, top}, {right, (top + bottom) / 2}, {left, bottom}});
}

QPainterPath LeftTriangle(qreal left, qreal top, qreal right, qreal bottom) {
  return Polygon({{right, top}, {left, (top + bottom) / 2}, {right, bottom}});
}

}  // namespace

void PaintBackPlay(QPainter& p) { PaintBlue(p, LeftTriangle(4.5, 4.5, 17.5, 18.5)); }

void PaintPlay(QPainter& p) {
  const QPointF centre(16, 16);
  QRadialGradient face(QPointF(12, 10), 20);
  face.setColorAt(0.0, QColor(0xb4, 0xc6, 0xd8));
  face.setColorAt(1.0, QColor(0x4a, 0x62, 0x7c));
  p.setBrush(face);
  p.setPen(QPen(QColor(0x2c, 0x3c, 0x50), 1.0));
  p.drawEllipse(centre, 14.5, 14.5);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, 13.0, 13.0);
  FillWithOutline(p, RightTriangle(12.5, 8.5, 24.0, 23.5), QColor(255, 255, 255),
                  QColor(0xe4, 0xea, 0xf2), QColor(0x34, 0x48, 0x60));
}

void PaintPause(QPainter& p) {
  PaintBlue(p, Bar(5.5, 4.5, 4, 14));
  PaintBlue(p, Bar(13.5, 4.5, 4, 14));
}

void PaintStop(QPainter& p) { PaintBlue(p, Bar(5.5, 5.5, 12, 12)); }

void PaintFaster(QPainter& p) {
  PaintBlue(p, RightTriangle(2.5, 5.5, 11.5, 17.5));
  PaintBlue(p, RightTriangle(11.5, 5.5, 20.5, 17.5));
}

void PaintSlower(QPainter& p) {
  PaintBlue(p, LeftTriangle(2.5, 5.5, 11.5, 17.5));
  PaintBlue(p, LeftTriangle(11.5, 5.5, 20.5, 17.5));
}

void PaintStepForward(QPainter& p) {
  PaintBlue(p, RightTriangle(3.5, 4.5, 13.0, 16.5));
  PaintBlue(p, Bar(13.5, 4.5, 3, 12));
}

void PaintStepBack(QPainter& p) {
  PaintBlue(p, Bar(4.5, 4.5, 3, 12));
  PaintBlue(p, LeftTriangle(8.0, 4.5, 17.5, 16.5));
}

}  // namespace halvo::artwork

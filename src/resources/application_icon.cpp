// The application icon and the small picture of the hidden static icon.
#include <QLinearGradient>
#include <QRadialGradient>

#include "resources/icon_artwork.h"

namespace halvo::artwork {

void PaintApplication(QPainter& p) {
  // A deep blue tile with a film edge, a white play triangle and a red recording dot.
  QPainterPath tile;
  tile.addRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
  FillWithOutline(p, tile, QColor(0x3a, 0x8c, 0xf0), QColor(0x0c, 0x2c, 0x7a),
                  QColor(0x06, 0x1c, 0x50));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  for (int i = 0; i < 5; ++i) {
    p.drawRoundedRect(QRectF(5.0 + i * 5.0, 4.0, 2.6, 2.2), 0.6, 0.6);
    p.drawRoundedRect(QRectF(5.0 + i * 5.0, 25.8, 2.6, 2.2), 0.6, 0.6);
  }
  FillWithOutline(p, Polygon({{11.0, 9.0}, {23.5, 16.0}, {11.0, 23.0}}), QColor(255, 255, 255),
                  QColor(0xdc, 0xe6, 0xf4), QColor(0x0a, 0x24, 0x60), 0.8);
  QRadialGradient dot(QPointF(24.5, 8.0), 3.5);
  dot.setColorAt(0.0, QColor(0xff, 0x8a, 0x8a));
  dot.setColorAt(1.0, QColor(0xd0, 0x10, 0x10));
  p.setBrush(dot);
  p.setPen(QPen(QColor(0x70, 0x00, 0x00), 0.8));
  p.drawEllipse(QPointF(24.5, 8.5), 3.0, 3.0);
}

void PaintFilmFrame(QPainter& p) {
  QPainterPath strip;
  strip.addRoundedRect(QRectF(3.5, 5.5, 25, 21), 2, 2);
  FillWithOutline(p, strip, QColor(0x50, 0x50, 0x58), QColor(0x20, 0x20, 0x26),
                  QColor(0x10, 0x10, 0x14));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe8, 0xe8, 0xe8));
  for (int i = 0; i < 5; ++i) {
    p.drawRect(QRectF(5.5 + i * 4.6, 7.0, 2.2, 2.0));
    p.drawRect(QRectF(5.5 + i * 4.6, 23.0, 2.2, 2.0));
  }
  QLinearGradient sky(QPointF(0, 10.5), QPointF(0, 21.5));
  sky.setColorAt(0.0, QColor(0x9c, 0xd0, 0xff));
  sky.setColorAt(1.0, QColor(0x3c, 0x8c, 0x3c));
  p.setBrush(sky);
  p.drawRect(QRectF(6.5, 10.5, 19, 11));
}

}  // namespace halvo::artwork

// The loudspeaker of the volume button, plain and muted.
#include "resources/icon_artwork.h"

namespace halvo::artwork {
namespace {

// A loudspeaker whose body starts at x and is centred on y, of the given height.
void PaintSpeaker(QPainter& p, qreal x, qreal y, qreal height) {
  const qreal body = height * 0.36;
  const QPainterPath speaker = Polygon({{x, y - body / 2},
                                        {x + height * 0.25, y - body / 2},
                                        {x + height * 0.58, y - height / 2},
                                        {x + height * 0.58, y + height / 2},
                                        {x + height * 0.25, y + body / 2},
                                        {x, y + body / 2}});
  FillWithOutline(p, speaker, QColor(0xc8, 0xd0, 0xdc), QColor(0x6a, 0x78, 0x8c),
                  QColor(0x28, 0x30, 0x3c));
}

}  // namespace

void PaintVoice(QPainter& p) {
  PaintSpeaker(p, 2.5, 10.5, 13);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x12, 0x5c, 0xd0), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(7.5, 6.5, 8, 8), -50 * 16, 100 * 16);
  p.drawArc(QRectF(6.0, 3.5, 14, 14), -50 * 16, 100 * 16);
}

void PaintVoiceMuted(QPainter& p) {
  PaintSpeaker(p, 1.5, 8.5, 11);
  const QPointF centre(15.5, 14.5);
  const qreal r = 5.0;
  p.setBrush(QColor(255, 255, 255, 200));
  p.setPen(QPen(QColor(0xdc, 0x14, 0x14), 1.8));
  p.drawEllipse(centre, r, r);
  p.setPen(QPen(QColor(0xdc, 0x14, 0x14), 1.8, Qt::SolidLine, Qt::RoundCap));
  const qreal d = r * 0.62;
  p.drawLine(centre + QPointF(-d, -d), centre + QPointF(d, d));
}

}  // namespace halvo::artwork

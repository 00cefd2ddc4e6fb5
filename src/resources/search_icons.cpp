// The magnifier, the zoom-out and search-stop boxes and the framed motion-search symbols.
#include <QRadialGradient>

#include "resources/icon_artwork.h"

namespace halvo::artwork {
namespace {

const QColor kYellow(0xff, 0xd6, 0x1f);
const QColor kDeepYellow(0xe0, 0x9c, 0x00);
const QColor kOrange(0xff, 0xa6, 0x3a);
const QColor kDeepOrange(0xe0, 0x6a, 0x00);

// A yellow square frame around a round blue face, with two yellow triangles.
void PaintSearch(QPainter& p, bool forward) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kDeepYellow, 1.0));
  p.drawRect(QRectF(0.5, 0.5, 27, 27));
  p.setPen(QPen(kYellow, 1.0));
  p.drawRect(QRectF(1.5, 1.5, 25, 25));
  QRadialGradient face(QPointF(11, 10), 14);
  face.setColorAt(0.0, QColor(0x5a, 0x9a, 0xf0));
  face.setColorAt(1.0, QColor(0x10, 0x3c, 0x9c));
  p.setBrush(face);
  p.setPen(QPen(QColor(0x0a, 0x2a, 0x70), 1.0));
  p.drawEllipse(QPointF(14, 14), 10.5, 10.5);
  const qreal top = 9.0, bottom = 19.0, mid = 14.0;
  for (qreal start : {7.5, 13.5}) {
    const QPainterPath arrow =
        forward ? Polygon({{start, top}, {start + 7, mid}, {start, bottom}})
                : Polygon({{28 - start, top}, {28 - start - 7, mid}, {28 - start, bottom}});
    FillWithOutline(p, arrow, QColor(0xff, 0xf0, 0x80), kYellow, QColor(0x80, 0x58, 0x00), 0.8);
  }
}

// An orange rounded box on a 32 grid with a bar across it.
void PaintBoxWithBar(QPainter& p, const QColor& barLight, const QColor& barDark) {
  QPainterPath box;
  box.addRoundedRect(QRectF(4.5, 4.5, 23, 23), 3, 3);
  FillWithOutline(p, box, kOrange, kDeepOrange, QColor(0x8a, 0x40, 0x00));
  QPainterPath bar;
  bar.addRoundedRect(QRectF(9.5, 14.0, 13, 4), 1, 1);
  FillWithOutline(p, bar, barLight, barDark, barDark.darker(160), 0.8);
}

}  // namespace

void PaintZoomIn(QPainter& p) {
  // Handle first, so the lens rim lies over its end.
  p.setPen(QPen(QColor(0x5a, 0x3a, 0x1e), 4.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15.5, 15.5), QPointF(21.0, 21.0));
  p.setPen(QPen(QColor(0x9a, 0x6a, 0x3a), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16.0, 15.0), QPointF(20.5, 19.5));
  QRadialGradient glass(QPointF(8, 8), 9);
  glass.setColorAt(0.0, QColor(0xf4, 0xfb, 0xff));
  glass.setColorAt(1.0, QColor(0x8c, 0xc4, 0xf0));
  p.setBrush(glass);
  p.setPen(QPen(QColor(0x3a, 0x44, 0x52), 2.0));
  p.drawEllipse(QPointF(10, 10), 7.0, 7.0);
  p.setPen(QPen(QColor(255, 255, 255, 220), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(5.5, 5.5, 9, 9), 100 * 16, 70 * 16);
}

void PaintZoomOut(QPainter& p) {
  PaintBoxWithBar(p, QColor(0x50, 0x50, 0x50), QColor(0x00, 0x00, 0x00));
}

void PaintSearchStop(QPainter& p) {
  PaintBoxWithBar(p, QColor(0x7c, 0xe0, 0x5a), QColor(0x1c, 0x8c, 0x1c));
}

void PaintSearchForward(QPainter& p) { PaintSearch(p, true); }
void PaintSearchBack(QPainter& p) { PaintSearch(p, false); }

}  // namespace halvo::artwork

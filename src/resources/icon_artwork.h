#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace halvo::artwork {

// Every painter below draws in the icon's native pixel grid; the caller scales.
void PaintBackPlay(QPainter& p);     // 215, 23 x 23
void PaintPlay(QPainter& p);         // 216, 32 x 32
void PaintPause(QPainter& p);        // 217, 23 x 23
void PaintStop(QPainter& p);         // 212, 23 x 23
void PaintFaster(QPainter& p);       // 221, 23 x 23
void PaintSlower(QPainter& p);       // 213, 23 x 23
void PaintStepForward(QPainter& p);  // 222, 21 x 21
void PaintStepBack(QPainter& p);     // 218, 21 x 21

void PaintZoomIn(QPainter& p);         // 220, 24 x 24
void PaintZoomOut(QPainter& p);        // 164, 32 x 32
void PaintSearchForward(QPainter& p);  // 207, 28 x 28
void PaintSearchBack(QPainter& p);     // 208, 28 x 28
void PaintSearchStop(QPainter& p);     // 168, 32 x 32

void PaintVoice(QPainter& p);       // 172, 21 x 21
void PaintVoiceMuted(QPainter& p);  // 173, 22 x 22

void PaintApplication(QPainter& p);  // 143, 32 x 32
void PaintFilmFrame(QPainter& p);    // 178, 32 x 32

// Shared strokes and fills.
QPainterPath Polygon(std::initializer_list<QPointF> points);
void FillWithOutline(QPainter& p, const QPainterPath& shape, const QColor& light,
                     const QColor& dark, const QColor& outline, qreal outlineWidth = 1.0);
// The blue of the transport symbols: light at the top, deep at the bottom.
void PaintBlue(QPainter& p, const QPainterPath& shape);

}  // namespace halvo::artwork

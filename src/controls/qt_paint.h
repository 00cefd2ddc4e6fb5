#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include "controls/colour.h"
#include "controls/control_geometry.h"

namespace halvo {

// Bridges between the controls' pure colour and rectangle maths and Qt painting.
inline QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Colour FromQColor(const QColor& c) { return MakeColour(c.red(), c.green(), c.blue()); }

inline ControlRect ToControlRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
inline QRect ToQRect(const ControlRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// A one-pixel frame: top and left in one colour, right and bottom in the other.
inline void Draw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft,
                       const QColor& bottomRight) {
  painter.fillRect(r.x(), r.y(), r.width() - 1, 1, topLeft);
  painter.fillRect(r.x(), r.y(), 1, r.height() - 1, topLeft);
  painter.fillRect(r.x() + r.width() - 1, r.y(), 1, r.height(), bottomRight);
  painter.fillRect(r.x(), r.y() + r.height() - 1, r.width(), 1, bottomRight);
}

}  // namespace halvo

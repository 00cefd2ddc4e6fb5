#include "scene_painter.h"

#include <QPainter>
#include <algorithm>

namespace halvo {

namespace {

int ObjectSide(int width, int height) { return std::max(4, std::min(width, height) / 4); }

}  // namespace

std::optional<int> ObjectLeft(const ClipOptions& options, int frame) {
  if (!options.motionFrom || !options.motionTo) return std::nullopt;
  const int from = *options.motionFrom;
  const int to = *options.motionTo;
  if (frame < from || frame > to) return std::nullopt;
  const int travel = std::max(0, options.width - ObjectSide(options.width, options.height));
  const int steps = std::max(1, to - from);
  return static_cast<int>(static_cast<int64_t>(travel) * (frame - from) / steps);
}

QImage PaintScene(int width, int height, std::optional<int> objectLeft) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  // A smooth room: wall gradient, floor and a window; cheap to compress.
  QLinearGradient wall(0, 0, 0, height);
  wall.setColorAt(0, QColor(180, 190, 205));
  wall.setColorAt(1, QColor(120, 125, 135));
  painter.fillRect(image.rect(), wall);
  painter.fillRect(0, height * 2 / 3, width, height - height * 2 / 3, QColor(95, 80, 60));
  painter.fillRect(width / 8, height / 8, width / 4, height / 4, QColor(225, 235, 250));
  if (objectLeft) {
    // A high-contrast checkerboard adds many bytes to every compressed frame
    // that shows it, which is what size-based motion detection looks for.
    const int side = ObjectSide(width, height);
    const int cell = std::max(1, side / 8);
    const int top = (height - side) / 2;
    for (int y = 0; y < side; y += cell) {
      for (int x = 0; x < side; x += cell) {
        const bool dark = ((x / cell) + (y / cell)) % 2 == 0;
        painter.fillRect(*objectLeft + x, top + y, cell, cell,
                         dark ? QColor(20, 20, 20) : QColor(240, 60, 40));
      }
    }
  }
  return image;
}

}  // namespace halvo

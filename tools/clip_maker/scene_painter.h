#pragma once

#include <QImage>
#include <optional>

#include "clip_options.h"

namespace halvo {

// Left edge of the moving object in this frame, or nothing when the frame shows
// only the still scene.
std::optional<int> ObjectLeft(const ClipOptions& options, int frame);

// The still scene, with the textured object at objectLeft when given.
// Format_RGB32, i.e. BGRx bytes in memory.
QImage PaintScene(int width, int height, std::optional<int> objectLeft);

}  // namespace halvo

#include "jpeg_frames.h"

#include <QBuffer>
#include <QImageWriter>
#include <stdexcept>

#include "scene_painter.h"

namespace halvo {

namespace {

std::shared_ptr<const Payload> EncodeJpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(75);
  if (!writer.write(image)) {
    throw std::runtime_error("JPEG encoding failed: " + writer.errorString().toStdString());
  }
  return std::make_shared<const Payload>(bytes.begin(), bytes.end());
}

}  // namespace

std::vector<EncodedFrame> MakeJpegFrames(const ClipOptions& options) {
  std::vector<EncodedFrame> frames;
  frames.reserve(static_cast<size_t>(options.frames));
  std::shared_ptr<const Payload> still;
  for (int f = 0; f < options.frames; ++f) {
    const std::optional<int> left = ObjectLeft(options, f);
    if (!left) {
      if (!still) still = EncodeJpeg(PaintScene(options.width, options.height, std::nullopt));
      frames.push_back({still, true});
    } else {
      frames.push_back({EncodeJpeg(PaintScene(options.width, options.height, left)), true});
    }
  }
  return frames;
}

}  // namespace halvo

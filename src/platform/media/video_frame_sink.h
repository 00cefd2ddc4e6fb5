#pragma once

#include <cstdint>
#include <memory>

namespace halvo {

// One decoded picture: BGRx, rows top-down, stride bytes apart. The pixels stay valid as long as
// any copy of the frame lives (it holds the decoder's buffer).
struct VideoFrame {
  uint64_t generation = 0;  // the pipeline that decoded it
  int width = 0;
  int height = 0;
  int stride = 0;
  std::shared_ptr<const uint8_t> pixels;
};

// Receives the decoded pictures of the media graph (the video area).
class FrameSink {
 public:
  virtual ~FrameSink() = default;
  // UI thread: a new pipeline starts (or, with 0, none). Forget the picture and accept from now
  // on only frames of this generation.
  virtual void Reset(uint64_t generation) = 0;
  // Any thread (the pipeline's streaming thread): the newest picture. Must not block long.
  virtual void PresentFrame(VideoFrame frame) = 0;
};

}  // namespace halvo

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace halvo {

enum class VideoKind { Mjpeg, Mpeg4 };

// Everything the clip maker can vary in a recorder-style clip.
struct ClipOptions {
  int frames = 90;
  uint32_t scale = 1;
  uint32_t rate = 30;
  int width = 640;
  int height = 480;
  VideoKind kind = VideoKind::Mjpeg;
  int keyframeEvery = 30;
  bool audio = false;
  // Bytes written after the "REC\" marker; no marker at all when empty.
  std::optional<std::string> recordName = std::string("2012_06_22_15_30_45");
  // The object moves from frame motionFrom to motionTo (inclusive); absent otherwise.
  std::optional<int> motionFrom;
  std::optional<int> motionTo;
  std::optional<uint32_t> moviAt;
  bool extraMarkers = false;
  uint64_t truncate = 0;
};

}  // namespace halvo

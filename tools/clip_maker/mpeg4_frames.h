#pragma once

#include <vector>

#include "clip_options.h"
#include "encoded_frames.h"

namespace halvo {

// MPEG-4 part 2 frames from GStreamer's encoder (avenc_mpeg4), a key frame every
// options.keyframeEvery frames and no B-frames, so index order is display order.
// Throws std::runtime_error when the encoder is missing or fails.
std::vector<EncodedFrame> MakeMpeg4Frames(const ClipOptions& options);

}  // namespace halvo

#pragma once

#include <vector>

#include "clip_options.h"
#include "encoded_frames.h"

namespace halvo {

// Motion JPEG frames written by Qt's image writer; still frames are encoded once.
std::vector<EncodedFrame> MakeJpegFrames(const ClipOptions& options);

}  // namespace halvo

#pragma once

#include <string>
#include <vector>

#include "clip_options.h"
#include "encoded_frames.h"

namespace halvo {

// Writes a recorder-style AVI: RIFF "AVI ", hdrl (video stream first, optional
// 8 kHz mono PCM stream), a JUNK chunk holding the "REC\" record name (and
// padding / extra markers), the movi list and the old-style idx1 index, then
// cuts options.truncate bytes off the end. Throws std::runtime_error.
void WriteAviClip(const std::string& path, const ClipOptions& options,
                  const std::vector<EncodedFrame>& frames);

}  // namespace halvo

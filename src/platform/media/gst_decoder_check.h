#pragma once

#include <optional>
#include <string>

namespace halvo {

// Looks up the recorder's demuxer and decoders in GStreamer's registry (after InitMediaRuntime);
// the message naming the missing Debian packages, or nothing when all are installed.
std::optional<std::u16string> CheckDecoders();

}  // namespace halvo

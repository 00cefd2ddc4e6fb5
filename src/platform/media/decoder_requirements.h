#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace halvo {

// The GStreamer elements the recorder's clips need and the Debian packages that bring them.
struct DecoderRequirement {
  std::string_view element;
  std::string_view package;
};

inline constexpr DecoderRequirement kDecoderRequirements[] = {
    {"avidemux", "gstreamer1.0-plugins-good"},
    {"jpegdec", "gstreamer1.0-plugins-good"},
    {"avdec_mpeg4", "gstreamer1.0-libav"},
};

// The message naming the packages to install when any required element is missing (each package
// once, in table order); nothing when all are there.
std::optional<std::u16string> MissingDecoderMessage(
    const std::function<bool(std::string_view element)>& isInstalled);

}  // namespace halvo
